#pragma once

#include <QWidget>

#include "windows/shell/SystemInfoTool.h"

class QLabel;
class QPushButton;

namespace orvex {

class Prompt;
struct SharedState;

// frmAbout: the program's title, rights notice with its version, description and legal
// warning, taken from the language texts as they are when the box is loaded, and a button
// that starts the platform's system-information tool. The box stays open whether or not a
// tool starts.
class frmAbout : public QWidget {
    Q_OBJECT

  public:
    frmAbout(SharedState& state, Prompt& prompt, SystemInfoLauncher launcher,
             QWidget* parent = nullptr);

    void cmdOk_Click();
    void cmdSysInfo_Click();

  private:
    void buildControls();
    void layOutControls();
    void setTexts();

    SharedState& state_;
    Prompt& prompt_;
    SystemInfoLauncher launcher_;

    QLabel* picIcon_ = nullptr;
    QLabel* lblTitle_ = nullptr;
    QLabel* lblVersion_ = nullptr;
    QLabel* lblDescription_ = nullptr;
    QLabel* lblDisclaimer_ = nullptr;
    QPushButton* cmdOk_ = nullptr;
    QPushButton* cmdSysInfo_ = nullptr;
};

}  // namespace orvex
