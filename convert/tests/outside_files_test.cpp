// Every real file of other programs read by the readers of any logger's files: the ADIF reader and the
// logbook import, the Cabrillo reader and the contest log import. The counts were taken from the files
// by hand and with grep (<eor> tags, <call: tags, QSO: lines with a date and a time), not from the
// readers themselves.
#include <algorithm>

#include "convert/adif_reader.h"
#include "convert/any_adif_import.h"
#include "convert/cabrillo_log_import.h"
#include "core/file_io.h"
#include "tests/support/program_folder_fixture.h"

namespace tallyhawk {
namespace {

const std::filesystem::path kRealData = TALLYHAWK_REALDATA;
const std::filesystem::path kExternalFiles = TALLYHAWK_EXTERNAL_FILES;

struct AdifFile {
    std::string_view path;
    int records;
    int withCall;  // records with a CALL of 3 or more characters: the logbook entries
};

// realdata/ and external/ (the second folder's files start with "adif_").
constexpr AdifFile kAdifFiles[] = {
    {"adif/dfannin_naqp-201701_cqrlog.adi", 13, 13},  // each record over ~9 lines
    {"adif/diablowu_jtdx_wsjtx_log.adi", 1999, 1999},  // "WSJT-X ADIF Export<eoh>" on one line
    {"adif/ham2k_k0xm-logger32.adi", 1015, 1015},
    {"adif/ham2k_ki2d-clublog.adi", 14, 14},
    {"adif/ham2k_ki2d-lotw.adi", 13, 13},  // one field a line, "// comment" after values
    {"adif/ham2k_ki2d-n1mm.adi", 25, 25},
    {"adif/ham2k_ki2d-pota.adi", 72, 72},  // UTF-8 lengths counted in characters
    {"adif/ham2k_ki2d-qrz.adi", 32, 32},
    {"adif/ham2k_nu4b-logic.adi", 139, 139},  // the header says "Total records exported: 139"
    {"adif/ham2k_r6yy-loghk.adi", 423, 423},
    {"adif/ham2k_wo7r-mixw2.adi", 14, 14},  // header tags without a length
    {"adif/sa6mwa_termlog.adif", 3, 3},
    {"adif/stevenmburns_wsjtx_log.adi", 528, 528},
    {"adif/urbancamo_2018-06-09-Philips-Park_dl1hw-converter.ADI", 15, 15},
    {"adif/urbancamo_2020-10-29-The-Struggle_fle-long-comment.adi", 6, 6},
    {"adif/urbancamo_2020-12-14_loghx-shuttle1.adi", 1, 1},
    {"adif/urbancamo_2021-08-23-bad-gridsquare_qle.adi", 43, 43},
    {"adif/urbancamo_DP9X_cqgma-malformed.adi", 61, 0},  // no <EOR> at all and "CALL:6" without "<"
    {"adif/urbancamo_LU7HF_qlog.adi", 1, 1},
    {"adif/urbancamo_M0KPW_144MHz_minos.adi", 45, 45},
    {"adif/urbancamo_SAT_log_20220403_csn-sat.adi", 24, 24},
    {"adif/urbancamo_WW4N-POTA-K-5490_no-header.adi", 49, 49},
    {"adif/urbancamo_no-qso-time_lotw-qslcards.adi", 1, 1},  // the header's NUMREC says 139
    {"adif/urbancamo_sample_monolog.adi", 4, 4},
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
};

constexpr CabrilloFile kCabrilloFiles[] = {
    {"cabrillo/ham2k_arrldx-cw.log", 25, "ARR"},
    {"cabrillo/ham2k_arrlss-ssb.log", 499, ""},
    {"cabrillo/ham2k_cqww-cw.log", 11, "CQ"},
    {"cabrillo/ham2k_iaru-mixed.log", 518, "IAR"},
    {"cabrillo/ham2k_naqp-rtty.log", 360, ""},
    {"cabrillo/ham2k_wfd.log", 165, ""},  // fields separated by tabs
    {"cabrillo/kd4d_2024_arrl-10_PX2A_dxlog.log", 1795, "A10"},
    {"cabrillo/kd4d_2024_arrl-ss-cw_KD4D_wintest.log", 1010, ""},
    {"cabrillo/kd4d_2024_cq-ww-cw_k1lz_dxlog.log", 1910, "CQ"},  // 5 X-QSO: lines are no contacts
    {"cabrillo/kd4d_2024_cq-ww-cw_k3lr_wintest.log", 1980, "CQ"},
    {"cabrillo/kd4d_2024_cq-ww-rtty_cr3dx_n1mm.log", 1983, "CQ"},
    {"cabrillo/kd4d_2024_wae-cw_AA3B_n1mm_qtc.log", 998, ""},  // "WAE CW" with QTC: lines
    {"cabrillo/kd4d_2025_arrl-fd_W3AO_wintest_v2.log", 1984, ""},
    {"cabrillo/kd4d_2025_cq-wpx-cw_kc1xx_dxlog.log", 1982, "WPX"},
    {"cabrillo/kd4d_2025_cq-wpx-ssb_k9ct_n1mm.log", 1982, "WPX"},
    {"cabrillo/kd4d_2025_wae-cw_II2Q_dxlog_qtc.log", 558, ""},
    {"cabrillo/kosciej_example1_ww-digi.log", 1, ""},
    {"cabrillo/templates/tlf_cabrillo.fmt", 0, ""},
    {"cabrillo/templates/tlf_station-sample.cbr", 0, ""},  // "QSO: << QSO lines are also ignored"
    {"cabrillo/thxo_CQWPX.log", 2, "WPX"},
    {"cabrillo/thxo_CQWPX_bad_style.log", 2, "WPX"},  // "CONTEST:CQ-WPX-CW", QSO: lines among the tags
    {"cabrillo/thxo_GB0WR.log", 4, "IAR"},
    {"cabrillo/thxo_I44Z.log", 6, "IAR"},
    {"cabrillo/thxo_LAQP.log", 1, ""},
    {"cabrillo/thxo_YARC.log", 68, ""},
    {"cabrillo/thxo_badorder.log", 1, "IAR"},
    {"cabrillo/thxo_iaru.log", 1, "IAR"},
    // A txtar holds a sponsor's sample log and another program's output of it: both logs' lines count.
    {"cabrillo-samples/cat_cabrillo_bartgrtty.txtar", 4, ""},
    {"cabrillo-samples/cat_cabrillo_ft4.txtar", 14, ""},
    {"cabrillo-samples/cat_cabrillo_iota.txtar", 34, ""},
    {"cabrillo-samples/cat_cabrillo_nasprint.txtar", 4, ""},
    {"cabrillo-samples/cat_cabrillo_rsgbclubcall.txtar", 12, ""},
    {"cabrillo-samples/cat_cabrillo_sweepstakes.txtar", 20, ""},
    {"cabrillo-samples/cat_cabrillo_vhf.txtar", 48, ""},
    {"cabrillo-samples/cat_cabrillo_wwrof.txtar", 4, ""},
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

class OutsideFilesTest : public testing::ProgramFolderFixture {
protected:
    void SetUp() override {
        std::error_code error;
        if (!std::filesystem::is_directory(kRealData, error) || !std::filesystem::is_directory(kExternalFiles, error)) {
            GTEST_SKIP() << "no real files at " << kRealData << " and " << kExternalFiles;
        }
        ProgramFolderFixture::SetUp();
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
    }
}

TEST_F(OutsideFilesTest, EveryCabrilloFileGivesItsContactsAndMapsOnlyTheProgramsContests) {
    for (const auto& file : kCabrilloFiles) {
        SCOPED_TRACE(file.path);
        const auto text = ReadFile(Where(file.path));
        ASSERT_TRUE(text.has_value());
        EXPECT_EQ(static_cast<int>(ReadCabrillo(*text).qsos.size()), file.qsos);
        const auto plan = PlanContestLogImport(*text, file.path, {}, "0");
        EXPECT_EQ(plan.log ? plan.log->contest : "", file.contest);
        EXPECT_EQ(plan.refusal.has_value(), file.contest.empty());
        if (!plan.log) continue;
        EXPECT_EQ(plan.log->contacts, file.qsos);
        EXPECT_TRUE(plan.log->skippedLines.empty());
        EXPECT_EQ(plan.log->outsideBands, 0);
    }
}

TEST_F(OutsideFilesTest, TablesCoverEveryFile) {
    std::size_t files = 0;
    for (const auto& root : {kRealData, kExternalFiles}) {
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
            if (!entry.is_regular_file() || entry.path().filename() == "SOURCES.md") continue;
            ++files;
            const auto relative = std::filesystem::relative(entry.path(), root).generic_string();
            const bool listed =
                std::any_of(std::begin(kAdifFiles), std::end(kAdifFiles), [&](auto& f) { return f.path == relative; }) ||
                std::any_of(std::begin(kCabrilloFiles), std::end(kCabrilloFiles), [&](auto& f) { return f.path == relative; });
            EXPECT_TRUE(listed) << relative << " is in no table";
        }
    }
    EXPECT_EQ(files, std::size(kAdifFiles) + std::size(kCabrilloFiles));
}

}  // namespace
}  // namespace tallyhawk
