#include <memory>

#include "DialogHarness.h"

using namespace orvex;
using orvex::test::DialogHarness;

Q_DECLARE_METATYPE(orvex::FileDialogKind)
Q_DECLARE_METATYPE(orvex::FileRequest)

namespace {

constexpr int kEnglish = 0;
constexpr int kChinese = -1;

FileRequest OtherRequest(FileRequest request) {
    return request == FileRequest::Load ? FileRequest::Save : FileRequest::Load;
}

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

// Captions, name checks, messages and the requests a confirmed name raises.
class FileDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { h = std::make_unique<DialogHarness>(); }
    void cleanup() {
        h->closeAll();
        h.reset();
    }

    void captions_data() {
        QTest::addColumn<FileDialogKind>("kind");
        QTest::addColumn<int>("flag");
        QTest::addColumn<QString>("systemName");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("driveLabel");
        QTest::addColumn<QString>("nameLabel");
        QTest::addColumn<QString>("confirm");
        QTest::addColumn<QString>("cancel");
        QTest::addColumn<QString>("pattern");

        const auto row = [](const char* name, FileDialogKind kind, int flag) -> QTestData& {
            return QTest::newRow(name) << kind << flag;
        };
        row("open menu, english", FileDialogKind::OpenMenu, kEnglish) << "Form_open_menu"
                                                                      << "Open Optional File"
                                                                      << "Drive:"
                                                                      << "Open File:"
                                                                      << "Confirm"
                                                                      << "Cancel"
                                                                      << "*.menu";
        row("open menu, chinese", FileDialogKind::OpenMenu, kChinese) << "Form_open_menu"
                                                                      << "打开可选参数文件"
                                                                      << "驱动器："
                                                                      << "打开文件名："
                                                                      << "确  定"
                                                                      << "取  消"
                                                                      << "*.menu";
        row("save menu, english", FileDialogKind::SaveMenu, kEnglish) << "Form_save_menu"
                                                                      << "Save Optional File "
                                                                      << "Drive:"
                                                                      << "Save File:"
                                                                      << "Confirm"
                                                                      << "Cancel"
                                                                      << "*.menu";
        row("save menu, chinese", FileDialogKind::SaveMenu, kChinese) << "Form_save_menu"
                                                                      << "保存可选参数文件"
                                                                      << "驱动器："
                                                                      << "保存文件名："
                                                                      << "确  定"
                                                                      << "取  消"
                                                                      << "*.menu";
        row("open chann, english", FileDialogKind::OpenChann, kEnglish) << "Form_open_chann"
                                                                        << "Open Channcle File"
                                                                        << "Drive:"
                                                                        << "Open File:"
                                                                        << "Confirm"
                                                                        << "Cancel"
                                                                        << "*.chann";
        row("open chann, chinese", FileDialogKind::OpenChann, kChinese) << "Form_open_chann"
                                                                        << "打开信道参数文件"
                                                                        << "驱动器："
                                                                        << "打开文件名："
                                                                        << "确  定"
                                                                        << "取  消"
                                                                        << "*.chann";
        row("save chann, english", FileDialogKind::SaveChann, kEnglish) << "Form_save_chann"
                                                                        << "Save Channel File"
                                                                        << "Drive:"
                                                                        << "Save File:"
                                                                        << "Confirm"
                                                                        << "Cancel"
                                                                        << "*.chann";
        row("save chann, chinese", FileDialogKind::SaveChann, kChinese) << "Form_save_chann"
                                                                        << "保存信道参数文件"
                                                                        << "驱动器："
                                                                        << "保存文件名："
                                                                        << "确  定"
                                                                        << "取  消"
                                                                        << "*.chann";
    }
    void captions() {
        QFETCH(FileDialogKind, kind);
        QFETCH(int, flag);
        QFETCH(QString, systemName);
        QFETCH(QString, caption);
        QFETCH(QString, driveLabel);
        QFETCH(QString, nameLabel);
        QFETCH(QString, confirm);
        QFETCH(QString, cancel);
        QFETCH(QString, pattern);

        const QPointer<FileDialog> dialog = h->open(kind, flag);
        QCOMPARE(dialog->objectName(), systemName);
        QCOMPARE(dialog->windowTitle(), caption);
        QCOMPARE(DialogHarness::control<QLabel>(dialog, "Label_drive")->text(), driveLabel);
        QCOMPARE(DialogHarness::control<QLabel>(dialog, "Label_name")->text(), nameLabel);
        QCOMPARE(DialogHarness::control<QPushButton>(dialog, "Command_enter")->text(), confirm);
        QCOMPARE(DialogHarness::control<QPushButton>(dialog, "Command_close")->text(), cancel);
        QCOMPARE(DialogHarness::nameBox(dialog)->text(), pattern);
    }

