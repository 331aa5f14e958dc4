#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace orvex {

// The parts of radio memory that the editors move, each a fixed range of addresses. The
// five-tone planes at 0x2000-0x23FF are not an area: the five-tone editor always generates
// them from the built-in standards table, so only what it reads (0x2400 on) is kept.
enum class RadioArea { channels, options, dtmf, fm, twotone, fivetone };

// Every area, in address order.
inline constexpr std::array<RadioArea, 6> kRadioAreas = {
    RadioArea::channels, RadioArea::dtmf,    RadioArea::options,
    RadioArea::fivetone, RadioArea::twotone, RadioArea::fm,
};

inline constexpr std::size_t kRadioMemorySize = 65536;
using RadioMemorySpan = std::span<std::uint8_t, kRadioMemorySize>;
using ConstRadioMemorySpan = std::span<const std::uint8_t, kRadioMemorySize>;

// Both ends included. Every area starts and ends on a 16-byte line.
struct RadioAreaRange {
    std::uint16_t first = 0;
    std::uint16_t last = 0;

    [[nodiscard]] constexpr std::size_t size() const {
        return static_cast<std::size_t>(last - first) + 1;
    }
    [[nodiscard]] constexpr bool contains(std::uint32_t address) const {
        return address >= first && address <= last;
    }
    friend constexpr bool operator==(const RadioAreaRange&, const RadioAreaRange&) = default;
};

RadioAreaRange AreaRange(RadioArea area);

// "channels", "options", "dtmf", "fm", "twotone", "fivetone": the names image files and the
// command line use. Names are matched exactly, lower case only.
std::string_view AreaName(RadioArea area);
std::optional<RadioArea> AreaFromName(std::string_view name);

// A copy of the area's bytes out of a whole radio memory, exactly AreaRange(area).size() long.
std::vector<std::uint8_t> ExtractArea(ConstRadioMemorySpan memory, RadioArea area);

// Puts an area's bytes back in their place. Bytes of any other length than the area's are
// refused (false) and the memory is left untouched.
bool PutArea(RadioMemorySpan memory, RadioArea area, std::span<const std::uint8_t> bytes);

}  // namespace orvex
