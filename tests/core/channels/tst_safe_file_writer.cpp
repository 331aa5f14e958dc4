#include <QtTest>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/files/SafeFileWriter.h"

#ifdef Q_OS_LINUX
#include <sys/mount.h>
#include <unistd.h>
#endif

using namespace orvex;

namespace {

QByteArray Contents(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return "<cannot open>";
    return file.readAll();
}

void Put(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QStringList Entries(const QString& dir) {
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

}  // namespace

class SafeFileWriterTest : public QObject {
    Q_OBJECT

  private slots:
    void writesANewFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath("new.chann");
        QString error;
        QVERIFY(WriteFileSafely(path, " 16 \r\n", &error));
        QVERIFY(error.isEmpty());
        QCOMPARE(Contents(path), QByteArray(" 16 \r\n"));
        QCOMPARE(Entries(dir.path()), QStringList{"new.chann"});
    }

    void replacesAnOldFileCompletely() {
        QTemporaryDir dir;
        const QString path = dir.filePath("set.chann");
        Put(path, QByteArray(1000, 'o'));
        QVERIFY(WriteFileSafely(path, "short", nullptr));
        QCOMPARE(Contents(path), QByteArray("short"));
        QCOMPARE(Entries(dir.path()), QStringList{"set.chann"});
    }

    void writesAnEmptyFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath("empty.chann");
        Put(path, "old");
        QVERIFY(WriteFileSafely(path, QByteArray(), nullptr));
        QCOMPARE(Contents(path), QByteArray());
    }

    void failedWritesKeepWhatWasThere_data() {
        QTest::addColumn<QString>("target");
        QTest::newRow("folder that does not exist") << "missing/set.chann";
        QTest::newRow("path is a folder") << "folder";
    }
    void failedWritesKeepWhatWasThere() {
        QFETCH(QString, target);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("folder"));
        Put(dir.filePath("folder/inside"), "kept");
        Put(dir.filePath("other.chann"), "untouched");
        const QStringList before = Entries(dir.path());

        for (const int languageFlag : {0, -1}) {
            QString error;
            QVERIFY(!WriteFileSafely(dir.filePath(target), "new", &error, languageFlag));
            QVERIFY2(error.contains(target), qPrintable(error));
            QVERIFY2(error.startsWith(languageFlag == 0 ? "Cannot" : "无法"), qPrintable(error));
        }
        QCOMPARE(Entries(dir.path()), before);
        QCOMPARE(Contents(dir.filePath("folder/inside")), QByteArray("kept"));
        QCOMPARE(Contents(dir.filePath("other.chann")), QByteArray("untouched"));
    }

    // A full disk: the new file is cut short, and the old one must survive. Needs a small
    // file system of its own, which only root can mount. A small payload stays in the
    // file's buffer until it is flushed; a large one fails while it is written.
    void fullDiskKeepsTheOldFile_data() {
        QTest::addColumn<int>("size");
        QTest::newRow("fails on flush") << 14 * 1024;
        QTest::newRow("fails while writing") << 256 * 1024;
    }
    void fullDiskKeepsTheOldFile() {
        QFETCH(int, size);
#ifdef Q_OS_LINUX
        if (geteuid() != 0) QSKIP("mounting a small file system needs root");
        QTemporaryDir dir;
        const QByteArray mountPoint = QFile::encodeName(dir.path());
        if (mount("tmpfs", mountPoint.constData(), "tmpfs", 0, "size=16k") != 0)
            QSKIP("cannot mount a tmpfs here");
        const auto unmount = qScopeGuard([&] { umount2(mountPoint.constData(), MNT_DETACH); });

        const QString path = dir.filePath("set.chann");
        const QByteArray old(3000, 'o');  // together with either payload, over 16 KiB
        QVERIFY(WriteFileSafely(path, old, nullptr));

        QString error;
        QVERIFY(!WriteFileSafely(path, QByteArray(size, 'n'), &error));
        QVERIFY2(error.contains("set.chann"), qPrintable(error));
        QCOMPARE(Contents(path), old);
        QCOMPARE(Entries(dir.path()), QStringList{"set.chann"});
#else
        QSKIP("needs Linux");
#endif
    }

    void readsAWholeFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath("set.chann");
        QByteArray bytes(70000, '\0');
        for (qsizetype i = 0; i < bytes.size(); ++i)
            bytes[i] = static_cast<char>(i * 31);
        Put(path, bytes);
        QByteArray read = "stale";
        QString error;
        QVERIFY(ReadWholeFile(path, &read, &error));
        QCOMPARE(read, bytes);
        QVERIFY(error.isEmpty());
    }

    void readFailures_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("reason");
        QTest::newRow("no such file") << "missing.chann"
                                      << "Cannot open";
        QTest::newRow("folder") << "folder"
                                << "Cannot open";
        QTest::newRow("too large") << "huge.chann"
                                   << "too large";
    }
    void readFailures() {
        QFETCH(QString, target);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("folder"));
        {
            // Sparse, so it takes no room on the disk.
            QFile huge(dir.filePath("huge.chann"));
            QVERIFY(huge.open(QIODevice::WriteOnly));
            QVERIFY(huge.resize(kMaxReadFileBytes + 1));
        }
        QByteArray read = "stale";
        QString error;
        QVERIFY(!ReadWholeFile(dir.filePath(target), &read, &error));
        QVERIFY2(error.contains(reason), qPrintable(error));
        QVERIFY2(error.contains(target), qPrintable(error));
        QCOMPARE(read, QByteArray("stale"));
    }

    void aFileAtTheLimitIsRead() {
        QTemporaryDir dir;
        QFile file(dir.filePath("limit.chann"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(kMaxReadFileBytes));
        file.close();
        QByteArray read;
        QVERIFY(ReadWholeFile(file.fileName(), &read, nullptr));
        QCOMPARE(read.size(), kMaxReadFileBytes);
    }
};

QTEST_APPLESS_MAIN(SafeFileWriterTest)
#include "tst_safe_file_writer.moc"
