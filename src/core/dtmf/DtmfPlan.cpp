#include "core/dtmf/DtmfPlan.h"

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
    : ImagePlan(state, {0x01, 0x00}, kTexts, kWriteFrames - 1) {}

}  // namespace orvex
