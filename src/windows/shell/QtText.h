#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace orvex {

// Texts live as UTF-8 in the core; controls take QString.
inline QString qt(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
inline std::string utf8(const QString& text) {
    return text.toStdString();
}

}  // namespace orvex