    // Refused names: the dialog's message, and nothing else changes.
    void refusedName_data() {
        QTest::addColumn<FileDialogKind>("kind");
        QTest::addColumn<int>("flag");
        QTest::addColumn<QString>("typed");  // empty: confirm the initial text
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("message");

        QTest::newRow("initial text, open chann")
            << FileDialogKind::OpenChann << kEnglish << ""
            << "Operate prompt"
            << "Open the file name of channel parameter is nullity ";
        QTest::newRow("initial text, save chann") << FileDialogKind::SaveChann << kChinese << ""
                                                  << "操作提示"
                                                  << "保存信道参数所需要的文件名无效 ";
        QTest::newRow("initial text, open menu") << FileDialogKind::OpenMenu << kChinese << ""
                                                 << "操作提示"
                                                 << "打开系统参数文件名无效 ";
        QTest::newRow("initial text, save menu")
            << FileDialogKind::SaveMenu << kEnglish << ""
            << "Operate prompt"
            << "Store the file name of system parameter need is nullity.";
        QTest::newRow("drive and directory")
            << FileDialogKind::OpenChann << kEnglish << "d:\\radio.chann"
            << "Operate prompt"
            << "Open the file name of channel parameter is nullity ";
        QTest::newRow("mixed case suffix") << FileDialogKind::OpenChann << kEnglish << "radio.Chann"
                                           << "Operate prompt"
                                           << "Nullity file suffix name of channel parameter.";
        QTest::newRow("one letter") << FileDialogKind::OpenChann << kChinese << "x"
                                    << "操作提示"
                                    << "无效的信道参数文件后缀名！";
        QTest::newRow("menu name when saving channels")
            << FileDialogKind::SaveChann << kEnglish << "radio.menu"
            << "Operate prompt"
            << "Advice don't modify file suffix name of system default ！";
        QTest::newRow("channel name when opening settings")
            << FileDialogKind::OpenMenu << kEnglish << "radio.chann"
            << "Operate prompt"
            << "Nullity file suffix name of system parameter.";
        QTest::newRow("channel name when saving settings")
            << FileDialogKind::SaveMenu << kChinese << "radio.chann"
            << "操作提示"
            << "建议不要修改系统默认的文件后缀名！";
    }
    void refusedName() {
        QFETCH(FileDialogKind, kind);
        QFETCH(int, flag);
        QFETCH(QString, typed);
        QFETCH(QString, title);
        QFETCH(QString, message);

        h->state.fileRequests.raise(FileRequest::Load, h->otherEditorId, "earlier.chann");
        const QPointer<FileDialog> dialog = h->open(kind, flag);
        if (!typed.isEmpty()) DialogHarness::type(dialog, typed);
        const QString shown = DialogHarness::nameBox(dialog)->text();

        DialogHarness::confirm(dialog);

        QCOMPARE(h->prompt.messages.size(), size_t{1});
        QCOMPARE(Q(h->prompt.messages[0].title), title);
        QCOMPARE(Q(h->prompt.messages[0].text), message);
        QVERIFY(!h->prompt.messages[0].plain);
        QVERIFY(!DialogHarness::isClosed(dialog));
        QVERIFY(dialog->isVisible());
        QCOMPARE(DialogHarness::nameBox(dialog)->text(), shown);
        QCOMPARE(Q(h->state.fileRequests.filePath()), QString("earlier.chann"));
        QVERIFY(!h->state.fileRequests.isPending(FileRequest::Load, h->editorId));
        QVERIFY(!h->state.fileRequests.isPending(FileRequest::Save, h->editorId));
    }

    void acceptedName_data() {
        QTest::addColumn<FileDialogKind>("kind");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("path");
        QTest::addColumn<FileRequest>("request");
        QTest::newRow("open chann, blanks around")
            << FileDialogKind::OpenChann << "  radio.chann   "
            << "radio.chann" << FileRequest::Load;
        QTest::newRow("save chann, upper case") << FileDialogKind::SaveChann << "RADIO.CHANN"
                                                << "RADIO.CHANN" << FileRequest::Save;
        QTest::newRow("open menu") << FileDialogKind::OpenMenu << "my set.menu"
                                   << "my set.menu" << FileRequest::Load;
        QTest::newRow("save menu, suffix alone") << FileDialogKind::SaveMenu << ".MENU"
                                                 << ".MENU" << FileRequest::Save;
        QTest::newRow("file that does not exist")
            << FileDialogKind::OpenChann << "nowhere-to-be-found.chann"
            << "nowhere-to-be-found.chann" << FileRequest::Load;
    }
    void acceptedName() {
        QFETCH(FileDialogKind, kind);
        QFETCH(QString, typed);
        QFETCH(QString, path);
        QFETCH(FileRequest, request);

        const QPointer<FileDialog> dialog = h->open(kind);
        DialogHarness::type(dialog, typed);
        DialogHarness::confirm(dialog);

        QVERIFY(h->prompt.messages.empty());
        QVERIFY(DialogHarness::isClosed(dialog));
        FileRequests& requests = h->state.fileRequests;
        QCOMPARE(Q(requests.filePath()), path);
        QVERIFY(requests.isPending(request, h->editorId));
        QVERIFY(!requests.isPending(OtherRequest(request), h->editorId));
        QVERIFY(!requests.isPending(FileRequest::Load, h->otherEditorId));
        QVERIFY(!requests.isPending(FileRequest::Save, h->otherEditorId));
    }

