#pragma once

#include <QLineEdit>

namespace orvex {

// An editor's text box that reports losing the keyboard focus to another control of its
// window (not when another window or a popup takes it), so that the editor can check what
// was typed.
class TextBox : public QLineEdit {
    Q_OBJECT

  public:
    explicit TextBox(QWidget* parent = nullptr);

  signals:
    void lostFocus();

  protected:
    void focusOutEvent(QFocusEvent* event) override;
};

}  // namespace orvex
