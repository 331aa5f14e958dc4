#include "core/image/RadioImage.h"

#include <array>
#include <chrono>
#include <cstdio>

#include "core/codec/MessageText.h"

namespace orvex {

namespace {

constexpr std::size_t kLineBytes = 16;

enum class HeaderKey { BandLower, BandUpper, Family, ProgramVersion, Time };
constexpr std::array<std::string_view, 5> kHeaderKeys = {"band-lower", "band-upper", "family",
                                                         "program-version", "time"};

std::string_view Trim(std::string_view s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = s.find_last_not_of(" \t");
    return s.substr(first, last - first + 1);
}

std::vector<std::string_view> Words(std::string_view s) {
    std::vector<std::string_view> words;
    std::size_t pos = 0;
    while (true) {
        pos = s.find_first_not_of(" \t", pos);
        if (pos == std::string_view::npos) break;
        const auto end = s.find_first_of(" \t", pos);
        words.push_back(s.substr(pos, end == std::string_view::npos ? end : end - pos));
        if (end == std::string_view::npos) break;
        pos = end;
    }
    return words;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

bool AllHex(std::string_view s) {
    if (s.empty()) return false;
    for (char c : s)
        if (HexDigit(c) < 0) return false;
    return true;
}

bool AllDecimal(std::string_view s) {
    if (s.empty()) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

// Whole hex numbers of any length are read only as far as telling "above FF" from the rest.
unsigned long HexValue(std::string_view s) {
    unsigned long value = 0;
    for (char c : s) {
        value = value * 16 + static_cast<unsigned long>(HexDigit(c));
        if (value > 0xFFFFFF) return value;
    }
    return value;
}

std::string Hex(unsigned value, int digits) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%0*X", digits, value);
    return buffer;
}

std::optional<HeaderKey> KeyFromName(std::string_view name) {
    for (std::size_t k = 0; k < kHeaderKeys.size(); ++k)
        if (kHeaderKeys[k] == name) return static_cast<HeaderKey>(k);
    return std::nullopt;
}

bool IsOneLineText(std::string_view s) {
    if (s.empty()) return false;
    for (char c : s) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F) return false;
    }
    return true;
}

bool TwoDigits(std::string_view s, std::size_t at, int& value) {
    if (s[at] < '0' || s[at] > '9' || s[at + 1] < '0' || s[at + 1] > '9') return false;
    value = (s[at] - '0') * 10 + (s[at + 1] - '0');
    return true;
}

// "YYYY-MM-DDTHH:MM:SSZ" naming a real day; second 60 for a leap second.
bool IsUtcTime(std::string_view s) {
    if (s.size() != 20 || s[4] != '-' || s[7] != '-' || s[10] != 'T' || s[13] != ':' ||
        s[16] != ':' || s[19] != 'Z')
        return false;
    int century = 0, yearInCentury = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    if (!TwoDigits(s, 0, century) || !TwoDigits(s, 2, yearInCentury) || !TwoDigits(s, 5, month) ||
        !TwoDigits(s, 8, day) || !TwoDigits(s, 11, hour) || !TwoDigits(s, 14, minute) ||
        !TwoDigits(s, 17, second))
        return false;
    const std::chrono::year_month_day date{std::chrono::year{century * 100 + yearInCentury},
                                           std::chrono::month{static_cast<unsigned>(month)},
                                           std::chrono::day{static_cast<unsigned>(day)}};
    return date.ok() && hour <= 23 && minute <= 59 && second <= 60;
}

bool ReadHeaderValue(HeaderKey key, std::string_view value, RadioImage& image) {
    switch (key) {
        case HeaderKey::BandLower:
        case HeaderKey::BandUpper: {
            if (!AllDecimal(value) || value.size() > 3) return false;
            int mhz = 0;
            for (char c : value)
                mhz = mhz * 10 + (c - '0');
            (key == HeaderKey::BandLower ? image.bandLowerMHz : image.bandUpperMHz) = mhz;
            return true;
        }
        case HeaderKey::Family:
            if (value.size() != 2 || !AllHex(value)) return false;
            image.familyByte = static_cast<std::uint8_t>(HexValue(value));
            return true;
        case HeaderKey::ProgramVersion:
            if (!IsOneLineText(value)) return false;
            image.programVersion = std::string(value);
            return true;
        case HeaderKey::Time:
            if (!IsUtcTime(value)) return false;
            image.time = std::string(value);
            return true;
    }
    return false;
}

class Parser {
  public:
    explicit Parser(std::string_view text) : text_(text) {}

