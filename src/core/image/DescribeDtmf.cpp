#include <algorithm>

#include "core/dtmf/DtmfBlock.h"
#include "core/dtmf/DtmfTexts.h"
#include "core/image/DescribeAreas.h"

namespace orvex::describe {

namespace {

namespace texts = dtmf_texts;

std::string Caption(std::string_view name, int languageFlag) {
    return CaptionText(CaptionIn(texts::kCaptions, name).pick(languageFlag));
}

}  // namespace

// What a read shows in the editor: the eight code groups, the alarm code, the two times and
// the group-call code, then the ANI code and its two PTT switches. The area is the written
// part of the block; the rest of what a read brings is erased.
std::vector<DescribedSetting> Dtmf(std::span<const std::uint8_t> bytes,
                                   const DescribeContext& context) {
    const int lang = context.languageFlag;
    DtmfReadImage read{};
    read.fill(0xFF);
    std::copy_n(bytes.begin(), kDtmfImageSize, read.begin());
    DtmfSettings settings = DefaultDtmfSettings();
    DecodeDtmfRead(read, settings);

    std::vector<DescribedSetting> out;
    SettingList list(RadioArea::dtmf, out);
    list.section(Caption("Frame_encode", lang));
    const std::vector<std::string> headings = GridHeadings(texts::kGridHeader.pick(lang));
    for (std::size_t g = 0; g < settings.groups.size(); ++g)
        list.addCell(headings[0], std::to_string(g + 1), headings[1], settings.groups[g]);
    list.add(Caption("Label_bj", lang), settings.codes[std::size_t(DtmfCode::Alarm)]);
    const std::vector<std::string> times = DtmfTimeItemTexts();
    list.add(Caption("Label_dtmf_ontime", lang), ItemAt(times, settings.onTime));
    list.add(Caption("Label_dtmf_offtime", lang), ItemAt(times, settings.offTime));
    list.add(Caption("Label_Group_code", lang), settings.groupCall);

    list.section(Caption("Frame_ANI_Code", lang));
    list.add(Caption("Frame_ANI_Code", lang), settings.codes[std::size_t(DtmfCode::Ani)]);
    list.add(Caption("Check_Ptt_P", lang), OnOff(settings.pttPress));
    list.add(Caption("Check_Ptt_S", lang), OnOff(settings.pttRelease));
    return out;
}

}  // namespace orvex::describe
