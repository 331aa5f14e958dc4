#include "core/sim/SimulatedRadio.h"

#include <algorithm>
#include <fstream>

namespace orvex {

namespace {

constexpr std::uint8_t kAcknowledge = 0x06;
constexpr std::uint8_t kReadReplyHead = 0x57;
constexpr std::size_t kReadReplySize = 69;

void putDigits(int value, std::uint8_t* out) {
    out[0] = static_cast<std::uint8_t>(value / 100 % 10);
    out[1] = static_cast<std::uint8_t>(value / 10 % 10);
    out[2] = static_cast<std::uint8_t>(value % 10);
}

}  // namespace

SimulatedRadio::SimulatedRadio(Clock& clock, RadioConfig config)
    : clock_(clock),
      config_(config),
      memory_(std::make_unique<Memory>()),
      toRadio_(clock, [this](std::uint8_t byte, WireTime at) { arrived(byte, at); }),
      toPc_(clock, [this](std::uint8_t byte, WireTime at) { reachedPc(byte, at); }),
      disconnectAlarm_(clock.createSlot([this] {
          disconnectAlarm_->disarm();
          auto handler = onDisconnect_;  // the handler may replace itself
          if (handler) handler();
      })) {
    memory_->fill(0xFF);
}

SimulatedRadio::~SimulatedRadio() = default;

void SimulatedRadio::receiveFromPc(std::span<const std::uint8_t> bytes) {
    for (const std::uint8_t byte : bytes) {
        if (!pluggedIn_) return;
        const Micros now = clock_.now();
        transcript_.push_back({now, WireDirection::ToRadio, byte});
        toRadio_.send(byte, toWireTime(now), config_.realPace);
        countTravelledByte();
    }
}

void SimulatedRadio::unplug() {
    pluggedIn_ = false;
    toRadio_.clear();
    toPc_.clear();
    parser_.reset();
    programming_ = false;
}

void SimulatedRadio::plugIn() {
    disconnectAlarm_->disarm();
    pluggedIn_ = true;
}

void SimulatedRadio::countTravelledByte() {
    if (!faults_.pullCableAfterBytes) return;
    if (--*faults_.pullCableAfterBytes > 0) return;
    faults_.pullCableAfterBytes.reset();
    unplug();
    // Reported from the clock, not from inside the write or delivery that counted the byte.
    disconnectAlarm_->arm(Micros(0));
}

void SimulatedRadio::arrived(std::uint8_t byte, WireTime arrival) {
    if (faults_.silent) {
        parser_.reset();
        return;
    }
    if (const auto command = parser_.feed(byte, arrival)) obey(*command, arrival);
}

void SimulatedRadio::reachedPc(std::uint8_t byte, WireTime arrival) {
    transcript_.push_back({toMicros(arrival), WireDirection::ToPc, byte});
    auto output = output_;  // the receiver may replace the callback
    if (output) output(byte);
    countTravelledByte();
}

void SimulatedRadio::obey(const RadioCommand& command, WireTime arrival) {
    switch (command.kind) {
        case RadioCommand::Kind::Opening:
            answerOpening(arrival);
            break;
        case RadioCommand::Kind::Read:
            if (programming_) answerRead(command.address, arrival);
            break;
        case RadioCommand::Kind::Write:
            if (programming_) storeWrite(command, arrival);
            break;
    }
}

std::array<std::uint8_t, 9> SimulatedRadio::identification() const {
    std::array<std::uint8_t, 9> reply{};
    reply[0] = 0xAA;
    putDigits(config_.bandLowMHz, &reply[1]);
    putDigits(config_.bandHighMHz, &reply[4]);
    reply[7] = config_.familyByte;
    reply[8] = 0x00;
    return reply;
}

void SimulatedRadio::answerOpening(WireTime arrival) {
    writeFramesSinceOpening_ = 0;
    if (faults_.ignoreOpenings > 0) {
        --faults_.ignoreOpenings;
        return;
    }
    programming_ = true;
    std::vector<std::uint8_t> bytes = faults_.junkBeforeIdentification;
    const auto id = identification();
    const auto length = static_cast<std::size_t>(std::clamp(faults_.identificationLength, 0, 9));
    bytes.insert(bytes.end(), id.begin(), id.begin() + static_cast<std::ptrdiff_t>(length));
    reply(bytes, arrival);
}

void SimulatedRadio::answerRead(std::uint16_t address, WireTime arrival) {
    std::array<std::uint8_t, kReadReplySize> bytes{};
    bytes[0] = kReadReplyHead;
    bytes[1] = 0x00;
    bytes[2] = static_cast<std::uint8_t>(address >> 8);
    bytes[3] = static_cast<std::uint8_t>(address & 0xFF);
    bytes[4] = RadioCommandParser::kReadLength;
    for (std::size_t i = 0; i < 64; ++i)
        bytes[5 + i] = (*memory_)[static_cast<std::uint16_t>(address + i)];
    const auto length = std::clamp(faults_.readReplyLength, 0, static_cast<int>(kReadReplySize));
    reply(std::span(bytes).first(static_cast<std::size_t>(length)), arrival);
}

void SimulatedRadio::storeWrite(const RadioCommand& command, WireTime arrival) {
    for (std::size_t i = 0; i < command.data.size(); ++i) {
        const auto address = static_cast<std::uint16_t>(command.address + i);
        const bool worn = faults_.wrongByteAt && *faults_.wrongByteAt == address;
        (*memory_)[address] = worn ? static_cast<std::uint8_t>(~command.data[i]) : command.data[i];
    }
    ++writeFramesSinceOpening_;
    if (faults_.withholdAckOfWriteFrame == writeFramesSinceOpening_) {
        if (!faults_.withholdAckEveryTime) faults_.withholdAckOfWriteFrame = 0;
        return;
    }
    reply(std::span(&kAcknowledge, 1), arrival);
}

void SimulatedRadio::reply(std::span<const std::uint8_t> bytes, WireTime arrival) {
    const WireTime start = arrival + toWireTime(std::chrono::milliseconds(faults_.responseDelayMs));
    for (const std::uint8_t byte : bytes)
        toPc_.send(byte, start, config_.realPace);
}

bool SimulatedRadio::loadMemory(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return false;
    std::vector<char> loaded(memory_->size());
    file.read(loaded.data(), static_cast<std::streamsize>(loaded.size()));
    if (file.gcount() != static_cast<std::streamsize>(loaded.size())) return false;
    if (file.peek() != std::ifstream::traits_type::eof()) return false;
    std::copy(loaded.begin(), loaded.end(), reinterpret_cast<char*>(memory_->data()));
    return true;
}

bool SimulatedRadio::saveMemory(const std::string& path) const {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file) return false;
    file.write(reinterpret_cast<const char*>(memory_->data()),
               static_cast<std::streamsize>(memory_->size()));
    file.close();
    return !file.fail();
}

}  // namespace orvex
