#include <QtTest>

#include "StartupOffsets.h"
#include "core/options/OptionImage.h"
#include "core/options/OptionLists.h"

using namespace orvex;

Q_DECLARE_METATYPE(orvex::OptionList)

namespace {

const OptionOffsetTable kOffsets = test::StartupOffsets();

int& List(OptionSettings& settings, OptionList list) {
    return settings.lists[static_cast<std::size_t>(list)];
}

int Position(const OptionSettings& settings, OptionList list) {
    return settings.lists[static_cast<std::size_t>(list)];
}

std::string& Limit(OptionSettings& settings, OptionLimit limit) {
    return settings.limits[static_cast<std::size_t>(limit)];
}

QByteArray Hex(const OptionImage& image) {
    return QByteArray(reinterpret_cast<const char*>(image.data()),
                      static_cast<qsizetype>(image.size()))
        .toHex(' ');
}

OptionImage ImageWith(std::initializer_list<std::pair<int, std::uint8_t>> bytes) {
    OptionImage image{};
    for (const auto& [offset, value] : bytes)
        image[static_cast<std::size_t>(offset)] = value;
    return image;
}

// The bytes no setting occupies, and the three that are always written as 0.
const QList<int> kUnusedBytes = {4,  5,  8,  10, 11, 12, 13, 16, 17, 18, 21, 22, 23, 24, 32, 35,
                                 36, 39, 40, 41, 43, 44, 46, 47, 48, 49, 50, 51, 52, 53, 54, 55};

}  // namespace

class OptionImageTest : public QObject {
    Q_OBJECT

  private slots:
    // One list at a time at a position of its own, every other setting at 0.
    void eachListLandsAtItsByte_data() {
        QTest::addColumn<OptionList>("list");
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("last");
        QTest::newRow("Tdr") << OptionList::Tdr << 0 << 1 << 1;
        QTest::newRow("TdrBeep") << OptionList::TdrBeep << 1 << 1 << 1;
        QTest::newRow("SqlLe") << OptionList::SqlLe << 2 << 8 << 9;
        QTest::newRow("Save") << OptionList::Save << 3 << 4 << 4;
        QTest::newRow("Tot") << OptionList::Tot << 6 << 39 << 39;
        QTest::newRow("Vox") << OptionList::Vox << 7 << 6 << 10;
        QTest::newRow("Abr") << OptionList::Abr << 9 << 5 << 5;
        QTest::newRow("Toa") << OptionList::Toa << 14 << 3 << 10;
        QTest::newRow("Beep") << OptionList::Beep << 15 << 1 << 1;
        QTest::newRow("Stdtmf") << OptionList::Stdtmf << 19 << 1 << 1;
        QTest::newRow("ScRev") << OptionList::ScRev << 20 << 2 << 2;
        QTest::newRow("PttLt") << OptionList::PttLt << 25 << 27 << 30;
        QTest::newRow("ScanVoice") << OptionList::ScanVoice << 26 << 1 << 1;
        QTest::newRow("VoiceChann") << OptionList::VoiceChann << 27 << 4 << 4;
        QTest::newRow("VoiceSetup") << OptionList::VoiceSetup << 28 << 2 << 4;
        QTest::newRow("PF1") << OptionList::PF1 << 29 << 6 << 6;
        QTest::newRow("PF2") << OptionList::PF2 << 30 << 5 << 6;
        QTest::newRow("Bcl") << OptionList::Bcl << 31 << 1 << 1;
        QTest::newRow("AutoLk") << OptionList::AutoLk << 33 << 1 << 1;
        QTest::newRow("Moni") << OptionList::Moni << 34 << 1 << 1;
        QTest::newRow("Prich") << OptionList::Prich << 37 << 13 << 15;
        QTest::newRow("Emech") << OptionList::Emech << 38 << 11 << 15;
        QTest::newRow("Lock") << OptionList::Lock << 45 << 1 << 1;
    }
    void eachListLandsAtItsByte() {
        QFETCH(OptionList, list);
        QFETCH(int, byte);
        QFETCH(int, position);
        QFETCH(int, last);

        OptionSettings settings;
        List(settings, list) = position;
        const OptionImage image = EncodeOptionImage(settings, kOffsets);
        QCOMPARE(Hex(image), Hex(ImageWith({{byte, static_cast<std::uint8_t>(position)}})));
        QCOMPARE(DecodeOptionImage(image, kOffsets).lists, settings.lists);

        // Any stored value beyond the list selects its last item.
        for (const int stored : {last + 1, 0xFF}) {
            const OptionImage beyond = ImageWith({{byte, static_cast<std::uint8_t>(stored)}});
            QCOMPARE(Position(DecodeOptionImage(beyond, kOffsets), list), last);
        }
    }

