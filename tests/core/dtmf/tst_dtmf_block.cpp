#include <QtTest>

#include <climits>
#include <functional>
#include <map>
#include <set>
#include <tuple>

#include "core/dtmf/DtmfBlock.h"

using namespace orvex;

Q_DECLARE_METATYPE(orvex::DtmfCode)

namespace {

// The block as the defaults write it, row by row (offset 16 x row).
constexpr std::array<std::array<std::uint8_t, 16>, kDtmfImageRows> kDefaultImage = {{
    // code group 1 "12345"
    {0x01, 0x02, 0x03, 0x04, 0x05, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
     0xFF},
    // code groups 2 to 7, empty
    {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
     0xFF},
    {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
     0xFF},
    {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
     0xFF},
    {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
     0xFF},
    {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
     0xFF},
    {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
     0xFF},
    // code group 8 "54321"
    {0x05, 0x04, 0x03, 0x02, 0x01, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
     0xFF},
    // inspection "A681", monitor "A792", alarm "A470", inhibit flags
    {0x0D, 0x06, 0x08, 0x01, 0xFF, 0x0D, 0x07, 0x09, 0x02, 0xFF, 0x0D, 0x04, 0x07, 0x00, 0xFF,
     0x00},
    // stun "A358", kill "A926", revive "A147", control flag
    {0x0D, 0x03, 0x05, 0x08, 0xFF, 0x0D, 0x09, 0x02, 0x06, 0xFF, 0x0D, 0x01, 0x04, 0x07, 0xFF,
     0x01},
    // master ID "47316", vice ID "52649", ANI "A803", PTT flags
    {0x04, 0x07, 0x03, 0x01, 0x06, 0x05, 0x02, 0x06, 0x04, 0x09, 0x0D, 0x08, 0x00, 0x03, 0xFF,
     0x02},
    // master rights, vice rights, on time, off time, group call "*"
    {0x1F, 0x03, 0x03, 0x03, 0x0B, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
     0xFF},
    {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
     0xFF},
}};

QByteArray Bytes(const std::uint8_t* data, std::size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

QByteArray Hex(const QByteArray& bytes) {
    return bytes.toHex(' ');
}

QByteArray Slice(const DtmfImage& image, int offset, int size) {
    return Bytes(image.data() + offset, static_cast<std::size_t>(size));
}

QByteArray DefaultImageBytes() {
    QByteArray bytes;
    for (const auto& row : kDefaultImage)
        bytes += Bytes(row.data(), row.size());
    return bytes;
}

DtmfReadImage ReadFilledWith(std::uint8_t value) {
    DtmfReadImage read;
    read.fill(value);
    return read;
}

void Put(DtmfReadImage& read, int offset, const QByteArray& bytes) {
    for (qsizetype i = 0; i < bytes.size(); ++i)
        read[static_cast<std::size_t>(offset + i)] = static_cast<std::uint8_t>(bytes[i]);
}

std::string& Code(DtmfSettings& settings, DtmfCode code) {
    return settings.codes[static_cast<std::size_t>(code)];
}

// The check boxes by objectName.
const std::map<QString, std::function<bool&(DtmfSettings&)>>& Boxes() {
    static const auto boxes = [] {
        std::map<QString, std::function<bool&(DtmfSettings&)>> map;
        map["Check_Ptt_P"] = [](DtmfSettings& s) -> bool& { return s.pttPress; };
        map["Check_Ptt_S"] = [](DtmfSettings& s) -> bool& { return s.pttRelease; };
        map["Check_Ctrl_En"] = [](DtmfSettings& s) -> bool& { return s.controlByIdOnly; };
        map["Check_RX"] = [](DtmfSettings& s) -> bool& { return s.receiveInhibit; };
        map["Check_TX"] = [](DtmfSettings& s) -> bool& { return s.transmitInhibit; };
        for (std::size_t k = 0; k < kDtmfRights; ++k) {
            map[QString("Check_M_%1").arg(k)] = [k](DtmfSettings& s) -> bool& {
                return s.masterRights[k];
            };
            map[QString("Check_S_%1").arg(k)] = [k](DtmfSettings& s) -> bool& {
                return s.viceRights[k];
            };
        }
        return map;
    }();
    return boxes;
}

// What a read must leave alone.
auto HiddenPart(const DtmfSettings& s) {
    const auto code = [&](DtmfCode c) { return s.codes[static_cast<std::size_t>(c)]; };
    return std::make_tuple(code(DtmfCode::Inspection), code(DtmfCode::Monitor),
                           code(DtmfCode::Stun), code(DtmfCode::Kill), code(DtmfCode::Revive),
                           code(DtmfCode::MasterId), code(DtmfCode::ViceId), s.controlByIdOnly,
                           s.masterRights, s.viceRights, s.receiveInhibit, s.transmitInhibit);
}

// Hidden settings that are neither empty nor their defaults.
DtmfSettings WithUnusualHiddenSettings() {
    DtmfSettings settings = DefaultDtmfSettings();
    Code(settings, DtmfCode::Inspection) = "1";
    Code(settings, DtmfCode::Monitor) = "22";
    Code(settings, DtmfCode::Stun) = "333";
    Code(settings, DtmfCode::Kill) = "4444";
    Code(settings, DtmfCode::Revive) = "#*DC";
    Code(settings, DtmfCode::MasterId) = "00000";
    Code(settings, DtmfCode::ViceId) = "x";
    settings.controlByIdOnly = false;
    settings.masterRights = {false, true, false, true, false};
    settings.viceRights = {true, false, true, false, true};
    settings.receiveInhibit = true;
    settings.transmitInhibit = true;
    return settings;
}

// The hidden settings' bytes: the five decode codes, both control IDs, the inhibit and control
// flags and both rights bytes.
const std::set<int>& HiddenOffsets() {
    static const std::set<int> offsets = [] {
        std::set<int> set;
        for (const int field : {0x80, 0x85, 0x90, 0x95, 0x9A, 0xA0, 0xA5})
            for (int i = 0; i < kDtmfCodeLength; ++i)
                set.insert(field + i);
        set.insert({0x8F, 0x9F, 0xB0, 0xB1});
        return set;
    }();
    return offsets;
}

}  // namespace

class DtmfBlockTest : public QObject {
    Q_OBJECT

