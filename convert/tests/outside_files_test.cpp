// Every real file of other programs read by the readers of any logger's files: the ADIF reader and the
// logbook import, the Cabrillo reader and the contest log import; and the files of realdata/ by the
// program's own file check, both conversions and the logbook import. The counts were taken from the files
// by hand and with grep (<eor> tags, <call: tags, QSO: lines with a date and a time), not from the
// readers themselves.
#include <algorithm>
#include <optional>
#include <sstream>

#include "convert/adif_import.h"
#include "convert/adif_reader.h"
#include "convert/any_adif_import.h"
#include "convert/cabrillo_log_import.h"
#include "convert/log_conversion.h"
#include "convert/log_file_check.h"
#include "core/file_io.h"
#include "tests/support/program_folder_fixture.h"

namespace tallyhawk {
namespace {

const std::filesystem::path kRealData = TALLYHAWK_REALDATA;
const std::filesystem::path kExternalFiles = TALLYHAWK_EXTERNAL_FILES;

// The file check reads a name whose third-last character is "c" or "a"; most ADIF exports write one
// field per line or lower-case <eoh>/<eor> and are refused, and other names (.log, .txtar, .adif, .fmt)
// pass unread. A file that passes converts every contact its reader finds; one refused is not converted.
enum class Check { NotRun, Passes, Refused };
using enum Check;

struct AdifFile {
    std::string_view path;
    int records;
    int withCall;  // records with a CALL of 3 or more characters: the logbook entries
    Check check = NotRun;
};

// realdata/ and external/ (the second folder's files start with "adif_").
constexpr AdifFile kAdifFiles[] = {
    {"adif/dfannin_naqp-201701_cqrlog.adi", 13, 13, Refused},  // each record over ~9 lines
    {"adif/diablowu_jtdx_wsjtx_log.adi", 1999, 1999, Refused},  // "WSJT-X ADIF Export<eoh>" on one line
    {"adif/ham2k_k0xm-logger32.adi", 1015, 1015, Passes},
    {"adif/ham2k_ki2d-clublog.adi", 14, 14, Passes},
    {"adif/ham2k_ki2d-lotw.adi", 13, 13, Refused},  // one field a line, "// comment" after values
    {"adif/ham2k_ki2d-n1mm.adi", 25, 25, Passes},
    {"adif/ham2k_ki2d-pota.adi", 72, 72, Refused},  // UTF-8 lengths counted in characters
    {"adif/ham2k_ki2d-qrz.adi", 32, 32, Refused},
    {"adif/ham2k_nu4b-logic.adi", 139, 139, Refused},  // the header says "Total records exported: 139"
    {"adif/ham2k_r6yy-loghk.adi", 423, 423, Passes},
    {"adif/ham2k_wo7r-mixw2.adi", 14, 14, Passes},  // header tags without a length
    {"adif/sa6mwa_termlog.adif", 3, 3, Passes},
    {"adif/stevenmburns_wsjtx_log.adi", 528, 528, Refused},
    {"adif/urbancamo_2018-06-09-Philips-Park_dl1hw-converter.ADI", 15, 15, Passes},
    {"adif/urbancamo_2020-10-29-The-Struggle_fle-long-comment.adi", 6, 6, Passes},
    {"adif/urbancamo_2020-12-14_loghx-shuttle1.adi", 1, 1, Passes},
    {"adif/urbancamo_2021-08-23-bad-gridsquare_qle.adi", 43, 43, Refused},
    {"adif/urbancamo_DP9X_cqgma-malformed.adi", 61, 0, Refused},  // no <EOR> at all and "CALL:6" without "<"
    {"adif/urbancamo_LU7HF_qlog.adi", 1, 1, Refused},
    {"adif/urbancamo_M0KPW_144MHz_minos.adi", 45, 45, Passes},
    {"adif/urbancamo_SAT_log_20220403_csn-sat.adi", 24, 24, Refused},
    {"adif/urbancamo_WW4N-POTA-K-5490_no-header.adi", 49, 49, Refused},
    {"adif/urbancamo_no-qso-time_lotw-qslcards.adi", 1, 1, Refused},  // the header's NUMREC says 139
    {"adif/urbancamo_sample_monolog.adi", 4, 4, Refused},
    {"adif_edge/adifmt_empty_adi.adi", 0, 0},
    {"adif_edge/adifmt_read_adi.adi", 3, 0},  // the calls are in CALLSIGN fields
    {"adif_edge/qlog_call_only.adi", 1, 1},
    {"adif_edge/qlog_crlf_in_value.adi", 1, 1},
    {"adif_edge/qlog_header_typed_fields.adi", 1, 1},
    {"adif_edge/qlog_leading_zero_length.adi", 1, 1},
    {"adif_edge/qlog_lowercase_values_unknown_fields.adi", 1, 1},
    {"adif_edge/qlog_mixed_case_eoh.adi", 1, 1},
    {"adif_edge/qlog_mixed_case_eor.adi", 2, 2},
    {"adif_edge/qlog_userdef_header.adi", 1, 1},
    {"adif_edge/qlog_zero_length_field.adi", 1, 1},
    {"adif_edge/tcadif_one_record.adi", 1, 1},
    {"adif_real/ei3ctb_hrd_wsjtx_log.adi", 14608, 14608},  // HRD: <EOR> on each record's second line
    {"adif_real/ei3kf_wsjtx_log.adi", 558, 558},
};

struct CabrilloFile {
    std::string_view path;
    int qsos;
    std::string_view contest;  // the program's code; empty: the import refuses the contest
    Check check = NotRun;
    int adifLines = 0;  // records converted and imported when read as ADIF
};

constexpr CabrilloFile kCabrilloFiles[] = {
    {"cabrillo/ham2k_arrldx-cw.log", 25, "ARR", Passes},
    {"cabrillo/ham2k_arrlss-ssb.log", 499, "", Passes},
    {"cabrillo/ham2k_cqww-cw.log", 11, "CQ", Passes},
    {"cabrillo/ham2k_iaru-mixed.log", 518, "IAR", Passes},
    {"cabrillo/ham2k_naqp-rtty.log", 360, "", Passes},
    {"cabrillo/ham2k_wfd.log", 165, "", Passes},  // fields separated by tabs
    {"cabrillo/kd4d_2024_arrl-10_PX2A_dxlog.log", 1795, "A10", Passes},
    {"cabrillo/kd4d_2024_arrl-ss-cw_KD4D_wintest.log", 1010, "", Passes},
    {"cabrillo/kd4d_2024_cq-ww-cw_k1lz_dxlog.log", 1910, "CQ", Passes},  // 5 X-QSO: lines are no contacts
    {"cabrillo/kd4d_2024_cq-ww-cw_k3lr_wintest.log", 1980, "CQ", Passes},
    {"cabrillo/kd4d_2024_cq-ww-rtty_cr3dx_n1mm.log", 1983, "CQ", Passes},
    {"cabrillo/kd4d_2024_wae-cw_AA3B_n1mm_qtc.log", 998, "", Passes},  // "WAE CW" with QTC: lines
    {"cabrillo/kd4d_2025_arrl-fd_W3AO_wintest_v2.log", 1984, "", Passes},
    {"cabrillo/kd4d_2025_cq-wpx-cw_kc1xx_dxlog.log", 1982, "WPX", Passes},
    {"cabrillo/kd4d_2025_cq-wpx-ssb_k9ct_n1mm.log", 1982, "WPX", Passes},
    {"cabrillo/kd4d_2025_wae-cw_II2Q_dxlog_qtc.log", 558, "", Passes},
    {"cabrillo/kosciej_example1_ww-digi.log", 1, "", Passes},
    {"cabrillo/templates/tlf_cabrillo.fmt", 0, "", Passes},
    {"cabrillo/templates/tlf_station-sample.cbr", 0, "", Refused},  // "QSO: << QSO lines are also ignored"
    {"cabrillo/thxo_CQWPX.log", 2, "WPX", Passes},
    {"cabrillo/thxo_CQWPX_bad_style.log", 2, "WPX", Passes},  // "CONTEST:CQ-WPX-CW", QSO: lines among the tags
    {"cabrillo/thxo_GB0WR.log", 4, "IAR", Passes},
    {"cabrillo/thxo_I44Z.log", 6, "IAR", Passes},
    {"cabrillo/thxo_LAQP.log", 1, "", Passes},
    {"cabrillo/thxo_YARC.log", 68, "", Passes},
    {"cabrillo/thxo_badorder.log", 1, "IAR", Passes},
    {"cabrillo/thxo_iaru.log", 1, "IAR", Passes},
    // A txtar holds a sponsor's sample log and another program's output of it: both logs' lines count.
    {"cabrillo-samples/cat_cabrillo_bartgrtty.txtar", 4, "", Passes},
    {"cabrillo-samples/cat_cabrillo_ft4.txtar", 14, "", Passes},
    {"cabrillo-samples/cat_cabrillo_iota.txtar", 34, "", Passes},
    {"cabrillo-samples/cat_cabrillo_nasprint.txtar", 4, "", Passes},
    {"cabrillo-samples/cat_cabrillo_rsgbclubcall.txtar", 12, "", Passes},
    {"cabrillo-samples/cat_cabrillo_sweepstakes.txtar", 20, "", Passes},
    {"cabrillo-samples/cat_cabrillo_vhf.txtar", 48, "", Passes},
    {"cabrillo-samples/cat_cabrillo_wwrof.txtar", 4, "", Passes, 2},  // two ADIF records among its files
    {"cabrillo_real/kd4d_2024_arrl-10_VP2VMM.LOG", 3911, "A10"},
    {"cabrillo_real/kd4d_2024_cq-ww-cw_w3lpl.log", 9396, "CQ"},
    {"cabrillo_real/kd4d_2024_wae-cw_9A5Y.log", 1535, ""},
    {"cabrillo_real/kd4d_2025_ARRL-DX-SSB_8P5A.log", 8610, "ARR"},
    {"cabrillo_real/kd4d_2025_CQ-WPX-SSB_aa4vt.log", 5191, "WPX"},
    {"cabrillo_real/kd4d_2025_cq-wpx-cw_k3lr.log", 7940, "WPX"},
};

std::filesystem::path Where(std::string_view path) {
    const bool external = path.starts_with("adif_") || path.starts_with("cabrillo_real");
    return (external ? kExternalFiles : kRealData) / path;
}

constexpr int kRejected = -1;

class OutsideFilesTest : public testing::ProgramFolderFixture {
protected:
    void SetUp() override {
        std::error_code error;
        if (!std::filesystem::is_directory(kRealData, error) || !std::filesystem::is_directory(kExternalFiles, error)) {
            GTEST_SKIP() << "no real files at " << kRealData << " and " << kExternalFiles;
        }
        ProgramFolderFixture::SetUp();
    }

