#pragma once

#include <memory>

#include "core/link/SerialPort.h"
#include "core/sim/SimulatedRadio.h"

namespace orvex {

class SimulatedPortHub;

// What happened on one COM number, for tests.
struct PortStats {
    int opens = 0;         // successful opens
    int refusedOpens = 0;  // opens that failed (no such port, or busy)
    int failures = 0;      // cable pulls while the COM existed
    int overrunBytes = 0;  // radio bytes lost because the receive buffer was full
};

// The serial ports COM1..COM8 of a test machine, in process. A COM number exists once a
// radio is attached to it or it is added empty; it stops existing when its cable is pulled.
// Every serial control made by factory() opens these ports:
//  - open fails with NoSuchPort when the COM does not exist, with Busy when another control
//    holds it open, and with Other when this control is already open; a successful open
//    empties the receive queue;
//  - written bytes go to the attached radio (nothing happens on a closed control or on an
//    empty port); the radio's bytes go to the control that has the COM open, each arrival
//    raising PortEvent::Received, and are lost when none has it open;
//  - a pulled cable closes the control that has the COM open and raises PortEvent::Failed.
// The radios must outlive the hub, or be detached first. Controls may outlive the hub; they
// then behave as if every port had gone.
class SimulatedPorts {
  public:
    SimulatedPorts();
    SimulatedPorts(const SimulatedPorts&) = delete;
    SimulatedPorts& operator=(const SimulatedPorts&) = delete;
    ~SimulatedPorts();

    // Connects the radio to COM `com` (1..8), creating the port if needed, and plugs it in;
    // the radio's disconnect fault pulls this port's cable.
    void attach(int com, SimulatedRadio& radio);
    // Leaves COM `com` in place with nothing on it.
    void detach(int com);
    void addEmptyPort(int com);
    void pullCable(int com);

    [[nodiscard]] bool exists(int com) const;
    [[nodiscard]] bool isHeldOpen(int com) const;
    [[nodiscard]] PortStats stats(int com) const;

    // Each call of the factory makes one window's serial control.
    [[nodiscard]] SerialPortFactory factory() const;

  private:
    std::shared_ptr<SimulatedPortHub> hub_;
};

}  // namespace orvex
