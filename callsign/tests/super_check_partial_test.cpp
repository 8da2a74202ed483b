// Super Check Partial: the MASTER.SCP reader, partial matches and N+1 calls on a small hand-made file,
// and the index against a plain scan over many generated calls.
#include "callsign/super_check_partial.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/support/program_folder_fixture.h"

namespace tallyhawk {
namespace {

using Calls = std::vector<std::string>;
using namespace std::string_view_literals;

Calls Strings(const std::vector<std::string_view>& views) { return Calls(views.begin(), views.end()); }

ScpIndex HandMadeIndex() { return ScpIndex(ReadScpCalls(testing::TestData("scp/MASTER.SCP"))); }

TEST(ScpReader, KeepsEachCallOnceSortedAndSkipsCommentsAndNonCalls) {
    const Calls calls = ReadScpCalls(testing::TestData("scp/MASTER.SCP"));
    const Calls expected = {"DL1ABC", "DL1ABD", "DL1XYZ",     "DL2ABC", "G3ABC/VP2E", "K1AB",   "K1ABC",
                            "K1ABCD", "KK1ABC", "OK1AB",      "OK1ABC", "OK2ABC",     "OM1ABC", "UA1AA",
                            "UA1AAA", "UA9XX",  "VP2E/G3ABC", "W1AW",   "W1AW/4",     "W1AW/7"};
    EXPECT_EQ(calls, expected);
    // A call longer than the log's call field, odd bytes and a lone CR are not calls.
    EXPECT_EQ(ReadScpCalls("ABCDEFGHIJKLMNO\nABCDEFGHIJKLMN\nDL1\xff\n\r\n#DL1AA\n\x00\n"sv),
              Calls{"ABCDEFGHIJKLMN"});
    EXPECT_TRUE(ReadScpCalls("").empty());
}

TEST(ScpIndex, PartialMatchesHoldTheTypedTextAnywhere) {
    const ScpIndex index = HandMadeIndex();
    struct Case {
        const char* typed;
        Calls expected;
    };
    const Case cases[] = {
        {"", {}},
        {"K", {}},  // one character is no partial yet
        {"K1", {"K1AB", "K1ABC", "K1ABCD", "KK1ABC", "OK1AB", "OK1ABC"}},
        {"1AB", {"DL1ABC", "DL1ABD", "K1AB", "K1ABC", "K1ABCD", "KK1ABC", "OK1AB", "OK1ABC", "OM1ABC"}},
        {"ABCD", {"K1ABCD"}},
        {"W1AW/", {"W1AW/4", "W1AW/7"}},
        {"/", {}},
        {"/VP", {"G3ABC/VP2E"}},
        {"P2E/", {"VP2E/G3ABC"}},
        {"UA1AA", {"UA1AA", "UA1AAA"}},
        {"AA", {"UA1AA", "UA1AAA"}},  // a pair twice in one call finds it once
        {"QQ", {}},
        {"K1-", {}},
        {"k1", {}},  // the call field holds upper case only
        {"DL1ABCDEFGHIJKL", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(Strings(index.PartialMatches(c.typed, 40)), c.expected);
    }
    EXPECT_EQ(Strings(index.PartialMatches("1AB", 3)), (Calls{"DL1ABC", "DL1ABD", "K1AB"}));
}

TEST(ScpIndex, NearCallsAreOneCharacterReplacedAddedOrMissing) {
    const ScpIndex index = HandMadeIndex();
    struct Case {
        const char* typed;
        Calls expected;
    };
    const Case cases[] = {
        {"DL1ABC", {"DL1ABD", "DL2ABC"}},                   // replaced; the call itself is not listed
        {"K1ABC", {"K1AB", "K1ABCD", "KK1ABC", "OK1ABC"}},  // missing, added at the end, added in front
        {"OK1ABC", {"K1ABC", "KK1ABC", "OK1AB", "OK2ABC", "OM1ABC"}},
        {"W1AW", {}},  // "/4" is two characters more: neither W1AW/4 nor W1AW/7 is one edit away
        {"W1AW/", {"W1AW", "W1AW/4", "W1AW/7"}},
        {"UA1A", {"UA1AA"}},
        {"ZZZZZZ", {}},
        {"", {}},
        {"DL1ABCDEFGHIJKLMNOP", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(Strings(index.NearCalls(c.typed, 40)), c.expected);
    }
    EXPECT_EQ(Strings(index.NearCalls("OK1ABC", 2)), (Calls{"K1ABC", "KK1ABC"}));
    EXPECT_TRUE(index.Contains("W1AW/4"));
    EXPECT_FALSE(index.Contains("W1AW/5"));
}

// Many generated calls with shared pieces, so that pairs and triples repeat within and across calls.
Calls GeneratedCalls() {
    Calls calls;
    std::uint32_t seed = 7;
    const auto next = [&seed] { return seed = seed * 1664525u + 1013904223u, seed >> 8; };
    constexpr std::string_view kPieces[] = {"K", "1", "A", "AB", "W", "/", "9", "DL", "AA", "Z"};
    for (int i = 0; i < 3000; ++i) {
        std::string call;
        for (std::uint32_t n = 2 + next() % 5; n > 0; --n) call += kPieces[next() % std::size(kPieces)];
        calls.push_back(call.substr(0, 14));
    }
    std::sort(calls.begin(), calls.end());
    calls.erase(std::unique(calls.begin(), calls.end()), calls.end());
    return calls;
}

bool OneEditApart(std::string_view a, std::string_view b) {
    if (a == b) return false;
    if (a.size() > b.size()) std::swap(a, b);
    if (b.size() - a.size() > 1) return false;
    std::size_t front = 0;
    while (front < a.size() && a[front] == b[front]) ++front;
    if (a.size() == b.size()) return a.substr(front + 1) == b.substr(front + 1);
    return a.substr(front) == b.substr(front + 1);
}

TEST(ScpIndex, AgreesWithAPlainScan) {
    const Calls calls = GeneratedCalls();
    const ScpIndex index(calls);
    const Calls typedTexts = {"K1", "AB", "/W", "AAA", "1AB", "ABAB", "DL1", "Z/", "K1AA", "W/9Z", "AB/DL"};
    for (const std::string& typed : typedTexts) {
        SCOPED_TRACE(typed);
        Calls partial;
        Calls near;
        for (const std::string& call : calls) {
            if (call.find(typed) != std::string::npos) partial.push_back(call);
            if (OneEditApart(call, typed)) near.push_back(call);
        }
        EXPECT_EQ(Strings(index.PartialMatches(typed, calls.size())), partial);
        EXPECT_EQ(Strings(index.NearCalls(typed, calls.size())), near);
    }
}

class ScpFile : public testing::ProgramFolderFixture {};

TEST_F(ScpFile, OneInTheProgramFolderWins) {
    Write("MASTER.SCP", "# this season's calls\nZZ9ZZ\n");
    EXPECT_EQ(ScpFilePath(ProgramFolder(Folder())), PathOf("MASTER.SCP"));
    const ScpIndex index = LoadScpIndex(ProgramFolder(Folder()));
    EXPECT_EQ(index.Size(), 1u);
    EXPECT_TRUE(index.Contains("ZZ9ZZ"));
}

}  // namespace
}  // namespace tallyhawk
