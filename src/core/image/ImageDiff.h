#pragma once

#include <string>
#include <vector>

#include "core/image/ImageDescription.h"

namespace orvex {

enum class DifferenceKind {
    Header,        // a header field: `name` is the field
    Setting,       // a described setting
    RawByte,       // a byte no described setting shows: `name` is its address ("0x0123")
    OnlyInFirst,   // the area is in the first image only
    OnlyInSecond,  // the area is in the second image only
};

struct SettingDifference {
    DifferenceKind kind = DifferenceKind::Setting;
    RadioArea area = RadioArea::channels;  // not used for Header
    std::string section;
    std::string rowHeading;
    std::string row;
    std::string name;
    std::string first;   // the value in the first image (a raw byte as two hex digits)
    std::string second;  // the value in the second image
    friend bool operator==(const SettingDifference&, const SettingDifference&) = default;
};

// Everything that differs: the radio's header fields (the band limits and the family byte;
// the program version and the time say nothing about the radio), then area by area in address order
// the settings whose texts differ, then the bytes that differ where no setting shows it, so that no
// difference is ever left out. An area held by one image only is one difference.
std::vector<SettingDifference> DiffImages(const RadioImage& first, const RadioImage& second,
                                          const DescribeContext& context);

// One line per difference, ending in LF; a line saying the images are the same when there is
// none.
std::string FormatImageDiff(const std::vector<SettingDifference>& differences,
                            const DescribeContext& context);

}  // namespace orvex
