// A Cabrillo log of another program as a contest log of this program.
#include "convert/cabrillo_log_import.h"

#include <array>

#include "core/text.h"
#include "core/utc_calendar.h"
#include "log/contest_log_writer.h"
#include "log/qso_line.h"
#include "scoring/contest_submission.h"

namespace tallyhawk {
namespace {

// The contest log keeps 13 characters of a worked call.
constexpr std::size_t kLongestLoggedCall = 13;

struct BandRange {
    int lowest;  // kHz, inclusive
    int highest;
    std::string_view code;
};

constexpr std::array<BandRange, 6> kBandRanges = {{
    {1800, 2000, "160"}, {3500, 4000, "80"}, {7000, 7300, "40"},
    {14000, 14350, "20"}, {21000, 21450, "15"}, {28000, 29700, "10"},
}};

bool IsReport(std::string_view field) {
    return (field.size() == 2 || field.size() == 3) && IsAllDigits(field) && field.front() >= '1' &&
           field.front() <= '5';
}

// CW, phone (PH, and FM and AM of other programs), RTTY and other digital modes (DG) as entry codes.
std::string EntryModeOf(std::string_view mode) {
    const std::string upper = ToUpperAscii(mode);
    if (upper == "PH" || upper == "FM" || upper == "AM" || upper == "SSB") return "PH";
    if (upper == "DG") return "PS";
    return upper;
}

Message Refusal(std::string english, std::string russian) {
    return Message{.titleEnglish = "ERROR", .textEnglish = std::move(english),
                   .titleRussian = "ОШИБКА", .textRussian = std::move(russian)};
}

std::optional<Message> RefusalOf(const CabrilloLog& log, std::string_view contestName, std::string_view name) {
    const std::string file(name);
    if (log.qsos.empty()) {
        return Refusal(file + " holds no QSO: line that can be read; nothing is imported.",
                       "В файле " + file + " нет строк QSO:; ничего не импортировано.");
    }
    if (!ContestCodeForCabrilloName(contestName)) {
        const std::string contest(contestName.empty() ? "(none)" : contestName);
        return Refusal("The contest " + contest + " of " + file +
                           " is none of Tallyhawk's twenty contests; the log is not imported.",
                       "Контест " + contest + " файла " + file + " не поддерживается; лог не импортирован.");
    }
    return std::nullopt;
}

std::string CallsignOf(const CabrilloLog& log) {
    const std::string_view tagged = log.Tag("CALLSIGN");
    return ToUpperAscii(tagged.empty() ? log.qsos.front().ownCall : tagged);
}

Message CallsignRefusal(std::string_view callsign, std::string_view name) {
    const std::string call(callsign);
    const std::string file(name);
    return Refusal("The call \"" + call + "\" of " + file + " cannot name a contest log (1 to 14 characters).",
                   "Позывной \"" + call + "\" файла " + file + " не годится для имени лога (от 1 до 14 символов).");
}

void AddContacts(const CabrilloLog& log, std::string_view transmitterId, ImportedContestLog& imported) {
    for (const auto& qso : log.qsos) {
        const auto contact = ContactOf(qso);
        if (!contact) {
            imported.skippedLines.push_back(qso.line);
            continue;
        }
        const bool ownId = qso.transmitter.size() == 1 && IsDigit(qso.transmitter.front());
        imported.logText += FormatQsoLine(*contact, imported.callsign, ownId ? qso.transmitter : transmitterId);
        imported.logText += kLineEnd;
        imported.outsideBands += contact->band.empty() ? 1 : 0;
        ++imported.contacts;
    }
}

}  // namespace

std::string BandForKilohertz(std::string_view frequency) {
    const auto kilohertz = ParseInt(frequency);
    for (const auto& range : kBandRanges) {
        if (kilohertz && *kilohertz >= range.lowest && *kilohertz <= range.highest) return std::string(range.code);
    }
    return {};
}

std::string ExchangeOf(const std::vector<std::string_view>& fields) {
    if (fields.empty()) return {};
    return ToUpperAscii(fields.size() >= 2 && IsReport(fields[0]) ? fields[1] : fields[0]);
}

std::optional<QsoRecord> ContactOf(const CabrilloQso& qso) {
    const std::string call = ToUpperAscii(qso.call);
    if (call.empty() || call.size() > kLongestLoggedCall || !ParseUtcMinute(qso.date, qso.time)) return std::nullopt;
    QsoRecord contact;
    contact.call = call;
    contact.date = qso.date;
    contact.time = qso.time;
    contact.band = BandForKilohertz(qso.frequency);
    contact.mode = EntryModeOf(qso.mode);
    contact.exchangeSent = ExchangeOf(qso.sent);
    contact.exchangeReceived = ExchangeOf(qso.received);
    return contact;
}

ContestLogImportPlan PlanContestLogImport(std::string_view text, std::string_view fileName,
                                          const StationProfile& station, std::string_view transmitterId) {
    const CabrilloLog log = ReadCabrillo(text);
    const std::string_view contestName = log.Tag("CONTEST");
    if (auto refusal = RefusalOf(log, contestName, fileName)) return {std::nullopt, std::move(refusal)};
    ImportedContestLog imported;
    imported.contest = *ContestCodeForCabrilloName(contestName);
    imported.callsign = CallsignOf(log);
    if (imported.callsign.empty() || imported.callsign.size() > kCallsignMaxLength) {
        return {std::nullopt, CallsignRefusal(imported.callsign, fileName)};
    }
    StationProfile header = station;
    header.callsign = imported.callsign;
    imported.logText = FormatLogHeader(imported.contest, header);
    AddContacts(log, transmitterId, imported);
    return {std::move(imported), std::nullopt};
}

Message LogExistsMessage(std::string_view fileName) {
    const std::string name(fileName);
    return Refusal("The contest log " + name + " already exists and is not overwritten; move it away first.",
                   "Файл " + name + " уже существует и не будет перезаписан; сначала переместите его.");
}

}  // namespace tallyhawk
