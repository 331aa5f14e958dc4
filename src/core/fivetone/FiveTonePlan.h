#pragma once

#include "core/fivetone/FiveToneImage.h"
#include "core/link/ImagePlan.h"

namespace orvex {

// The five-tone area's transfers. A read requests twenty 64-byte blocks from 0x2400 (lines
// 64 to 143, the last request for 0x28C0); a write sends all 144 lines as frames from 0x2000,
// the last for 0x28F0. Reads and writes start from different base addresses.
class FiveTonePlan : public ImagePlan<kFiveToneReadSize, kFiveToneImageSize> {
  public:
    explicit FiveTonePlan(const SharedState& state);

    [[nodiscard]] std::array<std::uint8_t, 2> baseAddress(TransferMode mode) const override;

    // The five-tone editor's engine: the whole frame on the first tick, 3000 ms before a
    // retry, and used-up retries reported in the editor.
    static EngineSettings Settings();
};

}  // namespace orvex
