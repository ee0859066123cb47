#include "caloric_need_dialog.h"

#include "dialog_texts.h"
#include "format/nutrient_value_text.h"
#include "model/string_table.h"
#include "prompts.h"
#include "qt_bridge.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include <cstddef>
#include <utility>

namespace mw::gui {
namespace {

// The first group shows Calories .. Total Fat; the second the rest up to Potassium, then Alcohol and Energy.
constexpr int kLastMainIntakeNutrient = kTotalFat;
constexpr int kLastRequirementShown = kPotassium;
constexpr int kOtherIntakeRows = 12;

QSpinBox* createSpinBox(const QString& objectName, IntRange range, QWidget* parent)
{
    auto* spinBox = new QSpinBox(parent);
    spinBox->setObjectName(objectName);
    spinBox->setRange(range.min, range.max);
    spinBox->setAlignment(Qt::AlignRight);
    // Only a finished number counts: "25" typed into the age must not pass through age 2 on the way.
    spinBox->setKeyboardTracking(false);
    spinBox->setMinimumWidth(spinBox->fontMetrics().horizontalAdvance(QStringLiteral("0000")) * 2);
    return spinBox;
}

QLabel* createValueLabel(const QString& objectName, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("000000")));
    return label;
}

void setRange(QSpinBox* spinBox, IntRange range, int value)
{
    const QSignalBlocker blocker(spinBox);
    spinBox->setRange(range.min, range.max);
    spinBox->setValue(value);
}

// Walks a value one click at a time until it reaches the target or stops moving at the end of its range.
template <typename Value, typename Step>
void stepTowards(int target, Value value, Step step)
{
    const int delta = target > value() ? 1 : -1;
    while (value() != target) {
        const int before = value();
        step(delta);
        if (value() == before) {
            return;
        }
    }
}

} // namespace

CCaloricNeedDlg::CCaloricNeedDlg(Settings& settings, QWidget* parent)
    : QDialog(parent), m_settings(settings), m_form(CaloricNeedForm::fromSettings(settings))
{
    setObjectName(QStringLiteral("caloricNeedDialog"));
    setWindowTitle(texts::kCaloricNeedTitle);

    auto* top = new QHBoxLayout;
    top->addWidget(createInputs(), 1);
    top->addSpacing(12);
    top->addWidget(createMainIntake(), 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttonBox"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(createOtherIntake());
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    showForm();
}

QWidget* CCaloricNeedDlg::createInputs()
{
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);

    m_age = createSpinBox(QStringLiteral("ageSpinBox"), CaloricNeedForm::ageRange(), box);
    m_idealWeight = createSpinBox(QStringLiteral("idealWeightSpinBox"), m_form.idealWeightRange(), box);
    m_activity = createSpinBox(QStringLiteral("activitySpinBox"), m_form.activityRange(), box);
    m_kilograms = createValueLabel(QStringLiteral("kilogramsLabel"), box);
    m_kilograms->setMinimumWidth(m_kilograms->fontMetrics().horizontalAdvance(QStringLiteral("0000")));

    auto* ageLabel = new QLabel(texts::kAgeLabel, box);
    ageLabel->setBuddy(m_age);
    auto* weightLabel = new QLabel(texts::kIdealWeightLabel, box);
    weightLabel->setBuddy(m_idealWeight);
    auto* activityLabel = new QLabel(texts::kActivityLabel, box);
    activityLabel->setBuddy(m_activity);

    grid->addWidget(ageLabel, 0, 0);
    grid->addWidget(m_age, 0, 1);
    grid->addWidget(weightLabel, 1, 0);
    grid->addWidget(m_idealWeight, 1, 1);
    grid->addWidget(new QLabel(texts::kPoundsUnit, box), 1, 2);
    grid->addWidget(m_kilograms, 1, 3);
    grid->addWidget(new QLabel(texts::kKilogramsUnit, box), 1, 4);
    grid->addWidget(activityLabel, 2, 0);
    grid->addWidget(m_activity, 2, 1);
    grid->addWidget(new QLabel(texts::kActivityCaption, box), 3, 0, 1, 5);

    m_category = new QComboBox(box);
    m_category->setObjectName(QStringLiteral("categoryComboBox"));
    for (const UiText name : texts::kSexCategoryNames) {
        m_category->addItem(name);
    }
    grid->addWidget(m_category, 4, 0, 1, 5);
    grid->setColumnStretch(5, 1);
    grid->setRowStretch(5, 1);

    connect(m_age, &QSpinBox::valueChanged, this, &CCaloricNeedDlg::stepAgeTo);
    connect(m_idealWeight, &QSpinBox::valueChanged, this, &CCaloricNeedDlg::stepIdealWeightTo);
    connect(m_activity, &QSpinBox::valueChanged, this, &CCaloricNeedDlg::stepActivityTo);
    connect(m_category, &QComboBox::currentIndexChanged, this, &CCaloricNeedDlg::selectCategory);
    return box;
}

