#include "format/day_file.h"

#include "format/atomic_file.h"
#include "format/byte_order.h"
#include "format/file_bytes.h"
#include "model/day_document.h"

#include <array>
#include <limits>
#include <new>
#include <utility>
#include <vector>

namespace mw {
namespace {

constexpr std::uint16_t kCountEscape = 0xFFFF;
constexpr std::uint16_t kNewClassTag = 0xFFFF;
constexpr std::uint16_t kShortClassFlag = 0x8000;
constexpr std::uint16_t kLongTag = 0x7FFF;
constexpr std::uint32_t kLongClassFlag = 0x80000000;
constexpr std::uint16_t kEntrySchema = 0;
constexpr std::string_view kEntryClassName = "CFood";
constexpr std::size_t kMaxClassNameLength = 63;
// The class always receives the first index, since the writer describes it before any entry.
constexpr std::uint16_t kEntryClassReference = kShortClassFlag | 1;
// A class reference and the two words: no entry record can be shorter.
constexpr std::uint64_t kSmallestEntrySize = 6;

constexpr std::array<std::string_view, kMealCount> kMealNames = {"breakfast",       "morning snack", "lunch",
                                                                 "afternoon snack", "dinner",        "evening snack"};

struct ReadFailure
{
    DayFileError error;
    std::size_t offset;
};

// Reads the six meals; any fault throws a ReadFailure that read() turns into the result.
class DayReader
{
public:
    explicit DayReader(std::string_view bytes) : m_in(bytes) {}

    DayFileResult read(DayMeals& meals)
    {
        try {
            for (int m = 0; m < kMealCount; ++m) {
                m_meal = m;
                m_entry.reset();
                readMeal(meals[static_cast<std::size_t>(m)]);
            }
            return {};
        } catch (const ReadFailure& failure) {
            return {failure.error, failure.offset, m_meal, m_entry, {}};
        }
    }

private:
    [[noreturn]] static void fail(DayFileError error, std::size_t offset) { throw ReadFailure{error, offset}; }

    std::uint16_t readU16(DayFileError ifCut)
    {
        const std::size_t at = m_in.offset();
        const std::optional<std::uint16_t> value = m_in.readU16();
        if (!value) {
            fail(ifCut, at);
        }
        return *value;
    }

    std::uint32_t readU32(DayFileError ifCut)
    {
        const std::size_t at = m_in.offset();
        const std::optional<std::uint32_t> value = m_in.readU32();
        if (!value) {
            fail(ifCut, at);
        }
        return *value;
    }

    void readMeal(CMeal& meal)
    {
        const std::size_t countAt = m_in.offset();
        std::uint32_t count = readU16(DayFileError::kEndsInCount);
        if (count == kCountEscape) {
            count = readU32(DayFileError::kEndsInCount);
        }
        if (count > 0 && m_isEntryClass.empty()) {
            checkFirstEntryStart();
        }
        // Checked before anything is allocated: a few bytes may not claim billions of entries.
        if (count * kSmallestEntrySize > m_in.remaining()) {
            fail(DayFileError::kCountTooLarge, countAt);
        }
        meal.reserve(count);
        for (std::uint32_t k = 0; k < count; ++k) {
            m_entry = k;
            readEntryTag();
            takeIndex(false);
            meal.append(readEntryBody());
        }
    }

    // A day file describes the entry class before its first entry, so its first entry starts with the
    // class tag. Other bytes there (text, a picture, ...) mean another kind of file; a file cut inside the
    // tag is left to the errors that say where it ends.
    void checkFirstEntryStart() const
    {
        ByteReader ahead = m_in;
        for (int i = 0; i < 2; ++i) {
            const std::optional<std::string_view> byte = ahead.readBytes(1);
            if (!byte) {
                return;
            }
            if (static_cast<unsigned char>(byte->front()) != (kNewClassTag & 0xFF)) {
                fail(DayFileError::kNotADayFile, m_in.offset());
            }
        }
    }

