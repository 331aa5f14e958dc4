#include "core/codec/ListItems.h"

#include <cstddef>

namespace orvex {

std::vector<std::string> NumberItems(int first, int step, int count) {
    std::vector<std::string> items;
    items.reserve(static_cast<std::size_t>(count > 0 ? count : 0));
    for (int i = 0; i < count; ++i)
        items.push_back(std::to_string(first + i * step));
    return items;
}

std::vector<std::string> ToneTimingItems() {
    return NumberItems(0, 10, kToneTimingItems);
}

std::vector<std::string> ResetTimeItems() {
    return NumberItems(100, 100, kResetTimeItems);
}

}  // namespace orvex
