// LoggerSession: the application core behind the main window and the command line. It holds the
// contest setup, the station profile, the counters and what the window shows, and runs each step of
// a contact's road; the front ends only render its screen and play its effects.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/session/call_info_lookup.h"
#include "app/session/call_matches.h"
#include "app/session/effects.h"
#include "app/session/entry_form.h"
#include "app/session/entry_rules.h"
#include "app/session/rig_following.h"
#include "app/session/rig_settings.h"
#include "app/session/settings_backend.h"
#include "app/session/settings_message.h"
#include "app/session/settings_store.h"
#include "app/session/submission.h"
#include "callsign/call_info.h"
#include "callsign/country_table.h"
#include "callsign/oblast_table.h"
#include "convert/adif_import.h"
#include "convert/any_adif_import.h"
#include "convert/log_conversion.h"
#include "core/clock.h"
#include "core/file_io.h"
#include "core/program_folder.h"
#include "core/qso_record.h"
#include "database/call_history.h"
#include "database/contact_rate.h"
#include "database/hourly_contacts.h"
#include "database/log_view.h"
#include "log/contact_editor.h"
#include "scoring/band_point_counters.h"
#include "scoring/score_display.h"
#include "scoring/statistics_recount.h"

namespace tallyhawk {

// The information label under the entry row: the worked-before alarm and the multiplier status.
enum class StatusFont { Info, Alarm };  // bold Arial 5 wide; bold Arial 14 pixels high and 6 wide
struct StatusLabel {
    std::string text;
    ColorName color = color::kInfoColor;  // colour setting of the text
    StatusFont font = StatusFont::Info;
};

struct Screen {
    EntryForm entry;
    Field focus = Field::Call;
    LogViewRows logView;                 // rows 1-7 under the header of kLogViewColumns
    std::vector<LookupRow> lookupView;   // the history rows under the header of kLookupViewColumns
    std::string callLabel;               // the call whose history is shown, right-aligned
    StatusLabel status;
    CallInfoRows callInfo;   // the call information panel, filled once per typed call
    ScoreGrid scoreGrid;     // the score summary, header row first
    std::string scoreLabel;  // the claimed score
    CallMatches knownCalls;  // the known calls for the typed call: partial matches and N+1
    ContactRates rates;      // contacts per hour over the last 10 contacts and the last 60 minutes
};

// What a reload did. A refused log changes nothing; its messages (when the window shows any) say why.
enum class ReloadStatus { Reloaded, NoLogFile, InvalidLine };
struct ReloadResult : Effects {
    ReloadStatus status = ReloadStatus::Reloaded;
    std::optional<std::size_t> badLine;  // the first line the reload check refused (1-based)
};

// A file written for after the contest: where, how many contacts, and the log lines left out.
struct SubmissionWrite {
    std::filesystem::path path;
    int contacts = 0;
    std::vector<std::size_t> unreadLines;  // QSO: lines of the contest log that could not be read
    std::optional<Message> message;        // no contest log, or the file could not be written
};

struct SubmissionCheck {
    int contacts = 0;
    std::vector<CheckFinding> findings;    // header findings first, then the contacts' in log order
    std::optional<Message> message;        // no contest log
};

class LoggerSession {
public:
    LoggerSession(ProgramFolder folder, SettingsBackend& settings, Clock clock = ReadSystemClock);

    // Start-up: settings and colours, the data folder check, the setup shown in the entry row, then the
    // log view and the score, which create the contest index and the score file when they are missing.
    Effects Start();

    // The start-up of work beside the contest (log conversion, logbook import, lookups, history): all
    // of Start but the log view and the score, so that it writes nothing into the program folder.
    Effects StartWithoutContest();

    // Whether the personal dialog opens before the window shows: the own call is shorter than 3
    // characters or the default "UNKNOWN".
    bool StationCallMissing() const;
    // After the personal dialog: a station whose call was missing starts again with the stored settings
    // (nothing can have been logged under it), and the start-up effects are returned; any other change of
    // the profile takes effect at the next start.
    std::optional<Effects> PersonalDialogClosed();

