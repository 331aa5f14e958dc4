#pragma once

#include <QWidget>

#include "core/dialogs/FileNameRule.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidgetItem;
class QPushButton;

namespace orvex {

class DirectoryList;
class FileList;
struct FileDialogProfile;
struct SharedState;
class Prompt;

// Form_open_menu, Form_save_menu, Form_open_chann and Form_save_chann: choose or name a
// parameter file. A confirmed name becomes the process-wide file path and raises a load or
// save request for the editor `editorId`, which serves it on its next file poll; the
// dialog calls nothing in the editor. The drive and directory lists only change what the
// file list shows: the stored path is the bare name, a file in the working directory.
//
// Captions follow Language_Flag as it is when the dialog is built; messages follow it as
// it is when they are shown. Closing deletes the dialog, so the next Open or Save builds a
// fresh one.
class FileDialog : public QWidget {
    Q_OBJECT

  public:
    FileDialog(FileDialogKind kind, SharedState& state, Prompt& prompt, int editorId,
               QWidget* parent = nullptr);

    [[nodiscard]] FileDialogKind kind() const { return kind_; }
    [[nodiscard]] int editorId() const { return editorId_; }

  private:
    void buildControls();
    void layOutControls();
    void setCaptions();
    void fillDrives();

    void Drive1_Change(int index);
    void Dir1_Change(const QString& path);
    void File1_Click(QListWidgetItem* item);
    void Command_enter_Click();
    void Command_close_Click();

    FileDialogKind kind_;
    const FileDialogProfile& profile_;
    SharedState& state_;
    Prompt& prompt_;
    int editorId_;

    QLabel* driveLabel_ = nullptr;
    QComboBox* drives_ = nullptr;
    DirectoryList* directories_ = nullptr;
    FileList* files_ = nullptr;
    QLabel* nameLabel_ = nullptr;
    QLineEdit* name_ = nullptr;
    QPushButton* confirm_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

}  // namespace orvex
