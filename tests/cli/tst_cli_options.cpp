#include <QtTest>

#include "cli/CliOptions.h"

using namespace orvex;

// The command line: every command's required parts, and every misuse refused with a line.
class CliOptionsTest : public QObject {
    Q_OBJECT

  private slots:
    void acceptsEachCommand_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("command");
        QTest::addColumn<QStringList>("ports");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("areas");
        QTest::newRow("identify") << "identify --port /dev/ttyUSB0" << int(CliCommand::Identify)
                                  << QStringList{"/dev/ttyUSB0"} << QStringList{}
                                  << "channels,dtmf,options,fivetone,twotone,fm";
        QTest::newRow("read, areas reordered")
            << "read --port P --output out.orvex --areas fm,channels" << int(CliCommand::Read)
            << QStringList{"P"} << QStringList{} << "channels,fm";
        QTest::newRow("write, options after the file")
            << "write --port P a.orvex --verify --force" << int(CliCommand::Write)
            << QStringList{"P"} << QStringList{"a.orvex"}
            << "channels,dtmf,options,fivetone,twotone,fm";
        QTest::newRow("clone, three ports")
            << "clone a.orvex --port A --port B --port C --json" << int(CliCommand::Clone)
            << QStringList{"A", "B", "C"} << QStringList{"a.orvex"}
            << "channels,dtmf,options,fivetone,twotone,fm";
        QTest::newRow("virtual radio instead of a port")
            << "verify --virtual-radio a.orvex --areas twotone" << int(CliCommand::Verify)
            << QStringList{} << QStringList{"a.orvex"} << "twotone";
        QTest::newRow("show") << "show a.orvex" << int(CliCommand::Show) << QStringList{}
                              << QStringList{"a.orvex"}
                              << "channels,dtmf,options,fivetone,twotone,fm";
        QTest::newRow("diff") << "diff a b" << int(CliCommand::Diff) << QStringList{}
                              << QStringList{"a", "b"}
                              << "channels,dtmf,options,fivetone,twotone,fm";
    }
    void acceptsEachCommand() {
        QFETCH(QString, line);
        QFETCH(int, command);
        QFETCH(QStringList, ports);
        QFETCH(QStringList, files);
        QFETCH(QString, areas);
        const ParsedCliOptions parsed =
            ParseCliOptions(QStringList{"orvex-cli"} + line.split(' ', Qt::SkipEmptyParts));
        QVERIFY2(parsed.options.has_value(), qPrintable(parsed.text));
        QCOMPARE(int(parsed.options->command), command);
        QCOMPARE(parsed.options->ports, ports);
        QCOMPARE(parsed.options->files, files);
        QStringList names;
        for (RadioArea a : parsed.options->areas)
            names << QString::fromLatin1(AreaName(a).data(), int(AreaName(a).size()));
        QCOMPARE(names.join(','), areas);
    }

    void refusesMisuseWithOneLine_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("says");
        QTest::newRow("nothing") << ""
                                 << "No command";
        QTest::newRow("unknown command") << "flash --port P"
                                         << "Unknown command";
        QTest::newRow("unknown option") << "read --port P --output f --fast"
                                        << "fast";
        QTest::newRow("no port") << "identify"
                                 << "needs --port";
        QTest::newRow("two ports for write") << "write --port A --port B f"
                                             << "one radio";
        QTest::newRow("read without output") << "read --port P"
                                             << "--output";
        QTest::newRow("write without file") << "write --port P"
                                            << "one image file";
        QTest::newRow("diff with one file") << "diff a"
                                            << "two image files";
        QTest::newRow("show with a port") << "show a --port P"
                                          << "no radio";
        QTest::newRow("verify flag on read") << "read --port P --output f --verify"
                                             << "--verify";
        QTest::newRow("unknown area") << "read --port P --output f --areas chan"
                                      << "--areas";
        QTest::newRow("area twice") << "read --port P --output f --areas fm,fm"
                                    << "--areas";
        QTest::newRow("empty area list") << "read --port P --output f --areas ,"
                                         << "--areas";
        QTest::newRow("areas on identify") << "identify --port P --areas fm"
                                           << "--areas";
        QTest::newRow("bad band") << "identify --virtual-radio --virtual-radio-band 470-400"
                                  << "LOW-HIGH";
        QTest::newRow("one port twice") << "clone f --port A --port B --port A"
                                        << "twice";
        QTest::newRow("output on write") << "write --port P f --output g"
                                         << "--output";
    }
    void refusesMisuseWithOneLine() {
        QFETCH(QString, line);
        QFETCH(QString, says);
        const ParsedCliOptions parsed =
            ParseCliOptions(QStringList{"orvex-cli"} + line.split(' ', Qt::SkipEmptyParts));
        QVERIFY(!parsed.options.has_value());
        QVERIFY(!parsed.informational);
        QVERIFY2(parsed.text.contains(says), qPrintable(parsed.text));
        QVERIFY(!parsed.text.contains('\n'));
    }

    void helpAndVersionAreInformation() {
        const ParsedCliOptions help = ParseCliOptions({"orvex-cli", "--help"});
        QVERIFY(help.informational);
        for (const char* command : {"identify", "read", "write", "verify", "clone", "show", "diff"})
            QVERIFY(help.text.contains(command));
        const ParsedCliOptions version = ParseCliOptions({"orvex-cli", "--version"});
        QVERIFY(version.informational);
        QVERIFY(version.text.startsWith("orvex-cli "));
    }
};

QTEST_APPLESS_MAIN(CliOptionsTest)
#include "tst_cli_options.moc"
