#pragma once

#include <QString>
#include <optional>

#include "core/image/RadioImage.h"

namespace orvex {

// Reads and checks a whole image file; on any fault nullopt and a one-line reason naming the
// file (and the line, for a fault in its text).
std::optional<RadioImage> LoadImageFile(const QString& path, QString* error);

// Writes the image the safe way (a half-written file never replaces the old one).
bool SaveImageFile(const QString& path, const RadioImage& image, QString* error);

}  // namespace orvex
