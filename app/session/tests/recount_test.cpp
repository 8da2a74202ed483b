// A reload rebuilds exactly what the saves built: for every contest, from a home and a foreign station,
// a run of contacts is saved one by one, then the log is reloaded in a fresh session and every file of
// statistics/ and database/, both counter sets and the score must come out the same.
#include <map>

#include "core/text.h"
#include "scoring/contest_table.h"
#include "tests/support/session_fixture.h"

namespace tallyhawk {
namespace {

namespace fs = std::filesystem;

using Files = std::map<std::string, std::string>;

struct Station {
    std::string call;
    std::string continent;
    std::string sent;  // the sent exchange: a serial number, or the own zone where the contest sends it
};

// Calls of every country of the small country file, odd portable forms and an unknown country.
const std::vector<std::string> kCalls = {
    "DL1ABC", "W1AW",   "K3LR",   "VE3ABC",    "JA1ABC", "UA9AAA", "UA3ABC",   "ON4ABC", "F5ABC",
    "PA3ABC", "SP5ABC", "OK1ABC", "OM3ABC",    "G3ABC",  "GM3ABC", "LZ1ABC",   "OH0ABC", "SM5ABC",
    "UR5ABC", "VK2ABC", "ZL1ABC", "FG5AB",     "TK5AB",  "BY1AB",  "JD1ABC",   "LU1ABC", "FR5AB",
    "UA4PAB", "UU4JAB", "DA0HQ",  "DL1ABC/MM", "K1ABC",  "OO5XYZ", "DL1ABC/T", "QQ1ABC", "UA2ABC",
    "SQ9ABC", "HB9ABC", "OH1ABC", "LA1ABC",    "EA3ABC", "I2ABC",  "UT1ABC",   "JH1ABC", "AK1ABC"};

// Zones, serial numbers, states, provinces, oblasts, regions and prefectures, some of them odd.
const std::vector<std::string> kExchanges = {"14",  "05", "001", "MA", "ON", "KI",    "NH", "5AN", "BU",
                                             "28",  "R1", "001PR", "AN", "W", "2A",  "75", "16",  "17",
                                             "25",  "1",  "PA",  "K",  "LON", "10",  "DARC", "08", "XX",
                                             "BAA", "12345", "3", "AC", "NS", "4", "001KI", "02", "100"};

class RecountTest : public testing::SessionFixture {
protected:
    void SetUp() override {
        SessionFixture::SetUp();
        CopyTestData("scoring_dxcc", "dxcc");
    }

    // A fresh contest: no log, no statistics, no index.
    void Operate(std::string_view contest, const Station& own) {
        for (const char* folder : {"statistics", "database"}) {
            fs::remove_all(PathOf(folder));
            fs::create_directories(PathOf(folder));
        }
        fs::remove(PathOf(own.call + ".cbr"));
        m_store = MemorySettingsBackend{};
        Configure({{"Callsign", own.call}, {"Contest", std::string(contest)}, {"Continent", own.continent},
                   {"Date", "2024-11-30"}});
        m_sent = own.sent;
    }

    // Contact i: a call, band, mode and exchange stepping through their lists at different strides, so
    // that the run mixes countries, bands and repeats.
    void SaveRun(LoggerSession& session, int contacts, const std::vector<std::string>& modes) {
        for (int i = 0; i < contacts; ++i) {
            const auto pick = [i](const auto& list, int stride) { return list[(i * stride) % list.size()]; };
            const Band band = kBands[static_cast<std::size_t>(i / 3) % kBands.size()];
            session.SetFieldText(Field::Band, BandShortCode(band));
            session.SetFieldText(Field::Mode, pick(modes, 1));
            const Effects saved = Save(session, pick(kCalls, 7), AcceptedExchange(session, i * 5), m_sent);
            ASSERT_TRUE(saved.messages.empty());
            ASSERT_TRUE(saved.sounds.empty()) << "contact " << i << " not logged";
        }
    }

