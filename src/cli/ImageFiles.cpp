#include "cli/ImageFiles.h"

#include "platform/files/SafeFileWriter.h"

namespace orvex {

std::optional<RadioImage> LoadImageFile(const QString& path, QString* error) {
    QByteArray bytes;
    QString reason;
    if (!ReadWholeFile(path, &bytes, &reason)) {
        *error = QString("%1: %2").arg(path, reason);
        return std::nullopt;
    }
    RadioImageParse parsed = ParseRadioImage(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (const auto* fault = std::get_if<RadioImageError>(&parsed)) {
        *error =
            QString("%1: %2").arg(path, QString::fromStdString(RadioImageErrorText(*fault, 0)));
        return std::nullopt;
    }
    return std::get<RadioImage>(std::move(parsed));
}

bool SaveImageFile(const QString& path, const RadioImage& image, QString* error) {
    if (const auto fault = CheckRadioImage(image)) {
        *error = QString("%1: not written, the image would not load back: %2")
                     .arg(path, QString::fromStdString(RadioImageErrorText(*fault, 0)));
        return false;
    }
    const std::string text = FormatRadioImage(image);
    QString reason;
    if (!WriteFileSafely(path, QByteArray(text.data(), static_cast<qsizetype>(text.size())),
                         &reason)) {
        *error = QString("%1: %2").arg(path, reason);
        return false;
    }
    return true;
}

}  // namespace orvex
