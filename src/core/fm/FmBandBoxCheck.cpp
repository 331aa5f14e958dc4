#include "core/fm/FmBandBoxCheck.h"

#include "core/codec/NumberText.h"
#include "core/dtmf/TextCharacters.h"
#include "core/fm/FmBandRecord.h"
#include "core/fm/FmTexts.h"

namespace orvex {

namespace {

constexpr std::size_t kLongestBoxText = 9;

const fm_texts::BandTexts& TextsOf(FmBand band) {
    return band == FmBand::A ? fm_texts::kBandA : fm_texts::kBandB;
}

}  // namespace

FmBandLimits FmBandLimitsOf(const SharedState& state, FmBand band) {
    const double low = band == FmBand::A ? state.Band_Low_A : state.Band_Low_B;
    const double high = band == FmBand::A ? state.Band_High_A : state.Band_High_B;
    if (high > 0) return {low, high - 1};
    return {state.Band_Low, state.Band_High - 1};
}

bool FmBandBoxTooLong(std::string_view text) {
    return TextCharacters(Trim(text)).size() > kLongestBoxText;
}

std::string FmAvailabilityMessage(FmBand band, FmBandLimits limits, int languageFlag) {
    return TextsOf(band).availableFrom.str(languageFlag) + FmBandBoxText(limits.lowest) +
           fm_texts::kAvailableTo.str(languageFlag) + FmBandBoxText(limits.highest) +
           fm_texts::kAvailableEnd.str(languageFlag);
}

FmBandBoxOutcome CheckFmLowerBox(std::string_view lower, std::string_view upper,
                                 FmBandLimits limits) {
    double value = LeadingNumber(lower);
    FmBandBoxFault fault = FmBandBoxFault::None;
    if (value < limits.lowest || value > limits.highest) {
        fault = FmBandBoxFault::LowerOutOfRange;
        value = limits.lowest;
    } else if (LeadingNumber(upper) < value) {
        fault = FmBandBoxFault::LowerAboveUpper;
        value = limits.lowest;
    }
    return {fault, FmBandBoxText(value)};
}

FmBandBoxOutcome CheckFmUpperBox(std::string_view upper, std::string_view lower,
                                 FmBandLimits limits) {
    double value = LeadingNumber(upper);
    FmBandBoxFault fault = FmBandBoxFault::None;
    if (value < limits.lowest || value > limits.highest) {
        fault = FmBandBoxFault::UpperOutOfRange;
        value = limits.highest;
    } else if (value < LeadingNumber(lower)) {
        fault = FmBandBoxFault::UpperBelowLower;
        value = limits.highest;
    }
    return {fault, FmBandBoxText(value)};
}

Bilingual FmBandBoxFaultText(FmBand band, FmBandBoxFault fault) {
    switch (fault) {
        case FmBandBoxFault::LowerOutOfRange:
            return TextsOf(band).lowerOutOfRange;
        case FmBandBoxFault::UpperOutOfRange:
            return TextsOf(band).upperOutOfRange;
        case FmBandBoxFault::LowerAboveUpper:
            return fm_texts::kLowerAboveUpper;
        case FmBandBoxFault::UpperBelowLower:
            return fm_texts::kUpperBelowLower;
        case FmBandBoxFault::None:
            break;
    }
    return {"", ""};
}

}  // namespace orvex
