#include <algorithm>

#include "core/fivetone/FiveToneImage.h"
#include "core/fivetone/FiveToneTexts.h"
#include "core/image/DescribeAreas.h"

namespace orvex::describe {

namespace {

namespace texts = fivetone_texts;

std::string Caption(std::string_view name, int languageFlag) {
    return CaptionText(CaptionIn(texts::kCaptions, name).pick(languageFlag));
}

// A frame's actions as its row of check boxes shows them: the captions of the ticked action
// boxes, then the numbers of the ticked group-call positions ("DISP ALERT 1 3").
std::string Actions(std::uint8_t flags, std::uint8_t positions, int languageFlag) {
    static constexpr std::array<std::pair<std::uint8_t, std::string_view>, 4> kActions = {{
        {kActionDisp, "Label_Disp"},
        {kActionLed, "Label_led"},
        {kActionCtrl, "Label_ctrl"},
        {kActionAlert, "Label_Tishi"},
    }};
    std::string text;
    const auto append = [&text](const std::string& word) {
        if (!text.empty()) text += ' ';
        text += word;
    };
    for (const auto& [bit, label] : kActions)
        if (flags & bit) append(Caption(label, languageFlag));
    for (int p = 0; p < kCodeDigits; ++p)
        if (positions & (1u << p)) append(std::to_string(p + 1));
    return text;
}

}  // namespace

// The standards grid, the encode grid and its four timings, the decode grid, each decode
// code's actions and the decode reset and reply settings.
std::vector<DescribedSetting> FiveTone(std::span<const std::uint8_t> bytes,
                                       const DescribeContext& context) {
    const int lang = context.languageFlag;
    FiveToneReadImage image{};
    std::copy_n(bytes.begin(), image.size(), image.begin());
    const FiveToneSettings settings = DecodeFiveToneImage(image, context.callNames);

    std::vector<DescribedSetting> out;
    SettingList list(RadioArea::fivetone, out);
    list.section(Caption("Frame_std", lang));
    const std::vector<std::string> standards = GridHeadings(texts::kStandardsHeader.pick(lang));
    for (std::size_t s = 0; s < settings.standards.size(); ++s) {
        const std::string row(kFiveToneStandardNames[s]);
        list.addCell(standards[0], row, standards[1], settings.standards[s].period);
        list.addCell(standards[0], row, standards[2], settings.standards[s].groupTone);
        list.addCell(standards[0], row, standards[3], settings.standards[s].repeatTone);
    }

    list.section(Caption("Frame_encode", lang));
    const std::vector<std::string> encode = GridHeadings(texts::kEncodeHeader.pick(lang));
    for (std::size_t c = 0; c < settings.encode.size(); ++c) {
        const std::string row = std::to_string(c + 1);
        const FiveToneEncodeRow& code = settings.encode[c];
        for (std::size_t f = 0; f < kCodeFrames; ++f)
            list.addCell(encode[0], row, encode[1 + f], code.frames[f]);
        list.addCell(encode[0], row, encode[4], code.transpond);
        list.addCell(encode[0], row, encode[5], code.standard);
    }
    const std::vector<std::string> timings = ToneTimingItems();
    static constexpr std::array<std::string_view, 4> kTimingLabels = {
        "Label_enc_ys1", "Label_enc_ys2", "Label_enc_ys3", "Label_enc_ys4"};
    for (std::size_t t = 0; t < kTimingLabels.size(); ++t)
        list.add(Caption(kTimingLabels[t], lang), ItemAt(timings, settings.encodeTimings[t]));

    list.section(Caption("Frame_decode", lang));
    const std::vector<std::string> decode = GridHeadings(texts::kDecodeHeader.pick(lang));
    for (std::size_t c = 0; c < settings.decode.size(); ++c) {
        const std::string row = std::to_string(c + 1);
        const FiveToneDecodeRow& code = settings.decode[c];
        list.addCell(decode[0], row, decode[1], code.standard);
        for (std::size_t f = 0; f < kCodeFrames; ++f) {
            list.addCell(decode[0], row, decode[2 + 2 * f], code.frames[f]);
            list.addCell(decode[0], row, decode[3 + 2 * f], code.functions[f]);
        }
        list.addCell(decode[0], row, decode[8], code.reply);
    }
    for (std::size_t c = 0; c < settings.DecodeActions.size(); ++c) {
        const DecodeActionValues& values = settings.DecodeActions[c];
        for (std::size_t f = 0; f < kCodeFrames; ++f)
            list.addCell(decode[0], std::to_string(c + 1),
                         Caption("Label_F" + std::to_string(f + 1), lang),
                         Actions(values[2 * f], values[2 * f + 1], lang));
    }
    list.add(Caption("Label_Reset_time", lang), ItemAt(ResetTimeItems(), settings.resetTime));
    list.add(Caption("Check_Dec_back", lang), OnOff(settings.replyAfterAll));
    list.add(Caption("Check_Dec_Bcl", lang), OnOff(settings.replyWhenIdle));
    list.add(Caption("Label8", lang), ItemAt(ReplyDelayItems(), settings.replyDelay));
    return out;
}

}  // namespace orvex::describe
