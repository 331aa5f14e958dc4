#include <QtTest>

#include <memory>

#include "core/fivetone/FiveToneImage.h"
#include "core/sim/SimulatedPorts.h"
#include "core/sim/SimulatedRadio.h"
#include "core/sim/VirtualClock.h"
#include "core/wholeradio/RadioSession.h"

using namespace orvex;

Q_DECLARE_METATYPE(orvex::RadioArea)

namespace {

constexpr std::uint16_t kFiveTonePlanes = 0x2000;
constexpr std::uint16_t kFiveToneArea = 0x2400;

std::vector<RadioArea> AllAreas() {
    return {kRadioAreas.begin(), kRadioAreas.end()};
}

// A memory in which every byte tells its address.
void FillKnown(SimulatedRadio& radio, int seed) {
    for (std::size_t a = 0; a < radio.memory().size(); ++a)
        radio.memory()[a] =
            static_cast<std::uint8_t>((a * 7 + a / 256 + static_cast<std::size_t>(seed)) & 0xFF);
}

RadioImage ImageOf(const SimulatedRadio& radio, const std::vector<RadioArea>& areas) {
    RadioImage image;
    image.bandLowerMHz = radio.config().bandLowMHz;
    image.bandUpperMHz = radio.config().bandHighMHz;
    image.familyByte = radio.config().familyByte;
    image.programVersion = "test";
    image.time = "2026-12-10T00:00:00Z";
    for (RadioArea area : areas)
        image.areas[area] = ExtractArea(radio.memory(), area);
    return image;
}

SessionTask Task(SessionTask::Kind kind, std::vector<RadioArea> areas, RadioImage image,
                 bool verifyAfterWrite, bool force) {
    SessionTask task;
    task.kind = kind;
    task.areas = std::move(areas);
    task.image = std::move(image);
    task.verifyAfterWrite = verifyAfterWrite;
    task.force = force;
    return task;
}

bool WroteAnything(const SimulatedRadio& radio) {
    const auto& t = radio.transcript();
    for (std::size_t i = 0; i + 1 < t.size(); ++i)
        if (t[i].direction == WireDirection::ToRadio && t[i].value == 0x06 &&
            t[i + 1].value == 0x58)
            return true;
    return false;
}

// Radios on COM1 to COM3 of one simulated machine, all on one virtual clock.
struct Bench {
    Bench() {
        for (int i = 0; i < 3; ++i) {
            radios.push_back(std::make_unique<SimulatedRadio>(clock));
            ports.attach(i + 1, *radios.back());
        }
    }

    std::unique_ptr<RadioSession> session(SessionTask task, int com) {
        return std::make_unique<RadioSession>(std::move(task), com, clock, ports.factory());
    }

    bool runAll(const std::vector<RadioSession*>& sessions) {
        for (RadioSession* s : sessions)
            s->start();
        return clock.runUntil(
            [&] {
                for (RadioSession* s : sessions)
                    if (!s->finished()) return false;
                return true;
            },
            Micros(600'000'000));
    }
    bool run(RadioSession& s) { return runAll({&s}); }

    VirtualClock clock;
    std::vector<std::unique_ptr<SimulatedRadio>> radios;
    SimulatedPorts ports;
};

}  // namespace

// A whole radio through the editors' plans, one area after another, on the virtual clock.
class RadioSessionTest : public QObject {
    Q_OBJECT

  private slots:
    void readBringsEveryAreaAsTheRadioHoldsIt() {
        Bench bench;
        FillKnown(*bench.radios[0], 0);
        auto session =
            bench.session(Task(SessionTask::Kind::Read, AllAreas(), RadioImage{}, false, false), 1);
        std::vector<SessionProgress> progress;
        session->onProgress = [&](const SessionProgress& p) { progress.push_back(p); };
        QVERIFY(bench.run(*session));

        const SessionReport& report = session->report();
        QCOMPARE(report.result, SessionResult::Succeeded);
        QVERIFY(report.band.has_value());
        QCOMPARE(report.band->lower, 400);
        QCOMPARE(report.band->upper, 470);
        QCOMPARE(report.band->family, std::uint8_t(0xA0));
        QCOMPARE(report.read.size(), kRadioAreas.size());
        for (RadioArea area : kRadioAreas)
            QCOMPARE(report.read.at(area), ExtractArea(bench.radios[0]->memory(), area));
        QVERIFY(report.written.empty());
        QVERIFY(!bench.ports.isHeldOpen(1));
        QVERIFY(!WroteAnything(*bench.radios[0]));

        // Progress names each area in turn and ends at 100.
        QVERIFY(!progress.empty());
        QCOMPARE(progress.back().step, 6);
        QCOMPARE(progress.back().steps, 6);
        QCOMPARE(progress.back().percent, 100);
        QCOMPARE(*progress.back().area, kRadioAreas.back());
    }

