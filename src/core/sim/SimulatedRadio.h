#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/link/Clock.h"
#include "core/sim/RadioCommandParser.h"
#include "core/sim/SerialWire.h"

namespace orvex {

struct RadioConfig {
    int bandLowMHz = 400;   // 0..999
    int bandHighMHz = 470;  // 0..999
    std::uint8_t familyByte = 0xA0;
    // Bytes take their 9600-baud wire time in both directions; otherwise they arrive at the
    // moment they are sent (still from a clock alarm, never from inside the sending call).
    bool realPace = true;
};

// Ways to make the radio misbehave. A test may change them at any time; each takes effect
// from the next byte. Switches that count (ignoreOpenings, pullCableAfterBytes, and
// withholdAckOfWriteFrame unless withholdAckEveryTime) count down and switch themselves off
// once used. A radio of another family is not a fault: set config().familyByte.
struct RadioFaults {
    // Hears nothing and answers nothing, as if switched off.
    bool silent = false;
    // Sent ahead of every identification reply.
    std::vector<std::uint8_t> junkBeforeIdentification;
    // Only the first n bytes of the 9-byte identification reply are sent.
    int identificationLength = 9;
    // Only the first n bytes of each 69-byte read reply are sent.
    int readReplyLength = 69;
    // The write frame with this number (1-based, counted from the last opening command) is
    // stored but not acknowledged; 0 for none. Once, or after every opening command.
    int withholdAckOfWriteFrame = 0;
    bool withholdAckEveryTime = false;
    // A slow radio: the pause before every reply starts.
    int responseDelayMs = 0;
    // After n more bytes, counted in both directions, the cable is pulled: the bytes still on
    // the way are lost and the host's disconnect handler is called.
    std::optional<int> pullCableAfterBytes;
    // A worn memory cell: a byte written to this address is stored with every bit flipped
    // (and still acknowledged).
    std::optional<std::uint16_t> wrongByteAt;
    // The next k opening commands go unanswered (and leave the radio out of programming mode).
    int ignoreOpenings = 0;
};

enum class WireDirection { ToRadio, ToPc };

struct WireByte {
    Micros time;  // PC bytes: when the PC wrote them; radio bytes: when they reached the PC
    WireDirection direction;
    std::uint8_t value;

    friend bool operator==(const WireByte&, const WireByte&) = default;
};

// A radio of the family on the far end of a programming cable: 64 KiB of memory and the
// radio's side of the programming exchange. Opening command 50 AA BB 47 52 41 4D 02 is
// answered with the identification AA, lower and upper band limit as three decimal digits
// each, the family byte and 00. After that, read request 53 hi lo 40 is answered with
// 57 00 hi lo 40 and the 64 bytes from hi:lo, and write frame 58 hi lo 10 with 16 data
// bytes is stored and acknowledged with 06. Reads and writes before an answered opening
// command are ignored, as a radio that is not in programming mode ignores them.
//
// Whoever hosts the radio passes it the PC's bytes through receiveFromPc() and carries its
// bytes to the PC through the output callback. Everything runs on the clock's thread.
class SimulatedRadio {
  public:
    using Memory = std::array<std::uint8_t, 65536>;

    explicit SimulatedRadio(Clock& clock, RadioConfig config = {});
    SimulatedRadio(const SimulatedRadio&) = delete;
    SimulatedRadio& operator=(const SimulatedRadio&) = delete;
    ~SimulatedRadio();

    // The host's side of the cable.
    void setOutput(std::function<void(std::uint8_t)> output) { output_ = std::move(output); }
    void setDisconnectHandler(std::function<void()> handler) { onDisconnect_ = std::move(handler); }
    void receiveFromPc(std::span<const std::uint8_t> bytes);
    void receiveFromPc(std::uint8_t byte) { receiveFromPc(std::span(&byte, 1)); }

    // A pulled cable: bytes on the way and half-received commands are lost, the PC's bytes
    // no longer arrive and the radio sends nothing until plugIn(). Calls no handler.
    void unplug();
    void plugIn();
    [[nodiscard]] bool isPluggedIn() const { return pluggedIn_; }

    [[nodiscard]] RadioConfig& config() { return config_; }
    [[nodiscard]] const RadioConfig& config() const { return config_; }
    [[nodiscard]] RadioFaults& faults() { return faults_; }

    // Unwritten memory holds 0xFF, the radio's "empty" marker.
    [[nodiscard]] Memory& memory() { return *memory_; }
    [[nodiscard]] const Memory& memory() const { return *memory_; }
    // Files hold the 65536 bytes and nothing else; false when a file cannot be read whole or
    // written.
    bool loadMemory(const std::string& path);
    bool saveMemory(const std::string& path) const;

    [[nodiscard]] const std::vector<WireByte>& transcript() const { return transcript_; }
    void clearTranscript() { transcript_.clear(); }

    // The 9 bytes this radio identifies itself with.
    [[nodiscard]] std::array<std::uint8_t, 9> identification() const;

  private:
    void arrived(std::uint8_t byte, WireTime arrival);
    void reachedPc(std::uint8_t byte, WireTime arrival);
    void obey(const RadioCommand& command, WireTime arrival);
    void answerOpening(WireTime arrival);
    void answerRead(std::uint16_t address, WireTime arrival);
    void storeWrite(const RadioCommand& command, WireTime arrival);
    void reply(std::span<const std::uint8_t> bytes, WireTime arrival);
    void countTravelledByte();

    Clock& clock_;
    RadioConfig config_;
    RadioFaults faults_;
    std::unique_ptr<Memory> memory_;  // on the heap, so that a radio may live on the stack
    std::function<void(std::uint8_t)> output_;
    std::function<void()> onDisconnect_;
    SerialWire toRadio_;
    SerialWire toPc_;
    std::unique_ptr<TimerSlot> disconnectAlarm_;
    RadioCommandParser parser_;
    std::vector<WireByte> transcript_;
    bool pluggedIn_ = true;
    bool programming_ = false;
    int writeFramesSinceOpening_ = 0;
};

}  // namespace orvex
