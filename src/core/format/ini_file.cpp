#include "format/ini_file.h"

#include "model/text_trim.h"

#include "format/atomic_file.h"
#include "format/file_lock.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fstream>

namespace mw {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr char kHexDigits[] = "0123456789ABCDEF";

bool isControl(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
}

bool needsQuotes(std::string_view value)
{
    if (value.empty()) {
        return false;
    }
    return isBlank(value.front()) || isBlank(value.back()) || value.front() == '"' ||
           std::any_of(value.begin(), value.end(), isControl);
}

void appendEscaped(std::string& out, char c)
{
    switch (c) {
    case '\\':
        out += "\\\\";
        return;
    case '"':
        out += "\\\"";
        return;
    case '\n':
        out += "\\n";
        return;
    case '\r':
        out += "\\r";
        return;
    case '\t':
        out += "\\t";
        return;
    default:
        break;
    }
    if (isControl(c)) {
        const auto byte = static_cast<unsigned char>(c);
        out += "\\x";
        out += kHexDigits[byte >> 4];
        out += kHexDigits[byte & 0x0F];
        return;
    }
    out += c;
}

std::optional<int> hexValue(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return std::nullopt;
}

// Reads one escape after a backslash at inner[i]; advances i past it.
std::optional<char> readEscape(std::string_view inner, std::size_t& i)
{
    if (i + 1 >= inner.size()) {
        return std::nullopt;
    }
    const char code = inner[i + 1];
    i += 2;
    switch (code) {
    case '\\':
        return '\\';
    case '"':
        return '"';
    case 'n':
        return '\n';
    case 'r':
        return '\r';
    case 't':
        return '\t';
    case 'x':
        break;
    default:
        return std::nullopt;
    }
    if (i + 2 > inner.size()) {
        return std::nullopt;
    }
    const std::optional<int> high = hexValue(inner[i]);
    const std::optional<int> low = hexValue(inner[i + 1]);
    if (!high || !low) {
        return std::nullopt;
    }
    i += 2;
    return static_cast<char>(*high * 16 + *low);
}

std::string entryText(std::string_view key, std::string_view value)
{
    std::string text(key);
    text += '=';
    text += escapeIniValue(value);
    return text;
}

std::error_code lastSystemError()
{
    return std::make_error_code(errno != 0 ? std::errc(errno) : std::errc::io_error);
}

std::error_code readWholeFile(const std::filesystem::path& path, std::uintmax_t size, std::string& bytes)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return lastSystemError();
    }
    bytes.resize(static_cast<std::size_t>(size));
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad()) {
        return std::make_error_code(std::errc::io_error);
    }
    // The file may have shrunk since its size was taken.
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return {};
}

std::optional<std::string> systemEnvironment(const char* name)
{
    const char* value = std::getenv(name);
    if (value == nullptr) {
        return std::nullopt;
    }
    return std::string(value);
}

// A variable that is set to a non-empty absolute path.
std::optional<std::filesystem::path> absoluteFolder(const EnvironmentLookup& environment, const char* name)
{
    const std::optional<std::string> value = environment(name);
    if (!value || value->empty()) {
        return std::nullopt;
    }
    std::filesystem::path folder(*value);
    if (!folder.is_absolute()) {
        return std::nullopt;
    }
    return folder;
}

std::optional<std::filesystem::path> configFolder(const EnvironmentLookup& environment)
{
#if defined(_WIN32)
    return absoluteFolder(environment, "APPDATA");
#elif defined(__APPLE__)
    const auto home = absoluteFolder(environment, "HOME");
    return home ? std::optional(*home / "Library" / "Preferences") : std::nullopt;
#else
    if (auto folder = absoluteFolder(environment, "XDG_CONFIG_HOME")) {
        return folder;
    }
    const auto home = absoluteFolder(environment, "HOME");
    return home ? std::optional(*home / ".config") : std::nullopt;
#endif
}

} // namespace

std::string escapeIniValue(std::string_view value)
{
    if (!needsQuotes(value)) {
        return std::string(value);
    }
    std::string out = "\"";
    for (const char c : value) {
        appendEscaped(out, c);
    }
    out += '"';
    return out;
}

