#pragma once

#include <QObject>

class QSocketNotifier;

namespace orvex {

// Ends the application's event loop on SIGINT or SIGTERM. The handler only writes a byte
// into a socket pair; the quit happens in the event loop, where it is safe.
class QuitOnSignal : public QObject {
    Q_OBJECT

  public:
    explicit QuitOnSignal(QObject* parent = nullptr);
    ~QuitOnSignal() override;

  private:
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace orvex
