#include "mouse_option_dialog.h"

#include "dialog_texts.h"
#include "prompts.h"
#include "qt_bridge.h"
#include "selection_dialog_texts.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace mw::gui {

CMouseOptionDlg::CMouseOptionDlg(Settings& settings, QWidget* parent) : QDialog(parent), m_settings(settings)
{
    setObjectName(QStringLiteral("mouseOptionDialog"));
    setWindowTitle(texts::kMouseOptionTitle);

    const MouseOptions stored = mouseOptions(m_settings);
    m_left = createChoiceList(QStringLiteral("leftComboBox"), stored.left);
    m_right = createChoiceList(QStringLiteral("rightComboBox"), stored.right);

    auto* leftLabel = new QLabel(texts::kLeftMouseButtonLabel, this);
    leftLabel->setBuddy(m_left);
    auto* rightLabel = new QLabel(texts::kRightMouseButtonLabel, this);
    rightLabel->setBuddy(m_right);

    auto* grid = new QGridLayout;
    grid->addWidget(leftLabel, 0, 0);
    grid->addWidget(m_left, 0, 1);
    grid->addWidget(rightLabel, 1, 0);
    grid->addWidget(m_right, 1, 1);
    grid->setColumnStretch(1, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->setObjectName(QStringLiteral("buttonBox"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(texts::kMouseOptionFirstLine, this));
    layout->addWidget(new QLabel(texts::kMouseOptionSecondLine, this));
    layout->addSpacing(8);
    layout->addLayout(grid);
    layout->addSpacing(6);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QComboBox* CMouseOptionDlg::createChoiceList(const QString& objectName, MouseChoice selected)
{
    auto* list = new QComboBox(this);
    list->setObjectName(objectName);
    for (const UiText name : texts::kMouseChoiceNames) {
        list->addItem(name);
    }
    list->setCurrentIndex(static_cast<int>(selected));
    return list;
}

MouseOptions CMouseOptionDlg::options() const
{
    return MouseOptions{static_cast<MouseChoice>(m_left->currentIndex()),
                        static_cast<MouseChoice>(m_right->currentIndex())};
}

void CMouseOptionDlg::accept()
{
    m_storeError = storeMouseOptions(m_settings, options());
    if (!settingsStoredOrWarned(this, m_storeError)) {
        return;
    }
    QDialog::accept();
}

} // namespace mw::gui
