#include "healthy_weight_dialog.h"

#include "dialog_texts.h"
#include "prompts.h"
#include "qt_bridge.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <cstddef>
#include <string_view>

namespace mw::gui {
namespace {

QLabel* createValueLabel(const QString& objectName, const QString& widest, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(widest));
    return label;
}

QToolButton* createArrow(const QString& objectName, Qt::ArrowType arrow, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(objectName);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    return button;
}

QRadioButton* createRadio(const QString& objectName, std::string_view text, QWidget* parent)
{
    auto* radio = new QRadioButton(toQString(text), parent);
    radio->setObjectName(objectName);
    return radio;
}

// The two choices of one row, exclusive among themselves only.
void addChoiceRow(QGridLayout* grid, int row, std::string_view label, QRadioButton* first, QRadioButton* second)
{
    auto* group = new QButtonGroup(grid->parentWidget());
    group->addButton(first);
    group->addButton(second);
    grid->addWidget(new QLabel(toQString(label), grid->parentWidget()), row, 0);
    grid->addWidget(first, row, 1);
    grid->addWidget(second, row, 2);
}

} // namespace

CHealthyWeightDlg::CHealthyWeightDlg(Settings& settings, QWidget* parent)
    : QDialog(parent), m_settings(settings), m_form(HealthyWeightForm::fromSettings(settings))
{
    setObjectName(QStringLiteral("healthyWeightDialog"));
    setWindowTitle(toQString(kHealthyWeightTitle));

    auto* ok = new QPushButton(toQString(kHealthyWeightOk), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(toQString(kHeightLabel), this));
    layout->addWidget(createHeightRow());
    layout->addSpacing(8);
    layout->addWidget(createChoices());
    layout->addSpacing(4);
    layout->addWidget(createRanges());
    layout->addSpacing(4);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    showHeight();
    (m_form.female() ? m_female : m_male)->setChecked(true);
    (m_form.ageGroup19To34() ? m_age19To34 : m_over34)->setChecked(true);
    showLines();

    // Only now, so that setting the opening choices does not count as clicks.
    connect(m_female, &QRadioButton::toggled, this, [this](bool female) {
        m_form.setFemale(female);
        showLines();
    });
    connect(m_age19To34, &QRadioButton::toggled, this, [this](bool young) {
        m_form.setAgeGroup19To34(young);
        showLines();
    });
}

QWidget* CHealthyWeightDlg::createHeightRow()
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);

    m_height = createValueLabel(QStringLiteral("heightLabel"), QStringLiteral("0'00\"  or  000 cm  "), row);
    m_heightDown = createArrow(QStringLiteral("heightDownButton"), Qt::LeftArrow, row);
    m_heightUp = createArrow(QStringLiteral("heightUpButton"), Qt::RightArrow, row);
    connect(m_heightDown, &QToolButton::clicked, this, [this] { stepHeight(-1); });
    connect(m_heightUp, &QToolButton::clicked, this, [this] { stepHeight(+1); });

    layout->addWidget(m_height, 1);
    layout->addSpacing(6);
    layout->addWidget(m_heightDown);
    layout->addWidget(m_heightUp);
    return row;
}

QWidget* CHealthyWeightDlg::createChoices()
{
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(12);

    m_male = createRadio(QStringLiteral("maleRadio"), kMaleChoice, box);
    m_female = createRadio(QStringLiteral("femaleRadio"), kFemaleChoice, box);
    m_age19To34 = createRadio(QStringLiteral("age19To34Radio"), kAgeGroup19To34Choice, box);
    m_over34 = createRadio(QStringLiteral("over34Radio"), kAgeGroupOver34Choice, box);
    addChoiceRow(grid, 0, kSexLabel, m_male, m_female);
    addChoiceRow(grid, 1, kAgeGroupLabel, m_age19To34, m_over34);
    grid->setColumnStretch(3, 1);
    return box;
}

QWidget* CHealthyWeightDlg::createRanges()
{
    auto* group = new QGroupBox(toQString(kHealthyWeightGroupTitle), this);
    auto* layout = new QVBoxLayout(group);
    const QString widest = QStringLiteral("000 - 000 lbs  or  000 - 000 kg");
    for (std::size_t i = 0; i < kWeightGuidelines.size(); ++i) {
        const WeightGuideline guideline = kWeightGuidelines[i];
        const QString name = guideline == WeightGuideline::k1989 ? QStringLiteral("guidelines1989Label")
                                                                 : QStringLiteral("guidelines1996Label");
        m_lines[i] = createValueLabel(name, widest, group);
        if (i > 0) {
            layout->addSpacing(6);
        }
        layout->addWidget(new QLabel(toQString(guidelineLabel(guideline)), group));
        layout->addWidget(m_lines[i]);
    }
    return group;
}

void CHealthyWeightDlg::stepHeight(int delta)
{
    m_form.stepHeight(delta);
    showHeight();
    showLines();
}

void CHealthyWeightDlg::showHeight()
{
    m_height->setText(toQString(m_form.heightText()));
    // The arrows stay where they are at the ends of the range, so an end shows as a disabled arrow.
    m_heightDown->setEnabled(m_form.heightInches() > HealthyWeightForm::heightRange().min);
    m_heightUp->setEnabled(m_form.heightInches() < HealthyWeightForm::heightRange().max);
}

void CHealthyWeightDlg::showLines()
{
    const auto lines = m_form.lines();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        m_lines[i]->setText(toQString(lines[i].text));
    }
}

void CHealthyWeightDlg::accept()
{
    m_storeError = m_form.store(m_settings);
    if (!settingsStoredOrWarned(this, m_storeError)) {
        return;
    }
    QDialog::accept();
}

} // namespace mw::gui
