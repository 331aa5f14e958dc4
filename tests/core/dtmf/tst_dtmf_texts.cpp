#include <QtTest>

#include <map>
#include <set>
#include <string_view>

#include "core/dtmf/DtmfBlock.h"
#include "core/dtmf/DtmfTexts.h"

using namespace orvex;

namespace {

namespace texts = dtmf_texts;

const texts::Caption* CaptionOf(std::string_view name) {
    for (const auto& caption : texts::kCaptions)
        if (caption.name == name) return &caption;
    return nullptr;
}

std::set<std::string_view> FrameNames() {
    std::set<std::string_view> names;
    for (const auto& frame : texts::kShownFrames)
        names.insert(frame.name);
    for (const auto& frame : texts::kHiddenFrames)
        names.insert(frame.name);
    return names;
}

QStringList ControlsOf(const texts::Frame& frame) {
    QStringList controls;
    for (const std::string_view control : frame.controls)
        controls << QString::fromUtf8(control);
    return controls;
}

const texts::Frame* FrameNamed(std::string_view name) {
    for (const auto& frame : texts::kShownFrames)
        if (frame.name == name) return &frame;
    for (const auto& frame : texts::kHiddenFrames)
        if (frame.name == name) return &frame;
    return nullptr;
}

}  // namespace

// The window builds its controls, captions and frames from these tables.
class DtmfTextsTest : public QObject {
    Q_OBJECT

  private slots:
    void captionedControls_data() {
        QTest::addColumn<QString>("name");
        for (const char* name :
             {"frm_dtmf", "Frame_encode", "Label_dtmf_ontime", "Label_dtmf_offtime",
              "Label_Group_code", "Label_bj", "Frame_ANI_Code", "Check_Ptt_P", "Check_Ptt_S",
              "Command_read", "Command_write", "Command_def", "Command_save", "Command_open",
              "Command_close"})
            QTest::newRow(name) << name;
    }
    void captionedControls() {
        QFETCH(QString, name);
        const texts::Caption* caption = CaptionOf(name.toStdString());
        QVERIFY(caption);
        QVERIFY(!caption->text.chinese.empty());
        QVERIFY(!caption->text.english.empty());
    }

    void captionsAreUnique() {
        std::set<std::string_view> names;
        for (const auto& caption : texts::kCaptions) {
            QVERIFY2(names.insert(caption.name).second, std::string(caption.name).c_str());
            QVERIFY2(!caption.text.chinese.empty() && !caption.text.english.empty(),
                     std::string(caption.name).c_str());
        }
        // The write button of this window is spelt with a lower-case w.
        QVERIFY(!CaptionOf("Command_Write"));
    }

    void framesHold_data() {
        QTest::addColumn<QString>("frame");
        QTest::addColumn<QStringList>("controls");
        QTest::addColumn<bool>("shown");
        QTest::newRow("Frame_encode")
            << "Frame_encode" << QStringList{"MSF_Encode",    "Frame_ANI_Code", "Text_BJ",
                                             "Combo_Enc_ys1", "Combo_Enc_ys2",  "Combo_Enc_qh"}
            << true;
        QTest::newRow("Frame_ANI_Code")
            << "Frame_ANI_Code" << QStringList{"Text_Ani", "Check_Ptt_P", "Check_Ptt_S"} << true;
        QTest::newRow("Frame_Decode")
            << "Frame_Decode" << QStringList{"Text_XC", "Text_JT", "Text_YY", "Text_YB", "Text_KJ"}
            << false;
        QTest::newRow("Frame_Ctrl")
            << "Frame_Ctrl"
            << QStringList{"Check_Ctrl_En", "Text_MID",  "Check_M_0", "Check_M_1", "Check_M_2",
                           "Check_M_3",     "Check_M_4", "Text_SID",  "Check_S_0", "Check_S_1",
                           "Check_S_2",     "Check_S_3", "Check_S_4"}
            << false;
        QTest::newRow("Frame_State")
            << "Frame_State" << QStringList{"Check_RX", "Check_TX"} << false;
    }
    void framesHold() {
        QFETCH(QString, frame);
        QFETCH(QStringList, controls);
        QFETCH(bool, shown);
        const texts::Frame* found = FrameNamed(frame.toStdString());
        QVERIFY(found);
        QCOMPARE(ControlsOf(*found), controls);
        bool inShown = false;
        for (const auto& candidate : texts::kShownFrames)
            inShown = inShown || candidate.name == found->name;
        QCOMPARE(inShown, shown);
        QVERIFY(CaptionOf(found->name));
    }

    void everyControlIsInOneFrame() {
        std::multiset<std::string_view> placed;
        for (const auto& frame : texts::kShownFrames)
            placed.insert(frame.controls.begin(), frame.controls.end());
        for (const auto& frame : texts::kHiddenFrames)
            placed.insert(frame.controls.begin(), frame.controls.end());
        for (int i = 0; i < kDtmfCodeCount; ++i) {
            const std::string_view control = DtmfCodeControl(static_cast<DtmfCode>(i));
            QVERIFY2(placed.count(control) == 1, std::string(control).c_str());
        }
        for (const std::string_view control : placed)
            QVERIFY2(placed.count(control) == 1, std::string(control).c_str());
        QCOMPARE(FrameNames().size(), texts::kShownFrames.size() + texts::kHiddenFrames.size());
    }

    // A check box carries its own caption; every other control of a frame, except the ANI box
    // titled by its frame and the grid, has one captioned label.
    void controlsAreCaptionedOrLabelled() {
        std::map<std::string_view, int> labelsOf;
        std::set<std::string_view> labels;
        for (const auto& [control, label] : texts::kLabels) {
            ++labelsOf[control];
            QVERIFY2(labels.insert(label).second, std::string(label).c_str());
            QVERIFY2(CaptionOf(label), std::string(label).c_str());
        }
        const std::set<std::string_view> unlabelled = {"Text_Ani", "MSF_Encode"};
        std::vector<texts::Frame> frames(texts::kShownFrames.begin(), texts::kShownFrames.end());
        frames.insert(frames.end(), texts::kHiddenFrames.begin(), texts::kHiddenFrames.end());
        std::set<std::string_view> placed;
        for (const auto& frame : frames) {
            for (const std::string_view control : frame.controls) {
                placed.insert(control);
                const std::string name(control);
                if (control.starts_with("Check_")) {
                    QVERIFY2(CaptionOf(control), name.c_str());
                    QVERIFY2(labelsOf[control] == 0, name.c_str());
                } else if (FrameNames().contains(control) || unlabelled.contains(control)) {
                    QVERIFY2(labelsOf[control] == 0, name.c_str());
                } else {
                    QVERIFY2(labelsOf[control] == 1, name.c_str());
                }
            }
        }
        for (const auto& entry : texts::kLabels)
            QVERIFY2(placed.contains(entry.control), std::string(entry.control).c_str());
    }

    void gridHeaderHasTwoCentredColumns() {
        for (const std::string_view header :
             {texts::kGridHeader.chinese, texts::kGridHeader.english}) {
            const QStringList columns = QString::fromUtf8(header).split('|');
            QCOMPARE(columns.size(), 2);
            for (const QString& column : columns)
                QVERIFY(column.startsWith('^'));
        }
    }
};

QTEST_APPLESS_MAIN(DtmfTextsTest)
#include "tst_dtmf_texts.moc"
