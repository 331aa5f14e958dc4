#include "core/link/PortCatalog.h"

#include <algorithm>
#include <cctype>

namespace orvex {

namespace {

std::string BaseName(const std::string& device) {
    const auto slash = device.find_last_of("/\\");
    return slash == std::string::npos ? device : device.substr(slash + 1);
}

}  // namespace

bool IsUsbSerialName(const std::string& device) {
    const std::string name = BaseName(device);
    for (const char* prefix : {"ttyUSB", "ttyACM", "cu.usbserial", "cu.usbmodem", "cu.SLAB",
                               "cu.wchusbserial", "tty.usbserial", "tty.usbmodem"}) {
        if (name.rfind(prefix, 0) == 0) return true;
    }
    return false;
}

bool NaturalLess(const std::string& a, const std::string& b) {
    size_t i = 0;
    size_t j = 0;
    const auto digit = [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; };
    while (i < a.size() && j < b.size()) {
        if (digit(a[i]) && digit(b[j])) {
            size_t ei = i;
            size_t ej = j;
            while (ei < a.size() && digit(a[ei]))
                ++ei;
            while (ej < b.size() && digit(b[ej]))
                ++ej;
            // Compare the runs as numbers: skip leading zeros, then longer is larger.
            size_t si = a.find_first_not_of('0', i);
            size_t sj = b.find_first_not_of('0', j);
            si = (si == std::string::npos || si > ei) ? ei : si;
            sj = (sj == std::string::npos || sj > ej) ? ej : sj;
            const auto runA = std::string_view(a).substr(si, ei - si);
            const auto runB = std::string_view(b).substr(sj, ej - sj);
            if (runA.size() != runB.size()) return runA.size() < runB.size();
            if (runA != runB) return runA < runB;
            i = ei;
            j = ej;
        } else {
            if (a[i] != b[j]) return a[i] < b[j];
            ++i;
            ++j;
        }
    }
    return a.size() - i < b.size() - j;
}

ComAssignment AssignComPorts(const std::vector<std::string>& systemDevices,
                             const std::vector<std::string>& namedDevices) {
    ComAssignment com;
    int next = 8;
    for (const auto& device : namedDevices) {
        if (next < 1) break;
        if (std::find(com.begin(), com.end(), device) != com.end()) continue;
        com[static_cast<size_t>(next--)] = device;
    }

    std::vector<std::string> others;
    for (const auto& device : systemDevices) {
        if (std::find(com.begin(), com.end(), device) == com.end() &&
            std::find(others.begin(), others.end(), device) == others.end())
            others.push_back(device);
    }
    std::stable_sort(others.begin(), others.end(), [](const std::string& a, const std::string& b) {
        const bool usbA = IsUsbSerialName(a);
        const bool usbB = IsUsbSerialName(b);
        if (usbA != usbB) return usbA;
        return NaturalLess(BaseName(a), BaseName(b));
    });

    size_t n = 1;
    for (const auto& device : others) {
        while (n <= 8 && !com[n].empty())
            ++n;
        if (n > 8) break;
        com[n++] = device;
    }
    return com;
}

}  // namespace orvex
