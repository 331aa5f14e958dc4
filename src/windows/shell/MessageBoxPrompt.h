#pragma once

#include "core/shell/Prompt.h"

class QWidget;

namespace orvex {

// Shows each message as a modal QMessageBox with one OK button.
class MessageBoxPrompt : public Prompt {
  public:
    explicit MessageBoxPrompt(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    void warning(std::string_view title, std::string_view text, std::string_view detail) override;
    void plain(std::string_view text) override;

  private:
    QWidget* parent_;
};

}  // namespace orvex
