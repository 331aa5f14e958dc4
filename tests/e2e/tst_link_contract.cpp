#include <QtTest>

#include "PtyLink.h"
#include "core/link/IdentificationPlan.h"
#include "core/link/PlainBlockPlan.h"

using namespace orvex;
using namespace orvex::test;

namespace {

// Where a scenario runs: a radio, the serial controls that reach it and the time they run
// on. The same scenario must give the same result on every kind.
class LinkBackend {
  public:
    virtual ~LinkBackend() = default;
    virtual bool start() = 0;
    virtual Clock& clock() = 0;
    virtual SimulatedRadio& radio() = 0;
    [[nodiscard]] virtual std::unique_ptr<SerialPort> makePort() = 0;
    // Lets time pass until `done` holds or `limitMs` have passed; true when `done` held.
    virtual bool runUntil(const std::function<bool()>& done, int limitMs) = 0;
};

// The in-process ports on the virtual clock: no real time passes.
class InProcessBackend : public LinkBackend {
  public:
    explicit InProcessBackend(RadioConfig config) : radio_(clock_, config) {}
    bool start() override {
        ports_.attach(kPtyCom, radio_);
        return true;
    }
    Clock& clock() override { return clock_; }
    SimulatedRadio& radio() override { return radio_; }
    std::unique_ptr<SerialPort> makePort() override { return ports_.factory()(); }
    bool runUntil(const std::function<bool()>& done, int limitMs) override {
        return clock_.runUntil(done, Micros(std::int64_t(limitMs) * 1000));
    }

  private:
    VirtualClock clock_;
    SimulatedRadio radio_;
    SimulatedPorts ports_;
};

// A pseudo-terminal with the real QSerialPort and QTimer, in real time.
class PtyBackend : public LinkBackend {
  public:
    explicit PtyBackend(RadioConfig config) : host_(config) {}
    bool start() override {
        if (!host_.start()) return false;
        catalog_[kPtyCom] = host_.devicePath().toStdString();
        return true;
    }
    Clock& clock() override { return clock_; }
    SimulatedRadio& radio() override { return host_.radio(); }
    std::unique_ptr<SerialPort> makePort() override {
        return std::make_unique<QtSerialPort>(catalog_);
    }
    bool runUntil(const std::function<bool()>& done, int limitMs) override {
        return ServeUntil(done, limitMs);
    }

  private:
    PtyRadioHost host_;
    ComAssignment catalog_;
    QtClock clock_;
};

const PlainBlockPlan::Texts kTexts{
    {"读 ", "Reading "},   {" 块", " Block"},   {"写 ", "Writing "},    {" 帧", " Frame"},
    {"读完", "Read done"}, {"读好", "Read ok"}, {"写完", "Write done"}, {"写好", "Write ok"}};

}  // namespace

// One scenario, identification by the main window and then a three-block read by an
// editor, against every kind of port. The in-process ports are what the engine tests run
// on; the pseudo-terminal is what the program meets. Whatever the first accepts, the
// second must accept byte for byte.
class LinkContractTest : public QObject {
    Q_OBJECT

  private slots:
    void identificationThenThreeBlockRead_data() {
        QTest::addColumn<bool>("pseudoTerminal");
        QTest::newRow("in-process ports, virtual clock") << false;
        QTest::newRow("pseudo-terminal, QSerialPort, real time") << true;
    }

