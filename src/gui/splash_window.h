#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <chrono>

namespace mw::gui {

// The window shown over the main frame while the program starts: the framed program icon, the product
// title and a warning. It closes itself at the first idle moment once its time is up, and at once on the
// first key press or mouse press anywhere in the program (the event itself still goes where it was meant
// to). It deletes itself when it closes.
class CSplashDlg : public QWidget
{
    Q_OBJECT

public:
    // "fewer than 2501 milliseconds" keep it open.
    static constexpr std::chrono::milliseconds kLifetime{2501};

    explicit CSplashDlg(QWidget* owner, std::chrono::milliseconds lifetime = kLifetime);
    ~CSplashDlg() override;

    // Shows it centred on its owner (or the screen) and paints it at once.
    void showCentred();
    // How long it has been shown.
    std::chrono::milliseconds age() const;

signals:
    // Emitted once, as it closes; the owner repaints then.
    void dismissed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void dismiss();
    void closeWhenIdleAndDue();

    QWidget* m_owner;
    std::chrono::milliseconds m_lifetime;
    QElapsedTimer m_shown;
    QTimer m_idleCheck;
    bool m_dismissed = false;
};

} // namespace mw::gui
