#pragma once

#include <QObject>

class QFileSystemWatcher;

namespace mw::gui {

class CDayWindow;

// Keeps a diary day and its file together: every change of the day (its undo and redo among them) is saved
// at once through the window's own save, creating the diary's folder on the first save; and when another
// program changes the file while the window holds no change of its own, the window reads it again. Belongs
// to the window.
class DatedDaySaver : public QObject
{
    Q_OBJECT

public:
    explicit DatedDaySaver(CDayWindow& window);

private:
    void saveChange();
    void watchFile();
    void followDisk();

    CDayWindow& m_window;
    QFileSystemWatcher* m_watcher;
};

} // namespace mw::gui
