#include "core/codec/Frequency.h"

#include <cmath>

#include "core/codec/NumberText.h"

namespace orvex {

namespace {

std::string PadFrequencyText(double value) {
    std::string text = PlainDecimal(value);
    if (text.size() >= 9) return text;
    if (text.size() == 2 || text.size() == 3) text += '.';
    const size_t width = value >= 100 ? 9 : 8;
    if (text.size() < width) text.append(width - text.size(), '0');
    return text;
}

int DigitValue(char c) {
    return (c >= '0' && c <= '9') ? c - '0' : 0;
}

}  // namespace

std::string Cov_Freq(std::uint8_t b0, std::uint8_t b1, std::uint8_t b2, std::uint8_t b3) {
    return Cov_Freq_Digits({static_cast<std::uint8_t>(b3 >> 4), static_cast<std::uint8_t>(b3 & 15),
                            static_cast<std::uint8_t>(b2 >> 4), static_cast<std::uint8_t>(b2 & 15),
                            static_cast<std::uint8_t>(b1 >> 4), static_cast<std::uint8_t>(b1 & 15),
                            static_cast<std::uint8_t>(b0 >> 4),
                            static_cast<std::uint8_t>(b0 & 15)});
}

std::string Cov_Freq_Digits(const std::array<std::uint8_t, 8>& d) {
    // The digits are summed in this order in double arithmetic; a nibble above 9 counts
    // with its value.
    const double value = 100.0 * d[0] + 10.0 * d[1] + d[2] + 0.1 * d[3] + 0.01 * d[4] +
                         0.001 * d[5] + 0.0001 * d[6] + 0.00001 * d[7];
    return PadFrequencyText(value);
}

FrequencyBytes Freq_Encode(std::string_view text, double bandLow) {
    text = Trim(text);
    if (text.empty()) return {0xFF, 0xFF, 0xFF, 0xFF};
    std::string nine(text);
    if (bandLow < 100) nine.insert(nine.begin(), '0');
    nine.resize(9, ' ');
    const auto v = [&](int position) {
        return DigitValue(nine[static_cast<size_t>(position - 1)]);
    };
    return {
        static_cast<std::uint8_t>(16 * v(8) + v(9)), static_cast<std::uint8_t>(16 * v(6) + v(7)),
        static_cast<std::uint8_t>(16 * v(3) + v(5)), static_cast<std::uint8_t>(16 * v(1) + v(2))};
}

std::string CanonicalMHz(double megahertz) {
    const long long units = std::llround(std::fabs(megahertz) * 100000.0);
    std::string decimals = std::to_string(units % 100000);
    decimals.insert(decimals.begin(), 5 - decimals.size(), '0');
    return (megahertz < 0 && units != 0 ? "-" : "") + std::to_string(units / 100000) + "." +
           decimals;
}

}  // namespace orvex
