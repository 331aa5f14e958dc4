#include <QProgressBar>
#include <QPushButton>

#include "FiveToneWindowRig.h"
#include "core/fivetone/FiveToneTexts.h"

using namespace orvex;
using namespace orvex::test;

namespace {

const QString kCode1Actions = "Execute after Code 1 Decode Succeeded ";

}  // namespace

// The five-tone form: controls, captions, defaults, the tabs, the frequency panel, the
// decode actions, Default and the buttons' busy refusals.
class FiveToneFormTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FiveToneWindowRig> rig;

    ListBox* list(const char* name) { return rig->control<ListBox>(name); }
    QGroupBox* frame(const char* name) { return rig->control<QGroupBox>(name); }
    QString frameTitle() { return frame("Frame_Dec_xx")->title(); }
    // The nine boxes of one frame of the shown decode code: DISP, LED, CTRL, ALERT, then
    // group-call positions 1 to 5.
    QList<bool> actionsOfFrame(int frame) {
        QList<bool> checked;
        for (const char* array : {"Check_Disp", "Check_Led", "Check_Kz", "Check_Ts", "Check_zh0",
                                  "Check_zh1", "Check_zh2", "Check_zh3", "Check_zh4"})
            checked << rig->check(QString("%1_%2").arg(array).arg(frame))->isChecked();
        return checked;
    }

  private slots:
    void init() {
        rig = std::make_unique<FiveToneWindowRig>();
        QVERIFY(rig->activated);
    }
    void cleanup() { rig.reset(); }

    void controls() {
        for (const char* name : {"Command_read", "Command_Write", "Command_def", "Command_save",
                                 "Command_open", "Command_close"})
            QVERIFY2(rig->control<QPushButton>(name), name);
        for (const char* name : {"Combo_stxh", "Combo_Enc_ys1", "Combo_Enc_ys2", "Combo_enc_ys3",
                                 "Combo_Enc_ys4", "Combo_Dec_Res_Time", "Combo_Dec_Back_Time"})
            QVERIFY2(list(name), name);
        for (const char* name : {"Combo_edit", "Combo_Encode", "Combo_Decode"}) {
            QVERIFY2(rig->dropDown(name), name);
            QVERIFY(!rig->dropDown(name)->isVisible());
        }
        for (const char* name : {"Text_Encode", "Text_Decode"}) {
            QVERIFY2(rig->box(name), name);
            QVERIFY(!rig->box(name)->isVisible());
        }
        for (int d = 0; d < 16; ++d) {
            QVERIFY(rig->control<QLabel>(QString("Label_freq_%1").arg(d)));
            QVERIFY(rig->control<QLabel>(QString("Label_code_%1").arg(d)));
        }
        for (int f = 0; f < 3; ++f)
            for (const char* array :
                 {"Check_Disp", "Check_Led", "Check_Kz", "Check_Ts", "Check_zh0", "Check_zh1",
                  "Check_zh2", "Check_zh3", "Check_zh4"})
                QVERIFY(rig->check(QString("%1_%2").arg(array).arg(f)));
        // The reply settings are never shown.
        for (const char* name : {"Check_Dec_back", "Check_Dec_Bcl", "Combo_Dec_Back_Time"})
            QVERIFY2(rig->control(name)->isHidden(), name);
        QVERIFY(!rig->check("Check_Dec_back")->isChecked());
        QVERIFY(!rig->check("Check_Dec_Bcl")->isChecked());
        QCOMPARE(list("Combo_Dec_Back_Time")->currentText(), QString("1000"));
        QVERIFY(!rig->control<QProgressBar>("ProgressBar1")->isVisible());
        QCOMPARE(rig->standards()->rows(), 16);
        QCOMPARE(rig->standards()->cols(), 4);
        QCOMPARE(rig->encode()->cols(), 6);
        QCOMPARE(rig->decode()->cols(), 9);
    }

    void captions_data() {
        QTest::addColumn<int>("language");
        QTest::newRow("English") << 0;
        QTest::newRow("Chinese") << -1;
    }
    void captions() {
        QFETCH(int, language);
        rig->window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        rig->state.Language_Flag = std::int16_t(language);
        LoadLanguageTexts(rig->state);
        rig->open();
        for (const auto& entry : fivetone_texts::kCaptions) {
            const QString expected = qt(entry.text.pick(language));
            const QString name = qt(entry.name);
            if (name == "frm_5tone") {
                QCOMPARE(rig->window->windowTitle(), expected);
            } else if (auto* box = rig->control<QGroupBox>(name)) {
                QCOMPARE(box->title(), expected);
            } else if (auto* button = rig->control<QAbstractButton>(name)) {
                QCOMPARE(button->text(), expected);
            } else {
                auto* label = rig->control<QLabel>(name);
                QVERIFY2(label, qPrintable(name));
                QCOMPARE(label->text(), expected);
            }
        }
        for (int t = 0; t < 3; ++t)
            QCOMPARE(rig->tabs()->tabText(t), qt(fivetone_texts::kTabs[size_t(t)].pick(language)));
        const QString headings = qt(fivetone_texts::kDecodeHeader.pick(language));
        const QStringList columns = headings.split('|');
        for (int col = 0; col < columns.size(); ++col)
            QCOMPARE(rig->decode()->textMatrix(0, col), columns[col].mid(1));
        QCOMPARE(frameTitle(),
                 language ? QString("1 信息码各组编码成功解码后执行操作") : kCode1Actions);
        // The function names of the decode defaults follow the language of the moment.
        QCOMPARE(rig->cell(rig->decode(), 1, 3),
                 language ? QString("1.主叫") : QString("1.Primary Caller ID"));
    }

    void defaults() {
        FlexGrid* standards = rig->standards();
        QCOMPARE(rig->rowOf(standards, 1), (QStringList{"100", "A", "E"}));
        QCOMPARE(rig->rowOf(standards, 12), (QStringList{"100", "A", "E"}));
        QCOMPARE(rig->rowOf(standards, 11), (QStringList{"30", "A", "E"}));
        QCOMPARE(rig->rowOf(standards, 15), (QStringList{"40", "A", "E"}));
        QCOMPARE(standards->textMatrix(9, 0), QString("PDZVEI"));
        QCOMPARE(rig->rowOf(rig->encode(), 1),
                 (QStringList{"12345", "34567", "56789", "01234", "CCIR1"}));
        QCOMPARE(rig->rowOf(rig->encode(), 15),
                 (QStringList{"23456", "45678", "67890", "12345", "MODAT"}));
        QCOMPARE(rig->rowOf(rig->encode(), 7), (QStringList{"", "", "", "", ""}));
        QCOMPARE(rig->encode()->textMatrix(7, 0), QString("7"));
        QCOMPARE(rig->rowOf(rig->decode(), 1),
                 (QStringList{"CCIR1", "12345", "1.Primary Caller ID", "34567",
                              "2.Secondary Caller ID", "56789", "0.Open Speak", "01234"}));
        QCOMPARE(rig->rowOf(rig->decode(), 15),
                 (QStringList{"MODAT", "23456", "1.Primary Caller ID", "45678",
                              "2.Secondary Caller ID", "67890", "0.Open Speak", "12345"}));
        QCOMPARE(rig->decode()->textMatrix(15, 0), QString("15"));
        QCOMPARE(list("Combo_Enc_ys1")->currentText(), QString("400"));
        QCOMPARE(list("Combo_Enc_ys2")->currentText(), QString("200"));
        QCOMPARE(list("Combo_enc_ys3")->currentText(), QString("200"));
        QCOMPARE(list("Combo_Enc_ys4")->currentText(), QString("0"));
        QCOMPARE(list("Combo_Enc_ys4")->count(), 101);
        QCOMPARE(list("Combo_Dec_Res_Time")->currentText(), QString("6000"));
        QCOMPARE(list("Combo_Dec_Res_Time")->count(), 80);
        QCOMPARE(list("Combo_stxh")->currentText(), QString("CCIR1"));
        QCOMPARE(frameTitle(), kCode1Actions);
        QCOMPARE(actionsOfFrame(0),
                 (QList<bool>{true, true, false, false, false, false, false, false, false}));
        QCOMPARE(actionsOfFrame(1), QList<bool>(9, false));
    }

    void tabsShowTheirFrame_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("shown");
        QTest::newRow("Standard") << 0 << "Frame_std";
        QTest::newRow("Encode") << 1 << "Frame_encode";
        QTest::newRow("Decode") << 2 << "Frame_decode";
    }
    void tabsShowTheirFrame() {
        QFETCH(int, tab);
        QFETCH(QString, shown);
        if (tab == 0) rig->showTab(1);
        rig->showTab(tab);
        for (const char* name : {"Frame_std", "Frame_encode", "Frame_decode"})
            QCOMPARE(frame(name)->isVisible(), shown == name);
    }

    void decodeTabSelectsCodeOne() {
        rig->showTab(2);
        rig->click(rig->decode(), 7, 0);
        QCOMPARE(frameTitle(), QString("Execute after Code 7 Decode Succeeded "));
        QCOMPARE(rig->window->selectedDecodeCode(), 6);
        rig->check("Check_Kz_2")->click();
        QCOMPARE(actionsOfFrame(2),
                 (QList<bool>{false, false, true, false, false, false, false, false, false}));
        rig->showTab(1);
        rig->showTab(2);
        QCOMPARE(frameTitle(), kCode1Actions);
        QCOMPARE(rig->window->selectedDecodeCode(), 0);
        QCOMPARE(actionsOfFrame(0).mid(0, 2), (QList<bool>{true, true}));
        QCOMPARE(actionsOfFrame(2), QList<bool>(9, false));
        // Code 7 kept its action.
        rig->click(rig->decode(), 7, 0);
        QVERIFY(rig->check("Check_Kz_2")->isChecked());
    }

    // Every box stores its own bit of its frame in the selected code.
    void actionBoxesStoreTheirBits_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("index");  // in the code's six action values
        QTest::addColumn<int>("value");
        QTest::newRow("DISP, frame 1") << "Check_Disp_0" << 0 << 1;
        QTest::newRow("LED, frame 2") << "Check_Led_1" << 2 << 2;
        QTest::newRow("CTRL, frame 3") << "Check_Kz_2" << 4 << 4;
        QTest::newRow("ALERT, frame 1") << "Check_Ts_0" << 0 << 8;
        QTest::newRow("position 1, frame 1") << "Check_zh0_0" << 1 << 1;
        QTest::newRow("position 3, frame 2") << "Check_zh2_1" << 3 << 4;
        QTest::newRow("position 5, frame 3") << "Check_zh4_2" << 5 << 16;
    }
    void actionBoxesStoreTheirBits() {
        QFETCH(QString, box);
        QFETCH(int, index);
        QFETCH(int, value);
        rig->showTab(2);
        rig->click(rig->decode(), 4, 0);
        rig->check(box)->click();
        const FiveToneSettings s = rig->window->settings();
        DecodeActionValues expected{};
        expected[size_t(index)] = std::uint8_t(value);
        QCOMPARE(s.DecodeActions[3], expected);
        QCOMPARE(s.DecodeActions[0], (DecodeActionValues{3, 0, 0, 0, 0, 0}));
        rig->check(box)->click();
        QCOMPARE(rig->window->settings().DecodeActions[3], DecodeActionValues{});
    }

    void frequencyPanel() {
        const auto frequency = [&](int d) {
            return rig->control<QLabel>(QString("Label_freq_%1").arg(d))->text();
        };
        QCOMPARE(frequency(0), QString("1981.0"));
        QCOMPARE(frequency(10), QString("2400.0"));
        QCOMPARE(rig->control<QLabel>("Label_code_10")->text(), QString("A"));
        QCOMPARE(rig->control<QLabel>("Label_code_9")->text(), QString("9"));
        // A row of the standards grid selects its standard.
        rig->click(rig->standards(), 12, 0);
        QCOMPARE(list("Combo_stxh")->currentText(), QString("EURO"));
        QCOMPARE(frequency(0), QString("979.8"));
        QCOMPARE(frequency(10), QString("0.0"));
        QCOMPARE(frequency(14), QString("1062.9"));
        list("Combo_stxh")->setCurrentIndex(14);
        QCOMPARE(frequency(14), QString("487.5"));
    }

    // Default restores the defaults of codes 1 and 15 and keeps the rest.
    void defaultKeepsWhatItDoesNotSet() {
        FiveToneSettings s = rig->window->settings();
        s.encode[0].frames[0] = "99999";
        s.encode[4] = {{"11111", "22222", "33333"}, "44444", "EEA"};
        s.decode[0].reply = "77777";
        s.decode[5] = {"EIA", {"55555", "", ""}, {"3.Monitor", "", ""}, "66666"};
        s.standards[3] = {"200", "F", "0"};
        s.DecodeActions[0] = {15, 31, 15, 31, 15, 31};
        s.DecodeActions[5] = {1, 2, 3, 4, 5, 6};
        s.DecodeActions[14] = {0, 7, 0, 0, 0, 0};
        s.replyAfterAll = true;
        s.replyWhenIdle = true;
        s.replyDelay = 9;
        s.resetTime = 3;
        s.encodeTimings = {1, 2, 3, 4};
        rig->window->showSettings(s);
        rig->showTab(2);
        rig->click(rig->decode(), 6, 0);

        rig->control<QPushButton>("Command_def")->click();
        const FiveToneSettings after = rig->window->settings();
        QCOMPARE(after.encode[0].frames[0], std::string("12345"));
        QVERIFY(after.encode[4] == s.encode[4]);
        QCOMPARE(after.decode[0].reply, std::string("01234"));
        QVERIFY(after.decode[5] == s.decode[5]);
        QCOMPARE(after.standards[3].period, std::string("70"));
        QCOMPARE(after.standards[3].groupTone, std::string("A"));
        QCOMPARE(after.DecodeActions[0], (DecodeActionValues{3, 31, 15, 31, 15, 31}));
        QCOMPARE(after.DecodeActions[5], (DecodeActionValues{1, 2, 3, 4, 5, 6}));
        QCOMPARE(after.DecodeActions[14], (DecodeActionValues{12, 7, 0, 0, 0, 0}));
        QVERIFY(after.replyAfterAll);
        QVERIFY(after.replyWhenIdle);
        QCOMPARE(after.replyDelay, 5);
        QCOMPARE(after.resetTime, 59);
        QCOMPARE(after.encodeTimings, (std::array<int, 4>{40, 20, 20, 0}));
        QCOMPARE(frameTitle(), kCode1Actions);
        QVERIFY(rig->prompt.messages.empty());
    }

    void typingIntoAListChangesNothing_data() {
        QTest::addColumn<QString>("name");
        for (const char* name : {"Combo_stxh", "Combo_Enc_ys1", "Combo_Dec_Res_Time"})
            QTest::newRow(name) << name;
    }
    void typingIntoAListChangesNothing() {
        QFETCH(QString, name);
        if (name != "Combo_stxh") rig->showTab(name == "Combo_Enc_ys1" ? 1 : 2);
        ListBox* box = list(qPrintable(name));
        const QString before = box->currentText();
        box->setFocus();
        QTest::keyClicks(box, "8");
        QCOMPARE(box->currentText(), before);
    }

    void buttonsRefuseWhileATransferRuns() {
        rig->control<QPushButton>("Command_read")->click();
        QVERIFY(rig->window->engine().isBusy());
        FiveToneSettings before = rig->window->settings();
        for (const char* name : {"Command_read", "Command_Write", "Command_def", "Command_open",
                                 "Command_save", "Command_close"}) {
            rig->prompt.messages.clear();
            rig->control<QPushButton>(name)->click();
            QCOMPARE(rig->prompt.messages.size(), size_t(1));
            QCOMPARE(rig->prompt.messages[0].title, std::string("Operate prompt"));
            QCOMPARE(rig->prompt.messages[0].text,
                     std::string("Read-write operating with transceiver ."));
        }
        QVERIFY(rig->window);
        QVERIFY(rig->window->isVisible());
        QVERIFY(rig->window->settings() == before);
        rig->runTransfer();
    }

    // Open and Save do nothing when no transfer runs.
    void openAndSaveDoNothing() {
        rig->control<QPushButton>("Command_open")->click();
        rig->control<QPushButton>("Command_save")->click();
        QVERIFY(rig->prompt.messages.empty());
        QVERIFY(rig->window->isVisible());
    }

    void geometry() {
        const QSize size = rig->window->size();
        QCOMPARE(size.width(), int(1600 / 1.3));
        QCOMPARE(size.height(), int(1000 / 1.25));
    }
};

QTEST_MAIN(FiveToneFormTest)
#include "tst_fivetone_form.moc"
