// CRigPoller: the radio polled off the user-interface thread.
#include "app/qt/rig_poller.h"

#include <QTimer>

namespace tallyhawk {

// The radio is made here, on the user-interface thread, because making it sets the process's locale.
CRigWorker::CRigWorker(RigSettings settings, std::chrono::milliseconds interval)
    : m_rig(std::make_unique<HamlibRig>(settings)), m_interval(interval) {}

CRigWorker::~CRigWorker() = default;

void CRigWorker::Begin() {
    m_timer = new QTimer(this);
    connect(m_timer, &QTimer::timeout, this, &CRigWorker::Poll);
    m_timer->start(m_interval);
    Poll();
}

void CRigWorker::Poll() {
    const auto reading = m_rig->Read();
    if (!reading) {
        m_last.reset();
        if (!m_reportedDown) emit notConnected();
        m_reportedDown = true;
        return;
    }
    m_reportedDown = false;
    if (m_last == reading) return;
    m_last = reading;
    emit readingChanged(reading->frequency, QString::fromStdString(reading->mode));
}

CRigPoller::CRigPoller(QObject* parent) : QObject(parent) {}

// A thread still inside a Hamlib call (an unreachable host) is left to end on its own at exit; it is
// not deleted while it runs.
CRigPoller::~CRigPoller() {
    QThread* thread = m_thread;
    Stop();
    if (thread && thread->wait(std::chrono::seconds(3))) delete thread;
}

void CRigPoller::Start(const RigSettings& settings, std::chrono::milliseconds interval) {
    Stop();
    m_settings = settings;
    if (!settings.enabled) return;
    m_thread = new QThread;
    auto* worker = new CRigWorker(settings, interval);
    m_worker = worker;
    worker->moveToThread(m_thread);
    connect(m_thread, &QThread::started, worker, &CRigWorker::Begin);
    connect(m_thread, &QThread::finished, worker, &QObject::deleteLater);
    connect(worker, &CRigWorker::readingChanged, this, &CRigPoller::readingChanged);
    connect(worker, &CRigWorker::notConnected, this, &CRigPoller::notConnected);
    m_thread->start();
}

// Readings of the old radio still on their way are not passed on.
void CRigPoller::Stop() {
    if (!m_thread) return;
    QThread* thread = m_thread;
    m_thread = nullptr;
    disconnect(m_worker, nullptr, this, nullptr);
    m_worker = nullptr;
    // Deleted once its event loop has ended, which may be after a last slow Hamlib call.
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->quit();
}

}  // namespace tallyhawk
