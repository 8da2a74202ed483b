// CTrayIcon: the notification-area icon and its menu.
#include "app/qt/tray_icon.h"

namespace tallyhawk {

CTrayIcon::CTrayIcon(const QIcon& icon, QObject* parent) : QObject(parent), m_icon(icon) {
    m_icon.setToolTip(QStringLiteral("Tallyhawk v1.3"));
    m_about = m_menu.addAction(QString(), this, &CTrayIcon::aboutRequested);
    m_show = m_menu.addAction(QString(), this, &CTrayIcon::showRequested);
    m_settings = m_menu.addAction(QString(), this, &CTrayIcon::settingsRequested);
    m_menu.addSeparator();
    m_exit = m_menu.addAction(QString(), this, &CTrayIcon::exitRequested);
    m_icon.setContextMenu(&m_menu);
    Retranslate();
    connect(&m_icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger) {
            Remove();
            emit restoreRequested();
        }
    });
}

void CTrayIcon::Retranslate() {
    m_about->setText(tr("About"));
    m_show->setText(tr("Show Window"));
    m_settings->setText(tr("Settings"));
    m_exit->setText(tr("Exit"));
}

}  // namespace tallyhawk
