#include "model/unicode_case.h"

#include <cstdint>

namespace mw {
namespace {

struct DecodedChar
{
    char32_t code = 0;
    std::size_t length = 1;
    bool valid = false;
};

constexpr bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0u) == 0x80u;
}

// One character at the start of text; invalid, overlong and surrogate sequences give one invalid byte.
DecodedChar decodeUtf8(std::string_view text)
{
    const auto lead = static_cast<unsigned char>(text[0]);
    if (lead < 0x80u) {
        return {lead, 1, true};
    }
    std::size_t length = 0;
    char32_t code = 0;
    char32_t smallest = 0;
    if ((lead & 0xE0u) == 0xC0u) {
        length = 2;
        code = lead & 0x1Fu;
        smallest = 0x80;
    } else if ((lead & 0xF0u) == 0xE0u) {
        length = 3;
        code = lead & 0x0Fu;
        smallest = 0x800;
    } else if ((lead & 0xF8u) == 0xF0u) {
        length = 4;
        code = lead & 0x07u;
        smallest = 0x10000;
    } else {
        return {};
    }
    if (text.size() < length) {
        return {};
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (!isContinuation(byte)) {
            return {};
        }
        code = (code << 6) | (byte & 0x3Fu);
    }
    if (code < smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return {};
    }
    return {code, length, true};
}

void appendUtf8(std::string& out, char32_t code)
{
    if (code < 0x80) {
        out.push_back(static_cast<char>(code));
    } else if (code < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (code >> 6)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else if (code < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (code >> 12)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (code >> 18)));
        out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    }
}

constexpr bool inRange(char32_t c, char32_t first, char32_t last)
{
    return c >= first && c <= last;
}

// In blocks where capitals and small letters alternate, the capital sits at the even (or odd) place.
constexpr char32_t foldPair(char32_t c, bool capitalIsEven)
{
    return ((c % 2 == 0) == capitalIsEven) ? c + 1 : c;
}

char32_t foldLatin(char32_t c)
{
    if (inRange(c, U'A', U'Z')) {
        return c + 0x20;
    }
    if (c == 0x00B5) { // micro sign
        return 0x03BC;
    }
    if (inRange(c, 0x00C0, 0x00DE) && c != 0x00D7) {
        return c + 0x20;
    }
    if (c == 0x0178) {
        return 0x00FF;
    }
    if (c == 0x017F) { // long s
        return U's';
    }
    if (inRange(c, 0x0100, 0x012F) || inRange(c, 0x0132, 0x0137) || inRange(c, 0x014A, 0x0177)) {
        return foldPair(c, true);
    }
    if (inRange(c, 0x0139, 0x0148) || inRange(c, 0x0179, 0x017E)) {
        return foldPair(c, false);
    }
    return c;
}

char32_t foldGreekSymbol(char32_t c)
{
    switch (c) {
    case 0x0345:
        return 0x03B9; // combining ypogegrammeni
    case 0x037F:
        return 0x03F3;
    case 0x0386:
        return 0x03AC;
    case 0x038C:
        return 0x03CC;
    case 0x03C2:
        return 0x03C3; // final sigma
    case 0x03CF:
        return 0x03D7;
    case 0x03D0:
        return 0x03B2;
    case 0x03D1:
        return 0x03B8;
    case 0x03D5:
        return 0x03C6;
    case 0x03D6:
        return 0x03C0;
    case 0x03F0:
        return 0x03BA;
    case 0x03F1:
        return 0x03C1;
    case 0x03F4:
        return 0x03B8;
    case 0x03F5:
        return 0x03B5;
    case 0x03F7:
        return 0x03F8;
    case 0x03F9:
        return 0x03F2;
    case 0x03FA:
        return 0x03FB;
    default:
        return c;
    }
}

char32_t foldGreek(char32_t c)
{
    if (inRange(c, 0x0370, 0x0373) || c == 0x0376 || inRange(c, 0x03D8, 0x03EF)) {
        return foldPair(c, true);
    }
    if (inRange(c, 0x0388, 0x038A)) {
        return c + 0x25;
    }
    if (inRange(c, 0x038E, 0x038F)) {
        return c + 0x3F;
    }
    if (inRange(c, 0x0391, 0x03AB) && c != 0x03A2) {
        return c + 0x20;
    }
    if (inRange(c, 0x03FD, 0x03FF)) {
        return c - 0x82;
    }
    return foldGreekSymbol(c);
}

char32_t foldCyrillic(char32_t c)
{
    if (inRange(c, 0x0400, 0x040F)) {
        return c + 0x50;
    }
    if (inRange(c, 0x0410, 0x042F)) {
        return c + 0x20;
    }
    if (c == 0x04C0) { // palochka
        return 0x04CF;
    }
    if (inRange(c, 0x0460, 0x0481) || inRange(c, 0x048A, 0x04BF) || inRange(c, 0x04D0, 0x052F)) {
        return foldPair(c, true);
    }
    if (inRange(c, 0x04C1, 0x04CE)) {
        return foldPair(c, false);
    }
    return c;
}

} // namespace

char32_t foldCase(char32_t c)
{
    if (c < 0x0370) {
        return c < 0x0180 ? foldLatin(c) : (c == 0x0345 ? foldGreekSymbol(c) : c);
    }
    if (c < 0x0400) {
        return foldGreek(c);
    }
    if (c < 0x0530) {
        return foldCyrillic(c);
    }
    return c;
}

void foldCaseUtf8Into(std::string_view text, std::string& out)
{
    out.clear();
    out.reserve(text.size());
    while (!text.empty()) {
        const auto lead = static_cast<unsigned char>(text[0]);
        if (lead < 0x80u) {
            // The common case: plain ASCII needs no decoding.
            out.push_back(lead >= 'A' && lead <= 'Z' ? static_cast<char>(lead + 0x20) : text[0]);
            text.remove_prefix(1);
            continue;
        }
        const DecodedChar decoded = decodeUtf8(text);
        if (decoded.valid) {
            appendUtf8(out, foldCase(decoded.code));
        } else {
            out.push_back(text[0]);
        }
        text.remove_prefix(decoded.length);
    }
}

std::string foldCaseUtf8(std::string_view text)
{
    std::string folded;
    foldCaseUtf8Into(text, folded);
    return folded;
}

std::size_t utf8CharacterCount(std::string_view text)
{
    std::size_t count = 0;
    while (!text.empty()) {
        text.remove_prefix(decodeUtf8(text).length);
        ++count;
    }
    return count;
}

std::string_view utf8Prefix(std::string_view text, std::size_t count)
{
    std::size_t bytes = 0;
    for (std::size_t i = 0; i < count && bytes < text.size(); ++i) {
        bytes += decodeUtf8(text.substr(bytes)).length;
    }
    return text.substr(0, bytes);
}

} // namespace mw
