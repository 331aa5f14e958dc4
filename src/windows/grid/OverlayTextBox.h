#pragma once

#include <QLineEdit>

namespace orvex {

// A text box that an editor window lays over a grid cell. Every key that types a character
// is reported with keyPressed() before the box handles it; Enter and Return are reported as
// 13 and then end there (a single-line box has nothing to do with them, and they must not
// reach a default button of the window). No key is filtered.
class OverlayTextBox : public QLineEdit {
    Q_OBJECT

  public:
    explicit OverlayTextBox(QWidget* parent = nullptr);

  signals:
    void keyPressed(int charCode);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace orvex
