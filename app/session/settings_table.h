// The one table of the stored settings (names, types, sizes, first-run defaults) and of the colours,
// and a name constant for every row, checked against the table when the program is compiled.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tallyhawk {

enum class SettingType { String, Integer };

struct SettingDefinition {
    std::string_view name;
    SettingType type;
    std::size_t size;                  // string buffer size in bytes, terminator included; 4 for integers
    std::string_view firstRunDefault;  // also what a value never stored reads as
    bool createdOnFirstRun = true;     // false: not written at the first run
    std::string_view allowedValues = {};               // blank-separated; empty: any value of the size
    bool (*acceptsValue)(std::string_view) = nullptr;  // a further check of a non-empty value
};

// The contest period as the "ContestPeriod" setting holds it ("2024-11-23 0000 2024-11-25 0000").
bool IsContestPeriodText(std::string_view text);

// The values of the "Settings" group, in their stored order: the one table of their names, types,
// sizes and first-run defaults. The start-up values come first, then the values of the log sent in
// after the contest and the radio's settings, which the first run does not write, so a store looks as
// it always did until they are set.
inline constexpr std::array<SettingDefinition, 37> kSettingDefinitions = {{
    {"Callsign", SettingType::String, 15, "UNKNOWN"},
    {"Name", SettingType::String, 50, ""},
    {"Club", SettingType::String, 50, ""},
    {"Address", SettingType::String, 100, ""},
    {"CQZone", SettingType::String, 3, ""},
    {"Continent", SettingType::String, 3, ""},
    {"CDROM", SettingType::String, 5, "rac"},
    {"Disk", SettingType::String, 3, "D"},
    {"Date", SettingType::String, 11, ""},  // today, filled in at the first run
    {"RealTimeMode", SettingType::Integer, 4, "1"},
    {"Band", SettingType::String, 5, "10"},
    {"Mode", SettingType::String, 10, "Phone"},
    {"Contest", SettingType::String, 4, "WPX"},
    {"TimeShift", SettingType::String, 6, "", false},
    {"HideToTray", SettingType::Integer, 4, "0"},
    {"TranceiverID", SettingType::Integer, 4, "0"},
    {"Language", SettingType::Integer, 4, "0"},
    {"CheckConfigOnStart", SettingType::Integer, 4, "0"},
    {"SetWindowOnTop", SettingType::Integer, 4, "0"},
    {"CategoryOperator", SettingType::String, 10, "", false, "SINGLE-OP MULTI-OP CHECKLOG"},
    {"CategoryAssisted", SettingType::String, 13, "", false, "ASSISTED NON-ASSISTED"},
    {"CategoryBand", SettingType::String, 5, "", false, "ALL 160M 80M 40M 20M 15M 10M"},
    {"CategoryMode", SettingType::String, 6, "", false, "CW SSB RTTY DIGI MIXED"},
    {"CategoryPower", SettingType::String, 5, "", false, "HIGH LOW QRP"},
    {"CategoryStation", SettingType::String, 16, "", false,
     "FIXED MOBILE PORTABLE ROVER ROVER-LIMITED ROVER-UNLIMITED EXPEDITION HQ SCHOOL DISTRIBUTED EXPLORER"},
    {"CategoryTransmitter", SettingType::String, 10, "", false, "ONE TWO LIMITED UNLIMITED SWL"},
    {"Email", SettingType::String, 80, "", false},
    {"GridLocator", SettingType::String, 7, "", false},
    {"Location", SettingType::String, 20, "", false},
    {"Operators", SettingType::String, 100, "", false},
    {"Soapbox", SettingType::String, 250, "", false},
    {"CabrilloContest", SettingType::String, 40, "", false},
    {"ContestPeriod", SettingType::String, 32, "", false, "", IsContestPeriodText},
    {"RigControl", SettingType::Integer, 4, "0", false},  // non-zero: the window follows the radio
    {"RigModel", SettingType::Integer, 4, "2", false},    // Hamlib's model number; 2 is "NET rigctl"
    {"RigPort", SettingType::String, 100, "localhost:4532", false},  // serial device or host:port
    {"RigSpeed", SettingType::Integer, 4, "0", false},  // serial speed in baud; 0: the radio's default
}};

struct ColorDefinition {
    std::string_view name;
    std::int32_t firstRunDefault;
    std::int32_t resetDefault;
};

constexpr std::int32_t Rgb(int red, int green, int blue) { return red | (green << 8) | (blue << 16); }

// The values of the "Colors" group; colours are red in the lowest byte, then green, then blue.
inline constexpr std::array<ColorDefinition, 14> kColorDefinitions = {{
    {"GridBackColor", Rgb(160, 160, 180), Rgb(160, 160, 180)},
    {"GridTextColor", Rgb(0, 0, 100), Rgb(0, 0, 100)},
    {"GridBackColorSel", Rgb(100, 50, 50), Rgb(0, 255, 0)},
    {"GridTextColorSel", Rgb(230, 230, 255), Rgb(0, 0, 255)},
    {"GridBackColorFix", Rgb(0, 0, 0), Rgb(0, 0, 0)},
    {"GridTextColorFix", Rgb(230, 230, 255), Rgb(230, 230, 255)},
    {"GridBackColorWorked", Rgb(255, 200, 200), Rgb(255, 200, 200)},
    {"GridBackColorNotWorked", Rgb(200, 255, 200), Rgb(200, 255, 200)},
    {"ColorText", Rgb(0, 0, 50), Rgb(0, 0, 50)},
    {"AlarmColor", Rgb(255, 0, 0), Rgb(255, 0, 0)},
    {"InfoColor", Rgb(255, 255, 0), Rgb(255, 255, 0)},
    {"EditColorBack", Rgb(192, 192, 192), Rgb(192, 192, 192)},
    {"EditColorText", Rgb(0, 0, 100), Rgb(0, 0, 100)},
    {"GridStyle", 2, 2},
}};

