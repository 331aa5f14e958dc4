#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "FmWindowRig.h"
#include "core/channels/ChannelFile.h"
#include "windows/channels/frm_chann.h"

using namespace orvex;
using namespace orvex::test;

namespace {

const std::vector<std::uint8_t> kOpening = Bytes({0x50, 0xAA, 0xBB, 0x47, 0x52, 0x41, 0x4D, 0x02});

std::vector<std::uint8_t> ReadRequest(int address, bool first) {
    auto request = Bytes({0x53, address >> 8, address & 0xFF, 0x40});
    if (first) request.insert(request.begin(), 0x06);
    return request;
}

}  // namespace

// Reading and writing the FM area through the editor's buttons against the simulated radio on
// the virtual clock, and preset files through the channel-file dialogs.
class FmTransfersTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FmWindowRig> rig;

    QPushButton* button(const char* name) { return rig->control<QPushButton>(name); }
    QString transferLabel() { return rig->control<QLabel>("Label_tr_count")->text(); }
    std::uint8_t& memory(int address) { return rig->radio.memory()[static_cast<size_t>(address)]; }
    void put(int address, std::initializer_list<int> bytes) {
        for (int b : bytes)
            memory(address++) = static_cast<std::uint8_t>(b);
    }
    QStringList grid() const {
        QStringList cells;
        for (int n = 1; n <= 16; ++n)
            cells << rig->cell(n, 1) + "/" + rig->cell(n, 2);
        return cells;
    }
    QStringList bandBoxes() const {
        QStringList boxes;
        for (const char* name : {"Text_pvfo1_A", "Text_pvfo2_A", "Text_pvfo1_B", "Text_pvfo2_B"})
            boxes << rig->box(name)->text();
        return boxes;
    }

  private slots:
    void init() {
        rig = std::make_unique<FmWindowRig>();
        QVERIFY(rig->activated);
    }
    void cleanup() { rig.reset(); }

    void readFillsTheGridAndTheBandBoxes() {
        for (int a = 0x3000; a < 0x3140; ++a)
            memory(a) = 0xFF;
        for (int n = 0; n < 16; ++n)
            put(0x3000 + 16 * n, {0, 0, 0, 0, 0, 0, 0, 0});
        put(0x3000, {0, 8, 8, 9, 0, 0, 0, 0, 0xFF, 'L', 'M', 0x20, 'N', 'E', 0xFF, 0xFF});
        put(0x3050, {1, 0, 5, 9, 5, 0, 0, 0, 0xFF, 0xFF, 0xFF, 'F', 'M', 0xFF, 0xFF, 0xFF});
        put(0x30F0, {1, 0, 8, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
        put(0x3100, {1, 4, 0, 1, 6, 0, 4, 1, 0, 4, 5, 0, 0x12, 0x34, 0x56, 0x78});
        button("Command_read")->click();
        rig->runTransfer();

        QStringList expected(16, "/");
        expected[0] = "88.90000/LMNE";  // the blank and FF are skipped
        expected[5] = "105.95000/FM";
        expected[15] = "108.00000/";
        QCOMPARE(grid(), expected);
        QCOMPARE(bandBoxes(), (QStringList{"140.00000", "160.00000", "410.00000", "450.00000"}));
        std::vector<std::uint8_t> wire = Concat({kOpening, ReadRequest(0x3000, true)});
        for (int address : {0x3040, 0x3080, 0x30C0, 0x3100}) {
            wire.push_back(0x06);
            auto request = ReadRequest(address, false);
            wire.insert(wire.end(), request.begin(), request.end());
        }
        wire.push_back(0x06);
        QCOMPARE(rig->wire(WireDirection::ToRadio), wire);
        QCOMPARE(rig->control<QProgressBar>("ProgressBar1")->value(), 100);
        QCOMPARE(transferLabel(), QString("Read FM Radio parameters in gear. "));
        QCOMPARE(rig->prompt.messages.size(), size_t(1));
        QCOMPARE(rig->prompt.messages[0].title, std::string("Operate Prompt"));
        QCOMPARE(rig->prompt.messages[0].text,
                 std::string("Complete reading the data from transceiver."));
        QVERIFY(!rig->panels.panel(8).empty());

        // A write gives bytes 12-15 of the band record back as they were read.
        button("Command_Write")->click();
        rig->runTransfer();
        QCOMPARE(int(memory(0x310C)), 0x12);
        QCOMPARE(int(memory(0x310F)), 0x78);
        QCOMPARE(int(memory(0x3051)), 0);
        QCOMPARE(int(memory(0x3053)), 9);
    }

    // Write encodes every row first, then sends the seventeen records.
    void writeSendsEveryPresetAndTheBandRecord() {
        rig->grid()->setTextMatrix(3, 1, "99.90000");  // as the cell editor would have left it
        rig->grid()->setTextMatrix(3, 2, "FM");
        rig->box("Text_pvfo2_B")->setText("460.00000");
        for (int a = 0x3000; a < 0x3200; ++a)
            memory(a) = 0xEE;
        button("Command_Write")->click();
        rig->runTransfer();

        const auto expect = [&](int address, const char* hex) {
            const QByteArray bytes(reinterpret_cast<const char*>(&memory(address)), 16);
            QCOMPARE(bytes.toHex(' '), QByteArray::fromHex(hex).toHex(' '));
        };
        expect(0x3000, "0008080900000000FF4C4D4E4557FFFF");
        expect(0x3020, "0009090900000000FFFFFF464DFFFFFF");
        expect(0x3040, "0000000000000000FFFFFFFFFFFFFFFF");
        expect(0x30F0, "0100050900000000FF4343545639FFFF");
        expect(0x3100, "010306010704040000040600FFFFFFFF");
        QCOMPARE(int(memory(0x3110)), 0xEE);
        QCOMPARE(rig->label(), QString(" 1 0 5 9 0 0 0 0 255 67 67 84 86 57 255 255"));
        QCOMPARE(transferLabel(), QString("Complete writing FM Radio parameters "));
        QCOMPARE(rig->prompt.messages.back().text,
                 std::string("Complete writing FM Radio parameters to the transceiver."));
        // 17 frames of 21 bytes after the opening, each but the first after an acknowledgement.
        QCOMPARE(rig->wire(WireDirection::ToRadio).size(), size_t(8 + 17 * 21));
    }

    void savedPresetsComeBackAfterClear() {
        WorkingFolder folder;
        rig->type(3, 1, "101.7");
        rig->type(3, 2, "bbc 1");
        rig->typeBox("Text_pvfo2_A", "170", "Text_pvfo1_B");
        const QStringList presets = grid();
        const QStringList boxes = bandBoxes();
        rig->prompt.messages.clear();
        ConfirmInDialog(button("Command_save"), "Form_save_chann", "fm.chann");
        rig->clock.advanceMs(500);
        QVERIFY(folder.read("fm.chann").startsWith(" 12288 \r\n"));
        QCOMPARE(rig->prompt.messages.back().text,
                 std::string("Complete storing FM Radio parameters."));
        button("Command_clear")->click();
        QCOMPARE(grid(), QStringList(16, "/"));
        ConfirmInDialog(button("Command_open"), "Form_open_chann", "fm.chann");
        rig->clock.advanceMs(500);
        QCOMPARE(grid(), presets);
        QCOMPARE(bandBoxes(), boxes);
        QCOMPARE(rig->cell(3, 2), QString("BBC 1"));
        QCOMPARE(rig->prompt.messages.back().text,
                 std::string("FM Radio parameters loaded from the file."));
    }

    // A channel file, or a broken preset file, changes nothing and says what is wrong.
    void refusedFilesChangeNothing_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("message");
        QByteArray channels = " 2 \r\n";
        for (int v = 0; v < 44; ++v)
            channels += " 0 ";
        QTest::newRow("a channel file")
            << channels
            << "This is a channel file (2 channels), not an FM preset file. Open it in the "
               "channel editor.";
        QTest::newRow("a cut preset file")
            << QByteArray(" 12288 \r\n 0 8 8 9")
            << "The FM preset file is incomplete: 268 values missing (preset 1, value 5).";
    }
    void refusedFilesChangeNothing() {
        QFETCH(QByteArray, file);
        QFETCH(QString, message);
        WorkingFolder folder;
        folder.write("other.chann", file);
        const QStringList presets = grid();
        const QStringList boxes = bandBoxes();
        ConfirmInDialog(button("Command_open"), "Form_open_chann", "other.chann");
        rig->clock.advanceMs(500);
        QCOMPARE(grid(), presets);
        QCOMPARE(bandBoxes(), boxes);
        QCOMPARE(rig->prompt.messages.size(), size_t(1));
        QCOMPARE(QString::fromStdString(rig->prompt.messages[0].text), message);
    }

    // The channel editor refuses a preset file with a message naming it, and keeps its grid.
    void theChannelEditorRefusesAPresetFile() {
        WorkingFolder folder;
        ConfirmInDialog(button("Command_save"), "Form_save_chann", "fm.chann");
        rig->clock.advanceMs(500);
        rig.reset();

        EditorWindowRig<frm_chann> channels;
        channels.state.Chann_Count = 16;
        channels.open();
        channels.window->grid()->setTextMatrix(1, 1, "146.52000");
        ConfirmInDialog(channels.control<QPushButton>("Command_open"), "Form_open_chann",
                        "fm.chann");
        channels.clock.advanceMs(500);
        QCOMPARE(channels.prompt.messages.size(), size_t(1));
        QCOMPARE(channels.prompt.messages[0].text,
                 std::string("This is an FM preset file, not a channel file; it cannot be loaded "
                             "as channels."));
        QCOMPARE(channels.window->grid()->textMatrix(1, 1), QString("146.52000"));
    }
};

QTEST_MAIN(FmTransfersTest)
#include "tst_fm_transfers.moc"
