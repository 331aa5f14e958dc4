#include "core/channels/ChannelPlan.h"

#include <algorithm>

#include "core/channels/ChannelTexts.h"

namespace orvex {

namespace {

constexpr std::uint16_t kCompanionArea = 0x1000;
constexpr int kBlockBytes = 64;
constexpr int kRecordBytes = 16;

constexpr PlainBlockPlan::Texts kTexts{
    channel_texts::kReadingBefore, channel_texts::kReadingAfter,  channel_texts::kWritingBefore,
    channel_texts::kWritingAfter,  channel_texts::kReadDone,      channel_texts::kReadDoneLabel,
    channel_texts::kWriteDone,     channel_texts::kWriteDoneLabel};

}  // namespace

ChannelPlan::ChannelPlan(SharedState& state, ChannelGridAccess& grid)
    : PlainBlockPlan(state, {0x00, 0x00}, 0, kWriteBlocks, kTexts), state_(state), grid_(grid) {
    encodeBlock = [this](int row) {
        grid_.encodeRow(row);
        FrameData data;
        const auto& image = state_.channels.writeImage[static_cast<size_t>(row)];
        std::copy(image.begin(), image.begin() + kRecordBytes, data.begin());
        return data;
    };
}

int ChannelPlan::ReadBlockCount(int channelCount) {
    return static_cast<int>(channelCount / 4.0 + 0.9) + 1;
}

void ChannelPlan::beginRead() {
    readBlocks_ = ReadBlockCount(state_.Chann_Count);
    block_ = 1;
    companion_ = false;
}

void ChannelPlan::storeReply(const ReadReply& reply) {
    if (block_ < 1 || block_ > kReplySlots) return;
    auto& table = companion_ ? state_.channels.companionReplies : state_.channels.channelReplies;
    table[static_cast<size_t>(block_)] = reply;
}

std::optional<NextBlock> ChannelPlan::nextRead() {
    std::uint16_t offset = 0;
    if (!companion_) {
        offset = static_cast<std::uint16_t>(kCompanionArea + (block_ - 1) * kBlockBytes);
        ++block_;
        companion_ = true;
    } else {
        companion_ = false;
        if (block_ > readBlocks_) return std::nullopt;
        offset = static_cast<std::uint16_t>((block_ - 1) * kBlockBytes);
    }
    return NextBlock{offset, ProgressPercent(block_, readBlocks_ + 1), readingLabel(block_)};
}

void ChannelPlan::decode() {
    const int count = state_.Chann_Count;
    for (int slot = 1; slot <= std::min(readBlocks_ + 1, kReplySlots); ++slot) {
        const ReadReply& reply = state_.channels.channelReplies[static_cast<size_t>(slot)];
        const int first = reply[2] * 16 + reply[3] / 16 + 1;
        // The slot after the last block was not filled by this read; its first record
        // alone shows that (0xFF or stale addresses name a channel beyond the count).
        const int records = slot == readBlocks_ + 1 ? 1 : 4;
        for (int r = 0; r < records; ++r) {
            const int channel = first + r;
            if (channel > count) break;
            std::array<std::uint8_t, 16> record;
            const auto start = reply.begin() + 5 + r * kRecordBytes;
            std::copy(start, start + kRecordBytes, record.begin());
            grid_.decodeRow(channel, record);
        }
    }
}

}  // namespace orvex
