#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include "OptionWindowRig.h"
#include "core/options/OptionTexts.h"

using namespace orvex;
using namespace orvex::test;

Q_DECLARE_METATYPE(orvex::OptionLimit)

namespace {

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

}  // namespace

// The optional-features form: its controls, captions, lists, defaults, the limit checks
// as the boxes lose the focus, Default and Close.
class OptionFormTest : public QObject {
    Q_OBJECT

    std::unique_ptr<OptionWindowRig> rig;

    QPushButton* button(const char* name) { return rig->control<QPushButton>(name); }
    std::vector<std::string> messages() const { return rig->prompt.texts(); }

  private slots:
    void init() {
        rig = std::make_unique<OptionWindowRig>();
        QVERIFY(rig->activated);
    }
    void cleanup() { rig.reset(); }

    void everyControlByName() {
        for (int i = 0; i < kOptionListCount; ++i) {
            const OptionList list = OptionList(i);
            QVERIFY2(rig->list(list), OptionListOf(list).control.data());
            QCOMPARE(rig->list(list)->count(), OptionListSize(list));
        }
        for (int i = 0; i < kOptionFlagCount; ++i)
            QVERIFY(rig->flag(OptionFlag(i)));
        for (int i = 0; i < kOptionLimitCount; ++i)
            QVERIFY(rig->limit(OptionLimit(i)));
        for (const char* name : {"Command_read", "Command_Write", "Command_def", "Command_save",
                                 "Command_open", "Command_close"})
            QVERIFY2(button(name), name);
        QVERIFY(rig->control<QProgressBar>("ProgressBar1"));
        QVERIFY(!rig->control<QProgressBar>("ProgressBar1")->isVisible());
        QVERIFY(rig->control<QLabel>("Label_tr_count"));
        // Every frame holds the controls it names.
        for (const auto& frame : option_texts::kFrames) {
            auto* box = rig->control<QGroupBox>(Text(frame.name));
            QVERIFY2(box, frame.name.data());
            for (const auto control : frame.controls)
                QVERIFY2(box->findChild<QWidget*>(Text(control)), control.data());
        }
    }

    void captionsInEnglish() {
        QCOMPARE(rig->window->windowTitle(), QString("Optional Features"));
        for (const auto& entry : option_texts::kCaptions) {
            if (entry.name == "frm_option") continue;
            QWidget* control = rig->control(Text(entry.name));
            QVERIFY2(control, entry.name.data());
            const QString shown = control->property("text").toString();
            QCOMPARE(shown, Text(entry.text.english));
        }
        QCOMPARE(rig->control<QLabel>("Label_MHZ_0")->text(), QString("MHZ"));
        QCOMPARE(rig->control<QLabel>("Label_MHZ_1")->text(), QString("MHZ"));
    }

    // Captions are fixed at load; messages and Default's lists follow the language of the
    // moment.
    void captionsInChineseAndTheLanguageSwitch() {
        rig->window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        rig->state.Language_Flag = -1;
        rig->open();
        QCOMPARE(rig->window->windowTitle(), QString("可选参数编辑"));
        QCOMPARE(button("Command_Write")->text(), QString("写  入"));
        QCOMPARE(rig->control<QLabel>("Label_Prich")->text(),
                 QString("除信道编码器选择的信道外需要守侯的另一信道"));
        QCOMPARE(rig->list(OptionList::PF1)->itemText(3), QString("发码关闭与开启"));

        rig->state.Language_Flag = 0;
        QCOMPARE(rig->list(OptionList::PF1)->itemText(3), QString("发码关闭与开启"));
        button("Command_def")->click();
        QCOMPARE(rig->list(OptionList::PF1)->itemText(3), QString("PTT-ID Switch "));
        QCOMPARE(button("Command_Write")->text(), QString("写  入"));
    }

    void defaults() {
        const OptionSettings shown = rig->window->settings();
        QCOMPARE(shown, DefaultOptionSettings(136, 175));
        QCOMPARE(rig->list(OptionList::Tot)->currentText(), QString("120"));
        QCOMPARE(rig->list(OptionList::Emech)->currentText(), QString("CH 16"));
        QCOMPARE(rig->list(OptionList::PttLt)->currentText(), QString("1000"));
        QCOMPARE(rig->limits(), (QStringList{"136", "174", "136", "174"}));
        QVERIFY(rig->flag(OptionFlag::PttMenu)->isChecked());
        QVERIFY(!rig->flag(OptionFlag::PttInit)->isChecked());
        QVERIFY(rig->flag(OptionFlag::AlarmSound)->isChecked());
        QVERIFY(!rig->flag(OptionFlag::AlarmCalderold)->isChecked());
    }

