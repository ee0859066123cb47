#include "model/unicode_case.h"

#include <gtest/gtest.h>

namespace mw {
namespace {

struct FoldCase
{
    char32_t from;
    char32_t to;
};

TEST(UnicodeCase, FoldsCapitalsOfEachScript)
{
    const FoldCase cases[] = {
        {U'A', U'a'},     {U'Z', U'z'},     {U'a', U'a'},     {U'@', U'@'},     {U'[', U'['},       {0x00C0, 0x00E0},
        {0x00D6, 0x00F6}, {0x00D7, 0x00D7}, {0x00D8, 0x00F8}, {0x00DE, 0x00FE}, {0x00DF, 0x00DF},   {0x00B5, 0x03BC},
        {0x00FF, 0x00FF}, {0x0100, 0x0101}, {0x0101, 0x0101}, {0x012E, 0x012F}, {0x0130, 0x0130},   {0x0131, 0x0131},
        {0x0132, 0x0133}, {0x0138, 0x0138}, {0x0139, 0x013A}, {0x0147, 0x0148}, {0x0148, 0x0148},   {0x0149, 0x0149},
        {0x014A, 0x014B}, {0x0152, 0x0153}, {0x0176, 0x0177}, {0x0178, 0x00FF}, {0x0179, 0x017A},   {0x017D, 0x017E},
        {0x017F, U's'},   {0x0386, 0x03AC}, {0x0388, 0x03AD}, {0x038A, 0x03AF}, {0x038C, 0x03CC},   {0x038E, 0x03CD},
        {0x038F, 0x03CE}, {0x0391, 0x03B1}, {0x03A1, 0x03C1}, {0x03A2, 0x03A2}, {0x03A3, 0x03C3},   {0x03A9, 0x03C9},
        {0x03AB, 0x03CB}, {0x03C2, 0x03C3}, {0x03C3, 0x03C3}, {0x03D1, 0x03B8}, {0x03DA, 0x03DB},   {0x03F4, 0x03B8},
        {0x03FD, 0x037B}, {0x0345, 0x03B9}, {0x0400, 0x0450}, {0x040F, 0x045F}, {0x0410, 0x0430},   {0x042F, 0x044F},
        {0x0430, 0x0430}, {0x0460, 0x0461}, {0x048A, 0x048B}, {0x04C0, 0x04CF}, {0x04C1, 0x04C2},   {0x04CD, 0x04CE},
        {0x04D0, 0x04D1}, {0x052E, 0x052F}, {0x0531, 0x0531}, {0x1E9E, 0x1E9E}, {0x1F600, 0x1F600},
    };
    for (const FoldCase& c : cases) {
        EXPECT_EQ(static_cast<std::uint32_t>(foldCase(c.from)), static_cast<std::uint32_t>(c.to))
            << std::hex << static_cast<std::uint32_t>(c.from);
    }
}

TEST(UnicodeCase, FoldingTwiceChangesNothing)
{
    for (char32_t c = 0; c < 0x0600; ++c) {
        EXPECT_EQ(foldCase(foldCase(c)), foldCase(c)) << std::hex << static_cast<std::uint32_t>(c);
    }
}

TEST(UnicodeCase, FoldsUtf8Text)
{
    EXPECT_EQ(foldCaseUtf8("Crème BRÛLÉE"), "crème brûlée");
    EXPECT_EQ(foldCaseUtf8("БОРЩ Щи"), "борщ щи");
    EXPECT_EQ(foldCaseUtf8("ΟΔΥΣΣΕΥΣ"), "οδυσσευσ");
    EXPECT_EQ(foldCaseUtf8("Ὀδυσσεύς"), "Ὀδυσσεύσ");           // Greek Extended is left alone, final sigma is not
    EXPECT_EQ(foldCaseUtf8("ŁÓDŹ İSTANBUL"), "łódź İstanbul"); // İ folds to two characters only: kept
    EXPECT_EQ(foldCaseUtf8("Straße"), "straße");
    EXPECT_EQ(foldCaseUtf8("emoji 😀 OK"), "emoji 😀 ok");
    EXPECT_EQ(foldCaseUtf8(""), "");
}

TEST(UnicodeCase, InvalidBytesAreCopiedAsTheyAre)
{
    const std::string broken[] = {
        "\xC3",             // lead byte at the end
        "A\xC3(B",          // lead byte before a non-continuation
        "\x80\xBF",         // stray continuation bytes
        "\xC0\xAF",         // overlong "/"
        "\xED\xA0\x80",     // surrogate
        "\xF4\x90\x80\x80", // past U+10FFFF
        "\xFF\xFE",         // never valid
        std::string("N\0L", 3),
    };
    for (const std::string& text : broken) {
        std::string expected = text;
        for (char& c : expected) {
            if (c >= 'A' && c <= 'Z') {
                c = static_cast<char>(c + 0x20);
            }
        }
        EXPECT_EQ(foldCaseUtf8(text), expected);
        EXPECT_EQ(utf8CharacterCount(text), text.size());
    }
}

TEST(UnicodeCase, LengthAndPrefixCountCharacters)
{
    EXPECT_EQ(utf8CharacterCount("abc"), 3u);
    EXPECT_EQ(utf8CharacterCount("Crème"), 5u);
    EXPECT_EQ(utf8CharacterCount("борщ😀"), 5u);
    const std::string text = "aé😀b";
    EXPECT_EQ(utf8Prefix(text, 0), "");
    EXPECT_EQ(utf8Prefix(text, 1), "a");
    EXPECT_EQ(utf8Prefix(text, 2), "aé");
    EXPECT_EQ(utf8Prefix(text, 3), "aé😀");
    EXPECT_EQ(utf8Prefix(text, 4), text);
    EXPECT_EQ(utf8Prefix(text, 99), text);
    // Text cut inside a character: the bytes left over count one each.
    EXPECT_EQ(utf8Prefix(text.substr(0, 5), 3), "a\xC3\xA9\xF0");
}

} // namespace
} // namespace mw
