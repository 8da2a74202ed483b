// CExitSignals: SIGTERM and SIGHUP (the desktop session ending, a service manager stopping the program)
// turned into a Qt signal on the main thread, so that the program leaves through its normal way out.
#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <memory>

namespace tallyhawk {

class CExitSignals : public QObject {
    Q_OBJECT
public:
    explicit CExitSignals(QObject* parent = nullptr);
    ~CExitSignals() override;

    // False when the signals could not be caught (they then end the program as they always do).
    bool Catching() const { return m_notifier != nullptr; }
    // Whether a signal has arrived; it stays set, for start-up steps that run before the event loop.
    bool Arrived() const { return m_arrived; }

signals:
    void exitRequested();

private:
    void Drain();

    std::unique_ptr<QSocketNotifier> m_notifier;
    bool m_arrived = false;
};

}  // namespace tallyhawk
