#include "core/sim/RadioCommandParser.h"

#include <algorithm>

namespace orvex {

namespace {

constexpr std::size_t kReadSize = 4;    // 53 hi lo 40
constexpr std::size_t kWriteSize = 20;  // 58 hi lo 10 + 16 data bytes

std::uint16_t addressOf(const std::vector<std::uint8_t>& bytes) {
    return static_cast<std::uint16_t>(bytes[1] << 8 | bytes[2]);
}

}  // namespace

std::optional<RadioCommand> RadioCommandParser::feed(std::uint8_t byte, WireTime arrival) {
    if (!pending_.empty() && arrival - lastArrival_ > kInterByteTimeout) pending_.clear();
    lastArrival_ = arrival;
    return take(byte);
}

std::optional<RadioCommand> RadioCommandParser::take(std::uint8_t byte) {
    if (pending_.empty()) {
        if (byte == kOpening[0] || byte == kReadHead || byte == kWriteHead)
            pending_.push_back(byte);
        return std::nullopt;
    }
    switch (pending_.front()) {
        case kReadHead:
            pending_.push_back(byte);
            return continueRead();
        case kWriteHead:
            pending_.push_back(byte);
            return continueWrite();
        default:
            return continueOpening(byte);
    }
}

std::optional<RadioCommand> RadioCommandParser::continueOpening(std::uint8_t byte) {
    if (byte != kOpening[pending_.size()]) {
        pending_.clear();
        return take(byte);
    }
    pending_.push_back(byte);
    if (pending_.size() < kOpening.size()) return std::nullopt;
    pending_.clear();
    return RadioCommand{RadioCommand::Kind::Opening};
}

std::optional<RadioCommand> RadioCommandParser::continueRead() {
    if (pending_.size() < kReadSize) return std::nullopt;
    std::optional<RadioCommand> command;
    if (pending_[3] == kReadLength)
        command = RadioCommand{RadioCommand::Kind::Read, addressOf(pending_)};
    pending_.clear();
    return command;
}

std::optional<RadioCommand> RadioCommandParser::continueWrite() {
    if (pending_.size() == 4 && pending_[3] != kWriteLength) {
        pending_.clear();
        return std::nullopt;
    }
    if (pending_.size() < kWriteSize) return std::nullopt;
    RadioCommand command{RadioCommand::Kind::Write, addressOf(pending_)};
    std::copy(pending_.begin() + 4, pending_.end(), command.data.begin());
    pending_.clear();
    return command;
}

}  // namespace orvex
