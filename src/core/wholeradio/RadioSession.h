#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/image/RadioImage.h"
#include "core/link/Clock.h"
#include "core/link/Identification.h"
#include "core/link/SerialPort.h"
#include "core/link/TransferEngine.h"
#include "core/shell/SharedState.h"
#include "core/wholeradio/AreaPlan.h"

namespace orvex {

// What to do with one radio.
struct SessionTask {
    enum class Kind {
        Identify,  // identify the radio, nothing more
        Read,      // read the areas
        Write,     // identify, check the band against the image, write the areas
        Verify,    // read the areas and compare them with the image
    };
    Kind kind = Kind::Identify;
    std::vector<RadioArea> areas;  // in the order they are moved
    RadioImage image;              // Write and Verify: the bytes the radio should hold
    // Write: read every area back afterwards and compare. A write the radio stops
    // acknowledging is still followed by the reads, so that the differences show.
    bool verifyAfterWrite = false;
    bool force = false;  // Write: write even to a radio of another band
};

enum class SessionResult {
    Succeeded,
    NoAnswer,       // the radio stayed silent through every attempt of a transfer
    PortFailed,     // the port failed during a transfer (a pulled cable)
    PortNotOpened,  // the port could not be opened
    BandMismatch,   // the radio's band is not the image's; nothing was written
    RadioChanged,   // a later area identified another radio than the first
    VerifyFailed,   // the radio does not hold what it should
    Interrupted,    // stopped by the user
    AreaMissing,    // Write: the image does not hold one of the areas to write
};

struct ByteDifference {
    std::uint16_t address = 0;
    std::uint8_t expected = 0;
    std::uint8_t actual = 0;
    friend bool operator==(const ByteDifference&, const ByteDifference&) = default;
};

struct SessionReport {
    SessionResult result = SessionResult::Succeeded;
    std::optional<IdentifiedBand> band;                   // the radio, once identified
    std::vector<RadioArea> written;                       // areas whose write completed, in order
    std::map<RadioArea, std::vector<std::uint8_t>> read;  // what completed reads brought
    std::vector<ByteDifference> differences;              // Verify, and Write with verifyAfterWrite
    std::optional<RadioArea> failedArea;                  // the area whose transfer failed, if any
    std::string message;  // the port's own message on failure, if any
    Micros elapsed{0};
};

// Progress of one radio: which transfer of how many, its area (none for an identification),
// its direction and its progress bar value.
struct SessionProgress {
    int step = 0;  // 1-based
    int steps = 0;
    std::optional<RadioArea> area;
    TransferMode mode = TransferMode::Identify;
    int percent = 0;
    bool done = false;  // the transfer of this step has completed
};

// One radio on one port: its transfers one after another, each through the plan of the
// editor that owns the area and with that editor's engine settings, each opened by the
// identification as in the editor. Everything runs on the clock's thread, driven by its
// alarms and the port's events; several sessions on different ports run side by side in
// one event loop.
class RadioSession {
  public:
    // `comPort` is the COM number the port factory's controls open.
    RadioSession(SessionTask task, int comPort, Clock& clock, SerialPortFactory ports);
    ~RadioSession();
    RadioSession(const RadioSession&) = delete;
    RadioSession& operator=(const RadioSession&) = delete;

    std::function<void(const SessionProgress&)> onProgress;
    // Told once when the session ends, whatever the result.
    std::function<void(const SessionReport&)> onFinished;

    void start();
    // Ends the transfer that runs now: the port is closed and the result is Interrupted.
    void interrupt();

    [[nodiscard]] bool finished() const { return finished_; }
    [[nodiscard]] const SessionReport& report() const { return report_; }

  private:
    struct Step {
        TransferMode mode = TransferMode::Identify;
        std::optional<RadioArea> area;
    };
    class Reporter;

    void progressed(int percent, bool done = false);
    void runStep();
    void stepFinished(TransferOutcome outcome);
    void end(SessionResult result);

    SessionTask task_;
    Clock& clock_;
    SerialPortFactory ports_;
    SharedState state_;
    std::unique_ptr<Reporter> reporter_;
    std::vector<Step> steps_;
    std::size_t current_ = 0;
    std::vector<std::unique_ptr<AreaPlan>> plans_;
    std::vector<std::unique_ptr<TransferEngine>> engines_;
    SessionReport report_;
    Micros started_{0};
    // A write that failed while a verification was asked for: the areas are still read back
    // to show what the radio holds, and the session ends with this result.
    std::optional<SessionResult> writeFailure_;
    bool finished_ = false;
};

// The image of a completed read: its areas, the band and family of the radio.
RadioImage ImageOfRead(const SessionReport& report, std::string programVersion, std::string time);

// Every byte of the image's areas that `read` holds differently, in address order.
std::vector<ByteDifference> CompareAreas(
    const RadioImage& image, const std::map<RadioArea, std::vector<std::uint8_t>>& read);

}  // namespace orvex
