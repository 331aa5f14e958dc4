#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "OptionWindowRig.h"

using namespace orvex;
using namespace orvex::test;

namespace {

QByteArray Line(std::initializer_list<int> values) {
    QByteArray line;
    for (int v : values)
        line += " " + QByteArray::number(v) + " ";
    return line + "\r\n";
}

QByteArray ZeroLine() {
    QByteArray line;
    for (int i = 0; i < 16; ++i)
        line += " 0 ";
    return line + "\r\n";
}

}  // namespace

// Saving and loading ".menu" files through the editor's Open and Save buttons, the file
// dialogs and the editor's file poll.
class OptionFilesTest : public QObject {
    Q_OBJECT

    std::unique_ptr<WorkingFolder> folder;
    std::unique_ptr<OptionWindowRig> rig;

    QPushButton* button(const char* name) { return rig->control<QPushButton>(name); }
    void confirmIn(const char* buttonName, const char* dialogName, const QString& file) {
        ConfirmInDialog(button(buttonName), dialogName, file);
    }
    void save(const QString& file) {
        confirmIn("Command_save", "Form_save_menu", file);
        rig->clock.advanceMs(500);
    }
    void load(const QString& file) {
        confirmIn("Command_open", "Form_open_menu", file);
        rig->clock.advanceMs(500);
    }
    void writeFile(const QString& name, const QByteArray& bytes) { folder->write(name, bytes); }
    QByteArray readFile(const QString& name) { return folder->read(name); }
    QByteArray defaultFile() {
        QByteArray file = Line({1, 1, 5, 2, 0, 0, 7, 0, 0, 3, 0, 0, 0, 0, 10, 1});
        file += Line({0, 0, 0, 1, 0, 0, 0, 0, 0, 10, 1, 1, 3, 1, 2, 0});
        file += Line({0, 0, 0, 0, 0, 0, 15, 0, 0, 0, 0x09, 0, 0, 0, 0, 0});
        file += Line({0, 0, 0, 0, 0, 0, 0, 0, 1, 0x36, 1, 0x74, 1, 0x36, 1, 0x74});
        for (int i = 0; i < 8; ++i)
            file += ZeroLine();
        return file;
    }

  private slots:
    void init() {
        folder = std::make_unique<WorkingFolder>();
        rig = std::make_unique<OptionWindowRig>();
        QVERIFY(rig->activated);
    }
    void cleanup() {
        rig.reset();
        folder.reset();
    }

    void savedDefaultFileBytes() {
        save("radio.menu");
        QCOMPARE(readFile("radio.menu"), defaultFile());
        QCOMPARE(rig->prompt.texts(),
                 std::vector<std::string>{"Complete storing optional parameters."});
        QCOMPARE(rig->prompt.messages[0].title, std::string("Operate Prompt"));
        QVERIFY(!VisibleDialog("Form_save_menu"));
    }

    void roundTripThroughAFile() {
        rig->list(OptionList::Tot)->setCurrentIndex(39);
        rig->list(OptionList::Emech)->setCurrentIndex(4);
        rig->flag(OptionFlag::AlarmCalderold)->setChecked(true);
        rig->setLimits({"140", "160", "141", "159"});
        const OptionSettings saved = rig->window->settings();
        save("set.menu");
        rig->control<QPushButton>("Command_def")->click();
        QVERIFY(rig->window->settings() != saved);
        load("set.menu");
        QCOMPARE(rig->window->settings(), saved);
        QCOMPARE(rig->prompt.texts().back(),
                 std::string("Succeed fold the optional parameters from file."));
        QVERIFY(!rig->control<QProgressBar>("ProgressBar1")->isVisible());
        QCOMPARE(rig->control<QLabel>("Label_tr_count")->text(), QString());
    }

    // Other separators load the same settings; a value beyond its list selects the last item.
    void commasSingleBlanksAndASquelchOf200() {
        QByteArray file = defaultFile();
        QVERIFY(file.startsWith(" 1  1  5  2 "));
        file.replace(0, 12, " 1  1  200  2 ");
        file.replace("  ", ",");
        writeFile("commas.menu", file);
        rig->list(OptionList::Tot)->setCurrentIndex(1);
        load("commas.menu");
        OptionSettings expected = DefaultOptionSettings(136, 175);
        expected.lists[size_t(OptionList::SqlLe)] = 9;
        QCOMPARE(rig->window->settings(), expected);

        writeFile("blanks.menu", defaultFile().replace("  ", " "));
        load("blanks.menu");
        QCOMPARE(rig->window->settings(), DefaultOptionSettings(136, 175));
    }

