#pragma once

#include <cstdint>
#include <deque>
#include <vector>

#include "core/link/SerialPort.h"

namespace orvex::test {

// A serial control the test drives byte by byte: it records what is written and delivers
// exactly the bytes the test feeds, when the test feeds them.
class ScriptedPort : public SerialPort {
  public:
    OpenFailure open(int comPort, const LineSettings&) override {
        lastCom = comPort;
        if (failOpen != OpenFailure::None) return failOpen;
        open_ = true;
        input_.clear();
        ++opens;
        return OpenFailure::None;
    }
    void close() override { open_ = false; }
    [[nodiscard]] bool isOpen() const override { return open_; }
    void write(std::span<const std::uint8_t> bytes) override {
        if (open_) written.insert(written.end(), bytes.begin(), bytes.end());
    }
    [[nodiscard]] int bytesWaiting() const override { return static_cast<int>(input_.size()); }
    std::uint8_t readByte() override {
        if (input_.empty()) return 0;
        const std::uint8_t byte = input_.front();
        input_.pop_front();
        return byte;
    }
    void clearInput() override { input_.clear(); }

    // Bytes arrive from the radio; one receive event for the lot.
    void feed(const std::vector<std::uint8_t>& bytes) {
        if (!open_) return;
        input_.insert(input_.end(), bytes.begin(), bytes.end());
        raise(PortEvent::Received);
    }
    // The device goes away.
    void fail() {
        open_ = false;
        raise(PortEvent::Failed);
    }

    std::vector<std::uint8_t> written;
    OpenFailure failOpen = OpenFailure::None;
    int opens = 0;
    int lastCom = 0;

  private:
    bool open_ = false;
    std::deque<std::uint8_t> input_;
};

}  // namespace orvex::test
