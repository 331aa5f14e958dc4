#include <QtTest>

#include "StartupOffsets.h"
#include "core/options/MenuFile.h"
#include "core/options/OptionLists.h"

using namespace orvex;

Q_DECLARE_METATYPE(orvex::MenuFileFault)

namespace {

const OptionOffsetTable kOffsets = test::StartupOffsets();

// Byte n holds (n * 37 + 11) mod 256: one, two and three digit values, all different.
OptionImage PatternImage() {
    OptionImage image{};
    for (std::size_t n = 0; n < image.size(); ++n)
        image[n] = static_cast<std::uint8_t>((n * 37 + 11) % 256);
    return image;
}

// The 192 values of the pattern file, each followed by `separator`.
std::string PatternValues(std::string_view separator, int count = kMenuFileValues) {
    const OptionImage image = PatternImage();
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += std::to_string(i < kOptionImageSize ? image[static_cast<std::size_t>(i)] : 0);
        text += separator;
    }
    return text;
}

// Value i (1 to 192) is i mod 200, except that value `number` is `bad`.
std::string CountingFile(int number = 0, const std::string& bad = {}) {
    std::string text;
    for (int i = 1; i <= kMenuFileValues; ++i)
        text += (i == number ? bad : std::to_string(i % 200)) + " ";
    return text;
}

std::string_view View(const QByteArray& bytes) {
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

const MenuFileValues* Values(const MenuFileParse& parse) {
    return std::get_if<MenuFileValues>(&parse);
}

const MenuFileError* Error(const MenuFileParse& parse) {
    return std::get_if<MenuFileError>(&parse);
}

QString Describe(const MenuFileParse& parse) {
    if (const auto* error = Error(parse))
        return QString::fromStdString(MenuFileErrorText(*error, 0));
    return "accepted";
}

}  // namespace

class MenuFileTest : public QObject {
    Q_OBJECT

  private slots:
    void defaultFileIsTwelveLinesOfSixteenValues() {
        const OptionImage image = EncodeOptionImage(DefaultOptionSettings(136, 175), kOffsets);
        const QString file = QString::fromStdString(FormatMenuFile(image));
        QVERIFY(file.startsWith(" 1  1  5  2  0  0  7  0  0  3  0  0  0  0  10  1 \r\n"));
        QVERIFY(!file.contains(QRegularExpression("[^\r]\n")));

        const QStringList lines = file.split("\r\n");
        QCOMPARE(lines.size(), kMenuFileLines + 1);  // the empty rest after the last CR LF
        QVERIFY(lines.last().isEmpty());
        QCOMPARE(lines[3], QString(" 0  0  0  0  0  0  0  0  1  54  1  116  1  54  1  116 "));
        QString zeros;
        for (int i = 0; i < 16; ++i)
            zeros += " 0 ";
        for (int line = 4; line < kMenuFileLines; ++line)
            QCOMPARE(lines[line], zeros);
    }

    void writtenFileLoadsTheSameImage() {
        const OptionImage image = PatternImage();
        const MenuFileParse parse = ParseMenuFile(FormatMenuFile(image));
        const auto* values = Values(parse);
        QVERIFY2(values != nullptr, qPrintable(Describe(parse)));
        QCOMPARE(MenuFileImage(*values), image);
        for (std::size_t i = kOptionImageSize; i < values->size(); ++i)
            QCOMPARE(int{(*values)[i]}, 0);
    }

    void imageIsTheFirstSixtyFourValues() {
        const MenuFileParse parse = ParseMenuFile(CountingFile());
        const auto* values = Values(parse);
        QVERIFY2(values != nullptr, qPrintable(Describe(parse)));
        const OptionImage image = MenuFileImage(*values);
        for (std::size_t i = 0; i < image.size(); ++i)
            QCOMPARE(int{image[i]}, static_cast<int>((i + 1) % 200));
    }

