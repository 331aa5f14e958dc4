#include <gtest/gtest.h>

#include <string>

#include "core/twotone/TwoToneTexts.h"

using namespace orvex;
namespace texts = orvex::twotone_texts;

TEST(TwoToneTexts, GridHeadings) {
    EXPECT_EQ(texts::kEncodeGridHeader.pick(-1), "^ 信息码 |^ 第 1 个频率(HZ) |^ 第 2 个频率(HZ) ");
    EXPECT_EQ(texts::kEncodeGridHeader.pick(0), "^ Code|^ 1st Frequency(HZ)|^ 2nd Frequency(HZ)");
    EXPECT_EQ(
        texts::kDecodeGridHeader.pick(-1),
        std::string("^ 信息码|^解码1|^   响 应 方 式  |^提示|^解码2|^   响 应 方 式  |^提示|") +
            "^解码3|^   响 应 方 式  |^提示|^解码4|^   响 应 方 式  |^提示");
    EXPECT_EQ(texts::kDecodeGridHeader.pick(0),
              std::string("^ Code|^Dec_1|^    Response   |^Alert|^Dec_2|^   Response   |^Alert|") +
                  "^Dec_3|^   Response   |^Alert|^Dec_4|^   Response   |^Alert");
}

TEST(TwoToneTexts, DecodeFrameCaptions) {
    struct Case {
        int code;
        int language;
        std::string caption;
    };
    for (const Case& c :
         {Case{1, 0, "1 Decode 2 Tone Frequency"}, Case{15, 0, "15 Decode 2 Tone Frequency"},
          Case{6, -1, "6 解码信息两音频率"}}) {
        SCOPED_TRACE(c.caption);
        EXPECT_EQ(texts::DecodeFrameCaption(c.code, c.language), c.caption);
    }
    EXPECT_EQ(texts::kDecodeFrameAtLoad.pick(0), " 1 Decode 2 Tone Frequency");
    EXPECT_EQ(texts::kDecodeFrameAtLoad.pick(-1), " 1 解码信息两音频率");
}

TEST(TwoToneTexts, EveryLabelHasACaption) {
    for (const LabelFor& entry : texts::kLabels) {
        SCOPED_TRACE(std::string(entry.control));
        const Bilingual caption = CaptionIn(texts::kCaptions, entry.label);
        EXPECT_FALSE(caption.english.empty());
        EXPECT_FALSE(caption.chinese.empty());
    }
    EXPECT_EQ(CaptionIn(texts::kCaptions, "Label_2nd").english, "2nd Tone Duration(MS)");
}
