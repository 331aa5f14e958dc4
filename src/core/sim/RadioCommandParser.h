#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/sim/SerialWire.h"

namespace orvex {

// A complete command from the PC, as the radio understands it.
struct RadioCommand {
    enum class Kind {
        Opening,  // 50 AA BB 47 52 41 4D 02: enter programming and identify yourself
        Read,     // 53 hi lo 40: send the 64 bytes from address hi:lo
        Write,    // 58 hi lo 10 + 16 bytes: store them from address hi:lo
    };
    Kind kind;
    std::uint16_t address = 0;
    std::array<std::uint8_t, 16> data{};  // Write only
};

// Assembles the PC's bytes into commands. A byte that starts nothing is dropped (the 0x06
// that acknowledges a reply or leads a frame among them); a command whose bytes stop
// matching is abandoned and its last byte looked at afresh; and a half-received command is
// forgotten when more than 100 ms pass between two of its bytes, the radio's inter-byte
// timeout, so a PC that starts over after a time-out is understood.
class RadioCommandParser {
  public:
    static constexpr std::array<std::uint8_t, 8> kOpening{0x50, 0xAA, 0xBB, 0x47,
                                                          0x52, 0x41, 0x4D, 0x02};
    static constexpr std::uint8_t kReadHead = 0x53;
    static constexpr std::uint8_t kWriteHead = 0x58;
    static constexpr std::uint8_t kReadLength = 0x40;
    static constexpr std::uint8_t kWriteLength = 0x10;
    static constexpr WireTime kInterByteTimeout = 100'000 * 3;  // 100 ms

    // `arrival` is the moment the byte has fully arrived.
    std::optional<RadioCommand> feed(std::uint8_t byte, WireTime arrival);
    void reset() { pending_.clear(); }
    [[nodiscard]] bool midCommand() const { return !pending_.empty(); }

  private:
    std::optional<RadioCommand> take(std::uint8_t byte);
    std::optional<RadioCommand> continueOpening(std::uint8_t byte);
    std::optional<RadioCommand> continueRead();
    std::optional<RadioCommand> continueWrite();

    std::vector<std::uint8_t> pending_;
    WireTime lastArrival_ = 0;
};

}  // namespace orvex
