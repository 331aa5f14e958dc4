#pragma once

#include <array>
#include <cstdint>

namespace orvex {

// Bytes of one read reply as the radio sends it: two bytes not examined, the block address
// (high, low), one byte not examined, then the 64 data bytes.
inline constexpr int kReplyLength = 69;
inline constexpr int kReplyDataOffset = 5;
inline constexpr int kReadBlockBytes = 64;
using ReadReply = std::array<std::uint8_t, kReplyLength>;

}  // namespace orvex
