#pragma once

#include "core/channels/ChannelPlan.h"
#include "core/channels/ChannelRecord.h"
#include "windows/editor/EditorWindow.h"

class QLabel;

namespace orvex {

class FlexGrid;
class OverlayDropDown;
class OverlayTextBox;

// The channel editor: one grid row per channel, edited through a text box (frequencies) or
// a drop-down (everything else) laid over the cell, read from and written to the radio,
// saved to and loaded from ".chann" files.
class frm_chann : public EditorWindow, private ChannelGridAccess {
    Q_OBJECT

  public:
    // `mainWindow` is the frame the editor is sized against.
    frm_chann(AppContext& context, QWidget& mainWindow, QWidget* parent = nullptr);

    [[nodiscard]] FlexGrid* grid() const { return MSF_Chann; }

    void Command_clear_Click();

    // The window's activation: the grid follows the channel count.
    void Form_Activate() override;

  protected:
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
    void loadFile() override;
    void saveFile() override;

    void setGridCaptions();

    FlexGrid* MSF_Chann;
    OverlayTextBox* Text_Edit;
    OverlayDropDown* Combo_edit;
    QPushButton* Command_clear;
    QLabel* Label_chann;

    ChannelPlan plan_;

    // The open cell editor: the cell it belongs to, and the drop-down's text to put back
    // when the user types into it.
    bool editorOpen_ = false;
    int editRow_ = 0;
    int editCol_ = 0;
    QString comboText_;
};

}  // namespace orvex
