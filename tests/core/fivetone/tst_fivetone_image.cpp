#include <QtTest>

#include <algorithm>

#include "core/fivetone/FiveToneImage.h"

using namespace orvex;

namespace {

const FunctionNames kNames = {"0.Open Speak",
                              "1.Primary Caller ID",
                              "2.Secondary Caller ID",
                              "3.Monitor",
                              "4.Inspection ",
                              "5.Emergency",
                              "6.Stun",
                              "7.Kill",
                              "8.Revive"};

// The byte at a radio address of a written image.
int At(const FiveToneImage& image, int address) {
    return image[size_t(address - 0x2000)];
}

std::vector<int> LineOf(const FiveToneImage& image, int line) {
    return {image.begin() + line * 16, image.begin() + line * 16 + 16};
}

// A read image with every byte at `fill`, and a line of it set.
FiveToneReadImage ReadImage(std::uint8_t fill = 0) {
    FiveToneReadImage image;
    image.fill(fill);
    return image;
}
void SetLine(FiveToneReadImage& image, int line, std::initializer_list<int> bytes) {
    int i = 0;
    for (int b : bytes)
        image[size_t((line - 64) * 16 + i++)] = std::uint8_t(b);
}

FiveToneSettings Blank() {
    FiveToneSettings settings;
    for (auto& row : settings.standards)
        row = {"70", "A", "E"};
    return settings;
}

std::string_view View(const QByteArray& text) {
    return {text.constData(), static_cast<std::size_t>(text.size())};
}

}  // namespace

Q_DECLARE_METATYPE(orvex::CodeDigits)

class FiveToneImageTest : public QObject {
    Q_OBJECT

