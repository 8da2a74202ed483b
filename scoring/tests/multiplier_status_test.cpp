// The multiplier status of a typed call in each contest that shows one, against statistics files
// written by hand. Countries come from the small country file in tests/data/scoring_dxcc.
#include "scoring/multiplier_status.h"

#include <map>

#include "scoring/contest_table.h"
#include "scoring/tests/scoring_folder_fixture.h"

namespace tallyhawk {
namespace {

namespace fs = std::filesystem;

struct StatusCase {
    std::string contest;
    OwnStation own;  // call, own-country prefix, continent
    std::map<std::string, std::string> files;
    std::string call;
    std::optional<std::string> text;
    std::optional<std::string> exchange = std::nullopt;
    std::string band = "20";
    std::string mode = "CW";
};

class MultiplierStatusTest : public testing::ScoringFolderFixture {
protected:
    MultiplierStatus StatusOf(const StatusCase& c, const OblastTable& oblasts) {
        fs::remove_all(PathOf("statistics"));
        for (const auto& [name, bytes] : c.files) Write("statistics/" + name, bytes);
        m_countries->BeginOperation();
        const TypedCall typed = ReadTypedCall(c.call, *m_countries);
        const StatisticsStore store{ProgramFolder(Folder())};
        return FindMultiplierStatus(RulesFor(c.contest), {typed, c.own, c.band, c.mode, store, oblasts});
    }

