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

OptionPlan::OptionPlan(const SharedState& state) : ImagePlan(state, {0x02, 0x20}, kTexts) {}

OptionImage OptionPlan::ImageOf(const ReadImage& read) {
    OptionImage image;
    std::copy_n(read.begin(), image.size(), image.begin());
    return image;
}

}  // namespace orvex
