#pragma once

// The one command of mealwright-cli that draws with Qt, kept out of the Qt-free command library: only the
// mealwright-cli program links it and registers it.

#include "command.h"

#include <memory>

namespace mw::cli {

// "report FILE -o OUT.pdf": the day's printed analysis as a PDF, headless.
std::unique_ptr<Command> makeReportCommand();

} // namespace mw::cli
