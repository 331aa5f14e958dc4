#include "core/fm/FmArea.h"
#include "core/fm/FmTexts.h"
#include "core/image/DescribeAreas.h"

namespace orvex::describe {

namespace {

namespace texts = fm_texts;

std::string Caption(std::string_view name, int languageFlag) {
    return CaptionText(CaptionIn(texts::kCaptions, name).pick(languageFlag));
}

}  // namespace

// The preset grid, one row per preset, then the A and B band ranges as "lower TO upper".
std::vector<DescribedSetting> Fm(std::span<const std::uint8_t> bytes,
                                 const DescribeContext& context) {
    const int lang = context.languageFlag;
    FmSettings settings;
    DecodeFmBlock(kFmAreaAddress, bytes, settings);

    std::vector<DescribedSetting> out;
    SettingList list(RadioArea::fm, out);
    list.section(Caption("frm_FM", lang));
    const std::vector<std::string> headings = GridHeadings(Caption("MSF_Chann", lang));
    for (std::size_t p = 0; p < settings.presets.size(); ++p) {
        const std::string row = std::to_string(p + 1);
        list.addCell(headings[0], row, headings[1], settings.presets[p].frequency);
        list.addCell(headings[0], row, headings[2], settings.presets[p].name);
    }
    const auto range = [&](FmBandBox lower, FmBandBox upper, std::string_view to) {
        const std::string& low = settings.bandBoxes[std::size_t(lower)];
        const std::string& high = settings.bandBoxes[std::size_t(upper)];
        if (low.empty() && high.empty()) return std::string();
        return low + " " + Caption(to, lang) + " " + high;
    };
    list.add(Caption("Label_A", lang), range(FmBandBox::ALower, FmBandBox::AUpper, "LB_TO_A"));
    list.add(Caption("Label_B", lang), range(FmBandBox::BLower, FmBandBox::BUpper, "LB_TO_B"));
    return out;
}

}  // namespace orvex::describe
