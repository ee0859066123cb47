#include "summarized_days.h"

#include "format/day_file.h"

#include <filesystem>
#include <vector>

namespace mw::cli {

DaysSummary summarizedDays(Context& context)
{
    const std::vector<std::filesystem::path> files(context.args().positionals().begin(),
                                                   context.args().positionals().end());
    DaysSummary summary = summarizeDays(files, context.foods());
    if (!summary.unreadable.empty()) {
        const UnreadableDay& first = summary.unreadable.front();
        throw FileError(first.path.string() + ": " + describeDayFileError(first.result));
    }
    return summary;
}

} // namespace mw::cli