    // The program's own file check, conversion into each format and logbook import of one file.
    void ExpectOwnConvertersAnswer(std::string_view path, Check check, int toCabrillo, int toAdif, int imported) {
        if (check == NotRun) return;
        const bool passes = check == Passes;
        EXPECT_EQ(ValidateLogFile(Where(path)), passes);
        EXPECT_EQ(Convert(path, LogFormat::Adif), passes ? toCabrillo : kRejected);
        EXPECT_EQ(Convert(path, LogFormat::Cabrillo), passes ? toAdif : kRejected);
        EXPECT_EQ(Import(path), passes ? imported : kRejected);
    }

    int Convert(std::string_view path, LogFormat format) {
        const auto output = PathOf(format == LogFormat::Adif ? "Convert.cbr" : "Convert.adi");
        std::filesystem::remove(output);
        const auto result =
            ConvertLog({.source = Where(path), .format = format, .outputFolder = Folder(), .callsign = "W1AW"});
        if (result.outcome == ConversionOutcome::Rejected) {
            EXPECT_FALSE(std::filesystem::exists(output));
            return kRejected;
        }
        EXPECT_EQ(result.outcome, ConversionOutcome::Converted);
        ExpectWholeLines(Read(output.filename().string()), result.records, format);
        return result.records;
    }

