#pragma once

#include <QByteArray>
#include <QString>

namespace orvex {

// Files larger than this are refused by ReadWholeFile; parameter files are a few kilobytes.
inline constexpr qint64 kMaxReadFileBytes = 16 * 1024 * 1024;

// Writes `bytes` to a temporary file next to `path` and puts it in place of the old file
// only once every byte has been written and flushed. On any failure the old file is left
// as it was, false is returned and `error` (when given) says why, in the language of
// `languageFlag` (0 English, anything else Chinese).
bool WriteFileSafely(const QString& path, const QByteArray& bytes, QString* error,
                     int languageFlag = 0);

// Reads the whole file into `bytes`. Fails, with a reason in `error`, when the file cannot
// be opened or read or is larger than kMaxReadFileBytes.
bool ReadWholeFile(const QString& path, QByteArray* bytes, QString* error, int languageFlag = 0);

}  // namespace orvex
