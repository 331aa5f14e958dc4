#pragma once

#include <functional>

#include "core/link/Timer.h"
#include "core/shell/FileRequests.h"

namespace orvex {

// An editor's Timer4: every 500 ms, from the moment the editor exists, it serves the load
// and then the save request that a file dialog raised for this editor. While `holdOff`
// says so (a transfer runs), requests stay pending for a later tick.
class FileRequestPoll {
  public:
    static constexpr int kIntervalMs = 500;

    FileRequestPoll(Clock& clock, FileRequests& requests, int editorId, std::function<void()> load,
                    std::function<void()> save, std::function<bool()> holdOff = {});

  private:
    void poll();

    FileRequests& requests_;
    int editorId_;
    std::function<void()> load_;
    std::function<void()> save_;
    std::function<bool()> holdOff_;
    Timer timer4_;
};

}  // namespace orvex
