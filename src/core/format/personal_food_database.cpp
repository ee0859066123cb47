#include "format/personal_food_database.h"

#include "format/atomic_file.h"
#include "format/file_bytes.h"
#include "format/file_lock.h"
#include "model/string_table.h"

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <system_error>

namespace mw {
namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// The error of the last failed system call, or a plain input/output error when none was recorded.
std::error_code systemError()
{
    return {errno != 0 ? errno : EIO, std::generic_category()};
}

// Opening in "r+" mode neither creates nor truncates, so this only asks.
bool canOpenForWriting(const std::filesystem::path& path)
{
    const std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
    return file.is_open();
}

// Append mode creates the file without truncating one that appeared in the meantime.
bool createEmptyFile(const std::filesystem::path& path)
{
    std::ofstream file(path, std::ios::out | std::ios::app | std::ios::binary);
    file.close();
    return !file.fail();
}

// What must come before a new line so that the file's last line keeps its own line.
std::string_view lineEndBeforeAppend(char lastByte)
{
    if (lastByte == '\n') {
        return {};
    }
    return lastByte == '\r' ? std::string_view("\n") : kUserfoodLineEnd;
}

// Takes off the front of bytes appended by another program the end of the line that was last before
// them; false when they do not begin with one, so the last line itself was changed.
bool skipLineEndAfter(char lastByte, std::string_view& bytes)
{
    for (const std::string_view ending : {lineEndBeforeAppend(lastByte), std::string_view("\n")}) {
        if (bytes.starts_with(ending)) {
            bytes.remove_prefix(ending.size());
            return true;
        }
    }
    return false;
}

} // namespace

void PersonalFoodDatabase::reset(const std::filesystem::path& path)
{
    m_entries.clear();
    m_path = path;
    m_state = FileState::kNone;
    m_readOnlyCause = PersonalFoodStatus::kReadOnly;
    m_fileSize = 0;
    m_lastByte = '\n';
}

PersonalFoodOpenResult PersonalFoodDatabase::open(const std::filesystem::path& folder, Access access)
{
    reset(folder / kFileName);
    std::error_code error;
    std::filesystem::file_status status = std::filesystem::status(m_path, error);
    if (status.type() == std::filesystem::file_type::not_found) {
        if (access == Access::kReadOnly) {
            m_state = FileState::kReadOnly;
            return {};
        }
        if (!createEmptyFile(m_path)) {
            return {PersonalFoodStatus::kCannotCreate};
        }
        status = std::filesystem::status(m_path, error);
    }
    if (error) {
        return {PersonalFoodStatus::kUnreadable};
    }
    if (!std::filesystem::is_regular_file(status)) {
        return {PersonalFoodStatus::kNotAFile};
    }
    const bool writable = access == Access::kReadWrite && canOpenForWriting(m_path);
    PersonalFoodOpenResult result = readFile(writable);
    if (result.status == PersonalFoodStatus::kOk && access == Access::kReadWrite && !writable) {
        result.status = PersonalFoodStatus::kReadOnly;
    }
    return result;
}

PersonalFoodOpenResult PersonalFoodDatabase::readFile(bool writable)
{
    // Another program's append in progress would otherwise be read as a last line cut short.
    const FileLock turn(m_path);
    const FileStart file = readFileStart(m_path, kMaxFileBytes);
    if (file.error) {
        return {PersonalFoodStatus::kUnreadable, file.bytes.size()};
    }
    const bool complete = file.fileSize <= kMaxFileBytes;
    std::uint64_t stoppedAt = 0;
    const std::size_t start =
        std::string_view(file.bytes).starts_with(kUtf8ByteOrderMark) ? kUtf8ByteOrderMark.size() : 0;
    const bool allLines = indexLines(std::string_view(file.bytes).substr(start), complete, stoppedAt);
    stoppedAt += start;
    if (!allLines || !complete) {
        // Appending to a file only partly read would give the new line a FoodId it does not have.
        m_state = FileState::kReadOnly;
        m_readOnlyCause = allLines ? PersonalFoodStatus::kTooLarge : PersonalFoodStatus::kTooManyLines;
        return {m_readOnlyCause, stoppedAt};
    }
    m_fileSize = file.bytes.size();
    if (!file.bytes.empty()) {
        m_lastByte = file.bytes.back();
    }
    m_stamp = fileStamp(m_path);
    m_state = writable ? FileState::kWritable : FileState::kReadOnly;
    return {};
}