    // Logs the entry row as one contact, or answers an incomplete row with focus moves and a sound. A
    // station without a usable own call logs nothing and asks for the personal dialog.
    Effects SaveContact();

    // Rebuilds the contest index and the statistics from the contest log after checking its columns.
    // `progress` receives the percentage read each time it grows (the window draws it as "37 %").
    ReloadResult ReloadContestLog(const std::function<void(int)>& progress = {});

    // A settings message from a settings dialog or another process; ignored without "settings:".
    void ApplySettingsMessage(std::string_view text);

    // The radio (logger_session_rig.cpp). A poll's reading: when the radio moved to another contest band
    // or mode, the entry row's band and mode follow as a settings message would set them; each saved
    // contact then keeps the radio's frequency when it lies in the contact's band.
    Effects FollowRig(const RigReading& reading);
    // A poll that did not reach the radio: the note "radio not connected" once, saves without frequency.
    Effects RigNotConnected();
    // The radio's settings as stored now (the configuration dialog or `set` may have changed them).
    RigSettings StoredRigSettings() const { return LoadRigSettings(m_settingsBackend); }
    // Rig control switched off: the radio is forgotten until the next reading.
    void ForgetRig() { m_rig = RigState{}; }
    const RigState& Rig() const { return m_rig; }

    // Whether the exchange fields take letters in the current contest (otherwise digits only).
    bool ExchangeAcceptsLetters() const { return m_entryRules.exchangeTakesLetters; }

    // The entry row's rules: set at start-up from the contest and the own country; a settings message
    // that changes the contest changes only whether the exchanges take letters.
    const EntryRules& EntryRowRules() const { return m_entryRules; }

    // The time field gets the focus: in real-time mode it is filled from the clock and the focus moves
    // on to Exchange sent, which leaves the time field.
    void EnterTimeField();

    // The time field's repair when the operator leaves it, then the log view refresh and the pre-fill.
    void LeaveTimeField();

    // Every change of the call field's text: the worked-before check. A duplicate row plays the alarm.
    Effects CallChanged(std::string_view text);

    // Leaving the call field: the call's history from the logbook, then the multiplier status and the
    // call information.
    Effects LeaveCallField();

    // How many calls MASTER.SCP gave at start-up; none when there was no file.
    // MASTER.SCP is read at the first typed call, so commands that never type one do not pay for it;
    // the window reads it right after it shows.
    const ScpIndex& KnownCalls();                   // logger_session_known_calls.cpp
    std::size_t KnownCallCount() { return KnownCalls().Size(); }

    // The contacts of the whole contest index per clock hour and band.
    std::vector<HourContacts> ContactsPerHour() const;

    // The log-view scrolling keys.
    void ScrollLogView(LogViewKey key);

    // Sets a field's text as an edit of the operator leaves it, with the caret at `caret` (the end when
    // not given): upper case, the exchange fields' digits-only rule, the length limits and the time
    // field's colon apply. The answer is what the field holds and, for an edit not taken as typed, why.
    FieldEdit SetFieldText(Field field, std::string_view text, std::size_t caret = std::string_view::npos);
    // What a refusal of SetFieldText tells the operator, naming the field and the reason.
    std::string RefusalText(Field field, std::string_view typed, FieldRefusal refusal) const;
    // An exchange field never keeps the focus while the call field is empty.
    void SetFocus(Field field);

    // The contest code for this run only (the stored setting is not changed), with its entry rules as
    // start-up sets them.
    void SetContest(std::string_view code);

    // Synced (the default) puts every saved line on disk before the save returns; a batch may buffer
    // and call SyncContestLog once at its end.
    void SetLogDurability(Durability durability) { m_durability = durability; }
    bool SyncContestLog() const;

    // The files window (logger_session_files.cpp): `status` receives every text of its status line.
    ConversionResult ConvertLog(const std::filesystem::path& source, LogFormat format,
                                const std::filesystem::path& outputFolder, const StatusSink& status = {}) const;
    ImportResult ImportAdif(const std::filesystem::path& path, const StatusSink& status = {}) const;

