#include <gtest/gtest.h>

#include "app/session/time_field.h"

namespace tallyhawk {
namespace {

TEST(TimeRepair, OutOfRangeAndMalformedTimes) {
    struct Case {
        std::string_view typed, repaired;
    };
    for (const auto& [typed, repaired] : {Case{"12:34", "12:34"}, Case{"25:70", "20:00"}, Case{"9:30", "00:00"},
                                          Case{"", "00:00"}, Case{"31:15", "01:15"}, Case{"12:3", "00:00"},
                                          Case{"1::34", "00:00"}, Case{"12:3:", "00:00"}, Case{" 23:59 ", "23:59"},
                                          Case{"19:99", "19:09"}}) {
        SCOPED_TRACE(std::string(typed));
        EXPECT_EQ(RepairTimeText(typed), repaired);
    }
}

// Each key is typed at the end of the field, as the operator types a time.
std::string TypeKeys(std::string_view keys) {
    std::string text;
    for (char key : keys) text = TypedTimeText(text + key, text.size() + 1, text).text;
    return text;
}

TEST(TimeTyping, ColonAfterTheHoursAndNothingButDigits) {
    struct Case {
        std::string_view keys, shown;
    };
    for (const auto& [keys, shown] : {Case{"1234", "12:34"}, Case{"1a", "1"},
                                      Case{":", ""}, Case{"0930", "09:30"}, Case{"12x", "12:"}}) {
        SCOPED_TRACE(std::string(keys));
        EXPECT_EQ(TypeKeys(keys), shown);
    }
    // Deleting back to two characters adds no colon, and the caret follows an inserted one.
    EXPECT_EQ(TypedTimeText("12", 2, "12:").text, "12");
    const TimeFieldEdit edit = TypedTimeText("12", 1, "2");
    EXPECT_EQ(edit.text, "1:2");
    EXPECT_EQ(edit.caret, 2u);
}

TEST(ClockFill, ShiftWrapsAroundMidnight) {
    ClockReading now;
    now.hour = 23;
    now.minute = 30;
    EXPECT_EQ(ClockTimeText(now, 30), "00:00");
    now.minute = 59;
    EXPECT_EQ(ClockTimeText(now, 1), "00:00");
    now.hour = 0;
    now.minute = 0;
    EXPECT_EQ(ClockTimeText(now, -1), "23:59");
    EXPECT_EQ(ClockTimeText(now, -1500), "23:00");
}

}  // namespace
}  // namespace tallyhawk
