#include <QtTest>

#include <cctype>
#include <cstdio>

#include "core/image/RadioImage.h"
#include "core/sim/SimulatedRadio.h"
#include "core/sim/VirtualClock.h"

using namespace orvex;

Q_DECLARE_METATYPE(orvex::RadioImageFault)

namespace {

using Lines = std::vector<std::string>;

std::string HexText(unsigned value, int digits) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%0*X", digits, value);
    return buffer;
}

std::uint8_t Pattern(std::size_t address) {
    return static_cast<std::uint8_t>((address * 13 + address / 256 + 1) & 0xFF);
}

// The memory line for `address` of the pattern memory, written out here by hand.
std::string MemoryLine(unsigned address) {
    std::string line = HexText(address, 4) + ":";
    for (unsigned n = 0; n < 16; ++n)
        line += " " + HexText(Pattern(address + n), 2);
    return line;
}

std::vector<std::uint8_t> PatternBytes(unsigned first, unsigned last) {
    std::vector<std::uint8_t> bytes;
    for (unsigned a = first; a <= last; ++a)
        bytes.push_back(Pattern(a));
    return bytes;
}

// A valid file: the header on lines 1-6, a blank line 7, [options] on line 8 with its lines
// 0220-0250 on lines 9-12, [fm] on line 13 with its lines 3000-3100 on lines 14-30.
Lines BaseLines() {
    Lines lines = {"orvex-radio-image 1",
                   "band-lower = 400",
                   "band-upper = 470",
                   "family = A0",
                   "program-version = 1.0",
                   "time = 2026-12-10T14:09:13Z",
                   "",
                   "[options]"};
    for (unsigned a = 0x0220; a <= 0x0250; a += 16)
        lines.push_back(MemoryLine(a));
    lines.push_back("[fm]");
    for (unsigned a = 0x3000; a <= 0x3100; a += 16)
        lines.push_back(MemoryLine(a));
    return lines;
}

RadioImage BaseImage() {
    RadioImage image;
    image.bandLowerMHz = 400;
    image.bandUpperMHz = 470;
    image.familyByte = 0xA0;
    image.programVersion = "1.0";
    image.time = "2026-12-10T14:09:13Z";
    image.areas[RadioArea::options] = PatternBytes(0x0220, 0x025F);
    image.areas[RadioArea::fm] = PatternBytes(0x3000, 0x310F);
    return image;
}

std::string Joined(const Lines& lines, const std::string& end = "\n") {
    std::string text;
    for (const auto& line : lines)
        text += line + end;
    return text;
}

// Line `number` (1-based) replaced, removed or with a line put before it.
Lines Replaced(Lines lines, int number, const std::string& text) {
    lines.at(std::size_t(number - 1)) = text;
    return lines;
}
Lines Removed(Lines lines, int number) {
    lines.erase(lines.begin() + (number - 1));
    return lines;
}
Lines Inserted(Lines lines, int before, const std::string& text) {
    lines.insert(lines.begin() + (before - 1), text);
    return lines;
}
Lines FirstLines(const Lines& lines, int count) {
    return Lines(lines.begin(), lines.begin() + count);
}

// Memory line `number` with value `place` (1-16) replaced, or with `count` values.
Lines WithValue(int number, int place, const std::string& value) {
    Lines lines = BaseLines();
    std::string& line = lines.at(std::size_t(number - 1));
    const std::size_t at = 5 + std::size_t(place - 1) * 3 + 1;
    line.replace(at, 2, value);
    return lines;
}
Lines WithCount(int number, int count) {
    Lines lines = BaseLines();
    std::string& line = lines.at(std::size_t(number - 1));
    line = line.substr(0, 5);
    for (int n = 0; n < count; ++n)
        line += " 5A";
    return lines;
}
Lines WithAddress(int number, const std::string& address) {
    Lines lines = BaseLines();
    std::string& line = lines.at(std::size_t(number - 1));
    line = address + line.substr(line.find(':'));
    return lines;
}

}  // namespace