    RadioImageParse run() {
        if (text_.starts_with("\xEF\xBB\xBF")) text_.remove_prefix(3);
        if (!nextLine()) return fail(RadioImageFault::UnknownFormat, "");
        if (auto error = formatLine()) return *error;
        while (nextLine())
            if (auto error = contentLine()) return *error;
        if (auto error = closeArea()) return *error;
        if (!headerDone_) {
            if (auto error = headerComplete()) return *error;
        }
        if (image_.areas.empty()) return fail(RadioImageFault::NoAreas, "");
        return std::move(image_);
    }

  private:
    // Takes the next line without its line end; false at the end of the text.
    bool nextLine() {
        if (rest_done_) return false;
        const auto end = text_.find('\n', pos_);
        if (end == std::string_view::npos) {
            line_ = text_.substr(pos_);
            rest_done_ = true;
            if (line_.empty() && lineNumber_ > 0) return false;
        } else {
            line_ = text_.substr(pos_, end - pos_);
            pos_ = end + 1;
            if (pos_ == text_.size()) rest_done_ = true;
        }
        if (line_.ends_with('\r')) line_.remove_suffix(1);
        ++lineNumber_;
        return true;
    }

    RadioImageError fail(RadioImageFault fault, std::string_view text, std::string detail = {},
                         int count = 0) const {
        return failAt(lineNumber_, fault, text, std::move(detail), count);
    }
    static RadioImageError failAt(int line, RadioImageFault fault, std::string_view text,
                                  std::string detail = {}, int count = 0) {
        return {line, fault, PrintableExcerpt(text), std::move(detail), count};
    }

    std::optional<RadioImageError> formatLine() const {
        const auto words = Words(line_);
        if (words.empty() || words[0] != kRadioImageFormatName)
            return fail(RadioImageFault::UnknownFormat, Trim(line_));
        const std::string_view version = Trim(Trim(line_).substr(words[0].size()));
        if (version != std::to_string(kRadioImageFormatVersion))
            return fail(RadioImageFault::UnknownVersion, version);
        return std::nullopt;
    }

    std::optional<RadioImageError> contentLine() {
        const std::string_view t = Trim(line_);
        if (t.empty() || t.front() == '#') return std::nullopt;
        if (t.front() == '[') return areaLine(t);
        if (t.find('=') != std::string_view::npos) {
            if (headerDone_) return fail(RadioImageFault::UnreadableLine, t);
            return headerLine(t);
        }
        const auto colon = t.find(':');
        if (colon != std::string_view::npos) {
            if (area_) return memoryLine(t);
            const std::string_view address = Trim(t.substr(0, colon));
            if (address.size() == 4 && AllHex(address))
                return fail(RadioImageFault::LineOutsideArea, t);
        }
        return fail(RadioImageFault::UnreadableLine, t);
    }

    std::optional<RadioImageError> headerLine(std::string_view t) {
        const auto equals = t.find('=');
        const std::string_view name = Trim(t.substr(0, equals));
        const std::string_view value = Trim(t.substr(equals + 1));
        if (name.empty()) return fail(RadioImageFault::UnreadableLine, t);
        const auto key = KeyFromName(name);
        if (!key) return fail(RadioImageFault::UnknownHeaderField, name);
        const auto k = static_cast<std::size_t>(*key);
        if (seenKeys_[k]) return fail(RadioImageFault::DuplicateHeaderField, name);
        seenKeys_[k] = true;
        if (!ReadHeaderValue(*key, value, image_))
            return fail(RadioImageFault::BadHeaderValue, value, std::string(name));
        return std::nullopt;
    }

    std::optional<RadioImageError> headerComplete() const {
        for (std::size_t k = 0; k < kHeaderKeys.size(); ++k)
            if (!seenKeys_[k]) return fail(RadioImageFault::MissingHeaderField, kHeaderKeys[k]);
        return std::nullopt;
    }

    std::optional<RadioImageError> areaLine(std::string_view t) {
        if (!t.ends_with(']')) return fail(RadioImageFault::UnreadableLine, t);
        if (!headerDone_) {
            if (auto error = headerComplete()) return error;
            headerDone_ = true;
        }
        if (auto error = closeArea()) return error;
        const std::string_view name = Trim(t.substr(1, t.size() - 2));
        const auto area = AreaFromName(name);
        if (!area) return fail(RadioImageFault::UnknownArea, name);
        if (image_.areas.contains(*area)) return fail(RadioImageFault::DuplicateArea, name);
        area_ = area;
        areaLine_ = lineNumber_;
        bytes_.clear();
        return std::nullopt;
    }

