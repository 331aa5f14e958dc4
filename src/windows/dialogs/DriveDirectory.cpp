#include "windows/dialogs/DriveDirectory.h"

namespace orvex {

namespace {

QString WithTrailingSlash(const QString& path) {
    return path.endsWith(u'/') ? path : path + u'/';
}

}  // namespace

bool IsOnDrive(const QString& drive, const QString& path) {
    // Drive letters are not case sensitive; "/" is the only drive elsewhere.
    return WithTrailingSlash(path).startsWith(WithTrailingSlash(drive), Qt::CaseInsensitive);
}

QString DriveDirectory(const QString& drive, const QString& workingDirectory) {
    return IsOnDrive(drive, workingDirectory) ? workingDirectory : drive;
}

}  // namespace orvex
