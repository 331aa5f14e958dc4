#pragma once

#include "cli/CliOptions.h"

namespace orvex {

// identify, read, write, verify and clone: every radio on its own port and session, all in
// this thread's event loop (a QCoreApplication must exist). Returns the exit status.
int RunRadioCommand(const CliOptions& options);

}  // namespace orvex