    void identificationThenThreeBlockRead() {
        QFETCH(bool, pseudoTerminal);
        const RadioConfig config{136, 174, 0xA0, true};
        std::unique_ptr<LinkBackend> backend;
        if (pseudoTerminal)
            backend = std::make_unique<PtyBackend>(config);
        else
            backend = std::make_unique<InProcessBackend>(config);
        QVERIFY(backend->start());
        SimulatedRadio& radio = backend->radio();
        for (int a = 0x0220; a < 0x0320; ++a)  // every byte value once
            radio.memory()[static_cast<size_t>(a)] = static_cast<std::uint8_t>(a * 53 + 1);

        SharedState state;
        LoadLanguageTexts(state);
        InitToneTable(state);
        InitBandTable(state);
        state.Comm_Port = kPtyCom;
        RecordingPrompt prompt;
        RecordingPanels panels;
        RecordingView view;

        // The main window finds the radio.
        int accepted = 0;
        IdentificationPlan identification([&] { ++accepted; });
        TransferEngine link(state, backend->clock(), prompt, panels, backend->makePort(),
                            identification, MainWindowSettings());
        link.restart(TransferMode::Identify);
        QVERIFY(backend->runUntil([&] { return !link.isBusy(); }, kPatienceMs));
        QCOMPARE(accepted, 1);
        QCOMPARE(panels.panel(2), std::string("Connect well with radio."));
        QCOMPARE(state.Band_Low, 136.0);
        QCOMPARE(state.Band_High, 175.0);
        QVERIFY(!link.port().isOpen());

        // An editor reads three blocks from 0x0220.
        std::vector<std::pair<int, ReadReply>> replies;
        int decodes = 0;
        PlainBlockPlan plan(state, {0x02, 0x20}, 3, 3, kTexts);
        plan.onReply = [&](int block, const ReadReply& reply) {
            replies.push_back({block, reply});
        };
        plan.onDecode = [&] { ++decodes; };
        TransferEngine editor(state, backend->clock(), prompt, panels, backend->makePort(), plan,
                              EngineSettings{}, &view);
        QVERIFY(editor.startByButton(TransferMode::Read));
        QVERIFY(backend->runUntil([&] { return !editor.isBusy() && !editor.retryPending(); },
                                  kPatienceMs));

        QCOMPARE(replies.size(), std::size_t(3));
        for (int k = 0; k < 3; ++k) {
            QCOMPARE(replies[static_cast<size_t>(k)].first, k);
            QCOMPARE(replies[static_cast<size_t>(k)].second, ReplyFor(radio, 0x0220 + k * 64));
        }
        QCOMPARE(decodes, 1);
        QCOMPARE(editor.retriesLeft(), 3);
        QVERIFY(!editor.port().isOpen());
        QCOMPARE(prompt.texts(), std::vector<std::string>{"Read done"});
        QCOMPARE(view.progress, (std::vector<int>{0, 75, 100}));
        QCOMPARE(view.labels,
                 (std::vector<std::string>{"Connecting with transceiver. ", "Reading 3 Block",
                                           "Reading 4 Block", "Read ok"}));

        // The whole conversation, both directions. The acknowledgement of the last reply
        // leaves as the port closes; give it time to arrive.
        const auto toRadio = Concat({kOpening, kOpening, Bytes({0x06, 0x53, 0x02, 0x20, 0x40}),
                                     Bytes({0x06, 0x53, 0x02, 0x60, 0x40}),
                                     Bytes({0x06, 0x53, 0x02, 0xA0, 0x40}), Bytes({0x06})});
        QVERIFY(backend->runUntil(
            [&] { return Wire(radio, WireDirection::ToRadio).size() >= toRadio.size(); }, 1000));
        QCOMPARE(Wire(radio, WireDirection::ToRadio), toRadio);
        const auto id = radio.identification();
        std::vector<std::uint8_t> toPc;
        for (int attempt = 0; attempt < 2; ++attempt)
            toPc.insert(toPc.end(), id.begin(), id.end());
        for (int k = 1; k <= 3; ++k) {
            const ReadReply reply = ReplyFor(radio, 0x0220 + (k - 1) * 64);
            toPc.insert(toPc.end(), reply.begin(), reply.end());
        }
        QCOMPARE(Wire(radio, WireDirection::ToPc), toPc);
    }
};

QTEST_GUILESS_MAIN(LinkContractTest)
#include "tst_link_contract.moc"
