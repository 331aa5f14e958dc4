#include <QtTest>

#include <map>
#include <set>
#include <string_view>

#include "core/options/OptionLists.h"
#include "core/options/OptionTexts.h"

using namespace orvex;

namespace {

// Every control that shows a setting, from the lists' own tables.
std::set<std::string_view> SettingControls() {
    std::set<std::string_view> controls;
    for (int i = 0; i < kOptionListCount; ++i)
        controls.insert(OptionListOf(static_cast<OptionList>(i)).control);
    for (int i = 0; i < kOptionFlagCount; ++i)
        controls.insert(OptionFlagControl(static_cast<OptionFlag>(i)));
    for (int i = 0; i < kOptionLimitCount; ++i)
        controls.insert(OptionLimitControl(static_cast<OptionLimit>(i)));
    return controls;
}

bool HasCaption(std::string_view name) {
    for (const auto& caption : option_texts::kCaptions)
        if (caption.name == name) return true;
    return false;
}

bool IsCheckBox(std::string_view control) {
    return control.starts_with("Check_");
}

}  // namespace

// The window lays itself out from these tables: a control left out of them, or shown twice,
// would be missing from the form or clash in it.
class OptionTextsTest : public QObject {
    Q_OBJECT

  private slots:
    void framesHoldEverySettingOnce() {
        std::multiset<std::string_view> placed;
        for (const auto& frame : option_texts::kFrames)
            placed.insert(frame.controls.begin(), frame.controls.end());
        const std::set<std::string_view> controls = SettingControls();
        QCOMPARE(controls.size(), std::size_t{31});
        QCOMPARE(placed.size(), controls.size());
        for (const std::string_view control : controls)
            QVERIFY2(placed.count(control) == 1, std::string(control).c_str());
    }

    void framesAreNamedAndTitled() {
        std::set<std::string_view> names;
        for (const auto& frame : option_texts::kFrames) {
            QVERIFY(frame.name.starts_with("Frame_"));
            QVERIFY(!frame.title.chinese.empty());
            QVERIFY(!frame.title.english.empty());
            QVERIFY(!frame.controls.empty());
            names.insert(frame.name);
        }
        QCOMPARE(names.size(), option_texts::kFrames.size());
    }

    void everyListAndLimitHasOneCaptionedLabel() {
        std::map<std::string_view, int> labelsOf;
        std::set<std::string_view> labels;
        for (const auto& [control, label] : option_texts::kLabels) {
            ++labelsOf[control];
            labels.insert(label);
            QVERIFY2(HasCaption(label), std::string(label).c_str());
        }
        QCOMPARE(labels.size(), option_texts::kLabels.size());
        for (const std::string_view control : SettingControls()) {
            const int expected = IsCheckBox(control) ? 0 : 1;
            QVERIFY2(labelsOf[control] == expected, std::string(control).c_str());
        }
        QCOMPARE(labelsOf.size(), SettingControls().size());
    }

    void checkBoxesCarryTheirOwnCaption() {
        for (int i = 0; i < kOptionFlagCount; ++i) {
            const std::string_view control = OptionFlagControl(static_cast<OptionFlag>(i));
            QVERIFY2(HasCaption(control), std::string(control).c_str());
        }
    }

    void captionsAreUniqueAndInBothLanguages() {
        std::set<std::string_view> names;
        for (const auto& caption : option_texts::kCaptions) {
            names.insert(caption.name);
            QVERIFY2(!caption.text.chinese.empty() && !caption.text.english.empty(),
                     std::string(caption.name).c_str());
        }
        QCOMPARE(names.size(), option_texts::kCaptions.size());
        QVERIFY(HasCaption("frm_option"));
    }
};

QTEST_APPLESS_MAIN(OptionTextsTest)
#include "tst_option_texts.moc"
