#pragma once

#include "core/link/BlockPlan.h"
#include "core/shell/SharedState.h"

namespace orvex {

// The channel grid as the channel plan reaches it.
class ChannelGridAccess {
  public:
    virtual ~ChannelGridAccess() = default;
    // Encodes grid row n into row n of the write image.
    virtual void encodeRow(int n) = 0;
    // Decodes a record that a read brought into grid row n.
    virtual void decodeRow(int n, const std::array<std::uint8_t, 16>& record) = 0;
};

// Writes grid rows 1 to 16 as 16-byte frames from address 0x0000, row 1 twice (once after
// the identification, once after its own acknowledgement), each row encoded just before its
// frame. Reads fetch the channel area (0x0000) and the companion area (0x1000) in
// alternating 64-byte blocks, N = Int(Chann_Count / 4 + 0.9) + 1 of each, and then decode
// the channel records by the addresses the radio echoed.
class ChannelPlan : public BlockPlan {
  public:
    static constexpr int kWriteBlocks = 16;

    ChannelPlan(SharedState& state, ChannelGridAccess& grid);

    // Blocks of each area a read of `channelCount` channels requests.
    static int ReadBlockCount(int channelCount);

    // The channel editor's engine: one byte every 5 ms, its own port message and title.
    static EngineSettings Settings();

    [[nodiscard]] std::array<std::uint8_t, 2> baseAddress(TransferMode) const override {
        return {0x00, 0x00};
    }
    void beginRead() override;
    void storeReply(const ReadReply& reply) override;
    std::optional<NextBlock> nextRead() override;
    void decode() override;
    FrameData beginWrite() override;
    std::optional<NextFrame> nextWrite() override;
    [[nodiscard]] Bilingual readDoneMessage() const override;
    [[nodiscard]] Bilingual readDoneLabel() const override;
    [[nodiscard]] Bilingual writeDoneMessage() const override;
    [[nodiscard]] Bilingual writeDoneLabel() const override;

  private:
    [[nodiscard]] FrameData encodedRow(int row);

    SharedState& state_;
    ChannelGridAccess& grid_;
    int block_ = 0;           // k
    int readBlocks_ = 0;      // N
    bool companion_ = false;  // the area toggle: the next reply belongs to the companion area
};

}  // namespace orvex
