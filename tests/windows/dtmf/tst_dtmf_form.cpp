#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "DtmfWindowRig.h"
#include "core/dtmf/DtmfTexts.h"
#include "windows/dialogs/FileDialog.h"

using namespace orvex;
using namespace orvex::test;

namespace {

const std::string kBadCharacter = "Groupdigits only by 0 to 9 and* # A B C D.";
const std::string kTooLong = "Group Digits Max 5 Bits.";

}  // namespace

// The DTMF form: controls, captions, defaults, the code checks as the user types and leaves
// a box, the cell editor of the code groups, the time lists, Default, Open, Save and Close.
class DtmfFormTest : public QObject {
    Q_OBJECT

    std::unique_ptr<DtmfWindowRig> rig;

    QPushButton* button(const char* name) { return rig->control<QPushButton>(name); }
    ListBox* list(const char* name) { return rig->control<ListBox>(name); }

  private slots:
    void init() {
        rig = std::make_unique<DtmfWindowRig>();
        QVERIFY(rig->activated);
    }
    void cleanup() { rig.reset(); }

    void controlsAndHiddenFrames() {
        for (const char* name : {"Command_read", "Command_write", "Command_def", "Command_save",
                                 "Command_open", "Command_close"})
            QVERIFY2(button(name), name);
        QVERIFY(!button("Command_Write"));
        for (int i = 0; i < kDtmfCodeCount; ++i)
            QVERIFY(rig->code(DtmfCode(i)));
        for (const char* name : {"Frame_Decode", "Frame_Ctrl", "Frame_State"}) {
            auto* frame = rig->control<QGroupBox>(name);
            QVERIFY2(frame, name);
            QVERIFY(frame->isHidden());
        }
        QVERIFY(rig->control<QGroupBox>("Frame_encode")->isVisible());
        for (int k = 0; k < 5; ++k) {
            for (const char* array : {"Check_M_%1", "Check_S_%1"}) {
                auto* box = rig->control<QCheckBox>(QString(array).arg(k));
                QVERIFY(box);
                QVERIFY(!box->isVisible());
            }
        }
        for (const char* name : {"Text_XC", "Text_MID", "Check_Ctrl_En", "Check_RX", "Check_TX"})
            QVERIFY2(!rig->control(name)->isVisible(), name);
        QVERIFY(!rig->control<QComboBox>("Combo_Enc_qh")->isEnabled());
        QVERIFY(!rig->cellEditor()->isVisible());
        QVERIFY(!rig->control<QProgressBar>("ProgressBar1")->isVisible());
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
        rig->open();
        for (const auto& entry : dtmf_texts::kCaptions) {
            const QString expected = qt(entry.text.pick(language));
            if (entry.name == "frm_dtmf") {
                QCOMPARE(rig->window->windowTitle(), expected);
                continue;
            }
            QWidget* control = rig->control(qt(entry.name));
            QVERIFY2(control, entry.name.data());
            const char* property = qobject_cast<QGroupBox*>(control) ? "title" : "text";
            QCOMPARE(control->property(property).toString(), expected);
        }
        QCOMPARE(rig->grid()->textMatrix(0, 1).trimmed(),
                 language ? QString("发送编码码组") : QString("Code"));
        // A language switch changes no caption of the open window.
        const QString title = rig->window->windowTitle();
        const QString write = button("Command_write")->text();
        rig->state.Language_Flag = std::int16_t(language ? 0 : -1);
        button("Command_def")->click();
        QCOMPARE(rig->window->windowTitle(), title);
        QCOMPARE(button("Command_write")->text(), write);
    }

