// CSettingsServer: receives settings messages from the settings dialogs and from other programs
// (tallyhawk-cli send) over the local server named by SettingsServerName().
#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

namespace tallyhawk {

class CSettingsServer : public QObject {
    Q_OBJECT
public:
    explicit CSettingsServer(QObject* parent = nullptr);

    // False when another window already listens, or the name cannot be used.
    bool Listen();
    QString ErrorText() const { return m_server.errorString(); }

signals:
    // One whole message; the sender gets its answer after the receivers have returned.
    void messageReceived(const QString& text);

private:
    void Accept();

    QLocalServer m_server;
};

}  // namespace tallyhawk
