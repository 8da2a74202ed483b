// The known calls while a call is typed (partial matches and N+1 from MASTER.SCP, worked ones marked)
// and the contact rates the session keeps through saves, restarts, deletes and reloads.
#include <gtest/gtest.h>

#include "tests/support/session_fixture.h"

namespace tallyhawk {
namespace {

using Calls = std::vector<std::string>;

class KnownCallsTest : public testing::SessionFixture {
protected:
    void SetUp() override {
        SessionFixture::SetUp();
        CopyTestData("scp", ".");
        Configure({{"Callsign", "UA1AAA"},
                   {"Contest", "CQ"},
                   {"Band", "40"},
                   {"Mode", "CW"},
                   {"CQZone", "16"},
                   {"Date", "2026-12-05"}});
    }

    // Types the call one key at a time, as the window's call field does.
    static void Type(LoggerSession& session, std::string_view call) {
        for (char key : call) (void)session.CallChanged(session.CurrentScreen().entry[Field::Call] + key);
    }

    // The calls of a list, worked ones with a "*" after them.
    static Calls Shown(const std::vector<KnownCall>& list) {
        Calls calls;
        for (const KnownCall& known : list) calls.push_back(known.call + (known.worked ? "*" : ""));
        return calls;
    }

    static void SaveAt(LoggerSession& session, std::string_view call, std::string_view date,
                       std::string_view time) {
        session.SetFieldText(Field::Date, date);
        ASSERT_TRUE(Save(session, call, "15", "16", time).sounds.empty());
    }
};

TEST_F(KnownCallsTest, TypingListsPartialAndNearCallsWithTheWorkedOnesMarked) {
    LoggerSession session = Started();
    SaveAt(session, "DL1ABC", "2026-12-05", "12:00");
    SaveAt(session, "W1AW/4", "2026-12-05", "12:01");
    session.SetFieldText(Field::Band, "20");  // worked on any band counts
    struct Step {
        const char* typed;
        Calls partial;
        Calls nearby;
    };
    const Step steps[] = {
        {"D", {}, {}},
        {"DL", {"DL1ABC*", "DL1ABD", "DL1XYZ", "DL2ABC"}, {}},
        {"DL1", {"DL1ABC*", "DL1ABD", "DL1XYZ"}, {}},
        {"DL1ABC", {"DL1ABC*"}, {"DL1ABD", "DL2ABC"}},
        {"DL1ABC.", {"DL1ABC*"}, {"DL1ABD", "DL2ABC"}},  // the rejected character is removed first
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.typed);
        (void)session.CallChanged("");
        Type(session, step.typed);
        EXPECT_EQ(Shown(session.CurrentScreen().knownCalls.partial), step.partial);
        EXPECT_EQ(Shown(session.CurrentScreen().knownCalls.nearby), step.nearby);
    }
    (void)session.CallChanged("w1aw");
    EXPECT_EQ(Shown(session.CurrentScreen().knownCalls.partial), (Calls{"W1AW", "W1AW/4*", "W1AW/7"}));
    EXPECT_TRUE(session.CurrentScreen().knownCalls.nearby.empty());  // "/4" is two characters more
    (void)session.CallChanged("");
    EXPECT_TRUE(session.CurrentScreen().knownCalls.Empty());
    SaveAt(session, "OK1ABC", "2026-12-05", "12:02");  // saving clears the call and both lists
    EXPECT_TRUE(session.CurrentScreen().knownCalls.Empty());
}

TEST_F(KnownCallsTest, ListsStopAtFortyCallsAndAnEmptyFileKnowsNone) {
    std::string scp;
    for (int i = 0; i < 100; ++i)
        scp += "K1A" + std::string(1, char('A' + i / 26)) + char('A' + i % 26) + "\r\n";
    Write("MASTER.SCP", scp);
    LoggerSession session = Started();
    Type(session, "K1");
    const auto& partial = session.CurrentScreen().knownCalls.partial;
    ASSERT_EQ(partial.size(), kCallListLimit);
    EXPECT_EQ(partial.front().call, "K1AAA");
    EXPECT_EQ(partial.back().call, "K1ABN");

    Write("MASTER.SCP", "");  // the program folder's file wins even when empty
    LoggerSession empty = Started();
    Type(empty, "K1AAA");
    EXPECT_TRUE(empty.CurrentScreen().knownCalls.Empty());
}

TEST_F(KnownCallsTest, RatesFollowSavesOverMidnightAndSurviveRestartDeleteAndReload) {
    LoggerSession session = Started();
    EXPECT_EQ(session.CurrentScreen().rates, (ContactRates{0, 0}));
    for (int minute = 50; minute < 60; ++minute)
        SaveAt(session, "DL1ABC", "2026-12-05", "23:" + std::to_string(minute));
    EXPECT_EQ(session.CurrentScreen().rates, (ContactRates{60, 10}));
    SaveAt(session, "OK1ABC", "2026-12-06", "00:09");  // ten from 23:51 to 00:09
    EXPECT_EQ(session.CurrentScreen().rates, (ContactRates{32, 11}));
    SaveAt(session, "OK2ABC", "2026-12-06", "02:00");  // after a gap only this one is in the last hour
    EXPECT_EQ(session.CurrentScreen().rates, (ContactRates{5, 1}));

    const ContactRates saved = session.CurrentScreen().rates;
    LoggerSession restarted = Started();
    EXPECT_EQ(restarted.CurrentScreen().rates, saved);
    ASSERT_EQ(restarted.DeleteContact(12).outcome, ContactEditOutcome::Done);
    EXPECT_EQ(restarted.CurrentScreen().rates, (ContactRates{32, 11}));
    ASSERT_EQ(restarted.ReloadContestLog().status, ReloadStatus::Reloaded);
    EXPECT_EQ(restarted.CurrentScreen().rates, (ContactRates{32, 11}));

    const std::vector<HourContacts> hours = restarted.ContactsPerHour();
    ASSERT_EQ(hours.size(), 2u);
    EXPECT_EQ(LoggedMinuteText(hours[0].hour), "2026-12-05 23:00");
    EXPECT_EQ(hours[0].perBand[BandIndex(Band::M40)], 10);
    EXPECT_EQ(hours[1].total, 1);
}

}  // namespace
}  // namespace tallyhawk
