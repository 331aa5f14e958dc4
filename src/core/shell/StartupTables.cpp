#include "core/shell/StartupTables.h"

#include <cmath>

#include "ProgramVersion.h"
#include "core/codec/ToneTable.h"
#include "core/shell/Bilingual.h"

namespace orvex {

namespace {

constexpr Bilingual kTitle{"Orvex系列对讲机编程软件",
                           "Lindmark Korvane Electronic Co.,Ltd. Orvex series program software. "};
// The rights notice names the program's version between these two parts.
constexpr Bilingual kVersionWord{"版本 ", "Version "};
constexpr Bilingual kRightsNotice{
    "　版权所有 (C) 2024-2026 科凡电子（林城）有限公司，保留所有权利。",
    "  Copyright (C) 2024-2026 Lindmark Korvane Electronic Co.,Ltd. "
    "All rights reserved."};
constexpr Bilingual kDescription{
    "本软件由科凡电子（林城）有限公司设计，用于读取、编辑和写入Orvex系列对讲机的参数。",
    "This software was designed by Lindmark Korvane Electronic Co.,Ltd. to read, edit and "
    "write the settings of the Orvex series of transceivers."};
constexpr Bilingual kWarning{
    "警告：本软件受著作权法及国际条约保护。未经授权复制或传播本软件的全部或部分，"
    "将依法追究民事和刑事责任。",
    "Warning: this program is protected by copyright law and international treaties. "
    "Unauthorised reproduction or distribution of this program, or of any part of it, will "
    "be prosecuted to the full extent of the law."};
constexpr Bilingual kOk{"确定", "Confirm"};
constexpr Bilingual kSysInfo{"系统信息(&S)...", "System Information(&S)..."};

constexpr std::array<Bilingual, 4> kReplyOptions = {{{"0.无", "0.None"},
                                                     {"1.提醒", "1.Alert"},
                                                     {"2.回复", "2.Transpond"},
                                                     {"3.提醒并回", "3.Alert+Transpond"}}};
constexpr std::array<Bilingual, 9> kCallOptions = {{{"0.通话", "0.Open Speak"},
                                                    {"1.主叫", "1.Primary Caller ID"},
                                                    {"2.被叫", "2.Secondary Caller ID"},
                                                    {"3.监听", "3.Monitor"},
                                                    {"4.巡查", "4.Inspection "},
                                                    {"5.报警", "5.Emergency"},
                                                    {"6.遥晕", "6.Stun"},
                                                    {"7.遥毙", "7.Kill"},
                                                    {"8.开机", "8.Revive"}}};

constexpr std::array<std::uint8_t, 8> kLinkCmd = {0x50, 0xAA, 0xBB, 0x47, 0x52, 0x41, 0x4D, 0x02};

struct BandVariant {
    const char* name;
    int lower;
    double highest;
};
constexpr std::array<BandVariant, kBandRows> kBands = {{{"Tern-VHF1", 136, 174.9875},
                                                        {"Tern-UHF1", 244, 246.9875},
                                                        {"Tern-UHF2", 350, 390.9875},
                                                        {"Tern-UHF3", 400, 470.9875},
                                                        {"Tern-UHF4", 450, 520.9875},
                                                        {"Tern-FULL", 100, 700.9875},
                                                        {"Tern-Duo", 66, 88.9875}}};

}  // namespace

void LoadLanguageTexts(SharedState& state) {
    const int flag = state.Language_Flag;
    LanguageTexts& t = state.texts;
    t.title = kTitle.str(flag);
    t.version = kVersionWord.str(flag) + std::string(kProgramVersion) + kRightsNotice.str(flag);
    t.description = kDescription.str(flag);
    t.warning = kWarning.str(flag);
    t.okCaption = kOk.str(flag);
    t.sysInfoCaption = kSysInfo.str(flag);
    for (size_t i = 0; i < kReplyOptions.size(); ++i)
        t.replyOptions[i] = kReplyOptions[i].str(flag);
    for (size_t i = 0; i < kCallOptions.size(); ++i)
        t.callOptions[i] = kCallOptions[i].str(flag);
}

void InitToneTable(SharedState& state) {
    state.Tone_Table = ToneTableEntries();
    state.Link_Cmd = kLinkCmd;
}

void InitBandTable(SharedState& state) {
    state.Band_Limit.fill(0);
    for (size_t row = 0; row < kBands.size(); ++row) {
        state.Band_Name[row] = kBands[row].name;
        state.Band_Limit[row] = static_cast<std::int16_t>(kBands[row].lower);
        state.Band_Limit[row + 11] = static_cast<std::int16_t>(std::lround(kBands[row].highest));
    }
    const auto row = static_cast<size_t>(state.Band_Index);
    state.Band_Low = state.Band_Limit[row];
    state.Band_High = state.Band_Limit[row + 11];
}

void InitOptionOffsets(SharedState& state) {
    size_t i = 0;
    for (int offset = 0; offset <= 34; ++offset)
        state.OptionOffsets[i++] = offset;
    for (int offset : {37, 38, 41, 42, 43, 44, 45, 46})
        state.OptionOffsets[i++] = offset;
    for (int offset = 50; offset <= 63; ++offset)
        state.OptionOffsets[i++] = offset;
}

}  // namespace orvex
