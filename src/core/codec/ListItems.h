#pragma once

#include <string>
#include <vector>

namespace orvex {

// A list of `count` numbers from `first` in steps of `step`, each written as decimal digits
// ("0", "10", ... "1000"). Lists whose items are chosen by position use these.
std::vector<std::string> NumberItems(int first, int step, int count);

// The lists both signalling editors show: tone timings "0" to "1000" ms in steps of 10 (the
// two-tone durations, the five-tone encode timings) and the decode reset time "100" to
// "8000" ms in steps of 100.
inline constexpr int kToneTimingItems = 101;
inline constexpr int kResetTimeItems = 80;
std::vector<std::string> ToneTimingItems();
std::vector<std::string> ResetTimeItems();

}  // namespace orvex
