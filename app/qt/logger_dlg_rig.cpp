// CLoggerDlg: the radio in the loop. Readings arrive from the polling thread only when something
// changed; each is one session call, then the screen is drawn again.
#include "app/qt/logger_dlg.h"
#include "app/qt/qt_conversions.h"

namespace tallyhawk {

void CLoggerDlg::ConnectRig() {
    connect(&m_rigPoller, &CRigPoller::readingChanged, this, &CLoggerDlg::OnRigReading);
    connect(&m_rigPoller, &CRigPoller::notConnected, this, &CLoggerDlg::OnRigNotConnected);
}

// Called at start-up and after every settings message; a radio already polled with the same settings
// is left alone.
void CLoggerDlg::FollowRigSettings() {
    const RigSettings settings = m_session.StoredRigSettings();
    if (settings == m_rigPoller.Settings() && m_rigPoller.Running() == settings.enabled) return;
    m_session.ForgetRig();
    m_rigPoller.Start(settings);
}

void CLoggerDlg::OnRigReading(qint64 hertz, const QString& mode) {
    const Effects effects = m_session.FollowRig(RigReading{hertz, ToStdString(mode)});
    Render();
    Play(effects);
}

void CLoggerDlg::OnRigNotConnected() { Play(m_session.RigNotConnected()); }

}  // namespace tallyhawk