    // Whatever is typed into a list, the list ends at its first item; neither Enter nor
    // losing the focus picks an item by the typed text.
    void typingIntoAListEndsAtItsFirstItem_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("a number that is an item") << "600";
        QTest::newRow("a digit") << "9";
        QTest::newRow("letters") << "abc";
    }
    void typingIntoAListEndsAtItsFirstItem() {
        QFETCH(QString, typed);
        ListBox* tot = rig->list(OptionList::Tot);
        tot->setFocus();
        tot->lineEdit()->selectAll();
        QTest::keyClicks(tot, typed);
        QCOMPARE(tot->currentIndex(), 0);
        QCOMPARE(tot->currentText(), QString("15"));
        QTest::keyClick(tot, Qt::Key_Return);
        rig->limit(OptionLimit::RxLower)->setFocus();
        QCOMPARE(tot->currentIndex(), 0);
        QCOMPARE(tot->currentText(), QString("15"));
        QCOMPARE(int(rig->window->settings().lists[size_t(OptionList::Tot)]), 0);
        // The arrow keys still choose.
        tot->setFocus();
        QTest::keyClick(tot, Qt::Key_Down);
        QCOMPARE(tot->currentText(), QString("30"));
    }

    // The four checks, each in its order of tests, with the band 136-174 MHz.
    void limitChecks_data() {
        QTest::addColumn<OptionLimit>("box");
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("after");

        const QString none;
        QTest::newRow("R1 receive lower below the band")
            << OptionLimit::RxLower << QStringList{"130", "174", "140", "150"}
            << "Receive frequency of lower limit can't less than the lowest of work frequency. "
            << QStringList{"136", "174", "140", "150"};
        QTest::newRow("R1 abc counts as 0")
            << OptionLimit::RxLower << QStringList{"abc", "174", "136", "174"}
            << "Receive frequency of lower limit can't less than the lowest of work frequency. "
            << QStringList{"136", "174", "136", "174"};
        QTest::newRow("R2 receive lower above receive upper")
            << OptionLimit::RxLower << QStringList{"170", "160", "136", "174"}
            << "Receive frequency of lower limit can't more than receive frequency of upper "
               "limit."
            << QStringList{"136", "174", "136", "174"};
        QTest::newRow("receive lower pulls both transmit limits up")
            << OptionLimit::RxLower << QStringList{"150", "174", "140", "145"} << none
            << QStringList{"150", "174", "150", "150"};
        QTest::newRow("equal receive limits pass")
            << OptionLimit::RxLower << QStringList{"150", "150", "150", "150"} << none
            << QStringList{"150", "150", "150", "150"};
        QTest::newRow("R3 receive upper above the band")
            << OptionLimit::RxUpper << QStringList{"136", "175", "140", "150"}
            << "Receive frequency of upper limit can't more than the highest of work frequency. "
            << QStringList{"136", "174", "140", "150"};
        QTest::newRow("R4 receive upper below receive lower")
            << OptionLimit::RxUpper << QStringList{"150", "140", "136", "174"}
            << "Receive frequency of upper limit can't less than receive frequency of lower "
               "limit."
            << QStringList{"136", "174", "136", "174"};
        QTest::newRow("receive upper pulls transmit upper down")
            << OptionLimit::RxUpper << QStringList{"136", "160", "136", "170"} << none
            << QStringList{"136", "160", "136", "160"};
        QTest::newRow("T1 transmit lower above transmit upper")
            << OptionLimit::TxLower << QStringList{"136", "174", "180", "174"}
            << "Transmit frequency of lower limit can't more than transmit frequency of upper "
               "limit."
            << QStringList{"136", "174", "180", "174"};
        QTest::newRow("T2 transmit lower below receive lower")
            << OptionLimit::TxLower << QStringList{"140", "174", "138", "174"}
            << "Transmit frequency of lower limit can't less than receive frequency of lower "
               "limit's."
            << QStringList{"140", "174", "138", "174"};
        QTest::newRow("T3 transmit upper below transmit lower")
            << OptionLimit::TxUpper << QStringList{"136", "174", "150", "140"}
            << "Transmit frequency of upper limit can't less than transmit frequency of lower "
               "limit. "
            << QStringList{"136", "174", "150", "140"};
        QTest::newRow("T4 transmit upper above receive upper")
            << OptionLimit::TxUpper << QStringList{"136", "170", "136", "172"}
            << "Transmit frequency of upper limit can't more than receive frequency of upper "
               "limit."
            << QStringList{"136", "170", "136", "172"};
    }
    void limitChecks() {
        QFETCH(OptionLimit, box);
        QFETCH(QStringList, before);
        QFETCH(QString, message);
        QFETCH(QStringList, after);
        rig->setLimits(before);
        // The focus leaves the box for the Time-out list, as a click there would take it.
        rig->moveFocus(rig->limit(box), rig->list(OptionList::Tot));
        QCOMPARE(rig->limits(), after);
        if (message.isEmpty()) {
            QVERIFY(rig->prompt.messages.empty());
            QVERIFY(rig->list(OptionList::Tot)->hasFocus());
            return;
        }
        // One message, and the focus back in the box; the check of the box the focus passed
        // through on the way back did not run.
        QCOMPARE(rig->prompt.messages.size(), size_t(1));
        QCOMPARE(Text(rig->prompt.messages[0].text), message);
        QCOMPARE(rig->prompt.messages[0].title, std::string("Operate Prompt"));
        QVERIFY(rig->limit(box)->hasFocus());
    }

    // Moving from one limit box to the next runs only the check of the box that was left.
    void fromOneLimitBoxToTheNext() {
        rig->setLimits({"130", "174", "136", "174"});
        rig->moveFocus(rig->limit(OptionLimit::RxLower), rig->limit(OptionLimit::RxUpper));
        QCOMPARE(rig->prompt.messages.size(), size_t(1));
        QVERIFY(rig->limit(OptionLimit::RxLower)->hasFocus());
        QCOMPARE(rig->limits(), (QStringList{"136", "174", "136", "174"}));
        // Now a valid value, and on to the upper box: it passes and keeps the focus there.
        rig->limit(OptionLimit::RxLower)->setText("140");
        rig->limit(OptionLimit::RxUpper)->setFocus(Qt::TabFocusReason);
        QCOMPARE(rig->prompt.messages.size(), size_t(1));
        QVERIFY(rig->limit(OptionLimit::RxUpper)->hasFocus());
        QCOMPARE(rig->limits(), (QStringList{"140", "174", "140", "174"}));
    }

    // A limit check speaks the language of the moment.
    void limitMessageInChinese() {
        rig->state.Language_Flag = -1;
        rig->setLimits({"130", "174", "136", "174"});
        rig->moveFocus(rig->limit(OptionLimit::RxLower), rig->list(OptionList::Tot));
        QCOMPARE(rig->prompt.messages.at(0).title, std::string("操作提示"));
        QCOMPARE(rig->prompt.messages.at(0).text,
                 std::string("下限接收频率不可小于本机最低工作频率"));
    }

    void defaultWhenIdle() {
        rig->list(OptionList::Tot)->setCurrentIndex(3);
        rig->flag(OptionFlag::PttInit)->setChecked(true);
        rig->setLimits({"140", "150", "141", "149"});
        rig->state.Chann_Count = 16;
        button("Command_def")->click();
        QCOMPARE(rig->window->settings(), DefaultOptionSettings(136, 175));
        QCOMPARE(int(rig->state.Chann_Count), 128);
        QVERIFY(!rig->control<QProgressBar>("ProgressBar1")->isVisible());
        QCOMPARE(rig->control<QLabel>("Label_tr_count")->text(), QString());
        QVERIFY(rig->prompt.messages.empty());
    }

    void defaultDuringARead() {
        rig->list(OptionList::Tot)->setCurrentIndex(3);
        button("Command_read")->click();
        rig->clock.advanceMs(300);
        rig->state.Chann_Count = 16;
        button("Command_def")->click();
        QCOMPARE(messages(), std::vector<std::string>{"Read-write operating with transceiver ."});
        QCOMPARE(rig->prompt.messages[0].title, std::string("Operate prompt"));
        QCOMPARE(int(rig->state.Chann_Count), 16);
        QCOMPARE(rig->list(OptionList::Tot)->currentIndex(), 3);
        // The progress the read shows stays.
        QVERIFY(rig->control<QProgressBar>("ProgressBar1")->isVisible());
        QVERIFY(!rig->control<QLabel>("Label_tr_count")->text().isEmpty());
        rig->runTransfer();
        QCOMPARE(messages().back(), std::string("Complete reading the data from transceiver."));
    }

    void closeDuringAWrite() {
        button("Command_Write")->click();
        rig->clock.advanceMs(300);
        button("Command_close")->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(messages(),
                 std::vector<std::string>{"Read-write operating，don't close the window.,"});
        QCOMPARE(rig->prompt.messages[0].title, std::string("Operate prompt"));
        QVERIFY(rig->window);
        QVERIFY(rig->window->isVisible());
        rig->runTransfer();
        QCOMPARE(messages().back(),
                 std::string("Complete writing optional parameters to the transceiver."));
    }

    // Close also closes the two ".menu" dialogs this editor showed.
    void closeWhenIdle() {
        button("Command_open")->click();
        button("Command_save")->click();
        QPointer<QWidget> open;
        QPointer<QWidget> save;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->objectName() == "Form_open_menu") open = top;
            if (top->objectName() == "Form_save_menu") save = top;
        }
        QVERIFY(open && open->isVisible());
        QVERIFY(save && save->isVisible());
        button("Command_close")->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(rig->window.isNull());
        QVERIFY(open.isNull() || !open->isVisible());
        QVERIFY(save.isNull() || !save->isVisible());
        QVERIFY(rig->prompt.messages.empty());
    }

    // Closed by its close box during a transfer: a warning, then it closes, the port with it.
    void closingOtherwiseWarnsAndCloses() {
        button("Command_read")->click();
        rig->clock.advanceMs(300);
        rig->window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(messages(),
                 std::vector<std::string>{"Read-write operating，don't close the window.,"});
        QVERIFY(rig->window.isNull());
        QVERIFY(!rig->ports.isHeldOpen(1));
        rig->clock.advanceMs(10'000);
        QCOMPARE(rig->prompt.messages.size(), size_t(1));
    }
};

QTEST_MAIN(OptionFormTest)
#include "tst_option_form.moc"
