#include "convert/adif_reader.h"

#include <gtest/gtest.h>

namespace tallyhawk {
namespace {

// The calls of every record, joined by blanks.
std::string Calls(const AdifDocument& document) {
    std::string calls;
    for (const auto& record : document.records) calls += (calls.empty() ? "" : " ") + std::string(record.Value("CALL"));
    return calls;
}

TEST(AdifReader, ReadsTheRecordsThatLoggersWrite) {
    const struct {
        std::string_view name;
        std::string_view text;
        std::string calls;
    } cases[] = {
        {"no header", "<CALL:5>OK1AA<EOR>\r\n<CALL:5>OK2BB<EOR>", "OK1AA OK2BB"},
        {"lower case, mixed-case end tags", "<eoh>\n<call:5>ok1aa<eOr><CALL:5>OK2BB<Eor>", "ok1aa OK2BB"},
        {"header fields are left out", "x <ADIF_VER:5>3.1.4 <CALL:5>W1AAA <EOH> <CALL:5>OK1AA<EOR>", "OK1AA"},
        {"header beginning with a field", "<ADIF_VER:2>2. Copyright\r\n<eoh>\r\n<call:3>E7W <eor>", "E7W"},
        {"header tag without a length", "<PROGRAMID>MixW<EOH><CALL:5>OK1AA<EOR>", "OK1AA"},
        {"typed tags and leading zeros", "<CALL:005:S>OK1AA<MODE:2:E>CW<EOR>", "OK1AA"},
        {"multi-digit length", "<COMMENT:12>0123456789AB<CALL:5>OK1AA<EOR>", "OK1AA"},
        {"zero length", "<CALL:5>OK1AA<APP_X_EMPTY:0><EOR>", "OK1AA"},
        {"record over several lines", "<CALL:5>OK1AA\r\n<BAND:3>20m\r\n\r\n<EOR>\r\n", "OK1AA"},
        {"comments between fields", "<CALL:5>OK1AA // the call\n<MY_STATE:2>NY // New York\n<EOR>", "OK1AA"},
        {"a < that opens no tag", "a < b <CALL:5>OK1AA <x y> <EOR>", "OK1AA"},
        {"a value holding <", "<NAME:9><not tag><CALL:5>OK1AA<EOR>", "OK1AA"},
        {"a record after the last <EOR> is incomplete", "<CALL:5>OK1AA<EOR><CALL:5>OK2BB", "OK1AA"},
        {"an <EOR> without fields is no record", "<EOR><CALL:5>OK1AA<EOR><EOR>", "OK1AA"},
        {"a length beyond the text's end", "<CALL:5>OK1AA<EOR><NAME:99>Jo", "OK1AA"},
        {"no records", "Created on 2001-02-03 at 4:05\n", ""},
        {"empty", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Calls(ReadAdif(c.text)), c.calls);
    }
}

TEST(AdifReader, ValuesAreTheirBytesWhateverTheTag) {
    const AdifDocument document = ReadAdif(
        "<ADDRESS:22>Line 1\r\nLine 2\r\nLine 3<qso_date:8:d>20250102<Freq:6:N>14.074<CALL:5>OK1AA<EOR>");
    ASSERT_EQ(document.records.size(), 1u);
    const AdifRecord& record = document.records.front();
    EXPECT_EQ(record.Value("ADDRESS"), "Line 1\r\nLine 2\r\nLine 3");
    EXPECT_EQ(record.Value("QSO_DATE"), "20250102");
    EXPECT_EQ(record.Value("FREQ"), "14.074");
    EXPECT_TRUE(record.Has("CALL"));
    EXPECT_FALSE(record.Has("BAND"));
    EXPECT_EQ(record.Value("BAND"), "");
}

TEST(AdifReader, UtfEightLengthCountedInCharactersOrBytes) {
    // "ORDOÑEZ" is 7 characters and 8 bytes; some programs write 7, the standard 8.
    const struct {
        std::string_view text;
        std::string_view name;
    } cases[] = {
        {"<NAME:8>ORDO\xC3\x91" "EZ<CALL:5>OK1AA<EOR>", "ORDO\xC3\x91" "EZ"},
        {"<NAME:7>ORDO\xC3\x91" "EZ<CALL:5>OK1AA<EOR>", "ORDO\xC3\x91" "EZ"},
        {"<NAME:7>ORDO\xC3\x91" "EZ <CALL:5>OK1AA<EOR>", "ORDO\xC3\x91" "EZ"},
        {"<NAME:3>ABCDE<CALL:5>OK1AA<EOR>", "ABC"},  // no multi-byte character: bytes it is
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const AdifDocument document = ReadAdif(c.text);
        ASSERT_EQ(document.records.size(), 1u);
        EXPECT_EQ(document.records.front().Value("NAME"), c.name);
        EXPECT_EQ(document.records.front().Value("CALL"), "OK1AA");
    }
}

TEST(AdifReader, RecordsWithoutAnyEndTagAreTakenLineByLine) {
    const AdifDocument document = ReadAdif("Export\r\n<EOH>\r\n<CALL:5>OK1AA<BAND:3>20M\r\n\r\n<CALL:5>OK2BB\r\n");
    EXPECT_TRUE(document.recordsByLine);
    EXPECT_EQ(Calls(document), "OK1AA OK2BB");
    EXPECT_FALSE(ReadAdif("<CALL:5>OK1AA<EOR>").recordsByLine);
}

}  // namespace
}  // namespace tallyhawk
