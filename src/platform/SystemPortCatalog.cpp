#include "platform/SystemPortCatalog.h"

#include <QSerialPortInfo>

namespace orvex {

ComAssignment SystemComPorts(const std::vector<std::string>& namedDevices) {
#ifdef Q_OS_WIN
    ComAssignment com;
    for (int n = 1; n <= 8; ++n)
        com[static_cast<size_t>(n)] = "COM" + std::to_string(n);
    // Named devices still take the highest numbers they can.
    int next = 8;
    for (const auto& device : namedDevices)
        if (next >= 1) com[static_cast<size_t>(next--)] = device;
    return com;
#else
    std::vector<std::string> system;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        system.push_back(info.systemLocation().toStdString());
    return AssignComPorts(system, namedDevices);
#endif
}

}  // namespace orvex
