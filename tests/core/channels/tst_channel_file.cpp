#include <QtTest>

#include <memory>

#include "core/channels/ChannelFile.h"

using namespace orvex;

Q_DECLARE_METATYPE(orvex::ChannelFileFault)

namespace {

// Write images are large; keep them off the stack.
std::unique_ptr<WriteImage> ZeroImage() {
    return std::make_unique<WriteImage>();
}

// Row n, column c holds (n * 7 + c * 13) mod 256: every row and column different.
std::unique_ptr<WriteImage> PatternImage() {
    auto image = ZeroImage();
    for (std::size_t n = 0; n < image->size(); ++n)
        for (std::size_t c = 0; c < (*image)[n].size(); ++c)
            (*image)[n][c] = static_cast<std::uint8_t>((n * 7 + c * 13) % 256);
    return image;
}

// The values of records 1 to `records` of the pattern image, each followed by `separator`.
std::string PatternValues(int records, std::string_view separator) {
    auto image = PatternImage();
    std::string text;
    for (int n = 1; n <= records; ++n) {
        for (int c = 0; c < kFileColumns; ++c) {
            text +=
                std::to_string((*image)[static_cast<std::size_t>(n)][static_cast<std::size_t>(c)]);
            text += separator;
        }
    }
    return text;
}

QByteArray WithoutLastValue(std::string text) {
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    text.erase(text.find_last_of(' ') + 1);
    return QByteArray::fromStdString(text);
}

const ChannelFileContents* Contents(const ChannelFileParse& parse) {
    return std::get_if<ChannelFileContents>(&parse);
}

const ChannelFileError* Error(const ChannelFileParse& parse) {
    return std::get_if<ChannelFileError>(&parse);
}

QString Describe(const ChannelFileParse& parse) {
    if (const auto* error = Error(parse))
        return QString::fromStdString(ChannelFileErrorText(*error, 0));
    return QString("%1 channels").arg(Contents(parse)->channelCount);
}

// The values of the first `count` records of the pattern image, as the parser returns them.
void VerifyPatternRecords(const ChannelFileParse& parse, int count) {
    const auto* contents = Contents(parse);
    QVERIFY2(contents != nullptr, qPrintable(Describe(parse)));
    QCOMPARE(contents->channelCount, count);
    QCOMPARE(contents->records.size(), static_cast<std::size_t>(count));
    auto image = PatternImage();
    for (int n = 1; n <= count; ++n) {
        const auto& row = (*image)[static_cast<std::size_t>(n)];
        const ChannelFileRecord& record = contents->records[static_cast<std::size_t>(n - 1)];
        QVERIFY2(std::equal(record.begin(), record.end(), row.begin()),
                 qPrintable(QString("record %1").arg(n)));
    }
}

}  // namespace

class ChannelFileTest : public QObject {
    Q_OBJECT

  private slots:
    void formatsKnownImageExactly() {
        auto image = ZeroImage();
        auto& one = (*image)[1];
        const std::uint8_t record[] = {0, 37,  97, 19, 0xFF, 0xFF, 0xFF, 0xFF, 158, 2, 1,
                                       0, 255, 0,  33, 79,   1,    2,    3,    4,   5, 250};
        std::copy(std::begin(record), std::end(record), one.begin());
        one[22] = 99;  // beyond the file's columns
        (*image)[2].fill(0xFF);
        (*image)[3].fill(7);  // beyond the count
        std::string expected = " 2 \r\n";
        expected +=
            " 0  37  97  19  255  255  255  255  158  2  1  0  255  0  33  79  1  2  3  4  5  "
            "250 \r\n";
        for (int c = 0; c < kFileColumns; ++c)
            expected += " 255 ";
        expected += "\r\n";
        QCOMPARE(FormatChannelFile(2, *image), expected);
    }

    void savesCountLineAndOneLinePerChannel() {
        auto image = PatternImage();
        const QString file = QString::fromStdString(FormatChannelFile(16, *image));
        QVERIFY(file.startsWith(" 16 \r\n"));
        QVERIFY(file.endsWith(" \r\n"));
        QVERIFY(!file.contains(QRegularExpression("[^\r]\n")));
        const QStringList lines = file.split("\r\n");
        QCOMPARE(lines.size(), 18);  // 17 lines and the empty rest after the last CR LF
        QVERIFY(lines.last().isEmpty());
        for (int n = 1; n <= 16; ++n) {
            const QStringList values = lines[n].split("  ");
            QCOMPARE(values.size(), kFileColumns);
            QVERIFY(lines[n].startsWith(' '));
            QVERIFY(lines[n].endsWith(' '));
        }
    }

