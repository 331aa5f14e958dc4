#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>
#include <optional>

#include "core/link/IdentificationPlan.h"
#include "core/link/PortCatalog.h"
#include "core/link/TransferEngine.h"
#include "windows/shell/AppContext.h"
#include "windows/shell/Form_setup.h"
#include "windows/shell/SystemInfoTool.h"

class QAction;
class QMdiArea;
class QMenu;

namespace orvex {

class StatusBar;

// The main window: a multiple-document frame for the editors, the menu bar, the 11-panel
// status bar, the start-up sequence, the language switch and the identification run that
// enables the editor menus once a radio has answered.
class MDImain : public QMainWindow {
    Q_OBJECT

  public:
    // `screenSize` gives the screen's size in pixels (a test sets it). `devices` tells the
    // port dialog which device stands for each COM number; `sysInfo` finds and starts the
    // About box's system-information tool (this machine's when not set).
    MDImain(SharedState& state, Clock& clock, Prompt& prompt, SerialPortFactory makePort,
            std::function<QSize()> screenSize = {}, ComAssignment devices = {},
            SystemInfoLauncher sysInfo = {});
    ~MDImain() override;

    // The load handler: the start-up sequence, which ends by starting the identification.
    void startUp();

    // A fresh identification run with three retries on the main window's own port.
    void RestartLink();

    void LanguageChinese();
    void LanguageEnglish();
    void Exit();

    [[nodiscard]] AppContext& context() { return context_; }
    [[nodiscard]] StatusBar* statusPanels() const { return statusBar1_; }
    [[nodiscard]] QMdiArea* mdiArea() const { return mdiArea_; }
    [[nodiscard]] QAction* action(const QString& name) const;
    [[nodiscard]] const TransferEngine& link() const { return *link_; }

    // The open child window named `name`, if any.
    [[nodiscard]] QWidget* childWindow(const QString& name) const;

    void openChannelEditor();
    void openOptionEditor();
    void openDtmfEditor();
    void openFmEditor();
    void openTwoToneEditor();
    void openFiveToneEditor();
    void openPortSetup();
    void openAbout();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildMenus();
    QAction* addEntry(QWidget* menu, const char* name);
    void applyCaptions(bool followSwitchOnly);
    void enableEditorMenus();
    void closeChildWindow(const QString& name);
    // Opens `name` unless it is open already (then it is left as it is).
    void openChild(const QString& name, const std::function<QWidget*()>& create);
    // Places a small dialog 500 twips above the centre of the client area, at its own size
    // or at `frameSize`.
    void showDialog(QWidget* dialog, std::optional<QSize> frameSize = std::nullopt);
    // The port dialog's OK: opens the main window's port on the chosen COM number.
    PortOpenOutcome openPortForSetup();

    StatusBar* statusBar1_;
    QMdiArea* mdiArea_;
    AppContext context_;
    std::function<QSize()> screenSize_;
    IdentificationPlan identificationPlan_;
    std::unique_ptr<TransferEngine> link_;
    SerialPort* linkPort_ = nullptr;  // the main window's port, owned by link_
    ComAssignment devices_;
    SystemInfoLauncher sysInfo_;
    QMenu* sigMenu_ = nullptr;
    QMenu* languageMenu_ = nullptr;
    bool exiting_ = false;
};

}  // namespace orvex
