#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

#include "ProgramVersion.h"
#include "support/WindowRig.h"
#include "windows/shell/ChildWindow.h"

using namespace orvex;
using namespace orvex::test;

class AboutBoxTest : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowRig> rig;

    QWidget* aboutBox() const { return rig->window->childWindow("frmAbout"); }

    QWidget* openAbout() {
        rig->window->action("about")->trigger();
        return aboutBox();
    }

    static QString text(QWidget* box, const char* label) {
        return box->findChild<QLabel*>(label)->text();
    }
    static QPushButton* button(QWidget* box, const char* name) {
        return box->findChild<QPushButton*>(name);
    }

  private slots:
    void init() {
        rig = std::make_unique<WindowRig>();
        rig->startUp();
        rig->settle();
    }
    void cleanup() { rig.reset(); }

    void textsOfTheLanguageAtLoad_data() {
        QTest::addColumn<bool>("chinese");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("maker");
        QTest::addColumn<QString>("warningWord");
        QTest::addColumn<QString>("ok");
        QTest::addColumn<QString>("sysInfo");
        QTest::newRow("English") << false << "About"
                                 << "Lindmark Korvane Electronic Co.,Ltd. Orvex series program "
                                    "software. "
                                 << "Lindmark Korvane Electronic Co.,Ltd."
                                 << "Warning"
                                 << "Confirm"
                                 << "System Information(&S)...";
        QTest::newRow("Chinese") << true << "关于"
                                 << "Orvex系列对讲机编程软件"
                                 << "科凡电子（林城）有限公司"
                                 << "警告"
                                 << "确定"
                                 << "系统信息(&S)...";
    }
    void textsOfTheLanguageAtLoad() {
        QFETCH(bool, chinese);
        QFETCH(QString, caption);
        QFETCH(QString, title);
        QFETCH(QString, maker);
        QFETCH(QString, warningWord);
        QFETCH(QString, ok);
        QFETCH(QString, sysInfo);
        if (chinese) rig->window->action("Language_chn")->trigger();
        // Loading reads the language texts afresh.
        LanguageTexts& texts = rig->state.texts;
        texts.title = texts.version = texts.description = texts.warning = "stale";

        QWidget* box = openAbout();
        QVERIFY(box);
        QCOMPARE(box->windowTitle(), caption);
        QCOMPARE(text(box, "lblTitle"), title);
        const QString version = text(box, "lblVersion");
        QVERIFY2(version.contains(
                     QString::fromUtf8(kProgramVersion.data(), qsizetype(kProgramVersion.size()))),
                 qPrintable(version));
        QVERIFY2(version.contains("(C) 2024-2026"), qPrintable(version));
        QVERIFY2(version.contains(maker), qPrintable(version));
        QVERIFY2(text(box, "lblDescription").contains(maker),
                 qPrintable(text(box, "lblDescription")));
        QVERIFY2(text(box, "lblDisclaimer").startsWith(warningWord),
                 qPrintable(text(box, "lblDisclaimer")));
        QCOMPARE(button(box, "cmdOk")->text(), ok);
        QCOMPARE(button(box, "cmdSysInfo")->text(), sysInfo);
        const auto* icon = box->findChild<QLabel*>("picIcon");
        QVERIFY(icon);
        QVERIFY(!icon->pixmap().isNull());
    }

    // Opened once, not brought up twice; 500 twips above the centre of the client area.
    void opensOnceAboveTheCentre() {
        QWidget* first = openAbout();
        QVERIFY(first);
        rig->window->action("about")->trigger();
        int boxes = 0;
        for (QMdiSubWindow* frame : rig->window->mdiArea()->subWindowList())
            boxes += frame->widget()->objectName() == "frmAbout";
        QCOMPARE(boxes, 1);
        QCOMPARE(aboutBox(), first);
        QVERIFY(first->isVisible());

        const QSize client = rig->window->mdiArea()->viewport()->size();
        const QRect frame = first->parentWidget()->geometry();
        QCOMPARE(frame.x(), (client.width() - frame.width()) / 2);
        QCOMPARE(frame.y(), (client.height() - frame.height()) / 2 - 500 / kTwipsPerPixel);
    }

    void okCloses() {
        QPointer<QWidget> box = openAbout();
        button(box, "cmdOk")->click();
        WindowRig::deleteClosedWindows();
        QVERIFY(box.isNull());
        QVERIFY(!aboutBox());
        QVERIFY(rig->prompt.messages.empty());
    }

    void systemInformation_data() {
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<bool>("startWorks");
        QTest::addColumn<bool>("chinese");
        QTest::addColumn<QString>("attempted");  // the path started, empty for none
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("unavailable");
        QTest::newRow("nothing installed")
            << QStringList{} << true << false << "" << QStringList{} << true;
        QTest::newRow("nothing installed, Chinese")
            << QStringList{} << true << true << "" << QStringList{} << true;
        QTest::newRow("a profiler before the desktops' pages")
            << QStringList{"kinfocenter", "gnome-control-center", "hardinfo"} << true << false
            << "/usr/bin/hardinfo" << QStringList{} << false;
        QTest::newRow("hardinfo2 before hardinfo")
            << QStringList{"hardinfo", "hardinfo2"} << true << false << "/usr/bin/hardinfo2"
            << QStringList{} << false;
        QTest::newRow("KDE before GNOME")
            << QStringList{"gnome-control-center", "kinfocenter", "lshw-gtk"} << true << false
            << "/usr/bin/kinfocenter" << QStringList{} << false;
        QTest::newRow("GNOME opens its system panel")
            << QStringList{"lshw-gtk", "gnome-control-center"} << true << false
            << "/usr/bin/gnome-control-center" << QStringList{"info-overview"} << false;
        QTest::newRow("lshw-gtk alone") << QStringList{"lshw-gtk"} << true << false
                                        << "/usr/bin/lshw-gtk" << QStringList{} << false;
        QTest::newRow("a tool of no use is not started")
            << QStringList{"htop"} << true << false << "" << QStringList{} << true;
        // The first tool found is the one tried; when it will not start the user is told.
        QTest::newRow("fails to start") << QStringList{"kinfocenter", "lshw-gtk"} << false << false
                                        << "/usr/bin/kinfocenter" << QStringList{} << true;
    }
    void systemInformation() {
#ifndef Q_OS_LINUX
        QSKIP("The tools tried are those of Linux.");
#endif
        QFETCH(QStringList, installed);
        QFETCH(bool, startWorks);
        QFETCH(bool, chinese);
        QFETCH(QString, attempted);
        QFETCH(QStringList, arguments);
        QFETCH(bool, unavailable);
        rig->systemTools.installed = installed;
        rig->systemTools.startWorks = startWorks;
        if (chinese) rig->window->action("Language_chn")->trigger();
        QPointer<QWidget> box = openAbout();
        button(box, "cmdSysInfo")->click();

        const auto& started = rig->systemTools.started;
        QCOMPARE(started.size(), size_t(attempted.isEmpty() ? 0 : 1));
        if (!attempted.isEmpty()) {
            QCOMPARE(started[0].path, attempted);
            QCOMPARE(started[0].arguments, arguments);
        }
        QCOMPARE(rig->prompt.messages.size(), size_t(unavailable ? 1 : 0));
        if (unavailable) {
            QVERIFY(rig->prompt.messages[0].plain);
            QCOMPARE(rig->prompt.messages[0].title, std::string());
            QCOMPARE(rig->prompt.messages[0].text, std::string("此时系统信息不可用"));
        }
        WindowRig::deleteClosedWindows();
        QVERIFY(box && box->isVisible());
    }

    // Exit and the frame's close both close the editors first, then the About box, and then
    // what is left, such as a port dialog opened before the About box.
    void closedWithTheMainWindow_data() {
        QTest::addColumn<bool>("byExit");
        QTest::newRow("Exit") << true;
        QTest::newRow("frame closed") << false;
    }
    void closedWithTheMainWindow() {
        QFETCH(bool, byExit);
        rig->window->action("proc_setup")->trigger();
        rig->window->action("chann_edit")->trigger();
        rig->window->action("sys_edit")->trigger();
        QPointer<QWidget> setup = rig->window->childWindow("Form_setup");
        QPointer<QWidget> channels = rig->window->childWindow("frm_chann");
        QPointer<QWidget> options = rig->window->childWindow("frm_option");
        QPointer<QWidget> box = openAbout();
        QVERIFY(setup && channels && options && box);
        QStringList closed;
        CloseOrder order(closed);
        for (QWidget* window : {setup.data(), channels.data(), options.data(), box.data()})
            window->installEventFilter(&order);

        if (byExit) {
            rig->window->action("Menu_Exit")->trigger();
        } else {
            rig->window->close();
        }
        WindowRig::deleteClosedWindows();
        QVERIFY(box.isNull());
        QVERIFY(setup.isNull());
        QCOMPARE(closed, (QStringList{"frm_chann", "frm_option", "frmAbout", "Form_setup"}));
        QVERIFY(!rig->window->isVisible());
    }
};

QTEST_MAIN(AboutBoxTest)
#include "tst_about_box.moc"
