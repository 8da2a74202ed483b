// The table of tallyhawk-cli's commands and the helpers they share.
#include <array>
#include <ostream>

#include "app/cli/command.h"

namespace tallyhawk::cli {
namespace {

constexpr std::string_view kLogHelp =
    "usage: tallyhawk-cli log CALL TIME SENT RCVD [--contest ID] [--band CODE] [--mode CODE] [--date YYYY-MM-DD]\n"
    "       tallyhawk-cli log --batch FILE\n"
    "\n"
    "Logs one contact exactly as if it were typed into the entry row and saved with Enter, using the\n"
    "stored contest setup. TIME is HHMM or HH:MM (UTC). --contest, --band (short code: 10 15 20 40 80 160),\n"
    "--mode (entry code: CW PH RY PS) and --date override the stored setup for this run only.\n"
    "\n"
    "--batch FILE (\"-\" for standard input) logs one contact per line:\n"
    "    BAND MODE DATE TIME CALL SENT RCVD\n"
    "separated by blanks. A malformed line is reported with its line number and skipped; the rest\n"
    "are logged. The log is synced to disk once at the end.\n"
    "\n"
    "Exit status: 0 when every contact was logged, 1 when a contact was refused or a line skipped,\n"
    "2 on a usage error.\n";

constexpr std::string_view kScoreHelp =
    "usage: tallyhawk-cli score\n"
    "\n"
    "Prints the score summary of the stored contest as the window shows it after start-up: the rows of\n"
    "the score grid, header row first, cells separated by TAB, then a last line holding only the claimed\n"
    "score. The contacts and points of each band are restored from statistics/<Callsign>.sf, and the\n"
    "multipliers are counted in the statistics files that every logged contact updates.\n";

constexpr std::string_view kSetHelp =
    "usage: tallyhawk-cli set NAME=VALUE ...\n"
    "\n"
    "Writes values of the settings store. Names are those of the window's settings, for example\n"
    "    tallyhawk-cli set Callsign=DL1XYZ Contest=CQ Band=20 Mode=CW Continent=EU CQZone=14\n"
    "Settings: Callsign Name Club Address CQZone Continent CDROM Disk Date RealTimeMode Band Mode\n"
    "Contest TimeShift HideToTray TranceiverID Language CheckConfigOnStart SetWindowOnTop.\n"
    "Colours: GridBackColor GridTextColor GridBackColorSel GridTextColorSel GridBackColorFix\n"
    "GridTextColorFix GridBackColorWorked GridBackColorNotWorked ColorText AlarmColor InfoColor\n"
    "EditColorBack EditColorText GridStyle. Integer values must be numbers; a text longer than the\n"
    "value's size is refused. Nothing is written when any pair is refused.\n";

constexpr std::string_view kSettingsHelp =
    "usage: tallyhawk-cli settings\n"
    "\n"
    "Prints every stored value as Group/Name=value, one per line. A store that does not exist yet\n"
    "is created with the first-run defaults, as the window's start-up does.\n";

constexpr std::string_view kWpxHelp =
    "usage: tallyhawk-cli wpx [CALL...]\n"
    "\n"
    "Prints the WPX prefix of each call, one line per call; an empty line when the call has none\n"
    "(for example 3DA0ABC). Without CALL arguments the calls are read from standard input, one per line.\n"
    "\n"
    "    $ tallyhawk-cli wpx DL1ABC W1ABC/4 G3ABC/VP2E\n"
    "    DL1\n"
    "    W4\n"
    "    VP2E\n";

constexpr std::string_view kLookupHelp =
    "usage: tallyhawk-cli lookup [CALL...]\n"
    "\n"
    "Looks each call up in the country file dxcc/cty.dat of the program folder, as the window does,\n"
    "and prints one line per call with these TAB-separated fields:\n"
    "    call (blanks removed)  principal prefix  country name  CQ zone  continent  WPX prefix  CQ-M key\n"
    "An unknown country leaves the prefix, name, zone and continent empty. Without CALL arguments the\n"
    "calls are read from standard input, one per line. A folder without dxcc/ gets the start-up\n"
    "warning on standard error, and every country is then unknown.\n"
    "\n"
    "    $ tallyhawk-cli lookup UA4PAB\n"
    "    UA4PAB<TAB>RA1<TAB>European Russia<TAB>16<TAB>EU<TAB>UA4<TAB>RA4P\n";

constexpr std::string_view kCtyHelp =
    "usage: tallyhawk-cli cty FILE\n"
    "\n"
    "Builds the country files dxcc/cty.dat, dxcc/prx2.dat, dxcc/prx3.dat and dxcc/prx4.dat of the\n"
    "program folder from FILE, a country file in the AD1C format (cty.dat of country-files.com;\n"
    "Debian installs one as /usr/share/hamradio-files/cty.dat), replacing the files there. Run it\n"
    "before a contest to bring the countries up to date. A file without any country record changes\n"
    "nothing.\n"
    "\n"
    "    $ tallyhawk-cli --folder ~/tallyhawk cty cty.dat\n"
    "    346 countries, 340 lines written to /home/op/tallyhawk/dxcc/cty.dat with prx2.dat, prx3.dat and prx4.dat\n";

constexpr std::array kCommands = {
    Command{"log", "log one contact, or a batch of contacts", kLogHelp, RunLog},
    Command{"score", "print the score summary and the claimed score", kScoreHelp, RunScore},
    Command{"set", "write settings values", kSetHelp, RunSet},
    Command{"settings", "print every settings value", kSettingsHelp, RunSettings},
    Command{"wpx", "print the WPX prefix of calls", kWpxHelp, RunWpx},
    Command{"lookup", "print the country, zone, continent and prefixes of calls", kLookupHelp, RunLookup},
    Command{"cty", "build the country files from an AD1C country file", kCtyHelp, RunCty},
};

}  // namespace

std::span<const Command> Commands() { return kCommands; }

void PrintMessage(std::ostream& out, const Message& message, bool russian) {
    out << MessageTitle(message, russian) << ": " << MessageText(message, russian) << "\n";
}

LoggerSession StartSession(CommandContext& context) {
    LoggerSession session(context.folder, context.settings);
    const Effects effects = session.Start();
    for (const auto& message : effects.messages) PrintMessage(context.err, message, session.Russian());
    return session;
}

}  // namespace tallyhawk::cli
