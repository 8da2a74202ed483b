#include <gtest/gtest.h>

#include "app/session/settings_store.h"

namespace tallyhawk {
namespace {

ClockReading Noon() {
    ClockReading now;
    now.year = 2026;
    now.month = 12;
    now.day = 5;
    now.hour = 12;
    now.utcMinusLocalMinutes = -60;
    return now;
}

TEST(SettingsLoad, FirstRunWritesDefaultsAndReadsNothingBack) {
    MemorySettingsBackend store;
    const LoadedSettings first = LoadSettings(store, Noon());
    EXPECT_TRUE(first.firstRun);
    EXPECT_EQ(first.setup.contest, "");
    EXPECT_EQ(first.station.callsign, "");
    EXPECT_FALSE(store.ReadString(kSettingsGroup, "TimeShift").has_value());

    const LoadedSettings second = LoadSettings(store, Noon());
    EXPECT_FALSE(second.firstRun);
    EXPECT_EQ(second.setup.contest, "WPX");
    EXPECT_EQ(second.setup.date, "2026-12-05");
    EXPECT_EQ(second.setup.timeShiftMinutes, -60);  // the machine's own offset when none is stored
    EXPECT_EQ(second.station.callsign, "UNKNOWN");
    EXPECT_EQ(second.options.callbookDrive, "d:\\");
}

TEST(SettingsLoad, ValuesThatDoNotFitTheirSizeAreNotRead) {
    MemorySettingsBackend store;
    (void)LoadSettings(store, Noon());
    store.WriteString(kSettingsGroup, "Callsign", "ABCDEFGHIJKLMNO");  // 15 characters
    store.WriteString(kSettingsGroup, "Club", "RADIO CLUB");
    store.WriteString(kSettingsGroup, "Date", "");
    const LoadedSettings loaded = LoadSettings(store, Noon());
    EXPECT_EQ(loaded.station.callsign, "");
    EXPECT_EQ(loaded.station.club, "RADIO CLUB");
    EXPECT_EQ(loaded.setup.date, "2026-12-05");  // an empty date means today
}

TEST(SettingsLoad, TimeShiftSignAndQrzDrive) {
    MemorySettingsBackend store;
    (void)LoadSettings(store, Noon());
    for (const auto& [stored, minutes] : {std::pair{"-120", -120}, std::pair{"+60", 60}, std::pair{"x30", -30}}) {
        store.WriteString(kSettingsGroup, "TimeShift", stored);
        EXPECT_EQ(LoadSettings(store, Noon()).setup.timeShiftMinutes, minutes) << stored;
    }
    store.WriteString(kSettingsGroup, "CDROM", "qrz");
    store.WriteString(kSettingsGroup, "Disk", "E");
    store.WriteInt(kSettingsGroup, "TranceiverID", 3);
    store.WriteInt(kSettingsGroup, "Language", 1);
    const LoadedSettings loaded = LoadSettings(store, Noon());
    EXPECT_EQ(loaded.options.callbookDrive, "e");  // no root path for the QRZ drive
    EXPECT_EQ(loaded.setup.transmitterId, "3");
    EXPECT_TRUE(loaded.options.language);
}

TEST(ColorSettings, MissingGroupIsCreatedStoredValuesWin) {
    MemorySettingsBackend store;
    const ColorSettings first = LoadColors(store);
    EXPECT_EQ(first[0], Rgb(160, 160, 180));
    EXPECT_EQ(store.ReadInt(kColorsGroup, "GridStyle"), 2);
    store.WriteInt(kColorsGroup, "AlarmColor", Rgb(1, 2, 3));
    EXPECT_EQ(LoadColors(store)[9], Rgb(1, 2, 3));
}

TEST(SettingsWrite, ChecksNameTypeAndSize) {
    MemorySettingsBackend store;
    EXPECT_EQ(WriteSetting(store, "Callsign", "DL1XYZ"), SettingWriteStatus::Ok);
    EXPECT_EQ(WriteSetting(store, "Callsign", "ABCDEFGHIJKLMNO"), SettingWriteStatus::TooLong);
    EXPECT_EQ(WriteSetting(store, "Language", "yes"), SettingWriteStatus::NotANumber);
    EXPECT_EQ(WriteSetting(store, "Colour", "1"), SettingWriteStatus::UnknownName);
    EXPECT_EQ(WriteSetting(store, "AlarmColor", "255"), SettingWriteStatus::Ok);
    EXPECT_EQ(store.ReadInt(kColorsGroup, "AlarmColor"), 255);
}

}  // namespace
}  // namespace tallyhawk
