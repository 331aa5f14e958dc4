#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

#include "support/WindowRig.h"
#include "windows/shell/StatusBar.h"

using namespace orvex;
using namespace orvex::test;

namespace {

QString PanelText(const MDImain& window, int n) {
    auto* panel = window.findChild<QLabel*>(QString("Panel%1").arg(n));
    return panel ? panel->text() : QString("<no panel>");
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowRig> rig;

    QAction* action(const QString& name) const { return rig->window->action(name); }

    // The radio moves to COM8, the port the start-up probe tries first.
    void radioOnCom8() {
        rig->ports.detach(1);
        rig->ports.attach(8, rig->radio);
    }

  private slots:
    void init() { rig = std::make_unique<WindowRig>(); }
    void cleanup() { rig.reset(); }

    void startUpInEnglish() {
        radioOnCom8();
        rig->startUp();
        MDImain& w = *rig->window;
        QCOMPARE(w.objectName(), QString("MDImain"));
        QCOMPARE(w.windowTitle(),
                 QString("Lindmark Korvane Electronic Co.,Ltd. Orvex series program software. "));

        // Menu bar: order, captions and states.
        QStringList names;
        for (QAction* a : w.menuBar()->actions())
            names << a->objectName();
        QCOMPARE(names, (QStringList{"fm_chann_edit", "chann_edit", "sys_edit", "sig_edit",
                                     "proc_setup", "Language_Setup", "about", "Menu_Exit"}));
        const QList<std::pair<const char*, QString>> captions = {{"fm_chann_edit", "FM-Radio"},
                                                                 {"chann_edit", "Channel"},
                                                                 {"sys_edit", "Option"},
                                                                 {"sig_edit", "Signal"},
                                                                 {"proc_setup", "Communication"},
                                                                 {"Language_Setup", "Language"},
                                                                 {"about", "About"},
                                                                 {"Menu_Exit", "Exit"},
                                                                 {"Sig_dtmf", "DTMF"},
                                                                 {"Sig_2tone", "2 TONE"},
                                                                 {"Sig_5tone", "5 TONE"},
                                                                 {"Sig_QDS1200", "QDS1200"},
                                                                 {"Sig_QDS2400", "QDS2400"},
                                                                 {"Language_chn", "中文"},
                                                                 {"Language_eng", "English"}};
        for (const auto& [name, caption] : captions)
            QCOMPARE(action(name)->text(), caption);
        QVERIFY(!action("fm_chann_edit")->isVisible());
        QVERIFY(!action("fm_chann_edit")->isEnabled());
        for (const char* name : {"chann_edit", "sys_edit", "sig_edit", "Sig_2tone", "Sig_5tone",
                                 "Sig_QDS1200", "Sig_QDS2400"})
            QVERIFY2(!action(name)->isEnabled(), name);
        for (const char* name : {"Sig_dtmf", "proc_setup", "Language_Setup", "Language_chn",
                                 "Language_eng", "about", "Menu_Exit"})
            QVERIFY2(action(name)->isEnabled(), name);
        QVERIFY(action("Language_eng")->isChecked());
        QVERIFY(!action("Language_chn")->isChecked());
        QStringList signalling;
        for (QAction* a : w.findChild<QMenu*>("sig_edit")->actions())
            signalling << a->objectName();
        QCOMPARE(signalling,
                 (QStringList{"Sig_dtmf", "Sig_2tone", "Sig_5tone", "Sig_QDS1200", "Sig_QDS2400"}));

        // Status bar.
        QCOMPARE(PanelText(w, 1), QString("State"));
        QCOMPARE(PanelText(w, 2), QString("Connecting with transceiver... "));
        QCOMPARE(PanelText(w, 3), QString("COM8"));
        for (int n : {4, 5, 6, 7, 8, 10})
            QCOMPARE(PanelText(w, n), QString());
        QCOMPARE(PanelText(w, 9), QString("Band"));
        QCOMPARE(PanelText(w, 11), QString("Lindmark Korvane Electronic Co.,Ltd. "));

        // Shared state as start-up leaves it.
        const SharedState& s = rig->state;
        QCOMPARE(int(s.Language_Flag), 0);
        QCOMPARE(int(s.Band_Index), 3);
        QCOMPARE(s.Band_Low, 400.0);
        QCOMPARE(s.Band_High, 471.0);
        QCOMPARE(int(s.Chann_Count), 16);
        QCOMPARE(s.TwoTone_Scale, 0.000434028);
        QCOMPARE(s.Link_Cmd,
                 (std::array<std::uint8_t, 8>{0x50, 0xAA, 0xBB, 0x47, 0x52, 0x41, 0x4D, 0x02}));
        QCOMPARE(s.Tone_Table[0], std::string("   OFF      "));
        QCOMPARE(s.Tone_Table[260], std::string(" D754I   "));
        QCOMPARE(s.OptionOffsets[34], 34);
        QCOMPARE(s.OptionOffsets[35], 37);
        QCOMPARE(s.OptionOffsets[42], 46);
        QCOMPARE(s.OptionOffsets[43], 50);
        QCOMPARE(s.OptionOffsets[56], 63);
        QCOMPARE(s.Band_Name[3], std::string("Tern-UHF3"));
        QCOMPARE(int(s.Band_Limit[3]), 400);
        QCOMPARE(int(s.Band_Limit[14]), 471);
        QCOMPARE(int(s.Band_Limit[11]), 175);
        QCOMPARE(
            s.texts.title,
            std::string("Lindmark Korvane Electronic Co.,Ltd. Orvex series program software. "));
        QCOMPARE(s.texts.callOptions[4], std::string("4.Inspection "));
        QVERIFY(rig->prompt.messages.empty());
    }

    void identificationEnablesTheEditorMenusForGood() {
        radioOnCom8();
        rig->startUp();
        rig->settle();
        QCOMPARE(PanelText(*rig->window, 2), QString("Connect well with radio."));
        QCOMPARE(PanelText(*rig->window, 10), QString(" 400-- 470 MHZ"));
        for (const char* name : {"chann_edit", "sys_edit", "sig_edit"})
            QVERIFY(action(name)->isEnabled());
        QVERIFY(!action("Sig_2tone")->isEnabled());
        QVERIFY(!rig->ports.isHeldOpen(8));

        // A later identification that fails leaves them enabled.
        rig->radio.faults().silent = true;
        rig->window->RestartLink();
        rig->settle();
        QCOMPARE(PanelText(*rig->window, 2), QString("Communication fault."));
        for (const char* name : {"chann_edit", "sys_edit", "sig_edit"})
            QVERIFY(action(name)->isEnabled());
    }

    void noRadioEndsInFaultWithMenusDisabled() {
        rig->radio.faults().silent = true;
        rig->startUp();
        QCOMPARE(PanelText(*rig->window, 3), QString("COM1"));
        rig->settle();
        QCOMPARE(PanelText(*rig->window, 2), QString("Communication fault."));
        for (const char* name : {"chann_edit", "sys_edit", "sig_edit"})
            QVERIFY(!action(name)->isEnabled());
        QVERIFY(rig->prompt.messages.empty());
    }

    void probeChoosesTheHighestPort() {
        rig->ports.detach(1);
        rig->ports.addEmptyPort(3);
        rig->ports.attach(5, rig->radio);
        rig->startUp();
        QCOMPARE(int(rig->state.Comm_Port), 5);
        QCOMPARE(PanelText(*rig->window, 3), QString("COM5"));
        rig->settle();
        QCOMPARE(PanelText(*rig->window, 2), QString("Connect well with radio."));
    }

    // No port at all: no message while probing, one when the identification opens COM1.
    void noPortGivesOneMessage() {
        rig->ports.pullCable(1);
        rig->startUp();
        QCOMPARE(int(rig->state.Comm_Port), 1);
        QCOMPARE(rig->prompt.messages.size(), size_t(1));
        QCOMPARE(rig->prompt.messages[0].title, std::string("Operate Prompt"));
        QCOMPARE(rig->prompt.messages[0].text, std::string("Communication Port Open Error ！"));
        rig->clock.advanceMs(30'000);
        QCOMPARE(rig->prompt.messages.size(), size_t(1));
        QCOMPARE(PanelText(*rig->window, 2), QString("Connecting with transceiver... "));
    }

    void resolutionWarning_data() {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<int>("language");
        QTest::addColumn<bool>("warned");
        QTest::newRow("800 x 600") << QSize(800, 600) << 0 << true;
        QTest::newRow("1024 x 768") << QSize(1024, 768) << 0 << false;
        QTest::newRow("1024 x 766") << QSize(1024, 766) << 0 << true;
        QTest::newRow("1019 x 768") << QSize(1019, 768) << 0 << true;
        QTest::newRow("1920 x 1080") << QSize(1920, 1080) << 0 << false;
    }
    void resolutionWarning() {
        QFETCH(QSize, screen);
        QFETCH(bool, warned);
        rig->screenSize = screen;
        rig->startUp();
        const bool shown =
            !rig->prompt.messages.empty() &&
            rig->prompt.messages[0].text == "建议将计算机的显示模式设置为 1024 X 768 ";
        QCOMPARE(shown, warned);
        if (warned) QCOMPARE(rig->prompt.messages[0].title, std::string("操作提示"));
    }

    void panelWidthsFollowTheScreen() {
        rig->screenSize = QSize(2000, 1200);
        rig->startUp();
        const std::array<int, 11> percent = {5, 15, 5, 5, 5, 5, 5, 10, 5, 10, 30};
        for (int n = 1; n <= 10; ++n)
            QCOMPARE(rig->window->statusPanels()->panel(n)->width(),
                     2000 * percent[size_t(n - 1)] / 100);
        QVERIFY(rig->window->statusPanels()->panel(11)->width() <= 600);
        QVERIFY(rig->window->statusPanels()->panel(11)->width() > 500);
    }

    void switchToChineseAndBack() {
        radioOnCom8();
        rig->startUp();
        rig->settle();
        MDImain& w = *rig->window;
        const QString panel10 = PanelText(w, 10);
        rig->window->statusPanels()->setPanelText(4, "four");
        rig->window->statusPanels()->setPanelText(6, "six");
        rig->window->statusPanels()->setPanelText(7, "seven");
        rig->window->statusPanels()->setPanelText(8, "eight");

        action("Language_chn")->trigger();
        QCOMPARE(int(rig->state.Language_Flag), -1);
        QVERIFY(action("Language_chn")->isChecked());
        QVERIFY(!action("Language_eng")->isChecked());
        const QList<std::pair<const char*, QString>> chinese = {
            {"about", "关于"},          {"Menu_Exit", "退出"},    {"Language_Setup", "语言"},
            {"proc_setup", "端口设置"}, {"sig_edit", "信令编辑"}, {"sys_edit", "可选参数"},
            {"chann_edit", "信道编辑"}, {"Sig_dtmf", "DTMF"},     {"Language_chn", "中文"}};
        for (const auto& [name, caption] : chinese)
            QCOMPARE(action(name)->text(), caption);
        QCOMPARE(PanelText(w, 1), QString("状态"));
        QCOMPARE(PanelText(w, 3), QString());
        QCOMPARE(PanelText(w, 5), QString());
        QCOMPARE(PanelText(w, 9), QString("频 段"));
        QCOMPARE(PanelText(w, 11), QString("科凡电子（林城）有限公司"));
        QCOMPARE(w.windowTitle(), QString("科凡电子(林城）有限公司Ｏｒｖｅｘ系列对讲机编程软件"));
        // Panels the switch does not touch keep their texts.
        QCOMPARE(PanelText(w, 2), QString("Connect well with radio."));
        QCOMPARE(PanelText(w, 4), QString("four"));
        QCOMPARE(PanelText(w, 6), QString("six"));
        QCOMPARE(PanelText(w, 7), QString("seven"));
        QCOMPARE(PanelText(w, 8), QString("eight"));
        QCOMPARE(PanelText(w, 10), panel10);
        QCOMPARE(rig->state.texts.title, std::string("Orvex系列对讲机编程软件"));
        QCOMPARE(rig->state.texts.replyOptions[3], std::string("3.提醒并回"));

        // Choosing Chinese again only applies the captions again.
        rig->state.texts.title = "unchanged";
        rig->window->statusPanels()->setPanelText(3, "COM8");
        action("Language_chn")->trigger();
        QCOMPARE(rig->state.texts.title, std::string("unchanged"));
        QVERIFY(action("Language_chn")->isChecked());
        QCOMPARE(PanelText(w, 3), QString());

        action("Language_eng")->trigger();
        QCOMPARE(int(rig->state.Language_Flag), 0);
        QVERIFY(action("Language_eng")->isChecked());
        QVERIFY(!action("Language_chn")->isChecked());
        QCOMPARE(action("chann_edit")->text(), QString("Channel"));
        QCOMPARE(action("Menu_Exit")->text(), QString("Exit"));
        QCOMPARE(PanelText(w, 1), QString("State"));
        QCOMPARE(PanelText(w, 9), QString("Band"));
        QCOMPARE(
            w.windowTitle(),
            QString("Lindmark Korvane Electronic Co.,Ltd. Brevin-F series program software. "));
        QCOMPARE(
            rig->state.texts.title,
            std::string("Lindmark Korvane Electronic Co.,Ltd. Orvex series program software. "));
    }

    void messagesFollowTheLanguageAtTheMoment() {
        rig->ports.pullCable(1);
        rig->startUp();
        action("Language_chn")->trigger();
        rig->window->RestartLink();
        QCOMPARE(rig->prompt.messages.size(), size_t(2));
        QCOMPARE(rig->prompt.messages[1].title, std::string("操作提示"));
        QCOMPARE(rig->prompt.messages[1].text,
                 std::string("通讯端口打开错误，请正确设置通讯端口 ！"));
    }

    void anEditorOpensOnce_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("editor");
        QTest::newRow("channels") << "chann_edit"
                                  << "frm_chann";
        QTest::newRow("optional features") << "sys_edit"
                                           << "frm_option";
        QTest::newRow("DTMF") << "Sig_dtmf"
                              << "frm_dtmf";
    }
    void anEditorOpensOnce() {
        QFETCH(QString, entry);
        QFETCH(QString, editor);
        radioOnCom8();
        rig->startUp();
        rig->settle();
        action(entry)->trigger();
        QWidget* first = rig->window->childWindow(editor);
        QVERIFY(first);
        action(entry)->trigger();
        int editors = 0;
        for (QMdiSubWindow* frame : rig->window->mdiArea()->subWindowList())
            editors += frame->widget()->objectName() == editor;
        QCOMPARE(editors, 1);
        QCOMPARE(rig->window->childWindow(editor), first);
    }

    // The FM entry stays hidden and disabled; enabled, it closes the channel editor and opens
    // the FM presets editor.
    void hiddenFmEntryOpensTheFmEditor() {
        radioOnCom8();
        rig->startUp();
        rig->settle();
        QAction* fm = action("fm_chann_edit");
        QVERIFY(!fm->isVisible() && !fm->isEnabled());
        fm->trigger();
        QVERIFY(!rig->window->childWindow("frm_FM"));
        action("chann_edit")->trigger();
        QPointer<QWidget> channels = rig->window->childWindow("frm_chann");
        QVERIFY(channels);
        fm->setEnabled(true);
        fm->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(channels.isNull());
        QVERIFY(rig->window->childWindow("frm_FM"));
        QCOMPARE(rig->window->childWindow("frm_FM")->windowTitle(),
                 QString("FM Radio Information"));
    }

    // Exit closes the channel editor and then the optional-features editor, then the rest.
    void exitClosesTheEditorsAndTheWindow() {
        radioOnCom8();
        rig->startUp();
        rig->settle();
        action("sys_edit")->trigger();
        action("chann_edit")->trigger();
        QPointer<QWidget> channels = rig->window->childWindow("frm_chann");
        QPointer<QWidget> options = rig->window->childWindow("frm_option");
        QVERIFY(channels && options);
        QStringList closed;
        CloseOrder order(closed);
        channels->installEventFilter(&order);
        options->installEventFilter(&order);
        action("Menu_Exit")->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(channels.isNull());
        QVERIFY(options.isNull());
        QCOMPARE(closed, (QStringList{"frm_chann", "frm_option"}));
        QVERIFY(!rig->window->isVisible());
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_main_window.moc"