class RadioImageTest : public QObject {
    Q_OBJECT

  private slots:
    // The file as written, to the character: format line, header, areas in address order.
    void layout() {
        RadioImage image;
        image.bandLowerMHz = 136;
        image.bandUpperMHz = 174;
        image.familyByte = 0xA7;
        image.programVersion = "V2.05";
        image.time = "2026-01-02T03:04:05Z";
        std::vector<std::uint8_t> fm(272, 0xFF);
        const std::vector<std::uint8_t> preset1 = {0x00, 0x08, 0x08, 0x09, 0x00, 0x00, 0x00, 0x00,
                                                   0xFF, 0x4C, 0x4D, 0x4E, 0x45, 0x57, 0xFF, 0xFF};
        std::copy(preset1.begin(), preset1.end(), fm.begin());
        image.areas[RadioArea::fm] = fm;
        std::vector<std::uint8_t> options(64);
        for (std::size_t n = 0; n < options.size(); ++n)
            options[n] = std::uint8_t(n);
        image.areas[RadioArea::options] = options;

        std::string expected =
            "orvex-radio-image 1\n"
            "# Orvex CPS radio image: memory lines are \"address: 16 bytes\", all in hex.\n"
            "band-lower = 136\n"
            "band-upper = 174\n"
            "family = A7\n"
            "program-version = V2.05\n"
            "time = 2026-01-02T03:04:05Z\n"
            "\n"
            "[options]\n"
            "0220: 00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F\n"
            "0230: 10 11 12 13 14 15 16 17 18 19 1A 1B 1C 1D 1E 1F\n"
            "0240: 20 21 22 23 24 25 26 27 28 29 2A 2B 2C 2D 2E 2F\n"
            "0250: 30 31 32 33 34 35 36 37 38 39 3A 3B 3C 3D 3E 3F\n"
            "\n"
            "[fm]\n"
            "3000: 00 08 08 09 00 00 00 00 FF 4C 4D 4E 45 57 FF FF\n";
        for (unsigned a = 0x3010; a <= 0x3100; a += 16)
            expected += HexText(a, 4) + ": FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF\n";
        QCOMPARE(QString::fromStdString(FormatRadioImage(image)), QString::fromStdString(expected));
    }

    // Whatever an image holds comes back exactly from its file.
    void roundTrip_data() {
        QTest::addColumn<int>("variant");
        QTest::newRow("every area") << 0;
        QTest::newRow("only fm") << 1;
        QTest::newRow("channels and twotone") << 2;
        QTest::newRow("band and family at their ends") << 3;
        QTest::newRow("version text with = # [ ] and Chinese") << 4;
        QTest::newRow("leap second, 29 February") << 5;
    }
    void roundTrip() {
        QFETCH(int, variant);
        RadioImage image = BaseImage();
        image.areas.clear();
        if (variant == 0 || variant == 3 || variant == 4 || variant == 5) {
            for (RadioArea area : kRadioAreas) {
                const RadioAreaRange range = AreaRange(area);
                image.areas[area] = PatternBytes(range.first, range.last);
            }
        } else if (variant == 1) {
            image.areas[RadioArea::fm] = std::vector<std::uint8_t>(272, 0x00);
        } else {
            image.areas[RadioArea::channels] = std::vector<std::uint8_t>(256, 0xFF);
            image.areas[RadioArea::twotone] = PatternBytes(0x2D00, 0x2FFF);
        }
        if (variant == 3) {
            image.bandLowerMHz = 0;
            image.bandUpperMHz = 999;
            image.familyByte = 0xFF;
        }
        if (variant == 4) image.programVersion = "版本 1.2 = [fm] # 测试";
        if (variant == 5) image.time = "2028-02-29T23:59:60Z";

        QCOMPARE(CheckRadioImage(image), std::nullopt);
        const RadioImageParse parsed = ParseRadioImage(FormatRadioImage(image));
        QVERIFY(std::holds_alternative<RadioImage>(parsed));
        QVERIFY(std::get<RadioImage>(parsed) == image);
    }

