// CTrayIcon: the icon in the notification area while the window is hidden there, and its menu:
// "About", "Show Window", "Settings", a separator, "Exit".
#pragma once

#include <QMenu>
#include <QObject>
#include <QSystemTrayIcon>

namespace tallyhawk {

class CTrayIcon : public QObject {
    Q_OBJECT
public:
    explicit CTrayIcon(const QIcon& icon, QObject* parent = nullptr);

    // Whether the desktop has a notification area at all.
    static bool Available() { return QSystemTrayIcon::isSystemTrayAvailable(); }

    void Show() { m_icon.show(); }
    void Remove() { m_icon.hide(); }
    bool Shown() const { return m_icon.isVisible(); }
    const QMenu& Menu() const { return m_menu; }

    // The menu's texts in the current language.
    void Retranslate();

signals:
    void restoreRequested();  // the icon clicked: the window comes back and the icon goes
    void showRequested();     // "Show Window": the window comes back, the icon stays
    void aboutRequested();
    void settingsRequested();
    void exitRequested();

private:
    QSystemTrayIcon m_icon;
    QMenu m_menu;
    QAction* m_about = nullptr;
    QAction* m_show = nullptr;
    QAction* m_settings = nullptr;
    QAction* m_exit = nullptr;
};

}  // namespace tallyhawk
