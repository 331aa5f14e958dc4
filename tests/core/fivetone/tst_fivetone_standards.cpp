#include <QtTest>

#include "core/fivetone/FiveToneStandards.h"

using namespace orvex;

namespace {

struct DerivedCase {
    int standard;
    int digit;
    std::string_view text;
    std::uint16_t word;
    std::uint16_t period;
};

// Words cut the fraction; periods are the ceiling of 2 304 000 / f, minus 1.
constexpr DerivedCase kDerived[] = {
    {0, 0x0, "1981.0", 1981, 1163},   // 1163.05: the whole part
    {0, 0xA, "2400.0", 2400, 959},    // exactly 960
    {3, 0x8, "2000.0", 2000, 1151},   // exactly 1152
    {12, 0x9, "1800.0", 1800, 1279},  // exactly 1280
    {10, 0x0, "600.0", 600, 3839},    // exactly 3840
    {12, 0x0, "400.0", 400, 5759},    // exactly 5760
    {11, 0x0, "979.8", 979, 2351},    // 979.8 is not rounded up
    {11, 0xE, "1062.9", 1062, 2167}, {14, 0x0, "657.5", 657, 3504}, {14, 0xE, "487.5", 487, 4726},
    {13, 0xF, "2694.0", 2694, 855},  {10, 0xE, "459.0", 459, 5019}, {1, 0x1, "1124.0", 1124, 2049},
    {5, 0xB, "0.0", 0, 0},                                    // no tone for the digit
    {14, 0xF, "0.0", 0, 0},          {15, 0x0, "0.0", 0, 0},  // the nameless sixteenth row
    {15, 0xF, "0.0", 0, 0},
};

std::string_view View(const QByteArray& text) {
    return {text.constData(), static_cast<std::size_t>(text.size())};
}

}  // namespace

class FiveToneStandardsTest : public QObject {
    Q_OBJECT

  private slots:
    void frequencyWordsAndPeriodCounts() {
        for (const DerivedCase& c : kDerived) {
            QCOMPARE(Std_Freq_Text[size_t(c.standard)][size_t(c.digit)], c.text);
            QCOMPARE(Std_Freq_Word[size_t(c.standard)][size_t(c.digit)], c.word);
            QCOMPARE(Std_Period_Count[size_t(c.standard)][size_t(c.digit)], c.period);
        }
    }

    // Every "0.0" entry, and only those, gives 0 in both derived tables.
    void noToneGivesZeroEverywhere() {
        int silent = 0;
        for (int s = 0; s < kFiveToneTableRows; ++s)
            for (int d = 0; d < kFiveToneDigits; ++d) {
                const bool none = Std_Freq_Text[size_t(s)][size_t(d)] == "0.0";
                silent += none;
                QCOMPARE(Std_Freq_Word[size_t(s)][size_t(d)] == 0, none);
                QCOMPARE(Std_Period_Count[size_t(s)][size_t(d)] == 0, none);
            }
        // PCCIR 1, ZVEI3 4, PDZVEI 1, EURO 5, CCITT 1, MODAT 5, and the sixteen of row 15.
        QCOMPARE(silent, 1 + 4 + 1 + 5 + 1 + 5 + 16);
    }

    void panelTextsAreTrimmedRowsInDigitOrder() {
        const auto euro = StandardFrequencyTexts(11);
        QCOMPARE(euro[0], "979.8");
        QCOMPARE(euro[9], "470.8");
        QCOMPARE(euro[10], "0.0");
        QCOMPARE(euro[14], "1062.9");
        QCOMPARE(StandardFrequencyTexts(0)[0], "1981.0");
        QCOMPARE(StandardFrequencyTexts(14)[15], "0.0");
        QCOMPARE(StandardFrequencyTexts(-1)[0], "");
        QCOMPARE(StandardFrequencyTexts(16)[0], "");
    }

    void defaults() {
        const auto rows = DefaultFiveToneStandards();
        constexpr std::string_view kPeriods[] = {"100", "70", "70", "70",  "70", "70", "70", "70",
                                                 "70",  "40", "30", "100", "70", "70", "40"};
        QCOMPARE(rows.size(), std::size(kPeriods));
        for (size_t s = 0; s < rows.size(); ++s) {
            QCOMPARE(rows[s].period, kPeriods[s]);
            QCOMPARE(rows[s].groupTone, "A");
            QCOMPARE(rows[s].repeatTone, "E");
        }
    }

    void digitCodes_data() {
        QTest::addColumn<QByteArray>("digit");
        QTest::addColumn<int>("code");
        const auto row = [](const char* digit, int code) {
            QTest::addRow("\"%s\"", digit) << QByteArray(digit) << code;
        };
        row("0", 0);
        row("5", 5);
        row("9", 9);
        row("A", 10);
        row("C", 12);
        row("F", 15);
        row("a", 255);
        row("f", 255);
        row("G", 255);
        row(" ", 255);
        row("", 255);
        row("12", 255);
        row("*", 255);
        row("#", 255);
        row("\t", 255);
    }
    void digitCodes() {
        QFETCH(QByteArray, digit);
        QFETCH(int, code);
        QCOMPARE(int(DigitToCode(View(digit))), code);
    }

    void codesToDigits_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<char>("digit");
        const auto row = [](int code, char digit) { QTest::addRow("%d", code) << code << digit; };
        row(0, '0');
        row(9, '9');
        row(10, 'A');
        row(15, 'F');
        row(16, ' ');
        row(100, ' ');
        row(255, ' ');
    }
    void codesToDigits() {
        QFETCH(int, code);
        QFETCH(char, digit);
        QCOMPARE(CodeToDigit(std::uint8_t(code)), digit);
    }

    void namesToIndexes_data() {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<int>("index");
        const auto row = [](const char* name, int index) {
            QTest::addRow("\"%s\"", name) << QByteArray(name) << index;
        };
        row("CCIR1", 0);
        row("PDZVEI", 8);
        row("MODAT", 14);
        row(" ZVEI2 ", 4);
        row("zvei2", 255);
        row("", 255);
        row("   ", 255);
        row("CCIR", 255);
        row("EURO ", 11);
        row("EUR O", 255);
    }
    void namesToIndexes() {
        QFETCH(QByteArray, name);
        QFETCH(int, index);
        QCOMPARE(int(StdNameToIndex(View(name))), index);
    }

    void indexesToNames() {
        QCOMPARE(StdIndexToName(0), "CCIR1");
        QCOMPARE(StdIndexToName(11), "EURO");
        QCOMPARE(StdIndexToName(14), "MODAT");
        QCOMPARE(StdIndexToName(15), "");
        QCOMPARE(StdIndexToName(255), "");
    }
};

QTEST_APPLESS_MAIN(FiveToneStandardsTest)
#include "tst_fivetone_standards.moc"