    // After the contest (logger_session_submission.cpp). The exports read the contest log and never
    // change it; an empty output path writes "<Callsign>-<contest name>.log" or ".adi" into the
    // program folder. The claimed score is the score label's, so Start() comes first.
    SubmissionWrite ExportCabrillo(const std::filesystem::path& output = {}) const;
    SubmissionWrite ExportAdif(const std::filesystem::path& output = {}) const;
    SubmissionCheck CheckSubmission() const;
    // The ADIF of any logger into the logbook database, next to the file-checked ImportAdif.
    AnyImportResult ImportAnyAdif(const std::filesystem::path& path, const StatusSink& status = {}) const;

    // The contact editor (logger_session_edit.cpp). Opening contact `number` writes the transfer file
    // and gives the dialog's fields; nothing when the row holds no contact. On a refused OK the dialog
    // refills its fields from EditorFields().
    std::optional<EditTransfer> OpenContactEditor(std::size_t number) const;
    // A double click on log-view row `row` (0: the first under the header) opens the editor on the
    // contact that row shows.
    std::optional<EditTransfer> OpenContactEditorAtRow(std::size_t row) const;
    std::optional<EditTransfer> EditorFields() const;
    // What the editor's exchange fields take in the contest set now.
    EditorExchangeRule EditorExchange() const;
    ContactEditResult SaveEditedContact(const EditTransfer& typed);
    ContactEditResult DeleteContact(std::size_t number);
    // The delete question answered with Cancel: nothing is removed, yet the editor closes as after a
    // change, with the reload advice.
    ContactEditResult DeleteDeclined() const;
    // The editor closed, whatever it did: the log view shows the last contacts again.
    void ContactEditorClosed();

    const Screen& CurrentScreen() const { return m_screen; }
    const ContestSetup& Setup() const { return m_settings.setup; }
    const StationProfile& Station() const { return m_settings.station; }
    const ProgramOptions& Options() const { return m_settings.options; }
    const BandQsoCounters& QsoCounters() const { return m_qsoCounters; }
    const BandPointCounters& PointCounters() const { return m_pointCounters; }
    const ProgramFolder& Folder() const { return m_folder; }
    bool Russian() const { return m_settings.options.language; }

    // The principal prefix of the own country (for CQ-M its CQ-M key), computed at start-up.
    const std::string& OwnCountryPrefix() const { return m_ownCountryPrefix; }

    // The country table (prefix lists and country file) and the oblast names loaded at start-up.
    // Every operation that looks calls up starts with Countries().BeginOperation().
    CountryTable& Countries() { return m_countries; }
    const OblastTable& Oblasts() const { return m_oblasts; }

    // The call of the last worked-before search.
    const std::string& CurrentCall() const { return m_currentCall; }
    // Set once the call information is shown; every change of the call text clears it.
    bool CallInfoShown() const { return m_callInfoShown; }
    // The callbook libraries the call information panel asks; without them it shows the country table.
    void SetCallbookLibraries(CallbookLibraries* libraries) { m_callInfoLookup.SetLibraries(libraries); }

    // The colours again from the store, after the colours dialog.
    void ReloadColors() { m_colors = LoadColors(m_settingsBackend); }
    // The Language setting again from the store, after the configuration dialog: the messages follow it
    // at once.
    void ReloadLanguage() { m_settings.options.language = LoadLanguage(m_settingsBackend); }

