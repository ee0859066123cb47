#include "fat_warning_dialog.h"

#include "dialog_texts.h"
#include "model/settings_keys.h"
#include "prompts.h"
#include "qt_bridge.h"
#include "selection_dialog_texts.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

namespace mw::gui {

CFatWarningDlg::CFatWarningDlg(Settings& settings, QWidget* parent) : QDialog(parent), m_settings(settings)
{
    setObjectName(QStringLiteral("fatWarningDialog"));
    setWindowTitle(texts::kFatWarningTitle);

    m_percent = new QSpinBox(this);
    m_percent->setObjectName(QStringLiteral("percentSpinBox"));
    m_percent->setRange(0, kMaxFatWarningPercent);
    m_percent->setAlignment(Qt::AlignRight);
    m_percent->setValue(fatWarningPercent(m_settings));

    auto* secondLine = new QHBoxLayout;
    auto* secondLabel = new QLabel(texts::kFatWarningSecondLine, this);
    secondLabel->setBuddy(m_percent);
    secondLine->addWidget(secondLabel);
    secondLine->addWidget(m_percent);
    secondLine->addWidget(new QLabel(texts::kFatWarningPercentSign, this));
    secondLine->addStretch(1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->setObjectName(QStringLiteral("buttonBox"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(texts::kFatWarningFirstLine, this));
    layout->addLayout(secondLine);
    layout->addSpacing(6);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    m_percent->setFocus();
    m_percent->selectAll();
}

int CFatWarningDlg::percent() const
{
    return m_percent->value();
}

void CFatWarningDlg::accept()
{
    // A number still being typed counts as entered, as it would on leaving the field.
    m_percent->interpretText();
    m_storeError = storeFatWarningPercent(m_settings, percent());
    if (!settingsStoredOrWarned(this, m_storeError)) {
        return;
    }
    QDialog::accept();
}

} // namespace mw::gui