bool PersonalFoodDatabase::indexLines(std::string_view bytes, bool complete, std::uint64_t& stoppedAt)
{
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos) {
            if (!complete) {
                break;
            }
            end = bytes.size();
        }
        if (m_entries.size() == kMaxAddressableFoods) {
            stoppedAt = start;
            return false;
        }
        std::string_view line = bytes.substr(start, end - start);
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        addEntry(userfoodTextToUtf8(line));
        start = end + 1;
    }
    stoppedAt = std::min(start, bytes.size());
    return true;
}

void PersonalFoodDatabase::addEntry(std::string line)
{
    PersonalFoodRecord record = parseUserfoodLine(line);
    m_entries.push_back(Entry{std::move(line), std::move(record)});
}

const PersonalFoodRecord* PersonalFoodDatabase::record(std::size_t index) const
{
    return index < m_entries.size() ? &m_entries[index].record : nullptr;
}

bool PersonalFoodDatabase::exists(FoodId id) const
{
    return id >= kFirstPersonalFoodId && static_cast<std::size_t>(id - kFirstPersonalFoodId) < m_entries.size();
}

const std::string* PersonalFoodDatabase::recordText(FoodId id) const
{
    return exists(id) ? &m_entries[static_cast<std::size_t>(id - kFirstPersonalFoodId)].line : nullptr;
}

std::size_t PersonalFoodDatabase::listedCount() const
{
    return std::min(m_entries.size(), static_cast<std::size_t>(kMaxPersonalFoods));
}

std::string PersonalFoodDatabase::itemText(std::size_t index) const
{
    if (index >= m_entries.size()) {
        return std::string(LoadString(kFoodDeletedText));
    }
    return std::to_string(personalFoodId(index)) + ";" + m_entries[index].record.text;
}

std::vector<std::string> PersonalFoodDatabase::listItems() const
{
    std::vector<std::string> items;
    items.reserve(listedCount());
    for (std::size_t i = 0; i < listedCount(); ++i) {
        items.push_back(itemText(i));
    }
    return items;
}

PersonalFoodAppendResult PersonalFoodDatabase::append(std::string_view name, std::string_view portion,
                                                      const PersonalFoodValues& values)
{
    if (m_state == FileState::kNone) {
        return {PersonalFoodStatus::kNoFile};
    }
    if (m_state == FileState::kReadOnly) {
        return {m_readOnlyCause};
    }
    if (m_entries.size() >= static_cast<std::size_t>(kMaxPersonalFoods)) {
        return {PersonalFoodStatus::kDatabaseFull};
    }
    if (!userfoodValuesFit(values)) {
        return {PersonalFoodStatus::kValueOutOfRange};
    }
    std::string line = buildUserfoodLine(name, portion, values);
    std::error_code ioError;
    const PersonalFoodStatus written = appendLine(line, ioError);
    if (written != PersonalFoodStatus::kOk) {
        return {written, 0, ioError};
    }
    addEntry(std::move(line));
    return {PersonalFoodStatus::kOk, personalFoodId(m_entries.size() - 1)};
}

