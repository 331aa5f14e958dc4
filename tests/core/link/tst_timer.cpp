#include <QtTest>

#include "core/link/Timer.h"
#include "core/sim/VirtualClock.h"

using namespace orvex;

// The timer rule every transfer relies on, on the virtual clock.
class TimerTest : public QObject {
    Q_OBJECT

    std::unique_ptr<VirtualClock> clockHolder;
    std::vector<long long> ticks;  // milliseconds of each tick since the test began
    std::unique_ptr<Timer> timer;

    VirtualClock& clock() { return *clockHolder; }
    void record() { ticks.push_back(clock().now().count() / 1000); }

  private slots:
    void init() {
        clockHolder = std::make_unique<VirtualClock>();
        ticks.clear();
        timer = std::make_unique<Timer>(clock(), [this] { record(); });
    }
    void cleanup() {
        timer.reset();
        clockHolder.reset();
    }

    void ticksEveryIntervalOnceSwitchedOn() {
        timer->setInterval(100);
        QVERIFY(ticks.empty());
        clock().advanceMs(250);
        QVERIFY(ticks.empty());  // an interval alone does not switch it on
        timer->start();
        clock().advanceMs(350);
        QCOMPARE(ticks, (std::vector<long long>{350, 450, 550}));
    }

    void sameIntervalOrSwitchingOnAgainChangesNothing() {
        timer->setInterval(100);
        timer->start();
        clock().advanceMs(60);
        timer->setInterval(100);
        timer->start();
        clock().advanceMs(40);
        QCOMPARE(ticks, (std::vector<long long>{100}));
    }

    void differentIntervalRestartsTheCount() {
        timer->setInterval(2000);
        timer->start();
        clock().advanceMs(500);
        timer->setInterval(1000);
        clock().advanceMs(999);
        QVERIFY(ticks.empty());
        clock().advanceMs(1);
        QCOMPARE(ticks, (std::vector<long long>{1500}));
    }

    void switchingOffAndOnRestartsTheCount() {
        timer->setInterval(100);
        timer->start();
        clock().advanceMs(70);
        timer->stop();
        timer->start();
        clock().advanceMs(99);
        QVERIFY(ticks.empty());
        clock().advanceMs(1);
        QCOMPARE(ticks, (std::vector<long long>{170}));
    }

    void intervalChangedWhileOffOnlyTakesEffectWhenOn() {
        timer->setInterval(100);
        timer->start();
        timer->stop();
        timer->setInterval(300);
        clock().advanceMs(1000);
        QVERIFY(ticks.empty());
        QVERIFY(!timer->isEnabled());
        timer->start();
        clock().advanceMs(300);
        QCOMPARE(ticks, (std::vector<long long>{1300}));
    }

    void zeroIntervalNeverTicks() {
        timer->start();
        clock().advanceMs(1000);
        QVERIFY(ticks.empty());
        QVERIFY(timer->isEnabled());
    }

    void aTickMayChangeItsOwnInterval() {
        timer = std::make_unique<Timer>(clock(), [this] {
            record();
            timer->setInterval(5);
        });
        timer->setInterval(15);
        timer->start();
        clock().advanceMs(30);
        QCOMPARE(ticks, (std::vector<long long>{15, 20, 25, 30}));
    }
};

QTEST_APPLESS_MAIN(TimerTest)
#include "tst_timer.moc"
