// tallyhawk-cli send: a settings message to the running window, as the settings dialogs send it.
#include <QCoreApplication>
#include <memory>
#include <ostream>

#include "app/cli/command.h"
#include "app/platform/settings_channel.h"

namespace tallyhawk::cli {

int RunSend(CommandContext& context) {
    const auto& words = context.arguments.positionals;
    if (words.empty()) {
        context.err << "send needs the message TEXT (see tallyhawk-cli send --help)\n";
        return kExitUsage;
    }
    std::string text;
    for (const auto& word : words) text += (text.empty() ? "" : " ") + word;
    // The socket's waits need an application object.
    std::unique_ptr<QCoreApplication> application;
    if (!QCoreApplication::instance()) {
        static int argc = 1;
        static char name[] = "tallyhawk-cli";
        static char* argv[] = {name, nullptr};
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    switch (SendSettingsMessage(text)) {
        case SendStatus::Sent:
            return kExitOk;
        case SendStatus::NoWindow:
            context.err << "send: no window: Tallyhawk is not running (no local server named \""
                        << SettingsServerName().toStdString() << "\")\n";
            return kExitFailure;
        case SendStatus::NoAnswer:
            break;
    }
    context.err << "send: the window did not answer\n";
    return kExitFailure;
}

}  // namespace tallyhawk::cli
