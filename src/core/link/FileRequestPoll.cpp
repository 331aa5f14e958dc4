#include "core/link/FileRequestPoll.h"

namespace orvex {

FileRequestPoll::FileRequestPoll(Clock& clock, FileRequests& requests, int editorId,
                                 std::function<void()> load, std::function<void()> save,
                                 std::function<bool()> holdOff)
    : requests_(requests),
      editorId_(editorId),
      load_(std::move(load)),
      save_(std::move(save)),
      holdOff_(std::move(holdOff)),
      timer4_(clock, [this] { poll(); }) {
    timer4_.setInterval(kIntervalMs);
    timer4_.start();
}

void FileRequestPoll::poll() {
    if (holdOff_ && holdOff_()) return;
    if (requests_.take(FileRequest::Load, editorId_) && load_) load_();
    if (requests_.take(FileRequest::Save, editorId_) && save_) save_();
}

}  // namespace orvex
