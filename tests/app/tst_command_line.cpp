#include <QtTest>

#include "app/CommandLine.h"

using namespace orvex;

class CommandLineTest : public QObject {
    Q_OBJECT

    static ParsedCommandLine Parse(QStringList arguments) {
        arguments.prepend("orvex-cps");
        return ParseCommandLine(arguments);
    }

  private slots:
    void withoutOptionsNothingIsAdded() {
        const auto parsed = Parse({});
        QVERIFY(parsed.options);
        QVERIFY(parsed.options->ports.empty());
        QVERIFY(!parsed.options->virtualRadio);
    }

    void portsInTheOrderGiven() {
        const auto parsed = Parse({"--port", "/dev/ttyUSB1", "--port", "/dev/pts/4"});
        QVERIFY(parsed.options);
        QCOMPARE(parsed.options->ports, (std::vector<std::string>{"/dev/ttyUSB1", "/dev/pts/4"}));
    }

    void virtualRadioAndItsBand() {
        auto parsed = Parse({"--virtual-radio"});
        QVERIFY(parsed.options->virtualRadio);
        QCOMPARE(parsed.options->virtualBandLow, 400);
        QCOMPARE(parsed.options->virtualBandHigh, 470);
        parsed = Parse({"--virtual-radio", "--virtual-radio-band", "136-174"});
        QCOMPARE(parsed.options->virtualBandLow, 136);
        QCOMPARE(parsed.options->virtualBandHigh, 174);
    }

    void mistakesAreExplained_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("fragment");
        QTest::newRow("unknown option") << QStringList{"--prot", "x"} << "prot";
        QTest::newRow("port without device") << QStringList{"--port"} << "port";
        QTest::newRow("band not a range")
            << QStringList{"--virtual-radio-band", "abc"} << "LOW-HIGH";
        QTest::newRow("band upside down")
            << QStringList{"--virtual-radio-band", "174-136"} << "LOW-HIGH";
    }
    void mistakesAreExplained() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, fragment);
        const auto parsed = Parse(arguments);
        QVERIFY(!parsed.options);
        QVERIFY(!parsed.helpShown);
        QVERIFY2(parsed.error.contains(fragment), qPrintable(parsed.error));
    }

    void toolkitOptionsAreLeftToTheToolkit() {
        const auto parsed = Parse({"-platform", "offscreen", "-reverse", "--virtual-radio"});
        QVERIFY(parsed.options);
        QVERIFY(parsed.options->virtualRadio);
    }

    void help() {
        const auto parsed = Parse({"--help"});
        QVERIFY(parsed.helpShown);
        QVERIFY(parsed.error.contains("--virtual-radio"));
        QVERIFY(!parsed.error.contains("platformtheme"));
    }
};

QTEST_APPLESS_MAIN(CommandLineTest)
#include "tst_command_line.moc"
