#include "core/fivetone/FiveTonePlan.h"

#include "core/fivetone/FiveToneTexts.h"

namespace orvex {

namespace {

namespace texts = fivetone_texts;

constexpr PlainBlockPlan::Texts kTexts{
    texts::kReadingBefore, texts::kReadingAfter,  texts::kWritingBefore, texts::kWritingAfter,
    texts::kReadDone,      texts::kReadDoneLabel, texts::kWriteDone,     texts::kWriteDoneLabel};

constexpr std::array<std::uint8_t, 2> kReadBase{0x24, 0x00};
constexpr std::array<std::uint8_t, 2> kWriteBase{0x20, 0x00};

}  // namespace

EngineSettings FiveTonePlan::Settings() {
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

FiveTonePlan::FiveTonePlan(const SharedState& state) : ImagePlan(state, kReadBase, kTexts) {}

std::array<std::uint8_t, 2> FiveTonePlan::baseAddress(TransferMode mode) const {
    return mode == TransferMode::Write ? kWriteBase : kReadBase;
}

}  // namespace orvex
