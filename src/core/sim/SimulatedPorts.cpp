#include "core/sim/SimulatedPorts.h"

#include <algorithm>
#include <deque>
#include <map>
#include <string>

namespace orvex {

class SimulatedSerialPort;

// The shared state of the ports and the controls that open them.
class SimulatedPortHub {
  public:
    struct Line {
        SimulatedRadio* radio = nullptr;
        SimulatedSerialPort* holder = nullptr;
    };

    OpenFailure claim(int com, SimulatedSerialPort* port) {
        auto line = lines_.find(com);
        if (line == lines_.end()) {
            ++stats_[com].refusedOpens;
            return OpenFailure::NoSuchPort;
        }
        if (line->second.holder) {
            ++stats_[com].refusedOpens;
            return OpenFailure::Busy;
        }
        line->second.holder = port;
        ++stats_[com].opens;
        return OpenFailure::None;
    }

    void release(int com, SimulatedSerialPort* port) {
        auto line = lines_.find(com);
        if (line != lines_.end() && line->second.holder == port) line->second.holder = nullptr;
    }

    void toRadio(int com, std::span<const std::uint8_t> bytes) {
        auto line = lines_.find(com);
        if (line != lines_.end() && line->second.radio) line->second.radio->receiveFromPc(bytes);
    }

    void fromRadio(int com, std::uint8_t byte);
    void pullCable(int com);

    void attach(int com, SimulatedRadio& radio, const std::shared_ptr<SimulatedPortHub>& self) {
        lines_[com].radio = &radio;
        const std::weak_ptr<SimulatedPortHub> hub = self;
        radio.setOutput([hub, com](std::uint8_t byte) {
            if (auto live = hub.lock()) live->fromRadio(com, byte);
        });
        radio.setDisconnectHandler([hub, com] {
            if (auto live = hub.lock()) live->pullCable(com);
        });
        radio.plugIn();
    }

    void detach(int com) {
        auto line = lines_.find(com);
        if (line == lines_.end() || !line->second.radio) return;
        unhook(*line->second.radio);
        line->second.radio = nullptr;
    }

    void detachAll() {
        for (auto& [com, line] : lines_) {
            if (line.radio) unhook(*line.radio);
            line.radio = nullptr;
        }
    }

    std::map<int, Line> lines_;
    std::map<int, PortStats> stats_;

  private:
    static void unhook(SimulatedRadio& radio) {
        radio.setOutput({});
        radio.setDisconnectHandler({});
    }
};

class SimulatedSerialPort : public SerialPort {
  public:
    explicit SimulatedSerialPort(std::shared_ptr<SimulatedPortHub> hub) : hub_(std::move(hub)) {}
    ~SimulatedSerialPort() override { close(); }

    OpenFailure open(int comPort, const LineSettings& settings) override {
        if (open_) return OpenFailure::Other;
        device_ = "simulated COM" + std::to_string(comPort);
        const OpenFailure failure = hub_->claim(comPort, this);
        if (failure != OpenFailure::None) return failure;
        com_ = comPort;
        open_ = true;
        bufferSize_ = static_cast<std::size_t>(std::max(settings.receiveBufferSize, 1));
        received_.clear();
        return OpenFailure::None;
    }

    void close() override {
        if (!open_) return;
        hub_->release(com_, this);
        open_ = false;
    }

    [[nodiscard]] bool isOpen() const override { return open_; }

    void write(std::span<const std::uint8_t> bytes) override {
        if (open_) hub_->toRadio(com_, bytes);
    }

    [[nodiscard]] int bytesWaiting() const override { return static_cast<int>(received_.size()); }

    std::uint8_t readByte() override {
        if (received_.empty()) return 0;
        const std::uint8_t byte = received_.front();
        received_.pop_front();
        return byte;
    }

    void clearInput() override { received_.clear(); }

    [[nodiscard]] std::string deviceName() const override { return device_; }

    void arrive(std::uint8_t byte) {
        if (received_.size() >= bufferSize_) {
            ++hub_->stats_[com_].overrunBytes;
        } else {
            received_.push_back(byte);
        }
        raise(PortEvent::Received);
    }

    void cablePulled() {
        open_ = false;
        raise(PortEvent::Failed);
    }

  private:
    std::shared_ptr<SimulatedPortHub> hub_;
    std::deque<std::uint8_t> received_;
    std::size_t bufferSize_ = 1024;
    std::string device_;
    int com_ = 0;
    bool open_ = false;
};

void SimulatedPortHub::fromRadio(int com, std::uint8_t byte) {
    auto line = lines_.find(com);
    if (line != lines_.end() && line->second.holder) line->second.holder->arrive(byte);
}

void SimulatedPortHub::pullCable(int com) {
    auto line = lines_.find(com);
    if (line == lines_.end()) return;
    SimulatedSerialPort* holder = line->second.holder;
    if (line->second.radio) line->second.radio->unplug();
    lines_.erase(line);
    ++stats_[com].failures;
    if (holder) holder->cablePulled();
}

SimulatedPorts::SimulatedPorts() : hub_(std::make_shared<SimulatedPortHub>()) {}

SimulatedPorts::~SimulatedPorts() {
    hub_->detachAll();
    hub_->lines_.clear();
}

void SimulatedPorts::attach(int com, SimulatedRadio& radio) {
    hub_->attach(com, radio, hub_);
}

void SimulatedPorts::detach(int com) {
    hub_->detach(com);
}

void SimulatedPorts::addEmptyPort(int com) {
    hub_->lines_.try_emplace(com);
}

void SimulatedPorts::pullCable(int com) {
    hub_->pullCable(com);
}

bool SimulatedPorts::exists(int com) const {
    return hub_->lines_.contains(com);
}

bool SimulatedPorts::isHeldOpen(int com) const {
    const auto line = hub_->lines_.find(com);
    return line != hub_->lines_.end() && line->second.holder != nullptr;
}

PortStats SimulatedPorts::stats(int com) const {
    const auto found = hub_->stats_.find(com);
    return found == hub_->stats_.end() ? PortStats{} : found->second;
}

SerialPortFactory SimulatedPorts::factory() const {
    return [hub = hub_]() -> std::unique_ptr<SerialPort> {
        return std::make_unique<SimulatedSerialPort>(hub);
    };
}

}  // namespace orvex