    std::optional<RadioImageError> memoryLine(std::string_view t) {
        const auto colon = t.find(':');
        const std::string_view addressText = Trim(t.substr(0, colon));
        if (addressText.size() != 4 || !AllHex(addressText))
            return fail(RadioImageFault::BadAddress, addressText);
        const auto address = static_cast<unsigned>(HexValue(addressText));
        const RadioAreaRange range = AreaRange(*area_);
        const unsigned expected = range.first + static_cast<unsigned>(bytes_.size());
        if (!range.contains(address))
            return fail(RadioImageFault::AddressOutsideArea, addressText,
                        std::string(AreaName(*area_)));
        if (address % kLineBytes != 0) return fail(RadioImageFault::AddressNotAligned, addressText);
        if (address < expected) return fail(RadioImageFault::DuplicateAddress, addressText);
        if (address > expected)
            return fail(RadioImageFault::AddressOutOfOrder, addressText, Hex(expected, 4));

        const auto values = Words(t.substr(colon + 1));
        std::array<std::uint8_t, kLineBytes> line{};
        for (std::size_t n = 0; n < values.size(); ++n) {
            const std::string_view v = values[n];
            const int place = static_cast<int>(n) + 1;
            if (v.size() != 2 || !AllHex(v)) {
                const bool tooLarge = AllHex(v) && HexValue(v) > 0xFF;
                return fail(tooLarge ? RadioImageFault::ValueOutOfRange : RadioImageFault::BadValue,
                            v, {}, place);
            }
            if (n < kLineBytes) line[n] = static_cast<std::uint8_t>(HexValue(v));
        }
        const int count = static_cast<int>(values.size());
        if (values.size() < kLineBytes) return fail(RadioImageFault::TruncatedLine, "", {}, count);
        if (values.size() > kLineBytes) return fail(RadioImageFault::ExtraValues, "", {}, count);
        bytes_.insert(bytes_.end(), line.begin(), line.end());
        return std::nullopt;
    }

    // The area being read ends here: it must be whole.
    std::optional<RadioImageError> closeArea() {
        if (!area_) return std::nullopt;
        const RadioAreaRange range = AreaRange(*area_);
        if (bytes_.size() != range.size())
            return failAt(areaLine_, RadioImageFault::IncompleteArea, AreaName(*area_),
                          Hex(range.first + static_cast<unsigned>(bytes_.size()), 4));
        image_.areas[*area_] = std::move(bytes_);
        bytes_ = {};
        area_.reset();
        return std::nullopt;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    bool rest_done_ = false;
    std::string_view line_;
    int lineNumber_ = 0;

    RadioImage image_;
    std::array<bool, kHeaderKeys.size()> seenKeys_{};
    bool headerDone_ = false;
    std::optional<RadioArea> area_;
    int areaLine_ = 0;
    std::vector<std::uint8_t> bytes_;
};

}  // namespace

std::string FormatRadioImage(const RadioImage& image) {
    std::string out;
    out +=
        std::string(kRadioImageFormatName) + " " + std::to_string(kRadioImageFormatVersion) + "\n";
    out += "# Orvex CPS radio image: memory lines are \"address: 16 bytes\", all in hex.\n";
    out += "band-lower = " + std::to_string(image.bandLowerMHz) + "\n";
    out += "band-upper = " + std::to_string(image.bandUpperMHz) + "\n";
    out += "family = " + Hex(image.familyByte, 2) + "\n";
    out += "program-version = " + image.programVersion + "\n";
    out += "time = " + image.time + "\n";
    for (RadioArea area : kRadioAreas) {
        const auto found = image.areas.find(area);
        if (found == image.areas.end()) continue;
        const RadioAreaRange range = AreaRange(area);
        out += "\n[" + std::string(AreaName(area)) + "]\n";
        const std::vector<std::uint8_t>& bytes = found->second;
        for (std::size_t at = 0; at < bytes.size(); at += kLineBytes) {
            out += Hex(static_cast<unsigned>(range.first + at), 4) + ":";
            for (std::size_t n = at; n < bytes.size() && n < at + kLineBytes; ++n)
                out += " " + Hex(bytes[n], 2);
            out += "\n";
        }
    }
    return out;
}

RadioImageParse ParseRadioImage(std::string_view text) {
    return Parser(text).run();
}

std::optional<RadioImageError> CheckRadioImage(const RadioImage& image) {
    const RadioImageParse parsed = ParseRadioImage(FormatRadioImage(image));
    if (const auto* error = std::get_if<RadioImageError>(&parsed)) return *error;
    // Only a program version with blanks at either end can load back different.
    if (std::get<RadioImage>(parsed) != image) {
        constexpr int kProgramVersionLine = 6;
        return RadioImageError{kProgramVersionLine, RadioImageFault::BadHeaderValue,
                               PrintableExcerpt(image.programVersion), "program-version", 0};
    }
    return std::nullopt;
}

}  // namespace orvex
