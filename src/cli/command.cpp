#include "command.h"

namespace mw::cli {

Context::Context(ParsedArguments arguments, std::ostream& out, std::ostream& err)
    : m_args(std::move(arguments)), m_out(out), m_err(err)
{
}

std::filesystem::path Context::dataDir() const
{
    return m_args.value("--data-dir").value_or(".");
}

const FoodOperations& Context::foods()
{
    if (!m_foods) {
        m_foods = std::make_unique<FoodOperations>();
    }
    return *m_foods;
}

} // namespace mw::cli
