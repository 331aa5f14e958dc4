#include "platform/files/SafeFileWriter.h"

#include <QFile>
#include <QSaveFile>

#include <utility>

#include "core/shell/Bilingual.h"

namespace orvex {

namespace {

// %1 is the file name, %2 the system's reason.
constexpr Bilingual kCannotCreate{"无法创建文件“%1”：%2。", "Cannot create the file \"%1\": %2."};
constexpr Bilingual kCannotWrite{"无法写入文件“%1”：%2。原来的文件保持不变。",
                                 "Cannot write the file \"%1\": %2. The old file is unchanged."};
constexpr Bilingual kCannotReplace{"无法保存文件“%1”：%2。原来的文件保持不变。",
                                   "Cannot save the file \"%1\": %2. The old file is unchanged."};
constexpr Bilingual kCannotOpen{"无法打开文件“%1”：%2。", "Cannot open the file \"%1\": %2."};
constexpr Bilingual kCannotRead{"无法读取文件“%1”：%2。", "Cannot read the file \"%1\": %2."};
constexpr Bilingual kTooLarge{"文件“%1”太大（超过 %2 MB），不是参数文件。",
                              "The file \"%1\" is too large (over %2 MB) to be a parameter file."};

bool Fail(QString* error, const Bilingual& text, int languageFlag, const QString& path,
          const QString& reason) {
    if (error != nullptr) {
        const std::string_view pattern = text.pick(languageFlag);
        *error = QString::fromUtf8(pattern.data(), static_cast<qsizetype>(pattern.size()))
                     .arg(path, reason);
    }
    return false;
}

// Writes everything, however many calls it takes; false as soon as a call writes nothing.
bool WriteAll(QSaveFile& file, const QByteArray& bytes) {
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0) return false;
        done += written;
    }
    return true;
}

}  // namespace

bool WriteFileSafely(const QString& path, const QByteArray& bytes, QString* error,
                     int languageFlag) {
    QSaveFile file(path);
    // Never fall back to writing straight into the old file.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return Fail(error, kCannotCreate, languageFlag, path, file.errorString());

    // commit() can report success after a write that failed part-way (a full disk), and
    // then replaces a good file with a truncated one. So every step is checked here, and
    // the temporary file is thrown away before commit() whenever one of them failed.
    const bool complete = WriteAll(file, bytes) && file.flush() &&
                          file.error() == QFileDevice::NoError && file.size() == bytes.size();
    if (!complete) {
        const QString reason = file.errorString();
        file.cancelWriting();
        file.commit();  // only removes the temporary file after cancelWriting()
        return Fail(error, kCannotWrite, languageFlag, path, reason);
    }
    if (!file.commit()) return Fail(error, kCannotReplace, languageFlag, path, file.errorString());
    return true;
}

bool ReadWholeFile(const QString& path, QByteArray* bytes, QString* error, int languageFlag) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Fail(error, kCannotOpen, languageFlag, path, file.errorString());
    const QString limitMb = QString::number(kMaxReadFileBytes / (1024 * 1024));
    if (!file.isSequential() && file.size() > kMaxReadFileBytes)
        return Fail(error, kTooLarge, languageFlag, path, limitMb);

    // A device without a size is read up to one byte past the limit, which tells a stream
    // that is too long from one that just fits. A file may have grown since its size was
    // checked, so the length is checked again below.
    QByteArray data = file.isSequential() ? file.read(kMaxReadFileBytes + 1) : file.readAll();
    if (file.error() != QFileDevice::NoError)
        return Fail(error, kCannotRead, languageFlag, path, file.errorString());
    if (data.size() > kMaxReadFileBytes) return Fail(error, kTooLarge, languageFlag, path, limitMb);
    if (bytes != nullptr) *bytes = std::move(data);
    return true;
}

}  // namespace orvex
