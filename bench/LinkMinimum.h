#pragma once

#include <vector>

namespace orvex::bench {

// One exchange of a transfer: the PC sends a command of `sendBytes` bytes under timer pacing
// and waits for the radio's answer of `replyBytes` bytes.
struct Exchange {
    int sendBytes = 0;
    int replyBytes = 0;
};

// One byte at 9600 baud: a start bit, eight data bits and a stop bit, 10 / 9600 s.
inline constexpr double kByteMs = 10.0 / 9.6;
// Pacing starts every send with a first tick this long after the send begins.
inline constexpr double kFirstTickMs = 15.0;

// The shortest wall time the protocol allows for `exchanges` at `pacingMs`, with a radio that
// answers the moment a command has arrived and a PC that reacts the moment a reply is in.
//
// Per exchange:
//   first tick             15 ms after the send starts, the first byte is written;
//   pacing                 each further byte one pacing interval later: (n - 1) * pacing;
//   last byte on the wire  it reaches the radio one byte time later (the earlier bytes
//                          travel during the pacing gaps, which are longer than a byte);
//   reply on the wire      the radio's reply bytes follow back to back, one byte time each.
// The next send starts as soon as the reply is complete: the 0x06 that acknowledges a read
// reply is written at that moment and is on the wire while the next 15 ms first tick runs,
// so it costs nothing. The transfer is complete when its last reply is in.
//
//   minimum = sum over exchanges of [15 + (n - 1) * pacing + (1 + r) * 10 / 9.6]  ms
inline double MinimumTransferMs(const std::vector<Exchange>& exchanges, int pacingMs) {
    double total = 0;
    for (const Exchange& e : exchanges)
        total += kFirstTickMs + (e.sendBytes - 1) * pacingMs + (1 + e.replyBytes) * kByteMs;
    return total;
}

// The same for an engine that writes the whole command on the first tick (the signalling
// editors): the command's bytes then cross the wire back to back after the first tick, as if
// the pacing were one byte time.
//
//   minimum = sum over exchanges of [15 + (n + r) * 10 / 9.6]  ms
inline double MinimumBurstTransferMs(const std::vector<Exchange>& exchanges) {
    double total = 0;
    for (const Exchange& e : exchanges)
        total += kFirstTickMs + (e.sendBytes + e.replyBytes) * kByteMs;
    return total;
}

// The exchanges of the transfers the benchmark times.
inline constexpr Exchange kIdentification{8, 9};  // opening command, identification reply
inline constexpr Exchange kFirstRead{5, 69};      // 06 53 hi lo 40, read reply
inline constexpr Exchange kLaterRead{4, 69};      // 53 hi lo 40, read reply
inline constexpr Exchange kWriteFrame{21, 1};     // 06 58 hi lo 10 + 16 bytes, 06

inline std::vector<Exchange> IdentificationExchanges() {
    return {kIdentification};
}

// An identification and then `requests` read requests.
inline std::vector<Exchange> ReadExchanges(int requests) {
    std::vector<Exchange> exchanges{kIdentification, kFirstRead};
    for (int i = 1; i < requests; ++i)
        exchanges.push_back(kLaterRead);
    return exchanges;
}

// An identification and then `frames` write frames.
inline std::vector<Exchange> WriteExchanges(int frames) {
    std::vector<Exchange> exchanges{kIdentification};
    for (int i = 0; i < frames; ++i)
        exchanges.push_back(kWriteFrame);
    return exchanges;
}

}  // namespace orvex::bench
