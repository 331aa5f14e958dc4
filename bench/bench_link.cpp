// bench_link: how close the program's transfers come to the pace the protocol allows.
//
// The simulated radio sends at 9600 baud over a pseudo-terminal; the program's side is the
// real QSerialPort (through QtSerialPort and a COM catalog) and the real QTimer clock, all in
// this process's event loop, exactly as orvex-cps --virtual-radio runs them. Each scenario
// is timed from the button (or the start of the identification run) to its completion: the
// accepted identification reply, or the completion message of a read or write. The wall
// time is set against MinimumTransferMs() (LinkMinimum.h): pacing plus the bytes on the
// wire, with a radio and a PC that take no time at all.
//
//   bench_link [--reps N] [--only TEXT] [--explain]
//
// --explain splits the time above the minimum, per exchange, into where it went (see
// PrintBreakdown).

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "LinkMinimum.h"
#include "core/channels/ChannelPlan.h"
#include "core/channels/ChannelTexts.h"
#include "core/dtmf/DtmfPlan.h"
#include "core/dtmf/DtmfTexts.h"
#include "core/fivetone/FiveTonePlan.h"
#include "core/fivetone/FiveToneTexts.h"
#include "core/fm/FmPlan.h"
#include "core/fm/FmTexts.h"
#include "core/link/IdentificationPlan.h"
#include "core/link/LinkTexts.h"
#include "core/link/PlainBlockPlan.h"
#include "core/link/TransferEngine.h"
#include "core/options/OptionPlan.h"
#include "core/options/OptionTexts.h"
#include "core/shell/StartupTables.h"
#include "core/twotone/TwoTonePlan.h"
#include "core/twotone/TwoToneTexts.h"
#include "platform/QtClock.h"
#include "platform/QtSerialPort.h"
#include "platform/sim/PtyRadioHost.h"

using namespace orvex;
using namespace orvex::bench;