    // Files that tools or editors may have touched still load as the same image.
    void accepted_data() {
        QTest::addColumn<QByteArray>("file");
        const auto row = [](const char* name, const std::string& file) {
            QTest::newRow(name) << QByteArray::fromStdString(file);
        };
        const Lines base = BaseLines();
        row("as written by hand", Joined(base));
        row("CR LF line ends", Joined(base, "\r\n"));
        row("byte-order mark", "\xEF\xBB\xBF" + Joined(base));
        row("byte-order mark and CR LF", "\xEF\xBB\xBF" + Joined(base, "\r\n"));
        row("no line end at the end", Joined(base).substr(0, Joined(base).size() - 1));
        Lines lower = base;
        for (std::size_t n = 8; n < lower.size(); ++n)
            if (lower[n].front() != '[')
                for (char& c : lower[n])
                    c = char(std::tolower(static_cast<unsigned char>(c)));
        row("lower-case hex", Joined(lower));
        Lines spaced = base;
        spaced[1] = "  band-lower=400\t";
        spaced[8] = "\t0220 :  " + base[8].substr(6) + "  ";
        spaced[12] = " [ fm ] ";
        row("blanks and tabs", Joined(spaced));
        Lines commented =
            Inserted(Inserted(Inserted(base, 14, "# preset 1"), 9, "   # menu"), 2, "# header");
        commented = Inserted(commented, 10, "");
        row("comments and blank lines", Joined(commented));
        Lines reordered = {base[0], base[5], base[4], base[3], base[2], base[1], base[6]};
        reordered.insert(reordered.end(), base.begin() + 12, base.end());
        reordered.insert(reordered.end(), base.begin() + 7, base.begin() + 12);
        row("header fields and areas in another order", Joined(reordered));
    }
    void accepted() {
        QFETCH(QByteArray, file);
        const RadioImageParse parsed = ParseRadioImage(file.toStdString());
        if (const auto* error = std::get_if<RadioImageError>(&parsed))
            QFAIL(RadioImageErrorText(*error, 0).c_str());
        QVERIFY(std::get<RadioImage>(parsed) == BaseImage());
    }

    // Each faulty file is refused at the line of its first fault.
    void refused_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<RadioImageFault>("fault");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("detail");
        QTest::addColumn<int>("count");
        using F = RadioImageFault;
        const auto row = [](const char* name, const std::string& file, F fault, int line,
                            const char* text = "", const char* detail = "", int count = 0) {
            QTest::newRow(name) << QByteArray::fromStdString(file) << fault << line
                                << QString::fromUtf8(text) << QString::fromUtf8(detail) << count;
        };
        const Lines base = BaseLines();
        const auto file = [](const Lines& lines) { return Joined(lines); };

        // The format line.
        row("empty file", "", F::UnknownFormat, 1);
        row("only a byte-order mark", "\xEF\xBB\xBF", F::UnknownFormat, 1);
        row("another kind of file", file(Replaced(base, 1, " 16 ")), F::UnknownFormat, 1, "16");
        row("comment before the format line", file(Inserted(base, 1, "# image")), F::UnknownFormat,
            1, "# image");
        row("version 2", file(Replaced(base, 1, "orvex-radio-image 2")), F::UnknownVersion, 1, "2");
        row("version 1.0", file(Replaced(base, 1, "orvex-radio-image 1.0")), F::UnknownVersion, 1,
            "1.0");
        row("no version", file(Replaced(base, 1, "orvex-radio-image")), F::UnknownVersion, 1);
        row("words after the version", file(Replaced(base, 1, "orvex-radio-image 1 beta")),
            F::UnknownVersion, 1, "1 beta");

