#pragma once

#include "core/dtmf/DtmfBlock.h"
#include "core/link/ImagePlan.h"

namespace orvex {

// The DTMF block's transfers. A read requests four 64-byte blocks from 0x0100 (0x0100 to
// 0x01FF); a write sends the 13 rows of the write image as frames for 0x0100 to 0x01C0, the
// progress bar counting the twelve frames after the first.
class DtmfPlan : public ImagePlan<kDtmfReadSize, kDtmfImageSize> {
  public:
    explicit DtmfPlan(const SharedState& state);

    // The DTMF editor's engine: one byte every 10 ms; its identifications also write status
    // panel 8; the completion messages under "Operate Prompt", the label of a completed read
    // set before its message.
    static EngineSettings Settings();
};

}  // namespace orvex