std::optional<std::string> unescapeIniValue(std::string_view written)
{
    if (written.empty() || written.front() != '"') {
        return std::string(written);
    }
    if (written.size() < 2 || written.back() != '"') {
        return std::nullopt;
    }
    const std::string_view inner = written.substr(1, written.size() - 2);
    std::string value;
    for (std::size_t i = 0; i < inner.size();) {
        if (inner[i] == '"') {
            return std::nullopt;
        }
        if (inner[i] != '\\') {
            value += inner[i++];
            continue;
        }
        const std::optional<char> escaped = readEscape(inner, i);
        if (!escaped) {
            return std::nullopt;
        }
        value += *escaped;
    }
    return value;
}

IniDocument IniDocument::parse(std::string_view text)
{
    // Every mark, as the first line would otherwise keep the second and lose it at the next read.
    while (text.starts_with(kByteOrderMark)) {
        text.remove_prefix(kByteOrderMark.size());
    }
    IniDocument document;
    bool insideSection = false;
    int lineNumber = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        // All of them: a carriage return kept at the end would be lost when the line is read again.
        while (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        document.appendLine(line, ++lineNumber, insideSection);
    }
    return document;
}

void IniDocument::skip(Line& line, int lineNumber, IniLineProblem problem)
{
    line.kind = LineKind::kOther;
    m_skipped.push_back({lineNumber, problem});
}

void IniDocument::appendLine(std::string_view text, int lineNumber, bool& insideSection)
{
    Line& line = m_lines.emplace_back();
    line.text = std::string(text);
    const std::string_view trimmed = trimBlanks(text);
    if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '#') {
        return;
    }
    if (trimmed.front() == '[') {
        line.kind = LineKind::kBrokenSection;
        insideSection = false;
        if (trimmed.size() < 2 || trimmed.back() != ']') {
            m_skipped.push_back({lineNumber, IniLineProblem::kUnclosedSection});
            return;
        }
        line.name = std::string(trimBlanks(trimmed.substr(1, trimmed.size() - 2)));
        if (line.name.empty()) {
            m_skipped.push_back({lineNumber, IniLineProblem::kEmptySectionName});
            return;
        }
        line.kind = LineKind::kSection;
        insideSection = true;
        return;
    }
    const std::size_t equals = trimmed.find('=');
    if (equals == std::string_view::npos) {
        return skip(line, lineNumber, IniLineProblem::kMissingEquals);
    }
    line.name = std::string(trimBlanks(trimmed.substr(0, equals)));
    if (line.name.empty()) {
        return skip(line, lineNumber, IniLineProblem::kEmptyKey);
    }
    if (!insideSection) {
        return skip(line, lineNumber, IniLineProblem::kEntryOutsideSection);
    }
    std::optional<std::string> value = unescapeIniValue(trimBlanks(trimmed.substr(equals + 1)));
    if (!value) {
        return skip(line, lineNumber, IniLineProblem::kBadQuotedValue);
    }
    line.kind = LineKind::kEntry;
    line.value = std::move(*value);
}

std::optional<std::size_t> IniDocument::findEntry(std::string_view section, std::string_view key) const
{
    bool inSection = false;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const Line& line = m_lines[i];
        if (line.kind == LineKind::kSection || line.kind == LineKind::kBrokenSection) {
            inSection = line.kind == LineKind::kSection && sameSettingName(line.name, section);
        } else if (inSection && line.kind == LineKind::kEntry && sameSettingName(line.name, key)) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<std::size_t> IniDocument::endOfSection(std::string_view section) const
{
    std::optional<std::size_t> last;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const Line& line = m_lines[i];
        const bool header = line.kind == LineKind::kSection || line.kind == LineKind::kBrokenSection;
        if (last && header) {
            break;
        }
        if ((!last && line.kind == LineKind::kSection && sameSettingName(line.name, section)) ||
            (last && line.kind == LineKind::kEntry)) {
            last = i;
        }
    }
    if (!last) {
        return std::nullopt;
    }
    return *last + 1;
}

