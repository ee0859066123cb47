#include "personal_food_form.h"

#include "dialog_texts.h"
#include "format/personal_food_validation.h"
#include "model/catalogue.h"
#include "model/number_text.h"
#include "option_dialog_texts.h"
#include "prompts.h"
#include "qt_bridge.h"

#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
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

QString fileOf(const PersonalFoodDatabase& foods)
{
    return QDir::toNativeSeparators(fromPath(foods.filePath()));
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
    return QString(ot::kFoodNotAdded).arg(fileOf(foods), statusText(status));
}

QString foodNotChangedMessage(const PersonalFoodDatabase& foods, PersonalFoodStatus status)
{
    QString cause;
    switch (status) {
    case PersonalFoodStatus::kNoSuchFood:
        cause = ot::kNotChangedNoSuchFood;
        break;
    case PersonalFoodStatus::kUnreadable:
        cause = ot::kNotChangedUnreadable;
        break;
    case PersonalFoodStatus::kFileChanged:
        cause = ot::kNotChangedFileChanged;
        break;
    default:
        cause = statusText(status);
        break;
    }
    return QString(ot::kFoodNotChanged).arg(fileOf(foods), cause);
}

QString personalFoodWrittenMessage(const PersonalFoodDatabase& foods, FoodId id)
{
    const std::string* line = foods.exists(id) ? &foods.record(id - kFirstPersonalFoodId)->text : nullptr;
    return QString(ot::kWrittenAsPersonalFood).arg(line != nullptr ? toQString(*line) : QString()).arg(id);
}

PersonalFoodForm::PersonalFoodForm(bool withPyramidGroup, QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(createNameFields(withPyramidGroup));
    layout->addSpacing(6);
    layout->addWidget(createValueFields());
}

QWidget* PersonalFoodForm::createNameFields(bool withPyramidGroup)
{
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);

    m_name = createEdit(QStringLiteral("nameEdit"), static_cast<int>(kMaxPersonalNameLength), box);
    m_unit = createEdit(QStringLiteral("unitEdit"), static_cast<int>(kMaxPersonalUnitLength), box);
    m_unit->setFixedWidth(m_unit->fontMetrics().averageCharWidth() * static_cast<int>(kMaxPersonalUnitLength) + 12);

    const auto addRow = [grid, box](int row, const QString& caption, QWidget* field, int span) {
        auto* label = new QLabel(caption, box);
        label->setBuddy(field);
        grid->addWidget(label, row, 0);
        grid->addWidget(field, row, 1, 1, span);
    };
    addRow(0, ot::kNameLabel, m_name, 2);
    addRow(1, ot::kUnitLabel, m_unit, 1);
    if (withPyramidGroup) {
        m_pyramidGroup = new QComboBox(box);
        m_pyramidGroup->setObjectName(QStringLiteral("pyramidGroupBox"));
        m_pyramidGroup->addItem(ot::kNoPyramidGroup);
        for (int slot = 0; slot < kPyramidGroupCount; ++slot) {
            m_pyramidGroup->addItem(toQString(pyramidGroupTitle(slot)).trimmed(), slot);
        }
        addRow(2, ot::kPyramidGroupLabel, m_pyramidGroup, 1);
    }
    grid->setColumnStretch(2, 1);
    return box;
}

QWidget* PersonalFoodForm::createValueFields()
{
    auto* box = new QGroupBox(this);
    auto* grid = new QGridLayout(box);
    grid->setVerticalSpacing(4);
    // A value of six significant digits ("1234.57"); the three columns fit a magnified screen.
    const int editWidth = fontMetrics().horizontalAdvance(QStringLiteral("0000.00")) + 12;
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
        grid->setColumnMinimumWidth(gap, 12);
    }
    grid->setRowStretch(kValuesPerColumn, 1);
    return box;
}

void PersonalFoodForm::showFields(const PersonalFoodFields& fields)
{
    m_name->setText(toQString(fields.name));
    m_unit->setText(toQString(fields.unit));
    if (m_pyramidGroup != nullptr) {
        m_pyramidGroup->setCurrentIndex(fields.pyramidSlot ? *fields.pyramidSlot + 1 : 0);
    }
    showValues(fields.values);
}

void PersonalFoodForm::showValues(const PersonalFoodValues& values)
{
    for (std::size_t i = 0; i < values.size(); ++i) {
        m_values[i]->setText(valueText(values[i]));
    }
}

std::optional<PersonalFoodFields> PersonalFoodForm::readFields()
{
    PersonalFoodFields fields;
    fields.name = toStdString(m_name->text());
    fields.unit = toStdString(m_unit->text());
    if (m_pyramidGroup != nullptr && m_pyramidGroup->currentData().isValid()) {
        fields.pyramidSlot = m_pyramidGroup->currentData().toInt();
    }

    std::optional<int> firstUnreadable;
    for (int nutrient = 0; nutrient < kNutrientCount; ++nutrient) {
        const std::optional<float> value = readValue(m_values[slotOf(nutrient)]->text());
        if (!value && !firstUnreadable) {
            firstUnreadable = nutrient;
        }
        // A stand-in inside every range, so that the check below stops only at a real problem.
        fields.values[slotOf(nutrient)] = value.value_or(kMinPersonalWeight);
    }

    // The fields are taken in the order they are read: name, unit, then the values by NutrientIndex.
    const std::optional<PersonalFoodProblem> problem = validatePersonalFood(fields.name, fields.unit, fields.values);
    if (problem && problem->field == PersonalFoodField::kName) {
        rejectField(m_name, ot::kNameField, QString(ot::kEnterNoMoreThan).arg(kMaxPersonalNameLength));
        return std::nullopt;
    }
    if (m_name->text().trimmed().isEmpty()) {
        rejectField(m_name, ot::kNameField, ot::kEnterName);
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
    return fields;
}

void PersonalFoodForm::rejectField(QLineEdit* edit, const QString& field, const QString& message)
{
    Prompts::warning(window(), texts::kProgramTitle, QString(ot::kAddFoodFieldMessage).arg(field, message));
    edit->setFocus(Qt::OtherFocusReason);
    edit->selectAll();
}

} // namespace mw::gui
