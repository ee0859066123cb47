#include "format/food_attribute_database.h"

#include "format/atomic_file.h"
#include "format/file_bytes.h"

#include <algorithm>

namespace mw {
namespace {

FoodAttributeLoadStatus loadStatus(FoodAttributeFileStatus fileStatus)
{
    switch (fileStatus) {
    case FoodAttributeFileStatus::kComplete:
        return FoodAttributeLoadStatus::kLoaded;
    case FoodAttributeFileStatus::kShort:
        return FoodAttributeLoadStatus::kShortFile;
    case FoodAttributeFileStatus::kNoCount:
        return FoodAttributeLoadStatus::kNoCount;
    case FoodAttributeFileStatus::kWrongCount:
        return FoodAttributeLoadStatus::kWrongCount;
    }
    return FoodAttributeLoadStatus::kWrongCount;
}

} // namespace

std::uint16_t CFoodAttributeDatabase::test(FoodId id, std::uint16_t mask) const
{
    if (!hasWord(id)) {
        return 0;
    }
    if (mask == 0) {
        return (m_words[id] & kHidden) == 0 ? 1 : 0;
    }
    return m_words[id] & mask;
}

void CFoodAttributeDatabase::set(FoodId id, std::uint16_t mask)
{
    if (hasWord(id)) {
        changeWord(id, m_words[id] | mask);
    }
}

void CFoodAttributeDatabase::clear(FoodId id, std::uint16_t mask)
{
    if (hasWord(id)) {
        changeWord(id, m_words[id] & static_cast<std::uint16_t>(~mask));
    }
}

void CFoodAttributeDatabase::changeWord(FoodId id, std::uint16_t value)
{
    if (m_words[id] != value) {
        m_words[id] = value;
        m_changed = true;
    }
}

int CFoodAttributeDatabase::count(std::uint16_t mask) const
{
    return static_cast<int>(
        std::count_if(m_words.begin(), m_words.end(), [mask](std::uint16_t word) { return (word & mask) != 0; }));
}

void CFoodAttributeDatabase::reset()
{
    if (count(0xFFFF) != 0) {
        m_words.fill(0);
        m_changed = true;
    }
}

FoodAttributeLoadResult CFoodAttributeDatabase::load(const std::filesystem::path& path)
{
    m_path = path;
    m_words.fill(0);
    // A save killed earlier may have left its temporary file; nothing else would ever remove it.
    removeStaleTemporaryFiles(path);
    FoodAttributeLoadResult result;
    const FileStart file = readFileStart(path, kFoodAttributeFileMaxUsefulSize);
    if (file.error) {
        const bool missing = file.error == std::errc::no_such_file_or_directory;
        result.status = missing ? FoodAttributeLoadStatus::kMissing : FoodAttributeLoadStatus::kUnreadable;
        result.ioError = missing ? std::error_code() : file.error;
        // A file we could not read may still hold the user's flags: only a change overwrites it.
        m_changed = missing;
        return result;
    }
    const FoodAttributeFileContents contents = decodeFoodAttributeFile(file.bytes);
    result.status = loadStatus(contents.status);
    result.wordsRead = contents.wordsRead;
    m_words = contents.words;
    // Anything but a complete file is rewritten whole at the next save.
    m_changed = result.status != FoodAttributeLoadStatus::kLoaded;
    return result;
}

std::error_code CFoodAttributeDatabase::save()
{
    if (m_path.empty()) {
        return std::make_error_code(std::errc::invalid_argument);
    }
    const std::error_code error = writeFileAtomically(m_path, encodeFoodAttributeFile(m_words));
    if (!error) {
        m_changed = false;
    }
    return error;
}

std::error_code CFoodAttributeDatabase::saveIfChanged()
{
    return m_changed ? save() : std::error_code();
}

} // namespace mw
