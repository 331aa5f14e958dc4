#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "core/link/BlockPlan.h"
#include "core/link/Clock.h"
#include "core/link/Identification.h"
#include "core/link/SerialPort.h"
#include "core/link/Timer.h"
#include "core/shell/Prompt.h"
#include "core/shell/SharedState.h"
#include "core/shell/StatusPanels.h"

namespace orvex {

// One window's conversation with the radio: its own serial control and three timers
// (Timer1 byte pacing, Timer2 reply watchdog, Timer3 retry delay), the identification that
// opens every transfer, then the blocks of the window's plan one exchange at a time.
// A silent radio makes the whole transfer start again, at most four attempts in all.
// How a transfer ended: every byte moved; the radio stayed silent through every attempt;
// the port failed while the transfer ran (a pulled cable); or the port did not open.
enum class TransferOutcome { Completed, NoAnswer, PortFailed, PortNotOpened };

class TransferEngine {
  public:
    TransferEngine(SharedState& state, Clock& clock, Prompt& prompt, StatusPanels& panels,
                   std::unique_ptr<SerialPort> port, BlockPlan& plan, EngineSettings settings,
                   TransferView* view = nullptr);
    ~TransferEngine();
    TransferEngine(const TransferEngine&) = delete;
    TransferEngine& operator=(const TransferEngine&) = delete;

    // The Read or Write button: refused with the busy message while a transfer runs;
    // otherwise three retries, any pending retry cancelled, and a fresh transfer. True when
    // the transfer started (the port opened).
    bool startByButton(TransferMode mode);

    // A fresh run of `mode` with three retries, whatever ran before (the main window's
    // identification after start-up or a new port).
    void restart(TransferMode mode);

    // Stops everything: timers off, busy flags clear, port closed.
    void shutDown();

    [[nodiscard]] bool isBusy() const { return readBusy_ || writeBusy_; }
    [[nodiscard]] bool readBusy() const { return readBusy_; }
    [[nodiscard]] bool writeBusy() const { return writeBusy_; }
    [[nodiscard]] bool identified() const { return identified_; }
    [[nodiscard]] int retriesLeft() const { return retriesLeft_; }
    [[nodiscard]] bool retryPending() const { return timer3_.isEnabled(); }
    [[nodiscard]] const SerialPort& port() const { return *port_; }
    // The radio of the last accepted identification.
    [[nodiscard]] const IdentifiedBand& identifiedBand() const { return band_; }

    // Told once at the end of every transfer, after its messages; not told when shutDown()
    // ends one. The handler may start the next transfer of any engine, this one included.
    void setFinishedHandler(std::function<void(TransferOutcome)> handler) {
        onFinished_ = std::move(handler);
    }

  private:
    void start(TransferMode mode);
    void sendCurrentBuffer();
    void sendRequest(std::uint16_t offset, bool first);
    void sendFrame(std::uint16_t offset, const FrameData& data);
    void stopTimers();
    void closePort();

    void onPacingTick();
    void onWatchdogTick();
    void onRetryTick();
    void onPortEvent(PortEvent event);
    bool handleReceived();  // one receive event; true when it took bytes
    void identificationStep();
    void readReplyStep();
    void writeAckStep();
    void completeRead();
    void completeWrite();
    void completeIdentify();
    void finish(TransferOutcome outcome);

    SharedState& state_;
    Prompt& prompt_;
    StatusPanels& panels_;
    std::unique_ptr<SerialPort> port_;
    BlockPlan& plan_;
    EngineSettings settings_;
    TransferView* view_;
    std::function<void(TransferOutcome)> onFinished_;
    IdentifiedBand band_;

    Timer timer1_;
    Timer timer2_;
    Timer timer3_;

    std::vector<std::uint8_t> sendBuffer_;
    size_t sendPosition_ = 0;
    ReceiveBuffer receiveBuffer_{};
    TransferMode mode_ = TransferMode::Identify;
    bool identified_ = false;
    bool frameSent_ = false;
    bool readBusy_ = false;
    bool writeBusy_ = false;
    int retriesLeft_ = 0;
};

}  // namespace orvex
