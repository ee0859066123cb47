#pragma once

#include <string>
#include <string_view>

namespace mw::cli {

// Refuses with a UsageError a name or portion that a line of userfood.txt cannot keep as typed: one that is
// stored as nothing but blanks (unless blankAllowed), or one holding characters the line would turn into
// blanks, which the message names.
void requireStorableText(const std::string& option, std::string_view text, bool blankAllowed);

} // namespace mw::cli
