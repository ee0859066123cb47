#include "about_dialog.h"

#include "frame_texts.h"
#include "icon_frame_button.h"
#include "qt_bridge.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace mw::gui {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(toQString(texts::kAboutCaption));

    auto* icon = new CIconFrameButton(this);
    icon->setObjectName(QStringLiteral("aboutIcon"));

    auto* title = new QLabel(toQString(texts::kProductTitle), this);
    title->setObjectName(QStringLiteral("aboutTitle"));
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.3);
    title->setFont(titleFont);

    auto* version = new QLabel(toQString(texts::kVersionLine).arg(QApplication::applicationVersion()), this);
    version->setObjectName(QStringLiteral("aboutVersion"));

    auto* notice = new QLabel(toQString(texts::kLegalNotice), this);
    notice->setObjectName(QStringLiteral("aboutNotice"));
    notice->setWordWrap(true);
    notice->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->setObjectName(QStringLiteral("buttonBox"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* textColumn = new QVBoxLayout;
    textColumn->addWidget(title);
    textColumn->addWidget(version);
    textColumn->addSpacing(12);
    textColumn->addWidget(notice);
    textColumn->addStretch(1);

    auto* top = new QHBoxLayout;
    top->setSpacing(18);
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addLayout(textColumn, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 12);
    layout->addLayout(top);
    layout->addSpacing(6);
    layout->addWidget(buttons);

    notice->setMinimumWidth(notice->fontMetrics().averageCharWidth() * 48);
    setSizeGripEnabled(false);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace mw::gui
