#include <map>

#include "core/codec/NumberText.h"
#include "core/image/DescribeAreas.h"

namespace orvex::describe {

std::vector<std::string> GridHeadings(std::string_view format) {
    std::vector<std::string> headings;
    std::size_t start = 0;
    while (start <= format.size()) {
        std::size_t end = format.find('|', start);
        if (end == std::string_view::npos) end = format.size();
        std::string_view heading = Trim(format.substr(start, end - start));
        if (!heading.empty() && heading.front() == '^') heading = Trim(heading.substr(1));
        headings.emplace_back(heading);
        start = end + 1;
    }
    std::map<std::string, int> total;
    for (const std::string& heading : headings)
        ++total[heading];
    std::map<std::string, int> seen;
    for (std::string& heading : headings)
        if (total[heading] > 1) heading += " " + std::to_string(++seen[heading]);
    return headings;
}

std::string CaptionText(std::string_view caption) {
    return std::string(Trim(caption));
}

std::string ItemAt(const std::vector<std::string>& items, int position) {
    if (position < 0 || static_cast<std::size_t>(position) >= items.size()) return {};
    return items[static_cast<std::size_t>(position)];
}

std::string OnOff(bool ticked) {
    return ticked ? "ON" : "OFF";
}

void SettingList::add(std::string name, std::string value) {
    out_.push_back({area_, section_, {}, {}, std::move(name), std::move(value)});
}

void SettingList::addCell(std::string rowHeading, std::string row, std::string name,
                          std::string value) {
    out_.push_back({area_, section_, std::move(rowHeading), std::move(row), std::move(name),
                    std::move(value)});
}

}  // namespace orvex::describe
