#pragma once

#include <functional>

#include "core/link/BlockPlan.h"

namespace orvex {

// The main window's plan: it only identifies the radio and reports the acceptance.
class IdentificationPlan : public BlockPlan {
  public:
    explicit IdentificationPlan(std::function<void()> onIdentified)
        : onIdentified_(std::move(onIdentified)) {}

    [[nodiscard]] std::array<std::uint8_t, 2> baseAddress(TransferMode) const override {
        return {0, 0};
    }
    void identified() override {
        if (onIdentified_) onIdentified_();
    }

    // An identification moves no blocks.
    void storeReply(const ReadReply&) override {}
    std::optional<NextBlock> nextRead() override { return std::nullopt; }
    void decode() override {}
    FrameData beginWrite() override { return {}; }
    std::optional<NextFrame> nextWrite() override { return std::nullopt; }
    [[nodiscard]] Bilingual readDoneMessage() const override { return {}; }
    [[nodiscard]] Bilingual readDoneLabel() const override { return {}; }
    [[nodiscard]] Bilingual writeDoneMessage() const override { return {}; }
    [[nodiscard]] Bilingual writeDoneLabel() const override { return {}; }

  private:
    std::function<void()> onIdentified_;
};

}  // namespace orvex
