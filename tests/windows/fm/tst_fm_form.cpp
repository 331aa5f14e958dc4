#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include "FmWindowRig.h"
#include "windows/grid/OverlayDropDown.h"

using namespace orvex;
using namespace orvex::test;

namespace {

// Label_chann for a record given as 16 hexadecimal bytes.
QString LabelOf(const char* hex) {
    QString label;
    for (const char byte : QByteArray::fromHex(hex))
        label += " " + QString::number(std::uint8_t(byte));
    return label;
}

}  // namespace

// The FM presets editor's window: what it shows when it loads, the cell and band-box checks,
// Clear and Close.
class FmFormTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FmWindowRig> rig;

    QStringList messages() const {
        QStringList texts;
        for (const auto& m : rig->prompt.messages)
            texts << QString::fromStdString(m.title + "|" + m.text);
        return texts;
    }

  private slots:
    void init() {
        rig = std::make_unique<FmWindowRig>();
        QVERIFY(rig->activated);
    }
    void cleanup() { rig.reset(); }

    void whatTheWindowShowsWhenItLoads() {
        frm_FM* w = rig->window;
        QCOMPARE(w->windowTitle(), QString("FM Radio Information"));
        QCOMPARE(w->width(), int(1600 / 1.7));
        QCOMPARE(w->height(), int(1000 / 1.8));
        QCOMPARE(rig->grid()->width(), int(w->contentsRect().width() / 1.95));
        QCOMPARE(rig->grid()->rows(), 17);
        QCOMPARE(rig->grid()->textMatrix(0, 1).trimmed(), QString("Receive Frequency (MHZ)"));
        for (int n = 1; n <= 16; ++n)
            QCOMPARE(rig->cell(n, 0), QString::number(n));
        const QList<std::tuple<int, QString, QString>> presets = {{1, "88.90000", "LMNEW"},
                                                                  {2, "90.40000", "CCTV1"},
                                                                  {3, "", ""},
                                                                  {4, "92.30000", "JTZS2"},
                                                                  {6, "95.50000", "LMBBC"},
                                                                  {8, "96.90000", "CCTV4"},
                                                                  {10, "98.30000", "FJQX"},
                                                                  {12, "103.90000", "CCTV6"},
                                                                  {14, "100.70000", "DNZS3"},
                                                                  {15, "", ""},
                                                                  {16, "105.90000", "CCTV9"}};
        for (const auto& [n, frequency, name] : presets) {
            QCOMPARE(rig->cell(n, 1), frequency);
            QCOMPARE(rig->cell(n, 2), name);
        }
        QCOMPARE(rig->control<QLineEdit>("Text_pvfo1_FM")->text(), QString("87.50000"));
        QCOMPARE(rig->control<QLineEdit>("Text_pvfo2_FM")->text(), QString("108.00000"));
        QCOMPARE(rig->box("Text_pvfo1_A")->text(), QString("136.00000"));
        QCOMPARE(rig->box("Text_pvfo2_A")->text(), QString("174.00000"));
        QCOMPARE(rig->box("Text_pvfo1_B")->text(), QString("400.00000"));
        QCOMPARE(rig->box("Text_pvfo2_B")->text(), QString("470.00000"));
        QVERIFY(!rig->cellEditor()->isVisible());
        QVERIFY(rig->control<OverlayDropDown>("Combo_edit"));
        QVERIFY(!rig->control<OverlayDropDown>("Combo_edit")->isVisible());
        QVERIFY(!rig->control<QProgressBar>("ProgressBar1")->isVisible());
        const QList<std::pair<const char*, QString>> captions = {
            {"Command_read", "Read"}, {"Command_Write", "Write"}, {"Command_clear", "Clear"},
            {"Command_save", "Save"}, {"Command_open", "Open"},   {"Command_close", "Close"}};
        for (const auto& [name, caption] : captions)
            QCOMPARE(rig->control<QPushButton>(name)->text(), caption);
        QCOMPARE(rig->control<QLabel>("Label_A")->text(),
                 QString("the range of A band Frequency "));
        QCOMPARE(rig->control<QLabel>("LB_TO_B")->text(), QString("TO"));
    }

    void chineseCaptions() {
        rig.reset();
        rig = std::make_unique<FmWindowRig>();
        rig->state.Language_Flag = 1;
        delete rig->window.data();
        rig->open();
        QCOMPARE(rig->window->windowTitle(), QString("FM 收音机频道编辑"));
        QCOMPARE(rig->control<QLabel>("Lb_range")->text(), QString(" FM 收音频率范围"));
        QCOMPARE(rig->control<QPushButton>("Command_Write")->text(), QString("写  入"));
        QCOMPARE(rig->grid()->textMatrix(0, 0), QString("FM 频 道 号"));
    }

    // A committed frequency, its message, and the row as Label_chann shows it encoded.
    void frequencyCommit_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<QString>("label");
        QTest::newRow("87.5") << 1 << "87.5"
                              << "87.50000"
                              << "LMNEW" << false << LabelOf("0008070500000000FF4C4D4E4557FFFF");
        QTest::newRow("87.4 refused")
            << 1 << "87.4"
            << "87.50000"
            << "LMNEW" << true << LabelOf("0008070500000000FF4C4D4E4557FFFF");
        QTest::newRow("108") << 3 << "108"
                             << "108.00000"
                             << "" << false << LabelOf("0100080000000000FFFFFFFFFFFFFFFF");
        QTest::newRow("108.1 refused") << 3 << "108.1"
                                       << "87.50000"
                                       << "" << true << LabelOf("0008070500000000FFFFFFFFFFFFFFFF");
        QTest::newRow("100") << 3 << "100"
                             << "100.00000"
                             << "" << false << LabelOf("0100000000000000FFFFFFFFFFFFFFFF");
        QTest::newRow("88.9") << 3 << "88.9"
                              << "88.90000"
                              << "" << false << LabelOf("0008080900000000FFFFFFFFFFFFFFFF");
        QTest::newRow("99.9") << 2 << "99.9"
                              << "99.90000"
                              << "CCTV1" << false << LabelOf("0009090900000000FF4343545631FFFF");
        QTest::newRow("emptied clears the row")
            << 2 << ""
            << ""
            << "" << false << LabelOf("0000000000000000FFFFFFFFFFFFFFFF");
    }
    void frequencyCommit() {
        QFETCH(int, row);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, name);
        QFETCH(bool, refused);
        QFETCH(QString, label);
        rig->type(row, 1, typed);
        QCOMPARE(rig->cell(row, 1), shown);
        QCOMPARE(rig->cell(row, 2), name);
        QCOMPARE(rig->label(), label);
        QCOMPARE(messages(), refused ? QStringList{"Operate prompt|Over the range of receive "
                                                   "frequency ."}
                                     : QStringList{});
    }

    void nameCommit_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("tooLong");
        QTest::addColumn<QString>("label");
        QTest::newRow("abcdefgh") << 1 << "abcdefgh"
                                  << "ABCDEF" << true
                                  << LabelOf("0008080900000000414243444546FFFF");
        QTest::newRow("fm") << 1 << " fm "
                            << "FM" << false << LabelOf("0008080900000000FFFFFF464DFFFFFF");
        QTest::newRow("no name without a frequency")
            << 3 << "radio"
            << "" << false << LabelOf("0000000000000000FFFFFFFFFFFFFFFF");
    }
    void nameCommit() {
        QFETCH(int, row);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(bool, tooLong);
        QFETCH(QString, label);
        rig->type(row, 2, typed);
        QCOMPARE(rig->cell(row, 2), shown);
        QCOMPARE(rig->label(), label);
        QCOMPARE(messages(), tooLong ? QStringList{"Operate Prompt|The letter of channel name max "
                                                   "6 bit . "}
                                     : QStringList{});
    }

    void theGridLosingTheFocusEncodesItsRow() {
        rig->grid()->setCurrentCell(4, 1);
        rig->grid()->view()->setFocus(Qt::MouseFocusReason);
        rig->grid()->setTextMatrix(4, 1, "101.10000");  // as if the row had been changed
        rig->box("Text_pvfo1_A")->setFocus(Qt::MouseFocusReason);
        QVERIFY(rig->label().startsWith(" 1 0 1 1 0 0 0 0 255"));
    }

    void scrollingHidesTheCellEditor() {
        rig->click(2, 1);
        QVERIFY(rig->cellEditor()->isVisible());
        emit rig->grid()->scrolled();
        QVERIFY(!rig->cellEditor()->isVisible());
    }

    // Band boxes losing the focus: the A band is 136-174 MHz, the B band 400-470 MHz.
    void bandBoxes_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("message");
        QTest::newRow("A lower 300") << "Text_pvfo1_A"
                                     << "300"
                                     << "136.00000"
                                     << "Over the range of A band lower limit frequency .";
        QTest::newRow("A lower 140.4") << "Text_pvfo1_A"
                                       << "140.4"
                                       << "140.00000"
                                       << "";
        QTest::newRow("A upper 175") << "Text_pvfo2_A"
                                     << "175"
                                     << "174.00000"
                                     << "Over the range of A band upper limit frequency .";
        QTest::newRow("B upper 399") << "Text_pvfo2_B"
                                     << "399"
                                     << "470.00000"
                                     << "Over the range of B band upper limit frequency .";
    }
    void bandBoxes() {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, message);
        const QByteArray name = box.toLatin1();
        rig->typeBox(name.constData(), typed,
                     box == "Text_pvfo2_B" ? "Text_pvfo1_A" : "Text_pvfo2_B");
        QCOMPARE(rig->box(name.constData())->text(), shown);
        QCOMPARE(messages(),
                 message.isEmpty() ? QStringList{} : QStringList{"Operate prompt|" + message});
    }

    // A lower limit above the upper one, or an upper one below the lower, gives way to the
    // band's own limit.
    void bandBoxOrder() {
        rig->box("Text_pvfo2_B")->setText("420.00000");
        rig->typeBox("Text_pvfo1_B", "430", "Text_pvfo1_A");
        QCOMPARE(rig->box("Text_pvfo1_B")->text(), QString("400.00000"));
        rig->box("Text_pvfo1_A")->setText("150.00000");
        rig->typeBox("Text_pvfo2_A", "140", "Text_pvfo1_B");
        QCOMPARE(rig->box("Text_pvfo2_A")->text(), QString("174.00000"));
        QCOMPARE(
            messages(),
            (QStringList{
                "Operate prompt|The lower limit frequency can not bigger than the upper limit .",
                "Operate prompt|The upper limit frequency can not small than the upper limit ."}));
    }

    void aTenCharacterBandBoxNamesTheLimits() {
        TextBox* box = rig->box("Text_pvfo2_B");
        box->setFocus(Qt::MouseFocusReason);
        box->selectAll();
        QTest::keyClicks(box, "470.000000");
        QCOMPARE(messages(), QStringList{"Operate prompt|The availability range of  B band "
                                         "frequency is from  400.00000MHZ to 470.00000MHZ   "});
        QVERIFY(box->hasFocus());
    }

    void clearEmptiesPresetsAndBandBoxes() {
        rig->click(2, 1);
        rig->control<QPushButton>("Command_clear")->click();
        for (int n = 1; n <= 16; ++n) {
            QCOMPARE(rig->cell(n, 1), QString());
            QCOMPARE(rig->cell(n, 2), QString());
        }
        for (const char* name : {"Text_pvfo1_A", "Text_pvfo2_A", "Text_pvfo1_B", "Text_pvfo2_B"})
            QCOMPARE(rig->box(name)->text(), QString());
        QVERIFY(!rig->cellEditor()->isVisible());
        QCOMPARE(rig->control<QLineEdit>("Text_pvfo1_FM")->text(), QString("87.50000"));
    }

    void clearAndCloseRefuseWhileATransferRuns() {
        rig->control<QPushButton>("Command_read")->click();
        QVERIFY(rig->window->engine().isBusy());
        rig->control<QPushButton>("Command_clear")->click();
        rig->control<QPushButton>("Command_close")->click();
        QCOMPARE(messages(),
                 (QStringList{"Operate prompt|Read-write operating，don't clear operate .,",
                              "Operate prompt|Read-write operating，don't close the window. ,"}));
        QCOMPARE(rig->cell(1, 1), QString("88.90000"));
        QVERIFY(rig->window->isVisible());
        rig->runTransfer();
        rig->prompt.messages.clear();
        rig->control<QPushButton>("Command_close")->click();
        QVERIFY(rig->prompt.messages.empty());
        QVERIFY(!rig->window->isVisible());
    }
};

QTEST_MAIN(FmFormTest)
#include "tst_fm_form.moc"
