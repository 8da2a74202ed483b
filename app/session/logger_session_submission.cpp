// LoggerSession: after the contest. The Cabrillo 3.0 log for the sponsor, the ADIF of the contest's
// contacts, the check before sending, and the logbook from the ADIF of any logger.
#include "app/session/logger_session.h"
#include "app/session/submission.h"
#include "core/utc_calendar.h"
#include "log/contact_frequency_file.h"
#include "log/contest_log_contacts.h"

namespace tallyhawk {
namespace {

// "YYYYMMDD HHMMSS" of the clock's reading in UTC.
std::string UtcTimestamp(const ClockReading& now) {
    const auto local = ParseUtcMinute(DateText(now), TwoDigits(now.hour) + TwoDigits(now.minute));
    const std::string text = FormatUtcMinute(local.value_or(0) + now.utcMinusLocalMinutes);
    return text.substr(0, 4) + text.substr(5, 2) + text.substr(8, 2) + " " + text.substr(11, 4) + TwoDigits(now.second);
}

Message NoContestLogMessage(std::string_view fileName) {
    const std::string name(fileName);
    return Message{.titleEnglish = "ERROR", .textEnglish = "The contest log " + name + " does not exist yet.",
                   .titleRussian = "ОШИБКА", .textRussian = "Файл " + name + " ещё не создан."};
}

}  // namespace

std::optional<std::string> LoggerSession::ContestLogText(std::optional<Message>& missing) const {
    const auto path = m_folder.ContestLogPath(m_settings.station.callsign);
    auto text = FileExists(path) ? ReadFile(path) : std::nullopt;
    if (!text) missing = FileExists(path) ? FileNotReadMessage(path.string()) : NoContestLogMessage(path.string());
    return text;
}

SubmissionWrite LoggerSession::WriteSubmission(const std::filesystem::path& output, std::string_view extension,
                                               bool cabrillo) const {
    SubmissionWrite result;
    const auto text = ContestLogText(result.message);
    if (!text) return result;
    ContestLogContacts log = ReadContestLogContacts(*text);
    AttachExactFrequencies(log.contacts, m_folder, m_settings.station.callsign);
    const Submission submission = SubmissionOf(log);
    const std::string name = SubmissionFileName(m_settings.station.callsign, submission.contestName, extension);
    result.path = output.empty() ? m_folder.Path(name) : output;
    result.contacts = static_cast<int>(log.contacts.size());
    result.unreadLines = log.unreadLines;
    const std::string contents = cabrillo ? CabrilloSubmissionText(submission, log) : AdifText(submission, log);
    if (!ReplaceFile(result.path, contents)) result.message = FileNotWrittenMessage(result.path.string());
    return result;
}

Submission LoggerSession::SubmissionOf(const ContestLogContacts& log) const {
    return MakeSubmission(m_settings.setup, log, LoadSubmissionSettings(m_settingsBackend));
}

CabrilloSubmissionHeader LoggerSession::SubmissionHeaderOf(const Submission& submission,
                                                           const ContestLogContacts& log) const {
    return MakeSubmissionHeader(submission, {m_settings.station, m_ownCountryPrefix, m_screen.scoreLabel}, log);
}

std::string LoggerSession::CabrilloSubmissionText(const Submission& submission, const ContestLogContacts& log) const {
    return FormatCabrilloSubmission(SubmissionHeaderOf(submission, log), log.contacts, submission.digitalIsPsk);
}

std::string LoggerSession::AdifText(const Submission& submission, const ContestLogContacts& log) const {
    return FormatAdifExport(log.contacts, MakeAdifSetup(submission, m_settings.station, UtcTimestamp(m_clock())));
}

SubmissionWrite LoggerSession::ExportCabrillo(const std::filesystem::path& output) const {
    return WriteSubmission(output, ".log", true);
}

SubmissionWrite LoggerSession::ExportAdif(const std::filesystem::path& output) const {
    return WriteSubmission(output, ".adi", false);
}

SubmissionCheck LoggerSession::CheckSubmission() const {
    SubmissionCheck result;
    const auto text = ContestLogText(result.message);
    if (!text) return result;
    const ContestLogContacts log = ReadContestLogContacts(*text);
    const Submission submission = SubmissionOf(log);
    const CabrilloSubmissionHeader header = SubmissionHeaderOf(submission, log);
    result.contacts = static_cast<int>(log.contacts.size());
    result.findings = CheckHeader(RequiredHeaderFields(submission, header), submission.contestName,
                                  header.gridLocator);
    for (auto& finding : CheckContacts(log, ContactRulesOf(submission))) result.findings.push_back(std::move(finding));
    return result;
}

AnyImportResult LoggerSession::ImportAnyAdif(const std::filesystem::path& path, const StatusSink& status) const {
    return tallyhawk::ImportAnyAdif(m_folder, path, status);
}

}  // namespace tallyhawk
