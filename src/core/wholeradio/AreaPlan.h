#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "core/image/RadioArea.h"
#include "core/link/BlockPlan.h"
#include "core/shell/SharedState.h"

namespace orvex {

// The plan of the editor that owns an area, moving the area's raw bytes instead of the
// editor's controls: the same blocks, frames, order and engine settings as the editor.
class AreaPlan {
  public:
    virtual ~AreaPlan() = default;

    [[nodiscard]] virtual RadioArea area() const = 0;
    [[nodiscard]] virtual BlockPlan& plan() = 0;
    [[nodiscard]] virtual EngineSettings settings() const = 0;

    // What the next write sends: the area's bytes, AreaRange(area()).size() of them (the
    // five-tone planes are added as the editor adds them). Bytes of another length are
    // refused (false) and the plan keeps what it had.
    virtual bool setWriteBytes(std::span<const std::uint8_t> bytes) = 0;
    // Called before a read starts: the area reads as 0xFF until the read completes. (The
    // channel plan also empties its reply stores, as the channel editor does when it loads.)
    virtual void beforeRead() { std::fill(read_.begin(), read_.end(), 0xFF); }
    // What the last completed read brought for the area; 0xFF before any read.
    [[nodiscard]] const std::vector<std::uint8_t>& readBytes() const { return read_; }

  protected:
    explicit AreaPlan(RadioArea area) : read_(AreaRange(area).size(), 0xFF) {}
    std::vector<std::uint8_t> read_;
};

// The area's plan on `state`, which must outlive it. The channel plan writes through
// state.channels.writeImage and reads through its reply stores, as the channel editor does.
std::unique_ptr<AreaPlan> MakeAreaPlan(RadioArea area, SharedState& state);

}  // namespace orvex