    void readEntryTag()
    {
        const std::size_t tagAt = m_in.offset();
        const std::uint16_t tag = readU16(DayFileError::kEndsInTag);
        if (tag == kNewClassTag) {
            readClassDescription();
            return;
        }
        std::uint32_t longTag = tag;
        if (tag == kLongTag) {
            longTag = readU32(DayFileError::kEndsInTag);
        } else if ((tag & kShortClassFlag) != 0) {
            longTag = kLongClassFlag | (tag & ~kShortClassFlag);
        }
        if ((longTag & kLongClassFlag) == 0) {
            fail(longTag == 0 ? DayFileError::kNullElement : DayFileError::kObjectReference, tagAt);
        }
        const std::uint32_t classIndex = longTag & ~kLongClassFlag;
        if (!isEntryClassIndex(classIndex)) {
            fail(DayFileError::kNotAClassReference, tagAt);
        }
    }

    void readClassDescription()
    {
        const std::size_t schemaAt = m_in.offset();
        if (readU16(DayFileError::kEndsInClass) != kEntrySchema) {
            fail(DayFileError::kWrongSchema, schemaAt);
        }
        const std::size_t lengthAt = m_in.offset();
        const std::uint16_t length = readU16(DayFileError::kEndsInClass);
        if (length > kMaxClassNameLength) {
            fail(DayFileError::kClassNameTooLong, lengthAt);
        }
        const std::size_t nameAt = m_in.offset();
        const std::optional<std::string_view> name = m_in.readBytes(length);
        if (!name) {
            fail(DayFileError::kEndsInClass, nameAt);
        }
        if (*name != kEntryClassName) {
            fail(DayFileError::kWrongClassName, nameAt);
        }
        takeIndex(true);
    }

    CFood readEntryBody()
    {
        const FoodId id = readU16(DayFileError::kEndsInEntry);
        const Grams amount = readU16(DayFileError::kEndsInEntry);
        return CFood(id, amount);
    }

    // Class descriptions and entries share one numbering that starts at 1.
    void takeIndex(bool isEntryClass) { m_isEntryClass.push_back(isEntryClass); }

    bool isEntryClassIndex(std::uint32_t index) const
    {
        return index >= 1 && index <= m_isEntryClass.size() && m_isEntryClass[index - 1];
    }

