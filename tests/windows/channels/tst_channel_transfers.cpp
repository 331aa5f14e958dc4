#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "ChannelWindowRig.h"
#include "core/channels/ChannelRecord.h"

using namespace orvex;
using namespace orvex::test;

namespace {

// The record a grid row with these cells encodes to, on a 136-174 MHz radio.
ChannelRecord Encoded(const QStringList& cells) {
    ChannelRow row{};
    for (int c = 1; c <= 11 && c <= cells.size(); ++c)
        row[size_t(c)] = cells[c - 1].toStdString();
    return EncodeChannelRow(row, 136);
}

const QStringList kChannelA = {"145.50000", "145.50000", "67.0", "D023N", "LOW", "N",
                               "BOTH",      "ON",        "OFF",  "2",     "5"};
const QStringList kChannelB = {"150.02500", "",    "88.5", "",    "HIGH", "W",
                               "OFF",       "OFF", "ON",   "OFF", "1"};

}  // namespace

// Reading and writing through the channel window's buttons, against the simulated radio.
class ChannelTransfersTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ChannelWindowRig> rig;

    void putInRadio(int channel, const ChannelRecord& record) {
        std::copy(record.begin(), record.end(), rig->radio.memory().begin() + (channel - 1) * 16);
    }
    QPushButton* button(const char* name) { return rig->control<QPushButton>(name); }
    QString label() { return rig->control<QLabel>("Label_tr_count")->text(); }

  private slots:
    void init() {
        rig = std::make_unique<ChannelWindowRig>();
        QVERIFY(rig->activated);
    }
    void cleanup() { rig.reset(); }

    void readFillsTheGrid() {
        putInRadio(1, Encoded(kChannelA));
        putInRadio(16, Encoded(kChannelB));
        putInRadio(17, Encoded(kChannelA));  // beyond the channel count
        rig->type(3, 1, "160");
        rig->click(4, 4);
        button("Command_read")->click();
        QVERIFY(rig->control<QProgressBar>("ProgressBar1")->isVisible());
        QCOMPARE(label(), QString("Connecting with transceiver. "));
        rig->runTransfer();

        QCOMPARE(rig->row(1), kChannelA);
        QCOMPARE(rig->row(16), kChannelB);
        QCOMPARE(rig->row(3), QStringList(11, QString()));  // the radio's channel 3 is empty
        QCOMPARE(rig->grid()->rows(), 17);
        QCOMPARE(rig->prompt.texts(),
                 std::vector<std::string>{"Complete reading data from the transceiver."});
        QCOMPARE(label(), QString("Read Channel Data is Ok ！"));
        QCOMPARE(rig->control<QProgressBar>("ProgressBar1")->value(), 100);
        QCOMPARE(rig->panels.panel(2), std::string("Connect well with radio."));
        QCOMPARE(rig->panels.panel(10), std::string(" 136-- 174 MHZ"));
    }

    // A text box still open when the read completes must not put its old text back.
    void anOpenEditorDoesNotOverwriteWhatWasRead() {
        putInRadio(1, Encoded(kChannelA));
        rig->type(1, 1, "160");
        button("Command_read")->click();
        rig->runTransfer();
        rig->click(5, 1);
        QCOMPARE(rig->row(1), kChannelA);
    }

    void readOf128Channels() {
        rig.reset();
        rig = std::make_unique<ChannelWindowRig>(128);
        for (int c = 1; c <= 128; ++c)
            putInRadio(c, Encoded(c % 2 ? kChannelA : kChannelB));
        button("Command_read")->click();
        rig->runTransfer();
        QCOMPARE(rig->row(1), kChannelA);
        QCOMPARE(rig->row(64), kChannelB);
        QCOMPARE(rig->row(127), kChannelA);
        QCOMPARE(rig->row(128), kChannelB);
    }

    void failedReadLeavesTheGridAsItWas() {
        rig->type(2, 1, "160");
        rig->click(4, 4);
        const QStringList before = rig->row(2);
        rig->radio.faults().silent = true;
        button("Command_read")->click();
        rig->runTransfer();
        QCOMPARE(rig->row(2), before);
        QCOMPARE(rig->panels.panel(2), std::string("Communication fault."));
        QVERIFY(rig->prompt.messages.empty());
    }

    void writeSendsRowsOneToSixteen() {
        rig->type(1, 1, "145.5");
        rig->click(1, 5);
        rig->choose("LOW");
        rig->type(2, 1, "150.025");
        rig->click(9, 9);
        button("Command_Write")->click();
        rig->runTransfer();

        const auto memory = [&](int channel) {
            ChannelRecord r;
            std::copy_n(rig->radio.memory().begin() + (channel - 1) * 16, 16, r.begin());
            return r;
        };
        QCOMPARE(memory(1), Encoded({"145.50000", "145.50000", "OFF", "OFF", "LOW", "W", "OFF",
                                     "OFF", "ON", "OFF", "1"}));
        QCOMPARE(memory(2), Encoded({"150.02500", "150.02500", "OFF", "OFF", "HIGH", "W", "OFF",
                                     "OFF", "ON", "OFF", "1"}));
        ChannelRecord empty;
        empty.fill(0xFF);
        QCOMPARE(memory(3), empty);
        int frames = 0;
        for (auto b : rig->wire(WireDirection::ToRadio))
            frames += b == 0x58;
        QCOMPARE(frames, 17);
        QCOMPARE(rig->prompt.texts(),
                 std::vector<std::string>{"Complete writing the data to transceiver."});
        QCOMPARE(label(), QString("Channel Data Writed ！"));
    }

    // With one channel the grid has one row; the write still sends 17 frames, the rows
    // beyond the grid as empty channels.
    void writeWithOneChannel() {
        rig.reset();
        rig = std::make_unique<ChannelWindowRig>(1);
        rig->type(1, 1, "145.5");
        rig->click(1, 6);
        button("Command_Write")->click();
        rig->runTransfer();
        int frames = 0;
        for (auto b : rig->wire(WireDirection::ToRadio))
            frames += b == 0x58;
        QCOMPARE(frames, 17);
        QCOMPARE(int(rig->radio.memory()[0x03]), 0x14);
        QCOMPARE(int(rig->radio.memory()[0x10]), 0xFF);
        QCOMPARE(int(rig->radio.memory()[0xF0]), 0xFF);
    }

    void buttonsRefusedWhileBusy() {
        button("Command_read")->click();
        rig->clock.advanceMs(300);
        for (const char* name : {"Command_Write", "Command_read", "Command_open", "Command_save"})
            button(name)->click();
        button("Command_close")->click();
        QCOMPARE(rig->prompt.texts(),
                 (std::vector<std::string>{"Read-write operating with transceiver .",
                                           "Read-write operating with transceiver .",
                                           "Read-write operating with transceiver .",
                                           "Read-write operating with transceiver .",
                                           "Read-write operating，don't close the window. ,"}));
        QVERIFY(rig->window);
        QVERIFY(rig->window->isVisible());
        rig->runTransfer();
        QCOMPARE(rig->prompt.texts().back(),
                 std::string("Complete reading data from the transceiver."));
    }

    void closingOtherwiseWarnsAndCloses() {
        button("Command_read")->click();
        rig->clock.advanceMs(300);
        rig->window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(rig->prompt.texts(),
                 std::vector<std::string>{"Read-write operating，don't close the window.,"});
        QVERIFY(rig->window.isNull());
        QVERIFY(!rig->ports.isHeldOpen(1));
        rig->clock.advanceMs(10'000);  // nothing of the closed window runs on
        QCOMPARE(rig->prompt.messages.size(), size_t(1));
    }

    void closeButtonWhenIdle() {
        button("Command_close")->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(rig->window.isNull());
        QVERIFY(rig->prompt.messages.empty());
    }

    void portMessageIsTheChannelEditorsOwn() {
        rig->state.Comm_Port = 4;
        button("Command_read")->click();
        QCOMPARE(rig->prompt.messages.size(), size_t(1));
        QCOMPARE(rig->prompt.messages[0].title, std::string("Operate prompt"));
        QCOMPARE(rig->prompt.messages[0].text,
                 std::string(
                     "Communication port is error, please setting right communication port . ！"));
        QVERIFY(!rig->control<QProgressBar>("ProgressBar1")->isVisible());
        QCOMPARE(label(), QString());
    }

    // Reply stores and the write image outlive the window.
    void storesAreProcessWide() {
        rig->type(1, 1, "145.5");
        rig->click(2, 6);
        button("Command_Write")->click();
        rig->runTransfer();
        rig->window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(int(rig->state.channels.writeImage[1][3]), 0x14);
    }
};

QTEST_MAIN(ChannelTransfersTest)
#include "tst_channel_transfers.moc"
