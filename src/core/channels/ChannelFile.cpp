#include "core/channels/ChannelFile.h"

#include <algorithm>
#include <cstddef>

namespace orvex {

namespace {

bool IsSeparator(char c) {
    return c == ' ' || c == ',' || c == '\r' || c == '\n' || c == '\t';
}

// The values of the file one after another. A run of separators counts as one, so an empty
// field between two commas is not a value.
class ValueReader {
  public:
    explicit ValueReader(std::string_view text) : text_(text) {}

    bool next(std::string_view& value) {
        while (pos_ < text_.size() && IsSeparator(text_[pos_]))
            ++pos_;
        if (pos_ == text_.size()) return false;
        const std::size_t start = pos_;
        while (pos_ < text_.size() && !IsSeparator(text_[pos_]))
            ++pos_;
        value = text_.substr(start, pos_ - start);
        return true;
    }

  private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

// Files saved by some editors start with a UTF-8 byte order mark.
std::string_view WithoutByteOrderMark(std::string_view text) {
    constexpr std::string_view kBom = "\xEF\xBB\xBF";
    if (text.substr(0, kBom.size()) == kBom) text.remove_prefix(kBom.size());
    return text;
}

enum class NumberShape { Whole, WithDecimals, NotANumber };

struct ScannedNumber {
    NumberShape shape = NumberShape::NotANumber;
    // Saturates far above any value the file may hold, so a long run of digits cannot
    // overflow and still counts as out of range.
    long long value = 0;
};

constexpr long long kSaturated = 1'000'000'000;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// [sign] digits, or [sign] digits with a decimal point and more digits on either side.
ScannedNumber ScanNumber(std::string_view text) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long long magnitude = 0;
    bool hasDigits = false;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        magnitude = std::min(kSaturated, magnitude * 10 + (text[i] - '0'));
        hasDigits = true;
    }
    bool hasPoint = false;
    if (i < text.size() && text[i] == '.') {
        hasPoint = true;
        for (++i; i < text.size() && IsDigit(text[i]); ++i)
            hasDigits = true;
    }
    if (!hasDigits || i != text.size()) return {};
    if (hasPoint) return {NumberShape::WithDecimals, 0};
    return {NumberShape::Whole, negative ? -magnitude : magnitude};
}

bool IsContinuationByte(unsigned char c) {
    return c >= 0x80 && c <= 0xBF;
}

// Length of the well-formed UTF-8 sequence that starts at `at`, or 0 when it is broken.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t k) {
        return at + k < text.size() ? static_cast<unsigned char>(text[at + k]) : 0;
    };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    unsigned char secondMin = 0x80;
    unsigned char secondMax = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) secondMin = 0xA0;  // overlong
        if (lead == 0xED) secondMax = 0x9F;  // surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) secondMin = 0x90;  // overlong
        if (lead == 0xF4) secondMax = 0x8F;  // beyond U+10FFFF
    } else {
        return 0;
    }
    if (byte(1) < secondMin || byte(1) > secondMax) return 0;
    for (std::size_t k = 2; k < length; ++k)
        if (!IsContinuationByte(byte(k))) return 0;
    return length;
}

// At most kExcerptCharacters characters of a faulty value, fit for a message box: valid
// UTF-8 is kept, control characters and broken sequences become '?', and a longer text
// ends in "...".
constexpr int kExcerptCharacters = 24;

std::string PrintableExcerpt(std::string_view text) {
    std::string excerpt;
    std::size_t at = 0;
    for (int characters = 0; at < text.size(); ++characters) {
        if (characters == kExcerptCharacters) {
            excerpt += "...";
            break;
        }
        const auto c = static_cast<unsigned char>(text[at]);
        if (c < 0x80) {
            excerpt += (c < 0x20 || c == 0x7F) ? '?' : static_cast<char>(c);
            ++at;
        } else if (const std::size_t length = Utf8SequenceLength(text, at); length > 0) {
            excerpt.append(text.substr(at, length));
            at += length;
        } else {
            excerpt += '?';
            ++at;
        }
    }
    return excerpt;
}

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
