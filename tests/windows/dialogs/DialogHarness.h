#pragma once

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QStringList>
#include <QtTest>

#include "core/shell/SharedState.h"
#include "support/RecordingPrompt.h"
#include "windows/dialogs/FileDialog.h"

namespace orvex::test {

// Opens file dialogs on a fresh shared state with a recording prompt, and reaches their
// controls by their system names.
class DialogHarness {
  public:
    QPointer<FileDialog> open(FileDialogKind kind, int languageFlag = 0) {
        return openFor(editorId, kind, languageFlag);
    }

    QPointer<FileDialog> openFor(int editor, FileDialogKind kind, int languageFlag = 0) {
        state.Language_Flag = static_cast<std::int16_t>(languageFlag);
        QPointer<FileDialog> dialog = new FileDialog(kind, state, prompt, editor);
        dialogs_.append(dialog);
        dialog->show();
        if (!QTest::qWaitForWindowExposed(dialog)) qWarning("dialog window not exposed");
        return dialog;
    }

    // A closed dialog deletes itself; run the pending deletions and look.
    static bool isClosed(const QPointer<FileDialog>& dialog) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return dialog.isNull();
    }

    void closeAll() {
        for (const QPointer<FileDialog>& dialog : std::as_const(dialogs_)) {
            delete dialog.data();
        }
        dialogs_.clear();
    }

    template <typename Control>
    static Control* control(QWidget* dialog, const char* name) {
        auto* found = dialog->findChild<Control*>(QString::fromLatin1(name));
        if (!found) qFatal("control %s missing", name);
        return found;
    }
    static QLineEdit* nameBox(QWidget* d) { return control<QLineEdit>(d, "Text1"); }
    static QListWidget* fileList(QWidget* d) { return control<QListWidget>(d, "File1"); }
    static QListWidget* directoryList(QWidget* d) { return control<QListWidget>(d, "Dir1"); }
    static QComboBox* driveList(QWidget* d) { return control<QComboBox>(d, "Drive1"); }

    static void type(QWidget* dialog, const QString& text) {
        QLineEdit* box = nameBox(dialog);
        box->clear();
        QTest::keyClicks(box, text);
    }
    static void confirm(QWidget* dialog) {
        QTest::mouseClick(control<QPushButton>(dialog, "Command_enter"), Qt::LeftButton);
    }
    static void cancel(QWidget* dialog) {
        QTest::mouseClick(control<QPushButton>(dialog, "Command_close"), Qt::LeftButton);
    }

    static QStringList itemTexts(const QListWidget* list) {
        QStringList texts;
        for (int row = 0; row < list->count(); ++row)
            texts << list->item(row)->text();
        return texts;
    }

    // The directory list entry that stands for `path`, or null.
    static QListWidgetItem* directoryEntry(QWidget* dialog, const QString& path) {
        QListWidget* list = directoryList(dialog);
        for (int row = 0; row < list->count(); ++row) {
            if (list->item(row)->data(Qt::UserRole).toString() == path) return list->item(row);
        }
        return nullptr;
    }
    static QString currentDirectory(QWidget* dialog) {
        const QListWidgetItem* item = directoryList(dialog)->currentItem();
        return item ? item->data(Qt::UserRole).toString() : QString();
    }

    static void click(QListWidget* list, QListWidgetItem* item) {
        list->scrollToItem(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(item).center());
    }
    // As a real double click arrives: a click, then the double-click event.
    static void doubleClick(QListWidget* list, QListWidgetItem* item) {
        list->scrollToItem(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(item).center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                           list->visualItemRect(item).center());
    }

    SharedState state;
    RecordingPrompt prompt;
    const int editorId = state.fileRequests.registerEditor();
    const int otherEditorId = state.fileRequests.registerEditor();

  private:
    QList<QPointer<FileDialog>> dialogs_;
};

}  // namespace orvex::test