    // Every record is one line: QSO: lines of 81 characters for the program's own call and short
    // calls, ADIF records ending with "<EOR> ".
    static void ExpectWholeLines(const std::string& output, int records, LogFormat format) {
        std::istringstream lines(output);
        int count = 0;
        for (std::string line; std::getline(lines, line);) {
            if (format == LogFormat::Adif) {
                EXPECT_TRUE(line.starts_with("QSO: ") && line.ends_with(" ****** 0\r")) << line;
            } else if (line != "<EOH>\r" && line != "\r") {
                EXPECT_TRUE(line.ends_with("<EOR> \r")) << line;
            }
            count += line.starts_with("QSO: ") || line.ends_with("<EOR> \r") ? 1 : 0;
        }
        EXPECT_EQ(count, records);
    }

    int Import(std::string_view path) {
        const auto result = ImportAdif(ProgramFolder(Folder()), Where(path));
        if (result.outcome == ImportOutcome::Rejected) return kRejected;
        const auto calls = std::filesystem::exists(PathOf("database/Logbook.idx")) ? Read("database/Logbook.idx") : "";
        EXPECT_EQ(calls.size(), 10u * static_cast<std::size_t>(result.records));
        return result.records;
    }
};

TEST_F(OutsideFilesTest, EveryAdifFileGivesItsRecordsAndTheLogbookItsCalls) {
    for (const auto& file : kAdifFiles) {
        SCOPED_TRACE(file.path);
        const auto text = ReadFile(Where(file.path));
        ASSERT_TRUE(text.has_value());
        EXPECT_EQ(static_cast<int>(ReadAdif(*text).records.size()), file.records);
        const AnyImportResult imported = ImportAnyAdif(ProgramFolder(Folder()), Where(file.path));
        EXPECT_EQ(imported.records, file.records);
        EXPECT_EQ(imported.imported, file.withCall);
        EXPECT_EQ(imported.withoutCall, file.records - file.withCall);
        EXPECT_EQ(imported.outcome, file.withCall > 0 ? AnyImportOutcome::Imported : AnyImportOutcome::NoCalls);
        if (file.withCall > 0) {
            EXPECT_EQ(Read("database/Logbook.idx").size(), 10u * static_cast<std::size_t>(file.withCall));
        }
        ExpectOwnConvertersAnswer(file.path, file.check, file.withCall, 0, file.withCall);
    }
}

TEST_F(OutsideFilesTest, EveryCabrilloFileGivesItsContactsAndMapsOnlyTheProgramsContests) {
    for (const auto& file : kCabrilloFiles) {
        SCOPED_TRACE(file.path);
        const auto text = ReadFile(Where(file.path));
        ASSERT_TRUE(text.has_value());
        EXPECT_EQ(static_cast<int>(ReadCabrillo(*text).qsos.size()), file.qsos);
        ExpectOwnConvertersAnswer(file.path, file.check, file.adifLines, file.qsos, file.adifLines);
        const auto plan = PlanContestLogImport(*text, file.path, {}, "0");
        EXPECT_EQ(plan.log ? plan.log->contest : "", file.contest);
        EXPECT_EQ(plan.refusal.has_value(), file.contest.empty());
        if (!plan.log) continue;
        EXPECT_EQ(plan.log->contacts, file.qsos);
        EXPECT_TRUE(plan.log->skippedLines.empty());
        EXPECT_EQ(plan.log->outsideBands, 0);
    }
}

// Every file is in a table, and every file of realdata/ has the program's own converters' answer.
TEST_F(OutsideFilesTest, TablesCoverEveryFile) {
    const auto checkOf = [](const std::string& relative) -> std::optional<Check> {
        for (const auto& file : kAdifFiles) {
            if (file.path == relative) return file.check;
        }
        for (const auto& file : kCabrilloFiles) {
            if (file.path == relative) return file.check;
        }
        return std::nullopt;
    };
    std::size_t files = 0;
    for (const auto& root : {kRealData, kExternalFiles}) {
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
            if (!entry.is_regular_file() || entry.path().filename() == "SOURCES.md") continue;
            ++files;
            const auto relative = std::filesystem::relative(entry.path(), root).generic_string();
            const auto check = checkOf(relative);
            EXPECT_TRUE(check.has_value()) << relative << " is in no table";
            EXPECT_EQ(check == NotRun, root == kExternalFiles) << relative;
        }
    }
    EXPECT_EQ(files, std::size(kAdifFiles) + std::size(kCabrilloFiles));
}

TEST_F(OutsideFilesTest, FirstRecordOfAnExportReadsAtItsFixedPositions) {
    ASSERT_EQ(Convert("adif/ham2k_ki2d-n1mm.adi", LogFormat::Adif), 25);  // N1MM: fields separated by blanks
    EXPECT_EQ(Read("Convert.cbr").substr(0, 83),
              "QSO: 14000 CW 2022-02-19 1307 W1AW          599 ****** OK7PN         599 ****** 0\r\n");
}

}  // namespace
}  // namespace tallyhawk
