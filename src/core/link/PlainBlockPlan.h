#pragma once

#include <functional>
#include <vector>

#include "core/link/BlockPlan.h"

namespace orvex {

// A plan over one contiguous area: read blocks 1 to `readBlocks` at offsets 0, 64, 128, ...
// and write frames 1 to `writeBlocks` at offsets 0, 16, 32, ... with the first frame sent
// twice (once after the identification, once after its acknowledgement), as every
// one-byte-paced editor writes.
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
                   int writeBlocks, Texts texts);

    // Where the replies go (slot k holds block k) and where frame data comes from.
    std::function<void(int block, const ReadReply&)> onReply;
    std::function<FrameData(int block)> encodeBlock;
    std::function<void()> onDecode;

    [[nodiscard]] std::array<std::uint8_t, 2> baseAddress(TransferMode) const override {
        return base_;
    }
    void beginRead() override { block_ = 1; }
    void storeReply(const ReadReply& reply) override;
    std::optional<NextBlock> nextRead() override;
    void decode() override;
    FrameData beginWrite() override;
    std::optional<NextFrame> nextWrite() override;
    [[nodiscard]] Bilingual readDoneMessage() const override { return texts_.readDone; }
    [[nodiscard]] Bilingual readDoneLabel() const override { return texts_.readDoneLabel; }
    [[nodiscard]] Bilingual writeDoneMessage() const override { return texts_.writeDone; }
    [[nodiscard]] Bilingual writeDoneLabel() const override { return texts_.writeDoneLabel; }

    // Int(part / whole * 100), in this order: 29 / 50 * 100 is a hair below 58 and shows 57.
    static int ProgressPercent(int part, int whole) {
        return static_cast<int>(static_cast<double>(part) / whole * 100);
    }

  protected:
    // "Reading " + block + " Data Block" and the like, in the current language.
    [[nodiscard]] std::string readingLabel(int block) const;

  private:
    const SharedState& state_;
    std::array<std::uint8_t, 2> base_;
    int readBlocks_;
    int writeBlocks_;
    Texts texts_;
    int block_ = 0;
};

}  // namespace orvex
