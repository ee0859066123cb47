#pragma once

#include <QObject>

class QAbstractButton;
class QLineEdit;
class QWidget;

namespace mw::gui {

// Alt+G presses the "&Global" search button while it shows, wherever the focus is in the day view: without it
// the search field would type "g", and the menu bar would take the key for the Glycemic Index menu.
class GlobalSearchKey : public QObject
{
    Q_OBJECT

public:
    // Watches the view, which hears the keys its other controls leave, and the search field, which would keep
    // the key for itself. Lives as long as the view.
    GlobalSearchKey(QWidget* view, QLineEdit* searchEdit, QAbstractButton* globalButton);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAbstractButton* m_button;
};

} // namespace mw::gui
