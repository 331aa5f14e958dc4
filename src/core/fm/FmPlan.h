#pragma once

#include <functional>
#include <span>
#include <vector>

#include "core/fm/FmArea.h"
#include "core/link/ImagePlan.h"

namespace orvex {

// The FM area's transfers. A read requests five 64-byte blocks from 0x3000 (0x3000 to
// 0x313F: the sixteen presets and the band record); each reply is placed by the address it
// echoes, not by its place in the sequence. A write sends the seventeen records of the write
// image as frames for 0x3000 to 0x3100.
class FmPlan : public ImagePlan<5 * kReadBlockBytes, sizeof(FmWriteImage)> {
  public:
    explicit FmPlan(const SharedState& state);

    // The FM editor's engine: one byte every 10 ms; its identifications also write status
    // panel 8; the port message of the channel editor; the completion messages under
    // "Operate Prompt", the label of a completed read set before its message.
    static EngineSettings Settings();

    // A completed read hands over its replies, in the order they came.
    std::function<void(const std::vector<ReadReply>&)> onReplies;

    // Applies replies to `settings`, each at the address it echoes.
    static void DecodeReplies(const std::vector<ReadReply>& replies, FmSettings& settings);

    // Copies the replies' data bytes into `area` (the bytes from 0x3000 on), each at the
    // address it echoes; bytes beyond the area's end are dropped.
    static void PlaceReplies(const std::vector<ReadReply>& replies, std::span<std::uint8_t> area);

  private:
    std::vector<ReadReply> replies_;
};

}  // namespace orvex
