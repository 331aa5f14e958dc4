#include <QtTest>

#include "core/options/OptionPlan.h"
#include "support/LinkRig.h"

using namespace orvex;
using namespace orvex::test;

namespace {

// Records each message with the transfer label that stood when it appeared.
struct LabelAtMessagePrompt : RecordingPrompt {
    explicit LabelAtMessagePrompt(const RecordingView& v) : view(v) {}
    void warning(std::string_view title, std::string_view text, std::string_view detail) override {
        RecordingPrompt::warning(title, text, detail);
        labelAtMessage.push_back(view.labels.empty() ? std::string() : view.labels.back());
    }
    const RecordingView& view;
    std::vector<std::string> labelAtMessage;
};

}  // namespace

// The options plan on the engine against the simulated radio: which blocks move, what the
// progress bar and label show, and which bytes form the image.
class OptionPlanTest : public QObject {
    Q_OBJECT

    std::unique_ptr<LinkRig> rig;
    std::unique_ptr<OptionPlan> plan;
    std::unique_ptr<TransferEngine> engine;
    RecordingView view;
    std::unique_ptr<LabelAtMessagePrompt> prompt;
    std::vector<OptionImage> reads;

    bool run() {
        return rig->clock.runUntil([&] { return !engine->isBusy() && !engine->retryPending(); },
                                   Micros(60'000'000));
    }

  private slots:
    void init() {
        rig = std::make_unique<LinkRig>();
        plan = std::make_unique<OptionPlan>(rig->state);
        plan->onRead = [this](const OptionPlan::ReadImage& read) {
            reads.push_back(OptionPlan::ImageOf(read));
        };
        reads.clear();
        view = RecordingView{};
        prompt = std::make_unique<LabelAtMessagePrompt>(view);
        engine = std::make_unique<TransferEngine>(rig->state, rig->clock, *prompt, rig->panels,
                                                  rig->ports.factory()(), *plan,
                                                  OptionPlan::Settings(), &view);
        for (int a = 0x0200; a < 0x0340; ++a)
            rig->radio.memory()[size_t(a)] = std::uint8_t(a * 7);
    }
    void cleanup() {
        engine.reset();
        prompt.reset();
        plan.reset();
        rig.reset();
    }

    void readTakesTheFirstBlockOnly_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("labels");
        QTest::newRow("English") << 0
                                 << QStringList{"Connecting with transceiver. ",
                                                "Reading 3 Data Block", "Reading 4 Data Block",
                                                "Reading 5 Data Block",
                                                "Read optional parameters in gear. "};
        QTest::newRow("Chinese") << -1
                                 << QStringList{"正在与对讲机联络 ！", "正在读取 3 数据块",
                                                "正在读取 4 数据块", "正在读取 5 数据块",
                                                "可选参数读出正常 ！"};
    }
    void readTakesTheFirstBlockOnly() {
        QFETCH(int, language);
        QFETCH(QStringList, labels);
        rig->state.Language_Flag = std::int16_t(language);
        QVERIFY(engine->startByButton(TransferMode::Read));
        QVERIFY(run());
        QCOMPARE(reads.size(), size_t(1));
        for (int i = 0; i < kOptionImageSize; ++i)
            QCOMPARE(int(reads[0][size_t(i)]), int(std::uint8_t((0x0220 + i) * 7)));
        QCOMPARE(view.progress, (std::vector<int>{0, 60, 80, 100}));
        QStringList shown;
        for (const auto& label : view.labels)
            shown << QString::fromStdString(label);
        QCOMPARE(shown, labels);
        // The label is set before the completion message appears.
        QCOMPARE(prompt->messages.size(), size_t(1));
        QCOMPARE(prompt->messages[0].title, std::string(language ? "操作提示" : "Operate Prompt"));
        QCOMPARE(QString::fromStdString(prompt->labelAtMessage[0]), labels.back());
    }

    void writeSendsFourFrames() {
        for (size_t i = 0; i < plan->writeImage.size(); ++i)
            plan->writeImage[i] = std::uint8_t(200 - i);
        QVERIFY(engine->startByButton(TransferMode::Write));
        QVERIFY(run());
        std::vector<std::uint8_t> frames;
        const auto wire = rig->wire(WireDirection::ToRadio);
        frames.assign(wire.begin() + 8, wire.end());
        std::vector<std::uint8_t> expected;
        for (int f = 0; f < 4; ++f) {
            const auto head = Bytes({0x06, 0x58, 0x02, 0x20 + 0x10 * f, 0x10});
            expected.insert(expected.end(), head.begin(), head.end());
            expected.insert(expected.end(), plan->writeImage.begin() + 16 * f,
                            plan->writeImage.begin() + 16 * f + 16);
        }
        QCOMPARE(frames, expected);
        for (size_t i = 0; i < plan->writeImage.size(); ++i)
            QCOMPARE(rig->radio.memory()[0x0220 + i], plan->writeImage[i]);
        QCOMPARE(int(rig->radio.memory()[0x0260]), int(std::uint8_t(0x0260 * 7)));
        QCOMPARE(view.progress, (std::vector<int>{0, 25, 50, 75}));
        QCOMPARE(view.labels, (std::vector<std::string>{
                                  "Connecting with transceiver. ", "Writing  0  Data Block",
                                  "Writing  1  Data Block", "Writing  2  Data Block",
                                  "Complete writing optional parameters "}));
        QCOMPARE(prompt->texts(), std::vector<std::string>{
                                      "Complete writing optional parameters to the transceiver."});
        // A write's label follows its message.
        QCOMPARE(prompt->labelAtMessage, std::vector<std::string>{"Writing  2  Data Block"});
    }

    // 10 ms between the bytes of a frame after the 15 ms first tick.
    void pacing() {
        engine->startByButton(TransferMode::Write);
        QVERIFY(run());
        const auto sent = rig->wireBytes(WireDirection::ToRadio);
        for (size_t i = 1; i < 8; ++i)
            QCOMPARE((sent[i].time - sent[i - 1].time).count(), 10'000L);
        QCOMPARE((sent[9].time - sent[8].time).count(), 10'000L);
    }
};

QTEST_APPLESS_MAIN(OptionPlanTest)
#include "tst_option_plan.moc"
