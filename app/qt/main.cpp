// tallyhawk: the contest logger's main window.
#include <QApplication>
#include <QScreen>
#include <csignal>
#include <exception>
#include <filesystem>
#include <iostream>

#include "app/platform/qsettings_backend.h"
#include "app/qt/callbook_loader.h"
#include "app/qt/command_line.h"
#include "app/qt/dialog_launcher.h"
#include "app/qt/exit_signals.h"
#include "app/qt/logger_dlg.h"
#include "app/qt/small_dialogs.h"
#include "app/qt/splash.h"
#include "app/session/start_up_checks.h"
#include "core/work_folder.h"

namespace tallyhawk {
namespace {

// Fewer colours than the window needs end the program after the message. The size of the fonts needs no
// check: the window is laid out in device-independent pixels and Qt scales it to the screen.
bool DisplayIsUsable() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return true;
    const auto refused = DisplayColorDepthMessage(screen->depth());
    if (refused) ShowMessage(nullptr, *refused, false);
    return !refused;
}

int RunWindow(const std::filesystem::path& folder, const WindowOptions& options,
              const CExitSignals& exitSignals) {
    QSettingsBackend settings(options.settingsFile);
    LoggerSession session(ProgramFolder(folder), settings);
    CallbookLoader callbooks(folder);
    session.SetCallbookLibraries(&callbooks);
    CLoggerDlg window(session, ReadSystemClock);
    window.openDialog = [&window, &settings](Dialog dialog) {
        return OpenSettingsDialog(dialog, window, settings, ReadSystemClock);
    };
    QObject::connect(&window, &CLoggerDlg::exitConfirmed, &window, [] { QCoreApplication::exit(0); });
    QObject::connect(&exitSignals, &CExitSignals::exitRequested, &window, &CLoggerDlg::ExitWithoutQuestion);
    window.Start();
    int status = 0;
    // An exit asked for during start-up (before the event loop runs) is kept, not forgotten by exec().
    if (!exitSignals.Arrived() && !window.ExitConfirmed()) {
        window.show();
        status = QApplication::exec();
    }
    settings.Sync();
    return status;
}

int Run(const WindowOptions& options) {
    CExitSignals exitSignals;
    QObject::connect(&exitSignals, &CExitSignals::exitRequested, [] { QCoreApplication::exit(0); });
    if (!DisplayIsUsable()) return 1;
    if (options.splash) ShowSplash();
    if (exitSignals.Arrived()) return 0;
    std::filesystem::path folder = options.folder;
    if (options.home) {
        const WorkFolder work = OpenWorkFolder(QCoreApplication::applicationFilePath().toStdString());
        if (!work.error.empty()) {
            std::cerr << "tallyhawk: " << work.error << "\n";
            return 1;
        }
        folder = work.path;
    }
    return RunWindow(folder, options, exitSignals);
}

}  // namespace
}  // namespace tallyhawk

int main(int argc, char** argv) {
    // A write beyond the file-size limit must fail like a full disk, not end the program.
    std::signal(SIGXFSZ, SIG_IGN);
    // The command line is read before any Qt object exists: a mistake ends the program here, with nothing
    // to tear down.
    const tallyhawk::WindowCommandLine commandLine =
        tallyhawk::ReadWindowCommandLine({argv + 1, argv + argc});
    std::cout << commandLine.output << std::flush;
    std::cerr << commandLine.error << std::flush;
    if (!commandLine.options) return commandLine.exitStatus;
    try {
        QApplication application(argc, argv);
        QApplication::setApplicationName(QStringLiteral("Tallyhawk"));
        // Hidden in the notification area the window is not closed, and a message box closing then must
        // not end the program: only the confirmed exit does.
        QApplication::setQuitOnLastWindowClosed(false);
        return tallyhawk::Run(*commandLine.options);
    } catch (const std::exception& error) {
        std::cerr << "tallyhawk: " << error.what() << "\n";
    } catch (...) {
        std::cerr << "tallyhawk: unexpected error\n";
    }
    return 1;
}
