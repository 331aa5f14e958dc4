#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/image/RadioArea.h"

namespace orvex {

// A whole radio, or the chosen areas of one, as kept in a radio image file (layout in
// docs/radio-image.md). The file's first line names the format and its version:
// "orvex-radio-image 1".
inline constexpr std::string_view kRadioImageFormatName = "orvex-radio-image";
inline constexpr int kRadioImageFormatVersion = 1;

struct RadioImage {
    // The radio the image was read from, as its identification gave them: the band limits in
    // whole MHz (the upper one without the + 1 the editors add), 0 to 999 each, and the family
    // byte.
    int bandLowerMHz = 0;
    int bandUpperMHz = 0;
    std::uint8_t familyByte = 0;
    // The program that wrote the file, one line of text.
    std::string programVersion;
    // When the image was read: UTC, "YYYY-MM-DDTHH:MM:SSZ".
    std::string time;
    // The areas the image holds, each exactly AreaRange(area).size() bytes; at least one.
    std::map<RadioArea, std::vector<std::uint8_t>> areas;

    friend bool operator==(const RadioImage&, const RadioImage&) = default;
};

enum class RadioImageFault {
    UnknownFormat,         // the first line does not name the format
    UnknownVersion,        // the format in a version this program does not know
    UnreadableLine,        // neither a header field, an area line, a memory line nor a comment
    UnknownHeaderField,    // a header key this version does not have
    DuplicateHeaderField,  // a header key given twice
    BadHeaderValue,        // a header value of the wrong shape or out of range
    MissingHeaderField,    // the header ends without one of its fields
    UnknownArea,           // an area line naming no area
    DuplicateArea,         // the same area twice
    LineOutsideArea,       // a memory line before the first area line
    BadAddress,            // the address is not four hex digits followed by ':'
    AddressOutsideArea,    // the address does not belong to the area
    AddressNotAligned,     // the address is not a multiple of 16
    DuplicateAddress,      // the address of an earlier line of the area
    AddressOutOfOrder,     // not the address that comes next: a line is missing or misplaced
    BadValue,              // a value that is not two hex digits
    ValueOutOfRange,       // a hex number above FF
    TruncatedLine,         // fewer than 16 values
    ExtraValues,           // more than 16 values
    IncompleteArea,        // the area ends before its last line
    NoAreas,               // the file holds no area at all
};

struct RadioImageError {
    int line = 0;  // 1-based line of the file the fault is on
    RadioImageFault fault = RadioImageFault::UnknownFormat;
    // The faulty text, shortened and printable: the first line, the version, the header key
    // (value for BadHeaderValue), the area name, the address or the value.
    std::string text;
    // BadHeaderValue: the key. AddressOutsideArea: the area. AddressOutOfOrder and
    // IncompleteArea: the address of the line expected. IncompleteArea also the area in text.
    std::string detail;
    // BadValue, ValueOutOfRange: the value's place 1 to 16 on its line. TruncatedLine,
    // ExtraValues: how many values the line holds.
    int count = 0;

    friend bool operator==(const RadioImageError&, const RadioImageError&) = default;
};

using RadioImageParse = std::variant<RadioImage, RadioImageError>;

// The file text: the format line, the header, then every area the image holds in address
// order, lines ending in LF. An image that breaks the rules of RadioImage (an area of the
// wrong size, a band limit outside 0-999, a time of another shape, a program version that is
// empty or not one line) gives a file that ParseRadioImage refuses; CheckRadioImage tells.
std::string FormatRadioImage(const RadioImage& image);

// Checks the whole text before anything is kept: either every line is right and the image
// comes back, or the first fault with its line. A UTF-8 byte-order mark and CR LF line ends
// are accepted.
RadioImageParse ParseRadioImage(std::string_view text);

// Whether the image can be written as a file that loads back unchanged: the fault its file
// would be refused for, if any.
std::optional<RadioImageError> CheckRadioImage(const RadioImage& image);

// The fault in words, starting with the line; `languageFlag` 0 gives English, anything else
// Chinese.
std::string RadioImageErrorText(const RadioImageError& error, int languageFlag);

}  // namespace orvex
