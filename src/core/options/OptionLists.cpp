#include "core/options/OptionLists.h"

#include <array>
#include <cstddef>
#include <span>

#include "core/codec/NumberText.h"
#include "core/shell/Bilingual.h"

namespace orvex {

namespace {

constexpr std::array<Bilingual, 2> kOffOn = {{{"关闭", "OFF"}, {"开启", "ON"}}};
constexpr std::array<Bilingual, 1> kOff = {{{"关", "OFF"}}};
constexpr std::array<Bilingual, 5> kVoices = {{{"关", "OFF"},
                                               {"中文男声", "man's voice in Chinese"},
                                               {"英文男声", "man's voice in English"},
                                               {"中文女声", "woman's voice in Chinese"},
                                               {"英文女声", "woman's voice in English"}}};
constexpr std::array<Bilingual, 5> kSaveRatios = {
    {{"关", "OFF"}, {"1:1", "1:1"}, {"1:2", "1:2"}, {"1:3", "1:3"}, {"1:4", "1:4"}}};
constexpr std::array<Bilingual, 3> kScanResume = {{{"时间", "TO"}, {"载波", "CO"}, {"搜索", "SE"}}};
constexpr std::array<Bilingual, 7> kSideKeys = {{{"关", "OFF"},
                                                 {"扫描", "Scan"},
                                                 {"报警", "Alarm"},
                                                 {"发码关闭与开启", "PTT-ID Switch "},
                                                 {"扰频关闭与开启", "SCR  Switch "},
                                                 {"声控关闭与开启", "VOX  Switch "},
                                                 {"哑音关闭与开启", "CTCSS And DCS Switch "}}};
constexpr std::array<Bilingual, 2> kMonitor = {
    {{"按住监听", "monitor when always press"}, {"按动监听", "monitor when press one time"}}};

// Numbered items, after the worded ones: prefix + first, prefix + (first + step), ...
struct NumberRun {
    std::string_view prefix;
    int first = 0;
    int step = 0;
    int count = 0;
};

struct ListDefinition {
    OptionListInfo info;
    std::span<const Bilingual> words;
    NumberRun numbers;

    [[nodiscard]] constexpr int size() const {
        return static_cast<int>(words.size()) + numbers.count;
    }
};

// In the order of OptionList. The setting is the entry of OptionOffsets that holds the
// list's byte.
constexpr std::array<ListDefinition, kOptionListCount> kLists = {{
    {{"Combo_Tdr", 0, 1}, kOffOn, {}},
    {{"Combo_Tdr_Beep", 1, 1}, kOffOn, {}},
    {{"Combo_Sql_le", 2, 5}, {}, {"", 0, 1, 10}},
    {{"Combo_Save", 3, 2}, kSaveRatios, {}},
    {{"Combo_Tot", 6, 7}, {}, {"", 15, 15, 40}},  // seconds
    {{"Combo_Vox", 7, 0}, kOff, {"", 1, 1, 10}},
    {{"Combo_Abr", 9, 3}, {}, {"", 0, 1, 6}},
    {{"Combo_Toa", 14, 10}, {}, {"", 0, 1, 11}},  // seconds
    {{"Combo_Beep", 15, 1}, kOffOn, {}},
    {{"Combo_Stdtmf", 19, 1}, kOffOn, {}},
    {{"Combo_Sc_rev", 20, 0}, kScanResume, {}},
    {{"Combo_Ptt_lt", 25, 10}, {}, {"", 0, 100, 31}},  // milliseconds
    {{"Combo_Scan_Voice", 26, 1}, kOffOn, {}},
    {{"Combo_Voice_Chann", 27, 1}, kVoices, {}},
    {{"Combo_Voice_Setup", 28, 3}, kVoices, {}},
    {{"Combo_PF1", 29, 1}, kSideKeys, {}},
    {{"Combo_PF2", 30, 2}, kSideKeys, {}},
    {{"Combo_Bcl", 31, 0}, kOffOn, {}},
    {{"Combo_AutoLk", 33, 0}, kOffOn, {}},
    {{"Combo_Moni", 34, 0}, kMonitor, {}},
    {{"Combo_Prich", 35, 0}, {}, {"CH ", 1, 1, 16}},   // byte 37
    {{"Combo_Emech", 36, 15}, {}, {"CH ", 1, 1, 16}},  // byte 38
    {{"Combo_Lock", 41, 0}, kOffOn, {}},               // byte 45
}};

constexpr bool DefaultsLieInTheirLists() {
    for (const ListDefinition& list : kLists)
        if (list.info.defaultPosition < 0 || list.info.defaultPosition >= list.size()) return false;
    return true;
}
static_assert(DefaultsLieInTheirLists());

const ListDefinition& Definition(OptionList list) {
    return kLists[static_cast<std::size_t>(list)];
}

struct FlagDefinition {
    std::string_view control;
    std::uint8_t bit;
};

constexpr std::array<FlagDefinition, kOptionFlagCount> kFlags = {{
    {"Check_Ptt_menu", 1},         // PTT held at power-on opens the menu settings
    {"Check_Ptt_init", 2},         // PTT held at power-on allows a reset
    {"Check_Alarm_Sound", 8},      // the radio itself sounds the alarm
    {"Check_Alarm_Calderold", 64}  // alarm compatible with the Calder series
}};

constexpr std::array<std::string_view, kOptionLimitCount> kLimitControls = {
    "Text_pvfo_d0", "Text_pvfo_d1", "Text_pvfo_t0", "Text_pvfo_t1"};

}  // namespace

const OptionListInfo& OptionListOf(OptionList list) {
    return Definition(list).info;
}

int OptionListSize(OptionList list) {
    return Definition(list).size();
}

std::vector<std::string> OptionListItems(OptionList list, int languageFlag) {
    const ListDefinition& definition = Definition(list);
    std::vector<std::string> items;
    items.reserve(static_cast<std::size_t>(definition.size()));
    for (const Bilingual& word : definition.words)
        items.push_back(word.str(languageFlag));
    const NumberRun& run = definition.numbers;
    for (int k = 0; k < run.count; ++k)
        items.push_back(std::string(run.prefix) + std::to_string(run.first + k * run.step));
    return items;
}

std::string_view OptionFlagControl(OptionFlag flag) {
    return kFlags[static_cast<std::size_t>(flag)].control;
}

std::uint8_t OptionFlagBit(OptionFlag flag) {
    return kFlags[static_cast<std::size_t>(flag)].bit;
}

std::string_view OptionLimitControl(OptionLimit limit) {
    return kLimitControls[static_cast<std::size_t>(limit)];
}

OptionSettings DefaultOptionSettings(double bandLow, double bandHighHeld) {
    OptionSettings settings;
    for (std::size_t i = 0; i < kLists.size(); ++i)
        settings.lists[i] = kLists[i].info.defaultPosition;
    settings.flags[static_cast<std::size_t>(OptionFlag::PttMenu)] = true;
    settings.flags[static_cast<std::size_t>(OptionFlag::AlarmSound)] = true;
    const std::string lower = PlainDecimal(bandLow);
    const std::string upper = PlainDecimal(bandHighHeld - 1);
    settings.limits[static_cast<std::size_t>(OptionLimit::RxLower)] = lower;
    settings.limits[static_cast<std::size_t>(OptionLimit::RxUpper)] = upper;
    settings.limits[static_cast<std::size_t>(OptionLimit::TxLower)] = lower;
    settings.limits[static_cast<std::size_t>(OptionLimit::TxUpper)] = upper;
    return settings;
}

}  // namespace orvex
