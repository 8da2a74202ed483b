// The entry row's rules as the session applies them to every text the window or the command line sets.
#include <gtest/gtest.h>

#include "app/session/entry_rules.h"
#include "tests/support/session_fixture.h"

namespace tallyhawk {
namespace {

TEST(EntryRules, EachFieldTakesWhatTheRowTakes) {
    EntryRules digits;
    EntryRules letters;
    letters.exchangeTakesLetters = true;
    struct Case {
        const EntryRules& rules;
        Field field;
        std::string_view typed;
        std::size_t caret;
        std::string_view previous;
        std::string_view text;
        std::size_t shownCaret;
        FieldRefusal refusal;
    };
    const Case cases[] = {
        {digits, Field::Call, "dl1ab", 5, "DL1A", "DL1AB", 5, FieldRefusal::None},
        {digits, Field::Call, "DL1ABCDEFGHI", 12, "DL1ABCDEFGH", "DL1ABCDEFGH", 11, FieldRefusal::TooLong},
        {digits, Field::ExchangeReceived, "15", 2, "1", "15", 2, FieldRefusal::None},
        {digits, Field::ExchangeReceived, "1a5", 2, "15", "15", 1, FieldRefusal::Letters},
        {digits, Field::ExchangeSent, "5nn", 3, "", "", 0, FieldRefusal::Letters},
        {digits, Field::ExchangeSent, "", 0, "1", "", 0, FieldRefusal::None},
        {letters, Field::ExchangeReceived, "ma", 2, "M", "MA", 2, FieldRefusal::None},
        {letters, Field::ExchangeReceived, "1234567", 7, "", "123456", 6, FieldRefusal::TooLong},
        {digits, Field::Time, "12", 2, "1", "12:", 3, FieldRefusal::None},
        {digits, Field::Time, "12", 2, "12:", "12", 2, FieldRefusal::None},  // deleting adds no colon
        {digits, Field::Time, "12:x", 4, "12:", "12:", 3, FieldRefusal::NotTime},
        {digits, Field::Time, "12:345", 6, "", "12:34", 5, FieldRefusal::TooLong},
        {digits, Field::Band, "6", 1, "20", "6", 1, FieldRefusal::None},  // the setup fills it as it is
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(FieldName(c.field)) + " " + std::string(c.typed));
        const FieldEdit edit = EditFieldText(c.rules, c.field, c.typed, c.caret, c.previous);
        EXPECT_EQ(edit.text, c.text);
        EXPECT_EQ(edit.caret, c.shownCaret);
        EXPECT_EQ(edit.refusal, c.refusal);
    }
}

TEST(EditExchange, LettersOnlyInContestsWithLetterExchanges) {
    EXPECT_TRUE(EditorAcceptsExchange(EditorExchangeRuleFor("RUS"), "MA"));
    EXPECT_TRUE(EditorAcceptsExchange(EditorExchangeRuleFor("RS2"), "12LN"));
    EXPECT_FALSE(EditorAcceptsExchange(EditorExchangeRuleFor("RUS"), "1234567"));
    EXPECT_FALSE(EditorAcceptsExchange(EditorExchangeRuleFor("CQ"), "14A"));
    EXPECT_TRUE(EditorAcceptsExchange(EditorExchangeRuleFor("WPX"), "1234567"));
}

class EntryRulesSession : public testing::SessionFixture {
protected:
    void SetUp() override {
        SessionFixture::SetUp();
        CopyShippedDxcc();
    }

    // The exchange limits a session started in this contest at this own call holds.
    std::pair<std::size_t, std::size_t> LimitsAtStart(const std::string& contest, const std::string& call) {
        Configure({{"Contest", contest}, {"Callsign", call}});
        const LoggerSession session = Started();
        const EntryRules& rules = session.EntryRowRules();
        return {rules.MaxLength(Field::ExchangeSent), rules.MaxLength(Field::ExchangeReceived)};
    }
};

TEST_F(EntryRulesSession, ExchangeLimitsFollowTheContestAndTheOwnCountry) {
    using Limits = std::pair<std::size_t, std::size_t>;
    EXPECT_EQ(LimitsAtStart("AAD", "DL1XYZ"), Limits(2, 2));
    EXPECT_EQ(LimitsAtStart("SP", "DL1XYZ"), Limits(6, 1));
    EXPECT_EQ(LimitsAtStart("SP", "SP5XYZ"), Limits(6, 6));
    EXPECT_EQ(LimitsAtStart("ARR", "DL1XYZ"), Limits(6, 2));
    EXPECT_EQ(LimitsAtStart("ARR", "W1XYZ"), Limits(6, 6));
    EXPECT_EQ(LimitsAtStart("ARR", "VE3XYZ"), Limits(6, 6));
    EXPECT_EQ(LimitsAtStart("CQ", "DL1XYZ"), Limits(6, 6));
}

TEST_F(EntryRulesSession, ASettingsMessageChangesOnlyTheLettersRule) {
    Configure({{"Contest", "AAD"}, {"Callsign", "DL1XYZ"}});
    LoggerSession session = Started();
    EXPECT_EQ(session.SetFieldText(Field::ExchangeReceived, "1a").refusal, FieldRefusal::Letters);
    session.ApplySettingsMessage("settings: cont:RUS");
    EXPECT_TRUE(session.ExchangeAcceptsLetters());
    const FieldEdit edit = session.SetFieldText(Field::ExchangeReceived, "ma1");
    EXPECT_EQ(edit.text, "MA");  // the limit of AADX stays
    EXPECT_EQ(edit.refusal, FieldRefusal::TooLong);
    EXPECT_EQ(session.RefusalText(Field::ExchangeReceived, "ma1", edit.refusal),
              "Exchange received ma1 refused: at most 2 characters");
    session.ApplySettingsMessage("settings: cont:WPX");
    EXPECT_EQ(session.RefusalText(Field::ExchangeSent, "5NN", FieldRefusal::Letters),
              "Exchange sent 5NN refused: digits only in WPX DX");
}

}  // namespace
}  // namespace tallyhawk