    ByteReader m_in;
    // Element i tells whether index i + 1 went to the entry class.
    std::vector<bool> m_isEntryClass;
    std::optional<int> m_meal;
    std::optional<std::uint32_t> m_entry;
};

bool isCutShort(DayFileError error)
{
    switch (error) {
    case DayFileError::kEndsInCount:
    case DayFileError::kCountTooLarge:
    case DayFileError::kEndsInTag:
    case DayFileError::kEndsInClass:
    case DayFileError::kEndsInEntry:
        return true;
    default:
        return false;
    }
}

void writeCount(ByteWriter& out, std::size_t count)
{
    if (count < kCountEscape) {
        out.writeU16(static_cast<std::uint16_t>(count));
        return;
    }
    out.writeU16(kCountEscape);
    out.writeU32(static_cast<std::uint32_t>(count));
}

void writeEntryClassDescription(ByteWriter& out)
{
    out.writeU16(kNewClassTag);
    out.writeU16(kEntrySchema);
    out.writeU16(static_cast<std::uint16_t>(kEntryClassName.size()));
    out.writeBytes(kEntryClassName);
}

// Exactly what encodeDayFile writes.
std::size_t encodedSize(const DayMeals& meals)
{
    std::size_t size = 0;
    std::size_t entries = 0;
    for (const CMeal& meal : meals) {
        size += (meal.size() < kCountEscape ? 2 : 6) + meal.size() * kSmallestEntrySize;
        entries += meal.size();
    }
    // The first entry carries the class description (tag, schema, length, name) instead of a reference.
    return entries == 0 ? size : size + 2 + 2 + kEntryClassName.size();
}

// The reader must be able to take back whatever is saved.
bool fitsDayFile(const DayMeals& meals)
{
    for (const CMeal& meal : meals) {
        if (meal.size() > std::numeric_limits<std::uint32_t>::max()) {
            return false;
        }
    }
    return encodedSize(meals) <= kMaxDayFileSize;
}

} // namespace

std::string_view dayFileErrorName(DayFileError error)
{
    switch (error) {
    case DayFileError::kNone:
        return "no error";
    case DayFileError::kCannotRead:
        return "the file cannot be read";
    case DayFileError::kFileTooLarge:
        return "the file is too large to be a day";
    case DayFileError::kEndsInCount:
        return "the file ends before the meal's entry count";
    case DayFileError::kCountTooLarge:
        return "the meal claims more entries than the file holds";
    case DayFileError::kEndsInTag:
        return "the file ends inside an entry's tag";
    case DayFileError::kEndsInClass:
        return "the file ends inside the entry class description";
    case DayFileError::kWrongSchema:
        return "the entry class has an unknown schema";
    case DayFileError::kClassNameTooLong:
        return "the entry class name is 64 bytes or longer";
    case DayFileError::kWrongClassName:
        return "the file holds a class other than food entries";
    case DayFileError::kNotAClassReference:
        return "an entry names a class the file never described";
    case DayFileError::kNullElement:
        return "the meal holds an empty element";
    case DayFileError::kObjectReference:
        return "an entry repeats an entry read before";
    case DayFileError::kEndsInEntry:
        return "the file ends inside an entry";
    case DayFileError::kNotADayFile:
        return "the file is not a day file";
    }
    return "unknown error";
}

std::string describeDayFileError(const DayFileResult& result)
{
    std::string text(dayFileErrorName(result.error));
    if (result.error == DayFileError::kCannotRead && result.ioError.category() == notAFileCategory()) {
        return result.ioError.message() + ", not a day file";
    }
    if (result.error == DayFileError::kCannotRead) {
        return result.ioError ? text + ": " + result.ioError.message() : text;
    }
    if (result.ok() || result.error == DayFileError::kNotADayFile) {
        return text;
    }
    text += " (";
    if (result.meal && *result.meal >= 0 && *result.meal < kMealCount) {
        if (result.entry) {
            text += "entry " + std::to_string(*result.entry + 1ull) + " of ";
        }
        text += std::string(kMealNames[static_cast<std::size_t>(*result.meal)]);
        text += ", meal " + std::to_string(*result.meal + 1) + ", ";
    }
    return text + "byte " + std::to_string(result.offset) + ")";
}

DayFileResult decodeDayFile(std::string_view bytes, DayMeals& meals)
{
    try {
        DayMeals read;
        const DayFileResult result = DayReader(bytes).read(read);
        if (result.ok()) {
            meals = std::move(read);
        }
        return result;
    } catch (const std::bad_alloc&) {
        return {DayFileError::kCannotRead, 0, std::nullopt, std::nullopt,
                std::make_error_code(std::errc::not_enough_memory)};
    }
}

std::string encodeDayFile(const DayMeals& meals)
{
    ByteWriter out;
    out.reserve(encodedSize(meals));
    bool classWritten = false;
    for (const CMeal& meal : meals) {
        writeCount(out, meal.size());
        for (const CFood& entry : meal) {
            if (classWritten) {
                out.writeU16(kEntryClassReference);
            } else {
                writeEntryClassDescription(out);
                classWritten = true;
            }
            out.writeU16(entry.foodId());
            out.writeU16(entry.amount());
        }
    }
    return out.take();
}

DayFileResult readDayFile(const std::filesystem::path& path, DayMeals& meals)
{
    const FileStart file = readFileStart(path, kMaxDayFileSize);
    if (file.error) {
        return {DayFileError::kCannotRead, 0, std::nullopt, std::nullopt, file.error};
    }
    DayFileResult result = decodeDayFile(file.bytes, meals);
    if (!result.ok() && isCutShort(result.error) && file.fileSize > file.bytes.size()) {
        // The day runs past what the reader takes in, so the cut is ours, not the file's.
        result = {DayFileError::kFileTooLarge, file.bytes.size(), std::nullopt, std::nullopt, {}};
    }
    return result;
}

DayFileResult loadDayFile(const std::filesystem::path& path, CFofDoc& document)
{
    removeStaleTemporaryFiles(path);
    DayMeals meals;
    const DayFileResult result = readDayFile(path, meals);
    if (result.ok()) {
        document.replaceMeals(std::move(meals));
    }
    return result;
}

std::error_code saveDayFile(const std::filesystem::path& path, const CFofDoc& document)
{
    if (!fitsDayFile(document.meals())) {
        return SaveError::kTooLargeToReadBack;
    }
    return writeFileAtomically(path, encodeDayFile(document.meals()));
}

} // namespace mw
