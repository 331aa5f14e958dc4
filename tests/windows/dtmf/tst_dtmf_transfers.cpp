#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "DtmfWindowRig.h"

using namespace orvex;
using namespace orvex::test;

namespace {

const std::vector<std::uint8_t> kOpening = Bytes({0x50, 0xAA, 0xBB, 0x47, 0x52, 0x41, 0x4D, 0x02});

}  // namespace

// Reading and writing the DTMF block through the editor's buttons, against the simulated
// radio on the virtual clock.
class DtmfTransfersTest : public QObject {
    Q_OBJECT

    std::unique_ptr<DtmfWindowRig> rig;
    std::vector<int> values;

    QPushButton* button(const char* name) { return rig->control<QPushButton>(name); }
    QString label() { return rig->control<QLabel>("Label_tr_count")->text(); }
    std::uint8_t& memory(int offset) {
        return rig->radio.memory()[static_cast<size_t>(0x0100 + offset)];
    }
    void put(int offset, std::initializer_list<int> bytes) {
        for (int b : bytes)
            memory(offset++) = static_cast<std::uint8_t>(b);
    }
    // A block that differs from the defaults everywhere the editor reads, and in the
    // settings it keeps hidden.
    void fillRadio() {
        for (int offset = 0; offset < 0x100; ++offset)
            memory(offset) = 0xFF;
        put(0x00, {0x01, 0x0A, 0x02, 0xFF, 0xFF});  // group 1 "12"
        put(0x10, {0xFF, 0x03, 0x04});              // group 2 empty
        put(0x70, {0x00, 0x0B, 0x0C, 0x0D, 0x10});  // group 8 "0*#AD"
        put(0x80, {0x09, 0x09});                    // inspection, hidden
        put(0x8A, {0x05, 0x05, 0x05});              // alarm "555"
        put(0x8F, {0x03});                          // both inhibits, hidden
        put(0xA0, {0x01, 0x01, 0x01, 0x01, 0x01});  // master ID, hidden
        put(0xAA, {0x0E, 0x0F});                    // ANI "BC"
        put(0xAF, {0x01});                          // send on press only
        put(0xB0, {0x00, 0x1F, 0x00, 0xFF, 0x0C});  // rights; on 50; off beyond; "#"
    }

  private slots:
    void init() {
        rig = std::make_unique<DtmfWindowRig>();
        QVERIFY(rig->activated);
        values.clear();
        connect(rig->control<QProgressBar>("ProgressBar1"), &QProgressBar::valueChanged,
                rig->window, [this](int v) { values.push_back(v); });
    }
    void cleanup() { rig.reset(); }

    void readWireProgressAndResult() {
        fillRadio();
        button("Command_read")->click();
        QCOMPARE(label(), QString("Connecting with transceiver. "));
        rig->runTransfer();

        QCOMPARE(
            rig->wire(WireDirection::ToRadio),
            Concat({kOpening, Bytes({0x06, 0x53, 0x01, 0x00, 0x40}), Bytes({0x06}),
                    Bytes({0x53, 0x01, 0x40, 0x40}), Bytes({0x06}), Bytes({0x53, 0x01, 0x80, 0x40}),
                    Bytes({0x06}), Bytes({0x53, 0x01, 0xC0, 0x40}), Bytes({0x06})}));
        QCOMPARE(values, (std::vector<int>{60, 80, 100}));  // the bar starts at 0 already
        QCOMPARE(label(), QString("Read Signal parameters in gear. "));
        QCOMPARE(rig->prompt.texts(),
                 std::vector<std::string>{"Complete reading the data from transceiver."});
        QCOMPARE(rig->prompt.messages[0].title, std::string("Operate Prompt"));

        const DtmfSettings shown = rig->window->settings();
        QCOMPARE(rig->group(1), QString("12"));
        QCOMPARE(rig->group(2), QString());
        QCOMPARE(rig->group(8), QString("0*#AD"));
        QCOMPARE(rig->code(DtmfCode::Alarm)->text(), QString("555"));
        QCOMPARE(rig->code(DtmfCode::Ani)->text(), QString("BC"));
        QVERIFY(shown.pttPress);
        QVERIFY(!shown.pttRelease);
        QCOMPARE(shown.onTime, 0);
        QCOMPARE(shown.offTime, 195);
        QCOMPARE(shown.groupCall, std::string("#"));
        // What the editor keeps hidden is not read.
        const DtmfSettings defaults = DefaultDtmfSettings();
        QCOMPARE(shown.codes[size_t(DtmfCode::Inspection)],
                 defaults.codes[size_t(DtmfCode::Inspection)]);
        QCOMPARE(shown.codes[size_t(DtmfCode::MasterId)],
                 defaults.codes[size_t(DtmfCode::MasterId)]);
        QCOMPARE(shown.masterRights, defaults.masterRights);
        QCOMPARE(shown.receiveInhibit, defaults.receiveInhibit);

        // The identification writes panels 2, 8 and 10.
        QCOMPARE(rig->panels.panel(2), std::string("Connect well with radio."));
        QCOMPARE(rig->panels.panel(8), std::string(" 136-- 174 MHZ"));
        QCOMPARE(rig->panels.panel(10), std::string(" 136-- 174 MHZ"));
    }

