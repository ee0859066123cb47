#include "intake_preference_dialog.h"

#include "dialog_texts.h"
#include "model/string_table.h"
#include "prompts.h"
#include "qt_bridge.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cstddef>

namespace mw::gui {
namespace {

// Calories .. riboflavin on the left, niacin .. alcohol on the right.
constexpr int kLastLeftColumnNutrient = kRiboflavin;

std::size_t slotOf(int nutrient)
{
    return static_cast<std::size_t>(nutrient);
}

QLineEdit* createNumberEdit(const QString& objectName, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(objectName);
    edit->setAlignment(Qt::AlignRight);
    // Room for the four digits a value can have, so that both columns fit a magnified screen.
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 10);
    return edit;
}

QString validationMessage(PreferenceTextError error)
{
    if (error == PreferenceTextError::kOutOfRange) {
        return QString(texts::kEnterIntegerBetween).arg(kMinPreferenceValue).arg(kMaxPreferenceValue);
    }
    return texts::kEnterInteger;
}

QString fieldName(PreferenceField field)
{
    return toQString(LoadString(kNutrientLongNameBase + field.nutrient));
}

} // namespace

CIntakePreferenceDlg::CIntakePreferenceDlg(Settings& settings, const RequirementVector& requirements,
                                           IntakePreferences& analysis, QWidget* parent)
    : QDialog(parent), m_settings(settings), m_requirements(requirements), m_analysis(analysis)
{
    setObjectName(QStringLiteral("intakePreferenceDialog"));
    setWindowTitle(texts::kIntakePreferenceTitle);

    auto* columns = new QHBoxLayout;
    columns->addWidget(createColumn(kFirstPreferenceNutrient, kLastLeftColumnNutrient));
    columns->addSpacing(12);
    columns->addWidget(createColumn(kLastLeftColumnNutrient + 1, kLastPreferenceNutrient), 0, Qt::AlignTop);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttonBox"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    QPushButton* all = buttons->addButton(texts::kAllFromRequirements, QDialogButtonBox::ResetRole);
    all->setObjectName(QStringLiteral("allFromRequirementsButton"));
    all->setToolTip(texts::kAllFromRequirementsTip);
    all->setAutoDefault(false);
    connect(all, &QPushButton::clicked, this, &CIntakePreferenceDlg::useAllRda);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addSpacing(6);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    const PreferenceTable opening = preferenceDialogTable(settings, m_requirements);
    for (int k = kFirstPreferenceNutrient; k <= kLastPreferenceNutrient; ++k) {
        showRange(k, opening[slotOf(k)]);
    }
}

QWidget* CIntakePreferenceDlg::createColumn(int firstNutrient, int lastNutrient)
{
    auto* column = new QWidget(this);
    auto* grid = new QGridLayout(column);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(4);
    grid->addWidget(new QLabel(QString(texts::kPreferredIntakeOf).trimmed(), column), 0, 0, 1, 6);
    for (int k = firstNutrient; k <= lastNutrient; ++k) {
        addRow(grid, k - firstNutrient + 1, k);
    }
    grid->setColumnMinimumWidth(4, fontMetrics().horizontalAdvance(QStringLiteral("mcg ")));
    return column;
}

void CIntakePreferenceDlg::addRow(QGridLayout* grid, int row, int nutrient)
{
    QWidget* parent = grid->parentWidget();
    const std::size_t slot = slotOf(nutrient);

    m_from[slot] = createNumberEdit(QStringLiteral("from%1").arg(nutrient), parent);
    m_to[slot] = createNumberEdit(QStringLiteral("to%1").arg(nutrient), parent);
    auto* rda = new QPushButton(texts::kRdaButton, parent);
    rda->setObjectName(QStringLiteral("rda%1").arg(nutrient));
    rda->setToolTip(texts::kRdaTooltip);
    rda->setAutoDefault(false);
    rda->setFixedWidth(rda->fontMetrics().horizontalAdvance(rda->text()) + 24);
    connect(rda, &QPushButton::clicked, this, [this, nutrient] { useRda(nutrient); });

    auto* label = new QLabel(texts::kPreferenceRowLabels[slot], parent);
    label->setBuddy(m_from[slot]);
    grid->addWidget(label, row, 0);
    grid->addWidget(m_from[slot], row, 1);
    grid->addWidget(new QLabel(texts::kToWord, parent), row, 2, Qt::AlignHCenter);
    grid->addWidget(m_to[slot], row, 3);
    grid->addWidget(new QLabel(toQString(LoadString(kNutrientReportUnitBase + nutrient)), parent), row, 4);
    grid->addWidget(rda, row, 5);
}

