#pragma once

#include <array>
#include <string_view>

#include "core/shell/Bilingual.h"

namespace orvex::main_texts {

struct MenuCaption {
    std::string_view name;  // the entry's name, also its objectName
    Bilingual caption;
    bool followsSwitch;  // re-captioned by a language switch (the hidden FM entry is not)
};

// Top-level entries in menu-bar order, with their captions in both languages.
inline constexpr std::array<MenuCaption, 8> kMenuCaptions = {{
    {"fm_chann_edit", {"FM 频道编辑", "FM-Radio"}, false},
    {"chann_edit", {"信道编辑", "Channel"}, true},
    {"sys_edit", {"可选参数", "Option"}, true},
    {"sig_edit", {"信令编辑", "Signal"}, true},
    {"proc_setup", {"端口设置", "Communication"}, true},
    {"Language_Setup", {"语言", "Language"}, true},
    {"about", {"关于", "About"}, true},
    {"Menu_Exit", {"退出", "Exit"}, true},
}};

// Entries whose captions are the same in both languages.
inline constexpr std::array<std::pair<std::string_view, std::string_view>, 7> kFixedCaptions = {{
    {"Sig_dtmf", "DTMF"},
    {"Sig_2tone", "2 TONE"},
    {"Sig_5tone", "5 TONE"},
    {"Sig_QDS1200", "QDS1200"},
    {"Sig_QDS2400", "QDS2400"},
    {"Language_chn", "中文"},
    {"Language_eng", "English"},
}};

inline constexpr Bilingual kStatePanel{"状态", "State"};
inline constexpr Bilingual kBandPanel{"频 段", "Band"};
inline constexpr Bilingual kCompanyPanel{"科凡电子（林城）有限公司",
                                         "Lindmark Korvane Electronic Co.,Ltd. "};

inline constexpr std::string_view kChineseTitle =
    "科凡电子(林城）有限公司Ｏｒｖｅｘ系列对讲机编程软件";
// English at start-up, and English after the user chose English: they differ.
inline constexpr std::string_view kStartupEnglishTitle =
    "Lindmark Korvane Electronic Co.,Ltd. Orvex series program software. ";
inline constexpr std::string_view kChosenEnglishTitle =
    "Lindmark Korvane Electronic Co.,Ltd. Brevin-F series program software. ";

// Always Chinese, whatever the language.
inline constexpr std::string_view kResolutionTitle = "操作提示";
inline constexpr std::string_view kResolutionText = "建议将计算机的显示模式设置为 1024 X 768 ";

// Status panel widths in percent of the screen width, panels 1 to 11.
inline constexpr std::array<int, 11> kPanelWidths = {5, 15, 5, 5, 5, 5, 5, 10, 5, 10, 30};

}  // namespace orvex::main_texts
