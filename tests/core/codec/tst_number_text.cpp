#include <QtTest>

#include "core/codec/NumberText.h"

using namespace orvex;

class NumberTextTest : public QObject {
    Q_OBJECT

  private slots:
    void plainDecimal_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("whole") << 140.0 << "140";
        QTest::newRow("fraction") << 88.5 << "88.5";
        QTest::newRow("sum of digits")
            << (100.0 * 1 + 10.0 * 4 + 5 + 0.1 * 1 + 0.01 * 2 + 0.001 * 5) << "145.125";
        QTest::newRow("below one") << 0.25 << "0.25";
        QTest::newRow("tiny, no exponent") << 0.00001 << "0.00001";
        QTest::newRow("large, no exponent") << 1e16 << "10000000000000000";
        QTest::newRow("negative") << -12.5 << "-12.5";
        QTest::newRow("15 digits") << 1.0 / 3.0 << "0.333333333333333";
    }
    void plainDecimal() {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(PlainDecimal(value)), text);
    }

    void signedDecimalPrefixesABlank() {
        QCOMPARE(SignedDecimal(400), std::string(" 400"));
        QCOMPARE(SignedDecimal(-3), std::string("-3"));
    }

    void leadingNumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("plain") << "146.52" << 146.52;
        QTest::newRow("blanks") << "  12  " << 12.0;
        QTest::newRow("trailing letters") << "146.52abc" << 146.52;
        QTest::newRow("word") << "OFF" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("sign") << "-3" << -3.0;
        QTest::newRow("plus") << "+7.5" << 7.5;
    }
    void leadingNumber() {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(LeadingNumber(text.toStdString()), value);
    }

    void parseDecimal_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<double>("value");
        QTest::newRow("plain") << "145.5" << true << 145.5;
        QTest::newRow("no point") << "145" << true << 145.0;
        QTest::newRow("trailing point") << "145." << true << 145.0;
        QTest::newRow("leading point") << ".5" << true << 0.5;
        QTest::newRow("blanks around") << " 145.5 " << true << 145.5;
        QTest::newRow("letters") << "abc" << false << 0.0;
        QTest::newRow("number then letters") << "145.5x" << false << 0.0;
        QTest::newRow("two points") << "1.4.5" << false << 0.0;
        QTest::newRow("point only") << "." << false << 0.0;
        QTest::newRow("empty") << "" << false << 0.0;
        QTest::newRow("inner blank") << "14 5" << false << 0.0;
    }
    void parseDecimal() {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(double, value);
        const auto parsed = ParseDecimal(text.toStdString());
        QCOMPARE(parsed.has_value(), valid);
        if (valid) QCOMPARE(*parsed, value);
    }

    void parsingIgnoresTheLocale() {
        const char* old = std::setlocale(LC_NUMERIC, nullptr);
        const std::string saved = old ? old : "C";
        if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) QSKIP("no German locale here");
        QCOMPARE(LeadingNumber("146.52"), 146.52);
        QCOMPARE(PlainDecimal(88.5), std::string("88.5"));
        std::setlocale(LC_NUMERIC, saved.c_str());
    }
};

QTEST_APPLESS_MAIN(NumberTextTest)
#include "tst_number_text.moc"
