#include "core/fm/FmBandRecord.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "core/codec/NumberText.h"

namespace orvex {

namespace {

constexpr std::size_t kDigitsPerLimit = 3;
constexpr long kHighestLimitMhz = 999;

long LimitMhz(const std::string& text) {
    const double value = std::round(LeadingNumber(text));
    if (!(value > 0)) return 0;
    return value >= kHighestLimitMhz ? kHighestLimitMhz : static_cast<long>(value);
}

}  // namespace

FmRecord EncodeFmBandRecord(const FmBandBoxes& boxes) {
    FmRecord record;
    record.fill(0xFF);
    for (std::size_t box = 0; box < boxes.size(); ++box) {
        const long mhz = LimitMhz(boxes[box]);
        const std::size_t at = box * kDigitsPerLimit;
        record[at] = static_cast<std::uint8_t>(mhz / 100);
        record[at + 1] = static_cast<std::uint8_t>(mhz / 10 % 10);
        record[at + 2] = static_cast<std::uint8_t>(mhz % 10);
    }
    return record;
}

FmBandBoxes DecodeFmBandRecord(const FmRecord& record) {
    FmBandBoxes boxes;
    for (std::size_t box = 0; box < boxes.size(); ++box) {
        const auto first = record.begin() + static_cast<std::ptrdiff_t>(box * kDigitsPerLimit);
        const auto last = first + kDigitsPerLimit;
        if (std::any_of(first, last, [](std::uint8_t d) { return d > 9; })) continue;
        boxes[box] = FmBandBoxText(100 * first[0] + 10 * first[1] + first[2]);
    }
    return boxes;
}

std::string FmBandBoxText(double mhz) {
    return std::to_string(std::llround(mhz)) + ".00000";
}

}  // namespace orvex
