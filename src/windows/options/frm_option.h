#pragma once

#include <array>

#include "core/options/OptionImage.h"
#include "core/options/OptionPlan.h"
#include "windows/editor/EditorWindow.h"

class QCheckBox;

namespace orvex {

class ListBox;
class TextBox;

// The optional-features editor: the radio's menu settings as drop-down lists and check
// boxes, its receive and transmit frequency limits as text boxes checked when they lose the
// focus; read from and written to the radio, saved to and loaded from ".menu" files.
class frm_option : public EditorWindow {
    Q_OBJECT

  public:
    // `mainWindow` is the frame the editor is sized against.
    frm_option(AppContext& context, QWidget& mainWindow, QWidget* parent = nullptr);

    void Command_def_Click();

    // Refills every list in the language of the moment and shows the default settings.
    void SetOptionDefaults();

    // What the controls show, and showing settings in them.
    [[nodiscard]] OptionSettings settings() const;
    void showSettings(const OptionSettings& settings);

  private:
    void buildControls();
    void layOutControls();
    // CheckRxLowerLimit, CheckRxUpperLimit, CheckTxLowerLimit and CheckTxUpperLimit.
    void Text_pvfo_LostFocus(OptionLimit box);
    [[nodiscard]] OptionImage encodedImage() const;

    void prepareWrite() override;
    void loadFile() override;
    void saveFile() override;

    std::array<ListBox*, kOptionListCount> lists_{};
    std::array<QCheckBox*, kOptionFlagCount> flags_{};
    std::array<TextBox*, kOptionLimitCount> limits_{};
    QPushButton* Command_def;

    OptionPlan plan_;
};

}  // namespace orvex
