#pragma once

#include "command.h"

namespace mw::cli {

std::unique_ptr<Command> makeFoodsCommand();
std::unique_ptr<Command> makeFoodCommand();

} // namespace mw::cli
