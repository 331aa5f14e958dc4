#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <string_view>
#include <vector>

namespace orvex {

// Shown whenever no system-information tool can be started, in Chinese whatever the
// language.
inline constexpr std::string_view kSysInfoUnavailable = "此时系统信息不可用";

// A program that shows this machine's system information, and how to start it.
struct SystemInfoTool {
    QString program;
    QStringList arguments;
};

// How the About box finds and starts a tool: the program makes it look on PATH and start
// detached processes; a test decides what is installed and whether starting works.
struct SystemInfoLauncher {
    // The tool's full path, or empty when it is not installed.
    std::function<QString(const QString& program)> find;
    // True when the program started.
    std::function<bool(const QString& path, const QStringList& arguments)> start;
};

// The tools this platform may have, the preferred first.
std::vector<SystemInfoTool> SystemInfoTools();

// Looks on PATH and starts with QProcess::startDetached.
SystemInfoLauncher SystemLauncher();

// Starts the first of `tools` that is installed. False when none is, or when that one does
// not start (the next one is not tried: the user gets the message instead).
bool StartSysInfo(const SystemInfoLauncher& launcher, const std::vector<SystemInfoTool>& tools);

}  // namespace orvex
