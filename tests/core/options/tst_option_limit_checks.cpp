#include <QtTest>

#include <set>

#include "core/options/OptionLimitChecks.h"

using namespace orvex;

Q_DECLARE_METATYPE(orvex::OptionLimit)
Q_DECLARE_METATYPE(orvex::LimitMessage)

namespace {

// Band 136 to 174 MHz: the band table holds 175 as its upper bound.
constexpr double kLowest = 136;
constexpr double kHighest = 174;

using Limits = std::array<std::string, kOptionLimitCount>;

// receive lower, receive upper, transmit lower, transmit upper
QStringList Boxes(const char* d0, const char* d1, const char* t0, const char* t1) {
    return {d0, d1, t0, t1};
}

Limits ToLimits(const QStringList& boxes) {
    Limits limits;
    for (std::size_t i = 0; i < limits.size(); ++i)
        limits[i] = boxes[static_cast<qsizetype>(i)].toStdString();
    return limits;
}

QStringList ToBoxes(const Limits& limits) {
    QStringList boxes;
    for (const std::string& text : limits)
        boxes << QString::fromStdString(text);
    return boxes;
}

}  // namespace

class OptionLimitChecksTest : public QObject {
    Q_OBJECT

  private slots:
    void checks_data() {
        QTest::addColumn<OptionLimit>("box");
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<LimitMessage>("message");
        QTest::addColumn<QStringList>("after");

        const auto d0 = OptionLimit::RxLower;
        const auto d1 = OptionLimit::RxUpper;
        const auto t0 = OptionLimit::TxLower;
        const auto t1 = OptionLimit::TxUpper;

        // Receive lower limit.
        QTest::newRow("d0 below the band: receive boxes reset, transmit boxes kept")
            << d0 << Boxes("130", "160", "150", "155") << LimitMessage::R1
            << Boxes("136", "174", "150", "155");
        QTest::newRow("d0 not a number counts as 0")
            << d0 << Boxes("abc", "174", "136", "174") << LimitMessage::R1
            << Boxes("136", "174", "136", "174");
        QTest::newRow("d0 below the band is told before d0 above d1")
            << d0 << Boxes("130", "120", "136", "174") << LimitMessage::R1
            << Boxes("136", "174", "136", "174");
        QTest::newRow("d0 above d1") << d0 << Boxes("170", "160", "136", "174") << LimitMessage::R2
                                     << Boxes("136", "174", "136", "174");
        QTest::newRow("d0 equal to d1 passes")
            << d0 << Boxes("150", "150", "150", "150") << LimitMessage::None
            << Boxes("150", "150", "150", "150");
        QTest::newRow("d0 at the band edge passes")
            << d0 << Boxes("136", "174", "136", "174") << LimitMessage::None
            << Boxes("136", "174", "136", "174");
        QTest::newRow("d0 pulls both transmit limits up")
            << d0 << Boxes("150", "174", "140", "145") << LimitMessage::None
            << Boxes("150", "174", "150", "150");
        QTest::newRow("d0 text is copied as typed")
            << d0 << Boxes("150.5 MHz", "174", "140", "145") << LimitMessage::None
            << Boxes("150.5 MHz", "174", "150.5 MHz", "150.5 MHz");
        QTest::newRow("d0 below t0: t1 still follows t0")
            << d0 << Boxes("140", "174", "150", "145") << LimitMessage::None
            << Boxes("140", "174", "150", "150");

        // Receive upper limit.
        QTest::newRow("d1 above the band") << d1 << Boxes("140", "180", "136", "174")
                                           << LimitMessage::R3 << Boxes("136", "174", "136", "174");
        QTest::newRow("d1 above the band is told before d1 below d0")
            << d1 << Boxes("190", "180", "136", "174") << LimitMessage::R3
            << Boxes("136", "174", "136", "174");
        QTest::newRow("d1 below d0") << d1 << Boxes("150", "140", "136", "174") << LimitMessage::R4
                                     << Boxes("136", "174", "136", "174");
        QTest::newRow("d1 equal to d0 passes")
            << d1 << Boxes("150", "150", "150", "150") << LimitMessage::None
            << Boxes("150", "150", "150", "150");
        QTest::newRow("d1 pulls the transmit upper limit down")
            << d1 << Boxes("136", "160", "136", "170") << LimitMessage::None
            << Boxes("136", "160", "136", "160");
        QTest::newRow("d1 below t0: t1 goes on to t0")
            << d1 << Boxes("136", "160", "165", "170") << LimitMessage::None
            << Boxes("136", "160", "165", "165");
        QTest::newRow("d1 below t1 by value, text copied as typed")
            << d1 << Boxes("136", " 160 ", "136", "170") << LimitMessage::None
            << Boxes("136", " 160 ", "136", " 160 ");
        QTest::newRow("d1 above t1 leaves t1")
            << d1 << Boxes("136", "174", "140", "150") << LimitMessage::None
            << Boxes("136", "174", "140", "150");

        // Transmit lower limit: no box is ever changed.
        QTest::newRow("t0 above t1") << t0 << Boxes("136", "174", "180", "174") << LimitMessage::T1
                                     << Boxes("136", "174", "180", "174");
        QTest::newRow("t0 above t1 is told before t0 below d0")
            << t0 << Boxes("150", "174", "140", "130") << LimitMessage::T1
            << Boxes("150", "174", "140", "130");
        QTest::newRow("t0 below d0") << t0 << Boxes("150", "174", "140", "160") << LimitMessage::T2
                                     << Boxes("150", "174", "140", "160");
        QTest::newRow("t0 equal to t1 and d0 passes")
            << t0 << Boxes("150", "174", "150", "150") << LimitMessage::None
            << Boxes("150", "174", "150", "150");
        QTest::newRow("t0 is not held to the band")
            << t0 << Boxes("100", "174", "120", "174") << LimitMessage::None
            << Boxes("100", "174", "120", "174");

        // Transmit upper limit.
        QTest::newRow("t1 below t0") << t1 << Boxes("136", "174", "160", "150") << LimitMessage::T3
                                     << Boxes("136", "174", "160", "150");
        QTest::newRow("t1 below t0 is told before t1 above d1")
            << t1 << Boxes("136", "160", "180", "170") << LimitMessage::T3
            << Boxes("136", "160", "180", "170");
        QTest::newRow("t1 above d1") << t1 << Boxes("136", "160", "140", "170") << LimitMessage::T4
                                     << Boxes("136", "160", "140", "170");
        QTest::newRow("t1 equal to t0 and d1 passes")
            << t1 << Boxes("136", "160", "160", "160") << LimitMessage::None
            << Boxes("136", "160", "160", "160");
    }
    void checks() {
        QFETCH(OptionLimit, box);
        QFETCH(QStringList, before);
        QFETCH(LimitMessage, message);
        QFETCH(QStringList, after);
        Limits limits = ToLimits(before);
        QCOMPARE(CheckOptionLimit(box, limits, kLowest, kHighest), message);
        QCOMPARE(ToBoxes(limits), after);
    }