std::optional<std::string> IniDocument::value(std::string_view section, std::string_view key) const
{
    const std::optional<std::size_t> entry = findEntry(section, key);
    if (!entry) {
        return std::nullopt;
    }
    return m_lines[*entry].value;
}

void IniDocument::setValue(std::string_view section, std::string_view key, std::string_view value)
{
    if (const std::optional<std::size_t> entry = findEntry(section, key)) {
        Line& line = m_lines[*entry];
        line.value = std::string(value);
        line.text = entryText(line.name, value);
        return;
    }
    Line added{LineKind::kEntry, entryText(key, value), std::string(key), std::string(value)};
    if (const std::optional<std::size_t> end = endOfSection(section)) {
        m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(*end), std::move(added));
        return;
    }
    if (!m_lines.empty() && !trimBlanks(m_lines.back().text).empty()) {
        m_lines.push_back(Line{});
    }
    m_lines.push_back(Line{LineKind::kSection, "[" + std::string(section) + "]", std::string(section), {}});
    m_lines.push_back(std::move(added));
}

std::string IniDocument::text() const
{
    std::string out;
    for (const Line& line : m_lines) {
        out += line.text;
        out += '\n';
    }
    return out;
}

IniLoadResult loadIniFile(const std::filesystem::path& path)
{
    removeStaleTemporaryFiles(path);
    IniLoadResult result;
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (status.type() == std::filesystem::file_type::not_found) {
        result.missing = true;
        return result;
    }
    if (error) {
        result.error = error;
        return result;
    }
    if (status.type() != std::filesystem::file_type::regular) {
        const bool folder = status.type() == std::filesystem::file_type::directory;
        result.error = std::make_error_code(folder ? std::errc::is_a_directory : std::errc::invalid_argument);
        return result;
    }
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error) {
        result.error = error;
        return result;
    }
    if (size > kMaxProfileBytes) {
        result.error = std::make_error_code(std::errc::file_too_large);
        return result;
    }
    std::string bytes;
    result.error = readWholeFile(path, size, bytes);
    if (!result.error) {
        result.document = IniDocument::parse(bytes);
    }
    return result;
}

std::filesystem::path defaultProfilePath()
{
    return defaultProfilePath(systemEnvironment);
}

std::filesystem::path defaultProfilePath(const EnvironmentLookup& environment)
{
    const std::optional<std::filesystem::path> folder = configFolder(environment);
    if (!folder) {
        return {};
    }
    return *folder / "Mealwright" / "mealwright.ini";
}

IniSettings::IniSettings(std::filesystem::path path) : m_path(std::move(path))
{
}

std::optional<std::string> IniSettings::readValue(std::string_view section, std::string_view key) const
{
    const IniLoadResult loaded = load();
    if (loaded.error) {
        return std::nullopt;
    }
    return loaded.document.value(section, key);
}

std::error_code IniSettings::writeValues(std::span<const SettingChange> changes)
{
    if (const std::error_code invalid = checkSettingChanges(changes)) {
        return invalid;
    }
    if (changes.empty()) {
        return {};
    }
    if (m_path.empty()) {
        return std::make_error_code(std::errc::invalid_argument);
    }
    std::error_code error;
    const std::filesystem::path folder = m_path.has_parent_path() ? m_path.parent_path() : ".";
    std::filesystem::create_directories(folder, error);
    if (error) {
        return error;
    }
    // Another process writing between our read and our rename would lose its keys, so writers
    // take turns; the folder is locked because the file itself is replaced.
    const FileLock turn(folder);
    // The freshest file, so keys another process wrote since our last read survive.
    IniLoadResult loaded = load();
    if (loaded.error) {
        return loaded.error;
    }
    const std::string before = loaded.document.text();
    for (const SettingChange& change : changes) {
        loaded.document.setValue(change.section, change.key, change.value);
    }
    const std::string after = loaded.document.text();
    if (!loaded.missing && after == before) {
        return {};
    }
    // A profile the reader refuses would cost every setting at the next start.
    if (after.size() > kMaxProfileBytes) {
        return SaveError::kTooLargeToReadBack;
    }
    return writeFileAtomically(m_path, after);
}

} // namespace mw
