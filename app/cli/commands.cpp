// The table of tallyhawk-cli's commands and the helpers they share.
#include <array>
#include <ostream>
#include <string>

#include "app/cli/command.h"
#include "core/text.h"

namespace tallyhawk::cli {
namespace {

constexpr std::string_view kLogHelp =
    "usage: tallyhawk-cli log CALL TIME SENT RCVD [--contest ID] [--band CODE] [--mode CODE] [--date YYYY-MM-DD]\n"
    "       tallyhawk-cli log --batch FILE\n"
    "\n"
    "Logs one contact exactly as if it were typed into the entry row and saved with Enter, using the\n"
    "stored contest setup. TIME is HHMM or HH:MM (UTC). --contest, --band (short code: 10 15 20 40 80 160),\n"
    "--mode (entry code: CW PH RY PS) and --date override the stored setup for this run only.\n"
    "A text the entry row would not take is refused with the field and the reason: letters in the\n"
    "exchanges of a digits-only contest, a call over 11 characters, an exchange over the contest's\n"
    "limit (6; AADX 2; the received exchange of SP DX 1 and of ARRL DX 2 for visiting stations), a time\n"
    "with other characters than digits and \":\".\n"
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
    "The radio's: RigControl (1: the window follows the radio), RigModel (Hamlib's model number, 2 is\n"
    "NET rigctl), RigPort (a serial device or host:port, default localhost:4532), RigSpeed (baud, 0 for\n"
    "the radio's default).\n"
    "For the log sent after the contest (see export and check): CategoryOperator (SINGLE-OP MULTI-OP\n"
    "CHECKLOG), CategoryAssisted (ASSISTED NON-ASSISTED), CategoryBand (ALL 160M 80M 40M 20M 15M 10M),\n"
    "CategoryMode (CW SSB RTTY DIGI MIXED), CategoryPower (HIGH LOW QRP), CategoryStation (FIXED MOBILE\n"
    "PORTABLE ROVER ...), CategoryTransmitter (ONE TWO LIMITED UNLIMITED SWL), Email, GridLocator,\n"
    "Location, Operators, Soapbox (lines joined by *), CabrilloContest (replaces the official contest\n"
    "name) and ContestPeriod (\"YYYY-MM-DD HHMM YYYY-MM-DD HHMM\", start and the first minute after the\n"
    "end). An empty value takes the default.\n"
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

constexpr std::string_view kConvertHelp =
    "usage: tallyhawk-cli convert FILE [--from adif|cabrillo]\n"
    "\n"
    "Converts a log as the Files window does. An ADIF file (one record per line, each ending with\n"
    "<EOR>) becomes QSO: lines appended to Convert.cbr; a Cabrillo log becomes ADIF records appended to\n"
    "Convert.adi (an empty Convert.adi first gets the <EOH> header). The output file is in the current\n"
    "directory and is never truncated; nothing else is written. The direction follows the third-last\n"
    "character of FILE's name (c: Cabrillo, a: ADIF); --from sets it for any other name. FILE is checked\n"
    "first (see validate); a rejected file prints the error and writes nothing. Prints the last count\n"
    "(QSO: N) and Complete, or No entries when nothing was converted. The own call is the Callsign\n"
    "setting (UNKNOWN if empty).\n"
    "\n"
    "Exit status: 0 converted, 1 rejected or not written, 2 usage error.\n";

constexpr std::string_view kImportHelp =
    "usage: tallyhawk-cli import FILE\n"
    "       tallyhawk-cli import --any FILE\n"
    "\n"
    "Replaces the logbook database (database/Logbook.idx and .bdx) with the records of an ADIF file:\n"
    "every line with a CALL tag of 3 or more characters becomes one entry. FILE is checked first (see\n"
    "validate); a rejected file prints the error and leaves the logbook as it was. Prints the last\n"
    "count (QSO: N) and Complete.\n"
    "\n"
    "--any reads the ADIF of any logger instead: with or without a header, tags in any case, records\n"
    "over several lines, typed tags and lengths of any number of digits. Every record with a CALL of 3\n"
    "or more characters becomes one entry holding its date, time, band (from FREQ when there is no\n"
    "BAND), mode, reports and QSL state. A file without such a record leaves the logbook as it was;\n"
    "the records without a call are counted on a last line.\n"
    "\n"
    "Exit status: 0 imported, 1 rejected or not written, 2 usage error.\n";

constexpr std::string_view kValidateHelp =
    "usage: tallyhawk-cli validate FILE\n"
    "\n"
    "Checks that FILE has the shape the converter reads. By the third-last character of the name:\n"
    "c (Cabrillo): every line of more than 70 characters is exactly 81, and every QSO: line has blanks\n"
    "between its fields and ends in a digit; a (ADIF): a line holds <EOH>, and from it on every line of\n"
    "more than 6 characters ends with <EOR>; any other name passes unread.\n"
    "\n"
    "Exit status: 0 valid, 1 not valid (the error on stderr), 2 usage error.\n";

constexpr std::string_view kEditHelp =
    "usage: tallyhawk-cli edit N CALL DATE TIME BAND MODE SENT RCVD\n"
    "\n"
    "Corrects contact N (its number in the log view) as the edit dialog does: writes database/Edit.bak,\n"
    "checks the fields (call of 3 or more characters, DATE YYYY-MM-DD, TIME HH:MM or HHMM, BAND one of\n"
    "10 15 20 40 80 160, MODE one of PH CW RY PS, both exchanges filled in, letters in the exchanges (up\n"
    "to 6 characters) only in contests whose exchanges carry them), then rewrites record N of the\n"
    "contest index and the N-th QSO: line of the log. The statistics are not changed: run a reload\n"
    "afterwards. A refused field or a number the files do not hold changes nothing.\n"
    "\n"
    "Exit status: 0 changed, 1 refused, 2 usage error.\n";

constexpr std::string_view kDeleteHelp =
    "usage: tallyhawk-cli delete N\n"
    "\n"
    "Removes contact N from the contest index and its QSO: line from the log, without asking. The\n"
    "statistics are not changed: run a reload afterwards. A number the files do not hold changes nothing.\n"
    "\n"
    "Exit status: 0 deleted, 1 refused, 2 usage error.\n";

constexpr std::string_view kHistoryHelp =
    "usage: tallyhawk-cli history CALL\n"
    "\n"
    "Types CALL into the call field and leaves it, as the operator does in the window, and prints the\n"
    "history of the call from the logbook database (contacts imported from ADIF): one line per earlier\n"
    "contact of exactly this call, in logbook order, with the fields\n"
    "    Date UTC Band Mode QSL-r/s\n"
    "separated by TAB characters, for example 2002-03-15<TAB>12:34<TAB>20<TAB>CW<TAB>Y/N. A field the\n"
    "record lacks is empty. Nothing is printed when the logbook holds no contact of the call, when it\n"
    "does not exist, or for calls of fewer than 3 characters.\n";

constexpr std::string_view kReloadHelp =
    "usage: tallyhawk-cli reload\n"
    "\n"
    "Rebuilds everything derived from the contest log <Callsign>.cbr, as the window's reload button (F2)\n"
    "does: checks the log's fixed columns (every line at most 70 characters or exactly 81; every QSO: line\n"
    "with blanks between its fields and a digit at its end), deletes the contest index\n"
    "database/<Callsign>.idx and .bdx, database/Edit.bak and every file of statistics/, then reads each\n"
    "QSO: line again and scores it by the rules of the stored contest. Run it after editing or deleting\n"
    "contacts. On success prints the score summary as the score command does. On a terminal the\n"
    "percentage read is shown on standard error while it works.\n"
    "\n"
    "A log that fails the check, or that does not exist yet, is not read and nothing is deleted; the\n"
    "message of the window is printed on standard error in the language of the Language setting.\n"
    "\n"
    "Exit status: 0 reloaded, 1 refused, 2 usage error.\n";

constexpr std::string_view kStatusHelp =
    "usage: tallyhawk-cli status CALL\n"
    "\n"
    "Types CALL into the call field and leaves it, as the operator does in the window, and prints two\n"
    "lines: the status line (whether the call would be a new multiplier in the stored contest and band,\n"
    "for example \"Japan - NEW COUNTRY\" or \"W1 - WORKED PREFIX\"), then the received-exchange field,\n"
    "which CQ WW DX (and JAPAN DX at a Japanese station) fills with the call's CQ zone. Either line is\n"
    "empty when there is nothing to show.\n";

constexpr std::string_view kSendHelp =
    "usage: tallyhawk-cli send TEXT...\n"
    "\n"
    "Sends a settings message to the running window (tallyhawk), as the settings dialogs do, and waits\n"
    "until the window has applied it. The words of TEXT are joined by single blanks. The window acts only\n"
    "on a message containing \"settings:\"; it reads ontop:yes hide:yes current:yes (each switched off\n"
    "when absent), date: band: mode: cont: cdrom: disk:.\n"
    "\n"
    "    $ tallyhawk-cli send settings: cont:CQ band:20 mode:Phone date:2002-11-30\n"
    "\n"
    "The window listens on the local server \"Tallyhawk\" (the environment variable TALLYHAWK_SERVER\n"
    "names another). Exit status: 0 sent, 1 no window is running or it did not answer, 2 usage error.\n";

constexpr std::string_view kExportHelp =
    "usage: tallyhawk-cli export cabrillo|adif [--output FILE]\n"
    "\n"
    "Writes the contest log <Callsign>.cbr for after the contest; the contest log itself is only read.\n"
    "cabrillo: a Cabrillo 3.0 log for the sponsor's robot, <Callsign>-<contest>.log in the program\n"
    "folder: the official contest name of the log's mode (CQ-WW-CW, CQ-WPX-SSB, ARRL-DX-CW, IARU-HF,\n"
    "RDXC, ...; the CabrilloContest setting replaces it), CALLSIGN, the CATEGORY lines from the Category\n"
    "settings, CLAIMED-SCORE as the score command prints it, CLUB, LOCATION, GRID-LOCATOR, NAME, ADDRESS,\n"
    "EMAIL, OPERATORS, CREATED-BY, SOAPBOX, the QSO: lines in the Cabrillo 3.0 columns (frequency, mode,\n"
    "date, time, own call, report and exchange sent, call, report and exchange received, transmitter id)\n"
    "in the order of the log, and END-OF-LOG:.\n"
    "adif: the contest's contacts as ADIF 3.1, <Callsign>-<contest>.adi, for LoTW, Club Log or a\n"
    "logbook: CALL QSO_DATE TIME_ON BAND FREQ MODE (SUBMODE) RST_SENT RST_RCVD STX/STX_STRING\n"
    "SRX/SRX_STRING CONTEST_ID STATION_CALLSIGN OPERATOR.\n"
    "--output names another file. Characters that cannot stand in a file name become _.\n"
    "\n"
    "Prints \"N contacts written to FILE\". Exit status: 0 written, 1 no contest log or not written,\n"
    "2 usage error.\n";

constexpr std::string_view kCheckHelp =
    "usage: tallyhawk-cli check\n"
    "\n"
    "Lists what the contest sponsors' log robots refuse or penalise, one finding per line as\n"
    "\"line N: text\" (N is the line of the contest log) or \"header: text\": contacts out of time order,\n"
    "outside the contest period (the ContestPeriod setting, or the contest's own dates in the year of the\n"
    "log), an empty or malformed exchange (a zone outside 1-40 in CQ WW, a serial that is no number),\n"
    "calls that cannot be calls, the same call twice on a band and mode (flagged, not removed), a mode\n"
    "the contest's edition does not take, a band outside the six, lines out of the log's columns, and\n"
    "header fields the sponsor requires that are empty. A last line counts findings and contacts.\n"
    "\n"
    "Exit status: 0 nothing found, 1 findings (or no contest log), 2 usage error.\n";

constexpr std::string_view kImportLogHelp =
    "usage: tallyhawk-cli import-log FILE\n"
    "\n"
    "Takes over a contest begun in another program: a Cabrillo 2.0 or 3.0 log whose CONTEST: is the\n"
    "official name of one of the twenty contests (CQ-WW-CW, CQ-WPX-SSB, ARRL-DX-CW, IARU-HF, RDXC, ...)\n"
    "becomes the new contest log <Callsign>.cbr of its CALLSIGN: in the program folder, one QSO: line in\n"
    "the log's own columns per contact (the exchange after the report, frequencies outside the six bands\n"
    "as *****). The Callsign and Contest settings are set to the log's, and a reload scores it and prints\n"
    "the score as reload does. A log of another contest, or a contest log that exists already, is refused\n"
    "and nothing is written. Lines with a call of more than 13 characters or without a valid date and\n"
    "time are named on standard error and left out.\n"
    "\n"
    "Exit status: 0 imported and reloaded, 1 refused, 2 usage error.\n";
constexpr std::string_view kScpHelp =
    "usage: tallyhawk-cli scp [--n1] TEXT...\n"
    "\n"
    "Types each TEXT into the call field, as the operator does in the window, and prints the known calls\n"
    "the window lists for it, one per line, sorted in character order: the calls of MASTER.SCP that contain\n"
    "TEXT (from 2 characters on), or with --n1 the calls one character away from it (one replaced, added\n"
    "or missing; from 3 characters on). A call worked in this contest (any band) is followed by a TAB and\n"
    "\"worked\". Each list stops at 40 calls. With several TEXTs their lists follow in argument order,\n"
    "separated by an empty line.\n"
    "\n"
    "MASTER.SCP is read from the program folder, or else from /usr/share/hamradio-files (Debian's\n"
    "hamradio-files).\n"
    "\n"
    "    $ tallyhawk-cli scp W1AW\n"
    "    W1AW\n"
    "    W1AW/4<TAB>worked\n"
    "\n"
    "Exit status: 0 printed (also when nothing matches), 1 no MASTER.SCP with any call, 2 usage error.\n";

constexpr std::string_view kRateHelp =
    "usage: tallyhawk-cli rate\n"
    "\n"
    "Prints the contact rates the window shows and a table of the contacts per clock hour and band, all by\n"
    "the logged date and time of the contacts in the contest index:\n"
    "    Last 10 QSOs<TAB>R     the 10 latest contacts per hour, over the minutes from the first of them\n"
    "                           to the last, both counted (10 contacts from 12:00 to 12:09: 60)\n"
    "    Last 60 minutes<TAB>N  the contacts of the 60 minutes that end with the latest contact's minute\n"
    "then an empty line and the table, cells separated by TAB:\n"
    "    Hour 10 15 20 40 80 160 Total          the header\n"
    "    2026-12-05 23:00 0 0 12 3 0 0 15       one row per clock hour holding a contact, in time order\n"
    "    Total 0 0 12 3 0 0 15                  the whole log\n"
    "A contact on no contest band counts in Total only; one whose date or time cannot be read counts\n"
    "nowhere.\n";

constexpr std::string_view kRigHelp =
    "usage: tallyhawk-cli rig\n"
    "\n"
    "Asks the radio of the settings RigModel, RigPort and RigSpeed once, whether RigControl is on or not,\n"
    "and prints one TAB-separated line: the frequency in Hz, Hamlib's name of the mode, the contest band\n"
    "and the entry mode the window would take from them (each empty when there is none):\n"
    "    $ tallyhawk-cli rig\n"
    "    14025000<TAB>USB<TAB>20<TAB>PH\n"
    "\n"
    "Exit status: 0 printed, 1 \"radio not connected\" (the radio or rigctld did not answer), 2 usage error.\n";

constexpr std::array kCommands = {
    Command{"log", "log one contact, or a batch of contacts", kLogHelp, RunLog},
    Command{"score", "print the score summary and the claimed score", kScoreHelp, RunScore},
    Command{"set", "write settings values", kSetHelp, RunSet},
    Command{"settings", "print every settings value", kSettingsHelp, RunSettings},
    Command{"wpx", "print the WPX prefix of calls", kWpxHelp, RunWpx},
    Command{"lookup", "print the country, zone, continent and prefixes of calls", kLookupHelp, RunLookup},
    Command{"cty", "build the country files from an AD1C country file", kCtyHelp, RunCty},

    Command{"convert", "convert an ADIF file to Convert.cbr or a Cabrillo log to Convert.adi", kConvertHelp, RunConvert},
    Command{"import", "replace the logbook database with an ADIF file", kImportHelp, RunImport},
    Command{"validate", "check that a log file can be converted", kValidateHelp, RunValidate},
    Command{"edit", "correct a logged contact", kEditHelp, RunEdit},
    Command{"delete", "remove a logged contact", kDeleteHelp, RunDelete},
    Command{"history", "print the logbook history of a call", kHistoryHelp, RunHistory},
    Command{"reload", "rebuild the contest index and the statistics from the contest log", kReloadHelp,
            RunReload},
    Command{"status", "print the multiplier status of a call", kStatusHelp, RunStatus},
    Command{"send", "send a settings message to the running window", kSendHelp, RunSend},
    Command{"export", "write the Cabrillo 3.0 log for the sponsor, or the contest's ADIF", kExportHelp, RunExport},
    Command{"check", "check the contest log before sending it", kCheckHelp, RunCheck},
    Command{"import-log", "take over the Cabrillo log of a contest begun in another program", kImportLogHelp,
            RunImportLog},
    Command{"scp", "print the known calls containing a text, or one character away (--n1)", kScpHelp, RunScp},
    Command{"rate", "print the contact rates and the contacts per hour and band", kRateHelp, RunRate},
    Command{"rig", "print the radio's frequency and mode once", kRigHelp, RunRig},
};

}  // namespace

std::span<const Command> Commands() { return kCommands; }

void PrintMessage(std::ostream& out, const Message& message, bool russian) {
    out << MessageTitle(message, russian) << ": " << MessageText(message, russian) << "\n";
}

LoggerSession StartSession(CommandContext& context, StartUp startUp) {
    LoggerSession session(context.folder, context.settings);
    const Effects effects = startUp == StartUp::Contest ? session.Start() : session.StartWithoutContest();
    for (const auto& message : effects.messages) PrintMessage(context.err, message, session.Russian());
    return session;
}

std::string TimeFieldText(std::string_view time) {
    if (time.size() == 4 && IsAllDigits(time)) return std::string(time.substr(0, 2)) + ":" + std::string(time.substr(2));
    return std::string(time);
}

void TypeCall(LoggerSession& session, std::string_view call) {
    for (char key : call) (void)session.CallChanged(session.CurrentScreen().entry[Field::Call] + key);
}

void TypeCallAndLeave(LoggerSession& session, std::string_view call) {
    TypeCall(session, call);
    (void)session.LeaveCallField();
}

}  // namespace tallyhawk::cli