namespace {

using SteadyClock = std::chrono::steady_clock;
using TimePoint = SteadyClock::time_point;

double MsBetween(TimePoint from, TimePoint to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

constexpr int kCom = 5;

class NullPanels : public StatusPanels {
  public:
    void setPanelText(int, std::string_view) override {}
};

// Notes the messages and tells the benchmark that the transfer is over.
class CompletionPrompt : public Prompt {
  public:
    explicit CompletionPrompt(std::function<void()> onMessage) : onMessage_(std::move(onMessage)) {}
    void warning(std::string_view, std::string_view text, std::string_view) override {
        texts.emplace_back(text);
        onMessage_();
    }
    void plain(std::string_view text) override {
        texts.emplace_back(text);
        onMessage_();
    }
    std::vector<std::string> texts;

  private:
    std::function<void()> onMessage_;
};

// A channel grid that encodes distinct rows and counts the rows a read decodes.
struct CountingGrid : ChannelGridAccess {
    explicit CountingGrid(SharedState& s) : state(s) {}
    void encodeRow(int n) override {
        auto& row = state.channels.writeImage[static_cast<size_t>(n)];
        for (size_t j = 0; j < 16; ++j)
            row[j] = static_cast<std::uint8_t>(n * 16 + static_cast<int>(j));
    }
    void decodeRow(int, const std::array<std::uint8_t, 16>&) override { ++decoded; }
    SharedState& state;
    int decoded = 0;
};

// What the engine's serial control did and when: every byte written, every receive event
// with the number of bytes waiting at that moment.
struct PortLog {
    struct Write {
        TimePoint at;
        std::uint8_t byte;
    };
    struct Arrival {
        TimePoint at;
        int waiting;
    };
    std::vector<Write> writes;
    std::vector<Arrival> arrivals;
    TimePoint openStart;
    TimePoint openEnd;
};

class LoggingPort : public SerialPort {
  public:
    LoggingPort(std::unique_ptr<SerialPort> inner, PortLog& log)
        : inner_(std::move(inner)), log_(log) {
        inner_->setEventHandler([this](PortEvent event) {
            if (event == PortEvent::Received)
                log_.arrivals.push_back({SteadyClock::now(), inner_->bytesWaiting()});
            raise(event);
        });
    }
    OpenFailure open(int comPort, const LineSettings& settings) override {
        log_.openStart = SteadyClock::now();
        const OpenFailure result = inner_->open(comPort, settings);
        log_.openEnd = SteadyClock::now();
        return result;
    }
    void close() override { inner_->close(); }
    [[nodiscard]] bool isOpen() const override { return inner_->isOpen(); }
    void write(std::span<const std::uint8_t> bytes) override {
        const TimePoint now = SteadyClock::now();
        for (const std::uint8_t b : bytes)
            log_.writes.push_back({now, b});
        inner_->write(bytes);
    }
    [[nodiscard]] int bytesWaiting() const override { return inner_->bytesWaiting(); }
    std::uint8_t readByte() override { return inner_->readByte(); }
    void clearInput() override { inner_->clearInput(); }

  private:
    std::unique_ptr<SerialPort> inner_;
    PortLog& log_;
};

enum class Kind {
    Identification,
    PlainRead,
    ChannelRead,
    ChannelWrite,
    OptionRead,
    OptionWrite,
    DtmfRead,
    DtmfWrite,
    FmRead,
    FmWrite,
    TwoToneRead,
    TwoToneWrite,
    FiveToneRead,
    FiveToneWrite
};

bool IsWrite(Kind kind) {
    return kind == Kind::ChannelWrite || kind == Kind::OptionWrite || kind == Kind::DtmfWrite ||
           kind == Kind::FmWrite || kind == Kind::TwoToneWrite || kind == Kind::FiveToneWrite;
}

struct Scenario {
    std::string name;
    Kind kind;
    int pacingMs;
    int count;  // blocks of a plain read, the channel count of a channel read
    std::vector<Exchange> exchanges;
};

const PlainBlockPlan::Texts kPlainTexts{
    {"读 ", "Reading "},   {" 块", " Block"},   {"写 ", "Writing "},    {" 帧", " Frame"},
    {"读完", "Read done"}, {"读好", "Read ok"}, {"写完", "Write done"}, {"写好", "Write ok"}};

// The completion message a scenario's transfer ends with.
Bilingual DoneText(Kind kind) {
    switch (kind) {
        case Kind::ChannelRead:
            return channel_texts::kReadDone;
        case Kind::ChannelWrite:
            return channel_texts::kWriteDone;
        case Kind::OptionRead:
            return option_texts::kReadDone;
        case Kind::OptionWrite:
            return option_texts::kWriteDone;
        case Kind::DtmfRead:
            return dtmf_texts::kReadDone;
        case Kind::DtmfWrite:
            return dtmf_texts::kWriteDone;
        case Kind::FmRead:
            return fm_texts::kReadDone;
        case Kind::FmWrite:
            return fm_texts::kWriteDone;
        case Kind::TwoToneRead:
            return twotone_texts::kReadDone;
        case Kind::TwoToneWrite:
            return twotone_texts::kWriteDone;
        case Kind::FiveToneRead:
            return fivetone_texts::kReadDone;
        case Kind::FiveToneWrite:
            return fivetone_texts::kWriteDone;
        case Kind::Identification:
        case Kind::PlainRead:
            break;
    }
    return kPlainTexts.readDone;
}

// The engine each scenario's editor runs; the others pace at the scenario's interval.
EngineSettings SettingsFor(const Scenario& s) {
    switch (s.kind) {
        case Kind::ChannelRead:
        case Kind::ChannelWrite:
            return ChannelPlan::Settings();
        case Kind::OptionRead:
        case Kind::OptionWrite:
            return OptionPlan::Settings();
        case Kind::DtmfRead:
        case Kind::DtmfWrite:
            return DtmfPlan::Settings();
        case Kind::FmRead:
        case Kind::FmWrite:
            return FmPlan::Settings();
        case Kind::TwoToneRead:
        case Kind::TwoToneWrite:
            return TwoTonePlan::Settings();
        case Kind::FiveToneRead:
        case Kind::FiveToneWrite:
            return FiveTonePlan::Settings();
        case Kind::Identification:
        case Kind::PlainRead:
            break;
    }
    EngineSettings settings;
    settings.pacingMs = s.pacingMs;
    settings.messageTitle = link_texts::kPortOpenTitle;
    return settings;
}

struct Run {
    double ms = 0;
    bool completed = false;
    int retriesUsed = 0;
    TimePoint start;
    PortLog log;
    std::vector<WireByte> transcript;
};

void ServeFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

class LinkBench {
  public:
    // The host's clock starts as the host is made: note the moment, so that the radio's
    // transcript (host time) and the port log (steady clock) can be set side by side.
    LinkBench() : hostOrigin_(SteadyClock::now()), host_(RadioConfig{400, 470, 0xA0, true}) {}

    bool start() {
        if (!host_.start()) {
            std::fprintf(stderr, "pseudo-terminal: %s\n", qPrintable(host_.errorString()));
            return false;
        }
        catalog_[kCom] = host_.devicePath().toStdString();
        LoadLanguageTexts(state_);
        InitToneTable(state_);
        InitOptionOffsets(state_);
        InitBandTable(state_);
        state_.Comm_Port = kCom;
        auto& memory = host_.radio().memory();
        for (size_t a = 0; a < memory.size(); ++a)
            memory[a] = static_cast<std::uint8_t>(a * 167 + 13);
        return true;
    }

    Run runOnce(const Scenario& s) {
        Run run;
        host_.radio().clearTranscript();
        state_.Chann_Count = static_cast<std::int16_t>(s.kind == Kind::ChannelRead ? s.count : 16);
        state_.channels.clearReplies();

        QEventLoop loop;
        std::optional<TimePoint> doneAt;
        auto finish = [&] {
            if (doneAt) return;
            doneAt = SteadyClock::now();
            loop.quit();
        };
        CompletionPrompt prompt(finish);
        CountingGrid grid(state_);
        std::unique_ptr<BlockPlan> plan;
        switch (s.kind) {
            case Kind::Identification:
                plan = std::make_unique<IdentificationPlan>(finish);
                break;
            case Kind::PlainRead:
                plan = std::make_unique<PlainBlockPlan>(state_, std::array<std::uint8_t, 2>{0, 0},
                                                        s.count, s.count, kPlainTexts);
                break;
            case Kind::ChannelRead:
            case Kind::ChannelWrite:
                plan = std::make_unique<ChannelPlan>(state_, grid);
                break;
            case Kind::OptionRead:
            case Kind::OptionWrite:
                plan = std::make_unique<OptionPlan>(state_);
                break;
            case Kind::DtmfRead:
            case Kind::DtmfWrite:
                plan = std::make_unique<DtmfPlan>(state_);
                break;
            case Kind::FmRead:
            case Kind::FmWrite:
                plan = std::make_unique<FmPlan>(state_);
                break;
            case Kind::TwoToneRead:
            case Kind::TwoToneWrite:
                plan = std::make_unique<TwoTonePlan>(state_);
                break;
            case Kind::FiveToneRead:
            case Kind::FiveToneWrite:
                plan = std::make_unique<FiveTonePlan>(state_);
                break;
        }
        auto port =
            std::make_unique<LoggingPort>(std::make_unique<QtSerialPort>(catalog_), run.log);
        TransferEngine engine(state_, clock_, prompt, panels_, std::move(port), *plan,
                              SettingsFor(s));
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, &loop, &QEventLoop::quit);
        guard.start(120'000);

        run.start = SteadyClock::now();
        if (s.kind == Kind::Identification)
            engine.restart(TransferMode::Identify);
        else
            engine.startByButton(IsWrite(s.kind) ? TransferMode::Write : TransferMode::Read);
        if (!doneAt) loop.exec();

        run.completed = doneAt.has_value() && prompt.texts.size() <= 1 &&
                        (s.kind == Kind::Identification || !prompt.texts.empty());
        if (run.completed && s.kind != Kind::Identification) {
            const Bilingual expected = DoneText(s.kind);
            run.completed = prompt.texts.front() == expected.pick(0);
        }
        run.retriesUsed = 3 - engine.retriesLeft();
        run.ms = doneAt ? MsBetween(run.start, *doneAt) : 0;
        // Let the last acknowledgement reach the radio before the next run.
        ServeFor(30);
        run.transcript = host_.radio().transcript();
        return run;
    }

    // The transcript's times are the host's: the PC's bytes when the host took them from the
    // terminal, the radio's bytes when they had fully crossed the simulated wire.
    [[nodiscard]] TimePoint toSteady(Micros hostTime) const { return hostOrigin_ + hostTime; }

  private:
    TimePoint hostOrigin_;
    PtyRadioHost host_;
    ComAssignment catalog_;
    SharedState state_;
    QtClock clock_;
    NullPanels panels_;
};

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Where the time above the minimum went, exchange by exchange. Before the first one the
// engine opens the port; then for each exchange:
//   pacing   the engine's write of the command's last byte, against the ideal moment
//            (send start + 15 ms + (n - 1) * pacing): lateness of Timer1's ticks;
//   to radio from that write until the host took the byte off the terminal: pseudo-terminal
//            and the host's read notifier;
//   wire     from there until the reply's last byte had crossed the simulated wire, less
//            the ideal (1 + r) byte times: should be zero;
//   to PC    from that ideal moment until the engine's receive event saw the whole reply:
//            the radio's delivery alarm (QTimer has whole milliseconds), the terminal,
//            QSerialPort's read notifier and readyRead;
// and the next send starts in that same receive event.
void PrintBreakdown(const Scenario& s, const Run& run, const LinkBench& bench) {
    std::vector<TimePoint> heard;  // the PC's bytes, as the host took them
    std::vector<TimePoint> replyEnds;
    std::vector<Micros> toPcTimes;
    std::vector<double> byteLateness;  // receive events against the ideal arrival
    for (const WireByte& b : run.transcript) {
        if (b.direction == WireDirection::ToRadio)
            heard.push_back(bench.toSteady(b.time));
        else
            toPcTimes.push_back(b.time);
    }
    double sums[4] = {0, 0, 0, 0};
    double worst[4] = {0, 0, 0, 0};
    double firstTicks = 0;  // the part of the pacing lateness that the first tick brought
    // The first send starts once the port is open.
    TimePoint sendStart = run.log.openEnd;
    size_t written = 0;  // bytes of the command stream consumed so far
    size_t replyBytes = 0;
    size_t arrival = 0;
    const bool reads = !IsWrite(s.kind) && s.kind != Kind::Identification;
    const bool burst = SettingsFor(s).burst;
    for (size_t i = 0; i < s.exchanges.size(); ++i) {
        const Exchange& e = s.exchanges[i];
        // In a read, every reply but the identification's is followed by an acknowledgement
        // that is written before the next command.
        const size_t lastByte = written + static_cast<size_t>(e.sendBytes) - 1;
        if (lastByte >= run.log.writes.size() || lastByte >= heard.size()) return;
        const TimePoint wrote = run.log.writes[lastByte].at;
        firstTicks += MsBetween(sendStart, run.log.writes[written].at) - kFirstTickMs;
        const TimePoint radioHeard = heard[lastByte];
        replyBytes += static_cast<size_t>(e.replyBytes);
        if (replyBytes > toPcTimes.size()) return;
        const TimePoint idealEnd = bench.toSteady(toPcTimes[replyBytes - 1]);
        // The receive events of the reply, up to the one that had it whole. Each tells how
        // many of the reply's bytes were waiting, and so how late the newest of them came.
        const size_t replyBase = replyBytes - static_cast<size_t>(e.replyBytes);
        while (arrival < run.log.arrivals.size() && run.log.arrivals[arrival].at < wrote)
            ++arrival;
        while (arrival < run.log.arrivals.size()) {
            const auto& event = run.log.arrivals[arrival];
            if (event.waiting >= 1 && event.waiting <= e.replyBytes) {
                const auto newest = replyBase + static_cast<size_t>(event.waiting) - 1;
                byteLateness.push_back(MsBetween(bench.toSteady(toPcTimes[newest]), event.at));
            }
            if (event.waiting >= e.replyBytes) break;
            ++arrival;
        }
        if (arrival >= run.log.arrivals.size()) return;
        const TimePoint seen = run.log.arrivals[arrival].at;

        // A whole-frame send writes every byte on the first tick; its bytes then take their
        // byte times on the way to the radio.
        const double ideal = kFirstTickMs + (burst ? 0 : (e.sendBytes - 1) * s.pacingMs);
        const double queued = burst ? (e.sendBytes - 1) * kByteMs : 0;
        const double parts[4] = {MsBetween(sendStart, wrote) - ideal,
                                 MsBetween(wrote, radioHeard) - queued,
                                 MsBetween(radioHeard, idealEnd) - (1 + e.replyBytes) * kByteMs,
                                 MsBetween(idealEnd, seen)};
        for (int p = 0; p < 4; ++p) {
            sums[p] += parts[p];
            worst[p] = std::max(worst[p], parts[p]);
        }
        sendStart = seen;
        written = lastByte + 1 + (reads && i > 0 ? 1 : 0);
        ++arrival;
    }
    const double n = static_cast<double>(s.exchanges.size());
    std::printf("  %-44s %zu exchanges; above the minimum, total (mean, worst) ms:\n",
                s.name.c_str(), s.exchanges.size());
    std::printf("      %-42s %8.2f\n", "opening the port (from the button)",
                MsBetween(run.start, run.log.openEnd));
    const char* names[4] = {"pacing (Timer1 lateness)", "to radio (pty + host notifier)",
                            "radio wire (beyond byte times)",
                            "to PC (radio alarm + pty + QSerialPort)"};
    for (int p = 0; p < 4; ++p) {
        std::printf("      %-42s %8.2f  (%.3f, %.3f)\n", names[p], sums[p], sums[p] / n, worst[p]);
        if (p == 0)
            std::printf("      %-42s %8.2f\n", "  of which the first ticks (at 15 ms)", firstTicks);
    }
    // The fastest byte shows what the terminal and QSerialPort take when the radio's alarm
    // happens to be on time; the median adds the alarm's whole-millisecond steps.
    std::sort(byteLateness.begin(), byteLateness.end());
    if (!byteLateness.empty())
        std::printf("      %-42s fastest %.3f, median %.3f, slowest %.3f ms\n",
                    "each reply byte, as the engine saw it", byteLateness.front(),
                    Median(byteLateness), byteLateness.back());
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    int reps = 5;
    bool explain = false;
    QString only;
    const QStringList args = QCoreApplication::arguments();
    for (qsizetype i = 1; i < args.size(); ++i) {
        if (args[i] == "--reps" && i + 1 < args.size()) {
            reps = std::max(1, args[++i].toInt());
        } else if (args[i] == "--only" && i + 1 < args.size()) {
            only = args[++i];
        } else if (args[i] == "--explain") {
            explain = true;
        } else {
            std::fprintf(stderr, "usage: bench_link [--reps N] [--only TEXT] [--explain]\n");
            return 2;
        }
    }

    const std::vector<Scenario> scenarios{
        {"identification, 10 ms pacing", Kind::Identification, 10, 0, IdentificationExchanges()},
        {"read 10 blocks, plain plan, 5 ms", Kind::PlainRead, 5, 10, ReadExchanges(10)},
        {"channel read, 16 channels (5+5 blocks)", Kind::ChannelRead, 5, 16,
         ReadExchanges(2 * ChannelPlan::ReadBlockCount(16))},
        {"channel read, 128 channels (33+33 blocks)", Kind::ChannelRead, 5, 128,
         ReadExchanges(2 * ChannelPlan::ReadBlockCount(128))},
        {"channel write, 16 channels (17 frames)", Kind::ChannelWrite, 5, 16,
         WriteExchanges(ChannelPlan::kWriteBlocks + 1)},
        {"options read, 10 ms (4 blocks)", Kind::OptionRead, 10, 4,
         ReadExchanges(OptionPlan::kReadBlocks)},
        {"options write, 10 ms (4 frames)", Kind::OptionWrite, 10, 4,
         WriteExchanges(OptionPlan::kWriteFrames)},
        {"DTMF read, 10 ms (4 blocks)", Kind::DtmfRead, 10, 4,
         ReadExchanges(DtmfPlan::kReadBlocks)},
        {"DTMF write, 10 ms (13 frames)", Kind::DtmfWrite, 10, 13,
         WriteExchanges(DtmfPlan::kWriteFrames)},
        {"FM read, 10 ms (5 blocks)", Kind::FmRead, 10, 5, ReadExchanges(FmPlan::kReadBlocks)},
        {"FM write, 10 ms (17 frames)", Kind::FmWrite, 10, 17, WriteExchanges(kFmWriteBlocks)},
        {"two-tone read, whole frames (12 blocks)", Kind::TwoToneRead, 0, 12,
         ReadExchanges(TwoTonePlan::kReadBlocks)},
        {"two-tone write, whole frames (48 frames)", Kind::TwoToneWrite, 0, 48,
         WriteExchanges(TwoTonePlan::kWriteFrames)},
        {"five-tone read, whole frames (20 blocks)", Kind::FiveToneRead, 0, 20,
         ReadExchanges(FiveTonePlan::kReadBlocks)},
        {"five-tone write, whole frames (144 frames)", Kind::FiveToneWrite, 0, 144,
         WriteExchanges(FiveTonePlan::kWriteFrames)},
    };

    LinkBench bench;
    if (!bench.start()) return 1;

    std::printf("Transfers over a pseudo-terminal at 9600 baud; median of %d runs each.\n", reps);
    std::printf("%-44s %10s %19s %10s %7s\n", "scenario", "median ms", "min..max ms", "minimum ms",
                "ratio");
    bool allWithin = true;
    std::vector<std::pair<const Scenario*, Run>> medians;
    for (const Scenario& s : scenarios) {
        if (!only.isEmpty() && !QString::fromStdString(s.name).contains(only)) continue;
        std::vector<Run> runs;
        std::vector<double> times;
        int failed = 0;
        for (int r = 0; r < reps; ++r) {
            Run run = bench.runOnce(s);
            if (!run.completed || run.retriesUsed > 0) {
                ++failed;
                continue;
            }
            times.push_back(run.ms);
            runs.push_back(std::move(run));
        }
        const double minimum = SettingsFor(s).burst ? MinimumBurstTransferMs(s.exchanges)
                                                    : MinimumTransferMs(s.exchanges, s.pacingMs);
        if (times.empty()) {
            std::printf("%-44s every run failed\n", s.name.c_str());
            allWithin = false;
            continue;
        }
        const double median = Median(times);
        const double ratio = median / minimum;
        allWithin = allWithin && ratio <= 1.05;
        std::printf("%-44s %10.1f %9.1f..%-9.1f %10.1f %7.3f%s", s.name.c_str(), median,
                    *std::min_element(times.begin(), times.end()),
                    *std::max_element(times.begin(), times.end()), minimum, ratio,
                    ratio <= 1.05 ? "" : "  above 5 %");
        if (failed) std::printf("  (%d runs failed or retried)", failed);
        std::printf("\n");
        // Keep the run nearest the median for the breakdown.
        auto nearest = std::min_element(runs.begin(), runs.end(), [&](const Run& a, const Run& b) {
            return std::abs(a.ms - median) < std::abs(b.ms - median);
        });
        medians.emplace_back(&s, std::move(*nearest));
    }
    if (explain) {
        std::printf("\nWhere the time above the minimum went (run nearest the median):\n");
        for (const auto& [s, run] : medians)
            PrintBreakdown(*s, run, bench);
    }
    std::printf("\n%s\n", allWithin ? "All scenarios within 5 % of the minimum."
                                    : "Some scenarios are more than 5 % above the minimum.");
    return 0;
}
