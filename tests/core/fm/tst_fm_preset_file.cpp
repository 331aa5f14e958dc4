#include <QtTest>

#include "core/channels/ChannelFile.h"
#include "core/fm/FmPresetFile.h"

using namespace orvex;

namespace {

FmSettings Saved(const FmPresetTable& presets, const FmBandBoxes& boxes) {
    return {presets, boxes};
}

// A valid file with one value replaced: record 1-17, value 1-16.
std::string FileWith(int record, int value, const std::string& text) {
    FmSettings settings{DefaultFmPresets(), {"136.00000", "174.00000", "400.00000", "470.00000"}};
    std::string file = FormatFmPresetFile(settings);
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = file.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(file.substr(start, end - start));
    std::istringstream values(lines[static_cast<std::size_t>(record)]);
    std::vector<std::string> items;
    for (std::string item; values >> item;)
        items.push_back(item);
    items[static_cast<std::size_t>(value - 1)] = text;
    std::string line;
    for (const auto& item : items)
        line += " " + item + " ";
    lines[static_cast<std::size_t>(record)] = line;
    std::string out;
    for (const auto& l : lines)
        out += l + "\r\n";
    return out;
}

}  // namespace

class FmPresetFileTest : public QObject {
    Q_OBJECT

  private slots:
    void layout() {
        const std::string file = FormatFmPresetFile(
            Saved(DefaultFmPresets(), {"136.00000", "174.00000", "", "470.00000"}));
        QVERIFY(file.starts_with(" 12288 \r\n"));
        QCOMPARE(std::count(file.begin(), file.end(), '\n'), 18L);
        // Preset 1 as the radio stores it; the band record keeps the empty box as 255s.
        QVERIFY(file.find("\r\n 0  8  8  9  0  0  0  0  255  76  77  78  69  87  255  255 \r\n") !=
                std::string::npos);
        QVERIFY(
            file.ends_with(" 1  3  6  1  7  4  255  255  255  4  7  0  255  255  255  255 \r\n"));
    }

    // Whatever the grid and the boxes hold comes back exactly, names with blanks, empty
    // boxes and empty presets included.
    void roundTrip_data() {
        QTest::addColumn<int>("variant");
        QTest::newRow("default presets") << 0;
        QTest::newRow("every preset used, blanks in names") << 1;
        QTest::newRow("all empty, boxes empty (after Clear)") << 2;
    }
    void roundTrip() {
        QFETCH(int, variant);
        FmSettings settings{DefaultFmPresets(), {"136.00000", "174.00000", "66.00000", "88.00000"}};
        if (variant == 1) {
            const std::array<const char*, 4> names = {"A B", "BBC 1", "X", "R-1 !"};
            for (std::size_t n = 0; n < settings.presets.size(); ++n)
                settings.presets[n] = {n < 8 ? "87.50000" : "107.99999", names[n % names.size()]};
            settings.presets[15] = {"108.00000", "ZZZZZZ"};
            settings.bandSpare = {0, 1, 0x7F, 0xFE};
        } else if (variant == 2) {
            settings = FmSettings{};
        }
        const FmPresetFileParse parsed = ParseFmPresetFile(FormatFmPresetFile(settings));
        QVERIFY(std::holds_alternative<FmSettings>(parsed));
        const FmSettings& loaded = std::get<FmSettings>(parsed);
        for (std::size_t n = 0; n < settings.presets.size(); ++n) {
            QCOMPARE(QString::fromStdString(loaded.presets[n].frequency),
                     QString::fromStdString(settings.presets[n].frequency));
            QCOMPARE(QString::fromStdString(loaded.presets[n].name),
                     QString::fromStdString(settings.presets[n].name));
        }
        QVERIFY(loaded.bandBoxes == settings.bandBoxes);
        QVERIFY(loaded.bandSpare == settings.bandSpare);
    }

