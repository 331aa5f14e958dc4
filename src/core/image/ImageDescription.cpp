#include "core/image/ImageDescription.h"

#include <algorithm>
#include <memory>

#include "core/image/DescribeAreas.h"
#include "core/shell/StartupTables.h"

namespace orvex {

DescribeContext DescribeContextOf(const SharedState& state) {
    DescribeContext context;
    context.languageFlag = state.Language_Flag;
    context.optionOffsets = state.OptionOffsets;
    context.replyNames = state.texts.replyOptions;
    context.callNames = state.texts.callOptions;
    return context;
}

DescribeContext StartupDescribeContext(int languageFlag) {
    // Large (it carries the channel editor's stores), so not on the stack.
    const auto state = std::make_unique<SharedState>();
    state->Language_Flag = static_cast<std::int16_t>(languageFlag != 0 ? -1 : 0);
    LoadLanguageTexts(*state);
    InitToneTable(*state);
    InitOptionOffsets(*state);
    InitBandTable(*state);
    state->TwoTone_Scale = kTwoToneScale;
    return DescribeContextOf(*state);
}

std::vector<DescribedSetting> DescribeArea(RadioArea area, std::span<const std::uint8_t> bytes,
                                           const DescribeContext& context) {
    // Every describer reads exactly the area's bytes.
    std::vector<std::uint8_t> whole(AreaRange(area).size(), 0xFF);
    std::copy_n(bytes.begin(), std::min(bytes.size(), whole.size()), whole.begin());
    switch (area) {
        case RadioArea::channels:
            return describe::Channels(whole, context);
        case RadioArea::options:
            return describe::Options(whole, context);
        case RadioArea::dtmf:
            return describe::Dtmf(whole, context);
        case RadioArea::fm:
            return describe::Fm(whole, context);
        case RadioArea::twotone:
            return describe::TwoTone(whole, context);
        case RadioArea::fivetone:
            return describe::FiveTone(whole, context);
    }
    return {};
}

}  // namespace orvex
