#include "format/food_attribute_file.h"

#include "format/byte_order.h"

#include <optional>

namespace mw {
namespace {

constexpr std::uint16_t kCountEscape = 0xFFFF;

std::optional<std::uint32_t> readCount(ByteReader& in)
{
    const std::optional<std::uint16_t> shortCount = in.readU16();
    if (shortCount != kCountEscape) {
        return shortCount;
    }
    return in.readU32();
}

} // namespace

FoodAttributeFileContents decodeFoodAttributeFile(std::string_view bytes)
{
    FoodAttributeFileContents contents;
    ByteReader in(bytes);
    const std::optional<std::uint32_t> count = readCount(in);
    if (!count) {
        contents.status = FoodAttributeFileStatus::kNoCount;
        return contents;
    }
    contents.count = *count;
    if (*count != kFoodAttributeWordCount) {
        contents.status = FoodAttributeFileStatus::kWrongCount;
        return contents;
    }
    for (std::uint16_t& word : contents.words) {
        const std::optional<std::uint16_t> value = in.readU16();
        if (!value) {
            break;
        }
        word = *value;
        ++contents.wordsRead;
    }
    contents.status = contents.wordsRead == kFoodAttributeWordCount ? FoodAttributeFileStatus::kComplete
                                                                    : FoodAttributeFileStatus::kShort;
    return contents;
}

std::string encodeFoodAttributeFile(const FoodAttributeWords& words)
{
    ByteWriter out;
    out.reserve(kFoodAttributeFileSize);
    out.writeU16(static_cast<std::uint16_t>(words.size()));
    for (const std::uint16_t word : words) {
        out.writeU16(word);
    }
    return out.take();
}

} // namespace mw
