#pragma once

#include <functional>

#include "core/link/PlainBlockPlan.h"
#include "core/options/OptionImage.h"

namespace orvex {

// The optional features' transfers. A read requests four 64-byte blocks from 0x0220
// (0x0220, 0x0260, 0x02A0, 0x02E0); only the first holds the option image. A write sends
// the image as four 16-byte frames for 0x0220 to 0x0250.
class OptionPlan : public PlainBlockPlan {
  public:
    static constexpr int kReadBlocks = 4;
    static constexpr int kWriteFrames = kOptionImageSize / 16;

    explicit OptionPlan(const SharedState& state);

    // The options editor's engine: one byte every 10 ms; the completion messages under
    // "Operate Prompt", the label of a completed read set before its message.
    static EngineSettings Settings();

    // What the next write sends; the editor sets it before the transfer starts, so that
    // every attempt of the transfer sends the same image.
    OptionImage writeImage{};
    // A completed read hands over the image it brought.
    std::function<void(const OptionImage&)> onRead;

  private:
    OptionImage readImage_{};
};

}  // namespace orvex
