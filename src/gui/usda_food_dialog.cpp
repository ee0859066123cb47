#include "usda_food_dialog.h"

#include "dialog_texts.h"
#include "option_dialog_texts.h"
#include "personal_food_form.h"
#include "prompts.h"
#include "qt_bridge.h"
#include "usda_food_texts.h"

#include "format/nutrient_value_text.h"
#include "query/usda_search.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace mw::gui {
namespace {

namespace ut = usda_texts;
namespace ot = option_texts;

// A list of thousands of names helps nobody; the user narrows the search instead.
constexpr std::size_t kMaxListed = 500;
// The 27 values in two groups of caption, value and unit, so that the dialog fits a small screen.
constexpr int kPreviewRows = 14;
constexpr int kPreviewGroups = 2;
// Caption, value, unit and a gap before the next group.
constexpr int kPreviewGroupColumns = 4;
constexpr int kPreviewGap = 14;
// The result list shows this many characters of a name without scrolling; it widens with the dialog.
constexpr int kResultListCharacters = 24;
constexpr int kHundredGramsMeasure = -1;

std::size_t slotOf(int nutrient)
{
    return static_cast<std::size_t>(nutrient);
}

// What the personal food's line will hold, so the preview never promises more than is stored.
QString previewText(float value)
{
    return toQString(userfoodValueText(value));
}

QLabel* namedLabel(const QString& objectName, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(objectName);
    return label;
}

} // namespace

CUsdaFoodDlg::CUsdaFoodDlg(PersonalFoodDatabase& foods, QWidget* parent) : QDialog(parent), m_foods(foods)
{
    setObjectName(QStringLiteral("usdaFoodDialog"));
    setWindowTitle(ut::kTitle);

    auto* add = new QPushButton(ut::kAddButton, this);
    add->setObjectName(QStringLiteral("addButton"));
    add->setDefault(true);
    connect(add, &QPushButton::clicked, this, &CUsdaFoodDlg::addFood);
    m_addButton = add;
    auto* close = new QPushButton(ut::kCloseButton, this);
    close->setObjectName(QStringLiteral("closeButton"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    m_added = namedLabel(QStringLiteral("addedLabel"), this);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_added, 1);
    buttons->addWidget(add);
    buttons->addWidget(close);

    auto* right = new QVBoxLayout;
    right->addWidget(createPortionFields());
    right->addWidget(createPreview(), 1);

    auto* columns = new QHBoxLayout;
    columns->addWidget(createSearchFields(), 1);
    columns->addLayout(right);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);

    search();
    m_search->setFocus(Qt::OtherFocusReason);
}

QWidget* CUsdaFoodDlg::createSearchFields()
{
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);

    m_search = new QLineEdit(box);
    m_search->setObjectName(QStringLiteral("searchEdit"));
    m_search->setPlaceholderText(ut::kSearchPlaceholder);
    m_search->setClearButtonEnabled(true);
    connect(m_search, &QLineEdit::textChanged, this, &CUsdaFoodDlg::search);

    m_group = new QComboBox(box);
    m_group->setObjectName(QStringLiteral("groupCombo"));
    // Long group names show whole in the drop-down list; the box itself keeps to the list's width.
    m_group->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_group->setMinimumContentsLength(kResultListCharacters / 2);
    m_group->addItem(ut::kAllGroups, kAllUsdaGroups);
    for (const UsdaGroup& group : usdaGroups()) {
        m_group->addItem(QStringLiteral("%1 %2").arg(group.code, 2, 10, QLatin1Char('0')).arg(toQString(group.name)),
                         group.code);
    }
    m_group->addItem(ut::kOtherGroups, kOtherUsdaGroups);
    connect(m_group, &QComboBox::currentIndexChanged, this, &CUsdaFoodDlg::search);

    m_results = new QListWidget(box);
    m_results->setObjectName(QStringLiteral("resultList"));
    m_results->setMinimumWidth(fontMetrics().averageCharWidth() * kResultListCharacters);
    connect(m_results, &QListWidget::currentRowChanged, this, &CUsdaFoodDlg::chooseFood);
    m_found = namedLabel(QStringLiteral("foundLabel"), box);

    auto* searchLabel = new QLabel(ut::kSearchLabel, box);
    searchLabel->setBuddy(m_search);
    auto* groupLabel = new QLabel(ut::kGroupLabel, box);
    groupLabel->setBuddy(m_group);
    grid->addWidget(searchLabel, 0, 0);
    grid->addWidget(m_search, 0, 1);
    grid->addWidget(groupLabel, 1, 0);
    grid->addWidget(m_group, 1, 1);
    grid->addWidget(m_results, 2, 0, 1, 2);
    grid->addWidget(m_found, 3, 0, 1, 2);
    grid->setRowStretch(2, 1);
    return box;
}

