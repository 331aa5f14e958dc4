#pragma once

#include <string>
#include <vector>

#include "core/link/PortCatalog.h"

namespace orvex {

// COM1 to COM8 of this machine. On Windows they are the system's COM ports; elsewhere the
// serial devices found now, with the devices named on the command line first in line.
ComAssignment SystemComPorts(const std::vector<std::string>& namedDevices);

}  // namespace orvex
