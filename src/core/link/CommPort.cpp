#include "core/link/CommPort.h"

#include "core/link/LinkTexts.h"

namespace orvex {

namespace {

std::string Substitute(std::string_view pattern, int comPort, const std::string& device) {
    std::string text(pattern);
    const auto replace = [&text](std::string_view key, const std::string& value) {
        for (auto at = text.find(key); at != std::string::npos;
             at = text.find(key, at + value.size()))
            text.replace(at, key.size(), value);
    };
    replace("%1", std::to_string(comPort));
    replace("%2", device.empty() ? "COM" + std::to_string(comPort) : device);
    return text;
}

OpenFailure TryOpen(SerialPort& port, SharedState& state) {
    state.Port_Error = false;
    const OpenFailure failure = port.open(state.Comm_Port, LineSettings{});
    state.Port_Error = failure != OpenFailure::None;
    return failure;
}

}  // namespace

std::string DescribeOpenFailure(OpenFailure failure, const SerialPort& port,
                                const SharedState& state) {
    const Bilingual* pattern = &link_texts::kOtherOpenDetail;
    switch (failure) {
        case OpenFailure::NoSuchPort:
            pattern = &link_texts::kNoSuchPortDetail;
            break;
        case OpenFailure::PermissionDenied:
            pattern = &link_texts::kPermissionDetail;
            break;
        case OpenFailure::Busy:
            pattern = &link_texts::kBusyDetail;
            break;
        case OpenFailure::Other:
        case OpenFailure::None:
            break;
    }
    return Substitute(pattern->pick(state.Language_Flag), state.Comm_Port, port.deviceName());
}

bool OpenCommPort(SerialPort& port, SharedState& state, Prompt& prompt, PortMessageStyle style) {
    return OpenCommPortWithReason(port, state, prompt, style) == OpenFailure::None;
}

OpenFailure OpenCommPortWithReason(SerialPort& port, SharedState& state, Prompt& prompt,
                                   PortMessageStyle style) {
    const OpenFailure failure = TryOpen(port, state);
    if (failure == OpenFailure::None) return failure;
    const bool channel = style == PortMessageStyle::Channel;
    const Bilingual& title =
        channel ? link_texts::kChannelPortOpenTitle : link_texts::kPortOpenTitle;
    const Bilingual& text = channel ? link_texts::kChannelPortOpenText : link_texts::kPortOpenText;
    prompt.warning(title.pick(state.Language_Flag), text.pick(state.Language_Flag),
                   DescribeOpenFailure(failure, port, state));
    return failure;
}

bool ProbeCommPort(SerialPort& port, SharedState& state) {
    return TryOpen(port, state) == OpenFailure::None;
}

void ProbeCommPorts(SerialPort& port, SharedState& state) {
    for (int n = 8; n >= 1; --n) {
        state.Comm_Port = static_cast<std::int16_t>(n);
        if (ProbeCommPort(port, state)) break;
    }
    if (port.isOpen()) port.close();
}

}  // namespace orvex
