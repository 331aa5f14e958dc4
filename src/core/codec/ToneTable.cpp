#include "core/codec/ToneTable.h"

#include <cmath>

#include "core/codec/NumberText.h"

namespace orvex {

namespace {

constexpr std::array<std::string_view, 50> kCtcss = {
    "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",  "88.5",  "91.5",
    "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0", "127.3",
    "131.8", "136.5", "141.3", "146.2", "151.4", "156.7", "159.8", "162.2", "165.5", "167.9",
    "171.3", "173.8", "177.3", "179.9", "183.5", "186.2", "189.9", "192.8", "196.6", "199.5",
    "203.5", "206.5", "210.7", "218.1", "225.7", "229.1", "233.6", "241.8", "250.3", "254.1"};

constexpr std::array<std::string_view, 105> kDcs = {
    "023", "025", "026", "031", "032", "036", "043", "047", "051", "053", "054", "065",
    "071", "072", "073", "074", "114", "115", "116", "122", "125", "131", "132", "134",
    "143", "145", "152", "155", "156", "162", "165", "172", "174", "205", "212", "223",
    "225", "226", "243", "244", "245", "246", "251", "252", "255", "261", "263", "265",
    "266", "271", "274", "306", "311", "315", "325", "331", "332", "343", "346", "351",
    "356", "364", "365", "371", "411", "412", "413", "423", "431", "432", "445", "446",
    "452", "454", "455", "462", "464", "465", "466", "503", "506", "516", "523", "526",
    "532", "546", "565", "606", "612", "624", "627", "631", "632", "645", "654", "662",
    "664", "703", "712", "723", "731", "732", "734", "743", "754"};

std::string Padded(std::string_view text, int index) {
    int leading = 1;
    int trailing = 3;
    if (index == 0) {
        leading = 3;
        trailing = 6;
    } else if (index <= 9) {
        leading = 3;
        trailing = 4;
    } else if (index <= 12) {
        leading = 2;
        trailing = 4;
    } else if (index <= 99) {
        leading = 2;
    }
    return std::string(static_cast<size_t>(leading), ' ') + std::string(text) +
           std::string(static_cast<size_t>(trailing), ' ');
}

std::array<std::string, kToneCount> BuildEntries() {
    std::array<std::string, kToneCount> entries;
    entries[0] = Padded("OFF", 0);
    for (int i = 0; i < 50; ++i)
        entries[static_cast<size_t>(1 + i)] = Padded(kCtcss[i], 1 + i);
    for (int i = 0; i < 105; ++i) {
        const std::string code(kDcs[static_cast<size_t>(i)]);
        entries[static_cast<size_t>(51 + i)] = Padded("D" + code + "N", 51 + i);
        entries[static_cast<size_t>(156 + i)] = Padded("D" + code + "I", 156 + i);
    }
    return entries;
}

}  // namespace

const std::array<std::string, kToneCount>& ToneTableEntries() {
    static const std::array<std::string, kToneCount> entries = BuildEntries();
    return entries;
}

ToneBytes ToneTextToBytes(std::string_view text) {
    const std::string_view wanted = Trim(text);
    const auto& entries = ToneTableEntries();
    for (int k = kFirstDcs; k < kToneCount; ++k) {
        if (Trim(entries[static_cast<size_t>(k)]) == wanted)
            return {static_cast<std::uint8_t>(k - 50), 0};
    }
    if (wanted.empty() || wanted == "OFF") return {0, 0};
    // A CTCSS frequency in tenths of a hertz. Values that do not fit two bytes cannot come
    // from the lists; they wrap rather than overflow.
    const double tenths = LeadingNumber(wanted) * 10;
    const double high = std::floor(tenths / 256);
    const long long low = std::llround(tenths - 256 * high);
    return {static_cast<std::uint8_t>(low & 0xFF),
            static_cast<std::uint8_t>(static_cast<long long>(high) & 0xFF)};
}

std::string ToneBytesToText(std::uint8_t low, std::uint8_t high, bool trimDcs) {
    if ((low == 0 && high == 0) || low == 0xFF || high == 0xFF) return "OFF";
    if (high != 0) {
        // Read as an unsigned 16-bit number, so a high byte from 0x80 up still shows its
        // tenths of a hertz rather than a negative value.
        const double hertz = (256.0 * high + low) / 10.0;
        std::string text = PlainDecimal(hertz);
        if (hertz == std::floor(hertz)) text += ".0";
        return text;
    }
    const int index = low + 50;
    if (index >= kToneCount) return "";
    const std::string& entry = ToneTableEntries()[static_cast<size_t>(index)];
    return trimDcs ? std::string(Trim(entry)) : entry;
}

}  // namespace orvex
