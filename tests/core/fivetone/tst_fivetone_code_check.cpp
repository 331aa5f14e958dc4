#include <QtTest>

#include <string_view>

#include "core/fivetone/FiveToneCodeCheck.h"

using namespace orvex;

Q_DECLARE_METATYPE(orvex::CodeLeave)

namespace {

std::string_view View(const QByteArray& text) {
    return {text.constData(), static_cast<std::size_t>(text.size())};
}

}  // namespace

class FiveToneCodeCheckTest : public QObject {
    Q_OBJECT

  private slots:
    void checksWhileTyping_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("tooLong");
        QTest::addColumn<int>("badDigits");
        const auto row = [](const char* text, bool tooLong, int badDigits) {
            QTest::addRow("\"%s\"", text) << QByteArray(text) << tooLong << badDigits;
        };
        row("", false, 0);
        row("1234", false, 0);  // too short is only refused on leaving
        row("12345", false, 0);
        row("ABCDF", false, 0);
        row("12c45", false, 1);  // capitals only
        row("12 45", false, 1);  // the space inside counts
        row(" 1234", false, 0);  // trimmed: four characters tested
        row("xyzuv", false, 5);  // one message per bad character
        row("G2345", false, 1);
        row("123456", true, 0);
        row("12345678", true, 0);
        row("12中45", false, 1);  // one character, not three bytes
        row("中文中文中", false, 5);
        row("中文中文中文", true, 0);
    }
    void checksWhileTyping() {
        QFETCH(QByteArray, text);
        QFETCH(bool, tooLong);
        QFETCH(int, badDigits);
        const CodeBoxCheck check = CheckCodeBox(View(text));
        QCOMPARE(check.tooLong, tooLong);
        QCOMPARE(check.badDigits, badDigits);
    }

    void leaving_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<CodeLeave>("leave");
        const auto row = [](const char* text, CodeLeave leave) {
            QTest::addRow("\"%s\"", text) << QByteArray(text) << leave;
        };
        row("12345", CodeLeave::Store);
        row(" 12345 ", CodeLeave::Store);
        row("12c45", CodeLeave::Store);
        row("", CodeLeave::KeepCell);
        row("   ", CodeLeave::KeepCell);
        row("1", CodeLeave::Refuse);
        row("1234", CodeLeave::Refuse);
        row("123456", CodeLeave::Refuse);
        row("12 4", CodeLeave::Refuse);
        row("中文中文中", CodeLeave::Store);
    }
    void leaving() {
        QFETCH(QByteArray, text);
        QFETCH(CodeLeave, leave);
        QCOMPARE(LeaveCodeBox(View(text)), leave);
    }
};

QTEST_APPLESS_MAIN(FiveToneCodeCheckTest)
#include "tst_fivetone_code_check.moc"
