#pragma once

#include <set>
#include <string>
#include <utility>

namespace orvex {

enum class FileRequest { Load, Save };

// The process-wide file path and the load and save requests that the file dialogs raise.
// A request belongs to the editor that showed the dialog and is served only by that editor.
class FileRequests {
  public:
    // Each editor window takes an id when it is created; ids are never reused.
    int registerEditor() { return nextEditorId_++; }

    // A confirmed dialog: the path replaces any earlier one; a request that is already
    // pending is not queued twice.
    void raise(FileRequest kind, int editorId, std::string path) {
        filePath_ = std::move(path);
        pending_.insert({editorId, kind});
    }

    // True (and the request cleared) when `kind` is pending for `editorId`.
    bool take(FileRequest kind, int editorId) { return pending_.erase({editorId, kind}) > 0; }

    [[nodiscard]] bool isPending(FileRequest kind, int editorId) const {
        return pending_.count({editorId, kind}) > 0;
    }

    // An editor that closes drops what is still pending for it.
    void dropFor(int editorId) {
        pending_.erase({editorId, FileRequest::Load});
        pending_.erase({editorId, FileRequest::Save});
    }

    [[nodiscard]] const std::string& filePath() const { return filePath_; }

  private:
    std::string filePath_;
    std::set<std::pair<int, FileRequest>> pending_;
    int nextEditorId_ = 1;
};

}  // namespace orvex