    void Expect(const std::vector<StatusCase>& cases, const OblastTable& oblasts = {}) {
        for (const StatusCase& c : cases) {
            SCOPED_TRACE(c.contest + " at " + c.own.call + ": " + c.call);
            const MultiplierStatus status = StatusOf(c, oblasts);
            EXPECT_EQ(status.text, c.text);
            EXPECT_EQ(status.exchange, c.exchange);
        }
    }
};

const OwnStation kDl{"DL1XYZ", "DL", "EU"};
const OwnStation kW{"W1XYZ", "W", "NA"};

TEST_F(MultiplierStatusTest, EachContestAgainstItsStatisticsFiles) {
    const std::map<std::string, std::string> workedDl = {{"20m.x", " DL   "}};
    const std::map<std::string, std::string> workedF = {{"20m.x", " F    "}};
    const OwnStation ja{"JA1XYZ", "JA", "AS"};
    const OwnStation ok{"OK1XYZ", "OK", "EU"};
    const OwnStation vk{"VK2XYZ", "VK", "OC"};
    // clang-format off
    Expect({
        // Prefixes of WPX DX.
        {"WPX", kDl, {}, "K1ABC", std::nullopt},  // no prefix file before the first contact
        {"WPX", kDl, {{"DL1XYZ.wpx", "DL1   W1    AK1   "}}, "K1ABC", "K1 - WORKED PREFIX"},
        {"WPX", kDl, {{"DL1XYZ.wpx", "DL1   W1    AK1   "}}, "UA9AAA", "UA9 - NEW PREFIX"},
        {"WPX", kDl, {{"DL1XYZ.wpx", "DL1   "}}, "3DA0ABC", std::nullopt},  // a call without a WPX prefix
        // Countries with the zone filled in.
        {"CQ", kDl, {}, "W1AW", std::nullopt, "05"},
        {"CQ", kDl, {{"20m.x", " DL    W    "}}, "K3LR", "United States - WORKED COUNTRY", "05"},
        {"CQ", kDl, {{"20m.x", " DL    W    "}}, "JA1ABC", "Japan - NEW COUNTRY", "25"},
        {"CQ", kDl, {{"20m.x", " GM   "}}, "G3ABC", "England - WORKED COUNTRY", "14"},  // G inside GM
        {"CQ", kDl, {{"20m.x", " DL   "}, {"40m.x", " W    "}}, "DL2ABC",
         "Fed. Rep. of Germany - NEW COUNTRY", "14", "40"},
        {"CQ", kDl, {{"20m.x", ""}}, "QQ1ABC", "UNKNOWN COUNTRY", ""},
        {"JA", {"JA1XYZ", "JA", "AS"}, {{"20m.x", " W    "}}, "W1AW", "United States - WORKED COUNTRY", "05"},
        {"JA", kDl, {{"20m.x", " 10 "}}, "JA1ABC", std::nullopt},  // the world collects prefectures
        // Countries only where the own station collects them.
        {"ARR", kW, workedDl, "DL1ABC", "Fed. Rep. of Germany - WORKED COUNTRY"},
        {"ARR", kDl, workedDl, "W1AW", std::nullopt},
        {"SP", {"SP5XYZ", "SP", "EU"}, workedDl, "F5ABC", "France - NEW COUNTRY"},
        {"SP", kDl, workedDl, "SP5ABC", std::nullopt},
        {"RS2", {"GM3XYZ", "GM", "EU"}, workedDl, "DL1ABC", "Fed. Rep. of Germany - WORKED COUNTRY"},
        {"RS7", kDl, workedDl, "G3ABC", std::nullopt},
        {"SAC", {"OH0XYZ", "OH0", "EU"}, workedDl, "W1AW", "United States - NEW COUNTRY"},
        {"SAC", kW, workedDl, "SM5ABC", std::nullopt},
        {"UKR", kDl, workedDl, "UR5ABC", "Ukraine - NEW COUNTRY"},
        {"UBD", {"ON4XYZ", "ON", "EU"}, workedDl, "DL1ABC", "Fed. Rep. of Germany - WORKED COUNTRY"},
        {"CQM", {"UA3XYZ", "RA1", "EU"}, {{"20m.x", " RA1  "}}, "UA4PAB", "RA4P - NEW COUNTRY"},
        {"CQM", {"UA3XYZ", "RA1", "EU"}, {{"20m.x", " RA1  "}}, "UA4ABC", "RA1 - WORKED COUNTRY"},
        {"IAR", kDl, workedDl, "DL1ABC", std::nullopt},
        {"LZ", kDl, workedDl, "DL1ABC", std::nullopt},
        {"PAC", kDl, workedDl, "DL1ABC", std::nullopt},
        {"REF", kDl, workedDl, "DL1ABC", std::nullopt},
        // ARRL 10 m reads the file of the mode.
        {"A10",
         kW,
         {{"cw.cq", " DL   "}},
         "DL1ABC",
         "Fed. Rep. of Germany - WORKED COUNTRY",
         std::nullopt,
         "10"},
        {"A10", kW, {{"cw.cq", " DL   "}}, "W1AW", std::nullopt, std::nullopt, "10"},  // a state
        {"A10", kW, {{"cw.cq", " DL   "}}, "DL1ABC", std::nullopt, std::nullopt, "10", "PH"},
        {"A10", kW, {{"ssb.cq", " "}}, "QQ1ABC", "UNKNOWN COUNTRY", std::nullopt, "10", "RY"},
        // European countries of UBA DX outside Belgium.
        {"UBD", kW, workedF, "F5ABC", "France - WORKED EURO COUNTRY"},
        {"UBD", kW, workedF, "DL1ABC", "Fed. Rep. of Germany - NEW EURO COUNTRY"},
        {"UBD", kW, workedF, "JA1ABC", "COUNTRY  NOT  FOR  MULTIPLIER"},
        {"UBD", kW, workedF, "ON4ABC", std::nullopt},
        {"UBD", kW, workedF, "QQ1ABC", "UNKNOWN COUNTRY"},
        {"UBD", kW, {}, "F5ABC", std::nullopt},
        // Prefixes and continents of AADX, OK/OM DX and Oceania DX.
        {"AAD", ja, {{"20m.x", " DL   "}}, "DL1ABC", "Fed. Rep. of Germany - WORKED COUNTRY"},
        {"AAD", ja, {{"20m.x", " DLX  "}}, "DL1ABC", "Fed. Rep. of Germany - NEW COUNTRY"},  // searched whole
        {"AAD", ja, {{"20m.x", ""}}, "QQ1ABC", "UNKNOWN COUNTRY"},
        {"AAD", kDl, {{"20m.x", " JA1  "}}, "JA1ABC", "JA1 - WORKED PREFIX"},
        {"AAD", kDl, {{"20m.x", " JA1  "}}, "BY1AB", "BY1 - NEW PREFIX"},
        {"OKM", ok, {{"20m.x", " W1   "}}, "W1AW", "W1 - WORKED PREFIX"},
        {"OKM", ok, {{"20m.x", " W1   "}}, "QQ1ABC", "UNKNOWN COUNTRY"},
        {"OKM", kDl, {{"20m.x", " W1   "}}, "OK1ABC", std::nullopt},
        {"OCE", kDl, {{"20m.x", ""}}, "VK2ABC", "VK2 - NEW PREFIX"},
        {"OCE", kDl, {{"20m.x", ""}}, "W1AW", "NOT OCEANIAN COUNTRY"},
        {"OCE", kDl, {{"20m.x", ""}}, "QQ1ABC", "UNKNOWN COUNTRY"},
        {"OCE", vk, {{"20m.x", " W1   "}}, "W1AW", "W1 - WORKED PREFIX"},
        {"OCE", vk, {}, "W1AW", std::nullopt},
    });
    // clang-format on
}

TEST_F(MultiplierStatusTest, OblastsAndCountriesOfRussianDx) {
    const OwnStation ua{"UA3XYZ", "RA1", "EU"};
    const OblastTable oblasts("3A  MA    Moscow              \r\n9A  CB    Chelyabinsk         \r\n");
    Expect({{"RUS", ua, {{"20m.z", " 3A "}}, "UA3ABC", "Moscow - WORKED OBLAST"},
            {"RUS", ua, {{"20m.z", " MA "}}, "UA9AAA", "Chelyabinsk - NEW OBLAST"},
            {"RUS", ua, {{"20m.z", ""}}, "UA4PAB", "UNKNOWN OBLAST"},
            {"RUS", ua, {{"20m.x", " RA1  "}}, "UA3ABC", std::nullopt},  // no oblast file yet
            {"RUS", ua, {{"20m.x", " DL   "}}, "DL1ABC", "Fed. Rep. of Germany - WORKED COUNTRY"},
            {"RUS", ua, {{"20m.x", ""}}, "QQ1ABC", "UNKNOWN COUNTRY"}},
           oblasts);
    Expect({{"RUS", ua, {{"20m.z", ""}}, "UA3ABC", "UNKNOWN OBLAST"}});  // the oblast names never loaded
}

}  // namespace
}  // namespace tallyhawk
