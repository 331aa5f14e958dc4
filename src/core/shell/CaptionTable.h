#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "core/shell/Bilingual.h"

namespace orvex {

// The caption of a window or control, by its objectName.
struct Caption {
    std::string_view name;
    Bilingual text;
};

// The label that stands before a control.
struct LabelFor {
    std::string_view control;
    std::string_view label;
};

// The caption of `name` in `table`; empty texts when the table has none.
template <std::size_t N>
constexpr Bilingual CaptionIn(const std::array<Caption, N>& table, std::string_view name) {
    for (const Caption& entry : table)
        if (entry.name == name) return entry.text;
    return {};
}

// The objectName of the label before `control`; empty when it has none.
template <std::size_t N>
constexpr std::string_view LabelOf(const std::array<LabelFor, N>& table, std::string_view control) {
    for (const LabelFor& entry : table)
        if (entry.control == control) return entry.label;
    return {};
}

}  // namespace orvex
