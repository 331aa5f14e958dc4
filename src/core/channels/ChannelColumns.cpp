#include "core/channels/ChannelColumns.h"

#include "core/codec/NumberText.h"
#include "core/codec/ToneTable.h"

namespace orvex {

std::vector<std::string> ChannelColumnItems(int column) {
    switch (column) {
        case 3:
        case 4: {
            std::vector<std::string> tones;
            for (const auto& entry : ToneTableEntries())
                tones.emplace_back(Trim(entry));
            return tones;
        }
        case 5:
            return {"HIGH", "LOW"};
        case 6:
            return {"W", "N"};
        case 7:
            return {"OFF", "BOT", "EOT", "BOTH"};
        case 8:
        case 9:
            return {"OFF", "ON"};
        case 10:
            return {"OFF", "1", "2", "3", "4"};
        case 11:
            return {"1", "2", "3", "4", "5", "6", "7", "8"};
        default:
            return {};
    }
}

}  // namespace orvex
