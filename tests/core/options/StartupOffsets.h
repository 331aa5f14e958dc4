#pragma once

#include <memory>

#include "core/options/OptionImage.h"
#include "core/shell/StartupTables.h"

namespace orvex::test {

// The offsets table as the program fills it at start-up.
inline OptionOffsetTable StartupOffsets() {
    auto state = std::make_unique<SharedState>();
    InitOptionOffsets(*state);
    return state->OptionOffsets;
}

}  // namespace orvex::test
