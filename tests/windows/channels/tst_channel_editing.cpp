#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "ChannelWindowRig.h"

using namespace orvex;
using namespace orvex::test;

// Editing cells of the channel grid: the two overlay editors, the range checks and their
// messages, Enter navigation and Clear.
class ChannelEditingTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ChannelWindowRig> rig;

    QStringList messages() const {
        QStringList texts;
        for (const auto& m : rig->prompt.messages)
            texts << QString::fromStdString(m.text);
        return texts;
    }

  private slots:
    void init() {
        rig = std::make_unique<ChannelWindowRig>();
        QVERIFY(rig->activated);
    }
    void cleanup() { rig.reset(); }

    void windowAtLoad() {
        QCOMPARE(rig->window->windowTitle(), QString("Channel Information"));
        QCOMPARE(rig->control<QPushButton>("Command_read")->text(), QString("Read"));
        QCOMPARE(rig->control<QPushButton>("Command_Write")->text(), QString("Write"));
        QCOMPARE(rig->control<QPushButton>("Command_clear")->text(), QString("Clear"));
        QCOMPARE(rig->control<QPushButton>("Command_save")->text(), QString("Save"));
        QCOMPARE(rig->control<QPushButton>("Command_open")->text(), QString("Open"));
        QCOMPARE(rig->control<QPushButton>("Command_close")->text(), QString("Close"));
        const QStringList headers = {"Channel",       "RX Frequency",  "TX Frequency",
                                     "CTCSS/DCS Dec", "CTCSS/DCS Enc", "TX Power",
                                     "W/N",           "PTT-ID",        "BusyLock",
                                     "Scan_Add",      "Scrambler",     "SigCode "};
        for (int c = 0; c < 12; ++c)
            QCOMPARE(rig->cell(0, c), headers[c]);
        QCOMPARE(rig->grid()->rows(), 17);
        QCOMPARE(rig->cell(16, 0), QString("16"));
        QVERIFY(!rig->textBox()->isVisible());
        QVERIFY(!rig->control<QProgressBar>("ProgressBar1")->isVisible());
        QCOMPARE(rig->control<QLabel>("Label_tr_count")->text(), QString());
        QCOMPARE(int(rig->state.channels.channelReplies[3][10]), 0xFF);
        QCOMPARE(rig->window->size(), QSize(int(1600 / 1.37), int(1000 / 1.5)));
        QCOMPARE(rig->grid()->width(), int(rig->window->contentsRect().width() / 1.03));
    }

    // A window takes the captions of the language it is loaded in.
    void captionsInChinese() {
        rig->state.Language_Flag = -1;
        frm_chann window(*rig->context, rig->mainWindow);
        QCOMPARE(window.windowTitle(), QString("信道参数编辑"));
        const QList<std::pair<const char*, QString>> buttons = {
            {"Command_read", "读 取"}, {"Command_Write", "写 入"}, {"Command_clear", "清 除"},
            {"Command_save", "保 存"}, {"Command_open", "打 开"},  {"Command_close", "关 闭"}};
        for (const auto& [name, caption] : buttons)
            QCOMPARE(window.findChild<QPushButton*>(name)->text(), caption);
        const QStringList headers = {"信道号",      "接收频率(MHZ)", "发射频率(MHZ)", "QT/DQT 解码",
                                     "QT/DQT 编码", "发射功率",      "带宽",          "PTT-ID",
                                     "繁忙锁定",    "扫描添加",      " 扰  频 ",      "信令码组"};
        for (int c = 0; c < 12; ++c)
            QCOMPARE(window.grid()->textMatrix(0, c), headers[c]);
        QCOMPARE(rig->window->windowTitle(), QString("Channel Information"));
    }

    void newChannelGetsDefaultsAndItsTransmitFrequency() {
        rig->type(1, 1, "146.52");
        rig->click(3, 5);
        QCOMPARE(rig->row(1), QStringList({"146.52000", "146.52000"}) + kDefaults);
        QVERIFY(rig->prompt.messages.empty());
        QVERIFY(!rig->textBox()->isVisible());
    }

    void frequencyEntries_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("refused");
        QTest::newRow("padded") << "145.5"
                                << "145.50000" << false;
        QTest::newRow("no decimal point") << "145"
                                          << "145.00000" << false;
        QTest::newRow("six decimals rounded") << "145.123456"
                                              << "145.12346" << false;
        QTest::newRow("blanks around") << "  150.1  "
                                       << "150.10000" << false;
        QTest::newRow("lower limit") << "136"
                                     << "136.00000" << false;
        QTest::newRow("upper limit plus 1 MHz") << "175.00000"
                                                << "175.00000" << false;
        QTest::newRow("above it") << "175.00001"
                                  << "136.00000" << true;
        QTest::newRow("below the band") << "135.99999"
                                        << "136.00000" << true;
        QTest::newRow("far out") << "500"
                                 << "136.00000" << true;
        QTest::newRow("not a number") << "abc"
                                      << "136.00000" << true;
        QTest::newRow("two points") << "14.5.5"
                                    << "136.00000" << true;
    }
    void frequencyEntries() {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QFETCH(bool, refused);
        rig->type(2, 1, typed);
        rig->click(5, 1);
        QCOMPARE(rig->cell(2, 1), stored);
        QCOMPARE(messages(),
                 refused ? QStringList{"Over the range of receive frequency ."} : QStringList{});
        if (refused) {
            QCOMPARE(rig->prompt.messages[0].title, std::string("Operate prompt"));
            // The channel gets the defaults; its transmit frequency is left empty.
            QCOMPARE(rig->row(2), QStringList({"136.00000", ""}) + kDefaults);
        } else {
            QCOMPARE(rig->cell(2, 2), stored);
        }
    }

    void transmitFrequencyChecks() {
        rig->type(1, 1, "150");
        rig->click(1, 2);
        QCOMPARE(rig->textBox()->text(), QString("150.00000"));
        rig->textBox()->selectAll();
        QTest::keyClicks(rig->textBox(), "155.25");
        rig->click(1, 4);
        QCOMPARE(rig->cell(1, 2), QString("155.25000"));

        rig->choose("D023N");
        rig->type(1, 2, "180");
        rig->click(2, 2);
        QCOMPARE(messages(), QStringList{"Over the range of transmit frequency ."});
        QCOMPARE(rig->cell(1, 2), QString("136.00000"));
        QCOMPARE(rig->cell(1, 4), QString("OFF"));

        // An empty transmit frequency empties the transmit tone with it.
        rig->type(1, 2, "");
        rig->click(3, 3);
        QCOMPARE(rig->cell(1, 2), QString());
        QCOMPARE(rig->cell(1, 4), QString());
        QCOMPARE(rig->cell(1, 1), QString("150.00000"));
    }

    void transmitBeforeReceiveIsRefused() {
        rig->type(4, 2, "146");
        rig->click(6, 6);
        QCOMPARE(messages(), QStringList{"Please input the receive frequency in advance."});
        QCOMPARE(rig->row(4), QStringList(11, QString()));
    }

    void deletingTheReceiveFrequencyEmptiesTheRow() {
        rig->type(3, 1, "140");
        rig->click(4, 1);
        QCOMPARE(rig->cell(3, 11), QString("1"));
        rig->type(3, 1, "");
        rig->click(4, 1);
        QCOMPARE(rig->row(3), QStringList(11, QString()));
    }

    void dropDownsOnlyWhereTheyBelong() {
        // An empty channel has no drop-downs.
        rig->click(2, 5);
        QVERIFY(!rig->dropDown()->isVisible());
        QVERIFY(!rig->textBox()->isVisible());
        // A channel without transmit frequency has none for the transmit tone.
        rig->type(2, 1, "140");
        rig->click(5, 5);
        rig->type(2, 2, "");
        rig->click(2, 4);
        QCOMPARE(rig->cell(2, 2), QString());
        QVERIFY(!rig->dropDown()->isVisible());
        QVERIFY(!rig->textBox()->isVisible());
        // Its other cells have one, with the column's items, laid over the cell.
        rig->click(2, 7);
        QVERIFY(rig->dropDown()->isVisible());
        QStringList items;
        for (int i = 0; i < rig->dropDown()->count(); ++i)
            items << rig->dropDown()->itemText(i);
        QCOMPARE(items, (QStringList{"OFF", "BOT", "EOT", "BOTH"}));
        QCOMPARE(rig->dropDown()->text(), QString("OFF"));
        QCOMPARE(rig->dropDown()->geometry().topLeft(), rig->grid()->cellRect().topLeft());
        QCOMPARE(rig->dropDown()->width(), rig->grid()->cellRect().width());
        rig->click(2, 3);
        QCOMPARE(rig->dropDown()->count(), 261);
        QCOMPARE(rig->dropDown()->itemText(0), QString("OFF"));
        QCOMPARE(rig->dropDown()->itemText(51), QString("D023N"));
    }

    void choosingAnItemCommitsOnLeaving() {
        rig->type(1, 1, "146.52");
        rig->click(1, 5);
        rig->choose("LOW");
        rig->click(1, 10);
        QCOMPARE(rig->cell(1, 5), QString("LOW"));
        rig->choose("3");
        rig->click(1, 3);
        QCOMPARE(rig->cell(1, 10), QString("3"));
    }

    void typedTextNeverStaysInADropDown() {
        rig->type(1, 1, "146.52");
        rig->click(1, 6);
        QTest::keyClicks(rig->dropDown(), "X");
        QCOMPARE(rig->dropDown()->text(), QString("W"));
        rig->click(1, 8);
        QCOMPARE(rig->cell(1, 6), QString("W"));
    }

    // Enter walks along the row and on to the next one; a new channel's transmit tone is
    // emptied by the Enter variant of the receive-frequency commit.
    void enterWalksAcrossARow() {
        rig->type(1, 1, "146.52");
        rig->enterInTextBox();
        QCOMPARE(rig->grid()->col(), 2);
        QVERIFY(rig->textBox()->isVisible());
        QCOMPARE(rig->textBox()->text(), QString("146.52000"));
        QCOMPARE(rig->cell(1, 2), QString("146.52000"));
        QCOMPARE(rig->cell(1, 4), QString());
        rig->enterInTextBox();
        QCOMPARE(rig->grid()->col(), 3);
        QVERIFY(rig->dropDown()->isVisible());
        for (int col = 3; col <= 10; ++col) {
            QCOMPARE(rig->grid()->col(), col);
            rig->enterInDropDown();
        }
        QCOMPARE(rig->grid()->col(), 11);
        rig->enterInDropDown();
        QCOMPARE(rig->grid()->row(), 2);
        QCOMPARE(rig->grid()->col(), 1);
        QVERIFY(rig->textBox()->isVisible());
        QVERIFY(!rig->dropDown()->isVisible());
        QCOMPARE(rig->row(1), (QStringList{"146.52000", "146.52000", "OFF", "", "HIGH", "W", "OFF",
                                           "OFF", "ON", "OFF", "1"}));
    }

    void enterOnAnOutOfRangeFrequency() {
        rig->type(1, 1, "99");
        rig->enterInTextBox();
        QCOMPARE(messages(), QStringList{"Over the range of receive frequency ."});
        QCOMPARE(rig->cell(1, 1), QString("136.00000"));
        QCOMPARE(rig->cell(1, 2), QString("136.00000"));
        QCOMPARE(rig->cell(1, 4), QString());
        QCOMPARE(rig->grid()->col(), 2);
    }

    void enterOnEmptyFrequenciesMovesToTheNextRow() {
        rig->type(5, 2, "");
        rig->enterInTextBox();
        QCOMPARE(rig->grid()->row(), 6);
        QCOMPARE(rig->grid()->col(), 1);
        // On the last row it stays on the row.
        rig->type(16, 2, "");
        rig->enterInTextBox();
        QCOMPARE(rig->grid()->row(), 16);
        QCOMPARE(rig->grid()->col(), 1);
        QVERIFY(rig->prompt.messages.empty());
    }

    void leavingACellWithoutAnEditorChangesNothing() {
        rig->type(1, 1, "146.52");
        rig->click(2, 5);  // an empty channel: no editor
        QTest::keyClick(rig->grid()->view(), Qt::Key_Up);
        QTest::keyClick(rig->grid()->view(), Qt::Key_Left);
        QCOMPARE(rig->row(1), QStringList({"146.52000", "146.52000"}) + kDefaults);
    }

    void scrollingHidesTheTextBoxOnly() {
        rig.reset();
        rig = std::make_unique<ChannelWindowRig>(128);
        rig->type(1, 1, "140");
        QVERIFY(rig->textBox()->isVisible());
        rig->grid()->view()->scrollToBottom();
        QVERIFY(!rig->textBox()->isVisible());
    }

    void lostFocusEncodesTheCurrentRow() {
        rig->type(2, 1, "145.5");
        rig->click(2, 5);  // the grid gives the focus to the drop-down
        QCOMPARE(rig->control<QLabel>("Label_chann")->text(),
                 QString(" 0 0 85 20 0 0 85 20 0 0 0 0 0 0 0 68"));
        QCOMPARE(int(rig->state.channels.writeImage[2][3]), 0x14);
    }

    void activationFollowsTheChannelCount() {
        rig->state.Chann_Count = 128;
        rig->window->Form_Activate();
        QCOMPARE(rig->grid()->rows(), 129);
        QCOMPARE(rig->cell(128, 0), QString("128"));
    }

    void clearEmptiesRowsOneToSixteenOnly() {
        rig.reset();
        rig = std::make_unique<ChannelWindowRig>(128);
        for (int r : {1, 16, 17, 128}) {
            rig->type(r, 1, "150");
            rig->click(r, 5);
        }
        rig->state.channels.channelReplies[2].fill(0x12);
        rig->control<QPushButton>("Command_clear")->click();
        QCOMPARE(rig->row(1), QStringList(11, QString()));
        QCOMPARE(rig->row(16), QStringList(11, QString()));
        QCOMPARE(rig->cell(17, 1), QString("150.00000"));
        QCOMPARE(rig->cell(128, 1), QString("150.00000"));
        QCOMPARE(rig->cell(16, 0), QString("16"));
        QCOMPARE(int(rig->state.channels.channelReplies[2][0]), 0xFF);
    }

    void clearIsRefusedDuringATransfer() {
        rig->type(1, 1, "150");
        rig->click(2, 2);
        rig->control<QPushButton>("Command_read")->click();
        rig->clock.advanceMs(200);
        rig->control<QPushButton>("Command_clear")->click();
        QCOMPARE(messages(), QStringList{"Read-write operating，don't clear operate .,"});
        QCOMPARE(rig->cell(1, 1), QString("150.00000"));
    }

    void messagesFollowTheLanguageAtTheMoment() {
        rig->state.Language_Flag = -1;  // switched after the window was loaded
        rig->type(1, 1, "500");
        rig->click(2, 1);
        QCOMPARE(messages(), QStringList{"接收频率超出范围 ！"});
        QCOMPARE(rig->prompt.messages[0].title, std::string("操作提示"));
        QCOMPARE(rig->window->windowTitle(), QString("Channel Information"));
    }
};

QTEST_MAIN(ChannelEditingTest)
#include "tst_channel_editing.moc"
