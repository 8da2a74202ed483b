// The window's command line.
#include "app/qt/command_line.h"

#include <QCommandLineParser>
#include <array>

namespace tallyhawk {
namespace {

constexpr const char* kHelp =
    "Usage: tallyhawk [--folder DIR | --home] [--settings FILE] [--no-splash]\n"
    "Tallyhawk, a logging program for HF contests.\n"
    "\n"
    "  --folder DIR     the program folder with dxcc/, database/, statistics/ and the contest log\n"
    "                   (default: the current directory)\n"
    "  --home           work in $TALLYHAWK_HOME (default ~/Tallyhawk), created with the shipped country\n"
    "                   files when missing; --folder wins over it. The desktop entry starts the window so.\n"
    "  --settings FILE  keep the settings in this INI file instead of the platform store\n"
    "  --no-splash      start without the three-second start-up picture\n"
    "  -h, --help       show this help\n";

// The options QGuiApplication reads for itself; they must pass here untouched.
constexpr std::array<const char*, 12> kQtValueOptions = {
    "platform",    "platformpluginpath", "platformtheme", "plugin",  "qwindowgeometry", "geometry",
    "qwindowicon", "qwindowtitle",       "session",       "display", "style",           "stylesheet"};
constexpr std::array<const char*, 5> kQtFlags = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

void AddQtOptions(QCommandLineParser& parser) {
    for (const char* name : kQtValueOptions) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : kQtFlags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

WindowCommandLine Mistake(const QString& text) {
    return WindowCommandLine{.options = std::nullopt,
                             .exitStatus = 2,
                             .output = {},
                             .error = "tallyhawk: " + text.toStdString() + "\nTry 'tallyhawk --help'.\n"};
}

}  // namespace

WindowCommandLine ReadWindowCommandLine(const std::vector<std::string>& words) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption folder(QStringLiteral("folder"), QString(), QStringLiteral("DIR"),
                                    QStringLiteral("."));
    const QCommandLineOption settings(QStringLiteral("settings"), QString(), QStringLiteral("FILE"));
    const QCommandLineOption noSplash(QStringLiteral("no-splash"));
    const QCommandLineOption home(QStringLiteral("home"));
    parser.addOptions({help, folder, settings, noSplash, home});
    AddQtOptions(parser);
    QStringList arguments{QStringLiteral("tallyhawk")};
    for (const std::string& word : words) arguments << QString::fromLocal8Bit(word.c_str());
    if (!parser.parse(arguments)) return Mistake(parser.errorText());
    if (parser.isSet(help))
        return WindowCommandLine{.options = std::nullopt, .exitStatus = 0, .output = kHelp};
    if (!parser.positionalArguments().isEmpty())
        return Mistake(QStringLiteral("unexpected argument '%1'.").arg(parser.positionalArguments().first()));
    std::error_code error;
    const auto root = std::filesystem::absolute(parser.value(folder).trimmed().toStdString(), error);
    return WindowCommandLine{.options = WindowOptions{.folder = root,
                                                      .settingsFile = parser.value(settings).toStdString(),
                                                      .splash = !parser.isSet(noSplash),
                                                      .home = parser.isSet(home) && !parser.isSet(folder)}};
}

}  // namespace tallyhawk
