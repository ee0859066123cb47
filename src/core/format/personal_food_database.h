#pragma once

#include "format/file_bytes.h"
#include "format/userfood_line.h"
#include "model/food_types.h"
#include "model/personal_food_source.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

namespace mw {

enum class PersonalFoodStatus : int
{
    kOk = 0,
    // open: the file cannot be written, its foods can be used. append: refused for that reason.
    kReadOnly,
    // open: the file was missing and could not be created; the database is empty.
    kCannotCreate,
    // open: a folder or device stands where the file should be; the database is empty.
    kNotAFile,
    // open: the file exists but cannot be read (reading failed at byteOffset); the database is
    // empty and the file untouched.
    kUnreadable,
    // open: the file is too big; the lines before byteOffset are used, read-only. append: refused for that.
    kTooLarge,
    // append: the database runs without a file.
    kNoFile,
    // append: it holds kMaxPersonalFoods foods, the most the food attribute store has room for.
    kDatabaseFull,
    // append: a value is not a number or too large, or the weight would be written as 0; nothing written.
    kValueOutOfRange,
    // append: something else rewrote or cut the file since it was read (lines others appended are
    // read in instead), so the new line would not get the FoodId this database would give it;
    // nothing written.
    kFileChanged,
    // append: the line could not be written; the file is as it was.
    kWriteFailed,
    // open: the file has more lines than FoodIds can name; the lines before byteOffset are used,
    // read-only. append: refused for that.
    kTooManyLines,
    // replace: there is no personal food of that FoodId.
    kNoSuchFood,
};

struct PersonalFoodOpenResult
{
    PersonalFoodStatus status = PersonalFoodStatus::kOk;
    // Where reading stopped, for kUnreadable and kTooLarge.
    std::uint64_t byteOffset = 0;
};

struct PersonalFoodAppendResult
{
    PersonalFoodStatus status = PersonalFoodStatus::kOk;
    // The new food's id when status is kOk.
    FoodId id = 0;
    // Why the system refused the write, for kWriteFailed ("no space left on device").
    std::error_code ioError{};
};

// The FoodId of personal record number index (0 for the first line).
constexpr FoodId personalFoodId(std::size_t index)
{
    return static_cast<FoodId>(kFirstPersonalFoodId + index);
}

// The user's own foods in userfood.txt, one line each, FoodId 643 for the first line. The file is
// read once when opened; lookups by id are then constant time, and appended lines join the index.
class PersonalFoodDatabase final : public PersonalFoodSource
{
public:
    static constexpr std::string_view kFileName = "userfood.txt";
    // Larger files are used only up to here, read-only.
    static constexpr std::size_t kMaxFileBytes = std::size_t{64} << 20;
    // FoodIds are 16 bits wide, so lines after this many cannot be named.
    static constexpr std::size_t kMaxAddressableFoods = 65536 - kFirstPersonalFoodId;

    enum class Access
    {
        kReadWrite,
        // Never creates or changes the file; a missing file is an empty database.
        kReadOnly,
    };

    PersonalFoodDatabase() = default;
    PersonalFoodDatabase(const PersonalFoodDatabase&) = delete;
    PersonalFoodDatabase& operator=(const PersonalFoodDatabase&) = delete;

    // Reads folder/userfood.txt, creating it empty when it is missing. Whatever the status, the
    // database can be used afterwards; records from an earlier open are dropped.
    PersonalFoodOpenResult open(const std::filesystem::path& folder, Access access = Access::kReadWrite);

    std::size_t count() const override { return m_entries.size(); }
    // Stays valid until the next open; appends do not move records.
    const PersonalFoodRecord* record(std::size_t index) const override;

    bool exists(FoodId id) const;
    // The stored line of a food in UTF-8 without its line end, or nullptr when there is none.
    const std::string* recordText(FoodId id) const;

    // How many foods lists of personal foods show: the first kMaxPersonalFoods.
    std::size_t listedCount() const;
    // The list item "id;Name [portion]" of record number index; the deleted-food text past the end.
    std::string itemText(std::size_t index) const;
    // The items of the listed foods in file order.
    std::vector<std::string> listItems() const;

    // Writes the food's line at the end of the file, flushed, and gives it the next FoodId. Lines another
    // program appended since the file was read join the database first, with the FoodIds they have
    // there. On any failure nothing is added and the file is as it was.
    PersonalFoodAppendResult append(std::string_view name, std::string_view portion, const PersonalFoodValues& values);

    // Writes the food's line anew in place, with its pyramid slot 0..5 (none when nullopt) after the values, so
    // the food keeps its FoodId and days that use it keep working. The file is rewritten atomically under its
    // lock; changes others made to it meanwhile are read in first. On any failure the file is as it was.
    PersonalFoodStatus replace(FoodId id, std::string_view name, std::string_view portion,
                               const PersonalFoodValues& values, std::optional<int> pyramidSlot);

    // Reads the lines another program appended to the file since it was read, as append does, without
    // adding any: kOk when there were none or they were read; kFileChanged when the file was rewritten or
    // cut, kUnreadable when it cannot be read (the database stays as it was then). A database that cannot
    // append has nothing to catch up with.
    PersonalFoodStatus catchUp();

    // Where the file is (or would be); empty before the first open.
    const std::filesystem::path& filePath() const { return m_path; }

private:
    struct Entry
    {
        std::string line;
        PersonalFoodRecord record;
    };

    enum class FileState
    {
        kNone,
        kReadOnly,
        kWritable,
    };

    void reset(const std::filesystem::path& path);
    PersonalFoodOpenResult readFile(bool writable);
    // Indexes whole lines of bytes; false when they hold more lines than FoodIds can name.
    bool indexLines(std::string_view bytes, bool complete, std::uint64_t& stoppedAt);
    void addEntry(std::string line);
    PersonalFoodStatus appendLine(std::string_view line, std::error_code& ioError);
    // Reads the lines appended to the open file since it was last read or written.
    PersonalFoodStatus catchUpWith(std::fstream& file, std::uint64_t size);
    // Reads the whole file again under its lock, keeping the FoodIds: lines may have changed in place or
    // been appended, not removed. Gives the bytes read and where each line's text begins and ends.
    PersonalFoodStatus reread(std::string& bytes, std::vector<std::pair<std::size_t, std::size_t>>& lines);
    // Whether a save by another program replaced the file since it was read.
    bool fileReplaced() const;

    std::deque<Entry> m_entries;
    std::filesystem::path m_path;
    FileState m_state = FileState::kNone;
    // Why append refuses a read-only file.
    PersonalFoodStatus m_readOnlyCause = PersonalFoodStatus::kReadOnly;
    // The file's size as read plus what was appended since, and its last byte then, to notice changes
    // made by others.
    std::uint64_t m_fileSize = 0;
    char m_lastByte = '\n';
    // Which file the path named when it was last read or written.
    FileStamp m_stamp;
};

} // namespace mw
