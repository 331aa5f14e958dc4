#include "core/options/OptionPlan.h"

#include <algorithm>

#include "core/options/OptionTexts.h"

namespace orvex {

namespace {

namespace texts = option_texts;

constexpr PlainBlockPlan::Texts kTexts{
    texts::kReadingBefore, texts::kReadingAfter,  texts::kWritingBefore, texts::kWritingAfter,
    texts::kReadDone,      texts::kReadDoneLabel, texts::kWriteDone,     texts::kWriteDoneLabel};

}  // namespace

EngineSettings OptionPlan::Settings() {
    return {.pacingMs = 10,
            .burst = false,
            .retryDelayMs = 1500,
            .portMessage = PortMessageStyle::Standard,
            .messageTitle = texts::kBusyTitle,
            .doneTitle = texts::kPromptTitle,
            .writesPanel8 = false,
            .readLabelFirst = true};
}

OptionPlan::OptionPlan(const SharedState& state)
    : PlainBlockPlan(state, {0x02, 0x20}, kReadBlocks, kWriteFrames, kTexts) {
    onReply = [this](int block, const ReadReply& reply) {
        if (block != 0) return;
        const auto data = reply.begin() + kReplyDataOffset;
        std::copy(data, data + kOptionImageSize, readImage_.begin());
    };
    frameData = [this](int frame) {
        FrameData data;
        const auto start = writeImage.begin() + frame * static_cast<int>(data.size());
        std::copy(start, start + static_cast<int>(data.size()), data.begin());
        return data;
    };
    onDecode = [this] {
        if (onRead) onRead(readImage_);
    };
}

}  // namespace orvex
