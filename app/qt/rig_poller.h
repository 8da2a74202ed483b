// CRigPoller: asks the radio for its frequency and mode about twice a second on a thread of its own,
// so that a radio that is slow, off or unplugged never holds up typing or saving. It reports only
// what changed: a new reading, or the loss of the radio (once, until it answers again).
#pragma once

#include <QObject>
#include <QString>
#include <QThread>
#include <chrono>
#include <memory>
#include <optional>

#include "app/platform/hamlib_rig.h"

class QTimer;

namespace tallyhawk {

inline constexpr std::chrono::milliseconds kRigPollInterval{500};

// Lives on the polling thread: its timer and every Hamlib call run there.
class CRigWorker : public QObject {
    Q_OBJECT
public:
    CRigWorker(RigSettings settings, std::chrono::milliseconds interval);
    ~CRigWorker() override;

    void Begin();  // on the polling thread, once it runs

signals:
    void readingChanged(qint64 hertz, const QString& mode);
    void notConnected();

private:
    void Poll();

    std::unique_ptr<HamlibRig> m_rig;
    std::chrono::milliseconds m_interval;
    QTimer* m_timer = nullptr;
    std::optional<RigReading> m_last;  // while the radio answers
    bool m_reportedDown = false;
};

class CRigPoller : public QObject {
    Q_OBJECT
public:
    explicit CRigPoller(QObject* parent = nullptr);
    ~CRigPoller() override;

    // Polls the radio of `settings` (a running poll stops first); a poller that is off polls nothing.
    void Start(const RigSettings& settings, std::chrono::milliseconds interval = kRigPollInterval);
    void Stop();
    bool Running() const { return m_thread != nullptr; }
    const RigSettings& Settings() const { return m_settings; }

signals:
    void readingChanged(qint64 hertz, const QString& mode);
    void notConnected();

private:
    QThread* m_thread = nullptr;
    CRigWorker* m_worker = nullptr;  // owned by its thread, deleted when the thread ends
    RigSettings m_settings;
};

}  // namespace tallyhawk
