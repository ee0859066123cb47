#include "add_food_dialog.h"

#include "dialog_texts.h"
#include "format/personal_food_validation.h"
#include "model/number_text.h"
#include "option_dialog_texts.h"
#include "prompts.h"
#include "qt_bridge.h"

#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string>

namespace mw::gui {
namespace {

namespace ot = option_texts;

// Three columns of ten, ten and eight values.
constexpr int kValuesPerColumn = 10;
// Shown as the framework shows a float: six significant digits.
constexpr int kShownDigits = 6;
// Room for any number worth typing; longer texts are slips.
constexpr int kMaxValueTextLength = 24;
// Beyond this a typed number is out of range anyway; keeps the conversion to float defined.
constexpr double kLargestReadValue = 1e9;

std::size_t slotOf(int nutrient)
{
    return static_cast<std::size_t>(nutrient);
}

QString valueText(float value)
{
    return QString::number(static_cast<double>(value), 'g', kShownDigits);
}

// The number in a value field, the same in every locale; nullopt when the field holds no number.
std::optional<float> readValue(const QString& text)
{
    const std::optional<double> value = parseDouble(toStdString(text.trimmed()));
    if (!value || !std::isfinite(*value)) {
        return std::nullopt;
    }
    return static_cast<float>(std::clamp(*value, -kLargestReadValue, kLargestReadValue));
}

QString valueRangeMessage(int nutrient)
{
    const float minimum = nutrient == kWeight ? kMinPersonalWeight : 0.0f;
    return QString(ot::kEnterNumberBetween).arg(valueText(minimum), valueText(kMaxPersonalValue));
}

QString statusText(PersonalFoodStatus status)
{
    switch (status) {
    case PersonalFoodStatus::kReadOnly:
        return ot::kNotAddedReadOnly;
    case PersonalFoodStatus::kTooLarge:
        return ot::kNotAddedTooLarge;
    case PersonalFoodStatus::kTooManyLines:
        return ot::kNotAddedTooManyLines;
    case PersonalFoodStatus::kDatabaseFull:
        return QString(ot::kNotAddedFull).arg(kMaxPersonalFoods);
    case PersonalFoodStatus::kValueOutOfRange:
        return ot::kNotAddedValueOutOfRange;
    case PersonalFoodStatus::kFileChanged:
        return ot::kNotAddedFileChanged;
    case PersonalFoodStatus::kWriteFailed:
        return ot::kNotAddedWriteFailed;
    default:
        return ot::kNotAddedNoFile;
    }
}

QLineEdit* createEdit(const QString& objectName, int maxLength, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(objectName);
    edit->setMaxLength(maxLength);
    return edit;
}

} // namespace

QString foodNotAddedMessage(const PersonalFoodDatabase& foods, PersonalFoodStatus status)
{
    const QString file = QDir::toNativeSeparators(fromPath(foods.filePath()));
    return QString(ot::kFoodNotAdded).arg(file, statusText(status));
}

CAddFoodDlg::CAddFoodDlg(PersonalFoodDatabase& foods, const NutrientVector& mealTotals, QWidget* parent)
    : QDialog(parent), m_foods(foods)
{
    setObjectName(QStringLiteral("addFoodDialog"));
    setWindowTitle(ot::kAddFoodTitle);

    auto* add = new QPushButton(ot::kAddButton, this);
    add->setObjectName(QStringLiteral("addButton"));
    add->setDefault(true);
    connect(add, &QPushButton::clicked, this, &CAddFoodDlg::addFood);
    auto* close = new QPushButton(ot::kCloseButton, this);
    close->setObjectName(QStringLiteral("closeButton"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(add);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(createNameFields());
    layout->addSpacing(6);
    layout->addWidget(createValueFields());
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    m_name->setText(ot::kNamePrompt);
    m_unit->setText(ot::kDefaultUnit);
    showValues(mealTotals.values());
    // The prompt is there to be typed over.
    m_name->setFocus(Qt::OtherFocusReason);
    m_name->selectAll();
}

QWidget* CAddFoodDlg::createNameFields()
{
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);

    m_name = createEdit(QStringLiteral("nameEdit"), static_cast<int>(kMaxPersonalNameLength), box);
    m_unit = createEdit(QStringLiteral("unitEdit"), static_cast<int>(kMaxPersonalUnitLength), box);
    m_unit->setFixedWidth(m_unit->fontMetrics().averageCharWidth() * static_cast<int>(kMaxPersonalUnitLength) + 12);

    auto* nameLabel = new QLabel(ot::kNameLabel, box);
    nameLabel->setBuddy(m_name);
    auto* unitLabel = new QLabel(ot::kUnitLabel, box);
    unitLabel->setBuddy(m_unit);
    grid->addWidget(nameLabel, 0, 0);
    grid->addWidget(m_name, 0, 1, 1, 2);
    grid->addWidget(unitLabel, 1, 0);
    grid->addWidget(m_unit, 1, 1);
    grid->setColumnStretch(2, 1);
    return box;
}

QWidget* CAddFoodDlg::createValueFields()
{
    auto* box = new QGroupBox(this);
    auto* grid = new QGridLayout(box);
    grid->setVerticalSpacing(4);
    const int editWidth = fontMetrics().horizontalAdvance(QStringLiteral("0000.000")) + 12;
    for (int nutrient = 0; nutrient < kNutrientCount; ++nutrient) {
        const auto& caption = ot::kAddFoodValueCaptions[slotOf(nutrient)];
        const int row = nutrient % kValuesPerColumn;
        // Caption, edit, unit and a gap before the next column.
        const int column = (nutrient / kValuesPerColumn) * 4;

        QLineEdit* edit = createEdit(QStringLiteral("value%1").arg(nutrient), kMaxValueTextLength, box);
        edit->setAlignment(Qt::AlignRight);
        edit->setFixedWidth(editWidth);
        auto* label = new QLabel(caption.name, box);
        label->setBuddy(edit);
        grid->addWidget(label, row, column);
        grid->addWidget(edit, row, column + 1);
        grid->addWidget(new QLabel(caption.unit, box), row, column + 2);
        m_values[slotOf(nutrient)] = edit;
    }
    for (const int gap : {3, 7}) {
        grid->setColumnMinimumWidth(gap, 18);
    }
    grid->setRowStretch(kValuesPerColumn, 1);
    return box;
}

void CAddFoodDlg::showValues(const PersonalFoodValues& values)
{
    for (std::size_t i = 0; i < values.size(); ++i) {
        m_values[i]->setText(valueText(values[i]));
    }
}

std::optional<PersonalFoodValues> CAddFoodDlg::readFields()
{
    const std::string name = toStdString(m_name->text());
    const std::string unit = toStdString(m_unit->text());

    PersonalFoodValues values{};
    std::optional<int> firstUnreadable;
    for (int nutrient = 0; nutrient < kNutrientCount; ++nutrient) {
        const std::optional<float> value = readValue(m_values[slotOf(nutrient)]->text());
        if (!value && !firstUnreadable) {
            firstUnreadable = nutrient;
        }
        // A stand-in inside every range, so that the check below stops only at a real problem.
        values[slotOf(nutrient)] = value.value_or(kMinPersonalWeight);
    }

    // The fields are taken in the order they are read: name, unit, then the values by NutrientIndex.
    const std::optional<PersonalFoodProblem> problem = validatePersonalFood(name, unit, values);
    if (problem && problem->field == PersonalFoodField::kName) {
        rejectField(m_name, ot::kNameField, QString(ot::kEnterNoMoreThan).arg(kMaxPersonalNameLength));
        return std::nullopt;
    }
    if (problem && problem->field == PersonalFoodField::kUnit) {
        rejectField(m_unit, ot::kUnitField, QString(ot::kEnterNoMoreThan).arg(kMaxPersonalUnitLength));
        return std::nullopt;
    }
    if (firstUnreadable && (!problem || *firstUnreadable < problem->nutrient)) {
        const int nutrient = *firstUnreadable;
        rejectField(m_values[slotOf(nutrient)], ot::kAddFoodValueCaptions[slotOf(nutrient)].name, ot::kEnterNumber);
        return std::nullopt;
    }
    if (problem) {
        const int nutrient = problem->nutrient;
        rejectField(m_values[slotOf(nutrient)], ot::kAddFoodValueCaptions[slotOf(nutrient)].name,
                    valueRangeMessage(nutrient));
        return std::nullopt;
    }
    return values;
}

void CAddFoodDlg::rejectField(QLineEdit* edit, const QString& field, const QString& message)
{
    Prompts::warning(this, texts::kProgramTitle, QString(ot::kAddFoodFieldMessage).arg(field, message));
    edit->setFocus(Qt::OtherFocusReason);
    edit->selectAll();
}

void CAddFoodDlg::reportNotAdded(PersonalFoodStatus status)
{
    Prompts::warning(this, texts::kProgramTitle, foodNotAddedMessage(m_foods, status));
}

void CAddFoodDlg::addFood()
{
    const std::optional<PersonalFoodValues> values = readFields();
    if (!values) {
        return;
    }
    const PersonalFoodAppendResult added =
        m_foods.append(toStdString(m_name->text()), toStdString(m_unit->text()), *values);
    if (added.status != PersonalFoodStatus::kOk) {
        reportNotAdded(added.status);
        return;
    }

    ++m_addedCount;
    m_name->setText(QString(ot::kAddedFoods).arg(m_addedCount) +
                    (m_addedCount == 1 ? ot::kAddedOneEntry : ot::kAddedEntries));
    showValues(*values);
    // Ready for the next variant's name.
    m_name->setFocus(Qt::OtherFocusReason);
    m_name->selectAll();
    emit foodAdded(added.id);
}

} // namespace mw::gui
