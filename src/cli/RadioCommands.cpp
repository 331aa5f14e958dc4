#include "cli/RadioCommands.h"

#include <unistd.h>
#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSerialPort>
#include <algorithm>
#include <cstdio>
#include <memory>

#include "ProgramVersion.h"
#include "cli/CliReport.h"
#include "cli/ImageFiles.h"
#include "cli/InterruptWatch.h"
#include "cli/ProgressPrinter.h"
#include "platform/QtClock.h"
#include "platform/QtSerialPort.h"
#include "platform/sim/PtyRadioHost.h"

namespace orvex {

namespace {

void Say(std::FILE* out, const QString& line) {
    std::fprintf(out, "%s\n", line.toUtf8().constData());
    std::fflush(out);
}

QString CommandName(CliCommand command) {
    switch (command) {
        case CliCommand::Identify:
            return "identify";
        case CliCommand::Read:
            return "read";
        case CliCommand::Write:
            return "write";
        case CliCommand::Verify:
            return "verify";
        case CliCommand::Clone:
            return "clone";
        case CliCommand::Show:
            return "show";
        case CliCommand::Diff:
            return "diff";
    }
    return {};
}

SessionTask TaskFor(const CliOptions& options, const std::vector<RadioArea>& areas,
                    const RadioImage& image) {
    SessionTask task;
    switch (options.command) {
        case CliCommand::Identify:
            task.kind = SessionTask::Kind::Identify;
            break;
        case CliCommand::Read:
            task.kind = SessionTask::Kind::Read;
            break;
        case CliCommand::Verify:
            task.kind = SessionTask::Kind::Verify;
            break;
        default:
            task.kind = SessionTask::Kind::Write;
            break;
    }
    task.areas = areas;
    task.image = image;
    task.verifyAfterWrite = options.verify;
    task.force = options.force;
    return task;
}

// The simulated radios of --virtual-radio, each on its own pseudo-terminal.
bool StartVirtualRadios(const CliOptions& options,
                        std::vector<std::unique_ptr<PtyRadioHost>>& hosts, QStringList& devices,
                        QString* error) {
    for (int i = 0; i < options.virtualRadios; ++i) {
        RadioConfig config;
        config.bandLowMHz = options.virtualBandLow;
        config.bandHighMHz = options.virtualBandHigh;
        auto host = std::make_unique<PtyRadioHost>(config);
        if (!host->start()) {
            *error = "The simulated radio could not start: " + host->errorString();
            return false;
        }
        if (!options.virtualMemory.isEmpty() &&
            !host->radio().loadMemory(options.virtualMemory.toStdString())) {
            *error =
                options.virtualMemory + ": not a radio memory (it must hold exactly 65536 bytes).";
            return false;
        }
        devices << host->devicePath();
        hosts.push_back(std::move(host));
    }
    return true;
}

// The system's own reason, in place of the editors' message about COM numbers.
QString WhyNotOpened(const QString& device) {
    QSerialPort port(device);
    if (port.open(QIODevice::ReadWrite)) return "it opened on a second try; try again";
    QString reason = port.errorString();
    if (port.error() == QSerialPort::PermissionError)
        reason += " (is the user in the dialout group?)";
    return reason;
}

}  // namespace

int RunRadioCommand(const CliOptions& options) {
    RadioImage image;
    std::vector<RadioArea> areas = options.areas;
    const bool needsImage = options.command == CliCommand::Write ||
                            options.command == CliCommand::Verify ||
                            options.command == CliCommand::Clone;
    QString error;
    if (needsImage) {
        auto loaded = LoadImageFile(options.files.front(), &error);
        if (!loaded) {
            Say(stderr, error);
            return 1;
        }
        image = std::move(*loaded);
        if (!options.areasChosen) {
            areas.clear();
            for (const auto& entry : image.areas)
                areas.push_back(entry.first);
            std::sort(areas.begin(), areas.end(), [](RadioArea a, RadioArea b) {
                return AreaRange(a).first < AreaRange(b).first;
            });
        }
        for (RadioArea area : areas)
            if (!image.areas.count(area)) {
                const std::string_view name = AreaName(area);
                Say(stderr,
                    QString("%1: the image holds no %2 area; choose others with --areas.")
                        .arg(options.files.front(),
                             QString::fromUtf8(name.data(), static_cast<int>(name.size()))));
                return 1;
            }
    }

    std::vector<std::unique_ptr<PtyRadioHost>> hosts;
    QStringList devices;
    if (!StartVirtualRadios(options, hosts, devices, &error)) {
        Say(stderr, error);
        return 1;
    }
    devices << options.ports;

    QtClock clock;
    // Each radio's own COM1: its device, and nothing else.
    std::vector<std::unique_ptr<ComAssignment>> catalogs;
    std::vector<std::unique_ptr<RadioSession>> sessions;
    ProgressPrinter progress(stderr, ::isatty(STDERR_FILENO) != 0, devices);
    int running = 0;
    for (int i = 0; i < devices.size(); ++i) {
        auto catalog = std::make_unique<ComAssignment>();
        (*catalog)[1] = devices[i].toStdString();
        const ComAssignment& ports = *catalog;
        catalogs.push_back(std::move(catalog));
        auto session = std::make_unique<RadioSession>(
            TaskFor(options, areas, image), 1, clock,
            [&ports] { return std::make_unique<QtSerialPort>(ports); });
        session->onProgress = [&progress, i](const SessionProgress& p) { progress.update(i, p); };
        session->onFinished = [&running](const SessionReport&) {
            if (--running == 0) QCoreApplication::exit(0);
        };
        sessions.push_back(std::move(session));
    }

    InterruptWatch watch([&sessions] {
        for (auto& session : sessions)
            session->interrupt();
    });
    running = static_cast<int>(sessions.size());
    for (auto& session : sessions)
        session->start();
    if (running > 0) QCoreApplication::exec();
    progress.finish();

    const bool wrote = options.command == CliCommand::Write || options.command == CliCommand::Clone;
    const bool verified = options.verify || options.command == CliCommand::Verify;
    int status = 0;
    QJsonArray radios;
    for (int i = 0; i < devices.size(); ++i) {
        const SessionReport& report = sessions[static_cast<std::size_t>(i)]->report();
        radios.append(RadioJson(devices[i], report, wrote, verified));
        const int radioStatus = ExitStatusOf(report.result);
        // Radios that did not answer outweigh a band refused on another radio.
        if (radioStatus == 2 || status == 0) status = std::max(status, radioStatus);
    }

    std::FILE* out = options.json ? stderr : stdout;
    const SessionReport& first = sessions.front()->report();
    const QString& device = devices.front();
    if (options.command == CliCommand::Clone) {
        QStringList failed;
        for (int i = 0; i < devices.size(); ++i) {
            const SessionReport& report = sessions[static_cast<std::size_t>(i)]->report();
            Say(out, RadioLine(devices[i], report, wrote, verified));
            if (report.result != SessionResult::Succeeded)
                failed << QString("%1 (%2)").arg(devices[i], ResultWords(report, wrote, verified));
        }
        if (!failed.isEmpty())
            Say(stderr, QString("clone: %1 of %2 radios failed: %3")
                            .arg(failed.size())
                            .arg(devices.size())
                            .arg(failed.join(", ")));
    } else if (first.result != SessionResult::Succeeded) {
        QString line = QString("%1: %2").arg(device, ResultWords(first, wrote, verified));
        if (first.result == SessionResult::BandMismatch)
            line =
                QString(
                    "%1: the radio is %2 MHz, the image is for %3-%4 MHz; nothing written "
                    "(--force writes anyway).")
                    .arg(device,
                         first.band ? QString("%1-%2").arg(first.band->lower).arg(first.band->upper)
                                    : QString("?"))
                    .arg(image.bandLowerMHz)
                    .arg(image.bandUpperMHz);
        if (first.result == SessionResult::PortNotOpened) line += ": " + WhyNotOpened(device);
        if (wrote && first.result != SessionResult::BandMismatch) {
            QStringList names;
            for (RadioArea area : first.written)
                names << QString::fromUtf8(AreaName(area).data(),
                                           static_cast<int>(AreaName(area).size()));
            line += "; areas written: " + (names.isEmpty() ? "none" : names.join(','));
        }
        Say(stderr, line);
    }
    for (const ByteDifference& d : first.differences)
        if (options.command != CliCommand::Clone) Say(out, DifferenceLine(d));

    if (first.result == SessionResult::Succeeded) {
        switch (options.command) {
            case CliCommand::Identify:
                Say(out,
                    QString("%1  %2  family %3")
                        .arg(device, BandWords(first),
                             QString("%1").arg(first.band->family, 2, 16, QChar('0')).toUpper()));
                break;
            case CliCommand::Read: {
                const RadioImage read = ImageOfRead(
                    first, std::string("orvex-cli ") + std::string(kProgramVersion),
                    QDateTime::currentDateTimeUtc().toString("yyyy-MM-ddTHH:mm:ssZ").toStdString());
                if (!SaveImageFile(options.output, read, &error)) {
                    Say(stderr, error);
                    status = 1;
                    break;
                }
                Say(out, QString("%1  %2  %3 areas read into %4")
                             .arg(device, BandWords(first))
                             .arg(first.read.size())
                             .arg(options.output));
                break;
            }
            case CliCommand::Write:
            case CliCommand::Verify:
                Say(out, RadioLine(device, first, wrote, verified));
                break;
            default:
                break;
        }
    }

    if (options.json) {
        QJsonObject summary{
            {"command", CommandName(options.command)}, {"radios", radios}, {"exitStatus", status}};
        if (options.command == CliCommand::Read && status == 0) summary["output"] = options.output;
        std::fprintf(stdout, "%s",
                     QJsonDocument(summary).toJson(QJsonDocument::Indented).constData());
        std::fflush(stdout);
    }
    return status;
}

}  // namespace orvex
