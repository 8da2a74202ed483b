// LoggerSession: start-up and saving a contact.
#include "app/session/logger_session.h"

#include "app/session/settings_message.h"
#include "app/session/start_up_checks.h"
#include "app/session/time_field.h"
#include "core/mode.h"
#include "core/text.h"
#include "database/contest_index.h"
#include "log/contest_log_writer.h"
#include "log/qso_line.h"
#include "scoring/contest_table.h"

namespace tallyhawk {

LoggerSession::LoggerSession(ProgramFolder folder, SettingsBackend& settings, Clock clock)
    : m_folder(std::move(folder)), m_settingsBackend(settings), m_clock(std::move(clock)), m_countries(m_folder) {}

Effects LoggerSession::Start() {
    Effects effects = StartWithoutContest();
    SetupViews(ViewSelection::Both);
    RefreshLogView();
    ShowScore();
    RecountRates();
    return effects;
}

Effects LoggerSession::StartWithoutContest() {
    Effects effects;
    m_settings = LoadSettings(m_settingsBackend, m_clock());
    m_colors = LoadColors(m_settingsBackend);
    std::error_code error;
    if (!std::filesystem::is_directory(m_folder.Path("dxcc"), error)) effects.messages.push_back(MissingDxccMessage());
    m_screen.entry[Field::Date] = m_settings.setup.date;
    m_screen.entry[Field::Band] = m_settings.setup.band;
    m_screen.entry[Field::Mode] = EntryCodeForModeText(m_settings.setup.mode);
    m_screen.focus = Field::Call;
    LoadCallsignData();
    m_entryRules = EntryRulesFor(m_settings.setup.contest, m_ownCountryPrefix);
    return effects;
}

bool LoggerSession::StationCallMissing() const { return tallyhawk::StationCallMissing(m_settings.station.callsign); }

std::optional<Effects> LoggerSession::PersonalDialogClosed() {
    if (!StationCallMissing()) return std::nullopt;
    return Start();
}

FieldEdit LoggerSession::SetFieldText(Field field, std::string_view text, std::size_t caret) {
    FieldEdit edit = EditFieldText(m_entryRules, field, text, caret, m_screen.entry[field]);
    m_screen.entry[field] = edit.text;
    return edit;
}

std::string LoggerSession::RefusalText(Field field, std::string_view typed, FieldRefusal refusal) const {
    return FieldRefusalText(m_entryRules, field, typed, refusal, m_settings.setup.contest);
}

void LoggerSession::SetContest(std::string_view code) {
    m_settings.setup.contest = code;
    m_entryRules = EntryRulesFor(code, m_ownCountryPrefix);
}

std::int32_t LoggerSession::ColorValue(std::string_view setting) const {
    const auto name = ColorName::Find(setting);
    return name ? ColorValue(*name) : 0;
}

void LoggerSession::SetFocus(Field field) {
    const bool exchange = field == Field::ExchangeSent || field == Field::ExchangeReceived;
    m_screen.focus = exchange && m_screen.entry[Field::Call].empty() ? Field::Call : field;
}

void LoggerSession::RepairTimeField() {
    m_screen.entry[Field::Time] = RepairTimeText(m_screen.entry[Field::Time]);
}

void LoggerSession::EnterTimeField() {
    m_screen.focus = Field::Time;
    if (!m_settings.setup.realTimeMode) return;
    m_screen.entry[Field::Time] = ClockTimeText(m_clock(), m_settings.setup.timeShiftMinutes);
    SetFocus(Field::ExchangeSent);
    // The pre-fill of a serial-number contest moves the focus on to Exchange received.
    LeaveTimeField();
}

void LoggerSession::LeaveTimeField() {
    RepairTimeField();
    // In serial-number contests this is where the next serial number is written into Exchange sent.
    RefreshLogView();
}

QsoRecord LoggerSession::MakeQsoRecord() const {
    const EntryForm& entry = m_screen.entry;
    QsoRecord qso;
    qso.call = TrimTrailingBlanks(entry[Field::Call]);
    qso.date = TrimBlanks(entry[Field::Date]);
    qso.time = SavedTimeText(entry[Field::Time]);
    qso.band = TrimBlanks(entry[Field::Band]);
    qso.mode = TrimBlanks(entry[Field::Mode]);
    qso.exchangeSent = TrimBlanks(entry[Field::ExchangeSent]);
    qso.exchangeReceived = TrimBlanks(entry[Field::ExchangeReceived]);
    return qso;
}

Effects LoggerSession::SaveContact() {
    m_countries.BeginOperation();
    // A time typed without leaving the field is repaired first, so that a short time can never shift
    // the columns of the log line.
    if (!TrimBlanks(m_screen.entry[Field::Time]).empty()) RepairTimeField();
    const QsoRecord qso = MakeQsoRecord();
    for (const std::string* text : {&qso.call, &qso.date, &qso.time, &qso.band, &qso.mode, &qso.exchangeSent,
                                    &qso.exchangeReceived}) {
        if (text->empty()) return RefuseIncompleteRow();
    }
    if (StationCallUnusable(m_settings.station.callsign)) return RefuseWithoutStationCall();
    const auto logPath = m_folder.ContestLogPath(m_settings.station.callsign);
    // Checked before the statistics learn of the contact, so that a log that cannot be written
    // (read-only folder, full disk, file-size limit) leaves every count as it was.
    if (!HasRoomForContact(qso, logPath)) return RefuseUnwritableLog(logPath);
    RecordStatistics(qso);
    if (!WriteLogLine(qso)) return RefuseUnwritableLog(logPath);
    m_qsoCounters.Increment(qso.band);
    CountRate(qso);
    ShowScore();
    Effects effects = CallChanged("");  // clearing the call runs the worked-before check like typing does
    m_screen.focus = Field::Call;
    RefreshLogView();
    // The pre-fill may move the focus to Exchange received; with the call empty the entry row sends
    // it straight back to the call field.
    m_screen.focus = Field::Call;
    const Contest* contest = FindContest(m_settings.setup.contest);
    if (contest && contest->entry.clearsSentAfterSave) m_screen.entry[Field::ExchangeSent].clear();
    m_screen.entry[Field::ExchangeReceived].clear();
    return effects;
}

std::uintmax_t LoggerSession::LogBytesFor(const QsoRecord& qso, const std::filesystem::path& logPath) const {
    std::uintmax_t bytes = FormatQsoLine(qso, m_settings.station.callsign, m_settings.setup.transmitterId).size() +
                           kLineEnd.size();
    if (!FileExists(logPath)) bytes += FormatLogHeader(m_settings.setup.contest, m_settings.station).size();
    return bytes;
}

// The log line and the two contest index entries are the writes that grow without bound; the small
// multiplier and score files fit in the disk reserve the check keeps.
bool LoggerSession::HasRoomForContact(const QsoRecord& qso, const std::filesystem::path& logPath) const {
    if (!HasRoomToAppend(logPath, LogBytesFor(qso, logPath))) return false;
    const auto index = ContestIndexFilesFor(m_folder, m_settings.station.callsign);
    std::error_code error;
    if (!std::filesystem::is_directory(index.calls.parent_path(), error)) return true;  // created by the save
    return HasRoomToAppend(index.calls, kContestIndexEntrySize) &&
           HasRoomToAppend(index.records, kContestIndexRecordSize);
}

bool LoggerSession::WriteLogLine(const QsoRecord& qso) const {
    const ContestLogWrite target{m_folder, m_settings.station, m_settings.setup.contest,
                                 m_settings.setup.transmitterId, m_durability};
    return ContestLogWriter(target, qso);
}

Effects LoggerSession::RefuseUnwritableLog(const std::filesystem::path& logPath) const {
    Effects refused;
    refused.messages.push_back(LogNotWrittenMessage(logPath.string()));
    return refused;
}

Effects LoggerSession::RefuseIncompleteRow() {
    const auto empty = [this](Field field) { return TrimBlanks(m_screen.entry[field]).empty(); };
    Effects effects;
    if (empty(Field::Call)) m_screen.focus = Field::Call;
    if (empty(Field::Date) || empty(Field::Mode) || empty(Field::Band)) effects.dialog = Dialog::Configuration;
    if (empty(Field::ExchangeSent)) m_screen.focus = Field::ExchangeSent;
    if (empty(Field::ExchangeReceived)) m_screen.focus = Field::ExchangeReceived;
    SetFocus(m_screen.focus);  // an exchange field hands the focus back while the call is empty
    effects.sounds.push_back(Sound::IncompleteRow);
    return effects;
}

// Without an own call the log would have no name (".cbr") and its lines no sender.
Effects LoggerSession::RefuseWithoutStationCall() {
    Effects effects;
    effects.dialog = Dialog::Personal;
    effects.sounds.push_back(Sound::IncompleteRow);
    return effects;
}

void LoggerSession::ApplySettingsMessage(std::string_view text) {
    const auto message = ParseSettingsMessage(text);
    if (!message) return;
    ProgramOptions& options = m_settings.options;
    options.onTop = message->onTop;
    options.hideToTray = message->hideToTray;
    m_settings.setup.realTimeMode = message->realTimeMode;
    if (message->date) m_screen.entry[Field::Date] = *message->date;
    if (message->band) {
        m_screen.entry[Field::Band] = *message->band;
        ShowScore();
    }
    if (message->mode) m_screen.entry[Field::Mode] = *message->mode;
    if (message->contest) {
        // The exchange limits and the oblast names stay as start-up set them.
        m_settings.setup.contest = *message->contest;
        m_entryRules.exchangeTakesLetters = ExchangeTakesLetters(*message->contest);
    }
    if (message->callbookType) options.callbookType = *message->callbookType;
    if (message->diskLetter) options.callbookDrive = CallbookDrive(*message->diskLetter, options.callbookType);
}

bool LoggerSession::SyncContestLog() const {
    const auto path = m_folder.ContestLogPath(m_settings.station.callsign);
    return !FileExists(path) || SyncFile(path);
}

Message MissingDxccMessage() {
    return Message{
        .titleEnglish = "WARNING",
        .textEnglish = "Missing DXCC tables!\nProgram will not work properly.",
        .titleRussian = "WARNING",
        .textRussian = "Файлы DXCC отсутствуют!\nРабота программы будет не корректной.",
    };
}

}  // namespace tallyhawk
