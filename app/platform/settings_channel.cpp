// The channel that carries a settings message to the running window.
#include "app/platform/settings_channel.h"

#include <QByteArray>
#include <QLocalSocket>

namespace tallyhawk {

QString SettingsServerName() {
    const QString name = qEnvironmentVariable("TALLYHAWK_SERVER");
    return name.isEmpty() ? QStringLiteral("Tallyhawk") : name;
}

SendStatus SendSettingsMessage(std::string_view text, int timeoutMs) {
    QLocalSocket socket;
    socket.connectToServer(SettingsServerName());
    if (!socket.waitForConnected(timeoutMs)) return SendStatus::NoWindow;
    QByteArray data(text.data(), static_cast<qsizetype>(text.size()));
    data.append(kSettingsMessageEnd);
    socket.write(data);
    if (!socket.waitForBytesWritten(timeoutMs)) return SendStatus::NoAnswer;
    QByteArray reply;
    while (reply.size() < static_cast<qsizetype>(kSettingsMessageReply.size()) &&
           socket.waitForReadyRead(timeoutMs)) {
        reply.append(socket.readAll());
    }
    return reply.startsWith(kSettingsMessageReply.data()) ? SendStatus::Sent : SendStatus::NoAnswer;
}

}  // namespace tallyhawk