  private slots:
    void defaultImage() {
        const DtmfImage image = EncodeDtmfImage(DefaultDtmfSettings());
        QCOMPARE(Hex(Bytes(image.data(), image.size())), Hex(DefaultImageBytes()));
    }

    void defaultFlagAndListBytes_data() {
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("value");
        QTest::newRow("master rights") << 0xB0 << 0x1F;
        QTest::newRow("vice rights") << 0xB1 << 0x03;
        QTest::newRow("PTT flags") << 0xAF << 0x02;
        QTest::newRow("control flag") << 0x9F << 0x01;
        QTest::newRow("inhibit flags") << 0x8F << 0x00;
        QTest::newRow("on time") << 0xB2 << 0x03;
        QTest::newRow("off time") << 0xB3 << 0x03;
        QTest::newRow("group call") << 0xB4 << 0x0B;
    }
    void defaultFlagAndListBytes() {
        QFETCH(int, offset);
        QFETCH(int, value);
        QCOMPARE(int{EncodeDtmfImage(DefaultDtmfSettings())[static_cast<std::size_t>(offset)]},
                 value);
    }

    void codeGroupRow_data() {
        QTest::addColumn<QByteArray>("text");  // UTF-8
        QTest::addColumn<QByteArray>("row");   // hex, 16 bytes
        QTest::newRow("123") << QByteArray("123")
                             << QByteArray("01 02 03 FF FF  FF FF FF FF FF FF FF FF FF FF FF");
        QTest::newRow("empty") << QByteArray("")
                               << QByteArray("FF FF FF FF FF  FF FF FF FF FF FF FF FF FF FF FF");
        QTest::newRow("0") << QByteArray("0")
                           << QByteArray("00 FF FF FF FF  FF FF FF FF FF FF FF FF FF FF FF");
        QTest::newRow("five") << QByteArray("12345")
                              << QByteArray("01 02 03 04 05  FF FF FF FF FF FF FF FF FF FF FF");
        QTest::newRow("star, hash, letters")
            << QByteArray("*#ABC")
            << QByteArray("0B 0C 0D 0E 0F  FF FF FF FF FF FF FF FF FF FF FF");
        QTest::newRow("D") << QByteArray("D")
                           << QByteArray("10 FF FF FF FF  FF FF FF FF FF FF FF FF FF FF FF");
        QTest::newRow("sixth character not written")
            << QByteArray("123456")
            << QByteArray("01 02 03 04 05  FF FF FF FF FF FF FF FF FF FF FF");
        QTest::newRow("blanks around trimmed")
            << QByteArray("  12  ")
            << QByteArray("01 02 FF FF FF  FF FF FF FF FF FF FF FF FF FF FF");
        QTest::newRow("tabs around trimmed")
            << QByteArray("\t12\t")
            << QByteArray("01 02 FF FF FF  FF FF FF FF FF FF FF FF FF FF FF");
        QTest::newRow("inner blank keeps its place")
            << QByteArray("1 2") << QByteArray("01 FF 02 FF FF  FF FF FF FF FF FF FF FF FF FF FF");
        QTest::newRow("lower case has no code")
            << QByteArray("a1") << QByteArray("FF 01 FF FF FF  FF FF FF FF FF FF FF FF FF FF FF");
        QTest::newRow("Chinese character is one position")
            << QByteArray("码1") << QByteArray("FF 01 FF FF FF  FF FF FF FF FF FF FF FF FF FF FF");
        QTest::newRow("five Chinese characters then a digit")
            << QByteArray("码码码码码1")
            << QByteArray("FF FF FF FF FF  FF FF FF FF FF FF FF FF FF FF FF");
    }
    void codeGroupRow() {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, row);
        const QByteArray empty = QByteArray(16, '\xFF');
        for (int group = 0; group < kDtmfGroups; ++group) {
            DtmfSettings settings;
            settings.groups[static_cast<std::size_t>(group)] = text.toStdString();
            const DtmfImage image = EncodeDtmfImage(settings);
            for (int other = 0; other < kDtmfGroups; ++other) {
                const QByteArray expected = other == group ? QByteArray::fromHex(row) : empty;
                QCOMPARE(Hex(Slice(image, 16 * other, 16)), Hex(expected));
            }
        }
    }