QLineEdit* CIntakePreferenceDlg::fieldEdit(PreferenceField field) const
{
    const std::size_t slot = slotOf(field.nutrient);
    return field.bound == PreferenceBound::kFrom ? m_from.at(slot) : m_to.at(slot);
}

void CIntakePreferenceDlg::showRange(int nutrient, PreferenceRange range)
{
    m_from[slotOf(nutrient)]->setText(QString::number(range.from));
    m_to[slotOf(nutrient)]->setText(QString::number(range.to));
}

void CIntakePreferenceDlg::useRda(int nutrient)
{
    showRange(nutrient, defaultPreference(m_requirements, nutrient));
}

void CIntakePreferenceDlg::useAllRda()
{
    for (int k = kFirstPreferenceNutrient; k <= kLastPreferenceNutrient; ++k) {
        useRda(k);
    }
}

PreferenceTexts CIntakePreferenceDlg::fieldTexts() const
{
    PreferenceTexts fields;
    for (int k = kFirstPreferenceNutrient; k <= kLastPreferenceNutrient; ++k) {
        fields.from[slotOf(k)] = toStdString(m_from[slotOf(k)]->text());
        fields.to[slotOf(k)] = toStdString(m_to[slotOf(k)]->text());
    }
    return fields;
}

void CIntakePreferenceDlg::rejectField(const PreferenceFieldError& error)
{
    const QString field = error.field.bound == PreferenceBound::kFrom ? texts::kFromField : texts::kToField;
    Prompts::warning(this, texts::kProgramTitle,
                     QString(texts::kFieldMessage).arg(fieldName(error.field), field, validationMessage(error.error)));
    QLineEdit* edit = fieldEdit(error.field);
    edit->setFocus(Qt::OtherFocusReason);
    edit->selectAll();
}

void CIntakePreferenceDlg::takeUnsavedTable(const PreferenceTexts& fields)
{
    // The fields were read once already, so this cannot fail.
    PreferenceTextsResult read = readPreferenceTexts(fields);
    normalizePreferences(read.table);
    m_table = read.table;
    m_analysis.assign(m_table);
}

void CIntakePreferenceDlg::accept()
{
    const PreferenceTexts fields = fieldTexts();
    const PreferenceApplyResult result = applyPreferenceTexts(m_settings, fields, m_analysis);
    if (result.fieldError) {
        rejectField(*result.fieldError);
        return;
    }
    m_storeError = result.storeError;
    if (!m_storeError) {
        m_table = result.stored;
    } else if (m_acceptUnsaved) {
        takeUnsavedTable(fields);
    } else {
        settingsStoredOrWarned(this, m_storeError);
        return;
    }
    QDialog::accept();
}

bool offerPreferencesFromRequirements(Settings& settings, const RequirementVector& requirements, QWidget* parent)
{
    if (!loadStoredIntakePreferences(settings) ||
        Prompts::question(parent, texts::kProgramTitle, texts::kSetRangesFromRequirements,
                          QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) != QMessageBox::Yes) {
        return false;
    }
    IntakePreferences taken;
    const PreferenceApplyResult result =
        applyPreferenceTexts(settings, preferenceTexts(defaultPreferences(requirements)), taken);
    return settingsStoredOrWarned(parent, result.storeError);
}

} // namespace mw::gui