    // The defaults in 13 frames; the bar counts the twelve after the first.
    void writeWireProgressAndResult() {
        button("Command_write")->click();
        rig->runTransfer();
        const DtmfImage image = EncodeDtmfImage(DefaultDtmfSettings());
        std::vector<std::uint8_t> expected = kOpening;
        for (int row = 0; row < 13; ++row) {
            const auto head = Bytes({0x06, 0x58, 0x01, 16 * row, 0x10});
            expected.insert(expected.end(), head.begin(), head.end());
            expected.insert(expected.end(), image.begin() + 16 * row,
                            image.begin() + 16 * row + 16);
        }
        QCOMPARE(rig->wire(WireDirection::ToRadio), expected);
        QCOMPARE(values, (std::vector<int>{8, 16, 25, 33, 41, 50, 58, 66, 75, 83, 91, 100}));
        QCOMPARE(label(), QString("Complete writing Signal parameters "));
        QCOMPARE(
            rig->prompt.texts(),
            std::vector<std::string>{"Complete writing Signal parameters to the transceiver."});
        QCOMPARE(int(memory(0xB0)), 0x1F);
        QCOMPARE(int(memory(0xB4)), 0x0B);
    }

    // The cell editor's text has not reached its cell yet: the write sends the cell's text.
    void writeWithTheCellEditorOpen() {
        rig->typeGroup(1, "9");
        button("Command_write")->click();
        rig->runTransfer();
        QCOMPARE(int(memory(0x00)), 0x01);  // "12345" as before
        QCOMPARE(int(memory(0x04)), 0x05);
    }

    // After a read, a write sends the hidden settings with their defaults, not what was read.
    void aWriteAfterAReadSendsTheHiddenDefaults() {
        fillRadio();
        button("Command_read")->click();
        rig->runTransfer();
        button("Command_write")->click();
        rig->runTransfer();
        DtmfImage written{};
        for (int i = 0; i < kDtmfImageSize; ++i)
            written[size_t(i)] = memory(i);
        QCOMPARE(written, EncodeDtmfImage(rig->window->settings()));
        // The decode codes, the control flag and IDs, the inhibit flags and the rights go
        // back as their defaults; the alarm code as the radio had it.
        const DtmfImage defaults = EncodeDtmfImage(DefaultDtmfSettings());
        std::vector<int> hidden;
        for (int offset = 0x80; offset < 0x8A; ++offset)
            hidden.push_back(offset);
        for (int offset = 0x8F; offset < 0xAA; ++offset)
            hidden.push_back(offset);
        hidden.push_back(0xB0);
        hidden.push_back(0xB1);
        for (int offset : hidden)
            QCOMPARE(int(written[size_t(offset)]), int(defaults[size_t(offset)]));
        QCOMPARE(int(memory(0x8A)), 0x05);
    }

    void aFailedReadChangesNothing() {
        fillRadio();
        rig->radio.faults().silent = true;
        button("Command_read")->click();
        rig->runTransfer();
        QCOMPARE(rig->panels.panel(2), std::string("Communication fault."));
        QCOMPARE(rig->window->settings(), DefaultDtmfSettings());
        QVERIFY(rig->prompt.messages.empty());
    }

    void portMessageIsTheStandardOne() {
        rig->state.Comm_Port = 4;
        button("Command_read")->click();
        QCOMPARE(rig->prompt.messages.size(), size_t(1));
        QCOMPARE(rig->prompt.messages[0].title, std::string("Operate Prompt"));
        QCOMPARE(rig->prompt.messages[0].text, std::string("Communication Port Open Error ！"));
        QVERIFY(!rig->control<QProgressBar>("ProgressBar1")->isVisible());
    }
};

QTEST_MAIN(DtmfTransfersTest)
#include "tst_dtmf_transfers.moc"
