#include <algorithm>

#include "core/channels/ChannelRecord.h"
#include "core/channels/ChannelTexts.h"
#include "core/image/DescribeAreas.h"

namespace orvex::describe {

// One row per channel with the channel grid's columns, decoded as after a read. An empty
// channel has every cell empty.
std::vector<DescribedSetting> Channels(std::span<const std::uint8_t> bytes,
                                       const DescribeContext& context) {
    std::vector<DescribedSetting> out;
    SettingList list(RadioArea::channels, out);
    list.section(CaptionText(channel_texts::kCaption.pick(context.languageFlag)));
    const std::vector<std::string> headings =
        GridHeadings(channel_texts::kHeader.pick(context.languageFlag));
    const std::size_t channels = bytes.size() / kChannelRecordBytes;
    for (std::size_t n = 0; n < channels; ++n) {
        ChannelRecord record{};
        std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(n * kChannelRecordBytes),
                    kChannelRecordBytes, record.begin());
        ChannelRow row;
        DecodeChannelRecord(record, row, DecodeStyle::AfterRead);
        for (std::size_t cell = kCellRxFrequency; cell < kChannelRowCells; ++cell)
            list.addCell(headings[kCellNumber], std::to_string(n + 1), headings[cell], row[cell]);
    }
    return out;
}

}  // namespace orvex::describe
