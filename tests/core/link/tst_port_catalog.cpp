#include <QtTest>

#include "core/link/PortCatalog.h"

using namespace orvex;

using Devices = std::vector<std::string>;
Q_DECLARE_METATYPE(Devices)

class PortCatalogTest : public QObject {
    Q_OBJECT

  private slots:
    void assignment_data() {
        QTest::addColumn<Devices>("system");
        QTest::addColumn<Devices>("named");
        QTest::addColumn<Devices>("com");  // COM1 to COM8
        QTest::newRow("nothing") << Devices{} << Devices{} << Devices(8, "");
        QTest::newRow("usb first, natural order")
            << Devices{"/dev/ttyS0", "/dev/ttyUSB10", "/dev/ttyACM0", "/dev/ttyUSB2"} << Devices{}
            << Devices{
                   "/dev/ttyACM0", "/dev/ttyUSB2", "/dev/ttyUSB10", "/dev/ttyS0", "", "", "", ""};
        QTest::newRow("named take COM8 down")
            << Devices{"/dev/ttyUSB0"} << Devices{"/dev/pts/3", "/dev/pts/4"}
            << Devices{"/dev/ttyUSB0", "", "", "", "", "", "/dev/pts/4", "/dev/pts/3"};
        QTest::newRow("a named system device is not listed twice")
            << Devices{"/dev/ttyUSB0", "/dev/ttyUSB1"} << Devices{"/dev/ttyUSB1"}
            << Devices{"/dev/ttyUSB0", "", "", "", "", "", "", "/dev/ttyUSB1"};
        QTest::newRow("more devices than numbers")
            << Devices{"/dev/ttyS1", "/dev/ttyS2", "/dev/ttyS3", "/dev/ttyS4", "/dev/ttyS5",
                       "/dev/ttyS6", "/dev/ttyS7", "/dev/ttyS8", "/dev/ttyS9"}
            << Devices{"/dev/pts/1"}
            << Devices{"/dev/ttyS1", "/dev/ttyS2", "/dev/ttyS3", "/dev/ttyS4",
                       "/dev/ttyS5", "/dev/ttyS6", "/dev/ttyS7", "/dev/pts/1"};
        QTest::newRow("mac adapters")
            << Devices{"/dev/cu.Bluetooth-Incoming-Port", "/dev/cu.usbserial-1410"} << Devices{}
            << Devices{"/dev/cu.usbserial-1410",
                       "/dev/cu.Bluetooth-Incoming-Port",
                       "",
                       "",
                       "",
                       "",
                       "",
                       ""};
    }
    void assignment() {
        QFETCH(Devices, system);
        QFETCH(Devices, named);
        QFETCH(Devices, com);
        const ComAssignment assigned = AssignComPorts(system, named);
        QVERIFY(assigned[0].empty());
        QCOMPARE(Devices(assigned.begin() + 1, assigned.end()), com);
    }

    void naturalOrder() {
        QVERIFY(NaturalLess("ttyUSB2", "ttyUSB10"));
        QVERIFY(!NaturalLess("ttyUSB10", "ttyUSB2"));
        QVERIFY(NaturalLess("ttyS9", "ttyUSB0"));
        QVERIFY(NaturalLess("a01", "a2"));
        QVERIFY(!NaturalLess("same", "same"));
    }
};

QTEST_APPLESS_MAIN(PortCatalogTest)
#include "tst_port_catalog.moc"
