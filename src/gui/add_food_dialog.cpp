#include "add_food_dialog.h"

#include "dialog_texts.h"
#include "option_dialog_texts.h"
#include "personal_food_form.h"
#include "prompts.h"
#include "qt_bridge.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace mw::gui {

namespace ot = option_texts;

CAddFoodDlg::CAddFoodDlg(PersonalFoodDatabase& foods, const NutrientVector& mealTotals, QWidget* parent)
    : QDialog(parent), m_foods(foods)
{
    setObjectName(QStringLiteral("addFoodDialog"));
    setWindowTitle(ot::kAddFoodTitle);
    m_form = new PersonalFoodForm(false, this);

    m_added = new QLabel(this);
    m_added->setObjectName(QStringLiteral("addedLabel"));
    m_added->setWordWrap(true);
    auto* add = new QPushButton(ot::kAddButton, this);
    add->setObjectName(QStringLiteral("addButton"));
    add->setDefault(true);
    connect(add, &QPushButton::clicked, this, &CAddFoodDlg::addFood);
    auto* close = new QPushButton(ot::kCloseButton, this);
    close->setObjectName(QStringLiteral("closeButton"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_added, 1);
    buttons->addWidget(add, 0, Qt::AlignBottom);
    buttons->addWidget(close, 0, Qt::AlignBottom);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_form);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    m_form->showFields({toStdString(ot::kNamePrompt), toStdString(ot::kDefaultUnit), mealTotals.values(), {}});
    // The prompt is there to be typed over.
    m_form->nameEdit()->setFocus(Qt::OtherFocusReason);
    m_form->nameEdit()->selectAll();
}

void CAddFoodDlg::addFood()
{
    const std::optional<PersonalFoodFields> fields = m_form->readFields();
    if (!fields) {
        return;
    }
    const PersonalFoodAppendResult added = m_foods.append(fields->name, fields->unit, fields->values);
    if (added.status != PersonalFoodStatus::kOk) {
        Prompts::warning(this, texts::kProgramTitle, foodNotAddedMessage(m_foods, added.status));
        return;
    }

    ++m_addedCount;
    QString told = personalFoodWrittenMessage(m_foods, added.id);
    if (m_addedCount > 1) {
        told += QLatin1Char(' ') + QString(ot::kAddedFoodsCount).arg(m_addedCount);
    }
    m_added->setText(told);
    m_form->showValues(fields->values);
    // An empty name, so that a second Add cannot store the same food again by mistake; the values stay for
    // the next variant.
    m_form->nameEdit()->clear();
    m_form->nameEdit()->setFocus(Qt::OtherFocusReason);
    emit foodAdded(added.id);
}

} // namespace mw::gui