    // Only the order of the values counts.
    void layouts_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("single blanks") << QByteArray::fromStdString(PatternValues(" "));
        QTest::newRow("commas") << QByteArray::fromStdString(PatternValues(","));
        QTest::newRow("one value a line, LF only")
            << QByteArray::fromStdString(PatternValues("\n"));
        QTest::newRow("no separator after the last value")
            << QByteArray::fromStdString(PatternValues(" ")).chopped(1);
        QTest::newRow("mixed runs of separators")
            << QByteArray::fromStdString(" ,\r\n" + PatternValues(" , \r\n,,"));
        QTest::newRow("byte order mark")
            << QByteArray::fromStdString("\xEF\xBB\xBF" + PatternValues(" "));
        QTest::newRow("values after the 192nd are not read")
            << QByteArray::fromStdString(PatternValues(" ") + "999 abc 12.5");
    }
    void layouts() {
        QFETCH(QByteArray, text);
        const MenuFileParse written = ParseMenuFile(FormatMenuFile(PatternImage()));
        const MenuFileParse parse = ParseMenuFile(View(text));
        QVERIFY2(Values(parse) != nullptr, qPrintable(Describe(parse)));
        QCOMPARE(*Values(parse), *Values(written));
    }

    // The file accepts any byte; limiting a value to its list is the decoder's work.
    void squelchBeyondItsListSelectsTheLastLevel() {
        const MenuFileParse parse = ParseMenuFile(CountingFile(3, "200"));
        const auto* values = Values(parse);
        QVERIFY2(values != nullptr, qPrintable(Describe(parse)));
        QCOMPARE(int{(*values)[2]}, 200);
        const OptionSettings settings = DecodeOptionImage(MenuFileImage(*values), kOffsets);
        QCOMPARE(settings.lists[static_cast<std::size_t>(OptionList::SqlLe)], 9);
    }

    void faults_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<MenuFileFault>("fault");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("found");
        QTest::addColumn<QString>("excerpt");
        QTest::newRow("191 values") << QByteArray::fromStdString(PatternValues(" ", 191))
                                    << MenuFileFault::TooFewValues << 0 << 191 << "";
        QTest::newRow("empty") << QByteArray() << MenuFileFault::TooFewValues << 0 << 0 << "";
        QTest::newRow("separators only")
            << QByteArray(" ,\r\n\t") << MenuFileFault::TooFewValues << 0 << 0 << "";
        QTest::newRow("a fault before the end is told first")
            << QByteArray("1 2 x") << MenuFileFault::NotANumber << 3 << 0 << "x";
        QTest::newRow("x at value 17") << QByteArray::fromStdString(CountingFile(17, "x"))
                                       << MenuFileFault::NotANumber << 17 << 0 << "x";
        QTest::newRow("exponent") << QByteArray::fromStdString(CountingFile(40, "1e2"))
                                  << MenuFileFault::NotANumber << 40 << 0 << "1e2";
        QTest::newRow("12.5") << QByteArray::fromStdString(CountingFile(1, "12.5"))
                              << MenuFileFault::HasDecimals << 1 << 0 << "12.5";
        QTest::newRow("256") << QByteArray::fromStdString(CountingFile(192, "256"))
                             << MenuFileFault::ValueOutOfRange << 192 << 0 << "256";
        QTest::newRow("-1") << QByteArray::fromStdString(CountingFile(64, "-1"))
                            << MenuFileFault::ValueOutOfRange << 64 << 0 << "-1";
        QTest::newRow("control bytes") << QByteArray::fromStdString(CountingFile(5, "\x01\x02"))
                                       << MenuFileFault::NotANumber << 5 << 0 << "??";
    }
    void faults() {
        QFETCH(QByteArray, text);
        QFETCH(MenuFileFault, fault);
        QFETCH(int, value);
        QFETCH(int, found);
        QFETCH(QString, excerpt);
        const MenuFileParse parse = ParseMenuFile(View(text));
        const auto* error = Error(parse);
        QVERIFY2(error != nullptr, "the file was accepted");
        QCOMPARE(error->fault, fault);
        QCOMPARE(error->value, value);
        QCOMPARE(error->found, found);
        QCOMPARE(QString::fromStdString(error->text), excerpt);
    }

    void errorTexts_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("chinese");
        QTest::newRow("191 values")
            << QByteArray::fromStdString(PatternValues(" ", 191))
            << "The optional features file is incomplete: it holds only 191 of its 192 values."
            << "可选参数文件不完整：应有 192 个数值，只有 191 个。";
        QTest::newRow("empty")
            << QByteArray()
            << "The optional features file is incomplete: it holds only 0 of its 192 values."
            << "可选参数文件不完整：应有 192 个数值，只有 0 个。";
        QTest::newRow("x at value 17, first of line 2")
            << QByteArray::fromStdString(CountingFile(17, "x"))
            << "The optional features file holds something that is not a number: \"x\" (value "
               "17, line 2, position 1)."
            << "可选参数文件中有一项不是数字：“x”（第 17 个数值，第 2 行第 1 个）。";
        QTest::newRow("12.5 at the very start")
            << QByteArray::fromStdString(CountingFile(1, "12.5"))
            << "The optional features file holds a number with decimals: \"12.5\" (value 1, line "
               "1, position 1). Only whole numbers are allowed."
            << "可选参数文件中有带小数的数：“12.5”（第 1 个数值，第 1 行第 1 个）。只允许整数。";
        QTest::newRow("256 at the very end")
            << QByteArray::fromStdString(CountingFile(192, "256"))
            << "The optional features file holds a value outside 0 to 255: 256 (value 192, line "
               "12, position 16)."
            << "可选参数文件中有超出 0 到 255 范围的数值：256（第 192 个数值，第 12 行第 16 "
               "个）。";
        QTest::newRow("-1 in line 4")
            << QByteArray::fromStdString(CountingFile(50, "-1"))
            << "The optional features file holds a value outside 0 to 255: -1 (value 50, line 4, "
               "position 2)."
            << "可选参数文件中有超出 0 到 255 范围的数值：-1（第 50 个数值，第 4 行第 2 个）。";
        QTest::newRow("placeholder in the faulty text is not replaced")
            << QByteArray::fromStdString(CountingFile(16, "%2"))
            << "The optional features file holds something that is not a number: \"%2\" (value "
               "16, line 1, position 16)."
            << "可选参数文件中有一项不是数字：“%2”（第 16 个数值，第 1 行第 16 个）。";
    }
    void errorTexts() {
        QFETCH(QByteArray, text);
        QFETCH(QString, english);
        QFETCH(QString, chinese);
        const MenuFileParse parse = ParseMenuFile(View(text));
        const auto* error = Error(parse);
        QVERIFY2(error != nullptr, "the file was accepted");
        QCOMPARE(QString::fromStdString(MenuFileErrorText(*error, 0)), english);
        QCOMPARE(QString::fromStdString(MenuFileErrorText(*error, -1)), chinese);
    }
};

QTEST_APPLESS_MAIN(MenuFileTest)
#include "tst_menu_file.moc"
