#include "core/channels/FrequencyEntry.h"

#include <cmath>

#include "core/codec/Frequency.h"
#include "core/codec/NumberText.h"

namespace orvex {

std::optional<std::string> AcceptFrequency(std::string_view typed, double bandLow,
                                           double bandHigh) {
    const auto value = ParseDecimal(typed);
    if (!value || !std::isfinite(*value)) return std::nullopt;
    // Judge what would be stored: the value on the radio's 10 Hz step.
    const double stored = std::round(*value * 100000.0) / 100000.0;
    if (stored < bandLow || stored > bandHigh) return std::nullopt;
    return CanonicalMHz(stored);
}

}  // namespace orvex
