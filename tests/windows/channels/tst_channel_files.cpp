#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include "ChannelWindowRig.h"

using namespace orvex;
using namespace orvex::test;

namespace {

QByteArray EmptyRecordLine() {
    QByteArray line;
    for (int i = 0; i < 16; ++i)
        line += " 255 ";
    for (int i = 0; i < 6; ++i)
        line += " 0 ";
    return line + "\r\n";
}

}  // namespace

// Saving and loading ".chann" files through the editor's Open and Save buttons, the file
// dialogs and the editor's file poll.
class ChannelFilesTest : public QObject {
    Q_OBJECT

    std::unique_ptr<WorkingFolder> folder;
    std::unique_ptr<ChannelWindowRig> rig;

    QPushButton* button(const char* name) { return rig->control<QPushButton>(name); }
    QString label() { return rig->control<QLabel>("Label_tr_count")->text(); }
    QString path(const QString& name) const { return folder->path(name); }

    // Presses Open or Save, names the file in the dialog and confirms it.
    void confirmIn(const char* buttonName, const char* dialogName, const QString& file) {
        ConfirmInDialog(button(buttonName), dialogName, file);
    }
    void save(const QString& file) {
        confirmIn("Command_save", "Form_save_chann", file);
        rig->clock.advanceMs(500);
    }
    void load(const QString& file) {
        confirmIn("Command_open", "Form_open_chann", file);
        rig->clock.advanceMs(500);
    }
    void writeFile(const QString& name, const QByteArray& bytes) { folder->write(name, bytes); }
    QByteArray readFile(const QString& name) { return folder->read(name); }
    void fillRowOne() {
        rig->type(1, 1, "146.52");
        rig->click(1, 5);
        rig->choose("LOW");
        rig->click(1, 10);
        rig->choose("2");
        rig->click(3, 3);
    }

  private slots:
    void init() {
        folder = std::make_unique<WorkingFolder>();
        rig = std::make_unique<ChannelWindowRig>();
        QVERIFY(rig->activated);
    }
    void cleanup() {
        rig.reset();
        folder.reset();
    }

    void savedFileBytes() {
        fillRowOne();
        save("radio.chann");
        QByteArray expected = " 16 \r\n";
        expected +=
            " 0  32  101  20  0  32  101  20  0  0  0  0  0  0  33  68  0  0  0  0  0  0 \r\n";
        for (int n = 2; n <= 16; ++n)
            expected += EmptyRecordLine();
        QCOMPARE(readFile("radio.chann"), expected);
        QCOMPARE(rig->prompt.texts(),
                 std::vector<std::string>{"Complete storing channel parameter."});
        QCOMPARE(rig->prompt.messages[0].title, std::string("Operate prompt"));
        QCOMPARE(label(), QString());
        QVERIFY(!VisibleDialog("Form_save_chann"));
    }

    // The request waits for the editor's next poll, at most 500 ms.
    void theRequestIsServedAtTheNextPoll() {
        rig->clock.advanceMs(200);  // the poll runs at 500, 1000, ... after the window loaded
        confirmIn("Command_save", "Form_save_chann", "poll.chann");
        rig->clock.advanceMs(299);
        QVERIFY(!QFile::exists(path("poll.chann")));
        rig->clock.advanceMs(1);
        QVERIFY(QFile::exists(path("poll.chann")));
    }

    void roundTrip() {
        fillRowOne();
        rig->type(16, 1, "170.0125");
        rig->click(16, 4);
        rig->choose("D754I");
        rig->click(2, 2);
        const QStringList rowOne = rig->row(1);
        const QStringList rowSixteen = rig->row(16);
        save("trip.chann");
        button("Command_clear")->click();
        QCOMPARE(rig->row(1), QStringList(11, QString()));
        load("trip.chann");
        QCOMPARE(rig->row(1), rowOne);
        // Loaded from a file, a DCS tone keeps the blanks of its table entry.
        QCOMPARE(rig->row(16).mid(0, 3), rowSixteen.mid(0, 3));
        QCOMPARE(rig->cell(16, 4), QString(" D754I   "));
        QCOMPARE(rig->prompt.texts().back(),
                 std::string("Succeed fold the channel parameter from file."));
    }

    void numbersOnOneLineWithCommas() {
        QByteArray text = "3,";
        for (int n = 1; n <= 3; ++n) {
            text += "0,32,101,20,0,32,101,20,0,0,0,0,4,0,0,68,";
            text += QByteArray::number(n) + ",0,0,0,0,9 ";
        }
        writeFile("line.chann", text);
        load("line.chann");
        QCOMPARE(int(rig->state.Chann_Count), 3);
        QCOMPARE(rig->grid()->rows(), 4);
        QCOMPARE(rig->cell(3, 1), QString("146.52000"));
        QCOMPARE(rig->cell(3, 11), QString("5"));
        QCOMPARE(int(rig->state.channels.writeImage[2][16]), 2);
        QCOMPARE(int(rig->state.channels.writeImage[3][21]), 9);
    }

    void a128ChannelFileFillsRowsOneToSixteen() {
        QByteArray text = " 128 \r\n";
        for (int n = 1; n <= 128; ++n)
            text +=
                " 0  32  101  20  0  32  101  20  0  0  0  0  0  0  0  68  0  0  0  0  0  0 \r\n";
        writeFile("big.chann", text);
        load("big.chann");
        QCOMPARE(int(rig->state.Chann_Count), 128);
        QCOMPARE(rig->grid()->rows(), 129);
        QCOMPARE(rig->cell(16, 1), QString("146.52000"));
        QCOMPARE(rig->cell(17, 1), QString());
        QCOMPARE(rig->cell(128, 0), QString("128"));
    }

