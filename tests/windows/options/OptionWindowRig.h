#pragma once

#include <QCheckBox>

#include "core/options/OptionLists.h"
#include "windows/editor/EditorWindowRig.h"
#include "windows/editor/ListBox.h"
#include "windows/editor/TextBox.h"
#include "windows/options/frm_option.h"
#include "windows/shell/QtText.h"

namespace orvex::test {

// An optional-features editor on the virtual clock, with a 136-174 MHz radio on COM1.
struct OptionWindowRig : EditorWindowRig<frm_option> {
    OptionWindowRig() { open(); }

    ListBox* list(OptionList which) const {
        return control<ListBox>(qt(OptionListOf(which).control));
    }
    TextBox* limit(OptionLimit which) const {
        return control<TextBox>(qt(OptionLimitControl(which)));
    }
    QCheckBox* flag(OptionFlag which) const {
        return control<QCheckBox>(qt(OptionFlagControl(which)));
    }
    QStringList limits() const {
        return {limit(OptionLimit::RxLower)->text(), limit(OptionLimit::RxUpper)->text(),
                limit(OptionLimit::TxLower)->text(), limit(OptionLimit::TxUpper)->text()};
    }
    void setLimits(const QStringList& texts) {
        for (int i = 0; i < kOptionLimitCount; ++i)
            limit(OptionLimit(i))->setText(texts[i]);
    }
    // Puts the focus into `from` and then moves it to `to`, as a click on `to` would.
    void moveFocus(QWidget* from, QWidget* to) {
        from->setFocus(Qt::MouseFocusReason);
        to->setFocus(Qt::MouseFocusReason);
    }
};

}  // namespace orvex::test