    void defaultSettingsGiveTheDefaultImage() {
        const OptionImage image = EncodeOptionImage(DefaultOptionSettings(136, 175), kOffsets);
        const OptionImage expected = ImageWith({
            {0, 1},     {1, 1},     {2, 5},     {3, 2},     {6, 7},     {9, 3},     {14, 10},
            {15, 1},    {19, 1},    {25, 10},   {26, 1},    {27, 1},    {28, 3},    {29, 1},
            {30, 2},    {38, 15},   {42, 9},    {56, 0x01}, {57, 0x36}, {58, 0x01}, {59, 0x74},
            {60, 0x01}, {61, 0x36}, {62, 0x01}, {63, 0x74},
        });
        QCOMPARE(Hex(image), Hex(expected));
        QCOMPARE(QList<std::uint8_t>(image.begin(), image.begin() + 16),
                 (QList<std::uint8_t>{1, 1, 5, 2, 0, 0, 7, 0, 0, 3, 0, 0, 0, 0, 10, 1}));
    }

    void timeOutTimer_data() {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("seconds");
        QTest::newRow("0 is 15 s") << 0 << 0 << "15";
        QTest::newRow("39 is 600 s") << 39 << 39 << "600";
        QTest::newRow("50 selects the last item") << 50 << 39 << "600";
    }
    void timeOutTimer() {
        QFETCH(int, stored);
        QFETCH(int, position);
        QFETCH(QString, seconds);
        const OptionSettings settings =
            DecodeOptionImage(ImageWith({{6, static_cast<std::uint8_t>(stored)}}), kOffsets);
        QCOMPARE(Position(settings, OptionList::Tot), position);
        const auto items = OptionListItems(OptionList::Tot, 0);
        QCOMPARE(QString::fromStdString(items[static_cast<std::size_t>(position)]), seconds);
    }

    void flags_data() {
        QTest::addColumn<int>("stored");
        QTest::addColumn<bool>("pttMenu");
        QTest::addColumn<bool>("pttInit");
        QTest::addColumn<bool>("alarmSound");
        QTest::addColumn<bool>("calder");
        QTest::addColumn<int>("written");
        QTest::newRow("all bits") << 0xFF << true << true << true << true << 0x4B;
        QTest::newRow("none") << 0x00 << false << false << false << false << 0x00;
        QTest::newRow("bit 0") << 0x01 << true << false << false << false << 0x01;
        QTest::newRow("bit 1") << 0x02 << false << true << false << false << 0x02;
        QTest::newRow("bit 3") << 0x08 << false << false << true << false << 0x08;
        QTest::newRow("bit 6") << 0x40 << false << false << false << true << 0x40;
        QTest::newRow("only unused bits") << 0xB4 << false << false << false << false << 0x00;
    }
    void flags() {
        QFETCH(int, stored);
        QFETCH(bool, pttMenu);
        QFETCH(bool, pttInit);
        QFETCH(bool, alarmSound);
        QFETCH(bool, calder);
        QFETCH(int, written);
        const OptionSettings settings =
            DecodeOptionImage(ImageWith({{42, static_cast<std::uint8_t>(stored)}}), kOffsets);
        QCOMPARE(settings.flags, (std::array<bool, 4>{pttMenu, pttInit, alarmSound, calder}));
        const OptionImage image = EncodeOptionImage(settings, kOffsets);
        QCOMPARE(int{image[42]}, written);
    }

