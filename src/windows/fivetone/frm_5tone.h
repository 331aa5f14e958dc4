#pragma once

#include <array>

#include "core/fivetone/FiveToneImage.h"
#include "core/fivetone/FiveTonePlan.h"
#include "windows/editor/EditorWindow.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QTabBar;

namespace orvex {

class FlexGrid;
class ListBox;
class OverlayDropDown;
class OverlayTextBox;

// The five-tone editor: the settings of the fifteen standards with the digit frequencies of
// one of them, fifteen encode codes with their timings, and fifteen decode codes with their
// functions, actions and reset time, on three tabs; read from and written to the radio. The
// reply settings are kept in hidden controls: a read sets them, a write sends them.
class frm_5tone : public EditorWindow {
    Q_OBJECT

  public:
    // `mainWindow` is the frame the editor is sized against.
    frm_5tone(AppContext& context, QWidget& mainWindow, QWidget* parent = nullptr);

    void Command_def_Click();

    // What the controls hold, and showing settings in them (the decode actions included).
    [[nodiscard]] FiveToneSettings settings() const;
    void showSettings(const FiveToneSettings& settings);

    void SetFiveToneDefaults();
    void ShowDecodeActions(int code);
    void StoreDecodeActions();
    [[nodiscard]] int selectedDecodeCode() const { return SelectedDecodeCode; }

  private:
    // A code cell being edited in a text box laid over it.
    struct CodeEdit {
        FlexGrid* grid = nullptr;
        OverlayTextBox* box = nullptr;
        const Bilingual* lengthMessage = nullptr;
        int row = 0;
        int col = 0;
        bool refused = false;  // leaving the cell was refused; the box keeps the cell
    };

    void buildControls();
    void buildStandardFrame();
    void buildEncodeFrame();
    void buildDecodeFrame();
    void layOutControls();

    void TabStrip1_Click(int index);
    void selectDecodeCode(int code);
    void showFrequencies();

    void MSF_Chann_Click();
    void MSF_Chann_LeaveCell();
    void MSF_Encode_Click();
    void MSF_Encode_LeaveCell();
    void MSF_Encode_DblClick();
    void MSF_Decode_Click();
    void MSF_Decode_LeaveCell();
    void MSF_Decode_DblClick();

    // The code box's checks after every change of its text.
    void codeTextChanged(const CodeEdit& edit);
    void openCodeEditor(CodeEdit& edit);
    // False when the cell may not be left (after the length message).
    bool commitCodeEditor(CodeEdit& edit);
    // After a refused leave the cell under the box is current again.
    bool keepRefusedCell(CodeEdit& edit);
    void closeCodeEditor(CodeEdit& edit);
    void openList(FlexGrid* grid, OverlayDropDown* list, const std::vector<std::string>& items,
                  bool preselectFirst);
    void keepListReadOnly(OverlayDropDown* list);
    void hideCellEditors();

    void prepareWrite() override;

    QTabBar* TabStrip1;
    QGroupBox* Frame_std;
    QGroupBox* Frame_encode;
    QGroupBox* Frame_decode;
    QGroupBox* Frame_Dec_xx;

    FlexGrid* MSF_Chann;
    OverlayDropDown* Combo_edit;
    ListBox* Combo_stxh;
    std::array<QLabel*, kFiveToneDigits> Label_freq{};
    std::array<QLabel*, kFiveToneDigits> Label_code{};

    FlexGrid* MSF_Encode;
    OverlayTextBox* Text_Encode;
    OverlayDropDown* Combo_Encode;
    std::array<ListBox*, 4> encodeTimings_{};

    FlexGrid* MSF_Decode;
    OverlayTextBox* Text_Decode;
    OverlayDropDown* Combo_Decode;
    std::array<QCheckBox*, kCodeFrames> Check_Disp{};
    std::array<QCheckBox*, kCodeFrames> Check_Led{};
    std::array<QCheckBox*, kCodeFrames> Check_Kz{};
    std::array<QCheckBox*, kCodeFrames> Check_Ts{};
    std::array<std::array<QCheckBox*, kCodeFrames>, kCodeDigits> Check_zh{};
    ListBox* Combo_Dec_Res_Time;

    QCheckBox* Check_Dec_back;
    QCheckBox* Check_Dec_Bcl;
    ListBox* Combo_Dec_Back_Time;

    QPushButton* Command_def;

    CodeEdit encodeEdit_;
    CodeEdit decodeEdit_;
    // What a cell list showed when it was opened or an item was chosen; typing puts it back.
    QString savedListText_;
    std::array<DecodeActionValues, kFiveToneCodes> DecodeActions{};
    int SelectedDecodeCode = 0;
    bool showingActions_ = false;

    FiveTonePlan plan_;
};

}  // namespace orvex
