#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/channels/ChannelFileError.h"
#include "core/channels/ChannelStores.h"

namespace orvex {

// A ".chann" file: the channel count, then for each channel n = 1 to the count the 22
// values of write-image row n (the 16 record bytes and six values carried along).
inline constexpr int kMinFileChannels = 1;
inline constexpr int kMaxFileChannels = kWriteImageRows - 1;

using ChannelFileRecord = std::array<std::uint8_t, kFileColumns>;

struct ChannelFileContents {
    int channelCount = 0;
    std::vector<ChannelFileRecord> records;  // records[0] is channel 1
};

using ChannelFileParse = std::variant<ChannelFileContents, ChannelFileError>;

// Line 1 " <count> ", then one line per channel with columns 0 to 21 of its write-image
// row, each value as " <digits> "; lines end with CR LF. A count outside 1..260 is clamped
// to that range so that the file always loads again.
std::string FormatChannelFile(int channelCount, const WriteImage& image);

// Checks the whole file before anything is used: either every announced record is
// complete and valid, or the first fault is reported.
ChannelFileParse ParseChannelFile(std::string_view text);

// Copies the records into write-image rows 1 to the count, columns 0 to 21.
void ApplyChannelFile(const ChannelFileContents& contents, WriteImage& image);

}  // namespace orvex
