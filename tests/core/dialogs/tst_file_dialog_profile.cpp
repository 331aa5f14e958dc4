#include <QtTest>

#include "core/dialogs/FileDialogProfile.h"

using namespace orvex;

Q_DECLARE_METATYPE(orvex::FileDialogKind)
Q_DECLARE_METATYPE(orvex::FileRequest)

namespace {

QString Text(const Bilingual& text, int flag) {
    return QString::fromStdString(text.str(flag));
}

constexpr int kEnglish = 0;
constexpr int kChinese = -1;

}  // namespace

class FileDialogProfileTest : public QObject {
    Q_OBJECT

  private slots:
    void identity_data() {
        QTest::addColumn<FileDialogKind>("kind");
        QTest::addColumn<QString>("systemName");
        QTest::addColumn<FileRequest>("request");
        QTest::newRow("open menu")
            << FileDialogKind::OpenMenu << "Form_open_menu" << FileRequest::Load;
        QTest::newRow("save menu")
            << FileDialogKind::SaveMenu << "Form_save_menu" << FileRequest::Save;
        QTest::newRow("open chann")
            << FileDialogKind::OpenChann << "Form_open_chann" << FileRequest::Load;
        QTest::newRow("save chann")
            << FileDialogKind::SaveChann << "Form_save_chann" << FileRequest::Save;
    }
    void identity() {
        QFETCH(FileDialogKind, kind);
        QFETCH(QString, systemName);
        QFETCH(FileRequest, request);
        const FileDialogProfile& profile = ProfileOf(kind);
        QCOMPARE(QString::fromStdString(std::string(profile.systemName)), systemName);
        QCOMPARE(profile.request, request);
    }

    // Every text of every dialog, byte for byte, in both languages.
    void texts_data() {
        QTest::addColumn<FileDialogKind>("kind");
        QTest::addColumn<int>("flag");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("nameLabel");
        QTest::addColumn<QString>("forbidden");
        QTest::addColumn<QString>("wrongSuffix");

        QTest::newRow("open menu, chinese")
            << FileDialogKind::OpenMenu << kChinese << "打开可选参数文件"
            << "打开文件名："
            << "打开系统参数文件名无效 "
            << "无效的系统参数文件后缀名！";
        QTest::newRow("open menu, english")
            << FileDialogKind::OpenMenu << kEnglish << "Open Optional File"
            << "Open File:"
            << "Open the file name of system parameter is nullity. "
            << "Nullity file suffix name of system parameter.";
        QTest::newRow("save menu, chinese")
            << FileDialogKind::SaveMenu << kChinese << "保存可选参数文件"
            << "保存文件名："
            << "保存系统参数所需要的文件名无效 "
            << "建议不要修改系统默认的文件后缀名！";
        QTest::newRow("save menu, english")
            << FileDialogKind::SaveMenu << kEnglish << "Save Optional File "
            << "Save File:"
            << "Store the file name of system parameter need is nullity."
            << "Advice don't modify file suffix name of system default.";
        QTest::newRow("open chann, chinese")
            << FileDialogKind::OpenChann << kChinese << "打开信道参数文件"
            << "打开文件名："
            << "打开信道参数文件名无效 "
            << "无效的信道参数文件后缀名！";
        QTest::newRow("open chann, english")
            << FileDialogKind::OpenChann << kEnglish << "Open Channcle File"
            << "Open File:"
            << "Open the file name of channel parameter is nullity "
            << "Nullity file suffix name of channel parameter.";
        QTest::newRow("save chann, chinese")
            << FileDialogKind::SaveChann << kChinese << "保存信道参数文件"
            << "保存文件名："
            << "保存信道参数所需要的文件名无效 "
            << "建议不要修改系统默认的文件后缀名！";
        QTest::newRow("save chann, english")
            << FileDialogKind::SaveChann << kEnglish << "Save Channel File"
            << "Save File:"
            << "Store the file name of channel parameter need is nullity. "
            << "Advice don't modify file suffix name of system default ！";
    }
    void texts() {
        QFETCH(FileDialogKind, kind);
        QFETCH(int, flag);
        QFETCH(QString, caption);
        QFETCH(QString, nameLabel);
        QFETCH(QString, forbidden);
        QFETCH(QString, wrongSuffix);
        const FileDialogProfile& profile = ProfileOf(kind);
        const bool chinese = flag != 0;
        QCOMPARE(Text(profile.caption, flag), caption);
        QCOMPARE(Text(profile.nameLabel, flag), nameLabel);
        QCOMPARE(Text(profile.driveLabel, flag), chinese ? "驱动器：" : "Drive:");
        QCOMPARE(Text(profile.confirmCaption, flag), chinese ? "确  定" : "Confirm");
        QCOMPARE(Text(profile.cancelCaption, flag), chinese ? "取  消" : "Cancel");
        QCOMPARE(Text(profile.forbiddenCharacterMessage, flag), forbidden);
        QCOMPARE(Text(profile.wrongSuffixMessage, flag), wrongSuffix);
        QCOMPARE(Text(kFileDialogPromptTitle, flag), chinese ? "操作提示" : "Operate prompt");
    }
};

QTEST_APPLESS_MAIN(FileDialogProfileTest)
#include "tst_file_dialog_profile.moc"
