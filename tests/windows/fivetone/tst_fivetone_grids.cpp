#include "FiveToneWindowRig.h"

using namespace orvex;
using namespace orvex::test;

namespace {

const std::string kEncodeLength = "Encode Digit is 5 Bits.";
const std::string kDecodeLength = "Decode Digit is 5 Bits.";
const std::string kDigit = "Group Digits only by 0 to 9 and A to F.";

}  // namespace

// Editing the three grids: the cell lists, the code boxes with their checks per keystroke
// and on leaving, rows emptied with their first cell, and double clicks that clear a row.
class FiveToneGridsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FiveToneWindowRig> rig;

    OverlayTextBox* textEncode() { return rig->box("Text_Encode"); }
    OverlayTextBox* textDecode() { return rig->box("Text_Decode"); }

  private slots:
    void init() {
        rig = std::make_unique<FiveToneWindowRig>();
        QVERIFY(rig->activated);
    }
    void cleanup() { rig.reset(); }

    // Standards grid: the list laid over a cell offers the column's items; the cell takes
    // the chosen item when it is left.
    void standardCellLists_data() {
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("items");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("period") << 1 << 19 << "20"
                                << "200"
                                << "150";
        QTest::newRow("group tone") << 2 << 16 << "0"
                                    << "F"
                                    << "C";
        QTest::newRow("repeat tone") << 3 << 16 << "0"
                                     << "F"
                                     << "7";
    }
    void standardCellLists() {
        QFETCH(int, col);
        QFETCH(int, items);
        QFETCH(QString, first);
        QFETCH(QString, last);
        QFETCH(QString, chosen);
        FlexGrid* grid = rig->standards();
        const QString old = rig->cell(grid, 5, col);
        const QString eight = rig->cell(grid, 8, col);
        rig->choose(grid, "Combo_edit", 5, col, chosen);
        OverlayDropDown* list = rig->dropDown("Combo_edit");
        QVERIFY(list->isVisible());
        QCOMPARE(list->count(), items);
        QCOMPARE(list->itemText(0), first);
        QCOMPARE(list->itemText(items - 1), last);
        QCOMPARE(rig->cell(grid, 5, col), old);  // not before the cell is left
        QCOMPARE(rig->control<ListBox>("Combo_stxh")->currentText(), QString("ZVEI2"));
        rig->click(grid, 8, col);
        QCOMPARE(rig->cell(grid, 5, col), chosen);
        QVERIFY(list->isVisible());
        // Column 0 only selects the standard and closes the list.
        rig->click(grid, 3, 0);
        QVERIFY(!list->isVisible());
        QCOMPARE(rig->cell(grid, 8, col), eight);
        QCOMPARE(rig->control<ListBox>("Combo_stxh")->currentText(), QString("PCCIR"));
    }

    // Typed text does not stay in a cell list: what it showed comes back at once.
    void typingIntoACellList() {
        FlexGrid* grid = rig->standards();
        rig->click(grid, 2, 1);
        OverlayDropDown* list = rig->dropDown("Combo_edit");
        QCOMPARE(list->text(), QString("70"));
        QTest::keyClicks(list, "5");
        QCOMPARE(list->text(), QString("70"));
        rig->click(grid, 3, 1);
        QCOMPARE(rig->cell(grid, 2, 1), QString("70"));
    }

    void sixthCharacter_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("grid");
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("message");
        QTest::newRow("encode frame 2") << 1 << "MSF_Encode"
                                        << "Text_Encode" << 2 << qt(kEncodeLength);
        QTest::newRow("encode transpond") << 1 << "MSF_Encode"
                                          << "Text_Encode" << 4 << qt(kEncodeLength);
        QTest::newRow("decode frame 1") << 2 << "MSF_Decode"
                                        << "Text_Decode" << 2 << qt(kDecodeLength);
        QTest::newRow("decode reply") << 2 << "MSF_Decode"
                                      << "Text_Decode" << 8 << qt(kDecodeLength);
    }
    // The sixth character brings the length message at once and stays; leaving the cell
    // repeats the message, keeps the cell and the box with its text and the focus.
    void sixthCharacter() {
        QFETCH(int, tab);
        QFETCH(QString, grid);
        QFETCH(QString, box);
        QFETCH(int, col);
        QFETCH(QString, message);
        rig->showTab(tab);
        FlexGrid* g = rig->grid(qPrintable(grid));
        OverlayTextBox* b = rig->box(qPrintable(box));
        const QString old = rig->cell(g, 1, col);
        rig->typeCode(g, qPrintable(box), 1, col, "12345");
        QVERIFY(rig->prompt.messages.empty());
        QTest::keyClicks(b, "6");
        QCOMPARE(rig->messages(), std::vector<std::string>{utf8(message)});
        QCOMPARE(rig->prompt.messages[0].title, std::string("Operate Prompt\""));
        QCOMPARE(b->text(), QString("123456"));

        rig->click(g, 15, 3);
        QCOMPARE(rig->messages(), (std::vector<std::string>{utf8(message), utf8(message)}));
        QCOMPARE(rig->cell(g, 1, col), old);
        QVERIFY(b->isVisible());
        QCOMPARE(b->text(), QString("123456"));
        QVERIFY(b->hasFocus());
        QCOMPARE(g->row(), 1);
        QCOMPARE(g->col(), col);

        // Once mended, the code is stored where it was typed.
        QTest::keyClick(b, Qt::Key_Backspace);
        rig->click(g, 15, 3);
        QCOMPARE(rig->cell(g, 1, col), QString("12345"));
    }

    void digitsPerKeystroke_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("messages");
        QTest::newRow("small letter") << "12c45" << 1;
        QTest::newRow("five bad characters") << "xyzuv" << 5;
        QTest::newRow("space inside") << "12 45" << 1;
        QTest::newRow("capitals") << "ABCDF" << 0;
    }
    // Checked when the fifth character is typed, once per bad character; stored as typed.
    void digitsPerKeystroke() {
        QFETCH(QString, typed);
        QFETCH(int, messages);
        rig->showTab(1);
        rig->typeCode(rig->encode(), "Text_Encode", 15, 1, typed.left(4));
        QVERIFY(rig->prompt.messages.empty());
        QTest::keyClicks(textEncode(), typed.mid(4));
        QCOMPARE(rig->messages(), std::vector<std::string>(size_t(messages), kDigit));
        rig->click(rig->encode(), 15, 2);
        QCOMPARE(rig->cell(rig->encode(), 15, 1), typed);
    }

    void shortCodeIsRefused() {
        rig->showTab(1);
        rig->typeCode(rig->encode(), "Text_Encode", 1, 3, "123");
        rig->click(rig->encode(), 1, 2);
        QCOMPARE(rig->messages(), std::vector<std::string>{kEncodeLength});
        QCOMPARE(rig->cell(rig->encode(), 1, 3), QString("56789"));
        QVERIFY(textEncode()->isVisible());
        QCOMPARE(textEncode()->text(), QString("123"));
        // An emptied box leaves the cell as it was.
        textEncode()->clear();
        rig->click(rig->encode(), 1, 2);
        QCOMPARE(rig->cell(rig->encode(), 1, 3), QString("56789"));
        QCOMPARE(rig->messages().size(), size_t(1));
    }

    // Columns 2 to 5 open no editor while frame 1 is empty; leaving a cell of a row whose
    // trimmed frame 1 is empty empties the row.
    void encodeRowNeedsFrameOne() {
        rig->showTab(1);
        FlexGrid* grid = rig->encode();
        for (int col : {2, 4}) {
            rig->click(grid, 3, col);
            QVERIFY(!textEncode()->isVisible());
        }
        rig->click(grid, 3, 5);
        QVERIFY(!rig->dropDown("Combo_Encode")->isVisible());

        rig->click(grid, 1, 2);
        FiveToneSettings s = rig->window->settings();
        s.encode[2] = {{"     ", "45678", "67890"}, "12345", "MODAT"};  // as read from 255s
        rig->window->showSettings(s);
        rig->click(grid, 3, 4);
        QVERIFY(textEncode()->isVisible());  // five spaces are not empty
        QCOMPARE(textEncode()->text(), QString("12345"));
        rig->click(grid, 3, 5);
        QCOMPARE(rig->rowOf(grid, 3), (QStringList{"", "", "", "", ""}));
        QCOMPARE(rig->rowOf(grid, 1), (QStringList{"12345", "34567", "56789", "01234", "CCIR1"}));
    }

    void encodeStandardList() {
        rig->showTab(1);
        FlexGrid* grid = rig->encode();
        rig->choose(grid, "Combo_Encode", 1, 5, "NATEL");
        OverlayDropDown* list = rig->dropDown("Combo_Encode");
        QCOMPARE(list->count(), 15);
        QCOMPARE(list->itemText(0), QString("CCIR1"));
        QCOMPARE(list->itemText(14), QString("MODAT"));
        rig->click(grid, 1, 1);
        QCOMPARE(rig->cell(grid, 1, 5), QString("NATEL"));
        QVERIFY(!list->isVisible());
    }

    void doubleClickClearsAnEncodeRow() {
        rig->showTab(1);
        rig->doubleClick(rig->encode(), 15, 0);
        QCOMPARE(rig->rowOf(rig->encode(), 15), (QStringList{"", "", "", "", ""}));
        QCOMPARE(rig->encode()->textMatrix(15, 0), QString("15"));
        QCOMPARE(rig->rowOf(rig->encode(), 1).first(), QString("12345"));
    }

    void decodeFunctionList() {
        rig->showTab(2);
        FlexGrid* grid = rig->decode();
        rig->choose(grid, "Combo_Decode", 1, 5, "5.Emergency");
        OverlayDropDown* list = rig->dropDown("Combo_Decode");
        QCOMPARE(list->count(), 9);
        QCOMPARE(list->itemText(4), QString("4.Inspection "));
        rig->click(grid, 1, 1);
        QCOMPARE(rig->cell(grid, 1, 5), QString("5.Emergency"));
        QCOMPARE(list->count(), 15);  // the standards now
        QCOMPARE(list->itemText(11), QString("EURO"));
    }

    // After the frame-2 cell is emptied, leaving the function-2 cell empties it.
    void functionWithoutItsFrame() {
        rig->showTab(2);
        FlexGrid* grid = rig->decode();
        FiveToneSettings s = rig->window->settings();
        s.decode[0].frames[1] = "";
        rig->window->showSettings(s);
        rig->click(grid, 1, 5);
        QCOMPARE(rig->cell(grid, 1, 5), QString("2.Secondary Caller ID"));
        rig->click(grid, 1, 6);
        QCOMPARE(rig->cell(grid, 1, 5), QString(""));
        QCOMPARE(rig->cell(grid, 1, 3), QString("1.Primary Caller ID"));
    }

    void decodeRowNeedsItsStandard() {
        rig->showTab(2);
        FlexGrid* grid = rig->decode();
        rig->click(grid, 4, 2);
        QVERIFY(!textDecode()->isVisible());
        rig->click(grid, 4, 3);
        QVERIFY(!rig->dropDown("Combo_Decode")->isVisible());
        QCOMPARE(rig->window->selectedDecodeCode(), 3);

        FiveToneSettings s = rig->window->settings();
        s.decode[3] = {"   ", {"11111", "", ""}, {"3.Monitor", "", ""}, "22222"};
        rig->window->showSettings(s);
        rig->click(grid, 4, 1);
        QVERIFY(rig->dropDown("Combo_Decode")->isVisible());
        rig->click(grid, 4, 2);
        QCOMPARE(rig->rowOf(grid, 4), QStringList(8, QString()));
    }

    // Clicking column 0 selects the code; a double click there clears the row and its
    // actions.
    void doubleClickClearsADecodeRow() {
        rig->showTab(2);
        FlexGrid* grid = rig->decode();
        rig->click(grid, 15, 0);
        QCOMPARE(rig->window->selectedDecodeCode(), 14);
        QVERIFY(rig->check("Check_Kz_0")->isChecked());
        QVERIFY(rig->check("Check_Ts_0")->isChecked());
        rig->check("Check_zh4_1")->click();
        rig->doubleClick(grid, 15, 0);
        QCOMPARE(rig->rowOf(grid, 15), QStringList(8, QString()));
        QCOMPARE(rig->window->settings().DecodeActions[14], DecodeActionValues{});
        QVERIFY(!rig->check("Check_Kz_0")->isChecked());
        QVERIFY(!rig->check("Check_zh4_1")->isChecked());
        QCOMPARE(rig->window->settings().DecodeActions[0], (DecodeActionValues{3, 0, 0, 0, 0, 0}));
    }

    void tabChangeHidesTheEditors() {
        rig->showTab(1);
        rig->typeCode(rig->encode(), "Text_Encode", 1, 2, "99");
        rig->showTab(0);
        rig->showTab(1);
        QVERIFY(!textEncode()->isVisible());
        rig->click(rig->encode(), 1, 3);
        QCOMPARE(rig->cell(rig->encode(), 1, 2), QString("34567"));
        QVERIFY(rig->prompt.messages.empty());
    }
};

QTEST_MAIN(FiveToneGridsTest)
#include "tst_fivetone_grids.moc"
