#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <memory>

#include "core/fivetone/FiveToneImage.h"
#include "core/image/RadioImage.h"
#include "e2e/PtyLink.h"
#include "platform/sim/PtyRadioHost.h"

using namespace orvex;
using namespace orvex::test;

namespace {

constexpr int kCliPatienceMs = 90'000;

struct CliRun {
    int exitCode = -1;
    QString out;
    QString err;
};

// Starts orvex-cli; the radios are served by this test's event loop while it runs.
std::unique_ptr<QProcess> StartCli(const QStringList& arguments) {
    auto process = std::make_unique<QProcess>();
    process->start(ORVEX_CLI_PATH, arguments);
    return process;
}

CliRun Finish(QProcess& process) {
    CliRun run;
    if (!ServeUntil([&] { return process.state() == QProcess::NotRunning; }, kCliPatienceMs)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

CliRun RunCli(const QStringList& arguments) {
    auto process = StartCli(arguments);
    return Finish(*process);
}

std::unique_ptr<PtyRadioHost> StartRadio(int low = 400, int high = 470) {
    RadioConfig config;
    config.bandLowMHz = low;
    config.bandHighMHz = high;
    auto host = std::make_unique<PtyRadioHost>(config);
    if (!host->start()) return nullptr;
    return host;
}

void FillKnown(SimulatedRadio& radio) {
    for (std::size_t a = 0; a < radio.memory().size(); ++a)
        radio.memory()[a] = static_cast<std::uint8_t>((a * 13 + a / 256) & 0xFF);
}

bool WroteAnything(const SimulatedRadio& radio) {
    const auto bytes = Wire(radio, WireDirection::ToRadio);
    for (std::size_t i = 0; i + 1 < bytes.size(); ++i)
        if (bytes[i] == 0x06 && bytes[i + 1] == 0x58) return true;
    return false;
}

std::optional<RadioImage> Load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray text = file.readAll();
    auto parsed = ParseRadioImage(std::string_view(text.constData(), size_t(text.size())));
    if (!std::holds_alternative<RadioImage>(parsed)) return std::nullopt;
    return std::get<RadioImage>(parsed);
}

void Save(const QString& path, const QByteArray& text) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
}

}  // namespace

