#pragma once

#include <QString>
#include <QStringList>

#include <system_error>

namespace mw {
class Settings;
}

namespace mw::gui {

// The four days opened or saved last, newest first, kept in the settings profile (section "Recent File
// List", keys "File1".."File4") so that every window and the next run see the same list. Nothing is held in
// memory: each read asks the profile.
class RecentFileList
{
public:
    static constexpr int kSize = 4;

    explicit RecentFileList(Settings& settings) : m_settings(settings) {}

    // Absolute paths, newest first, without gaps or duplicates.
    QStringList files() const;
    // Puts the file first (as an absolute path), dropping an older entry for it and the oldest beyond four.
    std::error_code add(const QString& path);
    // Drops the file, e.g. after it could not be opened.
    std::error_code remove(const QString& path);

private:
    std::error_code store(const QStringList& files);

    Settings& m_settings;
};

// Two names of one file compare equal (absolute, with "." and ".." resolved, symbolic links followed when
// the file exists).
bool samePath(const QString& a, const QString& b);

} // namespace mw::gui
