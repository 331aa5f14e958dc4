#include <QtTest>

#include "core/fm/FmCellCommit.h"

using namespace orvex;

Q_DECLARE_METATYPE(orvex::FmFrequencyCommit)

class FmCellCommitTest : public QObject {
    Q_OBJECT

  private slots:
    void frequency_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<FmFrequencyCommit>("commit");
        QTest::addColumn<QString>("cell");
        const auto accepted = FmFrequencyCommit::Accepted;
        const auto outside = FmFrequencyCommit::OutOfRange;
        QTest::newRow("87.5 lowest") << "87.5" << accepted << "87.50000";
        QTest::newRow("87.4 below") << "87.4" << outside << "87.50000";
        QTest::newRow("108 highest") << "108" << accepted << "108.00000";
        QTest::newRow("108.1 above") << "108.1" << outside << "87.50000";
        QTest::newRow("108.00001 above") << "108.00001" << outside << "87.50000";
        QTest::newRow("100") << "100" << accepted << "100.00000";
        QTest::newRow("88.9") << "88.9" << accepted << "88.90000";
        QTest::newRow("two characters") << "99" << accepted << "99.00000";
        QTest::newRow("point without decimals") << "99." << accepted << "99.00000";
        QTest::newRow("canonical kept") << "103.90000" << accepted << "103.90000";
        QTest::newRow("leading zero") << "088.9" << accepted << "88.90000";
        QTest::newRow("blanks around") << " 96.9 " << accepted << "96.90000";
        QTest::newRow("beyond 10 Hz rounded") << "100.123456" << accepted << "100.12346";
        QTest::newRow("not a number") << "FM" << outside << "87.50000";
        QTest::newRow("trailing letters") << "88.9MHz" << outside << "87.50000";
        QTest::newRow("empty") << "" << FmFrequencyCommit::Cleared << "";
        QTest::newRow("blanks only") << "  " << FmFrequencyCommit::Cleared << "";
    }
    void frequency() {
        QFETCH(QString, typed);
        QFETCH(FmFrequencyCommit, commit);
        QFETCH(QString, cell);
        const FmFrequencyOutcome outcome = CommitFmFrequency(typed.toStdString());
        QCOMPARE(outcome.commit, commit);
        QCOMPARE(QString::fromStdString(outcome.text), cell);
    }

    void name_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("hasFrequency");
        QTest::addColumn<bool>("tooLong");
        QTest::addColumn<QString>("cell");
        QTest::newRow("upper case") << "cctv1" << true << false << "CCTV1";
        QTest::newRow("six fit") << "abcdef" << true << false << "ABCDEF";
        QTest::newRow("eight: message and cut") << "abcdefgh" << true << true << "ABCDEF";
        QTest::newRow("trimmed before counting") << "  abcdef  " << true << false << "ABCDEF";
        QTest::newRow("blank inside counts") << "ab cdefg" << true << true << "AB CDE";
        QTest::newRow("non-ASCII counts as one")
            << QString::fromUtf8("\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9") << true << false
            << QString::fromUtf8("\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9");
        QTest::newRow("no frequency: cleared") << "FM" << false << false << "";
        QTest::newRow("no frequency, too long: message, cleared")
            << "abcdefgh" << false << true << "";
        QTest::newRow("empty") << "" << true << false << "";
    }
    void name() {
        QFETCH(QString, typed);
        QFETCH(bool, hasFrequency);
        QFETCH(bool, tooLong);
        QFETCH(QString, cell);
        const FmNameOutcome outcome = CommitFmName(typed.toStdString(), hasFrequency);
        QCOMPARE(outcome.tooLong, tooLong);
        QCOMPARE(QString::fromStdString(outcome.text), cell);
    }
};

QTEST_APPLESS_MAIN(FmCellCommitTest)
#include "tst_fm_cell_commit.moc"
