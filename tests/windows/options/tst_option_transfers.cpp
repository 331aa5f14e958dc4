#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "OptionWindowRig.h"

using namespace orvex;
using namespace orvex::test;

namespace {

const std::vector<std::uint8_t> kOpening = Bytes({0x50, 0xAA, 0xBB, 0x47, 0x52, 0x41, 0x4D, 0x02});

// Records every value the progress bar takes.
void WatchValues(QProgressBar* bar, QObject* context, std::vector<int>& values) {
    QObject::connect(bar, &QProgressBar::valueChanged, context,
                     [&values](int v) { values.push_back(v); });
}

}  // namespace

// Reading and writing the option image through the editor's buttons, against the
// simulated radio on the virtual clock.
class OptionTransfersTest : public QObject {
    Q_OBJECT

    std::unique_ptr<OptionWindowRig> rig;

    QPushButton* button(const char* name) { return rig->control<QPushButton>(name); }
    QString label() { return rig->control<QLabel>("Label_tr_count")->text(); }
    QProgressBar* bar() { return rig->control<QProgressBar>("ProgressBar1"); }
    std::uint8_t* memory(int address) { return &rig->radio.memory()[static_cast<size_t>(address)]; }

  private slots:
    void init() {
        rig = std::make_unique<OptionWindowRig>();
        QVERIFY(rig->activated);
        for (int a = 0x0220; a < 0x0320; ++a)
            *memory(a) = 0;
    }
    void cleanup() { rig.reset(); }

    void readWireProgressAndResult() {
        *memory(0x0220 + 6) = 50;     // beyond the time-out list: its last item
        *memory(0x0220 + 2) = 3;      // squelch 3
        *memory(0x0220 + 42) = 0x48;  // alarm sound and Calder
        *memory(0x0220 + 56) = 0x01;  // receive 140 to 170
        *memory(0x0220 + 57) = 0x40;
        *memory(0x0220 + 58) = 0x01;
        *memory(0x0220 + 59) = 0x70;
        *memory(0x0260 + 6) = 9;  // the second block is not the option image
        std::vector<int> values;
        WatchValues(bar(), rig->window, values);
        button("Command_read")->click();
        QVERIFY(bar()->isVisible());
        QCOMPARE(label(), QString("Connecting with transceiver. "));
        rig->runTransfer();

        QCOMPARE(
            rig->wire(WireDirection::ToRadio),
            Concat({kOpening, Bytes({0x06, 0x53, 0x02, 0x20, 0x40}), Bytes({0x06}),
                    Bytes({0x53, 0x02, 0x60, 0x40}), Bytes({0x06}), Bytes({0x53, 0x02, 0xA0, 0x40}),
                    Bytes({0x06}), Bytes({0x53, 0x02, 0xE0, 0x40}), Bytes({0x06})}));
        QCOMPARE(values, (std::vector<int>{0, 60, 80, 100}));
        QCOMPARE(label(), QString("Read optional parameters in gear. "));
        QCOMPARE(rig->list(OptionList::Tot)->currentText(), QString("600"));
        QCOMPARE(rig->list(OptionList::SqlLe)->currentIndex(), 3);
        QVERIFY(!rig->flag(OptionFlag::PttMenu)->isChecked());
        QVERIFY(rig->flag(OptionFlag::AlarmSound)->isChecked());
        QVERIFY(rig->flag(OptionFlag::AlarmCalderold)->isChecked());
        QCOMPARE(rig->limits(), (QStringList{"140", "170", "000", "000"}));
        QCOMPARE(rig->prompt.messages.size(), size_t(1));
        QCOMPARE(rig->prompt.messages[0].title, std::string("Operate Prompt"));
        QCOMPARE(rig->prompt.messages[0].text,
                 std::string("Complete reading the data from transceiver."));
        QCOMPARE(rig->panels.panel(2), std::string("Connect well with radio."));
        QCOMPARE(rig->panels.panel(10), std::string(" 136-- 174 MHZ"));
        QCOMPARE(rig->panels.panel(8), std::string());
        QVERIFY(!rig->ports.isHeldOpen(1));
    }

