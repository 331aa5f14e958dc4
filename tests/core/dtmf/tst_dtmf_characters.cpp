#include <QtTest>

#include <optional>

#include "core/dtmf/DtmfBlock.h"
#include "core/dtmf/TextCharacters.h"

using namespace orvex;

namespace {

// The character of each code from 0x00 to 0x10, '\0' where the code has none (0x0A). Every
// code above 0x10 has none either.
constexpr char kCharacterOf[] = {'0', '1',  '2', '3', '4', '5', '6', '7', '8',
                                 '9', '\0', '*', '#', 'A', 'B', 'C', 'D'};

QList<uint> ToList(const std::vector<char32_t>& characters) {
    return QList<uint>(characters.begin(), characters.end());
}

}  // namespace

class DtmfCharactersTest : public QObject {
    Q_OBJECT

  private slots:
    void everyByteDecodes_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("character");  // 0 for none
        for (int code = 0; code <= 0xFF; ++code) {
            const int character =
                code < static_cast<int>(sizeof kCharacterOf) ? kCharacterOf[code] : 0;
            QTest::addRow("0x%02X", code) << code << character;
        }
    }
    void everyByteDecodes() {
        QFETCH(int, code);
        QFETCH(int, character);
        const std::optional<char> decoded = DtmfCharacter(static_cast<std::uint8_t>(code));
        if (character == 0) {
            QVERIFY2(!decoded, decoded ? std::string(1, *decoded).c_str() : "");
            return;
        }
        QVERIFY(decoded);
        QCOMPARE(int{*decoded}, character);
        QCOMPARE(int{DtmfCharacterCode(static_cast<char32_t>(*decoded))}, code);
    }

    void charactersEncode_data() {
        QTest::addColumn<uint>("character");
        QTest::addColumn<int>("code");
        QTest::newRow("0") << uint{U'0'} << 0x00;
        QTest::newRow("1") << uint{U'1'} << 0x01;
        QTest::newRow("5") << uint{U'5'} << 0x05;
        QTest::newRow("9") << uint{U'9'} << 0x09;
        QTest::newRow("*") << uint{U'*'} << 0x0B;
        QTest::newRow("#") << uint{U'#'} << 0x0C;
        QTest::newRow("A") << uint{U'A'} << 0x0D;
        QTest::newRow("B") << uint{U'B'} << 0x0E;
        QTest::newRow("C") << uint{U'C'} << 0x0F;
        QTest::newRow("D") << uint{U'D'} << 0x10;

        QTest::newRow("lower-case a") << uint{U'a'} << 0xFF;
        QTest::newRow("lower-case d") << uint{U'd'} << 0xFF;
        QTest::newRow("E") << uint{U'E'} << 0xFF;
        QTest::newRow("blank") << uint{U' '} << 0xFF;
        QTest::newRow("plus") << uint{U'+'} << 0xFF;
        QTest::newRow("NUL") << uint{0x00} << 0xFF;
        QTest::newRow("control 0x0A") << uint{0x0A} << 0xFF;
        QTest::newRow("control 0x0B") << uint{0x0B} << 0xFF;
        QTest::newRow("full-width 0") << uint{U'\uFF10'} << 0xFF;
        QTest::newRow("full-width A") << uint{U'\uFF21'} << 0xFF;
        QTest::newRow("Chinese") << uint{U'\u7801'} << 0xFF;
        // Characters whose low byte is a DTMF character.
        QTest::newRow("U+0130, low byte '0'") << uint{0x0130} << 0xFF;
        QTest::newRow("U+0141, low byte 'A'") << uint{0x0141} << 0xFF;
        QTest::newRow("U+012A, low byte '*'") << uint{0x012A} << 0xFF;
        QTest::newRow("emoji") << uint{0x1F600} << 0xFF;
        QTest::newRow("broken byte") << uint{kBrokenCharacter} << 0xFF;
    }
    void charactersEncode() {
        QFETCH(uint, character);
        QFETCH(int, code);
        QCOMPARE(int{DtmfCharacterCode(static_cast<char32_t>(character))}, code);
    }

    void textSplitsIntoCharacters_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QList<uint>>("characters");
        const uint broken = kBrokenCharacter;
        QTest::newRow("empty") << QByteArray() << QList<uint>{};
        QTest::newRow("ASCII") << QByteArray("1A#") << QList<uint>{'1', 'A', '#'};
        QTest::newRow("two bytes") << QByteArray("\xC3\xA9") << QList<uint>{0xE9};
        QTest::newRow("three bytes") << QByteArray("\xE7\xA0\x81") << QList<uint>{0x7801};
        QTest::newRow("four bytes") << QByteArray("\xF0\x9F\x98\x80") << QList<uint>{0x1F600};
        QTest::newRow("mixed") << QByteArray(
                                      "1\xE7\xA0\x81"
                                      "2")
                               << QList<uint>{'1', 0x7801, '2'};
        QTest::newRow("lone continuation byte") << QByteArray("\x80") << QList<uint>{broken};
        QTest::newRow("0xFF") << QByteArray(
                                     "1\xFF"
                                     "2")
                              << QList<uint>{'1', broken, '2'};
        QTest::newRow("cut short at the end")
            << QByteArray("1\xE7\xA0") << QList<uint>{'1', broken, broken};
        QTest::newRow("cut short before ASCII") << QByteArray(
                                                       "\xE7"
                                                       "A")
                                                << QList<uint>{broken, 'A'};
        QTest::newRow("overlong") << QByteArray("\xC0\x80") << QList<uint>{broken, broken};
        QTest::newRow("overlong three bytes")
            << QByteArray("\xE0\x80\xB0") << QList<uint>{broken, broken, broken};
        QTest::newRow("surrogate")
            << QByteArray("\xED\xA0\x80") << QList<uint>{broken, broken, broken};
        QTest::newRow("above U+10FFFF")
            << QByteArray("\xF4\x90\x80\x80") << QList<uint>{broken, broken, broken, broken};
        QTest::newRow("highest") << QByteArray("\xF4\x8F\xBF\xBF") << QList<uint>{0x10FFFF};
    }
    void textSplitsIntoCharacters() {
        QFETCH(QByteArray, text);
        QFETCH(QList<uint>, characters);
        const std::string_view view(text.constData(), static_cast<std::size_t>(text.size()));
        QCOMPARE(ToList(TextCharacters(view)), characters);
    }

    // A sequence that the end of the text cuts short is not completed from the bytes after it.
    void endOfTextEndsASequence_data() {
        QTest::addColumn<QByteArray>("buffer");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("characters");
        QTest::newRow("three-byte character, two in the text")
            << QByteArray("\xE7\xA0\x81") << 2 << 2;
        QTest::newRow("four-byte character, three in the text")
            << QByteArray("\xF0\x9F\x98\x80") << 3 << 3;
        QTest::newRow("two-byte character, one in the text") << QByteArray("\xC3\xA9") << 1 << 1;
    }
    void endOfTextEndsASequence() {
        QFETCH(QByteArray, buffer);
        QFETCH(int, length);
        QFETCH(int, characters);
        const std::vector<char32_t> split =
            TextCharacters(std::string_view(buffer.constData(), static_cast<std::size_t>(length)));
        QCOMPARE(static_cast<int>(split.size()), characters);
        for (const char32_t c : split)
            QCOMPARE(uint{c}, uint{kBrokenCharacter});
    }
};

QTEST_APPLESS_MAIN(DtmfCharactersTest)
#include "tst_dtmf_characters.moc"