    void codeFields_data() {
        QTest::addColumn<DtmfCode>("code");
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("offset");
        QTest::newRow("ANI") << DtmfCode::Ani << "Text_Ani" << 0xAA;
        QTest::newRow("alarm") << DtmfCode::Alarm << "Text_BJ" << 0x8A;
        QTest::newRow("inspection") << DtmfCode::Inspection << "Text_XC" << 0x80;
        QTest::newRow("monitor") << DtmfCode::Monitor << "Text_JT" << 0x85;
        QTest::newRow("stun") << DtmfCode::Stun << "Text_YY" << 0x90;
        QTest::newRow("kill") << DtmfCode::Kill << "Text_YB" << 0x95;
        QTest::newRow("revive") << DtmfCode::Revive << "Text_KJ" << 0x9A;
        QTest::newRow("master ID") << DtmfCode::MasterId << "Text_MID" << 0xA0;
        QTest::newRow("vice ID") << DtmfCode::ViceId << "Text_SID" << 0xA5;
    }
    // Each code box writes its five bytes and nothing else changes.
    void codeFields() {
        QFETCH(DtmfCode, code);
        QFETCH(QString, control);
        QFETCH(int, offset);
        QCOMPARE(QString::fromUtf8(DtmfCodeControl(code)), control);
        QCOMPARE(DtmfCodeOffset(code), offset);

        const std::pair<const char*, const char*> cases[] = {
            {"1D#*0", "01 10 0C 0B 00"},
            {"", "FF FF FF FF FF"},
            {" 7 ", "07 FF FF FF FF"},
            {"9876543", "09 08 07 06 05"},
        };
        for (const auto& [text, field] : cases) {
            DtmfSettings settings = DefaultDtmfSettings();
            Code(settings, code) = text;
            QByteArray expected = DefaultImageBytes();
            expected.replace(offset, kDtmfCodeLength, QByteArray::fromHex(field));
            const DtmfImage image = EncodeDtmfImage(settings);
            QCOMPARE(Hex(Bytes(image.data(), image.size())), Hex(expected));
        }
    }