    void imageRoundTripsFromOneRadioToABlankOne() {
        Bench bench;
        FillKnown(*bench.radios[0], 5);
        auto reader =
            bench.session(Task(SessionTask::Kind::Read, AllAreas(), RadioImage{}, false, false), 1);
        QVERIFY(bench.run(*reader));
        const RadioImage image = ImageOfRead(reader->report(), "test", "2026-12-10T00:00:00Z");
        QCOMPARE(image.familyByte, std::uint8_t(0xA0));
        QVERIFY(!CheckRadioImage(image).has_value());

        const SimulatedRadio::Memory before = bench.radios[1]->memory();
        auto writer =
            bench.session(Task(SessionTask::Kind::Write, AllAreas(), image, true, false), 2);
        QVERIFY(bench.run(*writer));
        QCOMPARE(writer->report().result, SessionResult::Succeeded);
        QCOMPARE(writer->report().written, AllAreas());
        QVERIFY(writer->report().differences.empty());

        const auto& source = bench.radios[0]->memory();
        const auto& target = bench.radios[1]->memory();
        for (RadioArea area : kRadioAreas)
            QCOMPARE(ExtractArea(target, area), ExtractArea(source, area));
        // The five-tone planes are generated, not copied.
        FiveToneReadImage area{};
        std::copy_n(source.begin() + kFiveToneArea, area.size(), area.begin());
        const FiveToneImage written = FiveToneWriteImage(area);
        for (std::size_t i = 0; i < kFiveToneArea - kFiveTonePlanes; ++i)
            QCOMPARE(target[kFiveTonePlanes + i], written[i]);
        // Nothing else changed.
        for (std::size_t a = 0; a < target.size(); ++a) {
            const bool inArea = std::any_of(
                kRadioAreas.begin(), kRadioAreas.end(),
                [&](RadioArea r) { return AreaRange(r).contains(static_cast<std::uint32_t>(a)); });
            const bool inPlanes = a >= kFiveTonePlanes && a < kFiveToneArea;
            if (!inArea && !inPlanes) QCOMPARE(target[a], before[a]);
        }
    }

    void writeMovesOnlyTheChosenAreas_data() {
        QTest::addColumn<RadioArea>("area");
        for (RadioArea area : kRadioAreas)
            QTest::newRow(AreaName(area).data()) << area;
    }
    void writeMovesOnlyTheChosenAreas() {
        QFETCH(RadioArea, area);
        Bench bench;
        FillKnown(*bench.radios[0], 9);
        const RadioImage image = ImageOf(*bench.radios[0], AllAreas());
        const SimulatedRadio::Memory before = bench.radios[1]->memory();
        auto writer = bench.session(
            Task(SessionTask::Kind::Write, std::vector<RadioArea>{area}, image, false, false), 2);
        QVERIFY(bench.run(*writer));
        QCOMPARE(writer->report().result, SessionResult::Succeeded);
        QCOMPARE(ExtractArea(bench.radios[1]->memory(), area), image.areas.at(area));
        for (RadioArea other : kRadioAreas)
            if (other != area)
                QCOMPARE(ExtractArea(bench.radios[1]->memory(), other), ExtractArea(before, other));
    }

    void bandMismatchWritesNothingUnlessForced() {
        Bench bench;
        FillKnown(*bench.radios[0], 1);
        RadioImage image = ImageOf(*bench.radios[0], AllAreas());
        image.bandLowerMHz = 136;
        image.bandUpperMHz = 174;
        const SimulatedRadio::Memory before = bench.radios[1]->memory();

        auto refused =
            bench.session(Task(SessionTask::Kind::Write, AllAreas(), image, false, false), 2);
        QVERIFY(bench.run(*refused));
        QCOMPARE(refused->report().result, SessionResult::BandMismatch);
        QVERIFY(refused->report().written.empty());
        QVERIFY(!WroteAnything(*bench.radios[1]));
        QVERIFY(bench.radios[1]->memory() == before);
        QVERIFY(!bench.ports.isHeldOpen(2));

        auto forced =
            bench.session(Task(SessionTask::Kind::Write, std::vector<RadioArea>{RadioArea::options},
                               image, false, true),
                          2);
        QVERIFY(bench.run(*forced));
        QCOMPARE(forced->report().result, SessionResult::Succeeded);
        QCOMPARE(ExtractArea(bench.radios[1]->memory(), RadioArea::options),
                 image.areas.at(RadioArea::options));
    }

