#include <QPushButton>

#include "TwoToneWindowRig.h"
#include "core/twotone/TwoToneTexts.h"
#include "windows/dialogs/FileDialog.h"
#include "windows/shell/ChildWindow.h"

using namespace orvex;
using namespace orvex::test;

namespace {

const std::string kRange = "Frequency range 300Hz to 3000Hz";
const std::string kBusy = "Read-write operating with transceiver .";

}  // namespace

// The two-tone form: controls, captions and defaults, the tabs, the cell editors of both
// grids, the tone boxes, the lists, Default, Open, Save and Close.
class TwoToneFormTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TwoToneWindowRig> rig;

    QPushButton* button(const char* name) { return rig->control<QPushButton>(name); }
    ListBox* list(const char* name) { return rig->control<ListBox>(name); }
    QString enc(int row, int col) { return rig->encode()->textMatrix(row, col); }
    QString dec(int row, int col) { return rig->decode()->textMatrix(row, col); }
    QStringList decodeRow(int row) {
        QStringList cells;
        for (int col = 1; col <= 12; ++col)
            cells << dec(row, col);
        return cells;
    }

  private slots:
    void init() {
        rig = std::make_unique<TwoToneWindowRig>();
        QVERIFY(rig->activated);
    }
    void cleanup() { rig.reset(); }

    void controlsAtLoad() {
        for (const char* name : {"Command_read", "Command_Write", "Command_def", "Command_save",
                                 "Command_open", "Command_close"})
            QVERIFY2(button(name), name);
        QCOMPARE(rig->tabs()->count(), 2);
        QCOMPARE(rig->tabs()->currentIndex(), 0);
        QVERIFY(rig->control<QGroupBox>("Frame_encode")->isVisible());
        QVERIFY(rig->control<QGroupBox>("Frame_Decode")->isHidden());
        for (const char* name :
             {"Combo_Enc_ys1", "Combo_Enc_ys2", "Combo_enc_ys3", "Combo_Dec_Res_Time"})
            QVERIFY2(list(name), name);
        for (int i = 0; i < 4; ++i)
            QVERIFY(rig->tone(i));
        QCOMPARE(rig->encode()->rows(), 16);
        QCOMPARE(rig->encode()->cols(), 3);
        QCOMPARE(rig->decode()->rows(), 16);
        QCOMPARE(rig->decode()->cols(), 13);
        QVERIFY(!rig->cellEditor()->isVisible());
        QVERIFY(!rig->cellList()->isVisible());
        QVERIFY(!rig->bar()->isVisible());
        QCOMPARE(rig->window->selectedDecodeCode(), 0);
        QCOMPARE(rig->frameCaption(), QString(" 1 Decode 2 Tone Frequency"));
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
        const bool chinese = language != 0;
        const QList<std::pair<const char*, QString>> captions = {
            {"Frame_encode", chinese ? "2 TONE 编码" : "2 TONE Encode"},
            {"Frame_Decode", chinese ? "2 TONE 解码" : "2 TONE Decode"},
            {"Label_1st", chinese ? "发送第 1 个频率时间长度（MS）" : "1st Tone Duration(MS)"},
            {"Label_2nd", chinese ? "发送第 2 个频率时间长度（MS）" : "2nd Tone Duration(MS)"},
            {"Label_gap", chinese ? "前后两个频率的间隔时长 （MS）" : "Gap of Tone (MS)"},
            {"Label_A_tone", chinese ? "A 音（HZ）" : "A Tone( HZ )"},
            {"Label_B_Tone", chinese ? "B 音（HZ）" : "B Tone( HZ )"},
            {"Label_C_Tone", chinese ? "C 音（HZ）" : "C Tone( HZ )"},
            {"Label_D_Tone", chinese ? "D 音（HZ）" : "D Tone( HZ )"},
            {"Label_Reset", chinese ? "复位时间（MS）" : "Reset_Time (MS)"},
            {"Command_read", chinese ? "读 取" : "Read"},
            {"Command_Write", chinese ? "写  入" : "Write"},
            {"Command_def", chinese ? "默 认" : "Default"},
            {"Command_save", chinese ? "保  存" : "Save"},
            {"Command_open", chinese ? "打  开" : "Open"},
            {"Command_close", chinese ? "关  闭" : "Close"},
        };
        for (const auto& [name, text] : captions) {
            QWidget* control = rig->control(name);
            QVERIFY2(control, name);
            const char* property = qobject_cast<QGroupBox*>(control) ? "title" : "text";
            QCOMPARE(control->property(property).toString(), text);
        }
        QCOMPARE(rig->window->windowTitle(),
                 chinese ? QString("2 TONE 编解码参数编辑") : QString("2 TONE"));
        QCOMPARE(rig->tabs()->tabText(0), chinese ? QString("编码") : QString("Encode"));
        QCOMPARE(rig->tabs()->tabText(1), chinese ? QString("解码") : QString("Decode"));
        QCOMPARE(rig->frameCaption(),
                 chinese ? QString(" 1 解码信息两音频率") : QString(" 1 Decode 2 Tone Frequency"));
        QCOMPARE(enc(0, 1), chinese ? QString(" 第 1 个频率(HZ) ") : QString(" 1st Frequency(HZ)"));
        QCOMPARE(dec(0, 2), chinese ? QString("   响 应 方 式  ") : QString("    Response   "));
        QCOMPARE(dec(0, 12), chinese ? QString("提示") : QString("Alert"));
        QCOMPARE(dec(1, 2), chinese ? QString("1.提醒") : QString("1.Alert"));

        // A language switch changes no caption of the open window; messages follow it.
        rig->state.Language_Flag = std::int16_t(chinese ? 0 : -1);
        rig->chooseTab(1);
        rig->selectCode(4);
        QCOMPARE(rig->frameCaption(),
                 chinese ? QString("4 Decode 2 Tone Frequency") : QString("4 解码信息两音频率"));
        QCOMPARE(rig->window->windowTitle(),
                 chinese ? QString("2 TONE 编解码参数编辑") : QString("2 TONE"));
    }

    void defaults() {
        const QList<std::tuple<int, QString, QString>> encode = {
            {1, "1981.0", "1124.0"},
            {2, "1358.0", "1446.0"},
            {3, "1540.0", "1640.0"},
            {4, "", ""},
            {11, "", ""},
            {12, "2200.0", "970.0"},
            {13, "1060.0", "1160.0"},
            {14, "1400.0", "1530.0"},
            {15, "1670.0", "1830.0"},
        };
        for (const auto& [row, first, second] : encode) {
            QCOMPARE(enc(row, 1), first);
            QCOMPARE(enc(row, 2), second);
        }
        const QStringList forward = {"A-B", "1.Alert",           "1", "B-C", "2.Transpond", "2",
                                     "C-D", "3.Alert+Transpond", "3", "D-A", "0.None",      "4"};
        const QStringList backward = {"D-A", "0.None",      "4", "C-D", "3.Alert+Transpond", "3",
                                      "B-C", "2.Transpond", "2", "A-B", "1.Alert",           "1"};
        QCOMPARE(decodeRow(1), forward);
        QCOMPARE(decodeRow(2), forward);
        QCOMPARE(decodeRow(14), forward);
        QCOMPARE(decodeRow(15), backward);
        QCOMPARE(decodeRow(3), QStringList(12, QString()));
        QCOMPARE(decodeRow(13), QStringList(12, QString()));
        for (int row = 1; row <= 15; ++row) {
            QCOMPARE(enc(row, 0), QString::number(row));
            QCOMPARE(dec(row, 0), QString::number(row));
        }
        QCOMPARE(list("Combo_Enc_ys1")->currentText(), QString("600"));
        QCOMPARE(list("Combo_Enc_ys2")->currentText(), QString("600"));
        QCOMPARE(list("Combo_enc_ys3")->currentText(), QString("300"));
        QCOMPARE(list("Combo_Enc_ys1")->count(), 101);
        QCOMPARE(list("Combo_Enc_ys1")->itemText(100), QString("1000"));
        QCOMPARE(list("Combo_Dec_Res_Time")->currentText(), QString("6000"));
        QCOMPARE(list("Combo_Dec_Res_Time")->count(), 80);
        QCOMPARE(rig->toneTexts(), QString("1981.0|1124.0|1197.0|1275.0"));
        rig->chooseTab(1);
        const QList<std::pair<int, QString>> tones = {{1, "1981.0|1124.0|1197.0|1275.0"},
                                                      {2, "1358.0|1446.0|1540.0|1640.0"},
                                                      {3, "2200.0|970.0|1060.0|1160.0"},
                                                      {4, "1400.0|1530.0|1670.0|1830.0"},
                                                      {5, "|||"},
                                                      {15, "|||"}};
        for (const auto& [code, texts] : tones) {
            rig->selectCode(code);
            QCOMPARE(rig->toneTexts(), texts);
        }
    }

    // The window against a main window of 1600 x 1000 pixels, a tab strip and frames by the
    // window's width, the frames 6100 twips high and 200 twips below the tabs.
    void geometry() {
        QCOMPARE(rig->window->size(), QSize(1333, 800));
        QTabBar* tabs = rig->tabs();
        auto* encodeFrame = rig->control<QGroupBox>("Frame_encode");
        auto* decodeFrame = rig->control<QGroupBox>("Frame_Decode");
        QCOMPARE(tabs->width(), int(1333 / 1.02));
        for (QGroupBox* frame : {encodeFrame, decodeFrame}) {
            QCOMPARE(frame->geometry(), QRect(tabs->x(), tabs->height() + 13, tabs->width(), 406));
        }
        QCOMPARE(rig->encode()->width(), int(tabs->width() / 2.6));
        QCOMPARE(rig->decode()->width(), int(tabs->width() / 1.02));
        QCOMPARE(rig->decode()->height(), 266);
    }

    void tabs() {
        rig->typeEncode(2, 1, "2000");
        QVERIFY(rig->cellEditor()->isVisible());
        rig->chooseTab(1);
        QVERIFY(rig->control<QGroupBox>("Frame_Decode")->isVisible());
        QVERIFY(rig->control<QGroupBox>("Frame_encode")->isHidden());
        QVERIFY(rig->cellEditor()->isHidden());
        QCOMPARE(rig->frameCaption(), QString("1 Decode 2 Tone Frequency"));

        // Choosing tab 2 again selects decode code 1 again.
        rig->selectCode(3);
        QCOMPARE(rig->window->selectedDecodeCode(), 2);
        QCOMPARE(rig->toneTexts(), QString("2200.0|970.0|1060.0|1160.0"));
        rig->chooseTab(1);
        QCOMPARE(rig->window->selectedDecodeCode(), 0);
        QCOMPARE(rig->toneTexts(), QString("1981.0|1124.0|1197.0|1275.0"));
        QCOMPARE(rig->frameCaption(), QString("1 Decode 2 Tone Frequency"));

        rig->selectCode(3);
        rig->chooseTab(0);
        QVERIFY(rig->control<QGroupBox>("Frame_encode")->isVisible());
        QVERIFY(rig->control<QGroupBox>("Frame_Decode")->isHidden());
        QCOMPARE(rig->window->selectedDecodeCode(), 2);
    }

    void encodeCellEditing_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<bool>("message");
        QTest::newRow("half rounds up") << "1062.5"
                                        << "1063.0" << false;
        QTest::newRow("odd half rounds up") << "1063.5"
                                            << "1064.0" << false;
        QTest::newRow("lowest") << "300"
                                << "300.0" << false;
        QTest::newRow("highest") << "3000"
                                 << "3000.0" << false;
        QTest::newRow("299.6 refused") << "299.6"
                                       << "1446.0" << true;
        QTest::newRow("3000.4 refused") << "3000.4"
                                        << "1446.0" << true;
        QTest::newRow("letters refused") << "abc"
                                         << "1446.0" << true;
        QTest::newRow("empty keeps the cell") << ""
                                              << "1446.0" << false;
        QTest::newRow("blanks keep the cell") << "   "
                                              << "1446.0" << false;
    }
    void encodeCellEditing() {
        QFETCH(QString, typed);
        QFETCH(QString, cell);
        QFETCH(bool, message);
        rig->click(rig->encode(), 2, 2);
        QVERIFY(rig->cellEditor()->isVisible());
        QVERIFY(rig->cellEditor()->hasFocus());
        QCOMPARE(rig->cellEditor()->text(), QString("1446.0"));
        QCOMPARE(rig->cellEditor()->geometry(), rig->encode()->cellRect());
        rig->typeEncode(2, 2, typed);
        rig->click(rig->encode(), 5, 1);  // leaves the cell
        QCOMPARE(enc(2, 2), cell);
        QCOMPARE(rig->prompt.texts(),
                 message ? std::vector<std::string>{kRange} : std::vector<std::string>{});
        if (message) QCOMPARE(rig->prompt.messages[0].title, std::string("Operate Prompt\""));
        // The editor opens afresh on the next cell.
        QCOMPARE(rig->cellEditor()->text(), QString());
        QVERIFY(rig->cellEditor()->isVisible());
        QCOMPARE(rig->cellEditor()->geometry(), rig->encode()->cellRect());
    }

    void rangeMessageInChinese() {
        rig->state.Language_Flag = -1;
        rig->typeEncode(1, 1, "10");
        rig->click(rig->encode(), 1, 2);
        QCOMPARE(rig->prompt.messages.at(0).title, std::string("操作提示"));
        QCOMPARE(rig->prompt.messages.at(0).text,
                 std::string("频率范围在 300.0 HZ - 3000.0 HZ 之间  ！"));
    }

    void encodeNumbersAndDoubleClicks() {
        // A click on the code numbers opens no editor.
        rig->click(rig->encode(), 3, 0);
        QVERIFY(!rig->cellEditor()->isVisible());
        rig->doubleClick(rig->encode(), 3, 0);
        QCOMPARE(enc(3, 1), QString());
        QCOMPARE(enc(3, 2), QString());
        QCOMPARE(enc(2, 1), QString("1358.0"));
        QCOMPARE(enc(3, 0), QString("3"));
        // The headings stay whatever is double-clicked.
        rig->doubleClick(rig->encode(), 0, 0);
        rig->doubleClick(rig->decode(), 0, 0);
        QCOMPARE(enc(0, 1), QString(" 1st Frequency(HZ)"));
        QCOMPARE(enc(0, 2), QString(" 2nd Frequency(HZ)"));
        QCOMPARE(dec(0, 1), QString("Dec_1"));
    }

    void toneBoxes_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("message");
        QTest::addColumn<QString>("stored");  // the box after coming back to the code
        QTest::newRow("half rounds to even, down") << "1062.5"
                                                   << "1062.0" << false << "1062.0";
        QTest::newRow("half rounds to even, up") << "1063.5"
                                                 << "1064.0" << false << "1064.0";
        QTest::newRow("not a half") << "1062.6"
                                    << "1063.0" << false << "1063.0";
        QTest::newRow("299.6 refused") << "299.6"
                                       << "" << true << "1446.0";
        QTest::newRow("3000.4 refused") << "3000.4"
                                        << "" << true << "1446.0";
        QTest::newRow("emptied") << ""
                                 << "" << false << "1446.0";
    }
    void toneBoxes() {
        QFETCH(QString, typed);
        QFETCH(QString, box);
        QFETCH(bool, message);
        QFETCH(QString, stored);
        rig->chooseTab(1);
        rig->selectCode(2);
        rig->typeTone(1, typed);
        QCOMPARE(rig->tone(1)->text(), box);
        QCOMPARE(rig->tone(1)->hasFocus(), message);
        QCOMPARE(rig->prompt.texts(),
                 message ? std::vector<std::string>{kRange} : std::vector<std::string>{});
        if (message) QCOMPARE(rig->prompt.messages[0].title, std::string("Operate Prompt\""));
        // Another code and back again: what the tone set holds.
        rig->selectCode(5);
        QCOMPARE(rig->toneTexts(), QString("|||"));
        rig->selectCode(2);
        QCOMPARE(rig->tone(1)->text(), stored);
        QCOMPARE(rig->toneTexts(), "1358.0|" + stored + "|1540.0|1640.0");
    }

    // A tone goes to the code it was typed for, also when another code is chosen while the
    // box still has the focus.
    void toneStaysWithItsCode() {
        rig->chooseTab(1);
        rig->selectCode(6);
        rig->typeTone(0, "1500", false);
        rig->selectCode(7);
        QCOMPARE(rig->toneTexts(), QString("|||"));
        rig->selectCode(6);
        QCOMPARE(rig->toneTexts(), QString("1500.0|||"));
        const ToneSetLine line = rig->window->settings().toneSets[5];
        QCOMPARE(int(line[0] | line[1] << 8), 1500);
        QCOMPARE(int(line[8] | line[9] << 8), 1536);  // 1 / 1500 * 1000 / 0.000434028
        QCOMPARE(rig->window->settings().toneSets[6], ToneSetLine{});

        // Tab 2 chosen again while a box still has the focus.
        rig->typeTone(3, "2700", false);
        rig->chooseTab(1);
        QCOMPARE(rig->window->selectedDecodeCode(), 0);
        QCOMPARE(rig->toneTexts(), QString("1981.0|1124.0|1197.0|1275.0"));
        rig->selectCode(6);
        QCOMPARE(rig->toneTexts(), QString("1500.0|||2700.0"));
    }

    void decodeCellLists_data() {
        QTest::addColumn<int>("col");
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<QString>("preselected");
        const QStringList pairs = {"A-B", "A-C", "A-D", "B-A", "B-C", "B-D",
                                   "C-A", "C-B", "C-D", "D-A", "D-B", "D-C"};
        const QStringList replies = {"0.None", "1.Alert", "2.Transpond", "3.Alert+Transpond"};
        QStringList alerts;
        for (int n = 1; n <= 16; ++n)
            alerts << QString::number(n);
        QTest::newRow("pair of slot 1") << 1 << pairs << "A-B";
        QTest::newRow("response of slot 2") << 5 << replies << "2.Transpond";
        QTest::newRow("alert of slot 3") << 9 << alerts << "1";
        QTest::newRow("alert of slot 4") << 12 << alerts << "1";
    }
    void decodeCellLists() {
        QFETCH(int, col);
        QFETCH(QStringList, items);
        QFETCH(QString, preselected);
        rig->chooseTab(1);
        rig->click(rig->decode(), 14, col);
        OverlayDropDown* list = rig->cellList();
        QVERIFY(list->isVisible());
        QVERIFY(list->hasFocus());
        QStringList shown;
        for (int i = 0; i < list->count(); ++i)
            shown << list->itemText(i);
        QCOMPARE(shown, items);
        QCOMPARE(list->text(), preselected);
        const QRect cell = rig->decode()->cellRect();
        QCOMPARE(list->geometry().topLeft(), cell.topLeft());
        QCOMPARE(list->width(), cell.width());
        QCOMPARE(rig->frameCaption(), QString("14 Decode 2 Tone Frequency"));
        QCOMPARE(rig->toneTexts(), QString("|||"));

        // Typing changes nothing; an item chosen with the keys is what the cell receives.
        QTest::keyClicks(list, "x9");
        QCOMPARE(list->text(), preselected);
        QTest::keyClick(list, Qt::Key_Down);
        const QString chosen = items.at(items.indexOf(preselected) + 1);
        QCOMPARE(list->text(), chosen);
        QTest::keyClicks(list, "z");
        QCOMPARE(list->text(), chosen);
        rig->click(rig->decode(), 13, 1);
        QCOMPARE(dec(14, col), chosen);
    }

    // A response or alert of a slot without a pair is emptied as its cell is left.
    void slotCellsNeedTheirPair() {
        rig->chooseTab(1);
        rig->click(rig->decode(), 5, 2);
        rig->click(rig->decode(), 5, 3);
        QCOMPARE(dec(5, 2), QString());
        rig->click(rig->decode(), 5, 4);
        QCOMPARE(dec(5, 3), QString());
        rig->click(rig->decode(), 5, 1);
        QCOMPARE(dec(5, 4), QString("A-B"));
        rig->click(rig->decode(), 5, 5);
        QCOMPARE(dec(5, 1), QString("A-B"));
        rig->click(rig->decode(), 5, 6);
        QCOMPARE(dec(5, 5), QString("2.Transpond"));
        rig->click(rig->decode(), 6, 1);
        QCOMPARE(dec(5, 6), QString("1"));
        QCOMPARE(decodeRow(5),
                 (QStringList{"A-B", "", "", "A-B", "2.Transpond", "1", "", "", "", "", "", ""}));
    }

    void decodeDoubleClickEmptiesTheCode() {
        rig->chooseTab(1);
        rig->selectCode(3);
        rig->click(rig->decode(), 1, 2);  // the list open in the row
        rig->doubleClick(rig->decode(), 1, 0);
        QCOMPARE(decodeRow(1), QStringList(12, QString()));
        QCOMPARE(decodeRow(2).at(0), QString("A-B"));
        QCOMPARE(rig->window->selectedDecodeCode(), 0);
        QCOMPARE(rig->toneTexts(), QString("|||"));
        QCOMPARE(rig->window->settings().toneSets[0], ToneSetLine{});
        QVERIFY(rig->window->settings().toneSets[1] != ToneSetLine{});
        // Leaving the cell puts nothing back.
        rig->click(rig->decode(), 4, 4);
        QCOMPARE(dec(1, 2), QString());
    }

    void listsRejectTyping() {
        for (const char* name : {"Combo_Enc_ys1", "Combo_Enc_ys2", "Combo_enc_ys3"}) {
            ListBox* box = list(name);
            const QString before = box->currentText();
            box->setFocus();
            QTest::keyClicks(box, "90");
            QCOMPARE(box->currentText(), before);
            QTest::keyClick(box, Qt::Key_Down);
            QCOMPARE(box->currentText(), QString::number(before.toInt() + 10));
        }
        rig->chooseTab(1);
        ListBox* reset = list("Combo_Dec_Res_Time");
        reset->setFocus();
        QTest::keyClicks(reset, "1");
        QCOMPARE(reset->currentText(), QString("6000"));
        QTest::keyClick(reset, Qt::Key_Up);
        QCOMPARE(rig->window->settings().resetTime, 58);
        QCOMPARE(rig->window->settings().firstTone, 61);
    }

    // Default with decode code 6 chosen: its empty tone set in the boxes, the default tone
    // sets of codes 1 to 4 stored, and the cells of codes without defaults left as they are.
    void defaultWhileCode6IsChosen() {
        rig->typeEncode(5, 1, "2000");
        rig->typeEncode(1, 1, "500");
        rig->click(rig->encode(), 6, 1);
        list("Combo_Enc_ys1")->setCurrentIndex(3);
        rig->chooseTab(1);
        rig->doubleClick(rig->decode(), 2, 0);
        rig->click(rig->decode(), 7, 1);
        rig->click(rig->decode(), 8, 1);
        rig->selectCode(6);
        rig->typeTone(0, "2500");
        rig->bar()->show();
        rig->bar()->setValue(40);

        button("Command_def")->click();
        QCOMPARE(rig->window->selectedDecodeCode(), 5);
        QCOMPARE(rig->toneTexts(), QString("|||"));
        QCOMPARE(rig->frameCaption(), QString("6 Decode 2 Tone Frequency"));
        const ToneSets sets = rig->window->settings().toneSets;
        QCOMPARE(int(sets[0][0] | sets[0][1] << 8), 1981);
        QCOMPARE(int(sets[0][8] | sets[0][9] << 8), 1163);
        QCOMPARE(int(sets[1][0] | sets[1][1] << 8), 1358);
        QCOMPARE(int(sets[3][6] | sets[3][7] << 8), 1830);
        QCOMPARE(sets[5], ToneSetLine{});
        QCOMPARE(enc(1, 1), QString("1981.0"));
        QCOMPARE(enc(5, 1), QString("2000.0"));  // code 5 has no defaults
        QCOMPARE(dec(2, 1), QString("A-B"));
        QCOMPARE(dec(7, 1), QString("A-B"));  // code 7 has no defaults
        QCOMPARE(list("Combo_Enc_ys1")->currentText(), QString("600"));
        QVERIFY(!rig->bar()->isVisible());
        QCOMPARE(rig->bar()->value(), 0);
        QCOMPARE(rig->label(), QString());
        rig->selectCode(4);
        QCOMPARE(rig->toneTexts(), QString("1400.0|1530.0|1670.0|1830.0"));
    }

    void busyRefusals() {
        button("Command_read")->click();
        rig->clock.advanceMs(100);
        for (const char* name : {"Command_read", "Command_Write", "Command_def", "Command_open",
                                 "Command_save", "Command_close"})
            button(name)->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(rig->prompt.texts(), std::vector<std::string>(6, kBusy));
        for (const auto& message : rig->prompt.messages)
            QCOMPARE(message.title, std::string("Operate prompt"));
        QVERIFY(rig->window && rig->window->isVisible());
        QCOMPARE(enc(1, 1), QString("1981.0"));
        rig->runTransfer();
    }

    // Open and Save have nothing to do when no transfer runs.
    void openAndSaveDoNothing() {
        button("Command_open")->click();
        button("Command_save")->click();
        QVERIFY(rig->prompt.messages.empty());
        for (QWidget* top : QApplication::topLevelWidgets())
            QVERIFY(!top->objectName().startsWith("Form_") || !top->isVisible());
    }

    // Close also closes the optional-features file dialogs, whoever showed them.
    void closeClosesTheMenuDialogs() {
        QPointer<FileDialog> open =
            new FileDialog(FileDialogKind::OpenMenu, rig->state, rig->prompt, 99);
        QPointer<FileDialog> save =
            new FileDialog(FileDialogKind::SaveMenu, rig->state, rig->prompt, 99);
        QPointer<FileDialog> channels =
            new FileDialog(FileDialogKind::OpenChann, rig->state, rig->prompt, 98);
        for (FileDialog* dialog : {open.data(), save.data(), channels.data()})
            dialog->show();
        button("Command_close")->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!rig->window);
        QVERIFY(!open || !open->isVisible());
        QVERIFY(!save || !save->isVisible());
        QVERIFY(channels && channels->isVisible());
        delete channels.data();
    }
};

QTEST_MAIN(TwoToneFormTest)
#include "tst_twotone_form.moc"
