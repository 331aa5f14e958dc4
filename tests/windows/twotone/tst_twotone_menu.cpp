#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QtTest>

#include "support/WindowRig.h"
#include "windows/twotone/frm_2tone.h"

using namespace orvex;
using namespace orvex::test;

// The main window keeps "2 TONE" disabled; enabled, the entry opens one two-tone editor,
// sized by the main window and centred in its client area.
class TwoToneMenuTest : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowRig> rig;

  private slots:
    void init() {
        rig = std::make_unique<WindowRig>();
        rig->ports.detach(1);
        rig->ports.attach(8, rig->radio);
        rig->window->resize(1500, 1000);
        rig->window->show();
        rig->startUp();
        rig->settle();
    }
    void cleanup() { rig.reset(); }

    void entryOpensTheEditorOnce() {
        QAction* entry = rig->window->action("Sig_2tone");
        QVERIFY(entry);
        QVERIFY(rig->window->action("sig_edit")->isEnabled());  // the radio answered
        QVERIFY(!entry->isEnabled());
        entry->trigger();
        QVERIFY(!rig->window->childWindow("frm_2tone"));

        entry->setEnabled(true);
        entry->trigger();
        QWidget* editor = rig->window->childWindow("frm_2tone");
        QVERIFY(editor);
        QVERIFY(qobject_cast<frm_2tone*>(editor));
        entry->trigger();
        int editors = 0;
        for (QMdiSubWindow* frame : rig->window->mdiArea()->subWindowList())
            editors += frame->widget()->objectName() == "frm_2tone";
        QCOMPARE(editors, 1);

        auto* frame = qobject_cast<QMdiSubWindow*>(editor->parentWidget());
        QVERIFY(frame);
        const QSize size(int(rig->window->width() / 1.2), int(rig->window->height() / 1.25));
        QCOMPARE(frame->size(), size);
        const QSize client = rig->window->mdiArea()->viewport()->size();
        QCOMPARE(frame->pos(), QPoint((client.width() - size.width()) / 2,
                                      (client.height() - size.height()) / 2));
        // The tone scale start-up set reaches the editor's tone sets.
        const ToneSetLine first = static_cast<frm_2tone*>(editor)->settings().toneSets[0];
        QCOMPARE(int(first[8] | first[9] << 8), 1163);
    }
};

QTEST_MAIN(TwoToneMenuTest)
#include "tst_twotone_menu.moc"