    void verifyListsEveryDifferingAddress() {
        Bench bench;
        FillKnown(*bench.radios[0], 2);
        const RadioImage image = ImageOf(*bench.radios[0], AllAreas());

        auto same =
            bench.session(Task(SessionTask::Kind::Verify, AllAreas(), image, false, false), 1);
        QVERIFY(bench.run(*same));
        QCOMPARE(same->report().result, SessionResult::Succeeded);
        QVERIFY(same->report().differences.empty());

        auto& memory = bench.radios[0]->memory();
        memory[0x0231] ^= 0x01;
        memory[0x310F] = 0x00;
        memory[0x0010] ^= 0x80;
        const std::vector<ByteDifference> expected = {
            {0x0010, image.areas.at(RadioArea::channels)[0x10], memory[0x0010]},
            {0x0231, image.areas.at(RadioArea::options)[0x11], memory[0x0231]},
            {0x310F, image.areas.at(RadioArea::fm)[0x10F], 0x00},
        };
        auto changed =
            bench.session(Task(SessionTask::Kind::Verify, AllAreas(), image, false, false), 1);
        QVERIFY(bench.run(*changed));
        QCOMPARE(changed->report().result, SessionResult::VerifyFailed);
        QCOMPARE(changed->report().differences, expected);
        QVERIFY(!WroteAnything(*bench.radios[0]));
    }

    void verifyAfterWriteCatchesAWornCell() {
        Bench bench;
        FillKnown(*bench.radios[0], 3);
        const RadioImage image = ImageOf(*bench.radios[0], AllAreas());
        bench.radios[1]->faults().wrongByteAt = 0x2D42;
        auto writer =
            bench.session(Task(SessionTask::Kind::Write, AllAreas(), image, true, false), 2);
        QVERIFY(bench.run(*writer));
        const SessionReport& report = writer->report();
        QCOMPARE(report.result, SessionResult::VerifyFailed);
        QCOMPARE(report.written, AllAreas());
        QCOMPARE(report.differences.size(), size_t(1));
        QCOMPARE(report.differences[0].address, std::uint16_t(0x2D42));
        QCOMPARE(report.differences[0].expected, image.areas.at(RadioArea::twotone)[0x42]);
    }

    void aWriteTheRadioStopsAcknowledgingFailsAndShowsWhatIsMissing() {
        Bench bench;
        FillKnown(*bench.radios[0], 4);
        const RadioImage image = ImageOf(*bench.radios[0], AllAreas());
        SimulatedRadio& target = *bench.radios[1];
        std::fill(target.memory().begin(), target.memory().end(), 0xFF);
        // The DTMF area's fifth frame is stored but never acknowledged, on every attempt.
        auto writer = bench.session(
            Task(SessionTask::Kind::Write,
                 std::vector<RadioArea>{RadioArea::channels, RadioArea::dtmf, RadioArea::fm}, image,
                 true, false),
            2);
        bool armed = false;
        writer->onProgress = [&](const SessionProgress& p) {
            if (!armed && p.area == RadioArea::dtmf && p.mode == TransferMode::Write) {
                target.faults().withholdAckOfWriteFrame = 5;
                target.faults().withholdAckEveryTime = true;
                armed = true;
            }
            if (p.mode == TransferMode::Read) target.faults().withholdAckOfWriteFrame = 0;
        };
        QVERIFY(bench.run(*writer));
        const SessionReport& report = writer->report();
        QCOMPARE(report.result, SessionResult::NoAnswer);
        QCOMPARE(report.failedArea, std::optional(RadioArea::dtmf));
        QCOMPARE(report.written, std::vector<RadioArea>{RadioArea::channels});
        // Frames 1 to 5 of the DTMF area arrived (0x0100 to 0x014F); 0x0150 on and the whole
        // FM area did not.
        QVERIFY(!report.differences.empty());
        QCOMPARE(report.differences.front().address, std::uint16_t(0x0150));
        QCOMPARE(report.differences.back().address, std::uint16_t(0x310F));
        for (const ByteDifference& d : report.differences)
            QVERIFY(d.address >= 0x0150);
        QVERIFY(!bench.ports.isHeldOpen(2));
    }

