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
    if (summary.unreadable.empty()) {
        return summary;
    }
    // Every file that needs mending, not only the first, so one run tells the user all of them.
    for (const UnreadableDay& day : summary.unreadable) {
        context.err() << "mealwright-cli: " << visibleText(day.path.string() + ": " + describeDayFileError(day.result))
                      << '\n';
    }
    throw FileError(std::to_string(summary.unreadable.size()) + " of " + std::to_string(files.size()) +
                    " day files cannot be read");
}

} // namespace mw::cli
