#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/image/ImageDescription.h"

// The describers of the single areas, and what they share. Each takes exactly its area's
// bytes.
namespace orvex::describe {

std::vector<DescribedSetting> Channels(std::span<const std::uint8_t> bytes,
                                       const DescribeContext& context);
std::vector<DescribedSetting> Options(std::span<const std::uint8_t> bytes,
                                      const DescribeContext& context);
std::vector<DescribedSetting> Dtmf(std::span<const std::uint8_t> bytes,
                                   const DescribeContext& context);
std::vector<DescribedSetting> Fm(std::span<const std::uint8_t> bytes,
                                 const DescribeContext& context);
std::vector<DescribedSetting> TwoTone(std::span<const std::uint8_t> bytes,
                                      const DescribeContext& context);
std::vector<DescribedSetting> FiveTone(std::span<const std::uint8_t> bytes,
                                       const DescribeContext& context);

// The column headings of a grid's format string ("^Channel|^RX Frequency|..."): split at "|",
// the centring "^" and the blanks around each heading dropped. A heading that occurs more than
// once gets its occurrence number after a blank ("Response 1", "Response 2", ...).
std::vector<std::string> GridHeadings(std::string_view format);

// A caption without the blanks around it.
std::string CaptionText(std::string_view caption);

// Item `position` of a list; the empty text for a position outside the list.
std::string ItemAt(const std::vector<std::string>& items, int position);

// A check box as text: "ON" or "OFF", as the channel grid writes its switches.
std::string OnOff(bool ticked);

// Appends settings of one area and section.
class SettingList {
  public:
    SettingList(RadioArea area, std::vector<DescribedSetting>& out) : area_(area), out_(out) {}
    void section(std::string title) { section_ = std::move(title); }
    void add(std::string name, std::string value);
    void addCell(std::string rowHeading, std::string row, std::string name, std::string value);

  private:
    RadioArea area_;
    std::vector<DescribedSetting>& out_;
    std::string section_;
};

}  // namespace orvex::describe
