#pragma once

#include "core/link/ImagePlan.h"
#include "core/options/OptionImage.h"

namespace orvex {

// The optional features' transfers. A read requests four 64-byte blocks from 0x0220
// (0x0220, 0x0260, 0x02A0, 0x02E0); only the first holds the option image. A write sends
// the image as four 16-byte frames for 0x0220 to 0x0250.
class OptionPlan : public ImagePlan<4 * kReadBlockBytes, kOptionImageSize> {
  public:
    explicit OptionPlan(const SharedState& state);

    // The options editor's engine: one byte every 10 ms; the completion messages under
    // "Operate Prompt", the label of a completed read set before its message.
    static EngineSettings Settings();

    // The option image within what a read brought: its first 64 bytes.
    static OptionImage ImageOf(const ReadImage& read);
};

}  // namespace orvex
