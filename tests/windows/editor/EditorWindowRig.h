#pragma once

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "support/LinkRig.h"
#include "windows/grid/FlexGrid.h"
#include "windows/shell/AppContext.h"

namespace orvex::test {

// An editor window on the virtual clock, with a 136-174 MHz radio on COM1, a recording
// prompt and status bar, sized against a stand-in main window. The editor is built by
// open(), so that a test can set the shared state first.
template <typename Editor>
struct EditorWindowRig : LinkRig {
    EditorWindowRig() {
        radio.config().bandLowMHz = 136;
        radio.config().bandHighMHz = 174;
        state.Band_Low = 136;
        state.Band_High = 175;
        mainWindow.resize(1600, 1000);
        context =
            std::make_unique<AppContext>(AppContext{state, clock, prompt, panels, ports.factory()});
    }
    ~EditorWindowRig() {
        if (window) delete window.data();
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->objectName().startsWith("Form_")) delete top;
    }

    void open() {
        window = new Editor(*context, mainWindow);
        window->show();
        window->activateWindow();
        activated = QTest::qWaitForWindowActive(window);
    }

    template <typename T = QWidget>
    T* control(const QString& name) const {
        return window->template findChild<T*>(name);
    }

    // Runs the virtual clock until the editor's transfer and any retry are over.
    void runTransfer() {
        clock.runUntil(
            [this] { return !window->engine().isBusy() && !window->engine().retryPending(); },
            Micros(600'000'000));
    }

    QWidget mainWindow;
    std::unique_ptr<AppContext> context;
    QPointer<Editor> window;
    bool activated = false;
};

// A mouse click on cell (row, col) of a grid, scrolled into view first.
inline void ClickCell(FlexGrid* grid, int row, int col) {
    QTableView* view = grid->view();
    const QModelIndex index = view->model()->index(row - 1, col - 1);
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
}

// The visible file dialog named `name`, if any.
inline QWidget* VisibleDialog(const char* name) {
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == name && top->isVisible()) return top;
    return nullptr;
}

// A scratch folder that is the working directory while it lives, where the file dialogs
// read and write.
class WorkingFolder {
  public:
    WorkingFolder() : previous_(QDir::currentPath()) { QDir::setCurrent(folder_.path()); }
    ~WorkingFolder() { QDir::setCurrent(previous_); }

    [[nodiscard]] QString path(const QString& name) const { return folder_.filePath(name); }
    [[nodiscard]] QString path() const { return folder_.path(); }
    void write(const QString& name, const QByteArray& bytes) const {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    [[nodiscard]] QByteArray read(const QString& name) const {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

  private:
    QString previous_;
    QTemporaryDir folder_;
};

// Presses `button` (Open or Save), names `file` in the dialog it shows and confirms it.
inline void ConfirmInDialog(QPushButton* button, const char* dialogName, const QString& file) {
    button->click();
    QWidget* dialog = VisibleDialog(dialogName);
    QVERIFY(dialog);
    dialog->findChild<QLineEdit*>("Text1")->setText(file);
    dialog->findChild<QPushButton*>("Command_enter")->click();
}

}  // namespace orvex::test
