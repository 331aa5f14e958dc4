#include <QtTest>

#include "core/dtmf/DtmfCodeCheck.h"

using namespace orvex;

Q_DECLARE_METATYPE(orvex::DtmfCheck)
Q_DECLARE_METATYPE(orvex::DtmfCode)

class DtmfCodeCheckTest : public QObject {
    Q_OBJECT

  private slots:
    void check_data() {
        QTest::addColumn<QByteArray>("text");  // UTF-8
        QTest::addColumn<DtmfCheck>("check");
        QTest::newRow("empty") << QByteArray("") << DtmfCheck::Passes;
        QTest::newRow("one digit") << QByteArray("0") << DtmfCheck::Passes;
        QTest::newRow("five digits") << QByteArray("12345") << DtmfCheck::Passes;
        QTest::newRow("every letter") << QByteArray("ABCD") << DtmfCheck::Passes;
        QTest::newRow("star and hash") << QByteArray("*#9") << DtmfCheck::Passes;
        QTest::newRow("default ANI") << QByteArray("A803") << DtmfCheck::Passes;

        QTest::newRow("six digits") << QByteArray("123456") << DtmfCheck::TooLong;
        QTest::newRow("five and a blank") << QByteArray("12345 ") << DtmfCheck::TooLong;
        QTest::newRow("six bad characters win as too long")
            << QByteArray("abcdef") << DtmfCheck::TooLong;
        QTest::newRow("six Chinese characters") << QByteArray("码码码码码码") << DtmfCheck::TooLong;
        QTest::newRow("six broken bytes")
            << QByteArray("\xFF\xFF\xFF\xFF\xFF\xFF") << DtmfCheck::TooLong;

        QTest::newRow("lower-case a") << QByteArray("a") << DtmfCheck::BadCharacter;
        QTest::newRow("lower-case d among digits") << QByteArray("12d") << DtmfCheck::BadCharacter;
        QTest::newRow("blank") << QByteArray(" ") << DtmfCheck::BadCharacter;
        QTest::newRow("E") << QByteArray("E") << DtmfCheck::BadCharacter;
        QTest::newRow("inner blank") << QByteArray("1 2") << DtmfCheck::BadCharacter;
        QTest::newRow("trailing blank") << QByteArray("1234 ") << DtmfCheck::BadCharacter;
        QTest::newRow("Chinese character") << QByteArray("码") << DtmfCheck::BadCharacter;
        // Fifteen bytes, but five characters: not too long.
        QTest::newRow("five Chinese characters")
            << QByteArray("码码码码码") << DtmfCheck::BadCharacter;
        QTest::newRow("full-width digit") << QByteArray("１") << DtmfCheck::BadCharacter;
        QTest::newRow("broken byte") << QByteArray("1\xFF") << DtmfCheck::BadCharacter;
        QTest::newRow("NUL") << QByteArray("1\0002", 3) << DtmfCheck::BadCharacter;
    }
    void check() {
        QFETCH(QByteArray, text);
        QFETCH(DtmfCheck, check);
        const std::string_view view(text.constData(), static_cast<std::size_t>(text.size()));
        QCOMPARE(CheckDtmfCode(view), check);
    }

    // Each failure shows its own message, and passing shows none.
    void messages_data() {
        QTest::addColumn<DtmfCheck>("check");
        QTest::addColumn<QString>("englishMark");
        QTest::addColumn<QString>("chineseMark");
        QTest::newRow("too long") << DtmfCheck::TooLong << "Max 5"
                                  << "最大为 5 位";
        QTest::newRow("bad character") << DtmfCheck::BadCharacter << "0 to 9"
                                       << "0 - 9";
    }
    void messages() {
        QFETCH(DtmfCheck, check);
        QFETCH(QString, englishMark);
        QFETCH(QString, chineseMark);
        const Bilingual message = DtmfCheckMessage(check);
        QVERIFY(QString::fromStdString(message.str(0)).contains(englishMark));
        QVERIFY(QString::fromStdString(message.str(-1)).contains(chineseMark));
        const Bilingual passes = DtmfCheckMessage(DtmfCheck::Passes);
        QVERIFY(passes.english.empty() && passes.chinese.empty());
    }

    void onlyTheControlIdsGoUnchecked_data() {
        QTest::addColumn<DtmfCode>("code");
        QTest::addColumn<bool>("checked");
        QTest::newRow("Text_Ani") << DtmfCode::Ani << true;
        QTest::newRow("Text_BJ") << DtmfCode::Alarm << true;
        QTest::newRow("Text_XC") << DtmfCode::Inspection << true;
        QTest::newRow("Text_JT") << DtmfCode::Monitor << true;
        QTest::newRow("Text_YY") << DtmfCode::Stun << true;
        QTest::newRow("Text_YB") << DtmfCode::Kill << true;
        QTest::newRow("Text_KJ") << DtmfCode::Revive << true;
        QTest::newRow("Text_MID") << DtmfCode::MasterId << false;
        QTest::newRow("Text_SID") << DtmfCode::ViceId << false;
    }
    void onlyTheControlIdsGoUnchecked() {
        QFETCH(DtmfCode, code);
        QFETCH(bool, checked);
        QCOMPARE(DtmfCodeIsChecked(code), checked);
    }
};

QTEST_APPLESS_MAIN(DtmfCodeCheckTest)
#include "tst_dtmf_code_check.moc"
