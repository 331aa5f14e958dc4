#pragma once

#include <string>

namespace orvex {

enum class ChannelFileFault {
    NoCount,          // nothing in the file but blanks and separators
    NotANumber,       // a value that is not a decimal number
    HasDecimals,      // a number with a decimal point, such as 12.5
    CountOutOfRange,  // a channel count below 1 or above 260
    TooFewValues,     // the file ends before the last announced record is complete
    ValueOutOfRange,  // a record value below 0 or above 255
    FmPresetFile,     // the file holds the FM presets editor's presets, not channels
};

struct ChannelFileError {
    ChannelFileFault fault = ChannelFileFault::NoCount;
    // Where the faulty value stands: record 1 to the count and value 1 to 22 within it;
    // record 0 is the channel count at the start of the file.
    int record = 0;
    int value = 0;
    // The faulty text, shortened and with unprintable bytes replaced by '?'.
    std::string text;
    // TooFewValues only.
    int announcedCount = 0;
    int completeRecords = 0;
    long long missingValues = 0;
};

// The fault in words; `languageFlag` 0 gives English, anything else Chinese.
std::string ChannelFileErrorText(const ChannelFileError& error, int languageFlag);

}  // namespace orvex
