#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/channels/ChannelStores.h"
#include "core/shell/FileRequests.h"

namespace orvex {

// The texts LoadLanguageTexts copies from the Chinese or the English set.
struct LanguageTexts {
    std::string title;
    std::string version;
    std::string description;
    std::string warning;
    std::string okCaption;
    std::string sysInfoCaption;
    std::array<std::string, 4> replyOptions;
    std::array<std::string, 9> callOptions;
};

inline constexpr int kToneTableSize = 261;
inline constexpr int kBandRows = 7;
inline constexpr int kBandLimitRows = 18;
inline constexpr int kOptionCount = 57;

// The state every window reads and some write. The application makes one at start-up and
// hands it to every window; a test makes a fresh one.
struct SharedState {
    std::int16_t Language_Flag = 0;  // 0 English, -1 Chinese
    std::int16_t Comm_Port = 1;      // COM1 to COM8
    bool Port_Error = false;         // the last port open failed

    std::int16_t Band_Index = 3;
    double Band_Low = 0;   // whole MHz
    double Band_High = 0;  // highest whole MHz of the band plus 1
    double Band_Low_A = 0;
    double Band_High_A = 0;
    double Band_Low_B = 0;
    double Band_High_B = 0;

    std::int16_t Chann_Count = 16;

    std::array<std::uint8_t, 8> Link_Cmd{};
    std::array<std::string, kToneTableSize> Tone_Table;
    std::array<std::string, kBandRows> Band_Name;
    std::array<std::int16_t, kBandLimitRows> Band_Limit{};
    std::array<int, kOptionCount> OptionOffsets{};
    double TwoTone_Scale = 0;

    LanguageTexts texts;

    FileRequests fileRequests;
    ChannelStores channels;

    [[nodiscard]] bool chinese() const { return Language_Flag != 0; }
};

}  // namespace orvex
