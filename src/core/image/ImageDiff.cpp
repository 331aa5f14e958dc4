#include "core/image/ImageDiff.h"

#include <algorithm>
#include <cstdio>

#include "core/codec/NumberText.h"
#include "core/image/ImageDescribeTexts.h"

namespace orvex {

namespace {

namespace texts = image_describe_texts;

std::string Hex(unsigned value, int digits) {
    char text[8];
    std::snprintf(text, sizeof text, "%0*X", digits, value);
    return text;
}

// Whether changing byte `offset` of `bytes` alone to `value` changes no described setting.
bool Unseen(std::vector<std::uint8_t> bytes, std::size_t offset, std::uint8_t value, RadioArea area,
            const std::vector<DescribedSetting>& described, const DescribeContext& context) {
    bytes[offset] = value;
    return DescribeArea(area, bytes, context) == described;
}

void DiffArea(RadioArea area, const std::vector<std::uint8_t>& a,
              const std::vector<std::uint8_t>& b, const DescribeContext& context,
              std::vector<SettingDifference>& out) {
    if (a == b) return;
    const std::vector<DescribedSetting> first = DescribeArea(area, a, context);
    const std::vector<DescribedSetting> second = DescribeArea(area, b, context);
    // Both lists come from the same describer over the same area size: the same settings in
    // the same order.
    bool settingDiffers = false;
    for (std::size_t i = 0; i < first.size() && i < second.size(); ++i) {
        const DescribedSetting& x = first[i];
        if (x.value == second[i].value) continue;
        out.push_back({DifferenceKind::Setting, area, x.section, x.rowHeading, x.row, x.name,
                       x.value, second[i].value});
        settingDiffers = true;
    }
    // A byte that differs is listed on its own when it shows in no setting: changing it alone
    // changes no setting of either image. When no setting differs at all, every differing byte
    // is listed, so that bytes which only together would show are not lost either.
    const std::size_t size = std::min(a.size(), b.size());
    const unsigned base = AreaRange(area).first;
    for (std::size_t i = 0; i < size; ++i) {
        if (a[i] == b[i]) continue;
        if (settingDiffers && !(Unseen(a, i, b[i], area, first, context) &&
                                Unseen(b, i, a[i], area, second, context)))
            continue;
        out.push_back({DifferenceKind::RawByte,
                       area,
                       {},
                       {},
                       {},
                       "0x" + Hex(base + static_cast<unsigned>(i), 4),
                       Hex(a[i], 2),
                       Hex(b[i], 2)});
    }
}

}  // namespace

std::vector<SettingDifference> DiffImages(const RadioImage& first, const RadioImage& second,
                                          const DescribeContext& context) {
    const int lang = context.languageFlag;
    std::vector<SettingDifference> out;
    const auto header = [&](const Bilingual& name, const std::string& a, const std::string& b) {
        if (a != b) out.push_back({DifferenceKind::Header, {}, {}, {}, {}, name.str(lang), a, b});
    };
    header(texts::kBandLower, std::to_string(first.bandLowerMHz),
           std::to_string(second.bandLowerMHz));
    header(texts::kBandUpper, std::to_string(first.bandUpperMHz),
           std::to_string(second.bandUpperMHz));
    header(texts::kFamily, "0x" + Hex(first.familyByte, 2), "0x" + Hex(second.familyByte, 2));

    for (RadioArea area : kRadioAreas) {
        const auto a = first.areas.find(area);
        const auto b = second.areas.find(area);
        const bool inFirst = a != first.areas.end();
        const bool inSecond = b != second.areas.end();
        if (inFirst && inSecond)
            DiffArea(area, a->second, b->second, context, out);
        else if (inFirst)
            out.push_back({DifferenceKind::OnlyInFirst, area, {}, {}, {}, {}, {}, {}});
        else if (inSecond)
            out.push_back({DifferenceKind::OnlyInSecond, area, {}, {}, {}, {}, {}, {}});
    }
    return out;
}

std::string FormatImageDiff(const std::vector<SettingDifference>& differences,
                            const DescribeContext& context) {
    const int lang = context.languageFlag;
    if (differences.empty()) return texts::kSame.str(lang) + '\n';
    const auto shown = [lang](const std::string& value) {
        if (Trim(value).empty()) return texts::kEmpty.str(lang);
        // Blanks around a value are part of it (a five-tone code "  123"): quoted to be seen.
        return Trim(value).size() == value.size() ? value : "\"" + value + "\"";
    };
    std::string out;
    for (const SettingDifference& d : differences) {
        std::string line;
        switch (d.kind) {
            case DifferenceKind::Header:
                line =
                    texts::kHeader.str(lang) + " | " + d.name + ": " + d.first + " -> " + d.second;
                break;
            case DifferenceKind::Setting:
                line = std::string(AreaName(d.area)) + " | " + d.section + " | ";
                if (!d.rowHeading.empty()) line += d.rowHeading + " " + d.row + " | ";
                line += d.name + ": " + shown(d.first) + " -> " + shown(d.second);
                break;
            case DifferenceKind::RawByte:
                line = std::string(AreaName(d.area)) + " | " + texts::kRawByte.str(lang) + " " +
                       d.name + ": " + d.first + " -> " + d.second;
                break;
            case DifferenceKind::OnlyInFirst:
                line = std::string(AreaName(d.area)) + " | " + texts::kOnlyInFirst.str(lang);
                break;
            case DifferenceKind::OnlyInSecond:
                line = std::string(AreaName(d.area)) + " | " + texts::kOnlyInSecond.str(lang);
                break;
        }
        out += line + '\n';
    }
    return out;
}

}  // namespace orvex