    void limitIsWrittenAsWholeMhz_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::newRow("136") << "136" << 0x01 << 0x36;
        QTest::newRow("fraction dropped") << "136.9" << 0x01 << 0x36;
        QTest::newRow("two digits") << "66" << 0x00 << 0x66;
        QTest::newRow("470") << "470" << 0x04 << 0x70;
        QTest::newRow("blanks around") << " 174 " << 0x01 << 0x74;
        QTest::newRow("number then letters") << "88MHz" << 0x00 << 0x88;
        QTest::newRow("not a number") << "abc" << 0x00 << 0x00;
        QTest::newRow("empty") << "" << 0x00 << 0x00;
        QTest::newRow("999") << "999" << 0x09 << 0x99;
        QTest::newRow("above 999 clamped") << "1234" << 0x09 << 0x99;
        QTest::newRow("negative clamped") << "-5" << 0x00 << 0x00;
        QTest::newRow("negative fraction") << "-0.5" << 0x00 << 0x00;
    }
    void limitIsWrittenAsWholeMhz() {
        QFETCH(QString, text);
        QFETCH(int, first);
        QFETCH(int, second);
        OptionSettings settings;
        Limit(settings, OptionLimit::RxLower) = text.toStdString();
        const OptionImage image = EncodeOptionImage(settings, kOffsets);
        QCOMPARE(Hex(image), Hex(ImageWith({{56, static_cast<std::uint8_t>(first)},
                                            {57, static_cast<std::uint8_t>(second)}})));
    }

    void limitsLandAtTheirBytes() {
        OptionSettings settings;
        Limit(settings, OptionLimit::RxLower) = "136";
        Limit(settings, OptionLimit::RxUpper) = "174";
        Limit(settings, OptionLimit::TxLower) = "470";
        Limit(settings, OptionLimit::TxUpper) = "66";
        const OptionImage image = EncodeOptionImage(settings, kOffsets);
        QCOMPARE(Hex(image), Hex(ImageWith({{56, 0x01},
                                            {57, 0x36},
                                            {58, 0x01},
                                            {59, 0x74},
                                            {60, 0x04},
                                            {61, 0x70},
                                            {62, 0x00},
                                            {63, 0x66}})));
        const OptionSettings decoded = DecodeOptionImage(image, kOffsets);
        QCOMPARE(decoded.limits, (std::array<std::string, 4>{"136", "174", "470", "066"}));
    }

    void limitIsReadAsItsDigits_data() {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::addColumn<QString>("text");
        QTest::newRow("136") << 0x01 << 0x36 << "136";
        QTest::newRow("leading zero kept") << 0x00 << 0x66 << "066";
        QTest::newRow("high bits of the first byte ignored") << 0x21 << 0x36 << "136";
        QTest::newRow("nibble above 9") << 0x01 << 0xA5 << "1105";
        QTest::newRow("every nibble above 9") << 0xFF << 0xFF << "151515";
        QTest::newRow("zero") << 0x00 << 0x00 << "000";
    }
    void limitIsReadAsItsDigits() {
        QFETCH(int, first);
        QFETCH(int, second);
        QFETCH(QString, text);
        for (int limit = 0; limit < kOptionLimitCount; ++limit) {
            const int offset = 56 + 2 * limit;
            const OptionImage image = ImageWith({{offset, static_cast<std::uint8_t>(first)},
                                                 {offset + 1, static_cast<std::uint8_t>(second)}});
            const OptionSettings settings = DecodeOptionImage(image, kOffsets);
            for (int other = 0; other < kOptionLimitCount; ++other) {
                const QString expected = other == limit ? text : "000";
                QCOMPARE(QString::fromStdString(settings.limits[static_cast<std::size_t>(other)]),
                         expected);
            }
        }
    }

    void unoccupiedBytesAreWrittenAsZero() {
        const OptionImage byte4 = ImageWith({{4, 0x55}});
        QCOMPARE(EncodeOptionImage(DecodeOptionImage(byte4, kOffsets), kOffsets)[4], 0);

        OptionImage full;
        full.fill(0x55);
        const OptionImage written = EncodeOptionImage(DecodeOptionImage(full, kOffsets), kOffsets);
        for (const int byte : kUnusedBytes)
            QVERIFY2(written[static_cast<std::size_t>(byte)] == 0,
                     qPrintable(QString::number(byte)));
        QCOMPARE(int{written[42]}, 0x41);  // bits 0 and 6 of 0x55 are flags, 2 and 4 are not
        QCOMPARE(int{written[6]}, 39);     // 85 is beyond the time-out list
        QCOMPARE(int{written[56]}, 0x05);
        QCOMPARE(int{written[57]}, 0x55);
    }

    void listPositionsOutsideTheListAreStoredInIt_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("stored");
        QTest::newRow("no selection") << -1 << 0;
        QTest::newRow("far below") << -300 << 0;
        QTest::newRow("beyond the list") << 40 << 39;
        QTest::newRow("beyond a byte") << 300 << 39;
    }
    void listPositionsOutsideTheListAreStoredInIt() {
        QFETCH(int, position);
        QFETCH(int, stored);
        OptionSettings settings;
        List(settings, OptionList::Tot) = position;
        QCOMPARE(Hex(EncodeOptionImage(settings, kOffsets)),
                 Hex(ImageWith({{6, static_cast<std::uint8_t>(stored)}})));
    }

    // The bytes come from the table, not from fixed positions.
    void offsetsTableDecidesTheBytes() {
        OptionOffsetTable moved = kOffsets;
        moved[6] = 10;   // time-out timer
        moved[38] = 12;  // flags
        moved[49] = 4;   // receive lower limit, first byte
        moved[50] = 5;
        OptionSettings settings;
        List(settings, OptionList::Tot) = 5;
        settings.flags[static_cast<std::size_t>(OptionFlag::AlarmSound)] = true;
        Limit(settings, OptionLimit::RxLower) = "245";
        const OptionImage image = EncodeOptionImage(settings, moved);
        QCOMPARE(Hex(image), Hex(ImageWith({{10, 5}, {12, 8}, {4, 0x02}, {5, 0x45}})));

        const OptionSettings decoded = DecodeOptionImage(image, moved);
        QCOMPARE(Position(decoded, OptionList::Tot), 5);
        QCOMPARE(decoded.flags, (std::array<bool, 4>{false, false, true, false}));
        QCOMPARE(decoded.limits[0], std::string("245"));
    }

    void randomSettingsSurviveTheRoundTrip() {
        QRandomGenerator random(20240617);
        for (int round = 0; round < 500; ++round) {
            OptionSettings settings;
            for (int i = 0; i < kOptionListCount; ++i)
                settings.lists[static_cast<std::size_t>(i)] =
                    random.bounded(OptionListSize(static_cast<OptionList>(i)));
            for (bool& flag : settings.flags)
                flag = random.bounded(2) == 1;
            // Decoding writes every limit with three digits.
            for (std::string& limit : settings.limits)
                limit = QString("%1").arg(random.bounded(1000), 3, 10, QChar('0')).toStdString();

            const OptionImage image = EncodeOptionImage(settings, kOffsets);
            QVERIFY2(DecodeOptionImage(image, kOffsets) == settings,
                     qPrintable(QString("round %1: %2").arg(round).arg(Hex(image))));
        }
    }
};

QTEST_APPLESS_MAIN(OptionImageTest)
#include "tst_option_image.moc"