    // Every faulty file is refused with the place of its first fault.
    void refused_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("fault");
        QTest::addColumn<int>("record");
        QTest::addColumn<int>("value");
        const auto row = [](const char* name, const std::string& file, FmPresetFileFault fault,
                            int record, int value) {
            QTest::newRow(name) << QByteArray::fromStdString(file) << int(fault) << record << value;
        };
        row("empty", " \r\n ", FmPresetFileFault::NoCount, 0, 0);
        row("first line not a number", "FM\r\n", FmPresetFileFault::NotANumber, 0, 0);
        row("first line with decimals", "12288.0\r\n", FmPresetFileFault::HasDecimals, 0, 0);
        row("a channel file", " 16 \r\n 1  2 ", FmPresetFileFault::ChannelFile, 0, 0);
        row("another kind", " 11520 \r\n", FmPresetFileFault::UnknownKind, 0, 0);
        row("truncated", " 12288 \r\n 0  8  8 ", FmPresetFileFault::TooFewValues, 1, 4);
        std::string cut = " 12288 \r\n";
        for (int v = 0; v < 16 * 16; ++v)
            cut += " 0 ";
        row("band record cut", cut + " 1  3  6 ", FmPresetFileFault::TooFewValues, 17, 4);
        row("value above 255", FileWith(3, 9, "256"), FmPresetFileFault::ValueOutOfRange, 3, 9);
        row("negative value", FileWith(17, 16, "-1"), FmPresetFileFault::ValueOutOfRange, 17, 16);
        row("word in a record", FileWith(5, 2, "x"), FmPresetFileFault::NotANumber, 5, 2);
        row("decimals in a record", FileWith(5, 2, "1.5"), FmPresetFileFault::HasDecimals, 5, 2);
        row("frequency digit 10", FileWith(2, 3, "10"), FmPresetFileFault::NotADigit, 2, 3);
        row("frequency 50 MHz", FileWith(1, 2, "5"), FmPresetFileFault::FrequencyOutside, 1, 1);
        row("name byte 7", FileWith(1, 10, "7"), FmPresetFileFault::NotACharacter, 1, 10);
        row("band digit 12", FileWith(17, 5, "12"), FmPresetFileFault::NotADigit, 17, 5);
        row("half-empty band limit", FileWith(17, 1, "255"), FmPresetFileFault::NotADigit, 17, 1);
        row("something after the band record", FileWith(1, 1, "0") + " 7 \r\n",
            FmPresetFileFault::TooManyValues, 18, 1);
    }
    void refused() {
        QFETCH(QByteArray, file);
        QFETCH(int, fault);
        QFETCH(int, record);
        QFETCH(int, value);
        const FmPresetFileParse parsed = ParseFmPresetFile(file.toStdString());
        QVERIFY(std::holds_alternative<FmPresetFileError>(parsed));
        const auto& error = std::get<FmPresetFileError>(parsed);
        QCOMPARE(int(error.fault), fault);
        QCOMPARE(error.record, record);
        QCOMPARE(error.value, value);
        for (int language : {0, 1})
            QVERIFY(!FmPresetFileErrorText(error, language).empty());
    }

    // An empty preset's name bytes are not used, so whatever they hold is accepted.
    void emptyPresetNameIgnored() {
        const auto parsed = ParseFmPresetFile(FileWith(3, 12, "7"));
        QVERIFY(std::holds_alternative<FmSettings>(parsed));
        QCOMPARE(std::get<FmSettings>(parsed).presets[2], FmPresetRow{});
    }

    void messagesNameWhatTheFileIs() {
        const auto channels = ParseFmPresetFile(" 16 \r\n");
        QCOMPARE(FmPresetFileErrorText(std::get<FmPresetFileError>(channels), 0),
                 std::string("This is a channel file (16 channels), not an FM preset file. Open "
                             "it in the channel editor."));
        const auto truncated = ParseFmPresetFile(" 12288 \r\n 0  8  8 ");
        QCOMPARE(FmPresetFileErrorText(std::get<FmPresetFileError>(truncated), 0),
                 std::string("The FM preset file is incomplete: 269 values missing (preset 1, "
                             "value 4)."));
    }

    // The channel editor refuses a preset file with its own message, and still loads what
    // it always loaded.
    void channelEditorTellsPresetFilesApart() {
        const auto parsed = ParseChannelFile(FormatFmPresetFile({DefaultFmPresets(), {}}));
        QVERIFY(std::holds_alternative<ChannelFileError>(parsed));
        const auto& error = std::get<ChannelFileError>(parsed);
        QCOMPARE(int(error.fault), int(ChannelFileFault::FmPresetFile));
        QCOMPARE(ChannelFileErrorText(error, 0),
                 std::string("This is an FM preset file, not a channel file; it cannot be "
                             "loaded as channels."));
        std::string channels = " 1 \r\n";
        for (int v = 0; v < 22; ++v)
            channels += " 0 ";
        QVERIFY(std::holds_alternative<ChannelFileContents>(ParseChannelFile(channels)));
        QCOMPARE(int(std::get<ChannelFileError>(ParseChannelFile(" 261 ")).fault),
                 int(ChannelFileFault::CountOutOfRange));
    }
};

QTEST_APPLESS_MAIN(FmPresetFileTest)
#include "tst_fm_preset_file.moc"
