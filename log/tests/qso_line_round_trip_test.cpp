// The QSO: line's writer, both checks and every reader agree on the one layout, in every contest.
#include "convert/cabrillo_to_adif.h"
#include "convert/log_file_check.h"
#include "core/file_io.h"
#include "core/mode.h"
#include "log/contest_log_validator.h"
#include "log/contest_log_writer.h"
#include "log/log_replay.h"
#include "log/qso_line.h"
#include "scoring/contest_table.h"
#include "tests/support/program_folder_fixture.h"

namespace tallyhawk {
namespace {

// Contacts on every band and in every mode, with serials, zones and letter codes as exchanges (the
// recount keeps five characters of the sent exchange, so none is longer).
std::vector<QsoRecord> Contacts() {
    const std::vector<std::string> bands = {"10", "15", "20", "40", "80", "160"};
    const std::vector<std::string> modes = {"CW", "PH", "RY", "PS"};
    const std::vector<std::string> exchanges = {"1", "14", "12345", "MO", "LN", "6LN"};
    std::vector<QsoRecord> contacts;
    for (std::size_t i = 0; i < 24; ++i) {
        const std::string call = i % 5 == 0 ? "VP2E/UA1AAA1" : "DL" + std::to_string(i) + "AB";
        contacts.push_back({call, "2002-02-16", "12" + std::to_string(10 + i), bands[i % bands.size()],
                            modes[i % modes.size()], exchanges[i % exchanges.size()],
                            exchanges[(i + 3) % exchanges.size()]});
    }
    return contacts;
}

std::vector<LoggedContact> ReadBack(std::string_view log) {
    std::vector<LoggedContact> read;
    ReplayContestLog(log, [&](const LoggedContact& contact, bool) {
        if (!contact.call.empty()) read.push_back(contact);
    });
    return read;
}

using QsoLineRoundTrip = testing::ProgramFolderFixture;

TEST_F(QsoLineRoundTrip, EveryContestsLogPassesBothChecksAndReadsBackAsWritten) {
    const ProgramFolder folder(Folder());
    const StationProfile station{"UA1AAA", "Ivan", "Club", "street*town", "16", "EU"};
    const std::vector<QsoRecord> contacts = Contacts();
    for (const Contest* contest : AllContests()) {
        SCOPED_TRACE(contest->listName);
        (void)RemoveFile(folder.ContestLogPath(station.callsign));
        const ContestLogWrite target{folder, station, contest->code, "0"};
        for (const QsoRecord& qso : contacts) ASSERT_TRUE(ContestLogWriter(target, qso));

        EXPECT_TRUE(ContestLogValidator(folder.ContestLogPath(station.callsign)).passed);
        EXPECT_TRUE(ValidateLogFile(folder.ContestLogPath(station.callsign)));
        const std::string log = Read("UA1AAA.cbr");
        const std::vector<LoggedContact> read = ReadBack(log);
        ASSERT_EQ(read.size(), contacts.size());
        for (std::size_t i = 0; i < contacts.size(); ++i) {
            EXPECT_EQ(read[i].call, contacts[i].call);
            EXPECT_EQ(read[i].band, contacts[i].band);
            QsoRecord logged = contacts[i];
            logged.mode = LogModeCode(logged.mode);  // PSK is logged as RTTY
            EXPECT_EQ(read[i].summary, MakeQsoSummary(logged));
            const auto adif = AdifRecordFromCabrillo(FormatQsoLine(contacts[i], station.callsign, "0"));
            ASSERT_TRUE(adif.has_value());
            EXPECT_TRUE(adif->starts_with("<CALL:" + std::to_string(contacts[i].call.size()) + ">" +
                                          contacts[i].call));
        }
    }
}

}  // namespace
}  // namespace tallyhawk
