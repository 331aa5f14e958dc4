#pragma once

#include <QPointer>
#include <QWidget>
#include <memory>

#include "core/channels/ChannelPlan.h"
#include "core/channels/ChannelRecord.h"
#include "core/dialogs/FileNameRule.h"
#include "core/link/FileRequestPoll.h"
#include "core/link/TransferEngine.h"
#include "windows/shell/AppContext.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace orvex {

class FileDialog;
class FlexGrid;
class OverlayDropDown;
class OverlayTextBox;

// The channel editor: one grid row per channel, edited through a text box (frequencies) or
// a drop-down (everything else) laid over the cell, read from and written to the radio,
// saved to and loaded from ".chann" files.
class frm_chann : public QWidget, private ChannelGridAccess, private TransferView {
    Q_OBJECT

  public:
    // `mainWindow` is the frame the editor is sized against.
    frm_chann(AppContext& context, QWidget& mainWindow, QWidget* parent = nullptr);
    ~frm_chann() override;

    [[nodiscard]] FlexGrid* grid() const { return MSF_Chann; }
    [[nodiscard]] const TransferEngine& engine() const { return *engine_; }
    [[nodiscard]] int editorId() const { return editorId_; }

    // Buttons, also reachable by their objectNames.
    void Command_read_Click();
    void Command_Write_Click();
    void Command_clear_Click();
    void Command_save_Click();
    void Command_open_Click();
    void Command_close_Click();

    // The window's activation: the grid follows the channel count.
    void Form_Activate();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    // Grid and cell editors.
    void MSF_Chann_Click();
    void MSF_Chann_LeaveCell();
    void MSF_Chann_Scroll();
    void MSF_Chann_LostFocus();
    void Text_Edit_KeyPress(int charCode);
    void Combo_edit_KeyPress(int charCode);
    void Combo_edit_Change();
    void Combo_edit_GotFocus();

    void openEditor(int row, int col);
    // Commits the open editor's text into (row, col). `byEnter` is the Enter key's variant.
    void commit(int row, int col, bool byEnter);
    void commitReceiveFrequency(int row, bool byEnter);
    void commitTransmitFrequency(int row);
    void closeEditors();
    void moveTo(int row, int col);
    void giveDefaults(int row);
    void emptyRow(int row);
    [[nodiscard]] QString cell(int row, int col) const;
    void setCell(int row, int col, const QString& text);
    [[nodiscard]] int lastRow() const;
    void warn(const Bilingual& text);

    // Transfers and files.
    [[nodiscard]] ChannelRow gridRow(int n) const;
    [[nodiscard]] ChannelRecord encodeGridRow(int n) const;
    void decodeIntoRow(int n, const ChannelRecord& record, DecodeStyle style);
    void encodeRow(int n) override;
    void decodeRow(int n, const std::array<std::uint8_t, 16>& record) override;
    void showProgress(int value) override;
    void setTransferLabel(std::string_view text) override;
    bool refuseWhileBusy(const Bilingual& text);
    void resetProgress();
    void showFileDialog(FileDialogKind kind);
    void closeFileDialogs();
    void loadChannelFile();
    void saveChannelFile();

    void setCaptions();
    void placeWindow();

    AppContext& context_;
    SharedState& state_;
    QWidget& mainWindow_;
    int editorId_;

    FlexGrid* MSF_Chann;
    OverlayTextBox* Text_Edit;
    OverlayDropDown* Combo_edit;
    QPushButton* Command_read;
    QPushButton* Command_Write;
    QPushButton* Command_clear;
    QPushButton* Command_save;
    QPushButton* Command_open;
    QPushButton* Command_close;
    QProgressBar* ProgressBar1;
    QLabel* Label_tr_count;
    QLabel* Label_chann;

    ChannelPlan plan_;
    std::unique_ptr<TransferEngine> engine_;
    std::unique_ptr<FileRequestPoll> poll_;
    QPointer<FileDialog> openDialog_;
    QPointer<FileDialog> saveDialog_;

    // The open cell editor: the cell it belongs to, and the drop-down's text to put back
    // when the user types into it.
    bool editorOpen_ = false;
    int editRow_ = 0;
    int editCol_ = 0;
    QString comboText_;
    bool placed_ = false;
    bool closingByButton_ = false;
};

}  // namespace orvex
