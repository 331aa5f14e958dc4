#include "core/fm/FmArea.h"

#include <algorithm>

namespace orvex {

namespace {

static_assert(kFmBandRecordAddress == kFmAreaAddress + kFmPresetCount * kFmRecordBytes,
              "the band record follows preset 16");

FmRecord RecordAt(std::span<const std::uint8_t> data, std::size_t offset) {
    FmRecord record;
    std::copy_n(data.begin() + static_cast<std::ptrdiff_t>(offset), record.size(), record.begin());
    return record;
}

}  // namespace

FmPresetTable DefaultFmPresets() {
    FmPresetTable presets;
    presets[0] = {"88.90000", "LMNEW"};
    presets[1] = {"90.40000", "CCTV1"};
    presets[3] = {"92.30000", "JTZS2"};
    presets[5] = {"95.50000", "LMBBC"};
    presets[7] = {"96.90000", "CCTV4"};
    presets[9] = {"98.30000", "FJQX"};
    presets[11] = {"103.90000", "CCTV6"};
    presets[13] = {"100.70000", "DNZS3"};
    presets[15] = {"105.90000", "CCTV9"};
    return presets;
}

FmWriteImage EncodeFmImage(const FmSettings& settings) {
    FmWriteImage image{};
    auto out = image.begin();
    for (const FmPresetRow& row : settings.presets) {
        const FmRecord record = EncodeFmRow(row);
        out = std::copy(record.begin(), record.end(), out);
    }
    const FmRecord band = EncodeFmBandRecord(settings.bandBoxes);
    out = std::copy(band.begin(), band.begin() + kFmBandSpareOffset, out);
    std::copy(settings.bandSpare.begin(), settings.bandSpare.end(), out);
    return image;
}

void DecodeFmBlock(std::uint16_t address, std::span<const std::uint8_t> data,
                   FmSettings& settings) {
    if (address < kFmAreaAddress || (address - kFmAreaAddress) % kFmRecordBytes != 0) return;
    std::size_t slot = (address - kFmAreaAddress) / kFmRecordBytes;  // preset n is slot n - 1
    for (std::size_t offset = 0; offset + kFmRecordBytes <= data.size();
         offset += kFmRecordBytes, ++slot) {
        if (slot < settings.presets.size())
            settings.presets[slot] = DecodeFmRecord(RecordAt(data, offset));
        else if (slot == settings.presets.size()) {
            const FmRecord band = RecordAt(data, offset);
            settings.bandBoxes = DecodeFmBandRecord(band);
            std::copy(band.begin() + kFmBandSpareOffset, band.end(), settings.bandSpare.begin());
        }
    }
}

}  // namespace orvex
