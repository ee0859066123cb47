#include "display_nutrients_dialog.h"

#include "dialog_texts.h"
#include "prompts.h"
#include "qt_bridge.h"
#include "selection_dialog_texts.h"
#include "view_layout.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

#include <cstddef>

namespace mw::gui {
namespace {

// Screens up to this height are called VGA, taller ones SVGA.
constexpr int kVgaScreenHeight = 480;

QLabel* createValueLabel(const QString& objectName, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QFrame* createSeparator(QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

} // namespace

DisplayMode currentDisplayMode()
{
    DisplayMode mode;
    mode.screen = currentScreenMetrics();
    if (const QScreen* primary = QGuiApplication::primaryScreen()) {
        mode.screenWidth = primary->geometry().width();
    }
    return mode;
}

CDisplayNutrientsDlg::CDisplayNutrientsDlg(Settings& settings, const DisplayMode& mode, QWidget* parent)
    : QDialog(parent), m_settings(settings), m_mode(mode), m_layout(panelLayout(settings, mode.screen.height))
{
    setObjectName(QStringLiteral("displayNutrientsDialog"));
    setWindowTitle(texts::kDisplayNutrientsTitle);

    auto* displayMode = createValueLabel(QStringLiteral("displayModeLabel"), this);
    displayMode->setText(displayModeText());
    m_maximumItems = createValueLabel(QStringLiteral("maximumItemsLabel"), this);

    m_oneColumn = new QCheckBox(texts::kOneColumnCheckBox, this);
    m_oneColumn->setObjectName(QStringLiteral("oneColumnCheckBox"));
    m_oneColumn->setChecked(m_layout == PanelLayout::kOneColumn);
    m_oneColumn->setEnabled(canChooseLayout());
    connect(m_oneColumn, &QCheckBox::clicked, this, &CDisplayNutrientsDlg::flipLayout);

    auto* modeGrid = new QGridLayout;
    modeGrid->addWidget(new QLabel(texts::kDisplayModeLabel, this), 0, 0);
    modeGrid->addWidget(displayMode, 0, 1);
    modeGrid->addWidget(m_oneColumn, 1, 0, 1, 2);
    modeGrid->addWidget(new QLabel(texts::kMaximumItemsLabel, this), 2, 0);
    modeGrid->addWidget(m_maximumItems, 2, 1);
    modeGrid->setColumnStretch(1, 1);

    auto* grid = new QGridLayout;
    m_boxes = addNutrientCheckBoxes(grid, this);
    checkNutrients(m_boxes, displaySelection(m_settings, m_mode.screen));
    for (int nutrient = 0; nutrient < kAlwaysDisplayedNutrients; ++nutrient) {
        connect(m_boxes[static_cast<std::size_t>(nutrient)], &QCheckBox::clicked, this,
                [this, nutrient] { refuseToHide(nutrient); });
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->setObjectName(QStringLiteral("buttonBox"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(modeGrid);
    layout->addWidget(createSeparator(this));
    layout->addLayout(grid);
    layout->addSpacing(6);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    showMaximumItems();
}

int CDisplayNutrientsDlg::maximumItems() const
{
    return panelRoomCapacity(m_mode.screen, m_layout);
}

bool CDisplayNutrientsDlg::canChooseLayout() const
{
    return m_mode.screen.height >= kMinScreenHeightForLayoutChoice;
}

QString CDisplayNutrientsDlg::displayModeText() const
{
    const UiText kind = m_mode.screen.height <= kVgaScreenHeight ? texts::kVgaMode : texts::kSvgaMode;
    return kind + QString(texts::kScreenSize).arg(m_mode.screenWidth).arg(m_mode.screen.height);
}

void CDisplayNutrientsDlg::flipLayout()
{
    m_layout = m_layout == PanelLayout::kOneColumn ? PanelLayout::kTwoColumns : PanelLayout::kOneColumn;
    showMaximumItems();
}

void CDisplayNutrientsDlg::refuseToHide(int nutrient)
{
    m_boxes[static_cast<std::size_t>(nutrient)]->setChecked(true);
    Prompts::information(this, texts::kProgramTitle, texts::kFirstItemsMustBeDisplayed);
}

void CDisplayNutrientsDlg::showMaximumItems()
{
    m_maximumItems->setText(QString::number(maximumItems()));
}

std::error_code CDisplayNutrientsDlg::store()
{
    if (const std::error_code error = storeDisplaySelection(m_settings, m_mode.screen, selection())) {
        return error;
    }
    return canChooseLayout() ? storePanelLayout(m_settings, m_layout) : std::error_code();
}

void CDisplayNutrientsDlg::accept()
{
    m_storeError = store();
    if (!settingsStoredOrWarned(this, m_storeError)) {
        return;
    }
    QDialog::accept();
    Prompts::information(parentWidget(), texts::kProgramTitle, texts::kSelectionOnRestart);
}

} // namespace mw::gui
