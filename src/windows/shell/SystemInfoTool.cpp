#include "windows/shell/SystemInfoTool.h"

#include <QProcess>
#include <QStandardPaths>

namespace orvex {

std::vector<SystemInfoTool> SystemInfoTools() {
#if defined(Q_OS_WIN)
    // Windows' own System Information lives in the system folder, which is on PATH.
    return {{QStringLiteral("msinfo32"), {}}};
#elif defined(Q_OS_MACOS)
    return {{QStringLiteral("open"),
             {QStringLiteral("-b"), QStringLiteral("com.apple.SystemProfiler")}}};
#else
    // Full system profilers that work on any desktop come first, as they show what Windows'
    // System Information shows (system, hardware, devices); then the desktops' own
    // information pages, KDE's before GNOME's, whose command line names a panel that newer
    // versions may open only as their overview; last lshw-gtk, which shows hardware only and
    // little of it without root.
    return {
        {QStringLiteral("hardinfo2"), {}},
        {QStringLiteral("hardinfo"), {}},
        {QStringLiteral("kinfocenter"), {}},
        {QStringLiteral("gnome-control-center"), {QStringLiteral("info-overview")}},
        {QStringLiteral("lshw-gtk"), {}},
    };
#endif
}

SystemInfoLauncher SystemLauncher() {
    return {
        [](const QString& program) { return QStandardPaths::findExecutable(program); },
        [](const QString& path, const QStringList& arguments) {
            return QProcess::startDetached(path, arguments);
        },
    };
}

bool StartSysInfo(const SystemInfoLauncher& launcher, const std::vector<SystemInfoTool>& tools) {
    if (!launcher.find || !launcher.start) return false;
    for (const SystemInfoTool& tool : tools) {
        const QString path = launcher.find(tool.program);
        if (!path.isEmpty()) return launcher.start(path, tool.arguments);
    }
    return false;
}

}  // namespace orvex
