#pragma once

#include <functional>

#include "core/dtmf/DtmfBlock.h"
#include "core/link/PlainBlockPlan.h"

namespace orvex {

// The DTMF block's transfers. A read requests four 64-byte blocks from 0x0100 (0x0100 to
// 0x01FF); a write sends the 13 rows of the write image as frames for 0x0100 to 0x01C0, the
// progress bar counting the twelve frames after the first.
class DtmfPlan : public PlainBlockPlan {
  public:
    static constexpr int kReadBlocks = kDtmfReadSize / kReadBlockBytes;
    static constexpr int kWriteFrames = kDtmfImageRows;

    explicit DtmfPlan(const SharedState& state);

    // The DTMF editor's engine: one byte every 10 ms; its identifications also write status
    // panel 8; the completion messages under "Operate Prompt", the label of a completed read
    // set before its message.
    static EngineSettings Settings();

    // What the next write sends; the editor builds it before the transfer starts.
    DtmfImage writeImage{};
    // A completed read hands over the four blocks it brought, in request order.
    std::function<void(const DtmfReadImage&)> onRead;

  private:
    DtmfReadImage readImage_{};
};

}  // namespace orvex
