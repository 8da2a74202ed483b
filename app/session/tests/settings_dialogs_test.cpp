#include "app/session/settings_dialogs.h"

#include <gtest/gtest.h>

namespace tallyhawk {
namespace {

ClockReading Today() { return ClockReading{.year = 2004, .month = 3, .day = 7}; }

std::string Stored(const SettingsBackend& store, std::string_view name) {
    return store.ReadString(kSettingsGroup, name).value_or("<missing>");
}

TEST(ContestDialog, FixedBandContestsMoveTheBandAndTheMessageCarriesTheSetup) {
    struct Case {
        std::string_view contest, band, storedBand;
    };
    for (const auto& [contest, band, storedBand] :
         {Case{"RSGB 7 MHZ", "20 m", "40"}, Case{"RSGB 21/28", "10 m", "10"},
          Case{"RSGB 21/28", "80 m", "15"}, Case{"ARRL 10 M", "160 m", "10"},
          Case{"CQ WW DX", "160 m", "160"}}) {
        SCOPED_TRACE(std::string(contest) + " " + std::string(band));
        MemorySettingsBackend store;
        const ContestDialogValues values{std::string(contest), std::string(band), "CW", "2002", "11", "30"};
        const std::string message = ApplyContestDialog(store, values, Today());
        EXPECT_EQ(Stored(store, "Band"), storedBand);
        EXPECT_NE(message.find(" band:" + std::string(storedBand) + " "), std::string::npos) << message;
    }
    MemorySettingsBackend store;
    const ContestDialogValues phone{"CQ WW DX", "20 m", "Phone", "2002", "11", "30"};
    EXPECT_EQ(ApplyContestDialog(store, phone, Today()),
              "settings:  cont:CQ band:20 mode:Phone date:2002-11-30");
    EXPECT_EQ(store.ReadInt(kSettingsGroup, "RealTimeMode"), 0);
    const ContestDialogValues current{"WPX DX", "10 m", "CW", "2002", "11", "30", true};
    EXPECT_EQ(ApplyContestDialog(store, current, Today()),
              "settings: current:yes  cont:WPX band:10 mode:CW date:2002-11-30");
    EXPECT_EQ(Stored(store, "Contest"), "WPX");
    EXPECT_EQ(Stored(store, "Mode"), "CW");
}

TEST(ContestDialog, DatePartsOutOfRangeBecomeTodaysWithTwoDigits) {
    struct Case {
        std::string_view year, month, day, date;
    };
    for (const auto& [year, month, day, date] :
         {Case{"2002", "13", "05", "2002-03-05"}, Case{"2002", "1", "00", "2002-01-07"},
          Case{"1999", "12", "31", "2004-12-31"}, Case{"", "", "32", "2004-03-07"},
          Case{"2010", "00", "9", "2010-03-09"}}) {
        SCOPED_TRACE(std::string(year) + "-" + std::string(month) + "-" + std::string(day));
        MemorySettingsBackend store;
        const ContestDialogValues values{"WPX DX",           "10 m",          "CW", std::string(year),
                                         std::string(month), std::string(day)};
        (void)ApplyContestDialog(store, values, Today());
        EXPECT_EQ(Stored(store, "Date"), date);
    }
}

TEST(ContestDialog, OpensWithTheStoredSetupOrTodayWithTheMark) {
    MemorySettingsBackend store;
    store.WriteString(kSettingsGroup, "Contest", "RS7");
    store.WriteString(kSettingsGroup, "Band", "40");
    store.WriteString(kSettingsGroup, "Mode", "RTTY");
    store.WriteString(kSettingsGroup, "Date", "2002-11-30");
    ContestDialogValues values = OpenContestDialog(store, Today());
    EXPECT_EQ(values.contestName, "RSGB 7 MHZ");
    EXPECT_EQ(values.bandText, "40 m");
    EXPECT_EQ(values.modeText, "RTTY");
    EXPECT_EQ(values.year + values.month + values.day, "20021130");
    SetCurrentTimeMark(values, true, Today());
    EXPECT_EQ(values.year + values.month + values.day, "20040307");
}

TEST(PersonalDialog, ZoneAndContinentAreCorrectedAndAMissingZoneKeepsItOpen) {
    struct Case {
        std::string_view zone, continent, storedZone, storedContinent;
        bool closes;
    };
    for (const auto& c : {Case{"07", "XX", "7", "EU", true}, Case{"45", "NA", "", "NA", false},
                          Case{"40", "AS", "40", "AS", true}, Case{"41", "AS", "", "AS", false},
                          Case{"00", "OC", "", "OC", false}, Case{"14", "EU", "14", "EU", true}}) {
        SCOPED_TRACE(std::string(c.zone) + " " + std::string(c.continent));
        MemorySettingsBackend store;
        PersonalDialogValues values{"DL1ABC",
                                    "Op",
                                    "Club",
                                    {"Street 1", "Town", "", "Germany"},
                                    std::string(c.zone),
                                    std::string(c.continent)};
        EXPECT_EQ(ApplyPersonalDialog(store, values), c.closes);
        EXPECT_EQ(values.cqZone, c.storedZone);
        EXPECT_EQ(Stored(store, "CQZone"), c.storedZone);
        EXPECT_EQ(Stored(store, "Continent"), c.storedContinent);
        EXPECT_EQ(Stored(store, "Address"), "Street 1*Town**Germany");
    }
    MemorySettingsBackend store;
    PersonalDialogValues shortCall{"DL", "", "", {}, "14", "EU"};
    EXPECT_FALSE(ApplyPersonalDialog(store, shortCall));
    EXPECT_EQ(OpenPersonalDialog(store).callsign, "DL");  // stored all the same
}

TEST(ConfigurationDialog, MessageAndStoredValues) {
    MemorySettingsBackend store;
    ConfigurationDialogValues values{.disk = "D",
                                     .transmitterId = "",
                                     .shiftSign = "*",
                                     .shiftHours = "1",
                                     .shiftMinutes = "30",
                                     .callbook = CallbookChoice::Qrz};
    EXPECT_EQ(ApplyConfigurationDialog(store, values), "settings: disk:D trxid:0 cdrom:qrz \n");
    EXPECT_EQ(Stored(store, "TimeShift"), "+90");
    EXPECT_EQ(Stored(store, "CDROM"), "qrz");
    EXPECT_EQ(store.ReadInt(kSettingsGroup, "TranceiverID"), 0);

    values = {.disk = " e ",
              .transmitterId = "73",
              .shiftSign = "-",
              .shiftHours = "30",
              .shiftMinutes = "75",
              .callbook = CallbookChoice::None,
              .checkOnStart = true,
              .onTop = true,
              .hideToTray = true,
              .russian = true};
    EXPECT_EQ(ApplyConfigurationDialog(store, values),
              "settings: trxid:73 cdrom:none check:yes ontop:yes hide:yes lang:rus \n");
    EXPECT_EQ(Stored(store, "TimeShift"), "-1499");
    EXPECT_EQ(Stored(store, "Disk"), "e");
    EXPECT_EQ(store.ReadInt(kSettingsGroup, "TranceiverID"), 7);
    EXPECT_EQ(store.ReadInt(kSettingsGroup, "SetWindowOnTop"), 1);

    const ConfigurationDialogValues shown = OpenConfigurationDialog(store, Today());
    EXPECT_EQ(shown.shiftSign + shown.shiftHours + ":" + shown.shiftMinutes, "-24:59");
    EXPECT_EQ(shown.callbook, CallbookChoice::None);
    EXPECT_TRUE(shown.russian);
}

TEST(ConfigurationDialog, WithoutAStoredShiftTheMachineDifferenceIsShown) {
    MemorySettingsBackend store;
    ClockReading now = Today();
    now.utcMinusLocalMinutes = -150;
    const ConfigurationDialogValues shown = OpenConfigurationDialog(store, now);
    EXPECT_EQ(shown.shiftSign + shown.shiftHours + ":" + shown.shiftMinutes, "-2:30");
}

TEST(ColorsDialog, StoredColoursOverTheResetDefaults) {
    MemorySettingsBackend store;
    store.WriteInt(kColorsGroup, "AlarmColor", Rgb(1, 2, 3));
    ColorsDialogValues values = OpenColorsDialog(store);
    EXPECT_EQ(values[2], Rgb(0, 255, 0));  // "GridBackColorSel" shows its reset default
    EXPECT_EQ(values[9], Rgb(1, 2, 3));
    values[kGridStyleIndex] = 0;
    ApplyColorsDialog(store, values);
    EXPECT_EQ(store.ReadInt(kColorsGroup, "GridStyle"), 0);
    EXPECT_EQ(store.ReadInt(kColorsGroup, "GridBackColorSel"), Rgb(0, 255, 0));
    EXPECT_EQ(ResetColorsDialog()[9], Rgb(255, 0, 0));
}

}  // namespace
}  // namespace tallyhawk
