#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

#include "DialogHarness.h"
#include "windows/dialogs/DriveDirectory.h"

using namespace orvex;
using orvex::test::DialogHarness;

Q_DECLARE_METATYPE(orvex::FileDialogKind)

namespace {

bool MakeFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write("0\n") == 2;
}

}  // namespace

// The drive, directory and file lists. Each test runs in a scratch working directory:
//   home.chann HOME2.CHANN home.menu Home3.Menu notes.txt chann home.chann.bak
//   folder.chann/            (a directory, never a file list entry)
//   other/ far.chann far.menu readme.txt
class FileDialogListsTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        scratch = std::make_unique<QTemporaryDir>();
        QVERIFY(scratch->isValid());
        const QDir root(scratch->path());
        for (const char* name : {"home.chann", "HOME2.CHANN", "home.menu", "Home3.Menu",
                                 "notes.txt", "chann", "home.chann.bak"}) {
            QVERIFY(MakeFile(root.filePath(QString::fromLatin1(name))));
        }
        QVERIFY(root.mkdir("folder.chann"));
        QVERIFY(root.mkdir("other"));
        for (const char* name : {"far.chann", "far.menu", "readme.txt"}) {
            QVERIFY(MakeFile(root.filePath(QStringLiteral("other/") + QString::fromLatin1(name))));
        }
        previousDirectory = QDir::currentPath();
        QVERIFY(QDir::setCurrent(scratch->path()));
        working = QDir::currentPath();
        other = QDir(working).filePath("other");
        h = std::make_unique<DialogHarness>();
    }
    void cleanup() {
        h->closeAll();
        h.reset();
        QDir::setCurrent(previousDirectory);
        scratch.reset();
    }

    void fileListShowsOnlyTheSuffix_data() {
        QTest::addColumn<FileDialogKind>("kind");
        QTest::addColumn<QStringList>("files");
        const QStringList chann{"home.chann", "HOME2.CHANN"};
        const QStringList menu{"home.menu", "Home3.Menu"};
        QTest::newRow("open chann") << FileDialogKind::OpenChann << chann;
        QTest::newRow("save chann") << FileDialogKind::SaveChann << chann;
        QTest::newRow("open menu") << FileDialogKind::OpenMenu << menu;
        QTest::newRow("save menu") << FileDialogKind::SaveMenu << menu;
    }
    void fileListShowsOnlyTheSuffix() {
        QFETCH(FileDialogKind, kind);
        QFETCH(QStringList, files);
        const QPointer<FileDialog> dialog = h->open(kind);
        QCOMPARE(DialogHarness::itemTexts(DialogHarness::fileList(dialog)), files);
    }

    void startsInTheWorkingDirectory() {
        const QPointer<FileDialog> dialog = h->open(FileDialogKind::OpenChann);

        QCOMPARE(DialogHarness::currentDirectory(dialog), working);
        for (QDir up(working); !up.isRoot() && up.cdUp();) {
            QVERIFY2(DialogHarness::directoryEntry(dialog, up.absolutePath()),
                     qPrintable(up.absolutePath()));
        }
        QVERIFY(DialogHarness::directoryEntry(dialog, other));
        QVERIFY(DialogHarness::directoryEntry(dialog, QDir(working).filePath("folder.chann")));

        const QComboBox* drives = DialogHarness::driveList(dialog);
        QStringList expected;
        for (const QFileInfo& drive : QDir::drives())
            expected << drive.absoluteFilePath();
        QStringList listed;
        for (int i = 0; i < drives->count(); ++i)
            listed << drives->itemData(i).toString();
        QCOMPARE(listed, expected);
        QVERIFY(drives->currentIndex() >= 0);
        QVERIFY(IsOnDrive(drives->currentData().toString(), working));
    }

    void pickingAFileInAnotherDirectoryStoresItsBareName() {
        const QPointer<FileDialog> dialog = h->open(FileDialogKind::OpenChann);
        QListWidget* directories = DialogHarness::directoryList(dialog);
        QListWidget* files = DialogHarness::fileList(dialog);

        DialogHarness::doubleClick(directories, DialogHarness::directoryEntry(dialog, other));
        QCOMPARE(DialogHarness::currentDirectory(dialog), other);
        QCOMPARE(DialogHarness::itemTexts(files), QStringList{"far.chann"});

        DialogHarness::click(files, files->item(0));
        QCOMPARE(DialogHarness::nameBox(dialog)->text(), QString("far.chann"));
        DialogHarness::type(dialog, "changed my mind");
        DialogHarness::click(files, files->item(0));
        QCOMPARE(DialogHarness::nameBox(dialog)->text(), QString("far.chann"));

        DialogHarness::confirm(dialog);
        QVERIFY(DialogHarness::isClosed(dialog));
        QCOMPARE(QString::fromStdString(h->state.fileRequests.filePath()), QString("far.chann"));
        QVERIFY(h->state.fileRequests.isPending(FileRequest::Load, h->editorId));
        QCOMPARE(QDir::currentPath(), working);
    }

    void pickingAFileByKeyboard() {
        const QPointer<FileDialog> dialog = h->open(FileDialogKind::SaveMenu);
        QListWidget* files = DialogHarness::fileList(dialog);
        files->setFocus();
        QTest::keyClick(files, Qt::Key_Down);
        QTest::keyClick(files, Qt::Key_End);

        QCOMPARE(files->selectedItems().size(), 1);
        QCOMPARE(DialogHarness::nameBox(dialog)->text(), QString("Home3.Menu"));
    }

    void directoryListGoesUpAndDown() {
        const QPointer<FileDialog> dialog = h->open(FileDialogKind::OpenMenu);
        QListWidget* directories = DialogHarness::directoryList(dialog);

        DialogHarness::doubleClick(directories, DialogHarness::directoryEntry(dialog, other));
        QCOMPARE(DialogHarness::itemTexts(DialogHarness::fileList(dialog)),
                 QStringList{"far.menu"});
        QVERIFY2(DialogHarness::directoryEntry(dialog, working), "the parent stays listed");

        DialogHarness::doubleClick(directories, DialogHarness::directoryEntry(dialog, working));
        QCOMPARE(DialogHarness::currentDirectory(dialog), working);
        QCOMPARE(DialogHarness::itemTexts(DialogHarness::fileList(dialog)),
                 (QStringList{"home.menu", "Home3.Menu"}));

        const QString root = QDir(working).rootPath();
        DialogHarness::doubleClick(directories, DialogHarness::directoryEntry(dialog, root));
        QCOMPARE(DialogHarness::currentDirectory(dialog), root);
        QCOMPARE(directories->item(0)->data(Qt::UserRole).toString(), root);
        QVERIFY(DialogHarness::directoryEntry(dialog, other) == nullptr);
    }

    void choosingTheDriveShowsItsDirectory() {
        const QPointer<FileDialog> dialog = h->open(FileDialogKind::SaveChann);
        QComboBox* drives = DialogHarness::driveList(dialog);
        const int workingDrive = drives->currentIndex();
        DialogHarness::doubleClick(DialogHarness::directoryList(dialog),
                                   DialogHarness::directoryEntry(dialog, other));
        QCOMPARE(DialogHarness::currentDirectory(dialog), other);

        drives->setCurrentIndex(-1);
        drives->setCurrentIndex(workingDrive);

        QCOMPARE(DialogHarness::currentDirectory(dialog), working);
        QCOMPARE(DialogHarness::itemTexts(DialogHarness::fileList(dialog)),
                 (QStringList{"home.chann", "HOME2.CHANN"}));
    }

    void driveDirectory_data() {
        QTest::addColumn<QString>("drive");
        QTest::addColumn<QString>("workingDirectory");
        QTest::addColumn<QString>("shown");
        QTest::newRow("working directory on the drive") << "C:/"
                                                        << "C:/work/radio"
                                                        << "C:/work/radio";
        QTest::newRow("drive letter case") << "c:/"
                                           << "C:/work"
                                           << "C:/work";
        QTest::newRow("another drive") << "D:/"
                                       << "C:/work"
                                       << "D:/";
        QTest::newRow("working directory is the root") << "C:/"
                                                       << "C:/"
                                                       << "C:/";
        QTest::newRow("unix root") << "/"
                                   << "/home/user/radio"
                                   << "/home/user/radio";
        QTest::newRow("network share") << "C:/"
                                       << "//server/share/radio"
                                       << "C:/";
    }
    void driveDirectory() {
        QFETCH(QString, drive);
        QFETCH(QString, workingDirectory);
        QFETCH(QString, shown);
        QCOMPARE(DriveDirectory(drive, workingDirectory), shown);
    }

  private:
    std::unique_ptr<QTemporaryDir> scratch;
    std::unique_ptr<DialogHarness> h;
    QString previousDirectory;
    QString working;
    QString other;
};

QTEST_MAIN(FileDialogListsTest)
#include "tst_file_dialog_lists.moc"
