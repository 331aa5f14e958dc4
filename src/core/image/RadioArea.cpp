#include "core/image/RadioArea.h"

#include <algorithm>

namespace orvex {

namespace {

struct AreaEntry {
    RadioArea area;
    std::string_view name;
    RadioAreaRange range;
};

constexpr std::array<AreaEntry, 6> kAreaTable = {{
    {RadioArea::channels, "channels", {0x0000, 0x00FF}},
    {RadioArea::dtmf, "dtmf", {0x0100, 0x01CF}},
    {RadioArea::options, "options", {0x0220, 0x025F}},
    {RadioArea::fivetone, "fivetone", {0x2400, 0x28FF}},
    {RadioArea::twotone, "twotone", {0x2D00, 0x2FFF}},
    {RadioArea::fm, "fm", {0x3000, 0x310F}},
}};

const AreaEntry& EntryOf(RadioArea area) {
    const auto it = std::find_if(kAreaTable.begin(), kAreaTable.end(),
                                 [area](const AreaEntry& e) { return e.area == area; });
    return it != kAreaTable.end() ? *it : kAreaTable.front();
}

}  // namespace

RadioAreaRange AreaRange(RadioArea area) {
    return EntryOf(area).range;
}

std::string_view AreaName(RadioArea area) {
    return EntryOf(area).name;
}

std::optional<RadioArea> AreaFromName(std::string_view name) {
    for (const AreaEntry& e : kAreaTable)
        if (e.name == name) return e.area;
    return std::nullopt;
}

std::vector<std::uint8_t> ExtractArea(ConstRadioMemorySpan memory, RadioArea area) {
    const RadioAreaRange range = AreaRange(area);
    const auto part = memory.subspan(range.first, range.size());
    return {part.begin(), part.end()};
}

bool PutArea(RadioMemorySpan memory, RadioArea area, std::span<const std::uint8_t> bytes) {
    const RadioAreaRange range = AreaRange(area);
    if (bytes.size() != range.size()) return false;
    std::copy(bytes.begin(), bytes.end(), memory.begin() + range.first);
    return true;
}

}  // namespace orvex
