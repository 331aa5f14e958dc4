#include "core/link/Identification.h"

#include <algorithm>

#include "core/codec/NumberText.h"

namespace orvex {

bool RealignAndAccept(ReceiveBuffer& buffer, IdentifiedBand& band) {
    size_t start = 11;
    for (size_t i = 0; i <= 10; ++i) {
        if (buffer[i] == 0xAA) {
            start = i;
            break;
        }
    }
    std::copy(buffer.begin() + static_cast<std::ptrdiff_t>(start),
              buffer.begin() + static_cast<std::ptrdiff_t>(start + 53), buffer.begin());
    if (buffer[0] != 0xAA || (buffer[7] >> 4) != 0xA) return false;
    band.lower = 100 * buffer[1] + 10 * buffer[2] + buffer[3];
    band.upper = 100 * buffer[4] + 10 * buffer[5] + buffer[6];
    band.family = buffer[7];
    return true;
}

std::string BandLimitsText(double lower, double upper) {
    return SignedDecimal(lower) + "--" + SignedDecimal(upper) + " MHZ";
}

void PublishBandLimits(SharedState& state, const IdentifiedBand& band) {
    const double low = band.lower;
    const double high = band.upper + 1.0;
    state.Band_Low = low;
    state.Band_High = high;
    state.Band_Low_A = low;
    state.Band_High_A = high;
    state.Band_Low_B = low;
    state.Band_High_B = high;
}

}  // namespace orvex
