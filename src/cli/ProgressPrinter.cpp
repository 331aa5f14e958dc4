#include "cli/ProgressPrinter.h"

namespace orvex {

namespace {

QString AreaWords(const SessionProgress& p) {
    if (!p.area) return "identifying";
    const std::string_view name = AreaName(*p.area);
    const QString area = QString::fromUtf8(name.data(), static_cast<int>(name.size()));
    return (p.mode == TransferMode::Write ? "writing " : "reading ") + area;
}

}  // namespace

ProgressPrinter::ProgressPrinter(std::FILE* out, bool terminal, const QStringList& ports)
    : out_(out), terminal_(terminal), ports_(ports) {
    for (int i = 0; i < ports_.size(); ++i)
        states_ << "waiting";
}

void ProgressPrinter::update(int radio, const SessionProgress& p) {
    if (radio < 0 || radio >= ports_.size()) return;
    if (!terminal_) {
        if (p.done && p.area) {
            const std::string_view name = AreaName(*p.area);
            std::fprintf(
                out_, "%s: %s %s (%d/%d)\n", qPrintable(ports_[radio]),
                QString::fromUtf8(name.data(), static_cast<int>(name.size())).toUtf8().constData(),
                p.mode == TransferMode::Write ? "written" : "read", p.step, p.steps);
            std::fflush(out_);
        }
        return;
    }
    const int bar = p.percent / 10;
    states_[radio] =
        QString("%1 [%2%3] %4 %5% (%6/%7)")
            .arg(ports_[radio], QString(bar, '#'), QString(10 - bar, '.'), AreaWords(p))
            .arg(p.percent)
            .arg(p.step)
            .arg(p.steps);
    redraw();
}

void ProgressPrinter::redraw() {
    const QString line = states_.join("  |  ");
    if (line == shown_) return;
    shown_ = line;
    std::fprintf(out_, "\r\033[K%s", qPrintable(line));
    std::fflush(out_);
}

void ProgressPrinter::finish() {
    if (terminal_ && !shown_.isEmpty()) {
        std::fprintf(out_, "\n");
        std::fflush(out_);
    }
    shown_.clear();
}

}  // namespace orvex