PersonalFoodStatus PersonalFoodDatabase::appendLine(std::string_view line, std::error_code& ioError)
{
    // Past a file-size limit the write fails and is cut off below, instead of the signal killing us.
    ignoreFileSizeSignal();
    // Another process appending between our size check and our write would write over our line.
    const std::unique_ptr<FileLock> turn = FileLock::lockReplacedFile(m_path);
    if (fileReplaced()) {
        std::string bytes;
        std::vector<std::pair<std::size_t, std::size_t>> lines;
        if (const PersonalFoodStatus read = reread(bytes, lines); read != PersonalFoodStatus::kOk) {
            return read;
        }
        if (m_entries.size() >= static_cast<std::size_t>(kMaxPersonalFoods)) {
            return PersonalFoodStatus::kDatabaseFull;
        }
    }
    errno = 0;
    std::fstream file(m_path, std::ios::in | std::ios::out | std::ios::binary);
    if (!file.is_open()) {
        ioError = systemError();
        return PersonalFoodStatus::kWriteFailed;
    }
    file.seekg(0, std::ios::end);
    const std::streamoff size = file.tellg();
    if (size < 0) {
        return PersonalFoodStatus::kWriteFailed;
    }
    if (static_cast<std::uint64_t>(size) != m_fileSize) {
        const PersonalFoodStatus caughtUp = catchUpWith(file, static_cast<std::uint64_t>(size));
        if (caughtUp != PersonalFoodStatus::kOk) {
            return caughtUp;
        }
        if (m_entries.size() >= static_cast<std::size_t>(kMaxPersonalFoods)) {
            return PersonalFoodStatus::kDatabaseFull;
        }
    }
    // One write of the whole line, so a failure leaves at most a tail that is cut off below.
    const std::string bytes = std::string(lineEndBeforeAppend(m_entries.empty() ? '\n' : m_lastByte)) +
                              std::string(line) + std::string(kUserfoodLineEnd);
    file.seekp(0, std::ios::end);
    errno = 0;
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.flush();
    // The system's reason, taken before anything else can change it.
    const std::error_code writeError = file.fail() ? systemError() : std::error_code();
    file.close();
    if (file.fail()) {
        ioError = writeError ? writeError : systemError();
        std::error_code error;
        std::filesystem::resize_file(m_path, static_cast<std::uintmax_t>(size), error);
        if (error) {
            // The file may now end in part of a line; writing more could only make it worse.
            m_state = FileState::kReadOnly;
        }
        return PersonalFoodStatus::kWriteFailed;
    }
    m_fileSize = static_cast<std::uint64_t>(size) + bytes.size();
    m_lastByte = '\n';
    return PersonalFoodStatus::kOk;
}

PersonalFoodStatus PersonalFoodDatabase::catchUp()
{
    std::error_code error;
    if (m_state != FileState::kWritable ||
        (std::filesystem::file_size(m_path, error) == m_fileSize && !fileReplaced())) {
        return PersonalFoodStatus::kOk;
    }
    const std::unique_ptr<FileLock> turn = FileLock::lockReplacedFile(m_path);
    if (fileReplaced()) {
        std::string bytes;
        std::vector<std::pair<std::size_t, std::size_t>> lines;
        const PersonalFoodStatus read = reread(bytes, lines);
        const bool told = read == PersonalFoodStatus::kOk || read == PersonalFoodStatus::kUnreadable;
        return told ? read : PersonalFoodStatus::kFileChanged;
    }
    std::fstream file(m_path, std::ios::in | std::ios::binary);
    const std::streamoff size = file.is_open() && file.seekg(0, std::ios::end) ? std::streamoff(file.tellg()) : -1;
    if (size < 0) {
        return PersonalFoodStatus::kUnreadable;
    }
    if (static_cast<std::uint64_t>(size) == m_fileSize) {
        return PersonalFoodStatus::kOk;
    }
    const PersonalFoodStatus caughtUp = catchUpWith(file, static_cast<std::uint64_t>(size));
    return caughtUp == PersonalFoodStatus::kWriteFailed ? PersonalFoodStatus::kUnreadable : caughtUp;
}

PersonalFoodStatus PersonalFoodDatabase::catchUpWith(std::fstream& file, std::uint64_t size)
{
    // Only a file that grew from what was read can be caught up with; the byte before the new ones tells
    // whether the old part was rewritten in the meantime.
    if (size < m_fileSize || size > kMaxFileBytes) {
        return PersonalFoodStatus::kFileChanged;
    }
    const std::uint64_t from = m_fileSize == 0 ? 0 : m_fileSize - 1;
    std::string added(static_cast<std::size_t>(size - from), '\0');
    if (!file.seekg(static_cast<std::streamoff>(from)).read(added.data(), static_cast<std::streamsize>(added.size()))) {
        return PersonalFoodStatus::kWriteFailed;
    }
    std::string_view lines(added);
    if (m_fileSize == 0) {
        lines.remove_prefix(lines.starts_with(kUtf8ByteOrderMark) ? kUtf8ByteOrderMark.size() : 0);
    } else if (lines.front() != m_lastByte) {
        return PersonalFoodStatus::kFileChanged;
    } else {
        lines.remove_prefix(1);
        if (!m_entries.empty() && !skipLineEndAfter(m_lastByte, lines)) {
            return PersonalFoodStatus::kFileChanged;
        }
    }
    std::uint64_t stoppedAt = 0;
    if (!indexLines(lines, true, stoppedAt)) {
        m_state = FileState::kReadOnly;
        m_readOnlyCause = PersonalFoodStatus::kTooManyLines;
        return PersonalFoodStatus::kDatabaseFull;
    }
    m_fileSize = size;
    m_lastByte = added.back();
    return PersonalFoodStatus::kOk;
}

