#include "format/userfood_line.h"

#include "format/nutrient_value_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

namespace mw {
namespace {

constexpr float kDefaultReferenceWeight = 100.0f;

// Windows-1252 0x80..0x9F; the five bytes it leaves undefined map to the C1 controls of the same number.
constexpr char32_t kWindows1252High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                           0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                           0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                           0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

struct DecodedCharacter
{
    char32_t codePoint = 0;
    // Bytes the character takes; 0 when the bytes are not valid UTF-8 there.
    std::size_t length = 0;
};

bool isContinuationByte(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
DecodedCharacter decodeUtf8(std::string_view bytes)
{
    const auto lead = static_cast<unsigned char>(bytes[0]);
    if (lead < 0x80) {
        return {lead, 1};
    }
    std::size_t length = 0;
    unsigned char secondMin = 0x80;
    unsigned char secondMax = 0xBF;
    char32_t codePoint = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        codePoint = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0Fu;
        secondMin = lead == 0xE0 ? 0xA0 : 0x80;
        secondMax = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07u;
        secondMin = lead == 0xF0 ? 0x90 : 0x80;
        secondMax = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return {};
    }
    if (bytes.size() < length) {
        return {};
    }
    const auto second = static_cast<unsigned char>(bytes[1]);
    if (second < secondMin || second > secondMax) {
        return {};
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (!isContinuationByte(byte)) {
            return {};
        }
        codePoint = (codePoint << 6) | (byte & 0x3Fu);
    }
    return {codePoint, length};
}

bool isValidUtf8(std::string_view bytes)
{
    while (!bytes.empty()) {
        const DecodedCharacter character = decodeUtf8(bytes);
        if (character.length == 0) {
            return false;
        }
        bytes.remove_prefix(character.length);
    }
    return true;
}

void appendUtf8(std::string& text, char32_t codePoint)
{
    if (codePoint < 0x80) {
        text += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        text += static_cast<char>(0xC0 | (codePoint >> 6));
        text += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        text += static_cast<char>(0xE0 | (codePoint >> 12));
        text += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (codePoint >> 18));
        text += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

char32_t windows1252CodePoint(unsigned char byte)
{
    return byte >= 0x80 && byte <= 0x9F ? kWindows1252High[byte - 0x80] : byte;
}

// Characters that would end the line, break its quoting or show as nothing.
bool isStoredAsBlank(char32_t c)
{
    return c == '"' || c == '[' || c == ']' || c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029;
}

std::string_view skipBlanks(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t\n\v\f\r");
    return first == std::string_view::npos ? std::string_view() : text.substr(first);
}

// Takes a leading sign off text; true when it was a minus.
bool takeSign(std::string_view& text)
{
    if (text.empty() || (text.front() != '+' && text.front() != '-')) {
        return false;
    }
    const bool negative = text.front() == '-';
    text.remove_prefix(1);
    return negative;
}

// The pieces after the closing quote: v0..v27, then the pyramid group. Empty pieces between
// adjacent commas do not count.
void readNumbers(std::string_view rest, PersonalFoodRecord& record)
{
    std::size_t piece = 0;
    while (!rest.empty() && piece <= kNutrientCount) {
        const std::size_t comma = rest.find(',');
        const std::string_view text = rest.substr(0, comma);
        rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
        if (text.empty()) {
            continue;
        }
        if (piece < kNutrientCount) {
            record.values[piece] = readUserfoodValue(text);
        } else if (const std::optional<int> slot = readUserfoodPyramidSlot(text)) {
            record.pyramidSlot = *slot;
        }
        ++piece;
    }
}

} // namespace

std::string userfoodTextToUtf8(std::string_view bytes)
{
    if (isValidUtf8(bytes)) {
        return std::string(bytes);
    }
    std::string text;
    text.reserve(bytes.size() * 2);
    for (const char byte : bytes) {
        appendUtf8(text, windows1252CodePoint(static_cast<unsigned char>(byte)));
    }
    return text;
}

std::string sanitizeUserfoodText(std::string_view text)
{
    const std::string utf8 = userfoodTextToUtf8(text);
    std::string stored;
    stored.reserve(utf8.size());
    std::string_view rest = utf8;
    while (!rest.empty()) {
        const DecodedCharacter character = decodeUtf8(rest);
        if (isStoredAsBlank(character.codePoint)) {
            stored += ' ';
        } else {
            stored.append(rest.substr(0, character.length));
        }
        rest.remove_prefix(character.length);
    }
    return stored;
}

std::vector<char32_t> unstorableUserfoodCharacters(std::string_view text)
{
    const std::string utf8 = userfoodTextToUtf8(text);
    std::vector<char32_t> found;
    for (std::string_view rest = utf8; !rest.empty();) {
        const DecodedCharacter character = decodeUtf8(rest);
        if (isStoredAsBlank(character.codePoint) &&
            std::find(found.begin(), found.end(), character.codePoint) == found.end()) {
            found.push_back(character.codePoint);
        }
        rest.remove_prefix(character.length);
    }
    return found;
}

bool isBlankUserfoodText(std::string_view text)
{
    return sanitizeUserfoodText(text).find_first_not_of(" \t") == std::string::npos;
}

float readUserfoodValue(std::string_view piece)
{
    piece = skipBlanks(piece);
    const bool negative = takeSign(piece);
    double value = 0.0;
    const auto result = std::from_chars(piece.data(), piece.data() + piece.size(), value, std::chars_format::general);
    if (result.ec != std::errc() || negative || !(value >= kSmallestUserfoodValue && value <= kLargestUserfoodValue)) {
        return 0.0f;
    }
    return static_cast<float>(value);
}

std::optional<int> readUserfoodPyramidSlot(std::string_view piece)
{
    piece = skipBlanks(piece);
    const bool negative = takeSign(piece);
    long long group = 0;
    const auto result = std::from_chars(piece.data(), piece.data() + piece.size(), group);
    if (result.ec != std::errc() || negative || group < 1 || group > kPyramidGroupCount) {
        return std::nullopt;
    }
    return static_cast<int>(group - 1);
}

PersonalFoodRecord parseUserfoodLine(std::string_view line)
{
    PersonalFoodRecord record;
    const std::size_t open = line.find('"');
    if (open == std::string_view::npos) {
        // No quotes at all: show the whole line so the user can find and mend it.
        record.text = std::string(line);
    } else {
        const std::size_t close = line.find('"', open + 1);
        record.text = std::string(line.substr(open + 1, close == std::string_view::npos ? close : close - open - 1));
        if (close != std::string_view::npos) {
            readNumbers(line.substr(close + 1), record);
        }
    }
    if (record.values[kWeight] == 0.0f) {
        record.values[kWeight] = kDefaultReferenceWeight;
    }
    return record;
}

bool userfoodValuesFit(const PersonalFoodValues& values)
{
    for (const float value : values) {
        if (!std::isfinite(value) || value > kLargestUserfoodValue) {
            return false;
        }
    }
    return userfoodValueText(values[kWeight]) != "0";
}

std::string buildUserfoodLine(std::string_view name, std::string_view portion, const PersonalFoodValues& values)
{
    std::string line = "\"" + sanitizeUserfoodText(name) + " [" + sanitizeUserfoodText(portion) + "]\", ";
    for (const float value : values) {
        line += userfoodValueText(value);
        line += ", ";
    }
    return line;
}

} // namespace mw
