#pragma once

#include <QPointer>
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

#include "core/dialogs/FileNameRule.h"
#include "core/link/FileRequestPoll.h"
#include "core/link/TransferEngine.h"
#include "windows/shell/AppContext.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace orvex {

class FileDialog;

// What sets one editor window's frame apart from the others.
struct EditorFrameProfile {
    struct ButtonCaptions {
        Bilingual read;
        Bilingual write;
        Bilingual open;
        Bilingual save;
        Bilingual close;
    };

    const char* name;  // the window's objectName
    Bilingual caption;
    const char* writeButtonName;  // "Command_Write" in most editors
    // The window is the main window's size divided by these, centred in its client area.
    double widthDivisor;
    double heightDivisor;
    ButtonCaptions buttons;
    EngineSettings engine;   // its message title is also the busy refusals' title
    Bilingual closeRefusal;  // what the Close button says while a transfer runs
    // The dialogs that Open and Save show; without one the button only refuses while busy.
    std::optional<FileDialogKind> openDialog;
    std::optional<FileDialogKind> saveDialog;
    // Dialogs of these kinds that the Close button also closes, whichever editor showed them.
    std::vector<FileDialogKind> closesDialogsOf = {};
    // A file request confirmed while a transfer runs waits until the transfer has ended.
    bool filesWaitForTransfers = false;
};

// The frame every editor window stands on: its transfer engine with the progress bar and
// Label_tr_count as the engine's view, the Read, Write, Open, Save and Close buttons with
// their busy refusals, the Close rules, the file dialogs and the Timer4 file poll, and the
// window's size and place. An editor adds its controls, its texts, its plan and its codec:
// it builds its plan, calls installEngine(), lays out its controls together with the
// frame's, and overrides the hooks it needs.
//
// Captions are fixed when the window is built, from the language of that moment; messages
// follow the language at the moment they appear.
class EditorWindow : public QWidget, private TransferView {
    Q_OBJECT

  public:
    ~EditorWindow() override;

    [[nodiscard]] const TransferEngine& engine() const { return *engine_; }
    [[nodiscard]] int editorId() const { return editorId_; }

    void Command_read_Click();
    void Command_Write_Click();
    void Command_open_Click();
    void Command_save_Click();
    void Command_close_Click();

  protected:
    // `mainWindow` is the frame the editor is sized against.
    EditorWindow(AppContext& context, QWidget& mainWindow, const EditorFrameProfile& profile,
                 QWidget* parent);

    // The engine that moves the editor's plan; called once, by the editor's constructor.
    void installEngine(BlockPlan& plan);

    // A further button of the editor, captioned in the language of the moment.
    QPushButton* addButton(const char* name, const Bilingual& caption);
    // A text in the language of the moment, for captions.
    [[nodiscard]] QString caption(const Bilingual& text) const;

    // A warning box in the language of the moment.
    void warn(const Bilingual& title, const Bilingual& text, std::string_view detail = {});
    // While a transfer runs: `text` with the engine's message title, and true.
    bool refuseWhileBusy(const Bilingual& text);
    // Progress bar at 0 and hidden, label empty.
    void resetProgress();
    void closeFileDialogs();

    // Gives the focus back to `box` after a failed check. The box that was about to take
    // the focus loses it again on the way; isReturningFocus() is true meanwhile, so that
    // its own check does not run.
    void returnFocus(QWidget* box);
    [[nodiscard]] bool isReturningFocus() const { return returningFocus_; }

    // Hooks.
    virtual void prepareWrite() {}   // Write, after the busy test, before the transfer
    virtual void loadFile() {}       // the load request of this editor's open dialog
    virtual void saveFile() {}       // the save request of this editor's save dialog
    virtual void Form_Activate() {}  // the window became the active child window

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

    AppContext& context_;
    SharedState& state_;

    QPushButton* Command_read;
    QPushButton* Command_Write;
    QPushButton* Command_open;
    QPushButton* Command_save;
    QPushButton* Command_close;
    QProgressBar* ProgressBar1;
    QLabel* Label_tr_count;

  private:
    void showProgress(int value) override;
    void setTransferLabel(std::string_view text) override;
    [[nodiscard]] bool transferRuns() const;
    void showFileDialog(FileDialogKind kind);
    void placeWindow();

    QWidget& mainWindow_;
    const EditorFrameProfile& profile_;
    int editorId_;
    std::unique_ptr<TransferEngine> engine_;
    std::unique_ptr<FileRequestPoll> poll_;
    QPointer<FileDialog> openDialog_;
    QPointer<FileDialog> saveDialog_;
    bool placed_ = false;
    bool closingByButton_ = false;
    bool returningFocus_ = false;
};

}  // namespace orvex
