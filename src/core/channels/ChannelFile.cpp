#include "core/channels/ChannelFile.h"

#include <algorithm>
#include <cstddef>

#include "core/codec/MessageText.h"
#include "core/codec/ValueScanner.h"
#include "core/fm/FmPresetFile.h"

namespace orvex {

namespace {

ChannelFileError FaultAt(ChannelFileFault fault, int record, int value, std::string_view text) {
    ChannelFileError error;
    error.fault = fault;
    error.record = record;
    error.value = value;
    error.text = PrintableExcerpt(text);
    return error;
}

void AppendValue(std::string& out, int value) {
    out += ' ';
    out += std::to_string(value);
    out += ' ';
}

}  // namespace

std::string FormatChannelFile(int channelCount, const WriteImage& image) {
    const int count = std::clamp(channelCount, kMinFileChannels, kMaxFileChannels);
    std::string file;
    file.reserve(static_cast<std::size_t>(8 + count * (kFileColumns * 5 + 2)));
    AppendValue(file, count);
    file += "\r\n";
    for (int n = 1; n <= count; ++n) {
        const WriteImageRow& row = image[static_cast<std::size_t>(n)];
        for (int column = 0; column < kFileColumns; ++column)
            AppendValue(file, row[static_cast<std::size_t>(column)]);
        file += "\r\n";
    }
    return file;
}

ChannelFileParse ParseChannelFile(std::string_view text) {
    ValueReader reader(WithoutByteOrderMark(text));
    std::string_view token;
    if (!reader.next(token)) return FaultAt(ChannelFileFault::NoCount, 0, 0, {});

    const ScannedNumber count = ScanNumber(token);
    if (count.shape == NumberShape::NotANumber)
        return FaultAt(ChannelFileFault::NotANumber, 0, 0, token);
    if (count.shape == NumberShape::WithDecimals)
        return FaultAt(ChannelFileFault::HasDecimals, 0, 0, token);
    if (count.value == kFmPresetFileMarker)
        return FaultAt(ChannelFileFault::FmPresetFile, 0, 0, token);
    if (count.value < kMinFileChannels || count.value > kMaxFileChannels)
        return FaultAt(ChannelFileFault::CountOutOfRange, 0, 0, token);

    ChannelFileContents contents;
    contents.channelCount = static_cast<int>(count.value);
    contents.records.resize(static_cast<std::size_t>(contents.channelCount));
    for (int record = 1; record <= contents.channelCount; ++record) {
        ChannelFileRecord& values = contents.records[static_cast<std::size_t>(record - 1)];
        for (int column = 0; column < kFileColumns; ++column) {
            if (!reader.next(token)) {
                ChannelFileError error;
                error.fault = ChannelFileFault::TooFewValues;
                error.announcedCount = contents.channelCount;
                error.completeRecords = record - 1;
                error.missingValues =
                    static_cast<long long>(contents.channelCount - record + 1) * kFileColumns -
                    column;
                return error;
            }
            const ScannedNumber number = ScanNumber(token);
            if (number.shape == NumberShape::NotANumber)
                return FaultAt(ChannelFileFault::NotANumber, record, column + 1, token);
            if (number.shape == NumberShape::WithDecimals)
                return FaultAt(ChannelFileFault::HasDecimals, record, column + 1, token);
            if (number.value < 0 || number.value > 255)
                return FaultAt(ChannelFileFault::ValueOutOfRange, record, column + 1, token);
            values[static_cast<std::size_t>(column)] = static_cast<std::uint8_t>(number.value);
        }
    }
    // Whatever follows the last announced record is not read: the count decides how much
    // of the file is channel data, and the editor reads exactly that much.
    return contents;
}

void ApplyChannelFile(const ChannelFileContents& contents, WriteImage& image) {
    const std::size_t rows =
        std::min(contents.records.size(), static_cast<std::size_t>(kMaxFileChannels));
    for (std::size_t i = 0; i < rows; ++i)
        std::copy(contents.records[i].begin(), contents.records[i].end(), image[i + 1].begin());
}

}  // namespace orvex
