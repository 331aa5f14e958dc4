#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "core/fm/FmBandRecord.h"
#include "core/fm/FmPreset.h"

namespace orvex {

// The radio keeps the presets at 0x3000 + 16 x (n - 1), n = 1..16, and the band record at
// 0x3100.
inline constexpr std::uint16_t kFmAreaAddress = 0x3000;
inline constexpr std::uint16_t kFmBandRecordAddress = 0x3100;
inline constexpr int kFmWriteBlocks = kFmPresetCount + 1;  // the presets, then the band record
using FmPresetTable = std::array<FmPresetRow, kFmPresetCount>;
using FmWriteImage = std::array<std::uint8_t, kFmWriteBlocks * kFmRecordBytes>;
inline constexpr std::size_t kFmBandSpareOffset = 12;
// Bytes 12-15 of the band record, which the editor does not use: a write gives back what the
// last read brought (FF before any read), so that the radio keeps whatever it holds there.
using FmBandSpare = std::array<std::uint8_t, kFmRecordBytes - kFmBandSpareOffset>;

// Everything the presets editor shows: the window copies its grid and band boxes to and from
// this.
struct FmSettings {
    FmPresetTable presets;  // MSF_Chann rows 1..16
    FmBandBoxes bandBoxes;  // index by FmBandBox
    FmBandSpare bandSpare{0xFF, 0xFF, 0xFF, 0xFF};
    bool operator==(const FmSettings&) const = default;
};

// The presets the editor holds when it loads; presets 3, 5, ... 15 are empty.
FmPresetTable DefaultFmPresets();

// The seventeen records a write sends, in address order from 0x3000.
FmWriteImage EncodeFmImage(const FmSettings& settings);

// Decodes the records of one block read from `address`: the presets and the band record it
// holds change, everything else keeps its value. Records outside the presets and the band
// record, a trailing part of a record, and a block whose address is not on a record boundary
// of the area are ignored.
void DecodeFmBlock(std::uint16_t address, std::span<const std::uint8_t> data, FmSettings& settings);

}  // namespace orvex