QWidget* CUsdaFoodDlg::createPortionFields()
{
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);

    m_measure = new QComboBox(box);
    m_measure->setObjectName(QStringLiteral("measureCombo"));
    m_measure->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    // Long measures show whole in the drop-down list.
    m_measure->setMinimumContentsLength(kResultListCharacters * 2 / 3);
    connect(m_measure, &QComboBox::currentIndexChanged, this, &CUsdaFoodDlg::updatePortion);
    m_amount = new QDoubleSpinBox(box);
    m_amount->setObjectName(QStringLiteral("amountSpin"));
    m_amount->setRange(0.01, 999.0);
    m_amount->setDecimals(2);
    m_amount->setValue(1.0);
    connect(m_amount, &QDoubleSpinBox::valueChanged, this, &CUsdaFoodDlg::updatePortion);
    m_name = new QLineEdit(box);
    m_name->setObjectName(QStringLiteral("nameEdit"));
    m_name->setMaxLength(static_cast<int>(kMaxPersonalNameLength));
    m_portion = new QLineEdit(box);
    m_portion->setObjectName(QStringLiteral("portionEdit"));
    m_portion->setMaxLength(static_cast<int>(kMaxPersonalUnitLength));

    const std::pair<UiText, QWidget*> rows[] = {{ut::kMeasureLabel, m_measure},
                                                {ut::kAmountLabel, m_amount},
                                                {ut::kNameLabel, m_name},
                                                {ut::kPortionLabel, m_portion}};
    int row = 0;
    for (const auto& [caption, field] : rows) {
        auto* label = new QLabel(caption, box);
        label->setBuddy(field);
        grid->addWidget(label, row, 0);
        grid->addWidget(field, row++, 1);
    }
    return box;
}

QWidget* CUsdaFoodDlg::createPreview()
{
    auto* box = new QGroupBox(ut::kPreviewTitle, this);
    auto* grid = new QGridLayout(box);
    grid->setVerticalSpacing(2);
    for (int nutrient = kCalories; nutrient < kNutrientCount; ++nutrient) {
        const auto& caption = ot::kAddFoodValueCaptions[slotOf(nutrient)];
        const int row = (nutrient - 1) % kPreviewRows;
        const int column = ((nutrient - 1) / kPreviewRows) * kPreviewGroupColumns;
        QLabel* value = namedLabel(QStringLiteral("preview%1").arg(nutrient), box);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setMinimumWidth(fontMetrics().horizontalAdvance(QCoreApplication::translate("Mealwright", "no data")) +
                               4);
        grid->addWidget(new QLabel(caption.name, box), row, column);
        grid->addWidget(value, row, column + 1);
        grid->addWidget(new QLabel(caption.unit, box), row, column + 2);
        m_preview[slotOf(nutrient)] = value;
    }
    for (int group = 1; group < kPreviewGroups; ++group) {
        grid->setColumnMinimumWidth(group * kPreviewGroupColumns - 1, kPreviewGap);
    }
    m_missing = namedLabel(QStringLiteral("missingLabel"), box);
    m_missing->setWordWrap(true);
    grid->addWidget(m_missing, kPreviewRows, 0, 1, kPreviewGroups * kPreviewGroupColumns - 1);
    grid->setRowStretch(kPreviewRows + 1, 1);
    return box;
}

void CUsdaFoodDlg::search()
{
    const std::vector<std::size_t> found =
        UsdaFoodSearch::instance().search(toStdString(m_search->text().simplified()), m_group->currentData().toInt());
    m_results->clear();
    const std::size_t listed = std::min(found.size(), kMaxListed);
    for (std::size_t i = 0; i < listed; ++i) {
        auto* item = new QListWidgetItem(toQString(usdaFood(found[i]).name), m_results);
        item->setData(Qt::UserRole, static_cast<qulonglong>(found[i]));
        item->setToolTip(item->text());
    }
    m_found->setText(found.size() > listed ? QString(ut::kFoundFirst).arg(listed).arg(found.size())
                                           : QString(ut::kFoundCount).arg(found.size()));
    if (listed != 0) {
        m_results->setCurrentRow(0);
    }
    chooseFood();
}

