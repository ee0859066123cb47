#pragma once

#include "model/meal.h"

#include <ostream>

// Readable gtest output for food entries and meals ("[0:244, 26:28]") instead of raw bytes.
namespace mw {

inline void PrintTo(const CFood& entry, std::ostream* out)
{
    *out << entry.foodId() << ':' << entry.amount();
}

inline void PrintTo(const CMeal& meal, std::ostream* out)
{
    *out << '[';
    const char* separator = "";
    for (const CFood& entry : meal) {
        *out << separator;
        PrintTo(entry, out);
        separator = ", ";
    }
    *out << ']';
}

} // namespace mw
