#pragma once

#include <vector>

#include "core/link/TransferEngine.h"
#include "core/shell/StartupTables.h"
#include "core/sim/SimulatedPorts.h"
#include "core/sim/SimulatedRadio.h"
#include "core/sim/VirtualClock.h"
#include "support/RecordingPanels.h"
#include "support/RecordingPrompt.h"

namespace orvex::test {

// Shared state as start-up leaves it, a virtual clock, a 400-470 MHz radio on COM1 and the
// recorders an engine reports to.
struct LinkRig {
    LinkRig() {
        LoadLanguageTexts(state);
        InitToneTable(state);
        InitOptionOffsets(state);
        InitBandTable(state);
        state.Comm_Port = 1;
        ports.attach(1, radio);
    }

    // The bytes that crossed the wire in one direction, in order.
    [[nodiscard]] std::vector<std::uint8_t> wire(WireDirection direction) const {
        std::vector<std::uint8_t> bytes;
        for (const auto& b : radio.transcript())
            if (b.direction == direction) bytes.push_back(b.value);
        return bytes;
    }
    [[nodiscard]] std::vector<WireByte> wireBytes(WireDirection direction) const {
        std::vector<WireByte> bytes;
        for (const auto& b : radio.transcript())
            if (b.direction == direction) bytes.push_back(b);
        return bytes;
    }

    VirtualClock clock;
    SharedState state;
    RecordingPrompt prompt;
    RecordingPanels panels;
    SimulatedRadio radio{clock};
    SimulatedPorts ports;
};

// Records what an engine shows on an editor's progress bar and label.
struct RecordingView : TransferView {
    void showProgress(int value) override { progress.push_back(value); }
    void setTransferLabel(std::string_view text) override { labels.emplace_back(text); }
    std::vector<int> progress;
    std::vector<std::string> labels;
};

inline std::vector<std::uint8_t> Bytes(std::initializer_list<int> values) {
    std::vector<std::uint8_t> bytes;
    for (int v : values)
        bytes.push_back(static_cast<std::uint8_t>(v));
    return bytes;
}

inline std::vector<std::uint8_t> Concat(std::initializer_list<std::vector<std::uint8_t>> parts) {
    std::vector<std::uint8_t> all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

}  // namespace orvex::test
