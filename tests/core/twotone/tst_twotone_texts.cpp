#include <QtTest>

#include <string>

#include "core/twotone/TwoToneTexts.h"

using namespace orvex;
namespace texts = orvex::twotone_texts;

class TwoToneTextsTest : public QObject {
    Q_OBJECT

  private slots:
    void gridHeadings() {
        QCOMPARE(texts::kEncodeGridHeader.pick(-1),
                 "^ 信息码 |^ 第 1 个频率(HZ) |^ 第 2 个频率(HZ) ");
        QCOMPARE(texts::kEncodeGridHeader.pick(0),
                 "^ Code|^ 1st Frequency(HZ)|^ 2nd Frequency(HZ)");
        QCOMPARE(
            texts::kDecodeGridHeader.pick(-1),
            std::string("^ 信息码|^解码1|^   响 应 方 式  |^提示|^解码2|^   响 应 方 式  |^提示|") +
                "^解码3|^   响 应 方 式  |^提示|^解码4|^   响 应 方 式  |^提示");
        QCOMPARE(
            texts::kDecodeGridHeader.pick(0),
            std::string("^ Code|^Dec_1|^    Response   |^Alert|^Dec_2|^   Response   |^Alert|") +
                "^Dec_3|^   Response   |^Alert|^Dec_4|^   Response   |^Alert");
    }

    void decodeFrameCaptions_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("language");
        QTest::addColumn<QByteArray>("caption");
        QTest::newRow("code 1, English") << 1 << 0 << QByteArray("1 Decode 2 Tone Frequency");
        QTest::newRow("code 15, English") << 15 << 0 << QByteArray("15 Decode 2 Tone Frequency");
        QTest::newRow("code 6, Chinese") << 6 << -1 << QByteArray("6 解码信息两音频率");
    }
    void decodeFrameCaptions() {
        QFETCH(int, code);
        QFETCH(int, language);
        QFETCH(QByteArray, caption);
        QCOMPARE(texts::DecodeFrameCaption(code, language), caption.toStdString());
    }

    void decodeFrameAtLoad() {
        QCOMPARE(texts::kDecodeFrameAtLoad.pick(0), " 1 Decode 2 Tone Frequency");
        QCOMPARE(texts::kDecodeFrameAtLoad.pick(-1), " 1 解码信息两音频率");
    }

    void everyLabelHasACaption() {
        for (const LabelFor& entry : texts::kLabels) {
            const Bilingual caption = CaptionIn(texts::kCaptions, entry.label);
            QVERIFY(!caption.english.empty());
            QVERIFY(!caption.chinese.empty());
        }
        QCOMPARE(CaptionIn(texts::kCaptions, "Label_2nd").english, "2nd Tone Duration(MS)");
    }
};

QTEST_APPLESS_MAIN(TwoToneTextsTest)
#include "tst_twotone_texts.moc"