    void checkBoxBits_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("bit");
        QTest::newRow("Check_RX") << "Check_RX" << 0x8F << 0x01;
        QTest::newRow("Check_TX") << "Check_TX" << 0x8F << 0x02;
        QTest::newRow("Check_Ctrl_En") << "Check_Ctrl_En" << 0x9F << 0x01;
        QTest::newRow("Check_Ptt_P") << "Check_Ptt_P" << 0xAF << 0x01;
        QTest::newRow("Check_Ptt_S") << "Check_Ptt_S" << 0xAF << 0x02;
        const int bits[] = {0x01, 0x02, 0x04, 0x08, 0x10};
        for (int k = 0; k < kDtmfRights; ++k) {
            const QString master = QString("Check_M_%1").arg(k);
            const QString vice = QString("Check_S_%1").arg(k);
            QTest::newRow(qPrintable(master)) << master << 0xB0 << bits[k];
            QTest::newRow(qPrintable(vice)) << vice << 0xB1 << bits[k];
        }
    }
    // One box on, every other off: only its bit is set in the five flag bytes.
    void checkBoxBits() {
        QFETCH(QString, box);
        QFETCH(int, offset);
        QFETCH(int, bit);
        QVERIFY(Boxes().contains(box));
        DtmfSettings settings;
        Boxes().at(box)(settings) = true;
        const DtmfImage image = EncodeDtmfImage(settings);
        for (const int flags : {0x8F, 0x9F, 0xAF, 0xB0, 0xB1}) {
            const int expected = flags == offset ? bit : 0;
            QCOMPARE(int{image[static_cast<std::size_t>(flags)]}, expected);
        }
    }

    void everyBoxOn() {
        DtmfSettings settings;
        for (const auto& [name, box] : Boxes())
            box(settings) = true;
        const DtmfImage image = EncodeDtmfImage(settings);
        QCOMPARE(int{image[0x8F]}, 0x03);
        QCOMPARE(int{image[0x9F]}, 0x01);
        QCOMPARE(int{image[0xAF]}, 0x03);
        QCOMPARE(int{image[0xB0]}, 0x1F);
        QCOMPARE(int{image[0xB1]}, 0x1F);
    }

    void timeItemWritten_data() {
        QTest::addColumn<int>("item");
        QTest::addColumn<int>("stored");
        QTest::newRow("first") << 0 << 0;
        QTest::newRow("80 ms") << 3 << 3;
        QTest::newRow("last") << 195 << 195;
        QTest::newRow("one beyond") << 196 << 195;
        QTest::newRow("beyond a byte") << 1000 << 195;
        QTest::newRow("largest int") << INT_MAX << 195;
        QTest::newRow("no selection") << -1 << 0;
        QTest::newRow("smallest int") << INT_MIN << 0;
    }
    void timeItemWritten() {
        QFETCH(int, item);
        QFETCH(int, stored);
        DtmfSettings onTime;
        onTime.onTime = item;
        onTime.offTime = 7;
        QCOMPARE(int{EncodeDtmfImage(onTime)[0xB2]}, stored);
        QCOMPARE(int{EncodeDtmfImage(onTime)[0xB3]}, 7);
        DtmfSettings offTime;
        offTime.offTime = item;
        offTime.onTime = 7;
        QCOMPARE(int{EncodeDtmfImage(offTime)[0xB3]}, stored);
        QCOMPARE(int{EncodeDtmfImage(offTime)[0xB2]}, 7);
    }

    void timeItemRead_data() {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("milliseconds");
        QTest::newRow("0x00") << 0x00 << 0 << "50";
        QTest::newRow("0x03") << 0x03 << 3 << "80";
        QTest::newRow("0x64") << 0x64 << 100 << "1050";
        QTest::newRow("0xC3, the last") << 0xC3 << 195 << "2000";
        QTest::newRow("0xC4, one beyond") << 0xC4 << 195 << "2000";
        QTest::newRow("0xFF") << 0xFF << 195 << "2000";
    }
    void timeItemRead() {
        QFETCH(int, stored);
        QFETCH(int, item);
        QFETCH(QString, milliseconds);
        const std::vector<std::string> items = DtmfTimeItemTexts();
        QCOMPARE(static_cast<int>(items.size()), kDtmfTimeItems);

        DtmfReadImage read = ReadFilledWith(0x00);
        read[0xB2] = static_cast<std::uint8_t>(stored);
        read[0xB3] = 0x05;
        DtmfSettings settings;
        DecodeDtmfRead(read, settings);
        QCOMPARE(settings.onTime, item);
        QCOMPARE(settings.offTime, 5);
        QCOMPARE(QString::fromStdString(items[static_cast<std::size_t>(settings.onTime)]),
                 milliseconds);

        read[0xB2] = 0x05;
        read[0xB3] = static_cast<std::uint8_t>(stored);
        DecodeDtmfRead(read, settings);
        QCOMPARE(settings.onTime, 5);
        QCOMPARE(settings.offTime, item);
    }

    void timeItemTexts_data() {
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("text");
        QTest::newRow("first") << 0 << "50";
        QTest::newRow("second") << 1 << "60";
        QTest::newRow("default") << 3 << "80";
        QTest::newRow("last") << 195 << "2000";
    }
    void timeItemTexts() {
        QFETCH(int, item);
        QFETCH(QString, text);
        const std::vector<std::string> items = DtmfTimeItemTexts();
        QCOMPARE(static_cast<int>(items.size()), kDtmfTimeItems);
        QCOMPARE(QString::fromStdString(items[static_cast<std::size_t>(item)]), text);
    }

    void groupCallWritten_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("stored");
        QTest::newRow("*") << QByteArray("*") << 0x0B;
        QTest::newRow("#") << QByteArray("#") << 0x0C;
        QTest::newRow("A") << QByteArray("A") << 0x0D;
        QTest::newRow("D") << QByteArray("D") << 0x10;
        QTest::newRow("blanks around") << QByteArray(" B ") << 0x0E;
        QTest::newRow("first character counts") << QByteArray("C*") << 0x0F;
        QTest::newRow("empty") << QByteArray("") << 0xFF;
        QTest::newRow("only blanks") << QByteArray("   ") << 0xFF;
        QTest::newRow("no code") << QByteArray("x") << 0xFF;
        QTest::newRow("Chinese") << QByteArray("码") << 0xFF;
    }
    void groupCallWritten() {
        QFETCH(QByteArray, text);
        QFETCH(int, stored);
        DtmfSettings settings;
        settings.groupCall = text.toStdString();
        QCOMPARE(int{EncodeDtmfImage(settings)[0xB4]}, stored);
    }

    void groupCallRead_data() {
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("text");
        QTest::newRow("0x0B") << 0x0B << "*";
        QTest::newRow("0x0C") << 0x0C << "#";
        QTest::newRow("0x0D") << 0x0D << "A";
        QTest::newRow("0x10") << 0x10 << "D";
        QTest::newRow("a digit, not in the list") << 0x01 << "1";
        QTest::newRow("0x00") << 0x00 << "0";
        QTest::newRow("0x0A, no character") << 0x0A << "";
        QTest::newRow("0x11") << 0x11 << "";
        QTest::newRow("0xFF") << 0xFF << "";
    }
    void groupCallRead() {
        QFETCH(int, stored);
        QFETCH(QString, text);
        DtmfReadImage read = ReadFilledWith(0xFF);
        read[0xB4] = static_cast<std::uint8_t>(stored);
        DtmfSettings settings = DefaultDtmfSettings();
        DecodeDtmfRead(read, settings);
        QCOMPARE(QString::fromStdString(settings.groupCall), text);
    }

    void groupCallItemsComeBackFromTheRadio() {
        const std::vector<std::string> items = DtmfGroupCallItems();
        QCOMPARE(items.size(), std::size_t{6});
        std::set<int> bytes;
        for (const std::string& item : items) {
            DtmfSettings settings;
            settings.groupCall = item;
            const DtmfImage image = EncodeDtmfImage(settings);
            bytes.insert(image[0xB4]);
            DtmfReadImage read = ReadFilledWith(0xFF);
            read[0xB4] = image[0xB4];
            DtmfSettings decoded;
            DecodeDtmfRead(read, decoded);
            QCOMPARE(decoded.groupCall, item);
        }
        QCOMPARE(bytes.size(), items.size());
        QCOMPARE(DefaultDtmfSettings().groupCall, items.front());
    }

    void codeFieldRead_data() {
        QTest::addColumn<QByteArray>("field");  // hex, 5 bytes
        QTest::addColumn<QString>("text");
        QTest::newRow("123") << QByteArray("01 02 03 FF FF") << "123";
        QTest::newRow("0") << QByteArray("00 FF FF FF FF") << "0";
        QTest::newRow("0x0A skipped") << QByteArray("01 0A 02 FF FF") << "12";
        QTest::newRow("first byte FF hides the rest") << QByteArray("FF 01 02 03 04") << "";
        QTest::newRow("letters and star") << QByteArray("0D 0E 0F 10 0B") << "ABCD*";
        QTest::newRow("codes above 0x10 skipped") << QByteArray("0C 11 FE 05 0A") << "#5";
        QTest::newRow("holes skipped") << QByteArray("01 FF 02 FF 03") << "123";
        QTest::newRow("nothing with a character") << QByteArray("0A 0A 20 30 FE") << "";
        QTest::newRow("five") << QByteArray("05 04 03 02 01") << "54321";
    }
    // The same field rule for the eight code groups, the alarm code and the ANI code.
    void codeFieldRead() {
        QFETCH(QByteArray, field);
        QFETCH(QString, text);
        std::vector<std::pair<int, std::function<std::string(const DtmfSettings&)>>> targets;
        for (std::size_t group = 0; group < kDtmfGroups; ++group)
            targets.emplace_back(static_cast<int>(16 * group),
                                 [group](const DtmfSettings& s) { return s.groups[group]; });
        targets.emplace_back(0x8A, [](const DtmfSettings& s) {
            return s.codes[static_cast<std::size_t>(DtmfCode::Alarm)];
        });
        targets.emplace_back(0xAA, [](const DtmfSettings& s) {
            return s.codes[static_cast<std::size_t>(DtmfCode::Ani)];
        });

        for (const auto& [offset, target] : targets) {
            DtmfReadImage read = ReadFilledWith(0xFF);
            Put(read, offset, QByteArray::fromHex(field));
            DtmfSettings settings = DefaultDtmfSettings();
            DecodeDtmfRead(read, settings);
            for (const auto& [otherOffset, other] : targets) {
                const QString expected = otherOffset == offset ? text : QString();
                QCOMPARE(QString::fromStdString(other(settings)), expected);
            }
        }
    }

    void pttFlagsRead_data() {
        QTest::addColumn<int>("stored");
        QTest::addColumn<bool>("press");
        QTest::addColumn<bool>("release");
        QTest::newRow("none") << 0x00 << false << false;
        QTest::newRow("bit 0") << 0x01 << true << false;
        QTest::newRow("bit 1") << 0x02 << false << true;
        QTest::newRow("both") << 0x03 << true << true;
        QTest::newRow("only other bits") << 0xFC << false << false;
        QTest::newRow("all but bit 0") << 0xFE << false << true;
        QTest::newRow("0xFF") << 0xFF << true << true;
    }
    // Whatever the boxes showed before, the byte alone decides.
    void pttFlagsRead() {
        QFETCH(int, stored);
        QFETCH(bool, press);
        QFETCH(bool, release);
        DtmfReadImage read = ReadFilledWith(0xFF);
        read[0xAF] = static_cast<std::uint8_t>(stored);
        for (const bool before : {false, true}) {
            DtmfSettings settings;
            settings.pttPress = before;
            settings.pttRelease = before;
            DecodeDtmfRead(read, settings);
            QCOMPARE(settings.pttPress, press);
            QCOMPARE(settings.pttRelease, release);
        }
    }

    // A read of 0xFF throughout, as from an erased block.
    void erasedBlockRead() {
        DtmfSettings settings = DefaultDtmfSettings();
        DecodeDtmfRead(ReadFilledWith(0xFF), settings);
        DtmfSettings expected = DefaultDtmfSettings();
        expected.groups = {};
        Code(expected, DtmfCode::Alarm) = "";
        Code(expected, DtmfCode::Ani) = "";
        expected.pttPress = true;
        expected.pttRelease = true;
        expected.onTime = 195;
        expected.offTime = 195;
        expected.groupCall = "";
        QVERIFY(settings == expected);
    }

    void readKeepsTheHiddenSettings_data() {
        QTest::addColumn<QByteArray>("read");  // 256 bytes
        QTest::newRow("zeros") << QByteArray(kDtmfReadSize, '\x00');
        QTest::newRow("0x05 throughout") << QByteArray(kDtmfReadSize, '\x05');
        QTest::newRow("0xFF throughout") << QByteArray(kDtmfReadSize, '\xFF');
        QByteArray counting;
        for (int i = 0; i < kDtmfReadSize; ++i)
            counting += static_cast<char>(i);
        QTest::newRow("counting") << counting;
        QByteArray otherRadio = DefaultImageBytes() + QByteArray(48, '\x00');
        otherRadio.replace(0x80, 0x40, QByteArray(0x40, '\x09'));
        QTest::newRow("0x80 to 0xBF all 0x09") << otherRadio;
    }
    // A read leaves the hidden settings as they were, so the next write sends them as they
    // were: their defaults in a window that only ever shows the rest.
    void readKeepsTheHiddenSettings() {
        QFETCH(QByteArray, read);
        DtmfReadImage image;
        Put(image, 0, read);

        const DtmfSettings unusual = WithUnusualHiddenSettings();
        DtmfSettings settings = unusual;
        DecodeDtmfRead(image, settings);
        QVERIFY(HiddenPart(settings) == HiddenPart(unusual));

        DtmfSettings fresh = DefaultDtmfSettings();
        DecodeDtmfRead(image, fresh);
        const DtmfImage written = EncodeDtmfImage(fresh);
        const QByteArray defaults = DefaultImageBytes();
        for (const int offset : HiddenOffsets())
            QVERIFY2(written[static_cast<std::size_t>(offset)] ==
                         static_cast<std::uint8_t>(defaults[offset]),
                     qPrintable(QString("offset 0x%1").arg(offset, 2, 16, QChar('0'))));
        for (int offset = 0xB5; offset < kDtmfImageSize; ++offset)
            QCOMPARE(int{written[static_cast<std::size_t>(offset)]}, 0xFF);
    }

    void onlyDecodedBytesMatter_data() {
        QTest::addColumn<int>("offset");
        QTest::addColumn<bool>("decoded");
        std::set<int> decoded;
        for (int group = 0; group < kDtmfGroups; ++group)
            for (int i = 0; i < kDtmfCodeLength; ++i)
                decoded.insert(16 * group + i);
        for (int i = 0; i < kDtmfCodeLength; ++i)
            decoded.insert({0x8A + i, 0xAA + i});
        decoded.insert({0xAF, 0xB2, 0xB3, 0xB4});
        for (int offset = 0; offset < kDtmfReadSize; ++offset)
            QTest::addRow("0x%02X", offset) << offset << decoded.contains(offset);
    }
    // Every byte of a read of 0x01 changed on its own: only the decoded ones change a setting.
    void onlyDecodedBytesMatter() {
        QFETCH(int, offset);
        QFETCH(bool, decoded);
        const DtmfReadImage base = ReadFilledWith(0x01);
        DtmfReadImage changed = base;
        changed[static_cast<std::size_t>(offset)] = 0xFE;
        DtmfSettings fromBase = DefaultDtmfSettings();
        DtmfSettings fromChanged = DefaultDtmfSettings();
        DecodeDtmfRead(base, fromBase);
        DecodeDtmfRead(changed, fromChanged);
        QCOMPARE(!(fromBase == fromChanged), decoded);
    }

    // Settings the window can hold come back from the radio as they went, for what the read
    // decodes.
    void writeThenReadRoundTrip() {
        constexpr std::string_view kAlphabet = "0123456789ABCD*#";
        const std::vector<std::string> groupCalls = DtmfGroupCallItems();
        QRandomGenerator random(20240618);
        const auto code = [&] {
            std::string text;
            const int length = random.bounded(kDtmfCodeLength + 1);
            for (int i = 0; i < length; ++i)
                text += kAlphabet[random.bounded(static_cast<int>(kAlphabet.size()))];
            return text;
        };
        for (int round = 0; round < 500; ++round) {
            DtmfSettings written;
            for (std::string& group : written.groups)
                group = code();
            for (std::string& text : written.codes)
                text = code();
            written.pttPress = random.bounded(2) == 1;
            written.pttRelease = random.bounded(2) == 1;
            written.onTime = random.bounded(kDtmfTimeItems);
            written.offTime = random.bounded(kDtmfTimeItems);
            written.groupCall =
                groupCalls[static_cast<std::size_t>(random.bounded(int(groupCalls.size())))];

            const DtmfImage image = EncodeDtmfImage(written);
            DtmfReadImage read;
            std::copy(image.begin(), image.end(), read.begin());
            for (std::size_t i = kDtmfImageSize; i < read.size(); ++i)
                read[i] = static_cast<std::uint8_t>(random.bounded(256));

            DtmfSettings decoded = DefaultDtmfSettings();
            DecodeDtmfRead(read, decoded);
            DtmfSettings expected = DefaultDtmfSettings();
            expected.groups = written.groups;
            Code(expected, DtmfCode::Alarm) = Code(written, DtmfCode::Alarm);
            Code(expected, DtmfCode::Ani) = Code(written, DtmfCode::Ani);
            expected.pttPress = written.pttPress;
            expected.pttRelease = written.pttRelease;
            expected.onTime = written.onTime;
            expected.offTime = written.offTime;
            expected.groupCall = written.groupCall;
            QVERIFY2(decoded == expected,
                     qPrintable(QString("round %1: %2")
                                    .arg(round)
                                    .arg(Hex(Slice(image, 0, kDtmfImageSize)).constData())));
        }
    }
};

QTEST_APPLESS_MAIN(DtmfBlockTest)
#include "tst_dtmf_block.moc"
