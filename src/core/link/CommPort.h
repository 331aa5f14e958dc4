#pragma once

#include <string>

#include "core/link/SerialPort.h"
#include "core/shell/Prompt.h"
#include "core/shell/SharedState.h"

namespace orvex {

// Which wording a window uses when its port cannot be opened.
enum class PortMessageStyle { Standard, Channel };

// Opens a window's port on COM Comm_Port with "9600,N,8,1". On failure the window's message
// is shown (with the reason apart from it) and Port_Error is set; true when the port opened.
bool OpenCommPort(SerialPort& port, SharedState& state, Prompt& prompt, PortMessageStyle style);

// The same, telling why the port did not open (None when it did).
OpenFailure OpenCommPortWithReason(SerialPort& port, SharedState& state, Prompt& prompt,
                                   PortMessageStyle style);

// Why `port` could not be opened on COM Comm_Port, in the language Language_Flag selects now.
std::string DescribeOpenFailure(OpenFailure failure, const SerialPort& port,
                                const SharedState& state);

// The same without any message.
bool ProbeCommPort(SerialPort& port, SharedState& state);

// Start-up: tries COM8 down to COM1 and keeps the first that opens in Comm_Port (COM1 with
// Port_Error set when none does). The port is left closed.
void ProbeCommPorts(SerialPort& port, SharedState& state);

}  // namespace orvex
