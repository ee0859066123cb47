#pragma once

// What the tests of the two nutrient selection dialogs (display and printing) share: the nutrient boxes
// found by name, the selection they show as text, and clicks.

#include "model/food_types.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTest>

#include <string>

namespace mw::test {

inline QCheckBox* nutrientBox(const QDialog& dialog, int nutrient)
{
    auto* box = dialog.findChild<QCheckBox*>(QStringLiteral("nutrientCheckBox%1").arg(nutrient));
    if (!box) {
        qFatal("no check box %d", nutrient);
    }
    return box;
}

// The boxes as a selection text: "1" ticked, "0" not.
inline std::string tickedText(const QDialog& dialog)
{
    std::string text;
    for (int i = 0; i < kNutrientCount; ++i) {
        text += nutrientBox(dialog, i)->isChecked() ? '1' : '0';
    }
    return text;
}

inline void clickBox(QCheckBox* box)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->height() / 2, box->height() / 2));
}

inline void clickOk(const QDialog& dialog)
{
    auto* buttons = dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
    QVERIFY(buttons);
    QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
}

} // namespace mw::test
