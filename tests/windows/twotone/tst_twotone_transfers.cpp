#include <QPushButton>

#include "TwoToneWindowRig.h"

using namespace orvex;
using namespace orvex::test;

namespace {

constexpr int kBase = 0x2D00;
const std::vector<std::uint8_t> kOpening = Bytes({0x50, 0xAA, 0xBB, 0x47, 0x52, 0x41, 0x4D, 0x02});

}  // namespace

// Reading and writing the two-tone area through the editor's buttons, against the simulated
// radio on the virtual clock.
class TwoToneTransfersTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TwoToneWindowRig> rig;
    std::vector<int> values;

    QPushButton* button(const char* name) { return rig->control<QPushButton>(name); }
    QString enc(int row, int col) { return rig->encode()->textMatrix(row, col); }
    QString dec(int row, int col) { return rig->decode()->textMatrix(row, col); }
    QString listText(const char* name) { return rig->control<ListBox>(name)->currentText(); }

    std::uint8_t& memory(int offset) {
        return rig->radio.memory()[static_cast<size_t>(kBase + offset)];
    }
    void put(int offset, std::initializer_list<int> bytes) {
        for (int b : bytes)
            memory(offset++) = static_cast<std::uint8_t>(b);
    }
    unsigned word(int offset) { return memory(offset) | memory(offset + 1) << 8; }

    // The PC's bytes split into what went out at one moment each.
    std::vector<std::vector<std::uint8_t>> sentInBursts() const {
        std::vector<std::vector<std::uint8_t>> bursts;
        Micros last{-1};
        for (const WireByte& b : rig->wireBytes(WireDirection::ToRadio)) {
            if (bursts.empty() || b.time != last) bursts.emplace_back();
            bursts.back().push_back(b.value);
            last = b.time;
        }
        return bursts;
    }

    // An area unlike the defaults everywhere the editor reads it.
    void fillRadio() {
        for (int offset = 0; offset < 0x300; ++offset)
            memory(offset) = 0xFF;
        put(0x000, {0xBD, 0x07, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF});            // code 1: 1981, none
        put(0x010, {0x2B, 0x01, 0, 0, 0, 0, 0, 0, 0x2C, 0x01});            // code 2: 299, 300
        put(0x0E0, {0xB8, 0x0B, 0, 0, 0, 0, 0, 0, 0xB9, 0x0B});            // code 15: 3000, 3001
        put(0x0F0, {200, 5, 0});                                           // 1000, 50 and 0 ms
        put(0x100, {1, 7, 16, 12, 2, 17, 0xFF, 0xFF, 0xFF, 11, 0xFF, 0});  // decode code 1
        put(0x1E0, {3, 3, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0});                  // decode code 15
        put(0x200, {0xDC, 0x05, 0, 0, 0x2C, 0x01, 0xFF, 0xFF});  // tone set 1: 1500, -, 300, 65535
        put(0x2F0, {250});                                       // reset time beyond the list
    }

  private slots:
    void init() {
        rig = std::make_unique<TwoToneWindowRig>();
        QVERIFY(rig->activated);
        values.clear();
        connect(rig->bar(), &QProgressBar::valueChanged, rig->window,
                [this](int v) { values.push_back(v); });
    }
    void cleanup() { rig.reset(); }

    void readFillsTheWindow() {
        fillRadio();
        rig->chooseTab(1);
        rig->selectCode(6);
        button("Command_read")->click();
        QCOMPARE(rig->label(), QString("Connecting with transceiver. "));
        QVERIFY(rig->bar()->isVisible());
        rig->runTransfer();

        QCOMPARE(values, (std::vector<int>{23, 30, 38, 46, 53, 61, 69, 76, 84, 92, 100}));
        QCOMPARE(rig->label(), QString("Read Signal parameters in gear. "));
        QCOMPARE(rig->prompt.texts(),
                 std::vector<std::string>{"Complete reading the data from transceiver."});
        QCOMPARE(rig->prompt.messages[0].title, std::string("Operate Prompt"));
        QCOMPARE(rig->panels.panel(2), std::string("Connect well with radio."));
        QCOMPARE(rig->panels.panel(10), std::string(" 136-- 174 MHZ"));

        QCOMPARE(enc(1, 1), QString("1981.0"));
        QCOMPARE(enc(1, 2), QString());
        QCOMPARE(enc(2, 1), QString());
        QCOMPARE(enc(2, 2), QString("300.0"));
        QCOMPARE(enc(15, 1), QString("3000.0"));
        QCOMPARE(enc(15, 2), QString());
        QCOMPARE(enc(3, 1), QString());  // 0xFFFF
        QCOMPARE(listText("Combo_Enc_ys1"), QString("1000"));
        QCOMPARE(listText("Combo_Enc_ys2"), QString("50"));
        QCOMPARE(listText("Combo_enc_ys3"), QString("0"));
        QCOMPARE(listText("Combo_Dec_Res_Time"), QString("8000"));

        QStringList code1;
        for (int col = 1; col <= 12; ++col)
            code1 << dec(1, col);
        QCOMPARE(code1, (QStringList{"A-C", "0.None", "16", "", "2.Transpond", "", "", "", "",
                                     "D-C", "", "0"}));
        QCOMPARE(dec(15, 1), QString("B-A"));
        QCOMPARE(dec(15, 2), QString("3.Alert+Transpond"));
        QCOMPARE(dec(15, 4), QString("A-B"));
        QCOMPARE(dec(15, 5), QString("0.None"));
        QCOMPARE(dec(2, 1), QString());  // all 0xFF

        // Decode code 1 is chosen and shows its tones.
        QCOMPARE(rig->window->selectedDecodeCode(), 0);
        QCOMPARE(rig->frameCaption(), QString("1 Decode 2 Tone Frequency"));
        QCOMPARE(rig->toneTexts(), QString("1500.0||300.0|65535.0"));
    }

    // Response 7 shows reply name 0 and goes back as 0; a stored duration position of 200
    // selects "1000" and goes back as 100.
    void whatIsReadIsWrittenBackAsShown() {
        fillRadio();
        button("Command_read")->click();
        rig->runTransfer();
        rig->prompt.messages.clear();
        button("Command_Write")->click();
        rig->runTransfer();
        QCOMPARE(
            rig->prompt.texts(),
            std::vector<std::string>{"Complete writing Signal parameters to the transceiver."});
        const std::vector<std::pair<int, int>> bytes = {
            {0x101, 0}, {0x100, 1},   {0x102, 16}, {0x103, 0xFF}, {0x104, 2},  {0x105, 0xFF},
            {0x10B, 0}, {0x0F0, 100}, {0x0F1, 5},  {0x0F2, 0},    {0x2F0, 79}, {0x008, 0},
            {0x009, 0}, {0x010, 0},   {0x011, 0},  {0x10C, 0},    {0x0F3, 0},
        };
        for (const auto& [offset, value] : bytes)
            QVERIFY2(int(memory(offset)) == value, qPrintable(QString::number(offset, 16)));
        // The tone sets go back byte for byte, the unused line 31 as zeros.
        QCOMPARE(word(0x200), 1500u);
        QCOMPARE(word(0x206), 0xFFFFu);
        QCOMPARE(word(0x208), 0xFFFFu);
        for (int offset = 0x1F0; offset < 0x200; ++offset)
            QCOMPARE(int(memory(offset)), 0);
    }

    // The defaults as 48 frames of 21 bytes, each sent whole at one moment, the last for
    // 0x2FF0; a response cell whose slot has no pair is emptied and written as 255.
    void writeSendsTheWindow() {
        rig->chooseTab(1);
        rig->click(rig->decode(), 3, 2);
        rig->click(rig->decode(), 4, 4);
        QCOMPARE(dec(3, 2), QString());
        rig->click(rig->decode(), 5, 1);  // code 4 slot 2 takes the list's "A-B"
        QTest::keyClick(rig->cellList(), Qt::Key_Down);
        QTest::keyClick(rig->cellList(), Qt::Key_Down);
        rig->click(rig->decode(), 5, 2);
        QCOMPARE(dec(5, 1), QString("A-D"));
        rig->selectCode(3);
        rig->typeTone(2, "1062.5");

        button("Command_Write")->click();
        rig->runTransfer();

        const auto bursts = sentInBursts();
        QCOMPARE(bursts.size(), size_t(49));
        QCOMPARE(bursts[0], kOpening);
        for (int line = 0; line < 48; ++line) {
            const int address = kBase + 16 * line;
            const auto head = Bytes({0x06, 0x58, address >> 8, address & 0xFF, 0x10});
            const auto& frame = bursts[size_t(line + 1)];
            QCOMPARE(frame.size(), size_t(21));
            QCOMPARE(std::vector<std::uint8_t>(frame.begin(), frame.begin() + 5), head);
            QCOMPARE(std::vector<std::uint8_t>(frame.begin() + 5, frame.end()),
                     std::vector<std::uint8_t>(&memory(16 * line), &memory(16 * line) + 16));
        }
        QCOMPARE(int(bursts.back()[2]), 0x2F);
        QCOMPARE(int(bursts.back()[3]), 0xF0);
        QCOMPARE(values.back(), 97);
        QCOMPARE(rig->label(), QString("Complete writing Signal parameters "));

        QCOMPARE(word(0x000), 1981u);
        QCOMPARE(word(0x008), 1124u);
        QCOMPARE(word(0x0B0), 2200u);
        QCOMPARE(word(0x030), 0u);  // code 4 has no default
        QCOMPARE(int(memory(0x0F0)), 60);
        QCOMPARE(int(memory(0x0F1)), 60);
        QCOMPARE(int(memory(0x0F2)), 30);
        // Decode code 3, slot 1: no pair, so no response either.
        for (int offset = 0x120; offset < 0x12C; ++offset)
            QCOMPARE(int(memory(offset)), 0xFF);
        QCOMPARE(int(memory(0x130)), 0xFF);
        QCOMPARE(int(memory(0x133)), 0);     // code 4 slot 2 "A-B"
        QCOMPARE(int(memory(0x140)), 2);     // code 5 slot 1 "A-D"
        QCOMPARE(int(memory(0x141)), 0xFF);  // its response never left its list
        QCOMPARE(int(memory(0x100)), 0);
        QCOMPARE(int(memory(0x101)), 1);
        QCOMPARE(int(memory(0x102)), 1);
        QCOMPARE(int(memory(0x1E9)), 0);  // code 15 slot 4 "A-B"
        // Tone C of decode code 3, typed as 1062.5, kept as 1062 Hz.
        QCOMPARE(word(0x224), 1062u);
        QCOMPARE(word(0x22C), 2169u);
        QCOMPARE(word(0x200), 1981u);
        QCOMPARE(word(0x208), 1163u);
        QCOMPARE(int(memory(0x2F0)), 59);
    }

    // Silence: after four attempts the editor reports the failure itself.
    void usedUpRetries() {
        fillRadio();
        rig->radio.faults().silent = true;
        button("Command_read")->click();
        rig->runTransfer();
        QCOMPARE(rig->prompt.texts(), std::vector<std::string>{"Fail connect with transceiver."});
        QCOMPARE(rig->prompt.messages[0].title, std::string("Operate prompt"));
        QVERIFY(rig->bar()->isVisible());
        QCOMPARE(rig->bar()->value(), 0);
        QCOMPARE(rig->label(), QString("Communication fault."));
        QVERIFY(rig->panels.panel(2) != "Communication fault.");
        QCOMPARE(enc(1, 1), QString("1981.0"));

        rig->state.Language_Flag = -1;
        rig->prompt.messages.clear();
        button("Command_Write")->click();
        rig->runTransfer();
        QCOMPARE(rig->prompt.texts(), std::vector<std::string>{"与对讲机联络失败 ！"});
        QCOMPARE(rig->prompt.messages[0].title, std::string("操作提示"));
        QCOMPARE(rig->label(), QString("与对讲机通讯故障 ！"));
        QVERIFY(!rig->window->engine().isBusy());
    }

    void portMessageIsTheStandardOne() {
        rig->state.Comm_Port = 4;
        button("Command_read")->click();
        QCOMPARE(rig->prompt.messages.size(), size_t(1));
        QCOMPARE(rig->prompt.messages[0].title, std::string("Operate Prompt"));
        QCOMPARE(rig->prompt.messages[0].text, std::string("Communication Port Open Error ！"));
        QVERIFY(!rig->bar()->isVisible());
        QVERIFY(!rig->window->engine().isBusy());
    }
};

QTEST_MAIN(TwoToneTransfersTest)
#include "tst_twotone_transfers.moc"
