// bench_startup: how long orvex-cps takes from its start until its main window is up, and how
// much memory it holds then. Everything is observed from outside; the program runs exactly
// as a user starts it, with `--virtual-radio` so that start-up includes the identification
// of a radio.
//
//   bench_startup [--program PATH] [--runs N] [--platform offscreen|xvfb|both] [--verbose]
//
// Start:   the launcher notes the time, then forks and executes the program.
// Mapped:  (Xvfb) the launcher watches the root window of a private Xvfb for the MapNotify
//          of the program's top-level window.
// Painted: (Xvfb) the root is black (-br) and Qt maps its windows without a background, so
//          the window stays black on screen until Qt has drawn it; after the map the launcher
//          reads back a strip of the window's top-left corner every half millisecond and
//          stops at the first pixel that is not black. This is "the main window is shown".
// Idle:    (both) every millisecond the launcher adds up the CPU time of all the program's
//          threads (/proc/PID/task/*/schedstat, nanoseconds). Start-up is over at the first
//          sample after which the program uses less than 5 ms of CPU in the next 50 ms (10 %;
//          while it starts it keeps a core about fully busy): the window is up and the event
//          loop waits, with only the identification run's 10 ms ticks left, which take a few
//          per cent. There is no screen under offscreen, so this is the offscreen figure;
//          under Xvfb it is a cross-check of "painted". A start-up that stalled without using
//          CPU (waiting for a service) would look idle too early here, and late under Xvfb.
// Memory:  VmRSS and VmHWM from /proc/PID/status one second after the start.
//
// The first run warms the page cache and is not counted. The offscreen screen is made
// 1920 x 1080 through the offscreen plugin's own configuration file, like the Xvfb screen,
// so that the program does not stop at its small-screen warning.

#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#ifdef ORVEX_BENCH_XCB
#include <xcb/xcb.h>
#endif

namespace {

using SteadyClock = std::chrono::steady_clock;

double MsSince(SteadyClock::time_point start) {
    return std::chrono::duration<double, std::milli>(SteadyClock::now() - start).count();
}

constexpr double kSampleMs = 1.0;
constexpr double kQuietWindowMs = 50.0;
constexpr double kQuietCpuMs = 5.0;
constexpr double kMemoryAtMs = 1000.0;
constexpr double kWatchMs = 1500.0;

// CPU time of every thread the process ever had, in milliseconds. Threads that end keep
// their last reading.
class CpuMeter {
  public:
    explicit CpuMeter(pid_t pid) : taskDir_("/proc/" + std::to_string(pid) + "/task") {}
    double readMs() {
        if (DIR* dir = ::opendir(taskDir_.c_str())) {
            while (const dirent* entry = ::readdir(dir)) {
                if (entry->d_name[0] == '.') continue;
                std::ifstream stat(taskDir_ + "/" + entry->d_name + "/schedstat");
                long long ns = 0;
                if (stat >> ns) perTask_[entry->d_name] = ns;
            }
            ::closedir(dir);
        }
        long long total = 0;
        for (const auto& [task, ns] : perTask_)
            total += ns;
        return static_cast<double>(total) / 1e6;
    }

  private:
    std::string taskDir_;
    std::map<std::string, long long> perTask_;
};

// A "Vm...:" line of /proc/PID/status in KiB; 0 when absent.
long StatusKiB(pid_t pid, const char* field) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    const std::string key = std::string(field) + ":";
    while (std::getline(status, line)) {
        if (line.rfind(key, 0) == 0) return std::strtol(line.c_str() + key.size(), nullptr, 10);
    }
    return 0;
}

#ifdef ORVEX_BENCH_XCB
// The launcher's view of the X server: map events of top-level windows and their pixels.
class ScreenWatch {
  public:
    bool connect(const std::string& display) {
        connection_ = xcb_connect(display.c_str(), nullptr);
        if (xcb_connection_has_error(connection_)) return false;
        root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
        const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(connection_);
        return true;
    }
    ~ScreenWatch() {
        if (connection_) xcb_disconnect(connection_);
    }
    void reset() { window_ = 0; }
    // True when a top-level window (not a menu or tooltip) has just been mapped.
    bool pollMapped() {
        bool mapped = false;
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
            if ((event->response_type & 0x7F) == XCB_MAP_NOTIFY) {
                const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
                if (!map->override_redirect && window_ == 0) {
                    window_ = map->window;
                    mapped = true;
                }
            }
            std::free(event);
        }
        return mapped;
    }
    // True when the top-left strip of the mapped window holds a pixel that is not black.
    bool painted() {
        if (window_ == 0) return false;
        xcb_get_image_cookie_t cookie =
            xcb_get_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, window_, 0, 0, 64, 8, ~0u);
        xcb_get_image_reply_t* reply = xcb_get_image_reply(connection_, cookie, nullptr);
        if (!reply) return false;
        const std::uint8_t* data = xcb_get_image_data(reply);
        const int length = xcb_get_image_data_length(reply);
        const bool any = std::any_of(data, data + length, [](std::uint8_t b) { return b != 0; });
        std::free(reply);
        return any;
    }

  private:
    xcb_connection_t* connection_ = nullptr;
    xcb_window_t root_ = 0;
    xcb_window_t window_ = 0;
};

