#include <algorithm>

#include "core/image/DescribeAreas.h"
#include "core/options/OptionLists.h"
#include "core/options/OptionTexts.h"

namespace orvex::describe {

namespace {

namespace texts = option_texts;

std::string Caption(std::string_view name, int languageFlag) {
    return CaptionText(CaptionIn(texts::kCaptions, name).pick(languageFlag));
}

// The caption before a control: its label's, or its own for a check box.
std::string ControlName(std::string_view control, int languageFlag) {
    const std::string_view label = LabelOf(texts::kLabels, control);
    return Caption(label.empty() ? control : label, languageFlag);
}

}  // namespace

// Frame by frame as the form lays them out: each list by the caption of its label with the
// item it selects, each check box by its caption, the limits as "RX From" and "RX From ... to"
// with their whole MHz.
std::vector<DescribedSetting> Options(std::span<const std::uint8_t> bytes,
                                      const DescribeContext& context) {
    const int lang = context.languageFlag;
    OptionImage image{};
    std::copy_n(bytes.begin(), image.size(), image.begin());
    const OptionSettings settings = DecodeOptionImage(image, context.optionOffsets);

    std::vector<DescribedSetting> out;
    SettingList list(RadioArea::options, out);
    for (const texts::Frame& frame : texts::kFrames) {
        list.section(CaptionText(frame.title.pick(lang)));
        for (std::string_view control : frame.controls) {
            for (int i = 0; i < kOptionListCount; ++i) {
                const auto which = static_cast<OptionList>(i);
                if (OptionListOf(which).control != control) continue;
                list.add(ControlName(control, lang),
                         ItemAt(OptionListItems(which, lang), settings.lists[std::size_t(i)]));
            }
            for (int i = 0; i < kOptionFlagCount; ++i)
                if (OptionFlagControl(static_cast<OptionFlag>(i)) == control)
                    list.add(ControlName(control, lang), OnOff(settings.flags[std::size_t(i)]));
            for (int i = 0; i < kOptionLimitCount; ++i) {
                if (OptionLimitControl(static_cast<OptionLimit>(i)) != control) continue;
                std::string name = ControlName(control, lang);
                if (i % 2 == 1)  // the upper limit: "to" after the lower one's caption
                    name = ControlName(OptionLimitControl(static_cast<OptionLimit>(i - 1)), lang) +
                           " ... " + name;
                list.add(std::move(name),
                         settings.limits[std::size_t(i)] + " " + std::string(texts::kUnit));
            }
        }
    }
    return out;
}

}  // namespace orvex::describe