        // The header.
        row("unknown field", file(Inserted(base, 3, "colour = red")), F::UnknownHeaderField, 3,
            "colour");
        row("field name in capitals", file(Replaced(base, 4, "FAMILY = A0")), F::UnknownHeaderField,
            4, "FAMILY");
        row("field twice", file(Inserted(base, 6, "family = A1")), F::DuplicateHeaderField, 6,
            "family");
        row("no field name", file(Replaced(base, 2, " = 400")), F::UnreadableLine, 2, "= 400");
        row("band 1000", file(Replaced(base, 2, "band-lower = 1000")), F::BadHeaderValue, 2, "1000",
            "band-lower");
        row("band negative", file(Replaced(base, 3, "band-upper = -5")), F::BadHeaderValue, 3, "-5",
            "band-upper");
        row("band with decimals", file(Replaced(base, 3, "band-upper = 470.5")), F::BadHeaderValue,
            3, "470.5", "band-upper");
        row("band empty", file(Replaced(base, 2, "band-lower =")), F::BadHeaderValue, 2, "",
            "band-lower");
        row("family one digit", file(Replaced(base, 4, "family = A")), F::BadHeaderValue, 4, "A",
            "family");
        row("family three digits", file(Replaced(base, 4, "family = 0A0")), F::BadHeaderValue, 4,
            "0A0", "family");
        row("family not hex", file(Replaced(base, 4, "family = AG")), F::BadHeaderValue, 4, "AG",
            "family");
        row("program version empty", file(Replaced(base, 5, "program-version = ")),
            F::BadHeaderValue, 5, "", "program-version");
        row("time with a blank", file(Replaced(base, 6, "time = 2026-12-10 14:09:13Z")),
            F::BadHeaderValue, 6, "2026-12-10 14:09:13Z", "time");
        row("time without Z", file(Replaced(base, 6, "time = 2026-12-10T14:09:13")),
            F::BadHeaderValue, 6, "2026-12-10T14:09:13", "time");
        row("time in another zone", file(Replaced(base, 6, "time = 2026-12-10T14:09:13+01:00")),
            F::BadHeaderValue, 6, "2026-12-10T14:09:13+01:0...", "time");
        row("time on 30 February", file(Replaced(base, 6, "time = 2026-02-30T00:00:00Z")),
            F::BadHeaderValue, 6, "2026-02-30T00:00:00Z", "time");
        row("time at hour 24", file(Replaced(base, 6, "time = 2026-12-10T24:00:00Z")),
            F::BadHeaderValue, 6, "2026-12-10T24:00:00Z", "time");
        row("family missing", file(Removed(base, 4)), F::MissingHeaderField, 7, "family");
        row("time missing", file(Removed(base, 6)), F::MissingHeaderField, 7, "time");
        row("header cut short", file(FirstLines(base, 5)), F::MissingHeaderField, 5, "time");
        row("header field among the areas", file(Inserted(base, 13, "band-lower = 400")),
            F::UnreadableLine, 13, "band-lower = 400");

        // Lines of no kind.
        row("header field with a colon", file(Replaced(base, 4, "family: A0")), F::UnreadableLine,
            4, "family: A0");
        row("a word", file(Inserted(base, 10, "hello")), F::UnreadableLine, 10, "hello");
        row("area line not closed", file(Replaced(base, 13, "[fm")), F::UnreadableLine, 13, "[fm");

        // Areas.
        row("the five-tone planes", file(Replaced(base, 13, "[planes]")), F::UnknownArea, 13,
            "planes");
        row("area name in capitals", file(Replaced(base, 8, "[OPTIONS]")), F::UnknownArea, 8,
            "OPTIONS");
        Lines twice = base;
        twice.insert(twice.end(), base.begin() + 7, base.begin() + 12);
        row("area twice", file(twice), F::DuplicateArea, 31, "options");
        row("memory line before any area", file(Inserted(base, 7, "0220: 00")), F::LineOutsideArea,
            7, "0220: 00");
        row("last fm line missing", file(Removed(base, 30)), F::IncompleteArea, 13, "fm", "3100");
        row("last options line missing", file(Removed(base, 12)), F::IncompleteArea, 8, "options",
            "0250");
        Lines empty = base;
        empty.erase(empty.begin() + 8, empty.begin() + 12);
        row("area without lines", file(empty), F::IncompleteArea, 8, "options", "0220");
        row("no area", file(FirstLines(base, 7)), F::NoAreas, 7);

