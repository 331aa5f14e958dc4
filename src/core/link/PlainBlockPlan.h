#pragma once

#include <functional>

#include "core/link/BlockPlan.h"
#include "core/shell/SharedState.h"

namespace orvex {

// A plan over one contiguous area, as every editor but the channel editor moves it.
//
// Read: after the identification the request for offset 0 goes out and the block counter
// starts at 2; each reply is stored as block (counter - 2), that is blocks 0, 1, 2, ...; then
// offset (counter - 1) * 64 is requested and the counter goes up, until it passes
// `readBlocks`. After each request the bar shows Int(counter / (readBlocks + 1) * 100) and
// the label the counter.
//
// Write: frame 0 (offset 0) follows the identification, frame L (offset 16 L) the
// acknowledgement of frame L - 1; the acknowledgement of the last frame completes the
// write. Before frame L the bar shows Int(L / whole * 100) and the label L - 1, where the
// whole is `writeFrames` unless the editor counts otherwise (the DTMF editor counts the
// frames after the first).
class PlainBlockPlan : public BlockPlan {
  public:
    struct Texts {
        Bilingual readingBefore;
        Bilingual readingAfter;
        Bilingual writingBefore;
        Bilingual writingAfter;
        Bilingual readDone;
        Bilingual readDoneLabel;
        Bilingual writeDone;
        Bilingual writeDoneLabel;
    };

    PlainBlockPlan(const SharedState& state, std::array<std::uint8_t, 2> base, int readBlocks,
                   int writeFrames, Texts texts, int writeProgressWhole = 0);

    // Where reply `block` (0-based) goes, where frame `frame` (0-based) comes from, and what
    // a completed read does.
    std::function<void(int block, const ReadReply&)> onReply;
    std::function<FrameData(int frame)> frameData;
    std::function<void()> onDecode;

    [[nodiscard]] std::array<std::uint8_t, 2> baseAddress(TransferMode) const override {
        return base_;
    }
    void beginRead() override { counter_ = 2; }
    void storeReply(const ReadReply& reply) override;
    std::optional<NextBlock> nextRead() override;
    void decode() override;
    FrameData beginWrite() override;
    std::optional<NextFrame> nextWrite() override;
    [[nodiscard]] Bilingual readDoneMessage() const override { return texts_.readDone; }
    [[nodiscard]] Bilingual readDoneLabel() const override { return texts_.readDoneLabel; }
    [[nodiscard]] Bilingual writeDoneMessage() const override { return texts_.writeDone; }
    [[nodiscard]] Bilingual writeDoneLabel() const override { return texts_.writeDoneLabel; }

    [[nodiscard]] int readBlocks() const { return readBlocks_; }
    [[nodiscard]] int writeFrames() const { return writeFrames_; }

  private:
    [[nodiscard]] FrameData dataOf(int frame) const;

    const SharedState& state_;
    std::array<std::uint8_t, 2> base_;
    int readBlocks_;
    int writeFrames_;
    int writeProgressWhole_;
    Texts texts_;
    int counter_ = 0;
};

}  // namespace orvex