    void cloneGoesOnWhenOneRadioIsSilent() {
        Bench bench;
        FillKnown(*bench.radios[0], 6);
        RadioImage image = ImageOf(*bench.radios[0], AllAreas());
        FillKnown(*bench.radios[0], 7);  // all three differ from the image now
        bench.radios[1]->faults().silent = true;
        std::vector<std::unique_ptr<RadioSession>> sessions;
        for (int com = 1; com <= 3; ++com)
            sessions.push_back(
                bench.session(Task(SessionTask::Kind::Write, AllAreas(), image, true, false), com));
        QVERIFY(bench.runAll({sessions[0].get(), sessions[1].get(), sessions[2].get()}));
        QCOMPARE(sessions[0]->report().result, SessionResult::Succeeded);
        QCOMPARE(sessions[1]->report().result, SessionResult::NoAnswer);
        QVERIFY(sessions[1]->report().written.empty());
        QVERIFY(!sessions[1]->report().band.has_value());
        QCOMPARE(sessions[2]->report().result, SessionResult::Succeeded);
        for (int r : {0, 2})
            for (RadioArea area : kRadioAreas)
                QCOMPARE(ExtractArea(bench.radios[size_t(r)]->memory(), area),
                         image.areas.at(area));
        for (int com = 1; com <= 3; ++com)
            QVERIFY(!bench.ports.isHeldOpen(com));
    }

    void failuresEndTheSessionWithThePortClosed_data() {
        QTest::addColumn<int>("fault");
        QTest::addColumn<SessionResult>("result");
        QTest::newRow("cable pulled") << 0 << SessionResult::PortFailed;
        QTest::newRow("no such port") << 1 << SessionResult::PortNotOpened;
        QTest::newRow("radio switched off") << 2 << SessionResult::NoAnswer;
        QTest::newRow("another radio after the first area") << 3 << SessionResult::RadioChanged;
    }
    void failuresEndTheSessionWithThePortClosed() {
        QFETCH(int, fault);
        QFETCH(SessionResult, result);
        Bench bench;
        SimulatedRadio& radio = *bench.radios[0];
        int com = 1;
        if (fault == 0) radio.faults().pullCableAfterBytes = 400;
        if (fault == 1) com = 7;
        if (fault == 2) radio.faults().silent = true;
        auto session = bench.session(
            Task(SessionTask::Kind::Read, AllAreas(), RadioImage{}, false, false), com);
        session->onProgress = [&](const SessionProgress& p) {
            if (fault == 3 && p.step == 2) radio.config().bandHighMHz = 480;
        };
        QVERIFY(bench.run(*session));
        QCOMPARE(session->report().result, result);
        QVERIFY(!bench.ports.isHeldOpen(com));
        if (fault == 1) QVERIFY(!session->report().message.empty());
    }

    void interruptStopsAtOnceAndTellsWhatWasWritten() {
        Bench bench;
        FillKnown(*bench.radios[0], 8);
        const RadioImage image = ImageOf(*bench.radios[0], AllAreas());
        auto writer =
            bench.session(Task(SessionTask::Kind::Write, AllAreas(), image, false, false), 2);
        std::optional<SessionReport> told;
        writer->onFinished = [&](const SessionReport& r) { told = r; };
        writer->onProgress = [&](const SessionProgress& p) {
            if (p.area == RadioArea::options && p.percent > 0) writer->interrupt();
        };
        QVERIFY(bench.run(*writer));
        QVERIFY(told.has_value());
        QCOMPARE(told->result, SessionResult::Interrupted);
        QCOMPARE(told->written, (std::vector<RadioArea>{RadioArea::channels, RadioArea::dtmf}));
        QVERIFY(!bench.ports.isHeldOpen(2));
        bench.clock.advanceMs(10'000);
        QVERIFY(!bench.ports.isHeldOpen(2));
    }
};

QTEST_APPLESS_MAIN(RadioSessionTest)
#include "tst_radio_session.moc"
