#pragma once

#include <array>

#include "core/fm/FmArea.h"
#include "core/fm/FmBandBoxCheck.h"
#include "core/fm/FmPlan.h"
#include "windows/editor/EditorWindow.h"

class QLabel;
class QLineEdit;

namespace orvex {

class FlexGrid;
class OverlayDropDown;
class OverlayTextBox;
class TextBox;

// The FM radio presets editor: sixteen broadcast presets (frequency and station name) in a
// grid, and the radio's A and B band ranges, which the radio keeps in the same area; read
// from and written to the radio, saved to and loaded from preset files through the channel
// file dialogs.
class frm_FM : public EditorWindow {
    Q_OBJECT

  public:
    // `mainWindow` is the frame the editor is sized against.
    frm_FM(AppContext& context, QWidget& mainWindow, QWidget* parent = nullptr);

    [[nodiscard]] FlexGrid* grid() const { return MSF_Chann; }

    void Command_clear_Click();

    // What the grid and the band boxes hold, and showing settings in them.
    [[nodiscard]] FmSettings settings() const;
    void showSettings(const FmSettings& settings);

    // Encodes grid row n (1-16) into the write image, with the band record, and shows the
    // row's bytes in Label_chann.
    void EncodeFmRow(int n);

    void Form_Activate() override;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void buildControls();
    void layOutControls();

    void MSF_Chann_Click();
    void MSF_Chann_LeaveCell();
    void MSF_Chann_Scroll();
    void MSF_Chann_LostFocus();
    void commitFrequency(int row);
    void commitName(int row);
    void hideCellEditor();

    // The band boxes: `box` is one of Text_pvfo1_A ... Text_pvfo2_B.
    void bandBoxChanged(FmBandBox box);
    void bandBoxLostFocus(FmBandBox box);
    [[nodiscard]] TextBox* bandBox(FmBandBox box) const;

    void DecodeFmReplies(const std::vector<ReadReply>& replies);
    void prepareWrite() override;
    void loadFile() override;
    void saveFile() override;

    FlexGrid* MSF_Chann;
    OverlayTextBox* Text_Edit;
    OverlayDropDown* Combo_edit;
    QLineEdit* Text_pvfo1_FM;
    QLineEdit* Text_pvfo2_FM;
    std::array<TextBox*, kFmBandBoxCount> bandBoxes_{};
    QPushButton* Command_clear;
    QLabel* Label_chann;

    FmPlan plan_;
    // What the last read (or loaded file) brought for the band record's unused bytes.
    FmBandSpare bandSpare_{0xFF, 0xFF, 0xFF, 0xFF};
    // The cell the open editor belongs to.
    bool editorOpen_ = false;
    int editRow_ = 0;
    int editCol_ = 0;
};

}  // namespace orvex
