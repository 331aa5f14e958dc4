#include "core/channels/ChannelRecord.h"

#include <cmath>

#include "core/codec/Frequency.h"
#include "core/codec/NumberText.h"
#include "core/codec/ToneTable.h"

namespace orvex {

namespace {

constexpr std::uint8_t kEmpty = 0xFF;

constexpr std::uint8_t kLowPowerBit = 0x01;
constexpr std::uint8_t kScanAddBit = 0x04;
constexpr std::uint8_t kBusyLockBit = 0x08;
constexpr std::uint8_t kWideBit = 0x40;
constexpr std::uint8_t kPttIdMask = 0x03;

// Highest code group the decoder shows; a stored byte above it means "no group".
constexpr int kLastShownCodeGroupByte = 14;

constexpr const char* kPttIdTexts[] = {"OFF", "BOT", "EOT", "BOTH"};

void PutBytes(ChannelRecord& record, std::size_t first, const FrequencyBytes& bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i)
        record[first + i] = bytes[i];
}

void PutTone(ChannelRecord& record, std::size_t first, std::string_view text) {
    const ToneBytes tone = ToneTextToBytes(text);
    record[first] = tone.low;
    record[first + 1] = tone.high;
}

std::uint8_t PttIdBits(std::string_view text) {
    for (std::uint8_t bits = 1; bits <= kPttIdMask; ++bits)
        if (text == kPttIdTexts[bits]) return bits;
    return 0;
}

// The drop-down offers "OFF" and 1 to 4, but the stored nibble can hold 0 to 15. Any other
// text is reduced to a nibble so that it cannot spill into the power bit or past the byte:
// the integer part of its leading number, clamped to 0..15 ("OFF" and words give 0).
std::uint8_t ScramblerNibble(std::string_view text) {
    const double value = LeadingNumber(text);
    if (!(value >= 1)) return 0;
    if (value >= 15) return 15;
    return static_cast<std::uint8_t>(value);
}

// Groups 1 to 256 are stored as 0 to 255, taking the integer part of the cell's leading
// number. A cell whose number lies outside 1..256, or that holds no number at all, stores
// 0xFF ("no group"), as an empty cell does, rather than wrapping into some other group.
std::uint8_t CodeGroupByte(std::string_view text) {
    if (text.empty()) return kEmpty;
    const double group = std::trunc(LeadingNumber(text));
    if (!(group >= 1 && group <= 256)) return kEmpty;
    return static_cast<std::uint8_t>(group - 1);
}

std::string FrequencyText(const ChannelRecord& record, std::size_t first) {
    return Cov_Freq(record[first], record[first + 1], record[first + 2], record[first + 3]);
}

}  // namespace

ChannelRecord EncodeChannelRow(const ChannelRow& row, double bandLow) {
    const auto cell = [&row](ChannelCell which) { return Trim(row[which]); };

    ChannelRecord record;
    record.fill(kEmpty);
    if (cell(kCellRxFrequency).empty()) return record;

    PutBytes(record, 0, Freq_Encode(cell(kCellRxFrequency), bandLow));
    // An empty text encodes as FF FF FF FF: no transmit frequency.
    PutBytes(record, 4, Freq_Encode(cell(kCellTxFrequency), bandLow));
    PutTone(record, 8, cell(kCellRxTone));
    PutTone(record, 10, cell(kCellTxTone));
    record[12] = CodeGroupByte(cell(kCellCodeGroup));
    record[13] = 0;

    auto powerAndScrambler = static_cast<std::uint8_t>(ScramblerNibble(cell(kCellScrambler)) << 4);
    if (cell(kCellPower) != "HIGH") powerAndScrambler |= kLowPowerBit;
    record[14] = powerAndScrambler;

    std::uint8_t flags = PttIdBits(cell(kCellPttId));
    if (cell(kCellBandwidth) != "N") flags |= kWideBit;
    if (cell(kCellBusyLock) == "ON") flags |= kBusyLockBit;
    if (cell(kCellScanAdd) == "ON") flags |= kScanAddBit;
    record[15] = flags;
    return record;
}

void DecodeChannelRecord(const ChannelRecord& record, ChannelRow& row, DecodeStyle style) {
    if (record[0] == kEmpty) {
        for (std::size_t i = kCellRxFrequency; i < kChannelRowCells; ++i)
            row[i].clear();
        return;
    }

    row[kCellRxFrequency] = FrequencyText(record, 0);
    row[kCellRxTone] = ToneBytesToText(record[8], record[9]);
    if (record[4] == kEmpty) {
        row[kCellTxFrequency].clear();
        row[kCellTxTone].clear();
    } else {
        row[kCellTxFrequency] = FrequencyText(record, 4);
        row[kCellTxTone] = ToneBytesToText(record[10], record[11], style == DecodeStyle::AfterRead);
    }

    const std::uint8_t powerAndScrambler = record[14];
    const std::uint8_t flags = record[15];
    row[kCellPower] = (powerAndScrambler & kLowPowerBit) ? "LOW" : "HIGH";
    row[kCellBandwidth] = (flags & kWideBit) ? "W" : "N";
    row[kCellPttId] = kPttIdTexts[flags & kPttIdMask];
    row[kCellBusyLock] = (flags & kBusyLockBit) ? "ON" : "OFF";
    row[kCellScanAdd] = (flags & kScanAddBit) ? "ON" : "OFF";
    const int scrambler = powerAndScrambler >> 4;
    row[kCellScrambler] = scrambler == 0 ? "OFF" : std::to_string(scrambler);

    if (record[12] <= kLastShownCodeGroupByte)
        row[kCellCodeGroup] = std::to_string(record[12] + 1);
    else if (style == DecodeStyle::AfterRead)
        row[kCellCodeGroup].clear();
}

std::string ChannelRecordLabel(const ChannelRecord& record) {
    std::string label;
    label.reserve(record.size() * 4);
    for (const std::uint8_t byte : record) {
        label += ' ';
        label += std::to_string(byte);
    }
    return label;
}

}  // namespace orvex