// orvex-cli as a user runs it, against simulated radios on pseudo-terminals in real time.
class CliEndToEndTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString path(const QString& name) const { return dir.filePath(name); }

  private slots:
    void readKnownRadioAndWriteItToABlankOne() {
        auto source = StartRadio();
        auto target = StartRadio();
        QVERIFY(source && target);
        FillKnown(source->radio());
        const QString image = path("known.orvex");

        const CliRun read =
            RunCli({"read", "--port", source->devicePath(), "--output", image, "--json"});
        QCOMPARE(read.exitCode, 0);
        QVERIFY2(read.out.contains("\"result\": \"succeeded\""), qPrintable(read.out));
        QVERIFY(read.err.contains("fm read (6/6)"));
        const auto loaded = Load(image);
        QVERIFY(loaded.has_value());
        QCOMPARE(loaded->bandLowerMHz, 400);
        QCOMPARE(loaded->familyByte, std::uint8_t(0xA0));
        for (RadioArea area : kRadioAreas)
            QCOMPARE(loaded->areas.at(area), ExtractArea(source->radio().memory(), area));

        const CliRun write = RunCli({"write", "--port", target->devicePath(), image, "--verify"});
        QVERIFY2(write.exitCode == 0, qPrintable(write.err));
        QVERIFY(write.out.contains("written and verified"));
        const auto& from = source->radio().memory();
        const auto& to = target->radio().memory();
        for (RadioArea area : kRadioAreas)
            QCOMPARE(ExtractArea(to, area), ExtractArea(from, area));
        FiveToneReadImage fiveTone{};
        std::copy_n(from.begin() + 0x2400, fiveTone.size(), fiveTone.begin());
        const FiveToneImage planes = FiveToneWriteImage(fiveTone);
        QVERIFY(std::equal(to.begin() + 0x2000, to.begin() + 0x2400, planes.begin()));

        const CliRun verify = RunCli({"verify", "--port", target->devicePath(), image});
        QCOMPARE(verify.exitCode, 0);
    }

    void verifyNamesTheAddressesARadioGotWrong() {
        auto radio = StartRadio();
        QVERIFY(radio);
        FillKnown(radio->radio());
        const QString image = path("options.orvex");
        QCOMPARE(
            RunCli({"read", "--port", radio->devicePath(), "--output", image, "--areas", "options"})
                .exitCode,
            0);

        radio->radio().faults().wrongByteAt = 0x0233;
        const CliRun write = RunCli(
            {"write", "--port", radio->devicePath(), image, "--verify", "--areas", "options"});
        QCOMPARE(write.exitCode, 2);
        const auto loaded = Load(image);
        QVERIFY(loaded.has_value());
        const int stored = loaded->areas.at(RadioArea::options)[0x13];
        const auto hex = [](int v) { return QString("%1").arg(v, 2, 16, QChar('0')).toUpper(); };
        const QString expected = "0233: image " + hex(stored) + ", radio " + hex(stored ^ 0xFF);
        QVERIFY2(write.out.contains(expected), qPrintable(write.out + " / " + expected));
        QCOMPARE(write.out.count('\n'), 1);  // the one difference
        QVERIFY2(write.err.contains("did not verify (1 bytes differ)"), qPrintable(write.err));

        radio->radio().faults().wrongByteAt.reset();
        radio->radio().memory()[0x0250] ^= 0x5A;
        const CliRun verify = RunCli({"verify", "--port", radio->devicePath(), image});
        QCOMPARE(verify.exitCode, 2);
        QVERIFY(verify.out.contains("0250: image "));
        QVERIFY(verify.out.contains("0233: image "));
    }

    void aDroppedWriteFailsAndShowsWhatIsMissing() {
        auto radio = StartRadio();
        QVERIFY(radio);
        FillKnown(radio->radio());
        const QString image = path("options2.orvex");
        QCOMPARE(
            RunCli({"read", "--port", radio->devicePath(), "--output", image, "--areas", "options"})
                .exitCode,
            0);
        std::fill(radio->radio().memory().begin() + 0x0220,
                  radio->radio().memory().begin() + 0x0260, 0xFF);
        // Frame 2 of every attempt is stored but never acknowledged: frames 3 and 4 never go.
        radio->radio().faults().withholdAckOfWriteFrame = 2;
        radio->radio().faults().withholdAckEveryTime = true;
        const CliRun write = RunCli(
            {"write", "--port", radio->devicePath(), image, "--verify", "--areas", "options"});
        QCOMPARE(write.exitCode, 2);
        QVERIFY2(write.err.contains("did not answer (options)"), qPrintable(write.err));
        QVERIFY(write.err.contains("areas written: none"));
        QVERIFY(write.out.contains("0240: image "));
        QVERIFY(!write.out.contains("0230: image "));
    }

    void cloneGoesOnPastASilentRadio() {
        auto source = StartRadio();
        QVERIFY(source);
        FillKnown(source->radio());
        const QString image = path("clone.orvex");
        QCOMPARE(RunCli({"read", "--port", source->devicePath(), "--output", image, "--areas",
                         "options,dtmf"})
                     .exitCode,
                 0);
        std::vector<std::unique_ptr<PtyRadioHost>> radios;
        for (int i = 0; i < 3; ++i) {
            radios.push_back(StartRadio());
            QVERIFY(radios.back());
        }
        radios[1]->radio().faults().silent = true;
        const CliRun clone = RunCli({"clone", image, "--port", radios[0]->devicePath(), "--port",
                                     radios[1]->devicePath(), "--port", radios[2]->devicePath(),
                                     "--verify", "--areas", "options,dtmf"});
        QCOMPARE(clone.exitCode, 2);
        const QStringList lines = clone.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 3);
        QVERIFY(lines[0].startsWith(radios[0]->devicePath()));
        QVERIFY(lines[0].contains("written and verified"));
        QVERIFY(lines[1].contains("did not answer"));
        QVERIFY(lines[1].contains("unknown band"));
        QVERIFY(lines[2].contains("written and verified"));
        QVERIFY2(clone.err.contains("clone: 1 of 3 radios failed: " + radios[1]->devicePath() +
                                    " (did not answer"),
                 qPrintable(clone.err));
        for (int r : {0, 2})
            for (RadioArea area : {RadioArea::options, RadioArea::dtmf})
                QCOMPARE(ExtractArea(radios[size_t(r)]->radio().memory(), area),
                         ExtractArea(source->radio().memory(), area));
    }

    void bandMismatchIsRefusedWithoutAByteWritten() {
        auto radio = StartRadio(136, 174);
        QVERIFY(radio);
        const QString image = path("uhf.orvex");
        RadioImage uhf;
        uhf.bandLowerMHz = 400;
        uhf.bandUpperMHz = 470;
        uhf.familyByte = 0xA0;
        uhf.programVersion = "test";
        uhf.time = "2026-12-10T00:00:00Z";
        uhf.areas[RadioArea::options] = std::vector<std::uint8_t>(64, 0x01);
        const std::string text = FormatRadioImage(uhf);
        Save(image, QByteArray::fromStdString(text));
        const auto before = radio->radio().memory();
        const CliRun write =
            RunCli({"write", "--port", radio->devicePath(), image, "--areas", "options"});
        QCOMPARE(write.exitCode, 3);
        QVERIFY2(write.err.contains("136-174"), qPrintable(write.err));
        QVERIFY(write.err.contains("nothing written"));
        QVERIFY(!WroteAnything(radio->radio()));
        QVERIFY(radio->radio().memory() == before);
    }

    void badImageFilesAreRefusedWithTheirLine_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("says");
        const QByteArray header =
            "orvex-radio-image 1\nband-lower = 400\nband-upper = 470\nfamily = A0\n"
            "program-version = t\ntime = 2026-12-10T00:00:00Z\n";
        const QByteArray line = " 00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F\n";
        const QByteArray options =
            "[options]\n0220:" + line + "0230:" + line + "0240:" + line + "0250:" + line;
        QTest::newRow("unknown version") << QByteArray("orvex-radio-image 7\n") << "Line 1";
        QTest::newRow("missing field")
            << QByteArray("orvex-radio-image 1\nband-lower = 400\n[options]\n") << "Line 3";
        QTest::newRow("truncated line") << header + "[options]\n0220: 00 01 02\n"
                                        << "Line 8";
        QTest::newRow("value above FF")
            << header + "[options]\n0220: 00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 100\n"
            << "Line 8";
        QTest::newRow("bad address") << header + "[options]\n02Z0:" + line << "Line 8";
        QTest::newRow("duplicated area") << header + options + options << "Line 12";
        QTest::newRow("no area at all") << header << "Line 6";
        QTest::newRow("an area asked for is missing") << header + options << "no dtmf area";
    }
    void badImageFilesAreRefusedWithTheirLine() {
        QFETCH(QByteArray, text);
        QFETCH(QString, says);
        auto radio = StartRadio();
        QVERIFY(radio);
        const QString image = path("bad.orvex");
        Save(image, text);
        const CliRun write =
            RunCli({"write", "--port", radio->devicePath(), image, "--areas", "options,dtmf"});
        QCOMPARE(write.exitCode, 1);
        QVERIFY2(write.err.contains(says), qPrintable(write.err));
        QCOMPARE(write.err.count('\n'), 1);
        QVERIFY(radio->radio().transcript().empty());
    }

    void ctrlCEndsAWriteCleanly() {
        auto radio = StartRadio();
        QVERIFY(radio);
        FillKnown(radio->radio());
        const QString image = path("all.orvex");
        QCOMPARE(RunCli({"read", "--port", radio->devicePath(), "--output", image, "--areas",
                         "channels,twotone"})
                     .exitCode,
                 0);
        auto process = StartCli(
            {"write", "--port", radio->devicePath(), image, "--areas", "channels,twotone"});
        QString progress;
        QVERIFY(ServeUntil(
            [&] {
                progress += QString::fromUtf8(process->readAllStandardError());
                return progress.contains("channels written");
            },
            kCliPatienceMs));
        ::kill(static_cast<pid_t>(process->processId()), SIGINT);
        const CliRun run = Finish(*process);
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains("interrupted"), qPrintable(run.err));
        QVERIFY(run.err.contains("areas written: channels"));
        // The port was closed: another program can open it at once.
        QCOMPARE(RunCli({"identify", "--port", radio->devicePath()}).exitCode, 0);
    }

    void identifyWithoutARadio() {
        const CliRun run = RunCli({"identify", "--port", path("no-such-device")});
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.err.contains("did not open"));
        QCOMPARE(run.err.count('\n'), 1);
    }
};

QTEST_GUILESS_MAIN(CliEndToEndTest)
#include "tst_cli_e2e.moc"
