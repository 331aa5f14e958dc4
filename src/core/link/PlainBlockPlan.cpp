#include "core/link/PlainBlockPlan.h"

namespace orvex {

PlainBlockPlan::PlainBlockPlan(const SharedState& state, std::array<std::uint8_t, 2> base,
                               int readBlocks, int writeBlocks, Texts texts)
    : state_(state),
      base_(base),
      readBlocks_(readBlocks),
      writeBlocks_(writeBlocks),
      texts_(texts) {}

void PlainBlockPlan::storeReply(const ReadReply& reply) {
    if (onReply) onReply(block_, reply);
}

std::optional<NextBlock> PlainBlockPlan::nextRead() {
    ++block_;
    if (block_ > readBlocks_) return std::nullopt;
    return NextBlock{static_cast<std::uint16_t>((block_ - 1) * 64),
                     ProgressPercent(block_, readBlocks_ + 1), readingLabel(block_)};
}

std::string PlainBlockPlan::readingLabel(int block) const {
    const int language = state_.Language_Flag;
    return texts_.readingBefore.str(language) + std::to_string(block) +
           texts_.readingAfter.str(language);
}

void PlainBlockPlan::decode() {
    if (onDecode) onDecode();
}

FrameData PlainBlockPlan::beginWrite() {
    block_ = 1;
    return encodeBlock ? encodeBlock(1) : FrameData{};
}

std::optional<NextFrame> PlainBlockPlan::nextWrite() {
    if (block_ > writeBlocks_) return std::nullopt;
    const int language = state_.Language_Flag;
    NextFrame frame;
    frame.offset = static_cast<std::uint16_t>((block_ - 1) * 16);
    frame.progress = ProgressPercent(block_, writeBlocks_);
    frame.label = texts_.writingBefore.str(language) + std::to_string(block_ - 1) +
                  texts_.writingAfter.str(language);
    frame.data = encodeBlock ? encodeBlock(block_) : FrameData{};
    ++block_;
    return frame;
}

}  // namespace orvex
