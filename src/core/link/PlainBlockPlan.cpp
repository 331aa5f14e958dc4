#include "core/link/PlainBlockPlan.h"

namespace orvex {

PlainBlockPlan::PlainBlockPlan(const SharedState& state, std::array<std::uint8_t, 2> base,
                               int readBlocks, int writeFrames, Texts texts, int writeProgressWhole)
    : state_(state),
      base_(base),
      readBlocks_(readBlocks),
      writeFrames_(writeFrames),
      writeProgressWhole_(writeProgressWhole > 0 ? writeProgressWhole : writeFrames),
      texts_(texts) {}

void PlainBlockPlan::storeReply(const ReadReply& reply) {
    if (onReply) onReply(counter_ - 2, reply);
}

std::optional<NextBlock> PlainBlockPlan::nextRead() {
    if (counter_ > readBlocks_) return std::nullopt;
    NextBlock block;
    block.offset = static_cast<std::uint16_t>((counter_ - 1) * kReadBlockBytes);
    ++counter_;
    block.progress = ProgressPercent(counter_, readBlocks_ + 1);
    block.label =
        CountedLabel(texts_.readingBefore, counter_, texts_.readingAfter, state_.Language_Flag);
    return block;
}

void PlainBlockPlan::decode() {
    if (onDecode) onDecode();
}

FrameData PlainBlockPlan::dataOf(int frame) const {
    return frameData ? frameData(frame) : FrameData{};
}

FrameData PlainBlockPlan::beginWrite() {
    counter_ = 1;
    return dataOf(0);
}

std::optional<NextFrame> PlainBlockPlan::nextWrite() {
    if (counter_ >= writeFrames_) return std::nullopt;
    NextFrame frame;
    frame.offset = static_cast<std::uint16_t>(counter_ * 16);
    frame.progress = ProgressPercent(counter_, writeProgressWhole_);
    frame.label =
        CountedLabel(texts_.writingBefore, counter_ - 1, texts_.writingAfter, state_.Language_Flag);
    frame.data = dataOf(counter_);
    ++counter_;
    return frame;
}

}  // namespace orvex