    void faultyFilesChangeNothing_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("fragment");
        const QByteArray record = " 0 32 101 20 0 32 101 20 0 0 0 0 0 0 0 68 0 0 0 0 0 0\r\n";
        QTest::newRow("empty") << QByteArray() << "empty";
        QTest::newRow("count 0") << QByteArray("0\r\n") << "1 to 260";
        QTest::newRow("count 261") << QByteArray("261\r\n") + record << "1 to 260";
        QTest::newRow("too few numbers") << QByteArray("2\r\n") + record << "incomplete";
        QTest::newRow("not a number") << QByteArray("1\r\n 0 32 abc") + record << "not a number";
        QTest::newRow("byte 256") << QByteArray("1\r\n 256") + record << "outside 0 to 255";
        QTest::newRow("negative") << QByteArray("1\r\n -1 ") + record << "outside 0 to 255";
        QTest::newRow("decimals") << QByteArray("1\r\n 12.5 ") + record << "decimals";
        QTest::newRow("binary") << QByteArray("\x01\x02\xFF\xFE", 4) << "not a number";
    }
    void faultyFilesChangeNothing() {
        QFETCH(QByteArray, text);
        QFETCH(QString, fragment);
        fillRowOne();
        rig->state.channels.writeImage[5][2] = 77;
        const auto image = rig->state.channels.writeImage;
        const QStringList row = rig->row(1);
        writeFile("bad.chann", text);
        load("bad.chann");
        QCOMPARE(rig->prompt.messages.size(), size_t(1));
        QVERIFY2(QString::fromStdString(rig->prompt.messages[0].text).contains(fragment),
                 rig->prompt.messages[0].text.c_str());
        QCOMPARE(rig->prompt.messages[0].title, std::string("Operate prompt"));
        QCOMPARE(int(rig->state.Chann_Count), 16);
        QVERIFY(rig->state.channels.writeImage == image);
        QCOMPARE(rig->row(1), row);
        QCOMPARE(rig->grid()->rows(), 17);
    }

    void aMissingFileChangesNothing() {
        fillRowOne();
        load("nowhere.chann");
        QCOMPARE(rig->prompt.messages.size(), size_t(1));
        QCOMPARE(rig->prompt.messages[0].text,
                 std::string("The channel file could not be loaded; nothing was changed."));
        QVERIFY(QString::fromStdString(rig->prompt.messages[0].detail).contains("nowhere.chann"));
        QCOMPARE(rig->cell(1, 1), QString("146.52000"));
    }

    // A file that cannot be written: the old file, the write image and the grid stay as
    // they were.
    void aFailedSaveChangesNothing() {
        QVERIFY(QDir(folder->path()).mkdir("taken.chann"));
        fillRowOne();
        const auto image = rig->state.channels.writeImage;
        save("taken.chann");
        QCOMPARE(rig->prompt.messages.size(), size_t(1));
        QCOMPARE(rig->prompt.messages[0].text,
                 std::string("The channel file could not be stored; the old file is unchanged."));
        QVERIFY(!rig->prompt.messages[0].detail.empty());
        QVERIFY(rig->state.channels.writeImage == image);
        QCOMPARE(label(), QString());
        QCOMPARE(rig->cell(1, 1), QString("146.52000"));
    }

    void savingReplacesAnOldFileWhole() {
        writeFile("old.chann", QByteArray(100'000, 'x'));
        save("old.chann");
        const QByteArray saved = readFile("old.chann");
        QVERIFY(saved.startsWith(" 16 \r\n"));
        QCOMPARE(saved.count('\n'), 17);
    }

    void requestsBelongToTheirEditor() {
        const int other = rig->state.fileRequests.registerEditor();
        rig->state.fileRequests.raise(FileRequest::Save, other, "other.chann");
        rig->clock.advanceMs(1000);
        QVERIFY(!QFile::exists(path("other.chann")));
        QVERIFY(rig->state.fileRequests.isPending(FileRequest::Save, other));
    }

    void aRequestOfAClosedEditorIsDropped() {
        confirmIn("Command_save", "Form_save_chann", "late.chann");
        const int id = rig->window->editorId();
        rig->window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!rig->state.fileRequests.isPending(FileRequest::Save, id));
        rig->clock.advanceMs(1000);
        QVERIFY(!QFile::exists(path("late.chann")));
    }

    void closeButtonClosesTheDialogs() {
        button("Command_open")->click();
        button("Command_save")->click();
        QVERIFY(VisibleDialog("Form_open_chann"));
        QVERIFY(VisibleDialog("Form_save_chann"));
        button("Command_close")->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!VisibleDialog("Form_open_chann"));
        QVERIFY(!VisibleDialog("Form_save_chann"));
    }

    void pressingOpenTwiceShowsOneDialog() {
        button("Command_open")->click();
        button("Command_open")->click();
        int dialogs = 0;
        for (QWidget* top : QApplication::topLevelWidgets())
            dialogs += top->objectName() == "Form_open_chann" && top->isVisible();
        QCOMPARE(dialogs, 1);
    }
};

QTEST_MAIN(ChannelFilesTest)
#include "tst_channel_files.moc"
