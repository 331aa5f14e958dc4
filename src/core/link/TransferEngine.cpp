#include "core/link/TransferEngine.h"

#include "core/link/LinkTexts.h"

namespace orvex {

namespace {

constexpr int kFirstTickMs = 15;
constexpr int kSendingWatchdogMs = 2000;
constexpr int kReplyWatchdogMs = 1000;
constexpr int kRetries = 3;
constexpr int kIdentificationLength = 9;
constexpr std::uint8_t kAck = 0x06;
constexpr std::uint8_t kReadCommand = 0x53;   // "S"
constexpr std::uint8_t kWriteCommand = 0x58;  // "X"
constexpr std::uint8_t kReadLength = 0x40;
constexpr std::uint8_t kWriteLength = 0x10;

}  // namespace

TransferEngine::TransferEngine(SharedState& state, Clock& clock, Prompt& prompt,
                               StatusPanels& panels, std::unique_ptr<SerialPort> port,
                               BlockPlan& plan, EngineSettings settings, TransferView* view)
    : state_(state),
      prompt_(prompt),
      panels_(panels),
      port_(std::move(port)),
      plan_(plan),
      settings_(settings),
      view_(view),
      timer1_(clock, [this] { onPacingTick(); }),
      timer2_(clock, [this] { onWatchdogTick(); }),
      timer3_(clock, [this] { onRetryTick(); }) {
    port_->setEventHandler([this](PortEvent event) { onPortEvent(event); });
}

TransferEngine::~TransferEngine() {
    port_->setEventHandler({});
    closePort();
}

bool TransferEngine::startByButton(TransferMode mode) {
    const int language = state_.Language_Flag;
    if (isBusy()) {
        prompt_.warning(settings_.messageTitle.pick(language), link_texts::kBusy.pick(language));
        return false;
    }
    retriesLeft_ = kRetries;
    // A retry may still be pending from an earlier transfer; its tick would stop this one.
    stopTimers();
    start(mode);
    if (state_.Port_Error) return false;
    if (view_) {
        view_->showProgress(0);
        view_->setTransferLabel(link_texts::kConnectingLabel.pick(state_.Language_Flag));
    }
    return true;
}

void TransferEngine::restart(TransferMode mode) {
    stopTimers();
    closePort();
    readBusy_ = false;
    writeBusy_ = false;
    retriesLeft_ = kRetries;
    start(mode);
}

void TransferEngine::shutDown() {
    stopTimers();
    readBusy_ = false;
    writeBusy_ = false;
    closePort();
}

void TransferEngine::start(TransferMode mode) {
    if (isBusy()) return;
    if (!port_->isOpen() && !OpenCommPort(*port_, state_, prompt_, settings_.portMessage)) {
        finish(TransferOutcome::PortNotOpened);
        return;
    }
    identified_ = false;
    port_->clearInput();
    sendBuffer_.assign(state_.Link_Cmd.begin(), state_.Link_Cmd.end());
    mode_ = mode;
    readBusy_ = mode != TransferMode::Write;
    writeBusy_ = mode == TransferMode::Write;
    sendCurrentBuffer();
}

void TransferEngine::sendCurrentBuffer() {
    sendPosition_ = 0;
    frameSent_ = false;
    timer1_.setInterval(kFirstTickMs);
    timer1_.start();
}

void TransferEngine::sendRequest(std::uint16_t offset, bool first) {
    const auto base = plan_.baseAddress(mode_);
    const auto high = static_cast<std::uint8_t>(base[0] + offset / 256);
    const auto low = static_cast<std::uint8_t>(base[1] + offset % 256);
    sendBuffer_.clear();
    if (first) sendBuffer_.push_back(kAck);
    sendBuffer_.insert(sendBuffer_.end(), {kReadCommand, high, low, kReadLength});
    sendCurrentBuffer();
}

void TransferEngine::sendFrame(std::uint16_t offset, const FrameData& data) {
    const auto base = plan_.baseAddress(mode_);
    sendBuffer_ = {kAck, kWriteCommand, static_cast<std::uint8_t>(base[0] + offset / 256),
                   static_cast<std::uint8_t>(base[1] + offset % 256), kWriteLength};
    sendBuffer_.insert(sendBuffer_.end(), data.begin(), data.end());
    sendCurrentBuffer();
}

void TransferEngine::stopTimers() {
    timer1_.stop();
    timer2_.stop();
    timer3_.stop();
}

void TransferEngine::closePort() {
    if (port_->isOpen()) port_->close();
}

void TransferEngine::onPacingTick() {
    timer1_.setInterval(settings_.pacingMs);
    if (!port_->isOpen()) {
        // Every path that closes the port stops the pacing too; should one ever miss it,
        // end the transfer rather than stay busy with nothing running.
        shutDown();
        return;
    }
    do {
        const std::uint8_t byte = sendBuffer_[sendPosition_];
        port_->write(std::span(&byte, 1));
        timer2_.setInterval(kSendingWatchdogMs);
        timer2_.start();
        ++sendPosition_;
    } while (settings_.burst && sendPosition_ < sendBuffer_.size());
    if (sendPosition_ >= sendBuffer_.size()) {
        timer2_.setInterval(kReplyWatchdogMs);
        timer1_.stop();
        frameSent_ = true;
    }
}

// The watchdog keeps ticking until the retry tick stops it; its later ticks repeat these
// steps without restarting the retry count, so the retry follows the first expiry.
void TransferEngine::onWatchdogTick() {
    timer1_.stop();
    timer3_.setInterval(settings_.retryDelayMs);
    timer3_.start();
    closePort();
    readBusy_ = false;
    writeBusy_ = false;
}

void TransferEngine::onRetryTick() {
    stopTimers();
    if (retriesLeft_ < 1) {
        const int language = state_.Language_Flag;
        if (!settings_.failureInEditor) {
            panels_.setPanelText(2, link_texts::kFault.pick(language));
            finish(TransferOutcome::NoAnswer);
            return;
        }
        prompt_.warning(settings_.messageTitle.pick(language),
                        link_texts::kFailConnect.pick(language));
        if (view_ != nullptr) {
            view_->showProgress(0);
            view_->setTransferLabel(link_texts::kFaultLabel.pick(language));
        }
        finish(TransferOutcome::NoAnswer);
        return;
    }
    --retriesLeft_;
    start(mode_);
}

void TransferEngine::onPortEvent(PortEvent event) {
    if (event == PortEvent::Failed) {
        const bool active = isBusy() || timer3_.isEnabled() || port_->isOpen();
        stopTimers();
        closePort();
        readBusy_ = false;
        writeBusy_ = false;
        if (active) {
            const int language = state_.Language_Flag;
            prompt_.warning(settings_.messageTitle.pick(language),
                            link_texts::kPortFailedText.pick(language));
            finish(TransferOutcome::PortFailed);
        }
        return;
    }
    // The port raises one event per arrival; bytes left over after a step are handled as
    // the further events of a port that reports every byte.
    while (port_->isOpen() && handleReceived() && port_->bytesWaiting() > 0) {
    }
}

bool TransferEngine::handleReceived() {
    if (!identified_) {
        if (port_->bytesWaiting() <= kIdentificationLength - 1) return false;
        identificationStep();
        return true;
    }
    if (mode_ == TransferMode::Write) {
        if (port_->bytesWaiting() < 1) return false;
        writeAckStep();
        return true;
    }
    if (port_->bytesWaiting() < kReplyLength) return false;
    readReplyStep();
    return true;
}

void TransferEngine::identificationStep() {
    for (int i = 0; i < kIdentificationLength; ++i)
        receiveBuffer_[static_cast<size_t>(i)] = port_->readByte();
    port_->clearInput();
    IdentifiedBand band;
    if (!RealignAndAccept(receiveBuffer_, band)) return;  // the watchdog will expire
    band_ = band;

    identified_ = true;
    timer2_.stop();
    timer3_.stop();
    const int language = state_.Language_Flag;
    panels_.setPanelText(2, link_texts::kConnected.pick(language));
    const std::string limits = BandLimitsText(band.lower, band.upper);
    panels_.setPanelText(10, limits);
    if (settings_.writesPanel8) panels_.setPanelText(8, limits);
    PublishBandLimits(state_, band);
    plan_.identified();

    switch (mode_) {
        case TransferMode::Identify:
            completeIdentify();
            break;
        case TransferMode::Read:
            sendRequest(0, true);
            plan_.beginRead();
            port_->clearInput();
            break;
        case TransferMode::Write:
            sendFrame(0, plan_.beginWrite());
            break;
    }
}

void TransferEngine::readReplyStep() {
    timer2_.stop();
    ReadReply reply;
    for (size_t i = 0; i < reply.size(); ++i) {
        receiveBuffer_[i] = port_->readByte();
        reply[i] = receiveBuffer_[i];
    }
    plan_.storeReply(reply);
    port_->clearInput();
    const std::uint8_t ack = kAck;
    port_->write(std::span(&ack, 1));

    const auto next = plan_.nextRead();
    if (!next) {
        completeRead();
        return;
    }
    sendRequest(next->offset, false);
    if (view_) {
        view_->showProgress(next->progress);
        view_->setTransferLabel(next->label);
    }
}

void TransferEngine::writeAckStep() {
    // Anything but 0x06, or a 0x06 before the whole frame has gone out, is dropped.
    if (port_->readByte() != kAck || !frameSent_) return;
    timer2_.stop();
    const auto next = plan_.nextWrite();
    if (!next) {
        completeWrite();
        return;
    }
    if (view_) {
        view_->showProgress(next->progress);
        view_->setTransferLabel(next->label);
    }
    sendFrame(next->offset, next->data);
}

void TransferEngine::completeRead() {
    stopTimers();
    readBusy_ = false;
    writeBusy_ = false;
    closePort();
    plan_.decode();
    const auto label = [this] {
        if (view_) view_->setTransferLabel(plan_.readDoneLabel().pick(state_.Language_Flag));
    };
    if (settings_.readLabelFirst) label();
    const int language = state_.Language_Flag;
    prompt_.warning(settings_.doneTitle.pick(language), plan_.readDoneMessage().pick(language));
    if (!settings_.readLabelFirst) label();
    finish(TransferOutcome::Completed);
}

void TransferEngine::completeWrite() {
    closePort();
    stopTimers();
    readBusy_ = false;
    writeBusy_ = false;
    const int language = state_.Language_Flag;
    prompt_.warning(settings_.doneTitle.pick(language), plan_.writeDoneMessage().pick(language));
    if (view_) view_->setTransferLabel(plan_.writeDoneLabel().pick(state_.Language_Flag));
    finish(TransferOutcome::Completed);
}

void TransferEngine::completeIdentify() {
    stopTimers();
    closePort();
    readBusy_ = false;
    writeBusy_ = false;
    finish(TransferOutcome::Completed);
}

void TransferEngine::finish(TransferOutcome outcome) {
    // The handler may start a new transfer; a copy keeps it alive while it runs.
    if (auto handler = onFinished_) handler(outcome);
}

}  // namespace orvex
