#include "core/twotone/TwoTonePlan.h"

#include "core/twotone/TwoToneTexts.h"

namespace orvex {

namespace {

namespace texts = twotone_texts;

constexpr PlainBlockPlan::Texts kTexts{
    texts::kReadingBefore, texts::kReadingAfter,  texts::kWritingBefore, texts::kWritingAfter,
    texts::kReadDone,      texts::kReadDoneLabel, texts::kWriteDone,     texts::kWriteDoneLabel};

}  // namespace

EngineSettings TwoTonePlan::Settings() {
    return {.pacingMs = 10,
            .burst = true,
            .retryDelayMs = 3000,
            .portMessage = PortMessageStyle::Standard,
            .messageTitle = texts::kBusyTitle,
            .doneTitle = texts::kPromptTitle,
            .writesPanel8 = false,
            .readLabelFirst = false,
            .failureInEditor = true};
}

TwoTonePlan::TwoTonePlan(const SharedState& state) : ImagePlan(state, {0x2D, 0x00}, kTexts) {}

}  // namespace orvex