        // Addresses.
        row("address of three digits", file(WithAddress(9, "220")), F::BadAddress, 9, "220");
        row("address of five digits", file(WithAddress(9, "00220")), F::BadAddress, 9, "00220");
        row("address with 0x", file(WithAddress(9, "0x0220")), F::BadAddress, 9, "0x0220");
        row("address not hex", file(WithAddress(9, "02G0")), F::BadAddress, 9, "02G0");
        row("address before the area", file(WithAddress(9, "0210")), F::AddressOutsideArea, 9,
            "0210", "options");
        row("address after the area", file(WithAddress(30, "3110")), F::AddressOutsideArea, 30,
            "3110", "fm");
        row("address of another area", file(WithAddress(9, "3000")), F::AddressOutsideArea, 9,
            "3000", "options");
        row("address not aligned", file(WithAddress(10, "0231")), F::AddressNotAligned, 10, "0231");
        row("address repeated", file(Inserted(base, 10, base[8])), F::DuplicateAddress, 10, "0220");
        row("address of an earlier line", file(WithAddress(11, "0220")), F::DuplicateAddress, 11,
            "0220");
        row("a line left out", file(Removed(base, 10)), F::AddressOutOfOrder, 10, "0240", "0230");
        Lines swapped = base;
        std::swap(swapped[9], swapped[10]);
        row("two lines swapped", file(swapped), F::AddressOutOfOrder, 10, "0240", "0230");
        row("area starting late", file(Removed(base, 14)), F::AddressOutOfOrder, 14, "3010",
            "3000");