  private slots:
    void textToDigits_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<CodeDigits>("digits");
        const auto row = [](const char* text, CodeDigits digits) {
            QTest::addRow("\"%s\"", text) << QByteArray(text) << digits;
        };
        row("12345", {1, 2, 3, 4, 5});
        row("ABCDF", {10, 11, 12, 13, 15});
        row("", {255, 255, 255, 255, 255});
        row("     ", {255, 255, 255, 255, 255});
        row("123", {1, 2, 3, 255, 255});
        row("123  ", {1, 2, 3, 255, 255});
        row("  123", {1, 2, 3, 255, 255});  // trimmed first, then padded
        row("12a45", {1, 2, 255, 4, 5});
        row("1 345", {1, 255, 3, 4, 5});
        row("123456", {1, 2, 3, 4, 5});
    }
    void textToDigits() {
        QFETCH(QByteArray, text);
        QFETCH(CodeDigits, digits);
        QCOMPARE(CodeTextToDigits(View(text)), digits);
    }

    void digitsToText_data() {
        QTest::addColumn<CodeDigits>("digits");
        QTest::addColumn<QByteArray>("text");
        const auto row = [](CodeDigits digits, const char* text) {
            QTest::addRow("\"%s\"", text) << digits << QByteArray(text);
        };
        row({1, 2, 3, 4, 5}, "12345");
        row({10, 11, 12, 13, 14}, "ABCDE");
        row({1, 2, 3, 255, 255}, "123  ");
        row({255, 255, 1, 2, 3}, "  123");
        row({255, 255, 255, 255, 255}, "     ");
        row({16, 0, 200, 9, 15}, " 0 9F");
    }
    void digitsToText() {
        QFETCH(CodeDigits, digits);
        QFETCH(QByteArray, text);
        QCOMPARE(DigitsToCodeText(digits), View(text));
    }

    void functionCodesToNames() {
        QCOMPARE(FunctionCodeToName(0, kNames), "0.Open Speak");
        QCOMPARE(FunctionCodeToName(4, kNames), "4.Inspection ");
        QCOMPARE(FunctionCodeToName(8, kNames), "8.Revive");
        QCOMPARE(FunctionCodeToName(9, kNames), "");
        QCOMPARE(FunctionCodeToName(255, kNames), "");
    }

    void functionNamesToCodes_data() {
        QTest::addColumn<QByteArray>("cell");
        QTest::addColumn<int>("code");
        const auto row = [](const char* cell, int code) {
            QTest::addRow("\"%s\"", cell) << QByteArray(cell) << code;
        };
        row("3.Monitor", 3);
        row("8.Revive", 8);
        row("0.通话", 0);
        row(" 4.Inspection ", 4);
        row("", 255);
        row("   ", 255);
        row("x", 255);
        row("9", 9);
    }
    void functionNamesToCodes() {
        QFETCH(QByteArray, cell);
        QFETCH(int, code);
        QCOMPARE(int(FunctionNameToCode(View(cell))), code);
    }

    void frequencyPlanes() {
        const FiveToneImage image = EncodeFiveToneImage(Blank());
        // EURO digit 0: 979 and 2351.
        QCOMPARE(At(image, 0x20B0), 0xD3);
        QCOMPARE(At(image, 0x21B0), 0x03);
        QCOMPARE(At(image, 0x22B0), 0x2F);
        QCOMPARE(At(image, 0x23B0), 0x09);
        // CCIR1 digit A: 2400 Hz, 959.
        QCOMPARE(At(image, 0x200A), 0x60);
        QCOMPARE(At(image, 0x210A), 0x09);
        QCOMPARE(At(image, 0x220A), 0xBF);
        QCOMPARE(At(image, 0x230A), 0x03);
        // MODAT digit E: 487.5 Hz, 4726 = 0x1276.
        QCOMPARE(At(image, 0x20EE), 0xE7);
        QCOMPARE(At(image, 0x21EE), 0x01);
        QCOMPARE(At(image, 0x22EE), 0x76);
        QCOMPARE(At(image, 0x23EE), 0x12);
        // EURO digit A has no tone.
        for (int plane = 0; plane < 4; ++plane)
            QCOMPARE(At(image, 0x20BA + plane * 0x100), 0);
        // The last line of every plane is standard 15's, all 0.
        for (int line : {15, 31, 47, 63})
            QCOMPARE(LineOf(image, line), std::vector<int>(16, 0));
    }

    // The frequency planes are the program's, whatever the settings hold.
    void frequencyPlanesDoNotDependOnSettings() {
        FiveToneSettings other = Blank();
        other.standards[11] = {"200", "F", "0"};
        other.encode[0] = {{"12345", "", ""}, "11111", "EURO"};
        const FiveToneImage a = EncodeFiveToneImage(Blank());
        const FiveToneImage b = EncodeFiveToneImage(other);
        QVERIFY(std::equal(a.begin(), a.begin() + 64 * 16, b.begin()));
    }

    void encodeStandardSettings() {
        const struct {
            FiveToneStandardRow row;
            std::vector<int> bytes;
        } cases[] = {
            {{"70", "A", "E"}, {7, 10, 14}},
            {{"200", "0", "F"}, {20, 0, 15}},
            {{"20", " 9 ", "B"}, {2, 9, 11}},
            {{"2550", "a", ""}, {255, 255, 255}},  // as a read of 255 bytes shows them
            {{"0", " ", "G"}, {0, 255, 255}},
            {{"75", "AB", "E"}, {7, 255, 14}},
        };
        for (const auto& c : cases) {
            FiveToneSettings settings = Blank();
            settings.standards[4] = c.row;
            const auto line = LineOf(EncodeFiveToneImage(settings), 64 + 4);
            QCOMPARE(std::vector<int>(line.begin(), line.begin() + 3), c.bytes);
            QCOMPARE(std::vector<int>(line.begin() + 3, line.end()), std::vector<int>(13, 0));
        }
    }

    void encodeCodeTables() {
        FiveToneSettings s = Blank();
        s.encode[0] = {{"12345", "34567", "56789"}, "01234", "CCIR1"};
        s.encode[14] = {{"23456", "", "12a45"}, "  123", "MODAT"};
        s.encode[6] = {{"", "", ""}, "", "nonsense"};
        s.encodeTimings = {40, 20, 100, 0};
        s.decode[0] = {
            "CCIR1", {"12345", "34567", "56789"}, {"1.Primary Caller ID", "2.x", "0.y"}, "01234"};
        s.decode[14] = {"zvei2", {"ABCDE", "", "F"}, {"8.Revive", "", "x"}, ""};
        s.DecodeActions[0] = {3, 0x1F, 0x0F, 1, 0, 0x10};
        s.DecodeActions[14] = {0xFF, 0xFF, 0, 0, 12, 0};
        s.resetTime = 59;
        s.replyAfterAll = true;
        s.replyWhenIdle = true;
        s.replyDelay = 5;
        const FiveToneImage image = EncodeFiveToneImage(s);

        const std::vector<int> none(16, 0);
        QCOMPARE(LineOf(image, 79), none);
        QCOMPARE(LineOf(image, 80),
                 (std::vector<int>{1, 2, 3, 4, 5, 3, 4, 5, 6, 7, 5, 6, 7, 8, 9, 0}));
        QCOMPARE(LineOf(image, 94),
                 (std::vector<int>{2, 3, 4, 5, 6, 255, 255, 255, 255, 255, 1, 2, 255, 4, 5, 14}));
        QCOMPARE(LineOf(image, 86), (std::vector<int>{255, 255, 255, 255, 255, 255, 255, 255, 255,
                                                      255, 255, 255, 255, 255, 255, 255}));
        QCOMPARE(LineOf(image, 95), none);
        QCOMPARE(LineOf(image, 96),
                 (std::vector<int>{0, 1, 2, 3, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
        QCOMPARE(LineOf(image, 110),
                 (std::vector<int>{1, 2, 3, 255, 255, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
        QCOMPARE(LineOf(image, 102),
                 (std::vector<int>{255, 255, 255, 255, 255, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
        QCOMPARE(LineOf(image, 111),
                 (std::vector<int>{40, 20, 100, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
        QCOMPARE(LineOf(image, 112),
                 (std::vector<int>{1, 2, 3, 4, 5, 3, 4, 5, 6, 7, 5, 6, 7, 8, 9, 0}));
        QCOMPARE(LineOf(image, 126), (std::vector<int>{10, 11, 12, 13, 14, 255, 255, 255, 255, 255,
                                                       15, 255, 255, 255, 255, 255}));
        QCOMPARE(LineOf(image, 127), none);
        QCOMPARE(LineOf(image, 128),
                 (std::vector<int>{0, 1, 2, 3, 4, 1, 2, 0, 3, 0x1F, 0x0F, 1, 0, 0x10, 0, 0}));
        // Bits without a meaning are not sent.
        QCOMPARE(LineOf(image, 142), (std::vector<int>{255, 255, 255, 255, 255, 8, 255, 255, 0x0F,
                                                       0x1F, 0, 0, 12, 0, 0, 0}));
        // Reply when idle goes out as 2.
        QCOMPARE(LineOf(image, 143),
                 (std::vector<int>{59, 1, 2, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    }

    void replyFlags_data() {
        QTest::addColumn<bool>("afterAll");
        QTest::addColumn<bool>("whenIdle");
        QTest::addColumn<int>("byte1");
        QTest::addColumn<int>("byte2");
        QTest::newRow("neither") << false << false << 0 << 0;
        QTest::newRow("after all") << true << false << 1 << 0;
        QTest::newRow("when idle") << false << true << 0 << 2;
        QTest::newRow("both") << true << true << 1 << 2;
    }
    void replyFlags() {
        QFETCH(bool, afterAll);
        QFETCH(bool, whenIdle);
        QFETCH(int, byte1);
        QFETCH(int, byte2);
        FiveToneSettings s = Blank();
        s.replyAfterAll = afterAll;
        s.replyWhenIdle = whenIdle;
        const auto line = LineOf(EncodeFiveToneImage(s), 143);
        QCOMPARE(line[1], byte1);
        QCOMPARE(line[2], byte2);
    }

    void decodeStandardSettings() {
        FiveToneReadImage image = ReadImage();
        SetLine(image, 64, {10, 10, 14});
        SetLine(image, 65, {20, 0, 15});
        SetLine(image, 66, {2, 16, 200});
        SetLine(image, 67, {0, 9, 11});
        SetLine(image, 78, {255, 255, 255});
        const FiveToneSettings s = DecodeFiveToneImage(image, kNames);
        QCOMPARE(s.standards[0], (FiveToneStandardRow{"100", "A", "E"}));
        QCOMPARE(s.standards[1], (FiveToneStandardRow{"200", "0", "F"}));
        QCOMPARE(s.standards[2], (FiveToneStandardRow{"20", " ", " "}));
        QCOMPARE(s.standards[3], (FiveToneStandardRow{"0", "9", "B"}));
        QCOMPARE(s.standards[14], (FiveToneStandardRow{"2550", " ", " "}));
    }

    void decodeCodeTables() {
        FiveToneReadImage image = ReadImage();
        SetLine(image, 80, {1, 2, 3, 4, 5, 1, 2, 3, 255, 255, 255, 255, 1, 2, 3, 0});
        SetLine(image, 81,
                {255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 15});
        SetLine(image, 94, {10, 11, 12, 13, 14, 0, 0, 0, 0, 0, 16, 0, 0, 0, 0, 14});
        SetLine(image, 96, {0, 1, 2, 3, 4});
        SetLine(image, 110, {255, 255, 255, 255, 255});
        SetLine(image, 111, {40, 20, 150, 255});
        SetLine(image, 112, {1, 2, 3, 4, 5, 3, 4, 5, 6, 7, 5, 6, 7, 8, 9, 11});
        SetLine(image, 126, {255, 255, 255, 255, 255, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 255});
        SetLine(image, 128, {0, 1, 2, 3, 4, 1, 2, 0, 3, 0, 0x0F, 0x1F, 12, 1});
        SetLine(image, 142, {255, 255, 255, 255, 255, 9, 255, 8, 0, 0, 0, 0, 0, 0});
        SetLine(image, 143, {200, 7, 1, 100});
        const FiveToneSettings s = DecodeFiveToneImage(image, kNames);

        QCOMPARE(s.encode[0], (FiveToneEncodeRow{{"12345", "123  ", "  123"}, "01234", "CCIR1"}));
        QCOMPARE(s.encode[1], (FiveToneEncodeRow{{"     ", "     ", "     "}, "00000", ""}));
        QCOMPARE(s.encode[14], (FiveToneEncodeRow{{"ABCDE", "00000", " 0000"}, "     ", "MODAT"}));
        QCOMPARE(s.encodeTimings, (std::array<int, 4>{40, 20, 100, 100}));
        QCOMPARE(s.decode[0], (FiveToneDecodeRow{
                                  "EURO",
                                  {"12345", "34567", "56789"},
                                  {"1.Primary Caller ID", "2.Secondary Caller ID", "0.Open Speak"},
                                  "01234"}));
        QCOMPARE(
            s.decode[14],
            (FiveToneDecodeRow{"", {"     ", "00000", "00000"}, {"", "", "8.Revive"}, "     "}));
        QCOMPARE(s.DecodeActions[0], (DecodeActionValues{3, 0, 0x0F, 0x1F, 12, 1}));
        QCOMPARE(s.DecodeActions[14], (DecodeActionValues{0, 0, 0, 0, 0, 0}));
        // Positions beyond a list select its last item; any nonzero flag byte is set.
        QCOMPARE(s.resetTime, 79);
        QCOMPARE(s.replyDelay, 20);
        QVERIFY(s.replyAfterAll);
        QVERIFY(s.replyWhenIdle);
    }

    void listPositionsAndFlags_data() {
        QTest::addColumn<std::vector<int>>("line");
        QTest::addColumn<int>("reset");
        QTest::addColumn<bool>("afterAll");
        QTest::addColumn<bool>("whenIdle");
        QTest::addColumn<int>("delay");
        const auto row = [](std::vector<int> line, int reset, bool afterAll, bool whenIdle,
                            int delay) {
            QTest::addRow("%d %d %d %d", line[0], line[1], line[2], line[3])
                << line << reset << afterAll << whenIdle << delay;
        };
        row({0, 0, 0, 0}, 0, false, false, 0);
        row({59, 1, 2, 5}, 59, true, true, 5);
        row({79, 0, 255, 20}, 79, false, true, 20);
        row({80, 2, 0, 21}, 79, true, false, 20);
        row({255, 0, 0, 255}, 79, false, false, 20);
    }
    void listPositionsAndFlags() {
        QFETCH(std::vector<int>, line);
        QFETCH(int, reset);
        QFETCH(bool, afterAll);
        QFETCH(bool, whenIdle);
        QFETCH(int, delay);
        FiveToneReadImage image = ReadImage();
        for (size_t i = 0; i < line.size(); ++i)
            image[size_t((143 - 64) * 16) + i] = std::uint8_t(line[i]);
        const FiveToneSettings s = DecodeFiveToneImage(image, kNames);
        QCOMPARE(s.resetTime, reset);
        QCOMPARE(s.replyAfterAll, afterAll);
        QCOMPARE(s.replyWhenIdle, whenIdle);
        QCOMPARE(s.replyDelay, delay);
    }

    // What a read shows is written back as the radio's values, except what the window cannot
    // show: digits beyond F, unknown standards and functions become 255, codes move to the front.
    void readThenWriteBack() {
        FiveToneReadImage image = ReadImage();
        SetLine(image, 64, {7, 16, 255});
        SetLine(image, 80, {1, 2, 3, 255, 255, 255, 255, 1, 2, 3, 20, 0, 0, 0, 0, 15});
        SetLine(image, 128, {1, 2, 3, 4, 5, 9, 3, 8, 0x0F, 0x1F, 0, 0, 0, 0});
        SetLine(image, 143, {7, 0, 9, 3});
        const FiveToneImage written = EncodeFiveToneImage(DecodeFiveToneImage(image, kNames));
        QCOMPARE(LineOf(written, 64),
                 (std::vector<int>{7, 255, 255, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
        // " 0000" is trimmed before it is padded again.
        QCOMPARE(LineOf(written, 80),
                 (std::vector<int>{1, 2, 3, 255, 255, 1, 2, 3, 255, 255, 0, 0, 0, 0, 255, 255}));
        QCOMPARE(LineOf(written, 128),
                 (std::vector<int>{1, 2, 3, 4, 5, 255, 3, 8, 0x0F, 0x1F, 0, 0, 0, 0, 0, 0}));
        QCOMPARE(LineOf(written, 143),
                 (std::vector<int>{7, 0, 2, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    }

    void items() {
        const auto timings = ToneTimingItems();
        QCOMPARE(timings.size(), size_t(kToneTimingItems));
        QCOMPARE(timings.front(), "0");
        QCOMPARE(timings[40], "400");
        QCOMPARE(timings.back(), "1000");
        const auto reset = ResetTimeItems();
        QCOMPARE(reset.size(), size_t(kResetTimeItems));
        QCOMPARE(reset.front(), "100");
        QCOMPARE(reset[59], "6000");
        QCOMPARE(reset.back(), "8000");
        const auto delay = ReplyDelayItems();
        QCOMPARE(delay.size(), size_t(kReplyDelayItems));
        QCOMPARE(delay.front(), "500");
        QCOMPARE(delay[5], "1000");
        QCOMPARE(delay.back(), "2500");
        const auto periods = PeriodItems();
        QCOMPARE(periods.size(), size_t(19));
        QCOMPARE(periods.front(), "20");
        QCOMPARE(periods.back(), "200");
        const auto digits = ToneDigitItems();
        QCOMPARE(digits.size(), size_t(16));
        QCOMPARE(digits[0], "0");
        QCOMPARE(digits[9], "9");
        QCOMPARE(digits[10], "A");
        QCOMPARE(digits[15], "F");
    }
};

QTEST_APPLESS_MAIN(FiveToneImageTest)
#include "tst_fivetone_image.moc"