    void defaults() {
        QCOMPARE(rig->window->settings(), DefaultDtmfSettings());
        QCOMPARE(rig->group(1), QString("12345"));
        QCOMPARE(rig->group(8), QString("54321"));
        QCOMPARE(rig->group(4), QString());
        QCOMPARE(rig->code(DtmfCode::Ani)->text(), QString("A803"));
        QCOMPARE(rig->code(DtmfCode::Alarm)->text(), QString("A470"));
        QCOMPARE(list("Combo_Enc_ys1")->currentText(), QString("80"));
        QCOMPARE(list("Combo_Enc_ys2")->count(), 196);
        QCOMPARE(rig->control<QComboBox>("Combo_Enc_qh")->currentText(), QString("*"));
        QVERIFY(!rig->control<QCheckBox>("Check_Ptt_P")->isChecked());
        QVERIFY(rig->control<QCheckBox>("Check_Ptt_S")->isChecked());
    }

    // Every change is checked; a failing text is emptied and the box keeps the focus.
    void codeCheckWhileTyping_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("left");
        QTest::newRow("lower-case a") << "1a" << qt(kBadCharacter) << "";
        QTest::newRow("a blank") << "1 " << qt(kBadCharacter) << "";
        QTest::newRow("a sixth character") << "123456" << qt(kTooLong) << "";
        QTest::newRow("a good code") << "*#AD9" << QString() << "*#AD9";
    }
    void codeCheckWhileTyping() {
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(QString, left);
        for (DtmfCode which : {DtmfCode::Ani, DtmfCode::Alarm}) {
            rig->prompt.messages.clear();
            rig->typeCode(which, typed);
            QCOMPARE(rig->code(which)->text(), left);
            QVERIFY(rig->code(which)->hasFocus());
            if (message.isEmpty()) {
                QVERIFY(rig->prompt.messages.empty());
                continue;
            }
            QCOMPARE(rig->prompt.messages.size(), size_t(1));
            QCOMPARE(qt(rig->prompt.messages[0].text), message);
            QCOMPARE(rig->prompt.messages[0].title, std::string("Operate Prompt\""));
        }
    }

    void codeCheckInChinese() {
        rig->state.Language_Flag = -1;
        rig->typeCode(DtmfCode::Ani, "a");
        QCOMPARE(rig->prompt.messages.at(0).title, std::string("操作提示"));
        QCOMPARE(rig->prompt.messages.at(0).text,
                 std::string("码组字符只能是 0 - 9 或 * # A B C D  ！"));
    }

    // The codes cannot be left empty; the focus comes back without a message.
    void leavingAnEmptyCodeBox() {
        rig->typeCode(DtmfCode::Alarm, "");
        QTest::keyClick(rig->code(DtmfCode::Alarm), Qt::Key_Tab);
        QVERIFY(rig->code(DtmfCode::Alarm)->hasFocus());
        QVERIFY(rig->prompt.messages.empty());
        // A code, and the box lets the focus go.
        QTest::keyClicks(rig->code(DtmfCode::Alarm), "7");
        list("Combo_Enc_ys1")->setFocus(Qt::TabFocusReason);
        QVERIFY(list("Combo_Enc_ys1")->hasFocus());
        QCOMPARE(rig->window->settings().codes[size_t(DtmfCode::Alarm)], std::string("7"));
    }

    // The control IDs are not checked.
    void controlIdsTakeAnything() {
        rig->code(DtmfCode::MasterId)->setText("x y z");
        emit rig->code(DtmfCode::MasterId)->textEdited("x y z");
        QVERIFY(rig->prompt.messages.empty());
        QCOMPARE(rig->code(DtmfCode::MasterId)->text(), QString("x y z"));
    }

    // The cell editor's text reaches the grid only when the current cell changes.
    void cellEditor() {
        rig->typeGroup(2, "#0*");
        QVERIFY(rig->cellEditor()->isVisible());
        QCOMPARE(rig->group(2), QString());
        rig->click(3, 1);
        QCOMPARE(rig->group(2), QString("#0*"));
        QCOMPARE(rig->cellEditor()->text(), rig->group(3));
        // A bad character empties the editor, keeps its focus and changes no cell.
        rig->typeGroup(4, "1x");
        QCOMPARE(rig->prompt.texts(), std::vector<std::string>{kBadCharacter});
        QCOMPARE(rig->cellEditor()->text(), QString());
        QVERIFY(rig->cellEditor()->hasFocus());
        rig->click(5, 1);
        QCOMPARE(rig->group(4), QString());
        // A click on the numbers hides the editor.
        rig->click(5, 1);
        QVERIFY(rig->cellEditor()->isVisible());
        QHeaderView* numbers = rig->grid()->view()->verticalHeader();
        QTest::mouseClick(numbers->viewport(), Qt::LeftButton, {},
                          QPoint(numbers->width() / 2, numbers->sectionViewportPosition(5) + 4));
        QVERIFY(!rig->cellEditor()->isVisible());
    }

    // Typed characters never change the time lists; only choosing does.
    void timeListsRejectTyping() {
        ListBox* onTime = list("Combo_Enc_ys1");
        onTime->setFocus();
        QTest::keyClicks(onTime, "9");
        QTest::keyClicks(onTime, "2000");
        QCOMPARE(onTime->currentText(), QString("80"));
        QTest::keyClick(onTime, Qt::Key_Down);
        QCOMPARE(onTime->currentText(), QString("90"));
        QCOMPARE(rig->window->settings().onTime, 4);
    }

    void defaultWhenIdleAndWhileBusy() {
        rig->typeGroup(1, "9");
        rig->click(2, 1);
        rig->typeCode(DtmfCode::Ani, "1");
        list("Combo_Enc_ys2")->setCurrentIndex(100);
        button("Command_read")->click();
        rig->clock.advanceMs(200);
        button("Command_def")->click();
        QCOMPARE(rig->prompt.texts(),
                 std::vector<std::string>{"Read-write operating with transceiver ."});
        QCOMPARE(rig->prompt.messages[0].title, std::string("Operate prompt"));
        QCOMPARE(rig->group(1), QString("9"));
        rig->runTransfer();
        button("Command_def")->click();
        QCOMPARE(rig->window->settings(), DefaultDtmfSettings());
        QVERIFY(!rig->control<QProgressBar>("ProgressBar1")->isVisible());
        QCOMPARE(rig->control<QLabel>("Label_tr_count")->text(), QString());
    }

    // Open and Save have nothing to do when no transfer runs; during one they refuse.
    void openAndSave() {
        button("Command_open")->click();
        button("Command_save")->click();
        QVERIFY(rig->prompt.messages.empty());
        for (QWidget* top : QApplication::topLevelWidgets())
            QVERIFY(!top->objectName().startsWith("Form_") || !top->isVisible());
        button("Command_read")->click();
        rig->clock.advanceMs(200);
        button("Command_open")->click();
        button("Command_save")->click();
        QCOMPARE(rig->prompt.texts(),
                 std::vector<std::string>(2, "Read-write operating with transceiver ."));
    }

    void closeDuringATransfer() {
        button("Command_write")->click();
        rig->clock.advanceMs(200);
        button("Command_close")->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(rig->prompt.texts(),
                 std::vector<std::string>{"Read-write operating with transceiver ."});
        QVERIFY(rig->window && rig->window->isVisible());
    }

    // Close also closes the optional-features file dialogs, whoever showed them.
    void closeClosesTheMenuDialogs() {
        QPointer<FileDialog> open =
            new FileDialog(FileDialogKind::OpenMenu, rig->state, rig->prompt, 99);
        QPointer<FileDialog> channels =
            new FileDialog(FileDialogKind::OpenChann, rig->state, rig->prompt, 98);
        open->show();
        channels->show();
        button("Command_close")->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(rig->window.isNull());
        QVERIFY(open.isNull() || !open->isVisible());
        QVERIFY(channels && channels->isVisible());
        delete channels.data();
    }
};

QTEST_MAIN(DtmfFormTest)
#include "tst_dtmf_form.moc"
