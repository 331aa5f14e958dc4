#pragma once

#include <string>

#include "core/image/ImageDescription.h"

namespace orvex {

// The image as people read it, plain fixed-width text ending in LF: a header with the band,
// the family byte, the program version and the time, then every area the image holds in
// address order under its own title. Settings that form a table are shown as an aligned
// table, one line per row; the others as "name: value" lines.
std::string FormatImageShow(const RadioImage& image, const DescribeContext& context);

}  // namespace orvex
