#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "core/channels/ChannelRecord.h"
#include "core/dtmf/DtmfBlock.h"
#include "core/fivetone/FiveToneImage.h"
#include "core/fm/FmArea.h"
#include "core/image/ImageDescription.h"
#include "core/image/RadioImage.h"
#include "core/options/OptionImage.h"
#include "core/options/OptionLists.h"
#include "core/shell/StartupTables.h"
#include "core/twotone/TwoToneImage.h"

// Areas built with the editors' own encoders, and ways to find a described setting.
namespace orvex::test {

inline constexpr double kBandLow = 136;

// The grid cells 1 to 11 of a channel.
inline ChannelRow ChannelCells(std::vector<std::string> cells) {
    ChannelRow row;
    for (std::size_t i = 0; i < cells.size() && i + 1 < row.size(); ++i)
        row[i + 1] = cells[i];
    return row;
}

inline const ChannelRow kChannelOne = ChannelCells(
    {"145.12500", "145.50000", "67.0", "D023N", "LOW", "W", "BOTH", "ON", "ON", "2", "1"});
inline const ChannelRow kChannelTwo =
    ChannelCells({"146.52000", "", "71.9", "OFF", "HIGH", "N", "BOT", "ON", "OFF", "OFF", "3"});

// 16 channels; those not given are empty (erased).
inline std::vector<std::uint8_t> ChannelsArea(const std::vector<std::pair<int, ChannelRow>>& rows) {
    std::vector<std::uint8_t> area(AreaRange(RadioArea::channels).size(), 0xFF);
    for (const auto& [n, row] : rows) {
        const ChannelRecord record = EncodeChannelRow(row, kBandLow);
        std::copy(record.begin(), record.end(),
                  area.begin() + static_cast<std::ptrdiff_t>((n - 1) * kChannelRecordBytes));
    }
    return area;
}

inline OptionOffsetTable Offsets() {
    return StartupDescribeContext(0).optionOffsets;
}

inline OptionSettings DefaultOptions() {
    return DefaultOptionSettings(136, 175);
}

inline std::vector<std::uint8_t> OptionsArea(const OptionSettings& settings) {
    const OptionImage image = EncodeOptionImage(settings, Offsets());
    return {image.begin(), image.end()};
}

inline std::vector<std::uint8_t> DtmfArea(const DtmfSettings& settings) {
    const DtmfImage image = EncodeDtmfImage(settings);
    return {image.begin(), image.end()};
}

inline FmSettings SomeFmSettings() {
    FmSettings settings;
    settings.presets = DefaultFmPresets();
    settings.presets[0] = {"88.90000", "FM"};
    settings.presets[1] = {"101.70000", "RADIO1"};
    settings.bandBoxes = {"136.00000", "174.00000", "400.00000", "470.00000"};
    return settings;
}

inline std::vector<std::uint8_t> FmArea(const FmSettings& settings) {
    const FmWriteImage image = EncodeFmImage(settings);
    return {image.begin(), image.end()};
}

inline std::vector<std::uint8_t> TwoToneArea(const TwoToneSettings& settings) {
    const TwoToneImage image = EncodeTwoToneImage(settings);
    return {image.begin(), image.end()};
}

// What a read of the five-tone area brings: lines 64 on of the written area.
inline std::vector<std::uint8_t> FiveToneArea(const FiveToneSettings& settings) {
    const FiveToneImage image = EncodeFiveToneImage(settings);
    return {image.begin() + kFiveToneFirstReadLine * kFiveToneLineBytes, image.end()};
}

inline RadioImage ImageOf(std::map<RadioArea, std::vector<std::uint8_t>> areas) {
    RadioImage image;
    image.bandLowerMHz = 136;
    image.bandUpperMHz = 174;
    image.familyByte = 0x47;
    image.programVersion = "Orvex CPS 1.0";
    image.time = "2026-12-10T18:00:00Z";
    image.areas = std::move(areas);
    return image;
}

// The value of the setting, or "<none>" when the description has no such setting.
inline std::string ValueOf(const std::vector<DescribedSetting>& settings,
                           const std::string& section, const std::string& row,
                           const std::string& name) {
    const auto found = std::find_if(settings.begin(), settings.end(), [&](const auto& s) {
        return s.section == section && s.row == row && s.name == name;
    });
    return found == settings.end() ? std::string("<none>") : found->value;
}

}  // namespace orvex::test
