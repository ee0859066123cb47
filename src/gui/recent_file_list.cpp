#include "recent_file_list.h"

#include "qt_bridge.h"

#include "model/settings_table.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <string>
#include <vector>

namespace mw::gui {
namespace {

std::string keyOf(int index)
{
    return setting::kRecentFile.key(index + 1);
}

QString normalized(const QString& path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

} // namespace

bool samePath(const QString& a, const QString& b)
{
    return normalized(a) == normalized(b);
}

QStringList RecentFileList::files() const
{
    QStringList list;
    for (int i = 0; i < kSize; ++i) {
        const QString path = toQString(m_settings.readText(setting::kRecentFile.section, keyOf(i), ""));
        const bool duplicate =
            std::any_of(list.cbegin(), list.cend(), [&](const QString& known) { return samePath(known, path); });
        if (!path.isEmpty() && !duplicate) {
            list.append(path);
        }
    }
    return list;
}

std::error_code RecentFileList::add(const QString& path)
{
    QStringList list = files();
    list.removeIf([&](const QString& known) { return samePath(known, path); });
    list.prepend(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    return store(list);
}

std::error_code RecentFileList::remove(const QString& path)
{
    QStringList list = files();
    list.removeIf([&](const QString& known) { return samePath(known, path); });
    return store(list);
}

std::error_code RecentFileList::store(const QStringList& files)
{
    std::vector<SettingChange> changes;
    for (int i = 0; i < kSize; ++i) {
        changes.push_back(
            {std::string(setting::kRecentFile.section), keyOf(i), i < files.size() ? toStdString(files.at(i)) : ""});
    }
    return m_settings.writeValues(changes);
}

} // namespace mw::gui
