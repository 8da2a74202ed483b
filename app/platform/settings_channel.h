// The channel that carries a settings message to the running window: a local socket server named
// "Tallyhawk" (the environment variable TALLYHAWK_SERVER names another, for a second window or a test).
// The sender writes the text and a NUL; the window answers "OK\n" once it has applied the message, so
// a send returns after the window acted on it.
#pragma once

#include <QString>
#include <string_view>

namespace tallyhawk {

inline constexpr char kSettingsMessageEnd = '\0';
inline constexpr std::string_view kSettingsMessageReply = "OK\n";

// The server name: TALLYHAWK_SERVER when set and not empty, otherwise "Tallyhawk".
QString SettingsServerName();

enum class SendStatus { Sent, NoWindow, NoAnswer };

// Sends one message and waits up to `timeoutMs` for the window's answer.
[[nodiscard]] SendStatus SendSettingsMessage(std::string_view text, int timeoutMs = 5000);

}  // namespace tallyhawk