    // Captions stay in the language the dialog was built in; each message is in the
    // language of the moment it appears.
    void messageLanguageFollowsTheFlag() {
        const QPointer<FileDialog> dialog = h->open(FileDialogKind::OpenChann, kEnglish);

        h->state.Language_Flag = kChinese;
        DialogHarness::confirm(dialog);
        h->state.Language_Flag = kEnglish;
        DialogHarness::type(dialog, "x.Chann");
        DialogHarness::confirm(dialog);
        h->state.Language_Flag = kChinese;
        DialogHarness::confirm(dialog);

        QCOMPARE(h->prompt.messages.size(), size_t{3});
        QCOMPARE(Q(h->prompt.messages[0].title), QString("操作提示"));
        QCOMPARE(Q(h->prompt.messages[0].text), QString("打开信道参数文件名无效 "));
        QCOMPARE(Q(h->prompt.messages[1].title), QString("Operate prompt"));
        QCOMPARE(Q(h->prompt.messages[1].text),
                 QString("Nullity file suffix name of channel parameter."));
        QCOMPARE(Q(h->prompt.messages[2].title), QString("操作提示"));
        QCOMPARE(Q(h->prompt.messages[2].text), QString("无效的信道参数文件后缀名！"));

        QCOMPARE(dialog->windowTitle(), QString("Open Channcle File"));
        QCOMPARE(DialogHarness::control<QLabel>(dialog, "Label_name")->text(),
                 QString("Open File:"));
        QCOMPARE(DialogHarness::control<QPushButton>(dialog, "Command_enter")->text(),
                 QString("Confirm"));
    }

    void cancelChangesNothing() {
        h->state.fileRequests.raise(FileRequest::Save, h->otherEditorId, "earlier.menu");
        const QPointer<FileDialog> dialog = h->open(FileDialogKind::SaveMenu);
        DialogHarness::type(dialog, "valid.menu");

        DialogHarness::cancel(dialog);

        QVERIFY(DialogHarness::isClosed(dialog));
        QVERIFY(h->prompt.messages.empty());
        QCOMPARE(Q(h->state.fileRequests.filePath()), QString("earlier.menu"));
        QVERIFY(!h->state.fileRequests.isPending(FileRequest::Save, h->editorId));
        QVERIFY(!h->state.fileRequests.isPending(FileRequest::Load, h->editorId));
        QVERIFY(h->state.fileRequests.isPending(FileRequest::Save, h->otherEditorId));
    }

    // A second name confirmed before the editor served the first: the path is replaced and
    // the editor finds one request, not two.
    void secondConfirmedNameReplacesThePath() {
        const QPointer<FileDialog> first = h->open(FileDialogKind::OpenChann);
        DialogHarness::type(first, "one.chann");
        DialogHarness::confirm(first);
        const QPointer<FileDialog> second = h->open(FileDialogKind::OpenChann);
        DialogHarness::type(second, "two.chann");
        DialogHarness::confirm(second);

        QVERIFY(DialogHarness::isClosed(first));
        QVERIFY(DialogHarness::isClosed(second));
        QCOMPARE(Q(h->state.fileRequests.filePath()), QString("two.chann"));
        QVERIFY(h->state.fileRequests.take(FileRequest::Load, h->editorId));
        QVERIFY(!h->state.fileRequests.take(FileRequest::Load, h->editorId));
    }

    // The editor whose button showed the dialog gets the request, even when another editor
    // uses the same dialogs.
    void requestGoesToTheEditorThatShowedTheDialog() {
        const QPointer<FileDialog> forOther =
            h->openFor(h->otherEditorId, FileDialogKind::SaveChann);
        const QPointer<FileDialog> forMine = h->open(FileDialogKind::SaveChann);

        DialogHarness::type(forOther, "theirs.chann");
        DialogHarness::confirm(forOther);

        QVERIFY(h->state.fileRequests.isPending(FileRequest::Save, h->otherEditorId));
        QVERIFY(!h->state.fileRequests.isPending(FileRequest::Save, h->editorId));
        QVERIFY(!DialogHarness::isClosed(forMine));
        QVERIFY(DialogHarness::isClosed(forOther));
    }

  private:
    std::unique_ptr<DialogHarness> h;
};

QTEST_MAIN(FileDialogTest)
#include "tst_file_dialog.moc"