    // A file that cannot be read, or does not hold 192 numbers 0 to 255, changes nothing.
    void faultyFilesChangeNothing_data() {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("said");
        QByteArray allButOne = defaultFile();
        allButOne.chop(QByteArray(" 0 \r\n").size());
        QTest::newRow("191 values") << allButOne << "191";
        QTest::newRow("empty") << QByteArray() << "0";
        QTest::newRow("a word") << QByteArray(defaultFile()).replace(" 7 ", " seven ") << "seven";
        QTest::newRow("256") << QByteArray(defaultFile()).replace(" 10 ", " 256 ") << "256";
        QTest::newRow("-1") << QByteArray(defaultFile()).replace(" 10 ", " -1 ") << "-1";
        QTest::newRow("12.5") << QByteArray(defaultFile()).replace(" 10 ", " 12.5 ") << "12.5";
    }
    void faultyFilesChangeNothing() {
        QFETCH(QByteArray, contents);
        QFETCH(QString, said);
        writeFile("bad.menu", contents);
        rig->list(OptionList::Tot)->setCurrentIndex(11);
        rig->setLimits({"140", "160", "141", "159"});
        const OptionSettings before = rig->window->settings();
        load("bad.menu");
        QCOMPARE(rig->window->settings(), before);
        QCOMPARE(rig->prompt.messages.size(), size_t(1));
        QVERIFY2(QString::fromStdString(rig->prompt.messages[0].text).contains(said),
                 rig->prompt.messages[0].text.c_str());
    }

    void aMissingFile() {
        const OptionSettings before = rig->window->settings();
        load("nowhere.menu");
        QCOMPARE(rig->window->settings(), before);
        QCOMPARE(rig->prompt.messages.size(), size_t(1));
        QCOMPARE(rig->prompt.messages[0].text,
                 std::string("The optional features file could not be loaded; nothing was "
                             "changed."));
        QVERIFY(!rig->prompt.messages[0].detail.empty());
    }

    // A save that cannot be written says so; nothing else changes.
    void aFailedSave() {
        QVERIFY(QDir(folder->path()).mkdir("taken.menu"));
        const OptionSettings before = rig->window->settings();
        save("taken.menu");
        QCOMPARE(rig->prompt.messages.size(), size_t(1));
        QCOMPARE(rig->prompt.messages[0].text,
                 std::string("The optional features file could not be stored; the old file is "
                             "unchanged."));
        QVERIFY(!rig->prompt.messages[0].detail.empty());
        QCOMPARE(rig->window->settings(), before);
    }

    // A request confirmed while a transfer runs is served once the transfer has ended.
    void aRequestWaitsForTheTransfer() {
        save("first.menu");
        rig->list(OptionList::Tot)->setCurrentIndex(5);
        rig->radio.memory()[0x0220 + 6] = 20;
        confirmIn("Command_open", "Form_open_menu", "first.menu");
        button("Command_read")->click();
        rig->runTransfer();
        // The read brought 20 and then the waiting file its 7.
        QCOMPARE(rig->list(OptionList::Tot)->currentIndex(), 20);
        rig->clock.advanceMs(500);
        QCOMPARE(rig->list(OptionList::Tot)->currentIndex(), 7);
        QCOMPARE(rig->prompt.texts().back(),
                 std::string("Succeed fold the optional parameters from file."));
    }

    // Loading needs no radio and no port.
    void loadingTouchesNoPort() {
        save("radio.menu");
        rig->state.Comm_Port = 6;
        load("radio.menu");
        QCOMPARE(rig->prompt.texts().back(),
                 std::string("Succeed fold the optional parameters from file."));
        QVERIFY(rig->radio.transcript().empty());
    }
};

QTEST_MAIN(OptionFilesTest)
#include "tst_option_files.moc"