    // The first exchange from position `at` on that the contest's exchange fields take: a digits-only
    // contest skips those with letters, as the entry row refuses them.
    static std::string AcceptedExchange(const LoggerSession& session, std::size_t at) {
        while (!session.ExchangeAcceptsLetters() && !IsAllDigits(kExchanges[at % kExchanges.size()])) ++at;
        return kExchanges[at % kExchanges.size()];
    }

    Files DerivedFiles() const { return FilesOf({"statistics", "database"}); }

    // Saves the run, reloads the log in a fresh session and compares. The reload writes every
    // multiplier file of the contest, so a file the saves never touched may appear, empty.
    void ExpectReloadEqualsSaves(int contacts, const std::vector<std::string>& modes = {"CW", "PH", "RY"}) {
        LoggerSession saving = Started();
        saving.SetLogDurability(Durability::Buffered);
        SaveRun(saving, contacts, modes);
        const Files saved = DerivedFiles();
        LoggerSession reloading = Started();
        const ReloadResult result = reloading.ReloadContestLog();
        ASSERT_EQ(result.status, ReloadStatus::Reloaded);
        Files reloaded = DerivedFiles();
        std::erase_if(reloaded, [&saved](const auto& file) {
            return !saved.contains(file.first) && file.second.empty();
        });
        EXPECT_EQ(reloaded, saved);
        for (Band band : kBands) {
            EXPECT_EQ(reloading.QsoCounters().Count(band), saving.QsoCounters().Count(band));
            EXPECT_EQ(reloading.PointCounters().Points(band), saving.PointCounters().Points(band));
        }
        EXPECT_EQ(reloading.CurrentScreen().scoreLabel, saving.CurrentScreen().scoreLabel);
    }

    std::string m_sent;
};

struct ContestStations {
    std::string_view contest;
    Station home;
    Station foreign;
};

TEST_F(RecountTest, ReloadEqualsTheSavesInEveryContest) {
    const Station dl{"DL1XYZ", "EU", "001"};
    const Station w{"W1XYZ", "NA", "001"};
    const std::vector<ContestStations> contests = {
        {"AAD", {"JA1XYZ", "AS", "001"}, dl},     {"A10", w, dl},
        {"ARR", {"W1XYZ", "NA", "MA"}, dl},       {"CQ", {"UA3ABC", "EU", "16"}, w},
        {"CQM", {"UA3XYZ", "EU", "001"}, dl},     {"IAR", {"DL1XYZ", "EU", "28"}, {"W1XYZ", "NA", "08"}},
        {"JA", {"JA1XYZ", "AS", "25"}, dl},       {"LZ", {"LZ1XYZ", "EU", "16"}, dl},
        {"OCE", {"VK2XYZ", "OC", "001"}, dl},     {"OKM", {"OK1XYZ", "EU", "PRA"}, w},
        {"PAC", {"PA3XYZ", "EU", "NH"}, dl},      {"REF", {"F5XYZ", "EU", "75"}, {"HB9XYZ", "EU", "001"}},
        {"RS2", {"G3XYZ", "EU", "LON"}, dl},      {"RS7", {"G3XYZ", "EU", "LON"}, {"VK2XYZ", "OC", "001"}},
        {"RUS", {"UA3XYZ", "EU", "MA"}, dl},      {"SAC", {"SM5XYZ", "EU", "001"}, w},
        {"SP", {"SP5XYZ", "EU", "W"}, dl},        {"UBD", {"ON4XYZ", "EU", "AN"}, dl},
        {"UKR", {"UT5XYZ", "EU", "KI"}, dl},      {"WPX", dl, w}};
    ASSERT_EQ(contests.size(), AllContests().size());
    for (const auto& [contest, home, foreign] : contests) {
        // ARRL 10 M reloads only CW and phone contacts: its log lines name no other mode it counts.
        const std::vector<std::string> modes = contest == "A10" ? std::vector<std::string>{"CW", "PH"}
                                                                : std::vector<std::string>{"CW", "PH", "RY"};
        for (const Station& own : {home, foreign}) {
            SCOPED_TRACE(std::string(contest) + " at " + own.call);
            Operate(contest, own);
            ExpectReloadEqualsSaves(90, modes);
        }
    }
}

}  // namespace
}  // namespace tallyhawk