void CUsdaFoodDlg::chooseFood()
{
    const QListWidgetItem* item = m_results->currentItem();
    const std::optional<std::size_t> food =
        item != nullptr ? std::optional(static_cast<std::size_t>(item->data(Qt::UserRole).toULongLong()))
                        : std::nullopt;
    if (food == m_food) {
        return;
    }
    m_food = food;
    const QSignalBlocker blocker(m_measure);
    m_measure->clear();
    if (m_food) {
        for (const UsdaMeasureRow& measure : usdaMeasures(*m_food)) {
            m_measure->addItem(toQString(usdaMeasureLabel(measure)), m_measure->count());
        }
        m_measure->addItem(ut::kHundredGrams, kHundredGramsMeasure);
        m_name->setText(toQString(shortenAtBoundary(usdaFood(*m_food).name, kMaxPersonalNameLength)));
    } else {
        m_name->clear();
    }
    updatePortion();
}

std::optional<UsdaPersonalFood> CUsdaFoodDlg::currentFood() const
{
    if (!m_food) {
        return std::nullopt;
    }
    const double count = m_amount->value();
    const int measure = m_measure->currentData().toInt();
    double grams = 100.0 * count;
    std::string portion = gramsPortionText(grams);
    if (measure != kHundredGramsMeasure) {
        const UsdaMeasureRow row = usdaMeasures(*m_food).at(static_cast<std::size_t>(measure));
        grams = row.grams / 1000.0 * count;
        portion = usdaPortionText(row, count, kMaxPersonalUnitLength);
    }
    return makeUsdaPersonalFood(*m_food, grams, portion);
}

void CUsdaFoodDlg::updatePortion()
{
    const std::optional<UsdaPersonalFood> food = currentFood();
    m_portion->setText(food ? toQString(food->portionText) : QString());
    QStringList missing;
    for (int nutrient = kCalories; nutrient < kNutrientCount; ++nutrient) {
        const auto slot = slotOf(nutrient);
        const bool unknown = !food || food->portion.missing[slot];
        m_preview[slot]->setText(!food     ? QString()
                                 : unknown ? QString(ut::kNoData)
                                           : previewText(food->portion.values[slot]));
        m_preview[slot]->setEnabled(!unknown);
        if (food && unknown) {
            missing.append(ot::kAddFoodValueCaptions[slot].name);
        }
    }
    m_missing->setText(!food               ? QString(ut::kNoFoodChosen)
                       : missing.isEmpty() ? QString(ut::kNothingMissing)
                                           : QString(ut::kMissingLine).arg(missing.join(QStringLiteral(", "))));
    m_addButton->setEnabled(food.has_value());
}

void CUsdaFoodDlg::addFood()
{
    std::optional<UsdaPersonalFood> food = currentFood();
    if (!food) {
        return;
    }
    food->name = toStdString(m_name->text());
    food->portionText = toStdString(m_portion->text());
    if (const std::optional<PersonalFoodProblem> problem = usdaPersonalFoodProblem(*food)) {
        QString message;
        QLineEdit* field = m_name;
        if (problem->field == PersonalFoodField::kValue) {
            const auto& caption = ot::kAddFoodValueCaptions[slotOf(problem->nutrient)];
            message =
                QString(ut::kValueTooLarge)
                    .arg(caption.name,
                         QString::number(static_cast<double>(food->portion.values[slotOf(problem->nutrient)]), 'f', 0),
                         caption.unit, QString::number(static_cast<double>(kMaxPersonalValue)));
        } else {
            const bool name = problem->field == PersonalFoodField::kName;
            field = name ? m_name : m_portion;
            message =
                QString(ot::kAddFoodFieldMessage)
                    .arg(name ? ot::kNameField : ot::kUnitField,
                         QString(ot::kEnterNoMoreThan).arg(name ? kMaxPersonalNameLength : kMaxPersonalUnitLength));
        }
        Prompts::warning(this, texts::kProgramTitle, message);
        field->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (const std::optional<std::size_t> same = findSamePersonalValues(m_foods, food->portion.values)) {
        const QString existing = toQString(m_foods.record(*same)->text);
        if (Prompts::question(this, texts::kProgramTitle, QString(ut::kAddAgain).arg(existing),
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes) {
            return;
        }
    }
    const PersonalFoodAppendResult added = m_foods.append(food->name, food->portionText, food->portion.values);
    if (added.status != PersonalFoodStatus::kOk) {
        Prompts::warning(this, texts::kProgramTitle, foodNotAddedMessage(m_foods, added.status));
        return;
    }
    m_added->setText(personalFoodWrittenMessage(m_foods, added.id));
    emit foodAdded(added.id);
}

} // namespace mw::gui
