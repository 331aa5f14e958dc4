#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/shell/SharedState.h"

namespace orvex {

// Staging area for bytes taken from the port: the identification reply and read replies
// pass through it. It keeps older bytes between replies.
using ReceiveBuffer = std::array<std::uint8_t, 2001>;

struct IdentifiedBand {
    int lower = 0;            // MHz
    int upper = 0;            // MHz, the highest whole MHz of the band
    std::uint8_t family = 0;  // the family byte, 0xA0 to 0xAF
};

// The nine bytes just taken sit in entries 0 to 8. Shifts the buffer down so that the first
// 0xAA among entries 0 to 10 becomes entry 0 (entries 9 and 10 still hold older bytes), then
// applies the family test: entry 0 is 0xAA and entry 7 has the high nibble 0xA.
bool RealignAndAccept(ReceiveBuffer& buffer, IdentifiedBand& band);

// " 400-- 470 MHZ" for 400 to 470.
std::string BandLimitsText(double lower, double upper);

// An accepted identification: Band_Low, Band_High (upper + 1) and their copies.
void PublishBandLimits(SharedState& state, const IdentifiedBand& band);

}  // namespace orvex
