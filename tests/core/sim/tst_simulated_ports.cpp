#include <QtTest>

#include "RadioLink.h"

using namespace orvex;
using namespace orvex::test;

namespace {

// A serial control that only counts its events; its bytes stay waiting.
struct Control {
    explicit Control(const SimulatedPorts& ports) : port(ports.factory()()) {
        port->setEventHandler(
            [this](PortEvent event) { (event == PortEvent::Received ? received : failed) += 1; });
    }
    void send(const QByteArray& bytes) {
        port->write(std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                              static_cast<std::size_t>(bytes.size())));
    }
    QByteArray takeAll() {
        QByteArray bytes;
        while (port->bytesWaiting() > 0)
            bytes.append(static_cast<char>(port->readByte()));
        return bytes;
    }

    std::unique_ptr<SerialPort> port;
    int received = 0;
    int failed = 0;
};

const QByteArray kIdentification = QByteArray::fromHex("AA040000040700A000");

}  // namespace

class SimulatedPortsTest : public QObject {
    Q_OBJECT

  private slots:
    void openFindsOnlyExistingPorts_data() {
        QTest::addColumn<int>("com");
        QTest::addColumn<OpenFailure>("result");
        QTest::newRow("radio on COM3") << 3 << OpenFailure::None;
        QTest::newRow("empty COM5") << 5 << OpenFailure::None;
        QTest::newRow("absent COM1") << 1 << OpenFailure::NoSuchPort;
        QTest::newRow("absent COM8") << 8 << OpenFailure::NoSuchPort;
    }
    void openFindsOnlyExistingPorts() {
        QFETCH(int, com);
        QFETCH(OpenFailure, result);
        VirtualClock clock;
        SimulatedRadio radio(clock);
        SimulatedPorts ports;
        ports.attach(3, radio);
        ports.addEmptyPort(5);
        Control control(ports);
        QCOMPARE(control.port->open(com, LineSettings{}), result);
        QCOMPARE(control.port->isOpen(), result == OpenFailure::None);
        QCOMPARE(ports.isHeldOpen(com), result == OpenFailure::None);
        QCOMPARE(ports.stats(com).opens, result == OpenFailure::None ? 1 : 0);
        QCOMPARE(ports.stats(com).refusedOpens, result == OpenFailure::None ? 0 : 1);
    }

    void secondControlFindsThePortBusy() {
        VirtualClock clock;
        SimulatedRadio radio(clock);
        SimulatedPorts ports;
        ports.attach(2, radio);
        Control first(ports);
        Control second(ports);
        QCOMPARE(first.port->open(2, LineSettings{}), OpenFailure::None);
        QCOMPARE(second.port->open(2, LineSettings{}), OpenFailure::Busy);
        QVERIFY(!second.port->isOpen());
        QCOMPARE(first.port->open(2, LineSettings{}), OpenFailure::Other);  // already open
        QVERIFY(first.port->isOpen());

        first.port->close();
        QCOMPARE(second.port->open(2, LineSettings{}), OpenFailure::None);
        QCOMPARE(ports.stats(2).opens, 2);
        QCOMPARE(ports.stats(2).refusedOpens, 1);

        // A control that goes away releases the port.
        second.port.reset();
        QCOMPARE(first.port->open(2, LineSettings{}), OpenFailure::None);
    }

    void radioBytesReachOnlyTheOpenControl() {
        RadioLink link;
        Control other(link.ports);
        QCOMPARE(other.port->open(RadioLink::kCom, LineSettings{}), OpenFailure::Busy);
        QCOMPARE(link.identify(), kIdentification);
        QCOMPARE(static_cast<int>(link.events.size()), 9);  // one event per byte
        QCOMPARE(other.received, 0);
        QCOMPARE(other.port->bytesWaiting(), 0);
    }

    void eachArrivalRaisesAnEventAndWaits() {
        VirtualClock clock;
        SimulatedRadio radio(clock);
        SimulatedPorts ports;
        ports.attach(4, radio);
        Control control(ports);
        QVERIFY(control.port->open(4, LineSettings{}) == OpenFailure::None);
        control.send(kOpeningCommand);
        clock.advanceMs(500);
        QCOMPARE(control.received, 9);
        QCOMPARE(control.port->bytesWaiting(), 9);
        QCOMPARE(static_cast<int>(control.port->readByte()), 0xAA);
        QCOMPARE(control.port->bytesWaiting(), 8);
        control.port->clearInput();
        QCOMPARE(control.port->bytesWaiting(), 0);
        QCOMPARE(static_cast<int>(control.port->readByte()), 0);  // nothing waits
    }

    void openEmptiesTheReceiveQueue() {
        VirtualClock clock;
        SimulatedRadio radio(clock);
        SimulatedPorts ports;
        ports.attach(4, radio);
        Control control(ports);
        QVERIFY(control.port->open(4, LineSettings{}) == OpenFailure::None);
        control.send(kOpeningCommand);
        clock.advanceMs(500);
        QCOMPARE(control.port->bytesWaiting(), 9);
        control.port->close();
        QVERIFY(control.port->open(4, LineSettings{}) == OpenFailure::None);
        QCOMPARE(control.port->bytesWaiting(), 0);
    }

