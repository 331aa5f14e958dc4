#pragma once

#include <algorithm>
#include <cstddef>
#include <functional>

#include "core/link/PlainBlockPlan.h"

namespace orvex {

// A plain plan for an editor that keeps its area as byte images. A read gathers its blocks,
// in request order, into one image that it hands over when the read completes; a write sends
// the frames of an image the editor sets before the transfer starts, so that every attempt
// of the transfer sends the same bytes.
template <std::size_t ReadBytes, std::size_t WriteBytes>
class ImagePlan : public PlainBlockPlan {
  public:
    using ReadImage = std::array<std::uint8_t, ReadBytes>;
    using WriteImage = std::array<std::uint8_t, WriteBytes>;
    static constexpr int kReadBlocks = static_cast<int>(ReadBytes / kReadBlockBytes);
    static constexpr int kWriteFrames = static_cast<int>(WriteBytes / sizeof(FrameData));
    static_assert(ReadBytes % kReadBlockBytes == 0 && WriteBytes % sizeof(FrameData) == 0);

    ImagePlan(const SharedState& state, std::array<std::uint8_t, 2> base, Texts texts,
              int writeProgressWhole = 0)
        : PlainBlockPlan(state, base, kReadBlocks, kWriteFrames, texts, writeProgressWhole) {
        onReply = [this](int block, const ReadReply& reply) {
            if (block < 0 || block >= kReadBlocks) return;
            const auto data = reply.begin() + kReplyDataOffset;
            std::copy(data, data + kReadBlockBytes, readImage_.begin() + block * kReadBlockBytes);
        };
        frameData = [this](int frame) {
            FrameData data{};
            std::copy_n(writeImage.begin() + frame * static_cast<int>(data.size()), data.size(),
                        data.begin());
            return data;
        };
        onDecode = [this] {
            if (onRead) onRead(readImage_);
        };
    }

    // What the next write sends.
    WriteImage writeImage{};
    // A completed read hands over its blocks.
    std::function<void(const ReadImage&)> onRead;

  private:
    ReadImage readImage_{};
};

}  // namespace orvex
