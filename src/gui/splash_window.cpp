#include "splash_window.h"

#include "frame_texts.h"
#include "icon_frame_button.h"
#include "qt_bridge.h"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

namespace mw::gui {
namespace {

constexpr int kWidth = 460;

bool dismissesSplash(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::KeyPress:
    // A key that is a shortcut arrives as this and may never become a key press.
    case QEvent::ShortcutOverride:
        return true;
    default:
        return false;
    }
}

} // namespace

CSplashDlg::CSplashDlg(QWidget* owner, std::chrono::milliseconds lifetime)
    : QWidget(owner, Qt::SplashScreen | Qt::FramelessWindowHint), m_owner(owner), m_lifetime(lifetime)
{
    setObjectName(QStringLiteral("splashWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(toQString(texts::kProductTitle));

    auto* icon = new CIconFrameButton(this);
    icon->setObjectName(QStringLiteral("splashIcon"));

    auto* title = new QLabel(toQString(texts::kProductTitle), this);
    title->setObjectName(QStringLiteral("splashTitle"));
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    title->setFont(titleFont);
    title->setWordWrap(true);

    auto* version = new QLabel(toQString(texts::kVersionLine).arg(QApplication::applicationVersion()), this);
    version->setObjectName(QStringLiteral("splashVersion"));

    auto* warning = new QLabel(toQString(texts::kSplashWarning), this);
    warning->setObjectName(QStringLiteral("splashWarning"));
    warning->setWordWrap(true);

    auto* textColumn = new QVBoxLayout;
    textColumn->setSpacing(6);
    textColumn->addWidget(title);
    textColumn->addWidget(version);
    textColumn->addSpacing(10);
    textColumn->addWidget(warning);
    textColumn->addStretch(1);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 20);
    layout->setSpacing(20);
    layout->addWidget(icon, 0, Qt::AlignTop);
    layout->addLayout(textColumn, 1);

    setFixedWidth(kWidth);
    setFixedHeight(heightForWidth(kWidth) > 0 ? heightForWidth(kWidth) : sizeHint().height());

    m_idleCheck.setSingleShot(true);
    connect(&m_idleCheck, &QTimer::timeout, this, &CSplashDlg::closeWhenIdleAndDue);
    qApp->installEventFilter(this);
}

CSplashDlg::~CSplashDlg()
{
    qApp->removeEventFilter(this);
}

void CSplashDlg::showCentred()
{
    const QRect area = m_owner != nullptr && m_owner->isVisible() ? m_owner->frameGeometry()
                       : screen() != nullptr                      ? screen()->availableGeometry()
                                                                  : QRect();
    if (area.isValid()) {
        move(area.center() - rect().center());
    }
    show();
    raise();
    repaint();
    m_shown.start();
    m_idleCheck.start(m_lifetime);
}

std::chrono::milliseconds CSplashDlg::age() const
{
    return std::chrono::milliseconds(m_shown.isValid() ? m_shown.elapsed() : 0);
}

bool CSplashDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_dismissed && dismissesSplash(event->type())) {
        dismiss();
    }
    return QWidget::eventFilter(watched, event);
}

void CSplashDlg::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void CSplashDlg::closeWhenIdleAndDue()
{
    // Timers are served by the event loop between other events, so this runs once the program is free.
    const auto remaining = m_lifetime - age();
    if (remaining > std::chrono::milliseconds(0)) {
        m_idleCheck.start(remaining);
        return;
    }
    dismiss();
}

void CSplashDlg::dismiss()
{
    if (m_dismissed) {
        return;
    }
    m_dismissed = true;
    m_idleCheck.stop();
    qApp->removeEventFilter(this);
    emit dismissed();
    close();
}

} // namespace mw::gui
