// tallyhawk: the contest logger's main window.
#include <QApplication>
#include <QCommandLineParser>
#include <csignal>
#include <filesystem>
#include <iostream>

#include "app/platform/qsettings_backend.h"
#include "app/qt/callbook_loader.h"
#include "app/qt/dialog_launcher.h"
#include "app/qt/logger_dlg.h"
#include "core/work_folder.h"

namespace tallyhawk {
namespace {

int Run(QApplication& application) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Tallyhawk, a logging program for HF contests."));
    parser.addHelpOption();
    const QCommandLineOption folderOption(
        QStringLiteral("folder"),
        QStringLiteral("The program folder with dxcc/, database/, statistics/ and the contest log "
                       "(default: the current directory)."),
        QStringLiteral("DIR"), QStringLiteral("."));
    const QCommandLineOption settingsOption(
        QStringLiteral("settings"),
        QStringLiteral("Keep the settings in this INI file instead of the platform store."),
        QStringLiteral("FILE"));
    const QCommandLineOption homeOption(
        QStringLiteral("home"),
        QStringLiteral("Work in $TALLYHAWK_HOME (default ~/Tallyhawk), created with the shipped country "
                       "files when missing; --folder wins over it. The desktop entry starts the window so."));
    parser.addOption(folderOption);
    parser.addOption(homeOption);
    parser.addOption(settingsOption);
    parser.process(application);

    std::error_code error;
    auto folder = std::filesystem::absolute(parser.value(folderOption).trimmed().toStdString(), error);
    if (parser.isSet(homeOption) && !parser.isSet(folderOption)) {
        const WorkFolder work = OpenWorkFolder(QCoreApplication::applicationFilePath().toStdString());
        if (!work.error.empty()) {
            std::cerr << "tallyhawk: " << work.error << "\n";
            return 1;
        }
        folder = work.path;
    }
    QSettingsBackend settings(parser.value(settingsOption).toStdString());
    LoggerSession session(ProgramFolder(folder), settings);
    CallbookLoader callbooks(folder);
    session.SetCallbookLibraries(&callbooks);
    CLoggerDlg window(session, ReadSystemClock);
    window.openDialog = [&window, &settings](Dialog dialog) {
        OpenSettingsDialog(dialog, window, settings, ReadSystemClock);
    };
    QObject::connect(&window, &CLoggerDlg::exitConfirmed, &application, &QApplication::quit);
    window.Start();
    window.show();
    const int status = QApplication::exec();
    settings.Sync();
    return status;
}

}  // namespace
}  // namespace tallyhawk

int main(int argc, char** argv) {
    // A write beyond the file-size limit must fail like a full disk, not end the program.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tallyhawk"));
    // Hidden in the notification area the window is not closed, and a message box closing then must
    // not end the program: only the confirmed exit does.
    QApplication::setQuitOnLastWindowClosed(false);
    return tallyhawk::Run(application);
}
