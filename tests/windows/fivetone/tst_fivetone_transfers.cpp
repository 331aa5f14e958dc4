#include <QAction>
#include <QProgressBar>
#include <QPushButton>

#include "FiveToneWindowRig.h"
#include "support/WindowRig.h"
#include "windows/shell/MDImain.h"

using namespace orvex;
using namespace orvex::test;

namespace {

void SetLine(SimulatedRadio& radio, int line, std::initializer_list<int> bytes) {
    int i = 0;
    for (int b : bytes)
        radio.memory()[size_t(0x2000 + line * 16 + i++)] = std::uint8_t(b);
}

std::vector<int> RadioLine(const SimulatedRadio& radio, int line) {
    std::vector<int> bytes;
    for (int i = 0; i < 16; ++i)
        bytes.push_back(radio.memory()[size_t(0x2000 + line * 16 + i)]);
    return bytes;
}

}  // namespace

// Reads fill the window, writes send what it shows, and a silent radio is reported in the
// window; the main window's disabled 5 TONE entry opens the editor once enabled.
class FiveToneTransfersTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FiveToneWindowRig> rig;

    QPushButton* button(const char* name) { return rig->control<QPushButton>(name); }

  private slots:
    void init() {
        rig = std::make_unique<FiveToneWindowRig>();
        QVERIFY(rig->activated);
    }
    void cleanup() { rig.reset(); }

    void readFillsTheWindow() {
        for (int line = 64; line < 144; ++line)
            SetLine(rig->radio, line, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
        SetLine(rig->radio, 64, {20, 16, 3});
        SetLine(rig->radio, 78, {255, 255, 255});
        SetLine(rig->radio, 80, {1, 2, 3, 255, 255, 255, 255, 1, 2, 3, 9, 9, 9, 9, 9, 11});
        SetLine(rig->radio, 81, {255, 255, 255, 255, 255, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 20});
        SetLine(rig->radio, 96, {10, 11, 12, 13, 14});
        SetLine(rig->radio, 111, {200, 3, 0, 100});
        SetLine(rig->radio, 115, {1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 3, 3, 3, 3, 3, 4});
        SetLine(rig->radio, 131, {5, 4, 3, 2, 1, 3, 9, 8, 0x0F, 0x1F, 0, 2, 8, 0});
        SetLine(rig->radio, 143, {200, 1, 7, 100});
        rig->showTab(2);
        rig->click(rig->decode(), 9, 0);

        button("Command_read")->click();
        rig->runTransfer();

        QCOMPARE(rig->messages(),
                 std::vector<std::string>{"Complete reading the data from transceiver."});
        QCOMPARE(rig->control<QLabel>("Label_tr_count")->text(),
                 QString("Read Signal parameters in gear. "));
        QCOMPARE(rig->control<QProgressBar>("ProgressBar1")->value(), 100);
        QCOMPARE(rig->rowOf(rig->standards(), 1), (QStringList{"200", " ", "3"}));
        QCOMPARE(rig->rowOf(rig->standards(), 15), (QStringList{"2550", " ", " "}));
        QCOMPARE(rig->rowOf(rig->standards(), 2), (QStringList{"0", "0", "0"}));
        QCOMPARE(rig->rowOf(rig->encode(), 1),
                 (QStringList{"123  ", "  123", "99999", "ABCDE", "EURO"}));
        QCOMPARE(rig->rowOf(rig->encode(), 2),
                 (QStringList{"     ", "00000", "00000", "00000", ""}));
        QCOMPARE(rig->control<ListBox>("Combo_Enc_ys1")->currentText(), QString("1000"));
        QCOMPARE(rig->control<ListBox>("Combo_Enc_ys2")->currentText(), QString("30"));
        QCOMPARE(rig->control<ListBox>("Combo_Enc_ys4")->currentText(), QString("1000"));
        QCOMPARE(rig->rowOf(rig->decode(), 4), (QStringList{"ZVEI2", "11111", "3.Monitor", "22222",
                                                            "", "33333", "8.Revive", "54321"}));
        QCOMPARE(rig->control<ListBox>("Combo_Dec_Res_Time")->currentText(), QString("8000"));
        QCOMPARE(rig->control<ListBox>("Combo_Dec_Back_Time")->currentText(), QString("2500"));
        QVERIFY(rig->check("Check_Dec_back")->isChecked());
        QVERIFY(rig->check("Check_Dec_Bcl")->isChecked());
        // Code 1 is selected again after a read.
        QCOMPARE(rig->window->selectedDecodeCode(), 0);
        QCOMPARE(rig->control<QGroupBox>("Frame_Dec_xx")->title(),
                 QString("Execute after Code 1 Decode Succeeded "));
        rig->click(rig->decode(), 4, 0);
        for (const char* name : {"Check_Disp_0", "Check_Led_0", "Check_Kz_0", "Check_Ts_0",
                                 "Check_zh0_0", "Check_zh4_0", "Check_zh1_1", "Check_Ts_2"})
            QVERIFY2(rig->check(name)->isChecked(), name);
        for (const char* name : {"Check_Disp_1", "Check_zh0_1", "Check_Kz_2", "Check_zh0_2"})
            QVERIFY2(!rig->check(name)->isChecked(), name);
    }

    void writeSendsWhatTheWindowShows() {
        rig->showTab(1);
        rig->typeCode(rig->encode(), "Text_Encode", 1, 2, "12c45");
        rig->click(rig->encode(), 1, 1);
        rig->showTab(2);
        rig->click(rig->decode(), 15, 0);
        rig->check("Check_zh2_2")->click();
        rig->choose(rig->decode(), "Combo_Decode", 15, 7, "8.Revive");
        rig->click(rig->decode(), 15, 8);
        rig->prompt.messages.clear();

        button("Command_Write")->click();
        rig->runTransfer();

        QCOMPARE(rig->messages(), std::vector<std::string>{
                                      "Complete writing Signal parameters to the transceiver."});
        QCOMPARE(rig->control<QLabel>("Label_tr_count")->text(),
                 QString("Complete writing Signal parameters "));
        // The frequency planes: EURO digit 0.
        QCOMPARE(int(rig->radio.memory()[0x20B0]), 0xD3);
        QCOMPARE(int(rig->radio.memory()[0x23B0]), 0x09);
        QCOMPARE(RadioLine(rig->radio, 64),
                 (std::vector<int>{10, 10, 14, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
        QCOMPARE(RadioLine(rig->radio, 80),
                 (std::vector<int>{1, 2, 3, 4, 5, 1, 2, 255, 4, 5, 5, 6, 7, 8, 9, 0}));
        QCOMPARE(RadioLine(rig->radio, 96),
                 (std::vector<int>{0, 1, 2, 3, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
        QCOMPARE(RadioLine(rig->radio, 111),
                 (std::vector<int>{40, 20, 20, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
        QCOMPARE(RadioLine(rig->radio, 81), std::vector<int>(16, 255));
        QCOMPARE(RadioLine(rig->radio, 142),
                 (std::vector<int>{1, 2, 3, 4, 5, 1, 2, 8, 12, 0, 0, 0, 0, 4, 0, 0}));
        QCOMPARE(RadioLine(rig->radio, 143),
                 (std::vector<int>{59, 0, 0, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    }

    void silentRadioIsReportedInTheWindow() {
        rig->radio.faults().silent = true;
        button("Command_read")->click();
        rig->runTransfer();
        QCOMPARE(rig->prompt.messages.size(), size_t(1));
        QCOMPARE(rig->prompt.messages[0].title, std::string("Operate prompt"));
        QCOMPARE(rig->prompt.messages[0].text, std::string("Fail connect with transceiver."));
        QCOMPARE(rig->control<QProgressBar>("ProgressBar1")->value(), 0);
        QCOMPARE(rig->control<QLabel>("Label_tr_count")->text(), QString("Communication fault."));
        QVERIFY(!rig->window->engine().isBusy());
    }

    void fiveToneMenuEntry() {
        WindowRig main;
        main.startUp();
        main.settle();
        QAction* entry = main.window->action("Sig_5tone");
        QVERIFY(entry);
        QVERIFY(main.window->action("sig_edit")->isEnabled());
        QVERIFY(!entry->isEnabled());
        entry->setEnabled(true);
        entry->trigger();
        QVERIFY(main.window->childWindow("frm_5tone"));
    }
};

QTEST_MAIN(FiveToneTransfersTest)
#include "tst_fivetone_transfers.moc"
