#pragma once

#include <array>

#include "core/dtmf/DtmfBlock.h"
#include "core/dtmf/DtmfPlan.h"
#include "windows/editor/EditorWindow.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace orvex {

class FlexGrid;
class ListBox;
class OverlayTextBox;
class TextBox;

// The DTMF editor: the eight code groups the radio sends, its ANI and alarm codes, when the
// ANI goes out, and the DTMF timing; read from and written to the radio. The decode codes,
// control IDs, rights and inhibit flags of the same block are kept in hidden controls and
// written with their defaults.
class frm_dtmf : public EditorWindow {
    Q_OBJECT

  public:
    // `mainWindow` is the frame the editor is sized against.
    frm_dtmf(AppContext& context, QWidget& mainWindow, QWidget* parent = nullptr);

    [[nodiscard]] FlexGrid* grid() const { return MSF_Encode; }

    void Command_def_Click();

    // What the controls hold, and showing settings in them.
    [[nodiscard]] DtmfSettings settings() const;
    void showSettings(const DtmfSettings& settings);

  private:
    void buildControls();
    void layOutControls();

    void MSF_Encode_Click();
    void MSF_Encode_LeaveCell();
    void hideCellEditor();
    // The code check after every change of a code box or the cell editor, and as a code box
    // loses the focus.
    void codeChanged(QLineEdit* box);
    void codeLostFocus(QLineEdit* box);
    // False (after the message) when `box` fails the check; the box is then emptied and takes
    // the focus back.
    bool passesCheck(QLineEdit* box);

    void prepareWrite() override;

    FlexGrid* MSF_Encode;
    OverlayTextBox* Text_Encode;
    std::array<TextBox*, kDtmfCodeCount> codes_{};
    QCheckBox* Check_Ptt_P;
    QCheckBox* Check_Ptt_S;
    QCheckBox* Check_Ctrl_En;
    std::array<QCheckBox*, kDtmfRights> Check_M{};
    std::array<QCheckBox*, kDtmfRights> Check_S{};
    QCheckBox* Check_RX;
    QCheckBox* Check_TX;
    ListBox* Combo_Enc_ys1;
    ListBox* Combo_Enc_ys2;
    QComboBox* Combo_Enc_qh;
    QPushButton* Command_def;

    DtmfPlan plan_;
};

}  // namespace orvex
