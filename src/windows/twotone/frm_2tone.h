#pragma once

#include <array>

#include "core/twotone/TwoToneImage.h"
#include "core/twotone/TwoTonePlan.h"
#include "windows/editor/EditorWindow.h"

class QGroupBox;
class QTabBar;

namespace orvex {

class FlexGrid;
class ListBox;
class OverlayDropDown;
class OverlayTextBox;
class TextBox;

// The two-tone editor: on tab 1 the fifteen encode codes (two tones each) with the three
// durations they share, on tab 2 the fifteen decode codes (four slots each, a pair of the
// code's tones A to D, a response and an alert) with the tone set of the chosen code and the
// decode reset time; read from and written to the radio, and Default.
class frm_2tone : public EditorWindow {
    Q_OBJECT

  public:
    // `mainWindow` is the frame the editor is sized against.
    frm_2tone(AppContext& context, QWidget& mainWindow, QWidget* parent = nullptr);

    [[nodiscard]] FlexGrid* encodeGrid() const { return MSF_Encode; }
    [[nodiscard]] FlexGrid* decodeGrid() const { return MSF_Decode; }

    void Command_def_Click();

    // What the controls hold (the tone sets as the working copy keeps them), and showing
    // settings in them; the decode code shown in the tone boxes does not change.
    [[nodiscard]] TwoToneSettings settings() const;
    void showSettings(const TwoToneSettings& settings);

    // SelectedDecodeCode: 0 to 14, the decode code whose tones the four boxes show.
    [[nodiscard]] int selectedDecodeCode() const { return selectedDecodeCode_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void buildControls();
    void layOutControls();
    void layOutTabArea();
    [[nodiscard]] const ReplyNames& replyNames() const;

    void TabStrip1_Click(int index);

    void MSF_Encode_Click();
    void MSF_Encode_LeaveCell();
    void MSF_Encode_DblClick();

    void MSF_Decode_Click();
    void MSF_Decode_LeaveCell();
    void MSF_Decode_DblClick();
    void Combo_Decode_Change();
    void rememberComboText();

    void toneBoxLostFocus(TextBox* box);
    // A tone box that has the focus gives it up (to the decode grid) and so has its tone
    // checked and stored for the code it was typed for.
    void leaveToneBox();
    // The decode code k becomes the selected one: its tones in the boxes, its number in the
    // caption of Frame_Dec_xx.
    void selectDecodeCode(int k);
    void storeToneSet();
    void showToneSet(int k);
    void hideCellEditors();
    void SetTwoToneDefaults();

    void prepareWrite() override;

    QWidget* tabArea_;
    QTabBar* TabStrip1;
    QGroupBox* Frame_encode;
    QGroupBox* Frame_Decode;
    QGroupBox* Frame_Dec_xx;
    FlexGrid* MSF_Encode;
    OverlayTextBox* Text_Encode;
    FlexGrid* MSF_Decode;
    OverlayDropDown* Combo_Decode;
    std::array<TextBox*, kToneSetTones> tones_{};  // Text_A to Text_D
    ListBox* Combo_Enc_ys1;
    ListBox* Combo_Enc_ys2;
    ListBox* Combo_enc_ys3;
    ListBox* Combo_Dec_Res_Time;
    QPushButton* Command_def;

    ToneSets toneSets_{};
    int selectedDecodeCode_ = 0;
    QString comboText_;  // what Combo_Decode showed when it got the focus or an item was chosen
    TwoTonePlan plan_;
};

}  // namespace orvex
