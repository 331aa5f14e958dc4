#include <QtTest>

#include "core/fm/FmBandBoxCheck.h"
#include "core/fm/FmTexts.h"

using namespace orvex;

class FmBandBoxCheckTest : public QObject {
    Q_OBJECT

  private slots:
    // A band of 136 to 174 MHz (held upper bound 175).
    void boxes_data() {
        QTest::addColumn<bool>("lowerBox");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("other");
        QTest::addColumn<int>("fault");
        QTest::addColumn<QString>("shown");
        const auto row = [](const char* name, bool lower, const char* typed, const char* other,
                            FmBandBoxFault fault, const char* shown) {
            QTest::newRow(name) << lower << typed << other << int(fault) << shown;
        };
        row("lower 300 out of range", true, "300", "174.00000", FmBandBoxFault::LowerOutOfRange,
            "136.00000");
        row("lower 135 out of range", true, "135", "174.00000", FmBandBoxFault::LowerOutOfRange,
            "136.00000");
        row("lower 136 accepted", true, "136", "174.00000", FmBandBoxFault::None, "136.00000");
        row("lower 150.4 rounded", true, "150.4", "174.00000", FmBandBoxFault::None, "150.00000");
        row("lower above upper", true, "160", "150.00000", FmBandBoxFault::LowerAboveUpper,
            "136.00000");
        row("lower with empty upper", true, "140", "", FmBandBoxFault::LowerAboveUpper,
            "136.00000");
        row("lower empty", true, "", "174.00000", FmBandBoxFault::LowerOutOfRange, "136.00000");
        row("upper 175 out of range", false, "175", "136.00000", FmBandBoxFault::UpperOutOfRange,
            "174.00000");
        row("upper 174 accepted", false, "174", "136.00000", FmBandBoxFault::None, "174.00000");
        row("upper below lower", false, "140", "150.00000", FmBandBoxFault::UpperBelowLower,
            "174.00000");
        row("upper equal to lower", false, "150", "150.00000", FmBandBoxFault::None, "150.00000");
    }
    void boxes() {
        QFETCH(bool, lowerBox);
        QFETCH(QString, typed);
        QFETCH(QString, other);
        QFETCH(int, fault);
        QFETCH(QString, shown);
        const FmBandLimits limits{136, 174};
        const FmBandBoxOutcome outcome =
            lowerBox ? CheckFmLowerBox(typed.toStdString(), other.toStdString(), limits)
                     : CheckFmUpperBox(typed.toStdString(), other.toStdString(), limits);
        QCOMPARE(int(outcome.fault), fault);
        QCOMPARE(QString::fromStdString(outcome.text), shown);
    }

    void limitsFromTheLastIdentification() {
        SharedState state;
        state.Band_Low = 400;
        state.Band_High = 471;
        // Before any identification the start-up band stands for both.
        QCOMPARE(FmBandLimitsOf(state, FmBand::A).lowest, 400.0);
        QCOMPARE(FmBandLimitsOf(state, FmBand::B).highest, 470.0);
        state.Band_Low_A = 136;
        state.Band_High_A = 175;
        state.Band_Low_B = 400;
        state.Band_High_B = 481;
        QCOMPARE(FmBandLimitsOf(state, FmBand::A).lowest, 136.0);
        QCOMPARE(FmBandLimitsOf(state, FmBand::A).highest, 174.0);
        QCOMPARE(FmBandLimitsOf(state, FmBand::B).highest, 480.0);
    }

    void typingMessage() {
        QVERIFY(!FmBandBoxTooLong(" 136.00000 "));
        QVERIFY(FmBandBoxTooLong("136.000000"));
        QCOMPARE(FmAvailabilityMessage(FmBand::A, {136, 174}, 0),
                 std::string("The availability range of  A band frequency is from  136.00000MHZ "
                             "to 174.00000MHZ   "));
        QCOMPARE(FmAvailabilityMessage(FmBand::B, {400, 470}, 1),
                 std::string("B 段频率的有效范围从 400.00000MHZ 到 470.00000MHZ   "));
        QCOMPARE(FmBandBoxFaultText(FmBand::B, FmBandBoxFault::UpperOutOfRange).english,
                 std::string_view("Over the range of B band upper limit frequency ."));
    }
};

QTEST_APPLESS_MAIN(FmBandBoxCheckTest)
#include "tst_fm_band_box_check.moc"
