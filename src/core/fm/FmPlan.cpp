#include "core/fm/FmPlan.h"

#include <span>

#include "core/fm/FmTexts.h"

namespace orvex {

namespace {

namespace texts = fm_texts;

constexpr PlainBlockPlan::Texts kTexts{
    texts::kReadingBefore, texts::kReadingAfter,  texts::kWritingBefore, texts::kWritingAfter,
    texts::kReadDone,      texts::kReadDoneLabel, texts::kWriteDone,     texts::kWriteDoneLabel};

}  // namespace

EngineSettings FmPlan::Settings() {
    return {.pacingMs = 10,
            .burst = false,
            .retryDelayMs = 1500,
            .portMessage = PortMessageStyle::Channel,
            .messageTitle = texts::kBusyTitle,
            .doneTitle = texts::kPromptTitle,
            .writesPanel8 = true,
            .readLabelFirst = true};
}

FmPlan::FmPlan(const SharedState& state)
    : ImagePlan(state, {kFmAreaAddress >> 8, kFmAreaAddress & 0xFF}, kTexts) {
    static_assert(kWriteFrames == kFmWriteBlocks);
    onReply = [this](int block, const ReadReply& reply) {
        if (block == 0) replies_.clear();  // a new attempt starts over
        replies_.push_back(reply);
    };
    onDecode = [this] {
        if (onReplies) onReplies(replies_);
    };
}

void FmPlan::DecodeReplies(const std::vector<ReadReply>& replies, FmSettings& settings) {
    for (const ReadReply& reply : replies) {
        const auto address = static_cast<std::uint16_t>(reply[2] << 8 | reply[3]);
        DecodeFmBlock(
            address,
            std::span<const std::uint8_t>(reply.data() + kReplyDataOffset, kReadBlockBytes),
            settings);
    }
}

void FmPlan::PlaceReplies(const std::vector<ReadReply>& replies, std::span<std::uint8_t> area) {
    for (const ReadReply& reply : replies) {
        const int address = reply[2] << 8 | reply[3];
        const int start = address - kFmAreaAddress;
        for (int i = 0; i < kReadBlockBytes; ++i) {
            const int at = start + i;
            if (at >= 0 && at < static_cast<int>(area.size()))
                area[static_cast<size_t>(at)] = reply[static_cast<size_t>(kReplyDataOffset + i)];
        }
    }
}

}  // namespace orvex
