#pragma once

#include <string>
#include <string_view>

namespace mw {

// Simple case folding, so that name searches ignore case the way users expect of any letter they
// type: ASCII, Latin-1 Supplement, Latin Extended-A, Greek and Coptic, Cyrillic and Cyrillic
// Supplement, as Unicode's simple case folding does. Each character maps to one character (no "ß" to
// "ss"); final sigma folds to sigma, the long s to s and the micro sign to mu. The dotted capital I
// folds only to two characters ("i" and a combining dot), so it stays as it is rather than matching
// every "i".

// The folded form of one code point; the code point itself when it has none.
char32_t foldCase(char32_t c);

// The folded UTF-8 text. Bytes that are not valid UTF-8 are copied as they are.
std::string foldCaseUtf8(std::string_view text);
// The same, replacing the contents of out, so a loop can reuse one buffer.
void foldCaseUtf8Into(std::string_view text, std::string& out);

// Characters (code points) in UTF-8 text; each byte of an invalid sequence counts as one.
std::size_t utf8CharacterCount(std::string_view text);
// The first count characters of UTF-8 text, never cutting a character in two.
std::string_view utf8Prefix(std::string_view text, std::size_t count);

} // namespace mw