        // Values.
        row("one hex digit", file(WithValue(9, 5, "0 ")), F::BadValue, 9, "0", "", 5);
        row("not hex", file(WithValue(30, 16, "GG")), F::BadValue, 30, "GG", "", 16);
        row("negative", file(WithValue(14, 1, "-1")), F::BadValue, 14, "-1", "", 1);
        row("three digits, small", file(WithValue(14, 2, "0FF")), F::BadValue, 14, "0FF", "", 2);
        row("above FF", file(WithValue(14, 3, "100")), F::ValueOutOfRange, 14, "100", "", 3);
        row("far above FF", file(WithValue(14, 3, "FFFFFFFFFFFFFFFFFFFF")), F::ValueOutOfRange, 14,
            "FFFFFFFFFFFFFFFFFFFF", "", 3);
        row("15 values", file(WithCount(12, 15)), F::TruncatedLine, 12, "", "", 15);
        row("no values", file(WithCount(20, 0)), F::TruncatedLine, 20, "", "", 0);
        row("17 values", file(WithCount(9, 17)), F::ExtraValues, 9, "", "", 17);
        const std::string whole = Joined(base);
        const std::string halfValue = HexText(Pattern(0x3109), 2).substr(0, 1);
        row("cut in the middle of a value", whole.substr(0, whole.size() - 20), F::BadValue, 30,
            halfValue.c_str(), "", 10);
        row("cut after a value", whole.substr(0, whole.size() - 21), F::TruncatedLine, 30, "", "",
            9);
    }
    void refused() {
        QFETCH(QByteArray, file);
        QFETCH(RadioImageFault, fault);
        QFETCH(int, line);
        QFETCH(QString, text);
        QFETCH(QString, detail);
        QFETCH(int, count);
        for (const std::string end : {"\n", "\r\n"}) {
            std::string input = file.toStdString();
            if (end != "\n") {
                std::string crlf;
                for (char c : input)
                    crlf += c == '\n' ? std::string(end) : std::string(1, c);
                input = crlf;
            }
            const RadioImageParse parsed = ParseRadioImage(input);
            QVERIFY(std::holds_alternative<RadioImageError>(parsed));
            const RadioImageError& error = std::get<RadioImageError>(parsed);
            QCOMPARE(error.fault, fault);
            QCOMPARE(error.line, line);
            QCOMPARE(QString::fromStdString(error.text), text);
            QCOMPARE(QString::fromStdString(error.detail), detail);
            QCOMPARE(error.count, count);
        }
    }

    void messages_data() {
        QTest::addColumn<int>("languageFlag");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("message");
        const Lines base = BaseLines();
        const auto both = [](const char* name, const Lines& lines, const char* english,
                             const char* chinese) {
            const auto file = QByteArray::fromStdString(Joined(lines));
            QTest::newRow((std::string(name) + ", English").c_str())
                << 0 << file << QString::fromUtf8(english);
            QTest::newRow((std::string(name) + ", Chinese").c_str())
                << 1 << file << QString::fromUtf8(chinese);
        };
        both("version", Replaced(base, 1, "orvex-radio-image 2"),
             "Line 1: the radio image is in version \"2\" of the format; this program reads "
             "version 1 only.",
             "第 1 行：电台镜像文件的格式版本为“2”，本程序只能读取版本 1。");
        both("address outside", WithAddress(30, "3110"),
             "Line 30: the address 3110 lies outside the area [fm] (3000 to 310F).",
             "第 30 行：地址 3110 不在区域 [fm]（3000 到 310F）之内。");
        both("incomplete area", Removed(base, 30),
             "Line 13: the area [fm] is incomplete: the line for address 3100 is missing; an "
             "area holds every line from 3000 to 310F.",
             "第 13 行：区域 [fm] 不完整：缺少地址 3100 的行；一个区域必须包含从 3000 到 310F "
             "的全部行。");
        both("band", Replaced(base, 2, "band-lower = 1000"),
             "Line 2: the header field \"band-lower\" has an invalid value \"1000\" (a whole "
             "number of MHz from 0 to 999).",
             "第 2 行：文件头字段“band-lower”的值“1000”无效（应为 0 到 999 的整数 MHz）。");
        both("value", WithValue(14, 3, "100"),
             "Line 14: value 3, \"100\", lies outside 00 to FF (0 to 255).",
             "第 14 行：第 3 个数值“100”超出 00 到 FF（0 到 255）的范围。");
        both("out of order", Removed(base, 10),
             "Line 10: the line for address 0230 is expected here, not 0240; the lines of an area "
             "run in address order without gaps.",
             "第 10 行：此处应为地址 0230 的行，实际为 "
             "0240；区域内的行必须按地址顺序排列，中间不能缺"
             "行。");
        both("truncated", WithCount(12, 15),
             "Line 12: the line holds only 15 values; a memory line holds 16.",
             "第 12 行：该行只有 15 个数值，存储器行应有 16 个数值。");
    }
    void messages() {
        QFETCH(int, languageFlag);
        QFETCH(QByteArray, file);
        QFETCH(QString, message);
        const RadioImageParse parsed = ParseRadioImage(file.toStdString());
        QVERIFY(std::holds_alternative<RadioImageError>(parsed));
        QCOMPARE(QString::fromStdString(
                     RadioImageErrorText(std::get<RadioImageError>(parsed), languageFlag)),
                 message);
    }

    // Every fault is told in both languages with its line and without a placeholder left.
    void everyFaultTold() {
        for (int f = 0; f <= int(RadioImageFault::NoAreas); ++f) {
            const RadioImageError error{42, RadioImageFault(f), "x", "fm", 3};
            const std::string english = RadioImageErrorText(error, 0);
            const std::string chinese = RadioImageErrorText(error, 1);
            QVERIFY2(english.starts_with("Line 42: ") && english.size() > 12, english.c_str());
            QVERIFY2(chinese.starts_with("第 42 行：") && chinese.size() > 18, chinese.c_str());
            QVERIFY2(english.find('%') == std::string::npos, english.c_str());
            QVERIFY2(chinese.find('%') == std::string::npos, chinese.c_str());
        }
    }

    // An image that would not load back as it is is caught before it is written.
    void check_data() {
        QTest::addColumn<int>("variant");
        QTest::addColumn<RadioImageFault>("fault");
        QTest::addColumn<int>("line");
        QTest::newRow("fm one byte short") << 0 << RadioImageFault::TruncatedLine << 32;
        QTest::newRow("fm one byte over") << 1 << RadioImageFault::AddressOutsideArea << 33;
        QTest::newRow("options empty") << 2 << RadioImageFault::IncompleteArea << 9;
        QTest::newRow("band 1000") << 3 << RadioImageFault::BadHeaderValue << 3;
        QTest::newRow("no time") << 4 << RadioImageFault::BadHeaderValue << 7;
        QTest::newRow("version over two lines") << 5 << RadioImageFault::UnreadableLine << 7;
        QTest::newRow("version with blanks at the ends")
            << 6 << RadioImageFault::BadHeaderValue << 6;
        QTest::newRow("no area") << 7 << RadioImageFault::NoAreas << 7;
    }
    void check() {
        QFETCH(int, variant);
        QFETCH(RadioImageFault, fault);
        QFETCH(int, line);
        RadioImage image = BaseImage();
        if (variant == 0) image.areas[RadioArea::fm].pop_back();
        if (variant == 1) image.areas[RadioArea::fm].push_back(0);
        if (variant == 2) image.areas[RadioArea::options].clear();
        if (variant == 3) image.bandLowerMHz = 1000;
        if (variant == 4) image.time.clear();
        if (variant == 5) image.programVersion = "1.0\nbeta";
        if (variant == 6) image.programVersion = " 1.0 ";
        if (variant == 7) image.areas.clear();
        const std::optional<RadioImageError> error = CheckRadioImage(image);
        QVERIFY(error.has_value());
        QCOMPARE(error->fault, fault);
        QCOMPARE(error->line, line);
    }

    // A whole radio through a file and into another radio: every area lands where it was,
    // and what is in no area (the five-tone planes among it) is left alone.
    void wholeRadioThroughFile() {
        VirtualClock clock;
        SimulatedRadio source(clock);
        for (std::size_t a = 0; a < source.memory().size(); ++a)
            source.memory()[a] = Pattern(a);
        RadioImage image = BaseImage();
        image.areas.clear();
        for (RadioArea area : kRadioAreas)
            image.areas[area] = ExtractArea(source.memory(), area);

        const RadioImageParse parsed = ParseRadioImage(FormatRadioImage(image));
        QVERIFY(std::holds_alternative<RadioImage>(parsed));
        SimulatedRadio target(clock);
        for (const auto& [area, bytes] : std::get<RadioImage>(parsed).areas)
            QVERIFY(PutArea(target.memory(), area, bytes));

        const auto inSomeArea = [](std::size_t a) {
            return (a <= 0x01CF) || (a >= 0x0220 && a <= 0x025F) || (a >= 0x2400 && a <= 0x28FF) ||
                   (a >= 0x2D00 && a <= 0x310F);
        };
        for (std::size_t a = 0; a < target.memory().size(); ++a) {
            const std::uint8_t expected = inSomeArea(a) ? Pattern(a) : 0xFF;
            if (target.memory()[a] != expected)
                QFAIL(qPrintable(QString("address %1").arg(a, 4, 16, QChar('0'))));
        }
    }
};

QTEST_APPLESS_MAIN(RadioImageTest)
#include "tst_radio_image.moc"