// Reached only while the program is compiled, where calling it stops the build.
void NameMissingFromTheSettingsTable();

// The name of a row of one of the tables above, checked against the table when the program is
// compiled (a misspelt name does not build). It knows its row, so its lookup cannot fail.
template <const auto& Table>
class TableName {
public:
    consteval TableName(std::string_view name) : m_row(RowOf(name)) {}

    // A name typed at run time (the command line's "set"): nothing when the table lacks it.
    static constexpr std::optional<TableName> Find(std::string_view name) {
        for (std::size_t row = 0; row < Table.size(); ++row) {
            if (Table[row].name == name) return TableName(row);
        }
        return std::nullopt;
    }

    constexpr std::size_t Row() const { return m_row; }
    constexpr const auto& Definition() const { return Table[m_row]; }
    constexpr std::string_view Text() const { return Table[m_row].name; }
    constexpr operator std::string_view() const { return Text(); }
    friend constexpr bool operator==(TableName a, TableName b) { return a.m_row == b.m_row; }
    friend constexpr bool operator==(TableName a, std::string_view b) { return a.Text() == b; }

private:
    constexpr explicit TableName(std::size_t row) : m_row(row) {}

    static consteval std::size_t RowOf(std::string_view name) {
        for (std::size_t row = 0; row < Table.size(); ++row) {
            if (Table[row].name == name) return row;
        }
        NameMissingFromTheSettingsTable();
        return Table.size();
    }

    std::size_t m_row;
};

using SettingName = TableName<kSettingDefinitions>;
using ColorName = TableName<kColorDefinitions>;

// Every name of the two tables, for the code that reads or writes one value.
namespace setting {
inline constexpr SettingName kCallsign{"Callsign"};
inline constexpr SettingName kName{"Name"};
inline constexpr SettingName kClub{"Club"};
inline constexpr SettingName kAddress{"Address"};
inline constexpr SettingName kCqZone{"CQZone"};
inline constexpr SettingName kContinent{"Continent"};
inline constexpr SettingName kCdrom{"CDROM"};
inline constexpr SettingName kDisk{"Disk"};
inline constexpr SettingName kDate{"Date"};
inline constexpr SettingName kRealTimeMode{"RealTimeMode"};
inline constexpr SettingName kBand{"Band"};
inline constexpr SettingName kMode{"Mode"};
inline constexpr SettingName kContest{"Contest"};
inline constexpr SettingName kTimeShift{"TimeShift"};
inline constexpr SettingName kHideToTray{"HideToTray"};
inline constexpr SettingName kTranceiverId{"TranceiverID"};
inline constexpr SettingName kLanguage{"Language"};
inline constexpr SettingName kCheckConfigOnStart{"CheckConfigOnStart"};
inline constexpr SettingName kSetWindowOnTop{"SetWindowOnTop"};
inline constexpr SettingName kCategoryOperator{"CategoryOperator"};
inline constexpr SettingName kCategoryAssisted{"CategoryAssisted"};
inline constexpr SettingName kCategoryBand{"CategoryBand"};
inline constexpr SettingName kCategoryMode{"CategoryMode"};
inline constexpr SettingName kCategoryPower{"CategoryPower"};
inline constexpr SettingName kCategoryStation{"CategoryStation"};
inline constexpr SettingName kCategoryTransmitter{"CategoryTransmitter"};
inline constexpr SettingName kEmail{"Email"};
inline constexpr SettingName kGridLocator{"GridLocator"};
inline constexpr SettingName kLocation{"Location"};
inline constexpr SettingName kOperators{"Operators"};
inline constexpr SettingName kSoapbox{"Soapbox"};
inline constexpr SettingName kCabrilloContest{"CabrilloContest"};
inline constexpr SettingName kContestPeriod{"ContestPeriod"};
inline constexpr SettingName kRigControl{"RigControl"};
inline constexpr SettingName kRigModel{"RigModel"};
inline constexpr SettingName kRigPort{"RigPort"};
inline constexpr SettingName kRigSpeed{"RigSpeed"};
}  // namespace setting

namespace color {
inline constexpr ColorName kGridBackColor{"GridBackColor"};
inline constexpr ColorName kGridTextColor{"GridTextColor"};
inline constexpr ColorName kGridBackColorSel{"GridBackColorSel"};
inline constexpr ColorName kGridTextColorSel{"GridTextColorSel"};
inline constexpr ColorName kGridBackColorFix{"GridBackColorFix"};
inline constexpr ColorName kGridTextColorFix{"GridTextColorFix"};
inline constexpr ColorName kGridBackColorWorked{"GridBackColorWorked"};
inline constexpr ColorName kGridBackColorNotWorked{"GridBackColorNotWorked"};
inline constexpr ColorName kColorText{"ColorText"};
inline constexpr ColorName kAlarmColor{"AlarmColor"};
inline constexpr ColorName kInfoColor{"InfoColor"};
inline constexpr ColorName kEditColorBack{"EditColorBack"};
inline constexpr ColorName kEditColorText{"EditColorText"};
inline constexpr ColorName kGridStyle{"GridStyle"};
}  // namespace color

}  // namespace tallyhawk
