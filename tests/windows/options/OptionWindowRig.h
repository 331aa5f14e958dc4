#pragma once

#include <QApplication>
#include <QCheckBox>
#include <QPointer>
#include <QtTest>
#include <memory>

#include "core/options/OptionLists.h"
#include "support/LinkRig.h"
#include "windows/editor/ListBox.h"
#include "windows/editor/TextBox.h"
#include "windows/options/frm_option.h"

namespace orvex::test {

// An optional-features editor on the virtual clock, with a 136-174 MHz radio on COM1, a
// recording prompt and status bar, sized against a stand-in main window.
struct OptionWindowRig : LinkRig {
    OptionWindowRig() {
        radio.config().bandLowMHz = 136;
        radio.config().bandHighMHz = 174;
        state.Band_Low = 136;
        state.Band_High = 175;
        mainWindow.resize(1600, 1000);
        context =
            std::make_unique<AppContext>(AppContext{state, clock, prompt, panels, ports.factory()});
        open();
    }
    ~OptionWindowRig() {
        if (window) delete window.data();
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->objectName().startsWith("Form_")) delete top;
    }

    void open() {
        window = new frm_option(*context, mainWindow);
        window->show();
        window->activateWindow();
        activated = QTest::qWaitForWindowActive(window);
    }

    template <typename T = QWidget>
    T* control(const QString& name) const {
        return window->findChild<T*>(name);
    }
    ListBox* list(OptionList which) const {
        return control<ListBox>(QString::fromUtf8(OptionListOf(which).control.data(),
                                                  qsizetype(OptionListOf(which).control.size())));
    }
    TextBox* limit(OptionLimit which) const {
        const auto name = OptionLimitControl(which);
        return control<TextBox>(QString::fromUtf8(name.data(), qsizetype(name.size())));
    }
    QCheckBox* flag(OptionFlag which) const {
        const auto name = OptionFlagControl(which);
        return control<QCheckBox>(QString::fromUtf8(name.data(), qsizetype(name.size())));
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
    void runTransfer() {
        clock.runUntil(
            [this] { return !window->engine().isBusy() && !window->engine().retryPending(); },
            Micros(600'000'000));
    }

    QWidget mainWindow;
    std::unique_ptr<AppContext> context;
    QPointer<frm_option> window;
    bool activated = false;
};

}  // namespace orvex::test
