#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/link/CommPort.h"
#include "core/link/ReadReply.h"
#include "core/shell/Bilingual.h"

namespace orvex {

enum class TransferMode {
    Identify,  // the opening command and the identification reply, nothing more
    Read,
    Write,
};

using FrameData = std::array<std::uint8_t, 16>;

// A block to request next: its offset from the transfer's base address, and the progress
// bar value and label to show once its request goes out.
struct NextBlock {
    std::uint16_t offset = 0;
    int progress = 0;
    std::string label;
};

// A frame to write next: offset, its 16 data bytes, and the progress to show.
struct NextFrame {
    std::uint16_t offset = 0;
    FrameData data{};
    int progress = 0;
    std::string label;
};

// The engine's parameters that are fixed per editor.
struct EngineSettings {
    int pacingMs = 5;         // one byte per tick after the first tick at 15 ms
    bool burst = false;       // the whole frame on the first tick
    int retryDelayMs = 1500;  // from the first watchdog expiry to the next attempt
    PortMessageStyle portMessage = PortMessageStyle::Standard;
    Bilingual messageTitle{"操作提示", "Operate prompt"};  // busy refusals and port faults
    Bilingual doneTitle{"操作提示", "Operate prompt"};     // the completion message boxes
    bool writesPanel8 = false;  // identifications also write status panel 8
    // A completed read sets its label before its message box appears (otherwise after).
    bool readLabelFirst = false;
    // When the retries are used up: a message box, the bar at 0 and a fault label in the
    // editor, instead of the fault text in status panel 2.
    bool failureInEditor = false;
};

// Int(part / whole * 100), in this order: 29 / 50 * 100 is a hair below 58 and shows 57.
inline int ProgressPercent(int part, int whole) {
    return static_cast<int>(static_cast<double>(part) / whole * 100);
}

// A progress label: "Reading " + 3 + " Data Block", in the language of `languageFlag`.
inline std::string CountedLabel(const Bilingual& before, int count, const Bilingual& after,
                                int languageFlag) {
    return before.str(languageFlag) + std::to_string(count) + after.str(languageFlag);
}

// What an editor tells the transfer engine about its memory: where its blocks lie, where
// replies go, which frame follows which, and what to say when done. Editors differ only
// in their plans; pacing, watchdog, retries and busy flags live in the engine.
class BlockPlan {
  public:
    virtual ~BlockPlan() = default;

    // Base address (high, low) of a transfer in this direction. Block addresses add the
    // offset's high and low bytes separately, without carry.
    [[nodiscard]] virtual std::array<std::uint8_t, 2> baseAddress(TransferMode mode) const = 0;

    // The identification reply was accepted (every mode).
    virtual void identified() {}

    // Read: the first request (offset 0) has gone out.
    virtual void beginRead() {}
    // A complete reply has been taken.
    virtual void storeReply(const ReadReply& reply) = 0;
    // After the acknowledgement of a stored reply: the next block, or none when the read is
    // complete.
    virtual std::optional<NextBlock> nextRead() = 0;
    // The read is complete: turn the stored replies into the editor's controls.
    virtual void decode() = 0;

    // Write: the data of the first frame (offset 0).
    virtual FrameData beginWrite() = 0;
    // After an accepted acknowledgement: the next frame, or none when the write is complete.
    virtual std::optional<NextFrame> nextWrite() = 0;

    // Completion message box and label texts.
    [[nodiscard]] virtual Bilingual readDoneMessage() const = 0;
    [[nodiscard]] virtual Bilingual readDoneLabel() const = 0;
    [[nodiscard]] virtual Bilingual writeDoneMessage() const = 0;
    [[nodiscard]] virtual Bilingual writeDoneLabel() const = 0;
};

// The editor's progress bar and transfer label, as the engine drives them.
class TransferView {
  public:
    virtual ~TransferView() = default;
    virtual void showProgress(int value) = 0;  // shows the bar with this value (0 to 100)
    virtual void setTransferLabel(std::string_view text) = 0;
};

}  // namespace orvex
