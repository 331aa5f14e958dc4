#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <string>

#include "core/link/PortCatalog.h"
#include "core/link/SerialPort.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace orvex {

class StatusPanels;
struct SharedState;

// What came of opening the main window's port: None when it opened; otherwise why not,
// with that reason worded in the language of the moment.
struct PortOpenOutcome {
    OpenFailure failure = OpenFailure::None;
    std::string reason;
};

// What the dialog asks of the main window. Opening shows the main window's own message
// when the port does not open.
struct PortSetupLink {
    std::function<PortOpenOutcome()> openMainPort;
    std::function<void()> restartLink;
};

// Form_setup: chooses COM1 to COM8 as Comm_Port and checks the link again on it. OK keeps
// the dialog open when the chosen port cannot be opened, so that another can be tried;
// Cancel changes nothing. Beside each COM number stands the device the port catalog gives
// it. Captions follow Language_Flag as it is when the dialog is built.
class Form_setup : public QWidget {
    Q_OBJECT

  public:
    Form_setup(SharedState& state, StatusPanels& panels, const ComAssignment& devices,
               PortSetupLink link, QWidget* parent = nullptr);

    void Command_ok_Click();
    void Command1_Click();

  private:
    void buildControls(const ComAssignment& devices);
    void layOutControls();
    void setCaptions();
    void showReason(const PortOpenOutcome& outcome);

    SharedState& state_;
    StatusPanels& panels_;
    PortSetupLink link_;

    QGroupBox* frame1_ = nullptr;
    QButtonGroup* options_ = nullptr;
    std::array<QRadioButton*, 9> option_{};  // index 0 unused
    std::array<QLabel*, 9> deviceLabel_{};   // index 0 unused
    QLabel* reason_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

}  // namespace orvex
