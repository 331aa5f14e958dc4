#include "cli/ImageCommands.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

#include "cli/ImageFiles.h"
#include "core/image/ImageDiff.h"
#include "core/image/ImageShow.h"

namespace orvex {

namespace {

constexpr int kEnglish = 0;

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

QString Area(RadioArea area) {
    const std::string_view name = AreaName(area);
    return QString::fromUtf8(name.data(), static_cast<int>(name.size()));
}

QString KindKey(DifferenceKind kind) {
    switch (kind) {
        case DifferenceKind::Header:
            return "header";
        case DifferenceKind::Setting:
            return "setting";
        case DifferenceKind::RawByte:
            return "byte";
        case DifferenceKind::OnlyInFirst:
            return "only-in-first";
        case DifferenceKind::OnlyInSecond:
            return "only-in-second";
    }
    return {};
}

QJsonObject ShowJson(const RadioImage& image, const DescribeContext& context) {
    QJsonObject areas;
    for (const auto& [area, bytes] : image.areas) {
        QJsonArray settings;
        for (const DescribedSetting& s : DescribeArea(area, bytes, context)) {
            QJsonObject setting{
                {"section", Text(s.section)}, {"name", Text(s.name)}, {"value", Text(s.value)}};
            if (!s.row.empty()) setting[Text(s.rowHeading)] = Text(s.row);
            settings.append(setting);
        }
        areas[Area(area)] = settings;
    }
    return {{"bandLowerMHz", image.bandLowerMHz},
            {"bandUpperMHz", image.bandUpperMHz},
            {"family", QString("%1").arg(image.familyByte, 2, 16, QChar('0')).toUpper()},
            {"programVersion", Text(image.programVersion)},
            {"time", Text(image.time)},
            {"areas", areas}};
}

QJsonObject DiffJson(const std::vector<SettingDifference>& differences) {
    QJsonArray list;
    for (const SettingDifference& d : differences) {
        QJsonObject entry{{"kind", KindKey(d.kind)},
                          {"section", Text(d.section)},
                          {"name", Text(d.name)},
                          {"first", Text(d.first)},
                          {"second", Text(d.second)}};
        if (d.kind != DifferenceKind::Header) entry["area"] = Area(d.area);
        if (!d.row.empty()) entry[Text(d.rowHeading)] = Text(d.row);
        list.append(entry);
    }
    return {{"same", differences.empty()}, {"differences", list}};
}

void Print(const QByteArray& text) {
    std::fwrite(text.constData(), 1, static_cast<std::size_t>(text.size()), stdout);
    std::fflush(stdout);
}

}  // namespace

int RunImageCommand(const CliOptions& options) {
    std::vector<RadioImage> images;
    for (const QString& file : options.files) {
        QString error;
        auto image = LoadImageFile(file, &error);
        if (!image) {
            std::fprintf(stderr, "%s\n", error.toUtf8().constData());
            return 1;
        }
        images.push_back(std::move(*image));
    }
    const DescribeContext context = StartupDescribeContext(kEnglish);
    if (options.command == CliCommand::Show) {
        if (options.json)
            Print(QJsonDocument(ShowJson(images.front(), context)).toJson());
        else
            Print(QByteArray::fromStdString(FormatImageShow(images.front(), context)));
        return 0;
    }
    const auto differences = DiffImages(images[0], images[1], context);
    if (options.json)
        Print(QJsonDocument(DiffJson(differences)).toJson());
    else
        Print(QByteArray::fromStdString(FormatImageDiff(differences, context)));
    return 0;
}

}  // namespace orvex
