#include "core/image/ImageShow.h"

#include <algorithm>
#include <cstdio>

#include "core/codec/NumberText.h"
#include "core/image/ImageDescribeTexts.h"

namespace orvex {

namespace {

namespace texts = image_describe_texts;

// The columns a text takes in a fixed-width font: one per character, two for the wide
// characters of East Asian scripts.
std::size_t DisplayWidth(std::string_view text) {
    std::size_t width = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 1;
        char32_t code = lead;
        if (lead >= 0xF0) {
            length = 4;
            code = lead & 0x07u;
        } else if (lead >= 0xE0) {
            length = 3;
            code = lead & 0x0Fu;
        } else if (lead >= 0xC0) {
            length = 2;
            code = lead & 0x1Fu;
        }
        for (std::size_t k = 1; k < length && i + k < text.size(); ++k)
            code = (code << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3Fu);
        width += code >= 0x2E80 ? 2 : 1;
        i += length;
    }
    return width;
}

std::string Padded(const std::string& text, std::size_t width) {
    const std::size_t shown = DisplayWidth(text);
    return text + std::string(width > shown ? width - shown : 0, ' ');
}

void EndLine(std::string& line, std::string& out) {
    while (!line.empty() && line.back() == ' ')
        line.pop_back();
    out += line;
    out += '\n';
    line.clear();
}

// Settings standing alone: "name: value", the values lined up.
void ShowLines(std::span<const DescribedSetting> block, int lang, std::string& out) {
    std::size_t width = 0;
    for (const DescribedSetting& s : block)
        width = std::max(width, DisplayWidth(s.name) + 1);
    for (const DescribedSetting& s : block) {
        std::string line = Padded(s.name + ":", width) + " " +
                           (Trim(s.value).empty() ? texts::kEmpty.str(lang) : s.value);
        EndLine(line, out);
    }
}

// Settings of a table: one line per row, the columns in the order they first occur. A row
// whose cells are all empty or blank says so once.
void ShowTable(std::span<const DescribedSetting> block, int lang, std::string& out) {
    std::vector<std::string> columns;
    std::vector<std::string> rows;
    for (const DescribedSetting& s : block) {
        if (std::find(columns.begin(), columns.end(), s.name) == columns.end())
            columns.push_back(s.name);
        if (std::find(rows.begin(), rows.end(), s.row) == rows.end()) rows.push_back(s.row);
    }
    // cells[r][0] is the row text, cells[r][1 + c] column c.
    std::vector<std::vector<std::string>> cells(rows.size(),
                                                std::vector<std::string>(columns.size() + 1));
    std::vector<bool> filled(rows.size(), false);
    for (std::size_t r = 0; r < rows.size(); ++r)
        cells[r][0] = rows[r];
    for (const DescribedSetting& s : block) {
        const auto r = std::size_t(std::find(rows.begin(), rows.end(), s.row) - rows.begin());
        const auto c =
            std::size_t(std::find(columns.begin(), columns.end(), s.name) - columns.begin());
        cells[r][1 + c] = s.value;
        if (!Trim(s.value).empty()) filled[r] = true;
    }
    for (std::size_t r = 0; r < rows.size(); ++r)
        if (!filled[r] && !columns.empty()) cells[r][1] = texts::kEmpty.str(lang);

    std::vector<std::string> heading{block.front().rowHeading};
    heading.insert(heading.end(), columns.begin(), columns.end());
    std::vector<std::size_t> widths(heading.size());
    for (std::size_t c = 0; c < heading.size(); ++c) {
        widths[c] = DisplayWidth(heading[c]);
        for (const auto& row : cells)
            widths[c] = std::max(widths[c], DisplayWidth(row[c]));
    }
    const auto showRow = [&](const std::vector<std::string>& row) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c)
            line += Padded(row[c], widths[c]) + "  ";
        EndLine(line, out);
    };
    showRow(heading);
    for (const auto& row : cells)
        showRow(row);
}

std::string AreaTitle(RadioArea area) {
    const RadioAreaRange range = AreaRange(area);
    char title[64];
    std::snprintf(title, sizeof title,
                  "=== %.*s  0x%04X-0x%04X ===", static_cast<int>(AreaName(area).size()),
                  AreaName(area).data(), range.first, range.last);
    return title;
}

}  // namespace

std::string FormatImageShow(const RadioImage& image, const DescribeContext& context) {
    const int lang = context.languageFlag;
    std::string out;
    char family[8];
    std::snprintf(family, sizeof family, "0x%02X", image.familyByte);
    std::vector<DescribedSetting> header = {
        {{},
         {},
         {},
         {},
         texts::kBand.str(lang),
         std::to_string(image.bandLowerMHz) + "-" + std::to_string(image.bandUpperMHz) + " MHz"},
        {{}, {}, {}, {}, texts::kFamily.str(lang), family},
        {{}, {}, {}, {}, texts::kProgram.str(lang), image.programVersion},
        {{}, {}, {}, {}, texts::kTime.str(lang), image.time},
    };
    ShowLines(header, lang, out);

    for (RadioArea area : kRadioAreas) {
        const auto found = image.areas.find(area);
        if (found == image.areas.end()) continue;
        out += '\n';
        out += AreaTitle(area) + '\n';
        const std::vector<DescribedSetting> settings = DescribeArea(area, found->second, context);
        std::string section;
        for (std::size_t start = 0; start < settings.size();) {
            const DescribedSetting& first = settings[start];
            std::size_t end = start + 1;
            while (end < settings.size() && settings[end].section == first.section &&
                   settings[end].rowHeading.empty() == first.rowHeading.empty() &&
                   settings[end].rowHeading == first.rowHeading)
                ++end;
            if (start == 0 || first.section != section) {
                section = first.section;
                out += "\n-- " + section + " --\n";
            } else {
                out += '\n';
            }
            const std::span<const DescribedSetting> block(settings.data() + start, end - start);
            if (first.rowHeading.empty())
                ShowLines(block, lang, out);
            else
                ShowTable(block, lang, out);
            start = end;
        }
    }
    return out;
}

}  // namespace orvex