// A private Xvfb for the runs under X.
class PrivateXvfb {
  public:
    bool start() {
        int fds[2];
        if (::pipe(fds) != 0) return false;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(fds[0]);
            const int devNull = ::open("/dev/null", O_WRONLY);
            ::dup2(devNull, STDOUT_FILENO);
            ::dup2(devNull, STDERR_FILENO);
            const std::string fd = std::to_string(fds[1]);
            ::execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1920x1080x24",
                     "-br", "-nolisten", "tcp", "-noreset", static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(fds[1]);
        std::string number;
        pollfd pfd{fds[0], POLLIN, 0};
        while (::poll(&pfd, 1, 10'000) > 0) {
            char c = 0;
            if (::read(fds[0], &c, 1) != 1 || c == '\n') break;
            number += c;
        }
        ::close(fds[0]);
        if (number.empty()) return false;
        display_ = ":" + number;
        return true;
    }
    ~PrivateXvfb() {
        if (pid_ > 0) {
            ::kill(pid_, SIGTERM);
            ::waitpid(pid_, nullptr, 0);
        }
    }
    [[nodiscard]] const std::string& display() const { return display_; }

  private:
    pid_t pid_ = -1;
    std::string display_;
};
#else
class ScreenWatch {
  public:
    bool connect(const std::string&) { return false; }
    void reset() {}
    bool pollMapped() { return false; }
    bool painted() { return false; }
};
#endif

struct Result {
    bool ok = false;
    std::string failure;
    std::optional<double> mappedMs;
    std::optional<double> paintedMs;
    std::optional<double> idleMs;
    double cpuAtIdleMs = 0;
    long rssKiB = 0;
    long hwmKiB = 0;
};

struct Sample {
    double atMs;
    double cpuMs;
};

// Starts the program once and watches it for kWatchMs.
Result RunOnce(const std::string& program, const std::vector<std::string>& environment,
               ScreenWatch* screen) {
    Result result;
    if (screen) screen->reset();
    const std::string logPath = "/tmp/bench_startup." + std::to_string(::getpid()) + ".log";
    const SteadyClock::time_point start = SteadyClock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        for (const std::string& assignment : environment)
            ::putenv(const_cast<char*>(assignment.c_str()));
        const int log = ::open(logPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ::dup2(log, STDOUT_FILENO);
        ::dup2(log, STDERR_FILENO);
        ::execl(program.c_str(), program.c_str(), "--virtual-radio", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    if (pid < 0) {
        result.failure = "fork failed";
        return result;
    }

    CpuMeter cpu(pid);
    std::vector<Sample> samples;
    bool exited = false;
    int status = 0;
    while (MsSince(start) < kWatchMs) {
        if (::waitpid(pid, &status, WNOHANG) == pid) {
            exited = true;
            break;
        }
        const double now = MsSince(start);
        samples.push_back({now, cpu.readMs()});
        if (!result.rssKiB && now >= kMemoryAtMs) {
            result.rssKiB = StatusKiB(pid, "VmRSS");
            result.hwmKiB = StatusKiB(pid, "VmHWM");
        }
        if (screen) {
            if (!result.mappedMs && screen->pollMapped()) result.mappedMs = MsSince(start);
            if (result.mappedMs && !result.paintedMs && screen->painted())
                result.paintedMs = MsSince(start);
        }
        const double next =
            samples.back().atMs +
            (screen && result.mappedMs && !result.paintedMs ? kSampleMs / 2 : kSampleMs);
        const double wait = next - MsSince(start);
        if (wait > 0) std::this_thread::sleep_for(std::chrono::duration<double, std::milli>(wait));
    }
    if (!exited) {
        ::kill(pid, SIGTERM);
        ::waitpid(pid, &status, 0);
    }
    if (exited) {
        std::ifstream log(logPath);
        std::stringstream text;
        text << log.rdbuf();
        result.failure = "the program ended early: " + text.str();
        ::unlink(logPath.c_str());
        return result;
    }
    ::unlink(logPath.c_str());

    for (size_t i = 0; i < samples.size(); ++i) {
        const auto later = std::find_if(
            samples.begin() + static_cast<long>(i), samples.end(),
            [&](const Sample& s) { return s.atMs >= samples[i].atMs + kQuietWindowMs; });
        if (later == samples.end()) break;
        if (later->cpuMs - samples[i].cpuMs < kQuietCpuMs) {
            result.idleMs = samples[i].atMs;
            result.cpuAtIdleMs = samples[i].cpuMs;
            break;
        }
    }
    result.ok = result.idleMs.has_value() && (!screen || result.paintedMs.has_value());
    if (!result.ok) result.failure = "no window or no quiet moment within 1.5 s";
    return result;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

std::string Figure(const std::vector<double>& values) {
    if (values.empty()) return "-";
    char text[64];
    std::snprintf(text, sizeof text, "%.1f (%.1f..%.1f)", Median(values),
                  *std::min_element(values.begin(), values.end()),
                  *std::max_element(values.begin(), values.end()));
    return text;
}

void Report(const char* platform, const std::vector<Result>& results) {
    std::vector<double> mapped;
    std::vector<double> painted;
    std::vector<double> idle;
    std::vector<double> cpu;
    std::vector<double> rss;
    std::vector<double> hwm;
    int failed = 0;
    for (const Result& r : results) {
        if (!r.ok) {
            ++failed;
            continue;
        }
        if (r.mappedMs) mapped.push_back(*r.mappedMs);
        if (r.paintedMs) painted.push_back(*r.paintedMs);
        idle.push_back(*r.idleMs);
        cpu.push_back(r.cpuAtIdleMs);
        rss.push_back(static_cast<double>(r.rssKiB) / 1024.0);
        hwm.push_back(static_cast<double>(r.hwmKiB) / 1024.0);
    }
    std::printf("%s: %zu runs%s; median (min..max)\n", platform, results.size() - failed,
                failed ? " (some failed)" : "");
    if (!mapped.empty()) std::printf("  window mapped          %s ms\n", Figure(mapped).c_str());
    if (!painted.empty()) std::printf("  window painted (shown) %s ms\n", Figure(painted).c_str());
    std::printf("  start-up done (idle)   %s ms\n", Figure(idle).c_str());
    std::printf("  CPU used until idle    %s ms\n", Figure(cpu).c_str());
    std::printf("  VmRSS after 1 s        %s MiB\n", Figure(rss).c_str());
    std::printf("  VmHWM after 1 s        %s MiB\n", Figure(hwm).c_str());
}

bool gVerbose = false;

void PrintRun(int number, const Result& r) {
    if (!r.ok) return;
    std::printf("    run %2d: mapped %6.1f  painted %6.1f  idle %6.1f  cpu %6.1f ms  rss %ld KiB\n",
                number, r.mappedMs.value_or(0), r.paintedMs.value_or(0), *r.idleMs, r.cpuAtIdleMs,
                r.rssKiB);
}

std::vector<Result> Series(const std::string& program, const std::vector<std::string>& environment,
                           ScreenWatch* screen, int runs) {
    const Result warmUp = RunOnce(program, environment, screen);
    if (!warmUp.ok) std::fprintf(stderr, "warm-up run: %s\n", warmUp.failure.c_str());
    std::vector<Result> results;
    for (int i = 0; i < runs; ++i) {
        results.push_back(RunOnce(program, environment, screen));
        if (gVerbose) PrintRun(i + 1, results.back());
        if (!results.back().ok)
            std::fprintf(stderr, "run %d: %s\n", i + 1, results.back().failure.c_str());
    }
    return results;
}

}  // namespace

int main(int argc, char* argv[]) {
    std::string program = ORVEX_CPS_PATH;
    int runs = 10;
    std::string platform = "both";
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--program" && i + 1 < argc) {
            program = argv[++i];
        } else if (arg == "--runs" && i + 1 < argc) {
            runs = std::max(1, std::atoi(argv[++i]));
        } else if (arg == "--platform" && i + 1 < argc) {
            platform = argv[++i];
        } else if (arg == "--verbose") {
            gVerbose = true;
        } else {
            std::fprintf(stderr,
                         "usage: bench_startup [--program PATH] [--runs N] "
                         "[--platform offscreen|xvfb|both] [--verbose]\n");
            return 2;
        }
    }
    std::printf("%s --virtual-radio, %d runs after a warm-up run\n", program.c_str(), runs);

    if (platform == "offscreen" || platform == "both") {
        char configPath[] = "/tmp/bench_startup_screen_XXXXXX";
        const int fd = ::mkstemp(configPath);
        const std::string config =
            R"({"screens": [{"name": "bench", "x": 0, "y": 0, "width": 1920, "height": 1080}]})";
        if (fd < 0 ||
            ::write(fd, config.data(), config.size()) != static_cast<ssize_t>(config.size())) {
            std::fprintf(stderr, "cannot write the offscreen screen configuration\n");
            return 1;
        }
        ::close(fd);
        const std::vector<std::string> environment{
            std::string("QT_QPA_PLATFORM=offscreen:configfile=") + configPath};
        Report("offscreen", Series(program, environment, nullptr, runs));
        ::unlink(configPath);
    }
    if (platform == "xvfb" || platform == "both") {
#ifdef ORVEX_BENCH_XCB
        PrivateXvfb xvfb;
        ScreenWatch screen;
        if (!xvfb.start() || !screen.connect(xvfb.display())) {
            std::fprintf(stderr, "Xvfb could not be started; no runs under X\n");
            return platform == "xvfb" ? 1 : 0;
        }
        const std::vector<std::string> environment{"QT_QPA_PLATFORM=xcb",
                                                   "DISPLAY=" + xvfb.display()};
        Report("xcb on Xvfb", Series(program, environment, &screen, runs));
#else
        std::fprintf(stderr, "built without xcb; no runs under X\n");
        if (platform == "xvfb") return 1;
#endif
    }
    return 0;
}
