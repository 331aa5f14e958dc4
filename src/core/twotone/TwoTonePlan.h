#pragma once

#include "core/link/ImagePlan.h"
#include "core/twotone/TwoToneImage.h"

namespace orvex {

// The two-tone area's transfers. A read requests twelve 64-byte blocks from 0x2D00 (0x2D00
// to 0x2FC0) into one image; a write sends the image as 48 frames for 0x2D00 to 0x2FF0.
class TwoTonePlan : public ImagePlan<kTwoToneImageSize, kTwoToneImageSize> {
  public:
    explicit TwoTonePlan(const SharedState& state);

    // The two-tone editor's engine: each request and frame goes out whole on the first tick,
    // a failed attempt is retried after 3000 ms, and used-up retries are reported in the
    // editor (message, bar at 0, fault label). The identification is the one every editor
    // uses: it writes status panel 10 only.
    static EngineSettings Settings();
};

}  // namespace orvex
