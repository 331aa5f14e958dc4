#pragma once

#include "cli/CliOptions.h"

namespace orvex {

// show and diff: image files only, no radio. Returns the exit status: 0, or 1 for a file
// that cannot be read; diff gives 0 whether or not the files differ.
int RunImageCommand(const CliOptions& options);

}  // namespace orvex
