#include <algorithm>

#include "core/image/DescribeAreas.h"
#include "core/twotone/TwoToneImage.h"
#include "core/twotone/TwoToneTexts.h"

namespace orvex::describe {

namespace {

namespace texts = twotone_texts;

std::string Caption(std::string_view name, int languageFlag) {
    return CaptionText(CaptionIn(texts::kCaptions, name).pick(languageFlag));
}

}  // namespace

// The encode grid and the three durations, the decode grid and the reset time, then the tone
// set of each decode code as the four tone boxes show it.
std::vector<DescribedSetting> TwoTone(std::span<const std::uint8_t> bytes,
                                      const DescribeContext& context) {
    const int lang = context.languageFlag;
    TwoToneImage image{};
    std::copy_n(bytes.begin(), image.size(), image.begin());
    const TwoToneSettings settings = DecodeTwoToneImage(image, context.replyNames);
    const std::vector<std::string> durations = ToneTimingItems();

    std::vector<DescribedSetting> out;
    SettingList list(RadioArea::twotone, out);
    list.section(Caption("Frame_encode", lang));
    const std::vector<std::string> encode = GridHeadings(texts::kEncodeGridHeader.pick(lang));
    for (std::size_t c = 0; c < settings.encode.size(); ++c) {
        const std::string row = std::to_string(c + 1);
        list.addCell(encode[0], row, encode[1], settings.encode[c].first);
        list.addCell(encode[0], row, encode[2], settings.encode[c].second);
    }
    list.add(Caption("Label_1st", lang), ItemAt(durations, settings.firstTone));
    list.add(Caption("Label_2nd", lang), ItemAt(durations, settings.secondTone));
    list.add(Caption("Label_gap", lang), ItemAt(durations, settings.gap));

    list.section(Caption("Frame_Decode", lang));
    const std::vector<std::string> decode = GridHeadings(texts::kDecodeGridHeader.pick(lang));
    for (std::size_t c = 0; c < settings.decode.size(); ++c) {
        const std::string row = std::to_string(c + 1);
        for (std::size_t s = 0; s < kTwoToneSlots; ++s) {
            const DecodeSlotCells& slot = settings.decode[c][s];
            list.addCell(decode[0], row, decode[3 * s + 1], slot.pair);
            list.addCell(decode[0], row, decode[3 * s + 2], slot.response);
            list.addCell(decode[0], row, decode[3 * s + 3], slot.alert);
        }
    }
    list.add(Caption("Label_Reset", lang), ItemAt(ResetTimeItems(), settings.resetTime));

    list.section(CaptionText(texts::kDecodeFrameAfter.pick(lang)));
    static constexpr std::array<std::string_view, kToneSetTones> kToneLabels = {
        "Label_A_tone", "Label_B_Tone", "Label_C_Tone", "Label_D_Tone"};
    for (int c = 0; c < kTwoToneCodes; ++c) {
        const ToneBoxes boxes = ShowToneSet(settings.toneSets, c);
        for (std::size_t t = 0; t < boxes.size(); ++t)
            list.addCell(decode[0], std::to_string(c + 1), Caption(kToneLabels[t], lang), boxes[t]);
    }
    return out;
}

}  // namespace orvex::describe
