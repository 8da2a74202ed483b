// CExitSignals: the handler only writes one byte into a socket pair (all a signal handler may safely
// do); the main thread reads it through a socket notifier.
#include "app/qt/exit_signals.h"

#include <sys/socket.h>
#include <unistd.h>

#include <csignal>

namespace tallyhawk {
namespace {

int g_signalSockets[2] = {-1, -1};

extern "C" void WriteSignalByte(int) {
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(g_signalSockets[0], &byte, 1);
}

bool CatchSignal(int number) {
    struct sigaction action {};
    action.sa_handler = WriteSignalByte;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    return ::sigaction(number, &action, nullptr) == 0;
}

void RestoreDefault(int number) {
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    ::sigaction(number, &action, nullptr);
}

}  // namespace

CExitSignals::CExitSignals(QObject* parent) : QObject(parent) {
    if (g_signalSockets[0] >= 0) return;  // one catcher per process
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, g_signalSockets) != 0) return;
    m_notifier = std::make_unique<QSocketNotifier>(g_signalSockets[1], QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &CExitSignals::Drain);
    CatchSignal(SIGTERM);
    CatchSignal(SIGHUP);
}

CExitSignals::~CExitSignals() {
    if (!m_notifier) return;
    RestoreDefault(SIGTERM);
    RestoreDefault(SIGHUP);
    m_notifier.reset();
    ::close(g_signalSockets[0]);
    ::close(g_signalSockets[1]);
    g_signalSockets[0] = g_signalSockets[1] = -1;
}

void CExitSignals::Drain() {
    char bytes[16];
    while (::read(g_signalSockets[1], bytes, sizeof bytes) > 0) {
    }
    m_arrived = true;
    emit exitRequested();
}

}  // namespace tallyhawk
