#pragma once

#include "model/meal.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace mw {

class CFofDoc;

// A day file (.ypd) is the six meals one after the other, little-endian, with no header:
//   meal  = count (u16; 0xFFFF then a u32 for 65535 or more), then count entry records
//   entry = tag, then FoodId (u16) and amount (u16)
//   tag   = 0xFFFF schema(u16 0) length(u16 5) "CFood" - the entry class, described once per file
//         | 0x8000 + i                                  - the class that received index i
//         | 0x7FFF u32 (0x80000000 + i)                 - the same, long form
// Class descriptions and entries are numbered 1, 2, ... in the order they are read.

enum class DayFileError : std::uint8_t
{
    kNone = 0,
    kCannotRead,         // the file could not be opened or read (see ioError)
    kFileTooLarge,       // the day does not end within the largest file the reader accepts
    kEndsInCount,        // the file ends inside or before a meal's entry count
    kCountTooLarge,      // a meal claims more entries than the rest of the file can hold
    kEndsInTag,          // the file ends inside an entry's tag
    kEndsInClass,        // the file ends inside the description of the entry class
    kWrongSchema,        // the entry class has a schema other than 0
    kClassNameTooLong,   // the entry class name is 64 bytes or longer
    kWrongClassName,     // the entry class is not "CFood"
    kNotAClassReference, // a tag names an index that was not given to the entry class
    kNullElement,        // an entry is a null element
    kObjectReference,    // an entry refers back to an entry already read, so two would be one
    kEndsInEntry,        // the file ends inside an entry's FoodId and amount
    kNotADayFile,        // the bytes where the first entry should begin cannot begin one: another kind of file
};

struct DayFileResult
{
    DayFileError error = DayFileError::kNone;
    // Where the field that went wrong begins.
    std::size_t offset = 0;
    // The meal 0..5 and the entry in it (from 0) being read, when there is one.
    std::optional<int> meal;
    std::optional<std::uint32_t> entry;
    // The system's reason for kCannotRead.
    std::error_code ioError;

    bool ok() const { return error == DayFileError::kNone; }
};

// The largest file the reader reads; bytes after the sixth meal are never looked at.
inline constexpr std::size_t kMaxDayFileSize = 64u << 20;

// A short English cause, e.g. "the file ends inside an entry".
std::string_view dayFileErrorName(DayFileError error);
// The cause with its place, e.g. "the file ends inside entry 2 of lunch (meal 3) at byte 27".
std::string describeDayFileError(const DayFileResult& result);

// Reads a day from bytes; meals is replaced only on success.
DayFileResult decodeDayFile(std::string_view bytes, DayMeals& meals);
std::string encodeDayFile(const DayMeals& meals);

// Reads a day file into meals, which are replaced only on success. Unlike loadDayFile it never looks at the
// file's folder, so reading many days of one large folder stays cheap.
DayFileResult readDayFile(const std::filesystem::path& path, DayMeals& meals);
// Opens a day file into the document, which is left untouched when the file cannot be read and
// is unmodified after a successful read.
DayFileResult loadDayFile(const std::filesystem::path& path, CFofDoc& document);
// Writes the document atomically; on failure the previous file is intact.
std::error_code saveDayFile(const std::filesystem::path& path, const CFofDoc& document);

} // namespace mw
