#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QtTest>

#include "support/WindowRig.h"
#include "windows/shell/ChildWindow.h"
#include "windows/shell/Form_setup.h"
#include "windows/shell/StatusBar.h"

using namespace orvex;
using namespace orvex::test;

namespace {

enum class LinkBefore {
    Connected,  // the start-up identification found the radio
    Faulted,    // it ended in "Communication fault."
    Running,    // it is still sending the opening command
};

}  // namespace

Q_DECLARE_METATYPE(LinkBefore)
Q_DECLARE_METATYPE(OpenFailure)

class PortSetupTest : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowRig> rig;

    QWidget* dialog() const { return rig->window->childWindow("Form_setup"); }

    Form_setup* openDialog() {
        rig->window->action("proc_setup")->trigger();
        return qobject_cast<Form_setup*>(dialog());
    }

    static QRadioButton* option(QWidget* dialog, int n) {
        return dialog->findChild<QRadioButton*>(QString("Option%1").arg(n));
    }
    static void press(QWidget* dialog, const char* button) {
        dialog->findChild<QPushButton*>(button)->click();
    }
    static QString text(QWidget* dialog, const QString& label) {
        return dialog->findChild<QLabel*>(label)->text();
    }

    void startConnected() {
        rig->startUp();
        rig->settle();
        QCOMPARE(rig->panelText(2), QString("Connect well with radio."));
    }

    void markQuietPanels() {
        for (int n : {4, 6, 8})
            rig->window->statusPanels()->setPanelText(n, "old");
    }

  private slots:
    void init() { rig = std::make_unique<WindowRig>(); }
    void cleanup() { rig.reset(); }

    void loadSelectsCommPort_data() {
        QTest::addColumn<int>("comPort");
        QTest::newRow("COM1") << 1;
        QTest::newRow("COM5") << 5;
        QTest::newRow("COM8") << 8;
    }
    void loadSelectsCommPort() {
        QFETCH(int, comPort);
        startConnected();
        rig->state.Comm_Port = static_cast<std::int16_t>(comPort);
        QWidget* setup = openDialog();
        QVERIFY(setup);
        for (int n = 1; n <= 8; ++n) {
            QCOMPARE(option(setup, n)->text(), QString("COM%1").arg(n));
            QCOMPARE(option(setup, n)->isChecked(), n == comPort);
        }
        QCOMPARE(option(setup, 1)->parentWidget()->objectName(), QString("Frame1"));
    }

    void okOnAWorkingPort_data() {
        QTest::addColumn<LinkBefore>("before");
        QTest::addColumn<int>("radioPort");
        QTest::newRow("radio moved to COM6") << LinkBefore::Connected << 6;
        QTest::newRow("same port after a fault") << LinkBefore::Faulted << 1;
        // The start-up run holds the main window's port open while it sends.
        QTest::newRow("while the start-up run sends") << LinkBefore::Running << 1;
        QTest::newRow("radio moved while the start-up run sends") << LinkBefore::Running << 3;
    }
    void okOnAWorkingPort() {
        QFETCH(LinkBefore, before);
        QFETCH(int, radioPort);
        rig->radio.faults().silent = before == LinkBefore::Faulted;
        rig->startUp();
        if (before != LinkBefore::Running) rig->settle();
        if (before == LinkBefore::Faulted) {
            QCOMPARE(rig->panelText(2), QString("Communication fault."));
            rig->radio.faults().silent = false;
        }
        if (radioPort != 1) {
            rig->ports.detach(1);
            rig->ports.attach(radioPort, rig->radio);
        }
        markQuietPanels();
        const int opensBefore = rig->ports.stats(radioPort).opens;

        QPointer<QWidget> setup = openDialog();
        QVERIFY(setup);
        option(setup, radioPort)->click();
        press(setup, "Command_ok");

        QCOMPARE(int(rig->state.Comm_Port), radioPort);
        QCOMPARE(rig->panelText(3), QString("COM%1").arg(radioPort));
        for (int n : {2, 4, 6, 8, 10})
            QCOMPARE(rig->panelText(n), QString());
        QCOMPARE(rig->window->link().retriesLeft(), 3);
        QVERIFY(rig->window->link().isBusy());
        WindowRig::deleteClosedWindows();
        QVERIFY(setup.isNull());
        QVERIFY(!dialog());

        rig->settle();
        QCOMPARE(rig->panelText(2), QString("Connect well with radio."));
        QCOMPARE(rig->panelText(10), QString(" 400-- 470 MHZ"));
        QVERIFY(rig->ports.stats(radioPort).opens > opensBefore);
        QVERIFY(!rig->ports.isHeldOpen(radioPort));
        for (const char* menu : {"chann_edit", "sys_edit", "sig_edit"})
            QVERIFY(rig->window->action(menu)->isEnabled());
        QVERIFY(rig->prompt.messages.empty());
    }

    void okOnAPortThatCannotBeOpened_data() {
        QTest::addColumn<int>("chosen");
        QTest::addColumn<bool>("held");
        QTest::addColumn<bool>("chineseAfterOpening");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("reason");
        QTest::newRow("no device on COM4") << 4 << false << false << "Operate Prompt"
                                           << "Communication Port Open Error ！"
                                           << "No serial device stands for COM4.";
        QTest::newRow("COM1 in use")
            << 1 << true << false << "Operate Prompt"
            << "Communication Port Open Error ！"
            << "simulated COM1 (COM1) is in use by another program or by another window of "
               "this program.";
        // The message and the reason follow the language of the moment, not the captions.
        QTest::newRow("COM1 in use, Chinese since the dialog opened")
            << 1 << true << true << "操作提示"
            << "通讯端口打开错误，请正确设置通讯端口 ！"
            << "simulated COM1（COM1）正被其他程序或本程序的其他窗口占用。";
    }
    void okOnAPortThatCannotBeOpened() {
        QFETCH(int, chosen);
        QFETCH(bool, held);
        QFETCH(bool, chineseAfterOpening);
        QFETCH(QString, title);
        QFETCH(QString, message);
        QFETCH(QString, reason);
        startConnected();
        std::unique_ptr<SerialPort> holder = rig->ports.factory()();
        if (held) QCOMPARE(holder->open(chosen, LineSettings{}), OpenFailure::None);

        QPointer<QWidget> setup = openDialog();
        if (chineseAfterOpening) rig->window->action("Language_chn")->trigger();
        option(setup, chosen)->click();
        press(setup, "Command_ok");

        QCOMPARE(rig->prompt.messages.size(), size_t(1));
        QCOMPARE(QString::fromStdString(rig->prompt.messages[0].title), title);
        QCOMPARE(QString::fromStdString(rig->prompt.messages[0].text), message);
        QVERIFY(!rig->prompt.messages[0].plain);
        QCOMPARE(text(setup, "Label_reason"), reason);
        QCOMPARE(int(rig->state.Comm_Port), chosen);
        QVERIFY(rig->state.Port_Error);
        QCOMPARE(rig->panelText(2), QString());
        QCOMPARE(rig->panelText(3), QString("COM%1").arg(chosen));
        WindowRig::deleteClosedWindows();
        QVERIFY(setup && setup->isVisible());
        QVERIFY(!rig->window->link().isBusy());
        rig->clock.advanceMs(10'000);
        QCOMPARE(rig->panelText(2), QString());

        // The dialog stays for another try, which can succeed.
        holder->close();
        option(setup, 1)->click();
        press(setup, "Command_ok");
        WindowRig::deleteClosedWindows();
        QVERIFY(setup.isNull());
        rig->settle();
        QCOMPARE(rig->prompt.messages.size(), size_t(1));
        QCOMPARE(rig->panelText(3), QString("COM1"));
        QCOMPARE(rig->panelText(2), chineseAfterOpening ? QString("与对讲机数据通讯正常")
                                                        : QString("Connect well with radio."));
    }

    void cancelChangesNothing() {
        startConnected();
        markQuietPanels();
        const int opensBefore = rig->ports.stats(1).opens;
        QPointer<QWidget> setup = openDialog();
        option(setup, 5)->click();
        press(setup, "Command1");
        WindowRig::deleteClosedWindows();
        QVERIFY(setup.isNull());
        QCOMPARE(int(rig->state.Comm_Port), 1);
        QCOMPARE(rig->panelText(2), QString("Connect well with radio."));
        QCOMPARE(rig->panelText(3), QString("COM1"));
        QCOMPARE(rig->panelText(4), QString("old"));
        QCOMPARE(rig->panelText(10), QString(" 400-- 470 MHZ"));
        QCOMPARE(rig->ports.stats(1).opens, opensBefore);
        QVERIFY(!rig->window->link().isBusy());
        QVERIFY(rig->prompt.messages.empty());
    }

    // A third of the client area, centred across and 500 twips above the middle.
    void opensOnceAtAThirdOfTheClientArea() {
        startConnected();
        QWidget* first = openDialog();
        QVERIFY(first);
        option(first, 6)->click();
        rig->window->action("proc_setup")->trigger();
        int dialogs = 0;
        for (QMdiSubWindow* frame : rig->window->mdiArea()->subWindowList())
            dialogs += frame->widget()->objectName() == "Form_setup";
        QCOMPARE(dialogs, 1);
        QCOMPARE(dialog(), first);
        QVERIFY(option(first, 6)->isChecked());

        const QSize client = rig->window->mdiArea()->viewport()->size();
        const QRect frame = first->parentWidget()->geometry();
        QCOMPARE(frame.width(), qRound(client.width() / 3.0));
        QCOMPARE(frame.height(), qRound(client.height() / 3.0));
        QCOMPARE(frame.x(), (client.width() - frame.width()) / 2);
        QCOMPARE(frame.y(), (client.height() - frame.height()) / 2 - 500 / kTwipsPerPixel);
    }

    void captionsAndDevicesAtLoad_data() {
        QTest::addColumn<bool>("chinese");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("frame");
        QTest::addColumn<QString>("ok");
        QTest::addColumn<QString>("cancel");
        QTest::addColumn<QString>("noDevice");
        QTest::newRow("English") << false << "Communication Port Setup"
                                 << "Port Setup"
                                 << "Confirm"
                                 << "Cancel"
                                 << "(no device)";
        QTest::newRow("Chinese") << true << "通讯端口设置"
                                 << "端口设置"
                                 << "确 定"
                                 << "取 消"
                                 << "（无设备）";
    }
    void captionsAndDevicesAtLoad() {
        QFETCH(bool, chinese);
        QFETCH(QString, title);
        QFETCH(QString, frame);
        QFETCH(QString, ok);
        QFETCH(QString, cancel);
        QFETCH(QString, noDevice);
        startConnected();
        if (chinese) rig->window->action("Language_chn")->trigger();
        QWidget* setup = openDialog();
        QCOMPARE(setup->windowTitle(), title);
        QCOMPARE(setup->findChild<QGroupBox*>("Frame1")->title(), frame);
        QCOMPARE(setup->findChild<QPushButton*>("Command_ok")->text(), ok);
        QCOMPARE(setup->findChild<QPushButton*>("Command1")->text(), cancel);
        for (int n = 1; n <= 8; ++n) {
            const std::string& device = kRigDevices[static_cast<size_t>(n)];
            const QString expected = device.empty() ? noDevice : QString::fromStdString(device);
            const auto* label = setup->findChild<QLabel*>(QString("Label_device_%1").arg(n));
            QVERIFY(label);
            QCOMPARE(label->text(), expected);
            QCOMPARE(label->toolTip(), expected);
            QCOMPARE(option(setup, n)->toolTip(), expected);
        }
        QCOMPARE(text(setup, "Label_reason"), QString());
    }

    // The dialog alone: which failures it explains, and what a success does.
    void reasonShownWhenWorthTelling_data() {
        QTest::addColumn<OpenFailure>("failure");
        QTest::addColumn<bool>("shown");
        QTest::newRow("no such port") << OpenFailure::NoSuchPort << true;
        QTest::newRow("no permission") << OpenFailure::PermissionDenied << true;
        QTest::newRow("in use") << OpenFailure::Busy << true;
        QTest::newRow("other") << OpenFailure::Other << false;
    }
    void reasonShownWhenWorthTelling() {
        QFETCH(OpenFailure, failure);
        QFETCH(bool, shown);
        SharedState state;
        state.Comm_Port = 2;
        RecordingPanels panels;
        std::vector<PortOpenOutcome> outcomes = {{OpenFailure::Busy, "first reason"},
                                                 {failure, "second reason"},
                                                 {OpenFailure::None, ""}};
        size_t opened = 0;
        int restarts = 0;
        std::vector<int> portsOpened;
        QPointer<Form_setup> setup =
            new Form_setup(state, panels, kRigDevices,
                           PortSetupLink{[&] {
                                             portsOpened.push_back(state.Comm_Port);
                                             return outcomes.at(opened++);
                                         },
                                         [&] { ++restarts; }});
        const auto removeSetup = qScopeGuard([&setup] { delete setup.data(); });
        setup->show();
        QVERIFY(option(setup, 2)->isChecked());

        option(setup, 7)->click();
        press(setup, "Command_ok");
        QCOMPARE(text(setup, "Label_reason"), QString("first reason"));
        press(setup, "Command_ok");
        QCOMPARE(text(setup, "Label_reason"), shown ? QString("second reason") : QString());
        QCOMPARE(restarts, 0);
        WindowRig::deleteClosedWindows();
        QVERIFY(setup && setup->isVisible());

        press(setup, "Command_ok");
        QCOMPARE(restarts, 1);
        QCOMPARE(portsOpened, (std::vector<int>{7, 7, 7}));
        QCOMPARE(panels.panel(3), std::string("COM7"));
        WindowRig::deleteClosedWindows();
        QVERIFY(setup.isNull());
    }
};

QTEST_MAIN(PortSetupTest)
#include "tst_port_setup.moc"
