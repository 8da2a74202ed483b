// CTrayIcon: the notification-area icon and its menu.
#include "app/qt/tray_icon.h"

namespace tallyhawk {

CTrayIcon::CTrayIcon(const QIcon& icon, QObject* parent) : QObject(parent), m_icon(icon) {
    m_icon.setToolTip(QStringLiteral("Tallyhawk v1.3"));
    m_menu.addAction(tr("About"), this, &CTrayIcon::aboutRequested);
    m_menu.addAction(tr("Show Window"), this, &CTrayIcon::showRequested);
    m_menu.addAction(tr("Settings"), this, &CTrayIcon::settingsRequested);
    m_menu.addSeparator();
    m_menu.addAction(tr("Exit"), this, &CTrayIcon::exitRequested);
    m_icon.setContextMenu(&m_menu);
    connect(&m_icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger) {
            Remove();
            emit restoreRequested();
        }
    });
}

}  // namespace tallyhawk
