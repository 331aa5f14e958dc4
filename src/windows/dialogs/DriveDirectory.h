#pragma once

#include <QString>

namespace orvex {

// The directory a drive list shows for a chosen drive: the working directory when it lies
// on that drive, otherwise the drive's root. Paths use '/' separators.
QString DriveDirectory(const QString& drive, const QString& workingDirectory);

// True when `path` lies on `drive` ("C:/" holds "c:/work"; "/" holds every absolute path).
bool IsOnDrive(const QString& drive, const QString& path);

}  // namespace orvex
