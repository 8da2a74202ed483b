// CSettingsServer: one message per connection, ended by a NUL.
#include "app/qt/settings_server.h"

#include <QLocalSocket>
#include <memory>

#include "app/platform/settings_channel.h"

namespace tallyhawk {
namespace {

// A message is at most 255 characters; a sender that goes on is cut off rather than buffered without end.
constexpr qsizetype kLongestMessageBytes = 4096;

}  // namespace

CSettingsServer::CSettingsServer(QObject* parent) : QObject(parent) {
    connect(&m_server, &QLocalServer::newConnection, this, &CSettingsServer::Accept);
}

bool CSettingsServer::Listen() {
    const QString name = SettingsServerName();
    if (m_server.listen(name)) return true;
    // A name left behind by a window that ended without closing it is taken over; a live one is not.
    QLocalSocket probe;
    probe.connectToServer(name);
    if (probe.waitForConnected(500)) return false;
    QLocalServer::removeServer(name);
    return m_server.listen(name);
}

void CSettingsServer::Accept() {
    while (QLocalSocket* socket = m_server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        auto received = std::make_shared<QByteArray>();
        connect(socket, &QLocalSocket::readyRead, this, [this, socket, received] {
            received->append(socket->readAll());
            const qsizetype end = received->indexOf(kSettingsMessageEnd);
            if (end < 0 && received->size() < kLongestMessageBytes) return;
            const QByteArray text = received->left(end < 0 ? kLongestMessageBytes : end);
            received->clear();
            emit messageReceived(QString::fromUtf8(text));
            socket->write(kSettingsMessageReply.data(), static_cast<qsizetype>(kSettingsMessageReply.size()));
            socket->disconnectFromServer();
        });
    }
}

}  // namespace tallyhawk
