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
namespace {

constexpr int kDefaultLeftChoice = static_cast<int>(MouseChoice::kServingPortion);
constexpr int kDefaultRightChoice = static_cast<int>(MouseChoice::kOunce);

// A hand-edited number that names none of the four choices turns the button off.
MouseChoice storedChoice(const Settings& settings, std::string_view key, int defaultChoice)
{
    const int stored = settings.readInt(kMouseOptionSection, key, defaultChoice);
    const bool named = stored >= static_cast<int>(MouseChoice::kOff) && stored <= static_cast<int>(MouseChoice::kGram);
    return named ? static_cast<MouseChoice>(stored) : MouseChoice::kOff;
}

} // namespace

CMouseOptionDlg::CMouseOptionDlg(Settings& settings, QWidget* parent) : QDialog(parent), m_settings(settings)
{
    setObjectName(QStringLiteral("mouseOptionDialog"));
    setWindowTitle(texts::kMouseOptionTitle);

    m_left = createChoiceList(QStringLiteral("leftComboBox"), storedChoice(m_settings, kLeftKey, kDefaultLeftChoice));
    m_right =
        createChoiceList(QStringLiteral("rightComboBox"), storedChoice(m_settings, kRightKey, kDefaultRightChoice));

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
    for (const QLatin1String name : texts::kMouseChoiceNames) {
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
