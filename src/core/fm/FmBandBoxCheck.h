#pragma once

#include <string>
#include <string_view>

#include "core/shell/Bilingual.h"
#include "core/shell/SharedState.h"

namespace orvex {

enum class FmBand { A, B };

// The limits a band box accepts, in whole MHz: the lowest frequency of the band and the
// highest working one (the held upper bound minus 1).
struct FmBandLimits {
    double lowest = 0;
    double highest = 0;
};

// The limits of the last identification. Before any identification the band limits of the
// start-up band stand for both bands, so that the boxes never show an empty range.
FmBandLimits FmBandLimitsOf(const SharedState& state, FmBand band);

// While a band box is typed into: a text longer than nine characters after trimming gets the
// availability message, which names the band's limits.
bool FmBandBoxTooLong(std::string_view text);
std::string FmAvailabilityMessage(FmBand band, FmBandLimits limits, int languageFlag);

enum class FmBandBoxFault {
    None,
    LowerOutOfRange,
    UpperOutOfRange,
    LowerAboveUpper,
    UpperBelowLower,
};

struct FmBandBoxOutcome {
    FmBandBoxFault fault;
    std::string text;  // what the box shows afterwards
};

// A band's lower or upper box losing the focus, with the text of the band's other box. A
// value outside the limits, or one on the wrong side of the other box, gives way to the
// band's lowest (lower box) or highest (upper box) frequency; the box then shows its value in
// whole MHz followed by ".00000".
FmBandBoxOutcome CheckFmLowerBox(std::string_view lower, std::string_view upper,
                                 FmBandLimits limits);
FmBandBoxOutcome CheckFmUpperBox(std::string_view upper, std::string_view lower,
                                 FmBandLimits limits);

// The message of a fault, in the band's words.
Bilingual FmBandBoxFaultText(FmBand band, FmBandBoxFault fault);

}  // namespace orvex
