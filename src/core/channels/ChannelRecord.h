#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace orvex {

// The cells of one channel grid row. Cell 0 holds the channel number and is left alone by
// the record codec.
inline constexpr std::size_t kChannelRowCells = 12;
using ChannelRow = std::array<std::string, kChannelRowCells>;

enum ChannelCell : std::size_t {
    kCellNumber = 0,
    kCellRxFrequency = 1,
    kCellTxFrequency = 2,
    kCellRxTone = 3,
    kCellTxTone = 4,
    kCellPower = 5,
    kCellBandwidth = 6,
    kCellPttId = 7,
    kCellBusyLock = 8,
    kCellScanAdd = 9,
    kCellScrambler = 10,
    kCellCodeGroup = 11,
};

// One channel as the radio stores it:
//   0-3   receive frequency (packed decimal); FF in all 16 bytes marks an empty channel
//   4-7   transmit frequency; FF FF FF FF when the channel has none
//   8-9   receive tone, 10-11 transmit tone (two-byte tone form)
//   12    code group - 1, FF for none
//   13    always 0
//   14    bit 0 low power, bits 4-7 scrambler
//   15    bits 0-1 PTT-ID, bit 2 scan add, bit 3 busy lock, bit 6 wide
inline constexpr std::size_t kChannelRecordBytes = 16;
using ChannelRecord = std::array<std::uint8_t, kChannelRecordBytes>;

// After a read, a DCS transmit tone is shown without the blanks of its table entry and an
// unknown code group empties the cell. Loading a file keeps the table entry as stored and
// leaves the code-group cell as it was.
enum class DecodeStyle { AfterRead, FromFile };

// `bandLow` is the lowest frequency of the radio's band in MHz; it decides the width of the
// frequency texts.
ChannelRecord EncodeChannelRow(const ChannelRow& row, double bandLow);

// Fills cells 1 to 11 of `row`.
void DecodeChannelRecord(const ChannelRecord& record, ChannelRow& row, DecodeStyle style);

// The 16 byte values in decimal, each with one blank in front: " 0 37 81 20 ...".
std::string ChannelRecordLabel(const ChannelRecord& record);

}  // namespace orvex
