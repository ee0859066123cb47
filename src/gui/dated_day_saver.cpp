#include "dated_day_saver.h"

#include "day_window.h"
#include "frame_texts.h"
#include "prompts.h"
#include "qt_bridge.h"

#include <QFileInfo>
#include <QFileSystemWatcher>

namespace mw::gui {

DatedDaySaver::DatedDaySaver(CDayWindow& window)
    : QObject(&window), m_window(window), m_watcher(new QFileSystemWatcher(this))
{
    setObjectName(QStringLiteral("datedDaySaver"));
    connect(&window.history(), &QUndoStack::indexChanged, this, &DatedDaySaver::saveChange);
    connect(&window, &CDayWindow::dayReplaced, this, &DatedDaySaver::watchFile);
    connect(&window, &CDayWindow::saved, this, &DatedDaySaver::watchFile);
    connect(m_watcher, &QFileSystemWatcher::fileChanged, this, &DatedDaySaver::followDisk);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, &DatedDaySaver::followDisk);
    watchFile();
}

void DatedDaySaver::saveChange()
{
    if (!m_window.date() || m_window.isReadOnly() || !m_window.isModified()) {
        return;
    }
    m_window.saveTo(m_window.filePath());
}

void DatedDaySaver::watchFile()
{
    if (!m_window.date()) {
        // Saved under another name: the day is an ordinary file's now.
        deleteLater();
        return;
    }
    const QStringList watched = m_watcher->files() + m_watcher->directories();
    if (!watched.isEmpty()) {
        m_watcher->removePaths(watched);
    }
    // The folder tells of a file replaced by renaming, the file of one written in place.
    const QFileInfo file(m_window.filePath());
    for (const QString& path : {file.absolutePath(), file.absoluteFilePath()}) {
        if (QFileInfo::exists(path)) {
            m_watcher->addPath(path);
        }
    }
}

void DatedDaySaver::followDisk()
{
    // A replaced file is a new one to watch, and a folder made meanwhile is one to watch at all.
    watchFile();
    if (!m_window.changedOnDisk() || !QFileInfo::exists(m_window.filePath())) {
        return;
    }
    if (m_window.isModified()) {
        // The window's own change stands; its next save asks before it writes over the other version.
        return;
    }
    if (m_window.reload()) {
        emit m_window.statusMessage(toQString(texts::kDayReloaded).arg(m_window.title()));
    } else {
        Prompts::warning(&m_window, toQString(texts::kMainFrameTitle), m_window.readError());
    }
}

} // namespace mw::gui