    // A colour setting's value.
    std::int32_t ColorValue(ColorName setting) const { return m_colors[setting.Row()]; }
    // The same by a name held as text (the log view's rows name their colour so); 0 for an unknown name.
    std::int32_t ColorValue(std::string_view setting) const;

private:
    // Steps of start-up and of a save, each in the file of its subsystem.
    void LoadCallsignData();                        // logger_session_callsign.cpp
    OwnStation OwnStationNow() const;               // logger_session_score.cpp
    void RecordStatistics(const QsoRecord& qso);    // logger_session_score.cpp: before the log line
    void ShowScore();                               // logger_session_score.cpp
    void SetupViews(ViewSelection which);           // logger_session_log_view.cpp
    void RefreshLogView();                          // logger_session_log_view.cpp
    void PrefillSentExchange();                     // logger_session_log_view.cpp
    void ShowContacts(ShownContacts contacts);      // logger_session_log_view.cpp
    Effects CheckWorkedBefore();                    // logger_session_worked_before.cpp
    void SearchContestIndex(std::string_view call); // logger_session_worked_before.cpp
    void ShowLogbookHistory(std::string_view call); // logger_session_worked_before.cpp
    void ShowMultiplierStatus();                    // logger_session_call_status.cpp
    Effects ShowCallInfo();                         // logger_session_call_status.cpp
    void ShowKnownCalls();                          // logger_session_known_calls.cpp
    void RecountRates();                            // logger_session_known_calls.cpp
    void CountRate(const QsoRecord& qso);           // logger_session_known_calls.cpp
    void ResetRecount();                            // logger_session_recount.cpp: before a reload
    void RecountStatistics(std::string_view call, std::string_view summary, bool flush);  // same file
    void StartFromNothing();
    void RemoveDerivedFiles() const;
    void RecountLog(std::string_view log, const std::function<void(int)>& progress);

    void ApplySettings(const SettingsMessage& message);
    SettingsMessage FlagsAsTheyAre() const;
    void KeepContactFrequency(const QsoRecord& qso) const;             // logger_session_rig.cpp
    void EditContactFrequency(const EditTransfer& typed) const;        // logger_session_rig.cpp
    void DeleteContactFrequency(std::size_t number) const;             // logger_session_rig.cpp
    void RealignContactFrequencies(std::string_view contestLog) const; // logger_session_rig.cpp
    std::optional<std::string> ContestLogText(std::optional<Message>& missing) const;
    SubmissionWrite WriteSubmission(const std::filesystem::path& output, std::string_view extension,
                                    bool cabrillo) const;
    Submission SubmissionOf(const ContestLogContacts& log) const;
    CabrilloSubmissionHeader SubmissionHeaderOf(const Submission& submission, const ContestLogContacts& log) const;
    std::string CabrilloSubmissionText(const Submission& submission, const ContestLogContacts& log) const;
    std::string AdifText(const Submission& submission, const ContestLogContacts& log) const;

    void RepairTimeField();
    Effects RefuseIncompleteRow();
    Effects RefuseWithoutStationCall();
    QsoRecord MakeQsoRecord() const;
    bool WriteLogLine(const QsoRecord& qso) const;
    std::uintmax_t LogBytesFor(const QsoRecord& qso, const std::filesystem::path& logPath) const;
    bool HasRoomForContact(const QsoRecord& qso, const std::filesystem::path& logPath) const;
    Effects RefuseUnwritableLog(const std::filesystem::path& logPath) const;

    ProgramFolder m_folder;
    SettingsBackend& m_settingsBackend;
    Clock m_clock;
    LoadedSettings m_settings;
    ColorSettings m_colors{};
    BandQsoCounters m_qsoCounters;
    BandPointCounters m_pointCounters;
    Screen m_screen;
    CountryTable m_countries;
    OblastTable m_oblasts;
    std::string m_ownCountryPrefix;
    EntryRules m_entryRules;
    std::string m_currentCall;
    bool m_callInfoShown = false;
    CallInfoLookup m_callInfoLookup;
    Durability m_durability = Durability::Synced;
    std::optional<ScpIndex> m_knownCalls;  // MASTER.SCP, read once when first needed
    RateWindow m_rateWindow;
    StatisticsRecount m_recount;  // the index buffers and multiplier copies of a reload
    RigState m_rig;
};

// "Missing DXCC tables!": shown at start-up when the program folder has no "dxcc" folder.
Message MissingDxccMessage();

}  // namespace tallyhawk
