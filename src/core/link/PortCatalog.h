#pragma once

#include <array>
#include <string>
#include <vector>

namespace orvex {

// Which device stands for each of COM1 to COM8 (index 1 to 8; empty when none).
using ComAssignment = std::array<std::string, 9>;

// Devices named on the command line take COM8, COM7, ... so that the start-up probe, which
// goes from COM8 down, tries them first. The system's other serial devices fill the
// remaining numbers from COM1 up: USB serial adapters first, then the others, each group in
// natural order (ttyUSB2 before ttyUSB10).
ComAssignment AssignComPorts(const std::vector<std::string>& systemDevices,
                             const std::vector<std::string>& namedDevices);

// True for the names USB serial adapters get (ttyUSB*, ttyACM*, cu.usbserial*, ...).
bool IsUsbSerialName(const std::string& device);

// Natural order: digit runs compare by value.
bool NaturalLess(const std::string& a, const std::string& b);

}  // namespace orvex
