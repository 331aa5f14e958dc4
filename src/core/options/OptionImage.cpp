#include "core/options/OptionImage.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "core/codec/NumberText.h"
#include "core/options/OptionLists.h"

namespace orvex {

namespace {

// Entries of OptionOffsets for the settings that are not lists: byte 42 holds the power-on
// and alarm flags, bytes 56 to 63 the four limits, two bytes each in OptionLimit order.
constexpr int kFlagsSetting = 38;
constexpr int kFirstLimitSetting = 49;

constexpr int kHighestLimitMhz = 999;

int LimitSetting(std::size_t limit) {
    return kFirstLimitSetting + 2 * static_cast<int>(limit);
}

// An entry of the table that lies outside the image is neither written nor read, rather
// than reaching beyond the 64 bytes.
bool InImage(int offset) {
    return offset >= 0 && offset < kOptionImageSize;
}

void Store(OptionImage& image, const OptionOffsetTable& offsets, int setting, int value) {
    const int offset = offsets[static_cast<std::size_t>(setting)];
    if (InImage(offset)) image[static_cast<std::size_t>(offset)] = static_cast<std::uint8_t>(value);
}

int Load(const OptionImage& image, const OptionOffsetTable& offsets, int setting) {
    const int offset = offsets[static_cast<std::size_t>(setting)];
    return InImage(offset) ? image[static_cast<std::size_t>(offset)] : 0;
}

// The whole MHz at the start of a limit box, fraction dropped. The two bytes hold three
// decimal digits, 0 to 999 MHz; a value outside is clamped first (1234 is written as 999,
// -5 as 0), so that every written limit is valid packed decimal instead of digits that spill
// into the ignored high bits.
int LimitMhz(const std::string& text) {
    const double value = std::trunc(LeadingNumber(Trim(text)));
    if (!(value > 0)) return 0;
    return value >= kHighestLimitMhz ? kHighestLimitMhz : static_cast<int>(value);
}

}  // namespace

OptionImage EncodeOptionImage(const OptionSettings& settings, const OptionOffsetTable& offsets) {
    OptionImage image{};
    for (int i = 0; i < kOptionListCount; ++i) {
        const auto list = static_cast<OptionList>(i);
        const int last = OptionListSize(list) - 1;
        const int position = std::clamp(settings.lists[static_cast<std::size_t>(i)], 0, last);
        Store(image, offsets, OptionListOf(list).setting, position);
    }

    int flags = 0;
    for (int i = 0; i < kOptionFlagCount; ++i)
        if (settings.flags[static_cast<std::size_t>(i)])
            flags += OptionFlagBit(static_cast<OptionFlag>(i));
    Store(image, offsets, kFlagsSetting, flags);

    for (std::size_t limit = 0; limit < kOptionLimitCount; ++limit) {
        const int mhz = LimitMhz(settings.limits[limit]);
        const int tens = mhz / 10 % 10;
        const int units = mhz % 10;
        Store(image, offsets, LimitSetting(limit), mhz / 100);
        Store(image, offsets, LimitSetting(limit) + 1, tens << 4 | units);
    }
    return image;
}

OptionSettings DecodeOptionImage(const OptionImage& image, const OptionOffsetTable& offsets) {
    OptionSettings settings;
    for (int i = 0; i < kOptionListCount; ++i) {
        const auto list = static_cast<OptionList>(i);
        const int last = OptionListSize(list) - 1;
        settings.lists[static_cast<std::size_t>(i)] =
            std::min(Load(image, offsets, OptionListOf(list).setting), last);
    }

    const int flags = Load(image, offsets, kFlagsSetting);
    for (int i = 0; i < kOptionFlagCount; ++i)
        settings.flags[static_cast<std::size_t>(i)] =
            (flags & OptionFlagBit(static_cast<OptionFlag>(i))) != 0;

    // Each nibble is written as its decimal value, so a nibble above 9 shows as two digits.
    for (std::size_t limit = 0; limit < kOptionLimitCount; ++limit) {
        const int hundreds = Load(image, offsets, LimitSetting(limit)) & 0x0F;
        const int tensAndUnits = Load(image, offsets, LimitSetting(limit) + 1);
        settings.limits[limit] = std::to_string(hundreds) + std::to_string(tensAndUnits >> 4) +
                                 std::to_string(tensAndUnits & 0x0F);
    }
    return settings;
}

}  // namespace orvex
