#include "core/dtmf/DtmfPlan.h"

#include <algorithm>

#include "core/dtmf/DtmfTexts.h"

namespace orvex {

namespace {

namespace texts = dtmf_texts;

constexpr PlainBlockPlan::Texts kTexts{
    texts::kReadingBefore, texts::kReadingAfter,  texts::kWritingBefore, texts::kWritingAfter,
    texts::kReadDone,      texts::kReadDoneLabel, texts::kWriteDone,     texts::kWriteDoneLabel};

}  // namespace

EngineSettings DtmfPlan::Settings() {
    return {.pacingMs = 10,
            .burst = false,
            .retryDelayMs = 1500,
            .portMessage = PortMessageStyle::Standard,
            .messageTitle = texts::kBusyTitle,
            .doneTitle = texts::kPromptTitle,
            .writesPanel8 = true,
            .readLabelFirst = true};
}

DtmfPlan::DtmfPlan(const SharedState& state)
    : PlainBlockPlan(state, {0x01, 0x00}, kReadBlocks, kWriteFrames, kTexts, kWriteFrames - 1) {
    onReply = [this](int block, const ReadReply& reply) {
        if (block < 0 || block >= kReadBlocks) return;
        const auto data = reply.begin() + kReplyDataOffset;
        std::copy(data, data + kReadBlockBytes, readImage_.begin() + block * kReadBlockBytes);
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