    // The default settings go out in four frames, without a repeated first frame; bytes
    // that no setting occupies are written as 0, whatever the radio held.
    void writeWireProgressAndResult() {
        for (int a = 0x0220; a < 0x0260; ++a)
            *memory(a) = 0x55;
        std::vector<int> values;
        WatchValues(bar(), rig->window, values);
        button("Command_Write")->click();
        rig->runTransfer();

        const OptionImage image =
            EncodeOptionImage(DefaultOptionSettings(136, 175), rig->state.OptionOffsets);
        std::vector<std::uint8_t> expected = kOpening;
        for (int frame = 0; frame < 4; ++frame) {
            const auto head = Bytes({0x06, 0x58, 0x02, 0x20 + 16 * frame, 0x10});
            expected.insert(expected.end(), head.begin(), head.end());
            expected.insert(expected.end(), image.begin() + 16 * frame,
                            image.begin() + 16 * frame + 16);
        }
        QCOMPARE(rig->wire(WireDirection::ToRadio), expected);
        QCOMPARE(std::vector<std::uint8_t>(memory(0x0220), memory(0x0230)),
                 Bytes({1, 1, 5, 2, 0, 0, 7, 0, 0, 3, 0, 0, 0, 0, 10, 1}));
        QCOMPARE(int(*memory(0x0220 + 4)), 0);
        QCOMPARE(int(*memory(0x0220 + 42)), 0x09);
        QCOMPARE(int(*memory(0x0220 + 56)), 0x01);
        QCOMPARE(int(*memory(0x0220 + 57)), 0x36);
        QCOMPARE(int(*memory(0x0260)), 0);  // nothing beyond the image
        QCOMPARE(values, (std::vector<int>{0, 25, 50, 75}));
        QCOMPARE(label(), QString("Complete writing optional parameters "));
        QCOMPARE(rig->prompt.messages.size(), size_t(1));
        QCOMPARE(rig->prompt.messages[0].title, std::string("Operate Prompt"));
        QCOMPARE(rig->prompt.messages[0].text,
                 std::string("Complete writing optional parameters to the transceiver."));
    }

    // The image is taken when Write is pressed; a retry sends the same image.
    void aRetrySendsTheImageOfThePress() {
        rig->radio.faults().withholdAckOfWriteFrame = 2;
        rig->list(OptionList::SqlLe)->setCurrentIndex(8);
        button("Command_Write")->click();
        rig->clock.advanceMs(600);
        rig->list(OptionList::SqlLe)->setCurrentIndex(1);  // changed while the write runs
        rig->runTransfer();
        QCOMPARE(rig->window->engine().retriesLeft(), 2);
        QCOMPARE(int(*memory(0x0220 + 2)), 8);
        QCOMPARE(rig->prompt.texts().back(),
                 std::string("Complete writing optional parameters to the transceiver."));
    }

    void writeDuringAReadIsRefused() {
        button("Command_read")->click();
        rig->clock.advanceMs(300);
        for (const char* name : {"Command_Write", "Command_read", "Command_open", "Command_save"})
            button(name)->click();
        QCOMPARE(rig->prompt.texts(),
                 std::vector<std::string>(4, "Read-write operating with transceiver ."));
        QVERIFY(rig->window->engine().readBusy());
        rig->runTransfer();
        QCOMPARE(rig->prompt.texts().back(),
                 std::string("Complete reading the data from transceiver."));
        // One opening command, no write frame, no dialog.
        const auto sent = rig->wire(WireDirection::ToRadio);
        QCOMPARE(std::count(sent.begin(), sent.end(), 0xBB), 1);
        QCOMPARE(std::count(sent.begin(), sent.end(), 0x58), 0);
        for (QWidget* top : QApplication::topLevelWidgets())
            QVERIFY(!top->objectName().startsWith("Form_"));
    }

    void silentRadio() {
        rig->radio.faults().silent = true;
        button("Command_read")->click();
        rig->runTransfer();
        QCOMPARE(rig->panels.panel(2), std::string("Communication fault."));
        QVERIFY(rig->prompt.messages.empty());
        QCOMPARE(rig->window->settings(), DefaultOptionSettings(136, 175));
        int openings = 0;
        for (auto byte : rig->wire(WireDirection::ToRadio))
            openings += byte == 0xBB;
        QCOMPARE(openings, 4);
    }

    void portMessageIsTheStandardOne() {
        rig->state.Comm_Port = 4;
        button("Command_read")->click();
        QCOMPARE(rig->prompt.messages.size(), size_t(1));
        QCOMPARE(rig->prompt.messages[0].title, std::string("Operate Prompt"));
        QCOMPARE(rig->prompt.messages[0].text, std::string("Communication Port Open Error ！"));
        QVERIFY(!bar()->isVisible());
        QCOMPARE(label(), QString());
    }
};

QTEST_MAIN(OptionTransfersTest)
#include "tst_option_transfers.moc"
