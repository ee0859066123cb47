#include "edit_food_dialog.h"

#include "dialog_texts.h"
#include "option_dialog_texts.h"
#include "personal_food_form.h"
#include "prompts.h"
#include "qt_bridge.h"

#include "format/personal_food_fields.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace mw::gui {

namespace ot = option_texts;

namespace {

// Long enough for most names; longer ones are cut in the closed box and shown whole in its list.
constexpr int kChoiceCharacters = 48;

} // namespace

CEditPersonalFoodDlg::CEditPersonalFoodDlg(PersonalFoodDatabase& foods, std::optional<FoodId> first, QWidget* parent)
    : QDialog(parent), m_foods(foods)
{
    setObjectName(QStringLiteral("editFoodDialog"));
    setWindowTitle(ot::kEditFoodTitle);

    m_choice = new QComboBox(this);
    m_choice->setObjectName(QStringLiteral("foodChoice"));
    m_choice->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_choice->setMinimumContentsLength(kChoiceCharacters);
    auto* choiceLabel = new QLabel(ot::kEditFoodChoice, this);
    choiceLabel->setBuddy(m_choice);
    auto* choice = new QHBoxLayout;
    choice->addWidget(choiceLabel);
    choice->addWidget(m_choice, 1);

    m_form = new PersonalFoodForm(true, this);
    m_saved = new QLabel(this);
    m_saved->setObjectName(QStringLiteral("savedLabel"));
    m_saved->setWordWrap(true);
    auto* save = new QPushButton(ot::kSaveButton, this);
    save->setObjectName(QStringLiteral("saveButton"));
    save->setDefault(true);
    connect(save, &QPushButton::clicked, this, &CEditPersonalFoodDlg::saveFood);
    auto* close = new QPushButton(ot::kCloseButton, this);
    close->setObjectName(QStringLiteral("closeButton"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_saved, 1);
    buttons->addWidget(save, 0, Qt::AlignBottom);
    buttons->addWidget(close, 0, Qt::AlignBottom);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choice);
    layout->addSpacing(6);
    layout->addWidget(m_form);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    fillChoice();
    if (first) {
        m_choice->setCurrentIndex(std::max(0, m_choice->findData(*first)));
    }
    showChosenFood();
    connect(m_choice, &QComboBox::currentIndexChanged, this, &CEditPersonalFoodDlg::showChosenFood);
}

std::optional<FoodId> CEditPersonalFoodDlg::chosenFood() const
{
    const QVariant id = m_choice->currentData();
    return id.isValid() ? std::optional<FoodId>(static_cast<FoodId>(id.toUInt())) : std::nullopt;
}

void CEditPersonalFoodDlg::fillChoice()
{
    for (std::size_t index = 0; index < m_foods.listedCount(); ++index) {
        const FoodId id = personalFoodId(index);
        m_choice->addItem(toQString(m_foods.record(index)->text), id);
    }
}

void CEditPersonalFoodDlg::showChosenFood()
{
    const std::optional<FoodId> id = chosenFood();
    if (const std::optional<PersonalFoodFields> fields = id ? personalFoodFields(m_foods, *id) : std::nullopt) {
        m_form->showFields(*fields);
    }
    m_form->nameEdit()->setFocus(Qt::OtherFocusReason);
    m_form->nameEdit()->selectAll();
}

void CEditPersonalFoodDlg::saveFood()
{
    const std::optional<FoodId> id = chosenFood();
    const std::optional<PersonalFoodFields> fields = id ? m_form->readFields() : std::nullopt;
    if (!fields) {
        return;
    }
    const PersonalFoodStatus status =
        m_foods.replace(*id, fields->name, fields->unit, fields->values, fields->pyramidSlot);
    if (status != PersonalFoodStatus::kOk) {
        Prompts::warning(this, texts::kProgramTitle, foodNotChangedMessage(m_foods, status));
        return;
    }
    // The line holds the name and unit as they were written (quotes and brackets as blanks).
    m_choice->setItemText(m_choice->currentIndex(), toQString(m_foods.record(*id - kFirstPersonalFoodId)->text));
    m_form->showFields(personalFoodFields(m_foods, *id).value_or(*fields));
    m_saved->setText(personalFoodWrittenMessage(m_foods, *id));
    emit foodChanged(*id);
}

} // namespace mw::gui
