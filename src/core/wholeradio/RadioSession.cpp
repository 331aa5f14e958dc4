#include "core/wholeradio/RadioSession.h"

#include <algorithm>

#include "core/shell/Prompt.h"
#include "core/shell/StartupTables.h"
#include "core/shell/StatusPanels.h"

namespace orvex {

// The engines' messages, status panels and progress bars of a session: messages are kept
// for the report, progress goes to the session's listener, panels are not shown.
class RadioSession::Reporter final : public Prompt, public StatusPanels, public TransferView {
  public:
    explicit Reporter(RadioSession& session) : session_(session) {}

    void warning(std::string_view, std::string_view text, std::string_view detail) override {
        lastMessage = std::string(text);
        if (!detail.empty()) lastMessage += " (" + std::string(detail) + ")";
    }
    void plain(std::string_view text) override { lastMessage = std::string(text); }
    void setPanelText(int, std::string_view) override {}
    void showProgress(int value) override { session_.progressed(value); }
    void setTransferLabel(std::string_view) override {}

    std::string lastMessage;

  private:
    RadioSession& session_;
};

RadioSession::RadioSession(SessionTask task, int comPort, Clock& clock, SerialPortFactory ports)
    : task_(std::move(task)),
      clock_(clock),
      ports_(std::move(ports)),
      reporter_(std::make_unique<Reporter>(*this)) {
    // The tables the program fills at start-up; messages in English.
    state_.Language_Flag = 0;
    InitToneTable(state_);
    InitBandTable(state_);
    InitOptionOffsets(state_);
    state_.TwoTone_Scale = kTwoToneScale;
    LoadLanguageTexts(state_);
    state_.Comm_Port = static_cast<std::int16_t>(comPort);

    using Kind = SessionTask::Kind;
    if (task_.kind == Kind::Identify || task_.kind == Kind::Write) steps_.push_back({});
    if (task_.kind == Kind::Read || task_.kind == Kind::Verify)
        for (RadioArea area : task_.areas)
            steps_.push_back({TransferMode::Read, area});
    if (task_.kind == Kind::Write) {
        for (RadioArea area : task_.areas)
            steps_.push_back({TransferMode::Write, area});
        if (task_.verifyAfterWrite)
            for (RadioArea area : task_.areas)
                steps_.push_back({TransferMode::Read, area});
    }
}

RadioSession::~RadioSession() = default;

void RadioSession::start() {
    started_ = clock_.now();
    current_ = 0;
    runStep();
}

void RadioSession::interrupt() {
    if (finished_) return;
    if (!engines_.empty()) engines_.back()->shutDown();
    end(SessionResult::Interrupted);
}

void RadioSession::progressed(int percent, bool done) {
    if (!onProgress || current_ >= steps_.size()) return;
    const Step& step = steps_[current_];
    onProgress({static_cast<int>(current_) + 1, static_cast<int>(steps_.size()), step.area,
                step.mode, percent, done});
}

void RadioSession::runStep() {
    if (finished_) return;
    if (current_ >= steps_.size()) {
        if (task_.kind == SessionTask::Kind::Verify || task_.verifyAfterWrite) {
            report_.differences = CompareAreas(task_.image, report_.read);
            if (writeFailure_) {
                end(*writeFailure_);
                return;
            }
            if (!report_.differences.empty()) {
                end(SessionResult::VerifyFailed);
                return;
            }
        }
        end(SessionResult::Succeeded);
        return;
    }
    const Step& step = steps_[current_];
    // An identification runs at the pace of the first area's editor.
    const RadioArea planArea =
        step.area.value_or(task_.areas.empty() ? RadioArea::channels : task_.areas.front());
    auto plan = MakeAreaPlan(planArea, state_);
    if (step.mode == TransferMode::Write) {
        const auto bytes = task_.image.areas.find(planArea);
        if (bytes == task_.image.areas.end() || !plan->setWriteBytes(bytes->second)) {
            report_.failedArea = planArea;
            end(SessionResult::AreaMissing);
            return;
        }
    }
    if (step.mode == TransferMode::Read) plan->beforeRead();
    reporter_->lastMessage.clear();
    auto engine = std::make_unique<TransferEngine>(state_, clock_, *reporter_, *reporter_, ports_(),
                                                   plan->plan(), plan->settings(), reporter_.get());
    engine->setFinishedHandler([this](TransferOutcome outcome) { stepFinished(outcome); });
    TransferEngine& running = *engine;
    plans_.push_back(std::move(plan));
    engines_.push_back(std::move(engine));
    progressed(0);
    running.startByButton(step.mode);
}

void RadioSession::stepFinished(TransferOutcome outcome) {
    if (finished_ || current_ >= steps_.size()) return;
    const Step& step = steps_[current_];
    switch (outcome) {
        case TransferOutcome::Completed:
            break;
        case TransferOutcome::NoAnswer:
        case TransferOutcome::PortFailed:
        case TransferOutcome::PortNotOpened: {
            if (writeFailure_) {  // the radio does not answer the read-back either
                end(*writeFailure_);
                return;
            }
            report_.failedArea = step.area;
            report_.message = reporter_->lastMessage;
            if (outcome == TransferOutcome::NoAnswer && step.mode == TransferMode::Write &&
                task_.verifyAfterWrite) {
                writeFailure_ = SessionResult::NoAnswer;
                current_ = steps_.size() - task_.areas.size();
                runStep();
                return;
            }
            end(outcome == TransferOutcome::NoAnswer     ? SessionResult::NoAnswer
                : outcome == TransferOutcome::PortFailed ? SessionResult::PortFailed
                                                         : SessionResult::PortNotOpened);
            return;
        }
    }
    const IdentifiedBand band = engines_.back()->identifiedBand();
    if (!report_.band) {
        report_.band = band;
    } else if (band.lower != report_.band->lower || band.upper != report_.band->upper ||
               band.family != report_.band->family) {
        report_.failedArea = step.area;
        end(SessionResult::RadioChanged);
        return;
    }
    if (step.mode == TransferMode::Identify && task_.kind == SessionTask::Kind::Write &&
        !task_.force &&
        (band.lower != task_.image.bandLowerMHz || band.upper != task_.image.bandUpperMHz)) {
        end(SessionResult::BandMismatch);
        return;
    }
    if (step.area && step.mode == TransferMode::Write) report_.written.push_back(*step.area);
    if (step.area && step.mode == TransferMode::Read)
        report_.read[*step.area] = plans_.back()->readBytes();
    progressed(100, true);
    ++current_;
    runStep();
}

void RadioSession::end(SessionResult result) {
    if (finished_) return;
    finished_ = true;
    report_.result = result;
    report_.elapsed = clock_.now() - started_;
    if (onFinished) onFinished(report_);
}

RadioImage ImageOfRead(const SessionReport& report, std::string programVersion, std::string time) {
    RadioImage image;
    if (report.band) {
        image.bandLowerMHz = report.band->lower;
        image.bandUpperMHz = report.band->upper;
        image.familyByte = report.band->family;
    }
    image.programVersion = std::move(programVersion);
    image.time = std::move(time);
    image.areas = report.read;
    return image;
}

std::vector<ByteDifference> CompareAreas(
    const RadioImage& image, const std::map<RadioArea, std::vector<std::uint8_t>>& read) {
    std::vector<ByteDifference> differences;
    for (const auto& [area, expected] : image.areas) {
        const auto found = read.find(area);
        if (found == read.end()) continue;
        const std::vector<std::uint8_t>& actual = found->second;
        const std::uint16_t first = AreaRange(area).first;
        for (std::size_t i = 0; i < expected.size() && i < actual.size(); ++i)
            if (expected[i] != actual[i])
                differences.push_back(
                    {static_cast<std::uint16_t>(first + i), expected[i], actual[i]});
    }
    std::sort(
        differences.begin(), differences.end(),
        [](const ByteDifference& a, const ByteDifference& b) { return a.address < b.address; });
    return differences;
}

}  // namespace orvex
