#include "model/food_item_text.h"

namespace mw {

unsigned long foodIdOfItem(std::string_view item)
{
    std::size_t i = 0;
    while (i < item.size() && item[i] == ' ') {
        ++i;
    }
    unsigned long id = 0;
    for (; i < item.size() && item[i] >= '0' && item[i] <= '9'; ++i) {
        // Saturate rather than wrap: a huge number is no food either way.
        id = id > 100000000UL ? id : id * 10 + static_cast<unsigned long>(item[i] - '0');
    }
    return id;
}

std::string_view itemDisplayText(std::string_view item)
{
    const std::size_t semicolon = item.find(';');
    return semicolon == std::string_view::npos ? item : item.substr(semicolon + 1);
}

std::string_view itemSearchText(std::string_view item)
{
    return item.substr(0, item.find('['));
}

} // namespace mw
