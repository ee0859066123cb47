#include "model/food_item_text.h"

namespace mw {

std::string_view itemDisplayText(std::string_view item)
{
    const std::size_t semicolon = item.find(';');
    return semicolon == std::string_view::npos ? item : item.substr(semicolon + 1);
}

} // namespace mw
