#include "cli/CliReport.h"

#include <QJsonArray>

namespace orvex {

namespace {

QString Hex(int value, int digits) {
    return QString("%1").arg(value, digits, 16, QChar('0')).toUpper();
}

QString Name(RadioArea area) {
    const std::string_view name = AreaName(area);
    return QString::fromUtf8(name.data(), static_cast<int>(name.size()));
}

QString ResultKey(SessionResult result) {
    switch (result) {
        case SessionResult::Succeeded:
            return "succeeded";
        case SessionResult::NoAnswer:
            return "no-answer";
        case SessionResult::PortFailed:
            return "port-failed";
        case SessionResult::PortNotOpened:
            return "port-not-opened";
        case SessionResult::BandMismatch:
            return "band-mismatch";
        case SessionResult::RadioChanged:
            return "radio-changed";
        case SessionResult::VerifyFailed:
            return "verify-failed";
        case SessionResult::Interrupted:
            return "interrupted";
        case SessionResult::AreaMissing:
            return "area-missing";
    }
    return "unknown";
}

}  // namespace

QString ResultWords(const SessionReport& report, bool wrote, bool verified) {
    QString area;
    if (report.failedArea) area = " (" + Name(*report.failedArea) + ")";
    switch (report.result) {
        case SessionResult::Succeeded:
            if (wrote) return verified ? "written and verified" : "written";
            return verified ? "verified" : "read";
        case SessionResult::NoAnswer:
            return "did not answer" + area;
        case SessionResult::PortFailed:
            return "port failed" + area;
        case SessionResult::PortNotOpened:
            return "port did not open";
        case SessionResult::BandMismatch:
            return "band mismatch, nothing written";
        case SessionResult::RadioChanged:
            return "another radio answered" + area;
        case SessionResult::VerifyFailed:
            return QString("did not verify (%1 bytes differ)").arg(report.differences.size());
        case SessionResult::Interrupted:
            return "interrupted";
        case SessionResult::AreaMissing:
            return "image lacks an area";
    }
    return {};
}

QString BandWords(const SessionReport& report) {
    if (!report.band) return "unknown band";
    return QString("%1-%2 MHz").arg(report.band->lower).arg(report.band->upper);
}

QString DifferenceLine(const ByteDifference& d) {
    return QString("%1: image %2, radio %3")
        .arg(Hex(d.address, 4), Hex(d.expected, 2), Hex(d.actual, 2));
}

QString RadioLine(const QString& port, const SessionReport& report, bool wrote, bool verified) {
    const double seconds = static_cast<double>(report.elapsed.count()) / 1e6;
    return QString("%1  %2  %3  %4 s")
        .arg(port, -16)
        .arg(BandWords(report), -12)
        .arg(ResultWords(report, wrote, verified), -32)
        .arg(seconds, 0, 'f', 1);
}

QJsonObject RadioJson(const QString& port, const SessionReport& report, bool wrote, bool verified) {
    QJsonObject radio;
    radio["port"] = port;
    radio["result"] = ResultKey(report.result);
    radio["description"] = ResultWords(report, wrote, verified);
    if (report.band) {
        radio["bandLowerMHz"] = report.band->lower;
        radio["bandUpperMHz"] = report.band->upper;
        radio["family"] = Hex(report.band->family, 2);
    }
    QJsonArray written;
    for (RadioArea area : report.written)
        written.append(Name(area));
    radio["written"] = written;
    QJsonArray read;
    for (const auto& entry : report.read)
        read.append(Name(entry.first));
    radio["read"] = read;
    QJsonArray differences;
    for (const ByteDifference& d : report.differences)
        differences.append(QJsonObject{{"address", Hex(d.address, 4)},
                                       {"image", Hex(d.expected, 2)},
                                       {"radio", Hex(d.actual, 2)}});
    radio["differences"] = differences;
    if (report.failedArea) radio["failedArea"] = Name(*report.failedArea);
    if (!report.message.empty()) radio["message"] = QString::fromStdString(report.message);
    radio["seconds"] = static_cast<double>(report.elapsed.count()) / 1e6;
    return radio;
}

int ExitStatusOf(SessionResult result) {
    switch (result) {
        case SessionResult::Succeeded:
            return 0;
        case SessionResult::BandMismatch:
            return 3;
        case SessionResult::AreaMissing:
            return 1;
        default:
            return 2;
    }
}

}  // namespace orvex
