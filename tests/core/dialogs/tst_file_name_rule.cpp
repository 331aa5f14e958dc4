#include <QtTest>

#include "core/dialogs/FileNameRule.h"

using namespace orvex;

Q_DECLARE_METATYPE(orvex::FileDialogKind)
Q_DECLARE_METATYPE(orvex::NameCheck)

namespace {

constexpr auto OpenMenu = FileDialogKind::OpenMenu;
constexpr auto SaveMenu = FileDialogKind::SaveMenu;
constexpr auto OpenChann = FileDialogKind::OpenChann;
constexpr auto SaveChann = FileDialogKind::SaveChann;
constexpr auto Accepted = NameCheck::Accepted;
constexpr auto Forbidden = NameCheck::ForbiddenCharacter;
constexpr auto WrongSuffix = NameCheck::WrongSuffix;

}  // namespace

class FileNameRuleTest : public QObject {
    Q_OBJECT

  private slots:
    void suffixAndPattern_data() {
        QTest::addColumn<FileDialogKind>("kind");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QString>("pattern");
        QTest::newRow("open menu") << OpenMenu << ".menu"
                                   << "*.menu";
        QTest::newRow("save menu") << SaveMenu << ".menu"
                                   << "*.menu";
        QTest::newRow("open chann") << OpenChann << ".chann"
                                    << "*.chann";
        QTest::newRow("save chann") << SaveChann << ".chann"
                                    << "*.chann";
    }
    void suffixAndPattern() {
        QFETCH(FileDialogKind, kind);
        QFETCH(QString, suffix);
        QFETCH(QString, pattern);
        QCOMPARE(QString::fromStdString(std::string(DialogSuffix(kind))), suffix);
        QCOMPARE(QString::fromStdString(DialogPattern(kind)), pattern);
    }

    void checkName_data() {
        QTest::addColumn<FileDialogKind>("kind");
        QTest::addColumn<QString>("name");
        QTest::addColumn<NameCheck>("expected");

        // The name box's initial text and every forbidden character.
        QTest::newRow("initial pattern, chann") << OpenChann << "*.chann" << Forbidden;
        QTest::newRow("initial pattern, menu") << SaveMenu << "*.menu" << Forbidden;
        QTest::newRow("dollar") << OpenMenu << "$x.menu" << Forbidden;
        QTest::newRow("hash alone before suffix") << OpenMenu << "#.menu" << Forbidden;
        QTest::newRow("drive and directory") << OpenChann << "d:\\radio.chann" << Forbidden;
        QTest::newRow("relative directory") << SaveChann << "a/b.chann" << Forbidden;
        QTest::newRow("star in the middle") << SaveChann << "ra*dio.chann" << Forbidden;
        QTest::newRow("forbidden beats wrong suffix") << OpenChann << "x#y" << Forbidden;
        QTest::newRow("forbidden inside blanks") << OpenMenu << "  /  " << Forbidden;

        // The suffix, exactly in lower or upper case.
        QTest::newRow("lower case") << OpenChann << "radio.chann" << Accepted;
        QTest::newRow("upper case") << OpenChann << "RADIO.CHANN" << Accepted;
        QTest::newRow("upper suffix, lower stem") << SaveChann << "radio.CHANN" << Accepted;
        QTest::newRow("menu lower") << OpenMenu << "set.menu" << Accepted;
        QTest::newRow("menu upper") << SaveMenu << "SET.MENU" << Accepted;
        QTest::newRow("mixed case suffix") << OpenChann << "radio.Chann" << WrongSuffix;
        QTest::newRow("mixed case, last letter") << SaveChann << "radio.chanN" << WrongSuffix;
        QTest::newRow("mixed case menu") << OpenMenu << "set.Menu" << WrongSuffix;

        // Length and position of the suffix.
        QTest::newRow("one letter") << OpenChann << "x" << WrongSuffix;
        QTest::newRow("empty") << SaveMenu << "" << WrongSuffix;
        QTest::newRow("blanks only") << SaveChann << "     " << WrongSuffix;
        QTest::newRow("suffix without dot") << OpenChann << "radiochann" << WrongSuffix;
        QTest::newRow("suffix not at the end") << OpenChann << "radio.chann.bak" << WrongSuffix;
        QTest::newRow("suffix alone, chann") << OpenChann << ".chann" << Accepted;
        QTest::newRow("suffix alone, menu") << SaveMenu << ".MENU" << Accepted;
        QTest::newRow("shorter than the suffix") << OpenChann << "chann" << WrongSuffix;

        // Each kind wants its own suffix.
        QTest::newRow("menu name in open chann") << OpenChann << "radio.menu" << WrongSuffix;
        QTest::newRow("menu name in save chann") << SaveChann << "RADIO.MENU" << WrongSuffix;
        QTest::newRow("chann name in open menu") << OpenMenu << "radio.chann" << WrongSuffix;
        QTest::newRow("chann name in save menu") << SaveMenu << "radio.chann" << WrongSuffix;

        // Surrounding blanks do not count; inner ones do not matter.
        QTest::newRow("blanks around") << OpenChann << "  radio.chann   " << Accepted;
        QTest::newRow("blank inside") << SaveMenu << "my set.menu" << Accepted;
        QTest::newRow("blank before suffix") << OpenChann << "radio .chann" << Accepted;
        QTest::newRow("blank inside suffix") << OpenChann << "radio.ch ann" << WrongSuffix;
        QTest::newRow("tab is not a blank") << OpenChann << "radio.chann\t" << WrongSuffix;

        // Names beyond ASCII are checked byte for byte on their UTF-8 form.
        QTest::newRow("chinese stem") << SaveChann << "信道.chann" << Accepted;
        QTest::newRow("full-width star is allowed") << SaveChann << "＊.chann" << Accepted;
    }
    void checkName() {
        QFETCH(FileDialogKind, kind);
        QFETCH(QString, name);
        QFETCH(NameCheck, expected);
        QCOMPARE(CheckDialogName(kind, name.toStdString()), expected);
    }

    void trimRemovesOnlySurroundingBlanks_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("trimmed");
        QTest::newRow("none") << "radio.chann"
                              << "radio.chann";
        QTest::newRow("both sides") << "  radio.chann  "
                                    << "radio.chann";
        QTest::newRow("inner kept") << " my radio.chann"
                                    << "my radio.chann";
        QTest::newRow("blanks only") << "   "
                                     << "";
        QTest::newRow("empty") << ""
                               << "";
    }
    void trimRemovesOnlySurroundingBlanks() {
        QFETCH(QString, name);
        QFETCH(QString, trimmed);
        const std::string text = name.toStdString();
        QCOMPARE(QString::fromStdString(std::string(TrimDialogName(text))), trimmed);
    }
};

QTEST_APPLESS_MAIN(FileNameRuleTest)
#include "tst_file_name_rule.moc"