    // The reset writes the band as plain decimal numbers.
    void resetWritesTheBandOfTheRadio() {
        Limits limits = ToLimits(Boxes("300", "480", "400", "470"));
        QCOMPARE(CheckOptionLimit(OptionLimit::RxLower, limits, 400, 470), LimitMessage::R1);
        QCOMPARE(ToBoxes(limits), Boxes("400", "470", "400", "470"));
        limits = ToLimits(Boxes("66", "90", "66", "88"));
        QCOMPARE(CheckOptionLimit(OptionLimit::RxUpper, limits, 66, 88), LimitMessage::R3);
        QCOMPARE(ToBoxes(limits), Boxes("66", "88", "66", "88"));
    }

    void everyMessageHasItsOwnText() {
        std::set<std::string_view> chinese;
        std::set<std::string_view> english;
        for (const LimitMessage message :
             {LimitMessage::R1, LimitMessage::R2, LimitMessage::R3, LimitMessage::R4,
              LimitMessage::T1, LimitMessage::T2, LimitMessage::T3, LimitMessage::T4}) {
            const Bilingual text = LimitMessageText(message);
            QVERIFY(!text.chinese.empty());
            QVERIFY(!text.english.empty());
            chinese.insert(text.chinese);
            english.insert(text.english);
        }
        QCOMPARE(chinese.size(), std::size_t{8});
        QCOMPARE(english.size(), std::size_t{8});
        QVERIFY(LimitMessageText(LimitMessage::None).english.empty());
        QCOMPARE(LimitMessageText(LimitMessage::R1).pick(0),
                 std::string_view("Receive frequency of lower limit can't less than the lowest of "
                                  "work frequency. "));
        QCOMPARE(LimitMessageText(LimitMessage::T4).pick(-1),
                 std::string_view("上限发射频率不可大于上限接收频率"));
    }
};

QTEST_APPLESS_MAIN(OptionLimitChecksTest)
#include "tst_option_limit_checks.moc"