    void countIsClampedWhenSaving_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("saved");
        QTest::newRow("0") << 0 << 1;
        QTest::newRow("-5") << -5 << 1;
        QTest::newRow("261") << 261 << 260;
        QTest::newRow("260") << 260 << 260;
    }
    void countIsClampedWhenSaving() {
        QFETCH(int, count);
        QFETCH(int, saved);
        auto image = PatternImage();
        VerifyPatternRecords(ParseChannelFile(FormatChannelFile(count, *image)), saved);
    }

    void roundTripThroughTheImage() {
        auto source = PatternImage();
        const ChannelFileParse parse = ParseChannelFile(FormatChannelFile(260, *source));
        const auto* contents = Contents(parse);
        QVERIFY2(contents != nullptr, qPrintable(Describe(parse)));

        auto target = ZeroImage();
        (*target)[0].fill(0xAB);
        ApplyChannelFile(*contents, *target);
        for (std::size_t n = 0; n < target->size(); ++n) {
            for (std::size_t c = 0; c < kWriteImageColumns; ++c) {
                const bool carried = n >= 1 && c < static_cast<std::size_t>(kFileColumns);
                const std::uint8_t expected = carried ? (*source)[n][c] : (n == 0 ? 0xAB : 0);
                QVERIFY2((*target)[n][c] == expected,
                         qPrintable(QString("row %1 column %2").arg(n).arg(c)));
            }
        }
    }

    void applyTouchesOnlyTheRecordsOfTheFile() {
        auto source = PatternImage();
        const ChannelFileParse parse = ParseChannelFile(FormatChannelFile(3, *source));
        QVERIFY2(Contents(parse) != nullptr, qPrintable(Describe(parse)));
        auto target = ZeroImage();
        for (auto& row : *target)
            row.fill(0xEE);
        ApplyChannelFile(*Contents(parse), *target);
        QCOMPARE((*target)[3][21], (*source)[3][21]);
        QCOMPARE((*target)[3][22], std::uint8_t{0xEE});
        QCOMPARE((*target)[4][0], std::uint8_t{0xEE});
        QCOMPARE((*target)[0][0], std::uint8_t{0xEE});
    }

    // Only the order of the values counts.
    void layouts_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("count");
        QTest::newRow("all on one line")
            << QByteArray::fromStdString("3 " + PatternValues(3, " ")) << 3;
        QTest::newRow("commas") << QByteArray::fromStdString("3," + PatternValues(3, ",")) << 3;
        QTest::newRow("one value a line, LF only")
            << QByteArray::fromStdString("2\n" + PatternValues(2, "\n")) << 2;
        QTest::newRow("tabs and CR")
            << QByteArray::fromStdString("2\t\r" + PatternValues(2, "\t\r")) << 2;
        QTest::newRow("mixed runs of separators")
            << QByteArray::fromStdString(" ,\r\n 2 , \t" + PatternValues(2, " ,\r\n,, ")) << 2;
        QTest::newRow("no separator after the last value")
            << QByteArray::fromStdString("1 " + PatternValues(1, " ")).chopped(1) << 1;
        QTest::newRow("byte order mark") << QByteArray::fromStdString(
                                                "\xEF\xBB\xBF"
                                                "2\r\n" +
                                                PatternValues(2, " "))
                                         << 2;
        QTest::newRow("leading zeros and plus signs")
            << QByteArray::fromStdString("+0002 " + PatternValues(2, " ")) << 2;
        QTest::newRow("values after the last record are ignored")
            << QByteArray::fromStdString("2 " + PatternValues(3, " ") + "999 abc 12.5") << 2;
    }
    void layouts() {
        QFETCH(QByteArray, text);
        QFETCH(int, count);
        VerifyPatternRecords(ParseChannelFile(std::string_view(
                                 text.constData(), static_cast<std::size_t>(text.size()))),
                             count);
    }

    void faults_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<ChannelFileFault>("fault");
        QTest::addColumn<int>("record");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("excerpt");

        const auto withRecords = [](const char* count, int records, const std::string& rest) {
            return QByteArray::fromStdString(std::string(count) + "\r\n" +
                                             PatternValues(records, " ") + rest);
        };
        // Record 3 of a 4-channel file with value 5 replaced by `bad`.
        const auto badValue = [](const std::string& bad) {
            std::string text = "4\r\n" + PatternValues(2, " ") + "1 2 3 4 " + bad + " ";
            return QByteArray::fromStdString(text + PatternValues(2, " "));
        };

        QTest::newRow("empty") << QByteArray() << ChannelFileFault::NoCount << 0 << 0 << "";
        QTest::newRow("separators only")
            << QByteArray(" \r\n,\t ") << ChannelFileFault::NoCount << 0 << 0 << "";
        QTest::newRow("count is a word")
            << QByteArray("abc 1 2") << ChannelFileFault::NotANumber << 0 << 0 << "abc";
        QTest::newRow("count with decimals")
            << withRecords("16.0", 16, "") << ChannelFileFault::HasDecimals << 0 << 0 << "16.0";
        QTest::newRow("count 0") << withRecords("0", 1, "") << ChannelFileFault::CountOutOfRange
                                 << 0 << 0 << "0";
        QTest::newRow("count 261")
            << withRecords("261", 260, "") << ChannelFileFault::CountOutOfRange << 0 << 0 << "261";
        QTest::newRow("count -1") << withRecords("-1", 1, "") << ChannelFileFault::CountOutOfRange
                                  << 0 << 0 << "-1";
        QTest::newRow("count huge")
            << withRecords("99999999999999999999999999999", 1, "")
            << ChannelFileFault::CountOutOfRange << 0 << 0 << QString(24, '9') + "...";
        QTest::newRow("garbage") << badValue("abc") << ChannelFileFault::NotANumber << 3 << 5
                                 << "abc";
        QTest::newRow("hexadecimal")
            << badValue("0x10") << ChannelFileFault::NotANumber << 3 << 5 << "0x10";
        QTest::newRow("exponent") << badValue("1e2") << ChannelFileFault::NotANumber << 3 << 5
                                  << "1e2";
        QTest::newRow("sign alone")
            << badValue("-") << ChannelFileFault::NotANumber << 3 << 5 << "-";
        QTest::newRow("point alone")
            << badValue(".") << ChannelFileFault::NotANumber << 3 << 5 << ".";
        QTest::newRow("12.5") << badValue("12.5") << ChannelFileFault::HasDecimals << 3 << 5
                              << "12.5";
        QTest::newRow("12.") << badValue("12.") << ChannelFileFault::HasDecimals << 3 << 5 << "12.";
        QTest::newRow("256") << badValue("256") << ChannelFileFault::ValueOutOfRange << 3 << 5
                             << "256";
        QTest::newRow("-1") << badValue("-1") << ChannelFileFault::ValueOutOfRange << 3 << 5
                            << "-1";
        QTest::newRow("huge number")
            << badValue("123456789012345678901234567890") << ChannelFileFault::ValueOutOfRange << 3
            << 5 << "123456789012345678901234...";
        QTest::newRow("binary bytes") << badValue(std::string("\x01\x7F\xFF\xFE\x00\x80", 6))
                                      << ChannelFileFault::NotANumber << 3 << 5 << "??????";
        QTest::newRow("UTF-8 text is kept")
            << badValue("信道") << ChannelFileFault::NotANumber << 3 << 5 << "信道";
        QTest::newRow("broken UTF-8 sequence")
            << badValue("a\xE4\xBF") << ChannelFileFault::NotANumber << 3 << 5 << "a??";
        QTest::newRow("first value of the first record")
            << QByteArray("1 x") << ChannelFileFault::NotANumber << 1 << 1 << "x";
        QTest::newRow("last value of the last record")
            << withRecords("2", 1, "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 300")
            << ChannelFileFault::ValueOutOfRange << 2 << 22 << "300";
    }
    void faults() {
        QFETCH(QByteArray, text);
        QFETCH(ChannelFileFault, fault);
        QFETCH(int, record);
        QFETCH(int, value);
        QFETCH(QString, excerpt);
        const ChannelFileParse parse = ParseChannelFile(
            std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
        const auto* error = Error(parse);
        QVERIFY2(error != nullptr, "the file was accepted");
        QCOMPARE(error->fault, fault);
        QCOMPARE(error->record, record);
        QCOMPARE(error->value, value);
        QCOMPARE(QString::fromStdString(error->text), excerpt);
    }

    void tooFewValues_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("announced");
        QTest::addColumn<int>("complete");
        QTest::addColumn<qlonglong>("missing");
        QTest::newRow("count only") << QByteArray("3\r\n") << 3 << 0 << 66LL;
        QTest::newRow("one record and a half")
            << QByteArray::fromStdString("2\r\n" + PatternValues(1, " ") + "1 2 3 4 5 6 7 8 9 10")
            << 2 << 1 << 12LL;
        QTest::newRow("last value missing")
            << WithoutLastValue("16\r\n" + PatternValues(16, " ")) << 16 << 15 << 1LL;
        QTest::newRow("260 announced, 200 present")
            << QByteArray::fromStdString("260 " + PatternValues(200, " ")) << 260 << 200
            << 60LL * 22;
    }
    void tooFewValues() {
        QFETCH(QByteArray, text);
        QFETCH(int, announced);
        QFETCH(int, complete);
        QFETCH(qlonglong, missing);
        const ChannelFileParse parse = ParseChannelFile(
            std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
        const auto* error = Error(parse);
        QVERIFY2(error != nullptr, "the file was accepted");
        QCOMPARE(error->fault, ChannelFileFault::TooFewValues);
        QCOMPARE(error->announcedCount, announced);
        QCOMPARE(error->completeRecords, complete);
        QCOMPARE(error->missingValues, missing);
    }

    void errorTexts_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("chinese");
        QTest::newRow("no count")
            << QByteArray("")
            << "The channel file is empty: it does not even hold the channel count."
            << "信道文件是空的，连信道数量都没有。";
        QTest::newRow("not a number in a record")
            << QByteArray::fromStdString("4 " + PatternValues(2, " ") + "1 2 3 4 abc")
            << "The channel file holds something that is not a number: \"abc\" (record 3, value "
               "5)."
            << "信道文件中有一项不是数字：“abc”（第 3 条信道记录，第 5 个数值）。";
        QTest::newRow("not a number as the count")
            << QByteArray("x16")
            << "The channel file holds something that is not a number: \"x16\" (the channel "
               "count at the start of the file)."
            << "信道文件中有一项不是数字：“x16”（文件开头的信道数量）。";
        QTest::newRow("decimals")
            << QByteArray("1 12.5")
            << "The channel file holds a number with decimals: \"12.5\" (record 1, value 1). "
               "Only whole numbers are allowed."
            << "信道文件中有带小数的数：“12.5”（第 1 条信道记录，第 1 个数值）。只允许整数。";
        QTest::newRow("count out of range")
            << QByteArray("261")
            << "The channel file announces 261 channels; the channel count must be from 1 to "
               "260."
            << "信道文件中的信道数量是 261，信道数量必须在 1 到 260 之间。";
        QTest::newRow("value out of range")
            << QByteArray("1 0 256")
            << "The channel file holds a value outside 0 to 255: 256 (record 1, value 2)."
            << "信道文件中有超出 0 到 255 范围的数值：256（第 1 条信道记录，第 2 个数值）。";
        QTest::newRow("too few values")
            << QByteArray::fromStdString("3 " + PatternValues(1, " ") + "1 2")
            << "The channel file is incomplete: it announces 3 channels but holds only 1 "
               "complete record (2 records and 42 values missing)."
            << "信道文件不完整：文件声明有 3 个信道，但只有 1 条完整的信道记录（缺少 2 "
               "条记录，共 42 个数值）。";
        QTest::newRow("one value missing")
            << WithoutLastValue("1 " + PatternValues(1, " "))
            << "The channel file is incomplete: it announces 1 channel but holds only 0 "
               "complete records (1 record and 1 value missing)."
            << "信道文件不完整：文件声明有 1 个信道，但只有 0 条完整的信道记录（缺少 1 "
               "条记录，共 1 个数值）。";
        QTest::newRow("placeholder in the faulty text is not replaced")
            << QByteArray("%2x")
            << "The channel file holds something that is not a number: \"%2x\" (the channel "
               "count at the start of the file)."
            << "信道文件中有一项不是数字：“%2x”（文件开头的信道数量）。";
    }
    void errorTexts() {
        QFETCH(QByteArray, text);
        QFETCH(QString, english);
        QFETCH(QString, chinese);
        const ChannelFileParse parse = ParseChannelFile(
            std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
        const auto* error = Error(parse);
        QVERIFY2(error != nullptr, "the file was accepted");
        QCOMPARE(QString::fromStdString(ChannelFileErrorText(*error, 0)), english);
        QCOMPARE(QString::fromStdString(ChannelFileErrorText(*error, -1)), chinese);
    }

    // Tens of megabytes go through in one pass; a parser that rescans would not finish.
    void largeFilesAreReadInOnePass() {
        const std::string wideSeparator(5000, ' ');
        const std::string spread = "260" + wideSeparator + PatternValues(260, wideSeparator);
        QVERIFY(spread.size() > 25'000'000);
        VerifyPatternRecords(ParseChannelFile(spread), 260);

        const std::string oneToken = "2 " + std::string(30'000'000, 'x');
        const ChannelFileParse garbage = ParseChannelFile(oneToken);
        QVERIFY(Error(garbage) != nullptr);
        QCOMPARE(Error(garbage)->fault, ChannelFileFault::NotANumber);
        QVERIFY(Error(garbage)->text.size() < 40);

        const std::string trailing = "1 " + PatternValues(1, " ") + std::string(30'000'000, '7');
        VerifyPatternRecords(ParseChannelFile(trailing), 1);
    }
};

QTEST_APPLESS_MAIN(ChannelFileTest)
#include "tst_channel_file.moc"