    void bytesWithNoOpenControlAreLost() {
        VirtualClock clock;
        SimulatedRadio radio(clock);
        SimulatedPorts ports;
        ports.attach(4, radio);
        Control control(ports);
        QVERIFY(control.port->open(4, LineSettings{}) == OpenFailure::None);
        control.send(kOpeningCommand);
        clock.advanceMs(10);  // the command is in, one reply byte has arrived
        control.port->close();
        clock.advanceMs(500);
        QCOMPARE(radio.transcript().size(), std::size_t(17));  // the radio did answer
        QVERIFY(control.port->open(4, LineSettings{}) == OpenFailure::None);
        clock.advanceMs(500);
        QCOMPARE(control.received, 1);  // only the byte that arrived before the close
        QCOMPARE(control.port->bytesWaiting(), 0);
    }

    void writesGoNowhereWithoutAnOpenPortOrRadio() {
        VirtualClock clock;
        SimulatedRadio radio(clock);
        SimulatedPorts ports;
        ports.attach(4, radio);
        ports.addEmptyPort(6);
        Control closed(ports);
        closed.send(kOpeningCommand);
        Control onEmpty(ports);
        QVERIFY(onEmpty.port->open(6, LineSettings{}) == OpenFailure::None);
        onEmpty.send(kOpeningCommand);
        clock.advanceMs(500);
        QVERIFY(radio.transcript().empty());
        QCOMPARE(onEmpty.received + closed.received, 0);
    }

    void receiveBufferOverflowLosesBytes() {
        VirtualClock clock;
        SimulatedRadio radio(clock);
        SimulatedPorts ports;
        ports.attach(4, radio);
        Control control(ports);
        LineSettings small;
        small.receiveBufferSize = 4;
        QVERIFY(control.port->open(4, small) == OpenFailure::None);
        control.send(kOpeningCommand);
        clock.advanceMs(500);
        QCOMPARE(control.takeAll(), kIdentification.left(4));
        QCOMPARE(ports.stats(4).overrunBytes, 5);
    }

    void pulledCableFailsTheOpenControl() {
        VirtualClock clock;
        SimulatedRadio radio(clock);
        SimulatedPorts ports;
        ports.attach(4, radio);
        Control holder(ports);
        Control bystander(ports);
        QVERIFY(holder.port->open(4, LineSettings{}) == OpenFailure::None);
        holder.send(kOpeningCommand);
        clock.advanceMs(10);  // one reply byte has arrived
        ports.pullCable(4);
        QCOMPARE(holder.failed, 1);
        QCOMPARE(bystander.failed, 0);
        QVERIFY(!holder.port->isOpen());
        QVERIFY(!ports.exists(4));
        QCOMPARE(ports.stats(4).failures, 1);
        QCOMPARE(holder.port->open(4, LineSettings{}), OpenFailure::NoSuchPort);

        clock.advanceMs(500);  // the rest of the reply is lost with the cable
        QCOMPARE(holder.received, 1);
        QVERIFY(!radio.isPluggedIn());
    }

    void pulledCableOfAClosedPortRaisesNothing() {
        SimulatedPorts ports;
        ports.addEmptyPort(7);
        Control control(ports);
        ports.pullCable(7);
        QCOMPARE(control.failed, 0);
        QCOMPARE(control.port->open(7, LineSettings{}), OpenFailure::NoSuchPort);
        ports.pullCable(7);  // already gone
        QCOMPARE(ports.stats(7).failures, 1);
    }

    void detachedRadioLeavesAnEmptyPort() {
        VirtualClock clock;
        SimulatedRadio radio(clock);
        SimulatedPorts ports;
        ports.attach(4, radio);
        ports.detach(4);
        QVERIFY(ports.exists(4));
        Control control(ports);
        QVERIFY(control.port->open(4, LineSettings{}) == OpenFailure::None);
        control.send(kOpeningCommand);
        clock.advanceMs(500);
        QVERIFY(radio.transcript().empty());
    }

    void controlsMayOutliveTheHub() {
        VirtualClock clock;
        SimulatedRadio radio(clock);
        std::unique_ptr<Control> control;
        {
            SimulatedPorts ports;
            ports.attach(4, radio);
            control = std::make_unique<Control>(ports);
            QVERIFY(control->port->open(4, LineSettings{}) == OpenFailure::None);
        }
        control->send(kOpeningCommand);
        clock.advanceMs(500);
        QVERIFY(radio.transcript().empty());
        control->port->close();
        QCOMPARE(control->port->open(4, LineSettings{}), OpenFailure::NoSuchPort);
    }
};

QTEST_APPLESS_MAIN(SimulatedPortsTest)
#include "tst_simulated_ports.moc"
