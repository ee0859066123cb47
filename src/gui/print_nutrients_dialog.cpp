#include "print_nutrients_dialog.h"

#include "dialog_texts.h"
#include "prompts.h"
#include "qt_bridge.h"
#include "selection_dialog_texts.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <cstddef>

namespace mw::gui {
namespace {

constexpr int kCheckBoxRows = 10;
constexpr int kColumnGap = 16;

} // namespace

NutrientCheckBoxes addNutrientCheckBoxes(QGridLayout* grid, QWidget* parent)
{
    NutrientCheckBoxes boxes{};
    for (int nutrient = 0; nutrient < kNutrientCount; ++nutrient) {
        const auto slot = static_cast<std::size_t>(nutrient);
        auto* box = new QCheckBox(texts::kNutrientCheckBoxLabels[slot], parent);
        box->setObjectName(QStringLiteral("nutrientCheckBox%1").arg(nutrient));
        grid->addWidget(box, nutrient % kCheckBoxRows, nutrient / kCheckBoxRows);
        boxes[slot] = box;
    }
    grid->setHorizontalSpacing(kColumnGap);
    return boxes;
}

void checkNutrients(const NutrientCheckBoxes& boxes, const NutrientSelection& selection)
{
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        boxes[i]->setChecked(selection[i]);
    }
}

NutrientSelection checkedNutrients(const NutrientCheckBoxes& boxes)
{
    NutrientSelection selection{};
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        selection[i] = boxes[i]->isChecked();
    }
    return selection;
}

CPrintNutrientsDlg::CPrintNutrientsDlg(Settings& settings, QWidget* parent) : QDialog(parent), m_settings(settings)
{
    setObjectName(QStringLiteral("printNutrientsDialog"));
    setWindowTitle(texts::kPrintNutrientsTitle);

    auto* grid = new QGridLayout;
    m_boxes = addNutrientCheckBoxes(grid, this);
    checkNutrients(m_boxes, printedNutrients(m_settings));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->setObjectName(QStringLiteral("buttonBox"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(texts::kPrintNutrientsCaption, this));
    layout->addSpacing(4);
    layout->addLayout(grid);
    layout->addSpacing(6);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CPrintNutrientsDlg::accept()
{
    m_storeError = storePrintedNutrients(m_settings, selection());
    if (!settingsStoredOrWarned(this, m_storeError)) {
        return;
    }
    QDialog::accept();
}

} // namespace mw::gui
