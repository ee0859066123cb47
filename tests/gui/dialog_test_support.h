#pragma once

// What the tests of the settings dialogs share: a dialog opened over a profile, its controls found by name,
// key presses, typing over a field, the OK and Cancel buttons, and the nutrient boxes as a selection text.

#include "model/food_types.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTest>

#include <memory>
#include <string>
#include <utility>

namespace mw::test {

// The dialog, made from the arguments and open (not modal to the test).
template <typename Dialog, typename... Args>
std::unique_ptr<Dialog> openDialog(Args&&... args)
{
    auto dialog = std::make_unique<Dialog>(std::forward<Args>(args)...);
    dialog->open();
    return dialog;
}

template <typename T>
T* child(const QWidget& dialog, const QString& name)
{
    auto* widget = dialog.findChild<T*>(name);
    if (!widget) {
        qFatal("no child %s", qPrintable(name));
    }
    return widget;
}

// Presses the key on the widget as often as asked (an arrow clicked that often, say).
inline void press(QWidget* widget, Qt::Key key, int times = 1)
{
    for (int i = 0; i < times; ++i) {
        QTest::keyClick(widget, key);
    }
}

// Replaces the field's text as typing does.
inline void typeOver(QWidget* field, const QString& text)
{
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

// The button of the dialog's button box, or for dialogs without a box its own "okButton" or "cancelButton".
inline QPushButton* dialogButton(const QDialog& dialog, QDialogButtonBox::StandardButton which)
{
    if (auto* box = dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"))) {
        return box->button(which);
    }
    return dialog.findChild<QPushButton*>(which == QDialogButtonBox::Ok ? QStringLiteral("okButton")
                                                                        : QStringLiteral("cancelButton"));
}

inline void clickButton(const QDialog& dialog, QDialogButtonBox::StandardButton which)
{
    QPushButton* button = dialogButton(dialog, which);
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
}

inline void clickOk(const QDialog& dialog)
{
    clickButton(dialog, QDialogButtonBox::Ok);
}

inline QCheckBox* nutrientBox(const QDialog& dialog, int nutrient)
{
    return child<QCheckBox>(dialog, QStringLiteral("nutrientCheckBox%1").arg(nutrient));
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

} // namespace mw::test