PersonalFoodStatus PersonalFoodDatabase::replace(FoodId id, std::string_view name, std::string_view portion,
                                                 const PersonalFoodValues& values, std::optional<int> pyramidSlot)
{
    if (m_state == FileState::kNone) {
        return PersonalFoodStatus::kNoFile;
    }
    if (m_state == FileState::kReadOnly) {
        return m_readOnlyCause;
    }
    if (!exists(id)) {
        return PersonalFoodStatus::kNoSuchFood;
    }
    if (!userfoodValuesFit(values) || (pyramidSlot && (*pyramidSlot < 0 || *pyramidSlot >= kPyramidGroupCount))) {
        return PersonalFoodStatus::kValueOutOfRange;
    }
    std::string line = buildUserfoodLine(name, portion, values);
    if (pyramidSlot) {
        line += std::to_string(*pyramidSlot + 1) + ", ";
    }
    ignoreFileSizeSignal();
    const std::unique_ptr<FileLock> turn = FileLock::lockReplacedFile(m_path);
    std::string bytes;
    std::vector<std::pair<std::size_t, std::size_t>> lines;
    if (const PersonalFoodStatus read = reread(bytes, lines); read != PersonalFoodStatus::kOk) {
        return read;
    }
    const std::size_t index = id - kFirstPersonalFoodId;
    const auto [start, end] = lines[index];
    bytes.replace(start, end - start, line);
    if (writeFileAtomically(m_path, bytes)) {
        return PersonalFoodStatus::kWriteFailed;
    }
    m_entries[index].record = parseUserfoodLine(line);
    m_entries[index].line = std::move(line);
    m_fileSize = bytes.size();
    m_lastByte = bytes.back();
    m_stamp = fileStamp(m_path);
    return PersonalFoodStatus::kOk;
}

PersonalFoodStatus PersonalFoodDatabase::reread(std::string& bytes,
                                                std::vector<std::pair<std::size_t, std::size_t>>& lines)
{
    FileStart file = readFileStart(m_path, kMaxFileBytes);
    if (file.error) {
        return PersonalFoodStatus::kUnreadable;
    }
    if (file.fileSize > kMaxFileBytes) {
        return PersonalFoodStatus::kTooLarge;
    }
    bytes = std::move(file.bytes);
    std::size_t start = std::string_view(bytes).starts_with(kUtf8ByteOrderMark) ? kUtf8ByteOrderMark.size() : 0;
    while (start < bytes.size()) {
        const std::size_t next = std::min(bytes.find('\n', start), bytes.size());
        const std::size_t end = next > start && bytes[next - 1] == '\r' ? next - 1 : next;
        lines.emplace_back(start, end);
        start = next + 1;
    }
    if (lines.size() < m_entries.size()) {
        return PersonalFoodStatus::kFileChanged;
    }
    if (lines.size() > kMaxAddressableFoods) {
        return PersonalFoodStatus::kTooManyLines;
    }
    // In place, so that records handed out stay where they are.
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string line =
            userfoodTextToUtf8(std::string_view(bytes).substr(lines[i].first, lines[i].second - lines[i].first));
        if (i == m_entries.size()) {
            addEntry(std::move(line));
        } else if (line != m_entries[i].line) {
            m_entries[i].record = parseUserfoodLine(line);
            m_entries[i].line = std::move(line);
        }
    }
    m_fileSize = bytes.size();
    m_lastByte = bytes.empty() ? '\n' : bytes.back();
    m_stamp = fileStamp(m_path);
    return PersonalFoodStatus::kOk;
}

bool PersonalFoodDatabase::fileReplaced() const
{
    const FileStamp now = fileStamp(m_path);
    return now.device != m_stamp.device || now.inode != m_stamp.inode;
}

} // namespace mw