void CCaloricNeedDlg::addRequirementRow(QGridLayout* grid, int row, int column, int nutrient)
{
    QWidget* parent = grid->parentWidget();
    auto* value = createValueLabel(QStringLiteral("requirementValue%1").arg(nutrient), parent);
    grid->addWidget(new QLabel(texts::kRequirementCaptions[static_cast<std::size_t>(nutrient)], parent), row, column);
    grid->addWidget(value, row, column + 1);
    grid->addWidget(new QLabel(toQString(LoadString(kNutrientPanelUnitBase + nutrient)), parent), row, column + 2);
    m_requirementValues[static_cast<std::size_t>(nutrient)] = value;
}

QWidget* CCaloricNeedDlg::createMainIntake()
{
    auto* group = new QGroupBox(texts::kRecommendedIntakeTitle, this);
    auto* grid = new QGridLayout(group);
    for (int nutrient = kCalories; nutrient <= kLastMainIntakeNutrient; ++nutrient) {
        addRequirementRow(grid, nutrient - kCalories, 0, nutrient);
    }
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(kLastMainIntakeNutrient - kCalories + 1, 1);
    return group;
}

QWidget* CCaloricNeedDlg::createOtherIntake()
{
    auto* group = new QGroupBox(texts::kRecommendedIntakeTitle, this);
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(6);
    // Two columns of caption, value and unit, filled top to bottom, with a gap between them: narrow enough for a
    // magnified small screen.
    int slot = 0;
    const auto cell = [grid](int index) {
        const int column = (index / kOtherIntakeRows) * 4;
        if (column > 0) {
            grid->setColumnMinimumWidth(column - 1, 18);
        }
        return std::pair{index % kOtherIntakeRows, column};
    };
    for (int nutrient = kLastMainIntakeNutrient + 1; nutrient <= kLastRequirementShown; ++nutrient, ++slot) {
        const auto [row, column] = cell(slot);
        addRequirementRow(grid, row, column, nutrient);
    }

    const auto [alcoholRow, alcoholColumn] = cell(slot++);
    auto* alcohol = createValueLabel(QStringLiteral("alcoholValue"), group);
    alcohol->setText(texts::kAlcoholShown);
    grid->addWidget(new QLabel(texts::kAlcoholCaption, group), alcoholRow, alcoholColumn);
    grid->addWidget(alcohol, alcoholRow, alcoholColumn + 1);
    grid->addWidget(new QLabel(toQString(LoadString(kNutrientPanelUnitBase + kAlcohol)), group), alcoholRow,
                    alcoholColumn + 2);

    const auto [energyRow, energyColumn] = cell(slot++);
    m_energy = createValueLabel(QStringLiteral("energyValue"), group);
    grid->addWidget(new QLabel(texts::kEnergyCaption, group), energyRow, energyColumn);
    grid->addWidget(m_energy, energyRow, energyColumn + 1);
    grid->addWidget(new QLabel(texts::kKilojouleUnit, group), energyRow, energyColumn + 2);
    return group;
}

void CCaloricNeedDlg::stepAgeTo(int age)
{
    stepTowards(
        age, [this] { return m_form.age(); }, [this](int delta) { m_form.stepAge(delta); });
    showForm();
}

void CCaloricNeedDlg::stepIdealWeightTo(int pounds)
{
    stepTowards(
        pounds, [this] { return m_form.idealWeightPounds(); }, [this](int delta) { m_form.stepIdealWeight(delta); });
    showForm();
}

void CCaloricNeedDlg::stepActivityTo(int activity)
{
    stepTowards(
        activity, [this] { return m_form.activity(); }, [this](int delta) { m_form.stepActivity(delta); });
    showForm();
}

void CCaloricNeedDlg::selectCategory(int category)
{
    m_form.setSexCategory(category);
    showForm();
}

void CCaloricNeedDlg::showForm()
{
    setRange(m_age, CaloricNeedForm::ageRange(), m_form.age());
    setRange(m_idealWeight, m_form.idealWeightRange(), m_form.idealWeightPounds());
    setRange(m_activity, m_form.activityRange(), m_form.activity());
    m_kilograms->setText(QString::number(m_form.idealWeightKilograms()));
    {
        const QSignalBlocker blocker(m_category);
        m_category->setCurrentIndex(m_form.sexCategory());
    }
    m_category->setEnabled(m_form.categoryEnabled());

    const RequirementVector requirements = m_form.requirements();
    for (int nutrient = kCalories; nutrient <= kLastRequirementShown; ++nutrient) {
        const auto slot = static_cast<std::size_t>(nutrient);
        m_requirementValues[slot]->setText(toQString(FormatNutrientValue(requirements[slot], 0, 0)));
    }
    m_energy->setText(QString::number(m_form.energyKilojoules()));
}

void CCaloricNeedDlg::accept()
{
    // A number still being typed counts as entered, as it would on leaving the field.
    for (QSpinBox* spinBox : {m_age, m_idealWeight, m_activity}) {
        spinBox->interpretText();
    }
    m_storeError = m_form.store(m_settings);
    if (!m_acceptUnsaved && !settingsStoredOrWarned(this, m_storeError)) {
        return;
    }
    QDialog::accept();
}

} // namespace mw::gui
