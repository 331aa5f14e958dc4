#pragma once

#include <array>
#include <cstdint>

#include "core/link/ReadReply.h"

namespace orvex {

// Reply slots 1 to 70; index 0 is never used.
inline constexpr int kReplySlots = 70;
using ReplyTable = std::array<ReadReply, kReplySlots + 1>;

// Write image: row n holds channel n. Columns 0 to 15 are the channel record, columns 16
// to 21 only travel through channel files; the remaining columns are never used.
inline constexpr int kWriteImageRows = 261;
inline constexpr int kWriteImageColumns = 51;
inline constexpr int kFileColumns = 22;
using WriteImageRow = std::array<std::uint8_t, kWriteImageColumns>;
using WriteImage = std::array<WriteImageRow, kWriteImageRows>;

// The channel editor's working storage. It is process-wide: it outlives the editor window
// and keeps its contents while the program runs.
struct ChannelStores {
    WriteImage writeImage{};
    ReplyTable channelReplies{};
    ReplyTable companionReplies{};

    void clearReplies() {
        for (auto& slot : channelReplies)
            slot.fill(0xFF);
        for (auto& slot : companionReplies)
            slot.fill(0xFF);
    }
};

}  // namespace orvex
