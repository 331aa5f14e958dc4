#include "core/channels/ChannelPlan.h"

#include <algorithm>

#include "core/channels/ChannelTexts.h"

namespace orvex {

namespace {

constexpr std::uint16_t kCompanionArea = 0x1000;
constexpr int kRecordBytes = 16;

}  // namespace

ChannelPlan::ChannelPlan(SharedState& state, ChannelGridAccess& grid)
    : state_(state), grid_(grid) {}

EngineSettings ChannelPlan::Settings() {
    return {.pacingMs = 5,
            .burst = false,
            .retryDelayMs = 1500,
            .portMessage = PortMessageStyle::Channel,
            .messageTitle = channel_texts::kTitle,
            .doneTitle = channel_texts::kTitle};
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
        offset = static_cast<std::uint16_t>(kCompanionArea + (block_ - 1) * kReadBlockBytes);
        ++block_;
        companion_ = true;
    } else {
        companion_ = false;
        if (block_ > readBlocks_) return std::nullopt;
        offset = static_cast<std::uint16_t>((block_ - 1) * kReadBlockBytes);
    }
    return NextBlock{offset, ProgressPercent(block_, readBlocks_ + 1),
                     CountedLabel(channel_texts::kReadingBefore, block_,
                                  channel_texts::kReadingAfter, state_.Language_Flag)};
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
            const auto start = reply.begin() + kReplyDataOffset + r * kRecordBytes;
            std::copy(start, start + kRecordBytes, record.begin());
            grid_.decodeRow(channel, record);
        }
    }
}

FrameData ChannelPlan::encodedRow(int row) {
    grid_.encodeRow(row);
    FrameData data;
    const auto& image = state_.channels.writeImage[static_cast<size_t>(row)];
    std::copy(image.begin(), image.begin() + kRecordBytes, data.begin());
    return data;
}

FrameData ChannelPlan::beginWrite() {
    block_ = 1;
    return encodedRow(1);
}

std::optional<NextFrame> ChannelPlan::nextWrite() {
    if (block_ > kWriteBlocks) return std::nullopt;
    NextFrame frame;
    frame.offset = static_cast<std::uint16_t>((block_ - 1) * kRecordBytes);
    frame.progress = ProgressPercent(block_, kWriteBlocks);
    frame.label = CountedLabel(channel_texts::kWritingBefore, block_ - 1,
                               channel_texts::kWritingAfter, state_.Language_Flag);
    frame.data = encodedRow(block_);
    ++block_;
    return frame;
}

Bilingual ChannelPlan::readDoneMessage() const {
    return channel_texts::kReadDone;
}
Bilingual ChannelPlan::readDoneLabel() const {
    return channel_texts::kReadDoneLabel;
}
Bilingual ChannelPlan::writeDoneMessage() const {
    return channel_texts::kWriteDone;
}
Bilingual ChannelPlan::writeDoneLabel() const {
    return channel_texts::kWriteDoneLabel;
}

}  // namespace orvex
