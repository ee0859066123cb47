#include "personal_text.h"

#include "arguments.h"

#include "format/userfood_line.h"

#include <cstdio>
#include <vector>

namespace mw::cli {
namespace {

// "'\"' (U+0022)" for a visible character, "U+000A" for a control character.
std::string characterName(char32_t c)
{
    char code[16] = {};
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
    if (c < 0x20 || (c >= 0x7F && c <= 0x9F) || c > 0x7F) {
        return code;
    }
    return "'" + std::string(1, static_cast<char>(c)) + "' (" + code + ")";
}

} // namespace

void requireStorableText(const std::string& option, std::string_view text, bool blankAllowed)
{
    if (!blankAllowed && isBlankUserfoodText(text)) {
        throw UsageError(option + " is empty: the food needs a name");
    }
    const std::vector<char32_t> unstorable = unstorableUserfoodCharacters(text);
    if (unstorable.empty()) {
        return;
    }
    std::string names;
    for (const char32_t c : unstorable) {
        names += (names.empty() ? "" : ", ") + characterName(c);
    }
    throw UsageError(option + ": userfood.txt cannot hold " + names + "; leave " +
                     (unstorable.size() == 1 ? "it" : "them") + " out");
}

} // namespace mw::cli
