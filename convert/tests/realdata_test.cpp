// Logs and ADIF files written by other programs: each gets the file check's answer, and a file that
// passes converts and imports the expected number of records in both directions.
#include <sstream>

#include "convert/adif_import.h"
#include "convert/log_conversion.h"
#include "convert/log_file_check.h"
#include "tests/support/program_folder_fixture.h"

namespace tallyhawk {
namespace {

struct RealFile {
    std::string_view path;  // under the real-data folder
    bool valid;
    int toCabrillo;  // records converted when read as ADIF
    int toAdif;      // records converted when read as Cabrillo
    int imported;
};

constexpr int kRejected = -1;

// Most ADIF exports write one field per line or lower-case <eoh>/<eor> and are refused; names whose
// third-last character is neither "c" nor "a" (.log, .txtar, .adif, .fmt) pass unread.
constexpr RealFile kRealFiles[] = {
    {"adif/dfannin_naqp-201701_cqrlog.adi", false, kRejected, kRejected, kRejected},
    {"adif/diablowu_jtdx_wsjtx_log.adi", false, kRejected, kRejected, kRejected},
    {"adif/ham2k_k0xm-logger32.adi", true, 1015, 0, 1015},
    {"adif/ham2k_ki2d-clublog.adi", true, 14, 0, 14},
    {"adif/ham2k_ki2d-lotw.adi", false, kRejected, kRejected, kRejected},
    {"adif/ham2k_ki2d-n1mm.adi", true, 25, 0, 25},
    {"adif/ham2k_ki2d-pota.adi", false, kRejected, kRejected, kRejected},
    {"adif/ham2k_ki2d-qrz.adi", false, kRejected, kRejected, kRejected},
    {"adif/ham2k_nu4b-logic.adi", false, kRejected, kRejected, kRejected},
    {"adif/ham2k_r6yy-loghk.adi", true, 423, 0, 423},
    {"adif/ham2k_wo7r-mixw2.adi", true, 14, 0, 14},
    {"adif/sa6mwa_termlog.adif", true, 3, 0, 3},
    {"adif/stevenmburns_wsjtx_log.adi", false, kRejected, kRejected, kRejected},
    {"adif/urbancamo_2018-06-09-Philips-Park_dl1hw-converter.ADI", true, 15, 0, 15},
    {"adif/urbancamo_2020-10-29-The-Struggle_fle-long-comment.adi", true, 6, 0, 6},
    {"adif/urbancamo_2020-12-14_loghx-shuttle1.adi", true, 1, 0, 1},
    {"adif/urbancamo_2021-08-23-bad-gridsquare_qle.adi", false, kRejected, kRejected, kRejected},
    {"adif/urbancamo_DP9X_cqgma-malformed.adi", false, kRejected, kRejected, kRejected},
    {"adif/urbancamo_LU7HF_qlog.adi", false, kRejected, kRejected, kRejected},
    {"adif/urbancamo_M0KPW_144MHz_minos.adi", true, 45, 0, 45},
    {"adif/urbancamo_SAT_log_20220403_csn-sat.adi", false, kRejected, kRejected, kRejected},
    {"adif/urbancamo_WW4N-POTA-K-5490_no-header.adi", false, kRejected, kRejected, kRejected},
    {"adif/urbancamo_no-qso-time_lotw-qslcards.adi", false, kRejected, kRejected, kRejected},
    {"adif/urbancamo_sample_monolog.adi", false, kRejected, kRejected, kRejected},
    {"cabrillo-samples/cat_cabrillo_bartgrtty.txtar", true, 0, 4, 0},
    {"cabrillo-samples/cat_cabrillo_ft4.txtar", true, 0, 14, 0},
    {"cabrillo-samples/cat_cabrillo_iota.txtar", true, 0, 34, 0},
    {"cabrillo-samples/cat_cabrillo_nasprint.txtar", true, 0, 4, 0},
    {"cabrillo-samples/cat_cabrillo_rsgbclubcall.txtar", true, 0, 12, 0},
    {"cabrillo-samples/cat_cabrillo_sweepstakes.txtar", true, 0, 20, 0},
    {"cabrillo-samples/cat_cabrillo_vhf.txtar", true, 0, 48, 0},
    {"cabrillo-samples/cat_cabrillo_wwrof.txtar", true, 2, 4, 2},
    {"cabrillo/ham2k_arrldx-cw.log", true, 0, 25, 0},
    {"cabrillo/ham2k_arrlss-ssb.log", true, 0, 499, 0},
    {"cabrillo/ham2k_cqww-cw.log", true, 0, 11, 0},
    {"cabrillo/ham2k_iaru-mixed.log", true, 0, 518, 0},
    {"cabrillo/ham2k_naqp-rtty.log", true, 0, 360, 0},
    {"cabrillo/ham2k_wfd.log", true, 0, 165, 0},
    {"cabrillo/kd4d_2024_arrl-10_PX2A_dxlog.log", true, 0, 1795, 0},
    {"cabrillo/kd4d_2024_arrl-ss-cw_KD4D_wintest.log", true, 0, 1010, 0},
    {"cabrillo/kd4d_2024_cq-ww-cw_k1lz_dxlog.log", true, 0, 1910, 0},
    {"cabrillo/kd4d_2024_cq-ww-cw_k3lr_wintest.log", true, 0, 1980, 0},
    {"cabrillo/kd4d_2024_cq-ww-rtty_cr3dx_n1mm.log", true, 0, 1983, 0},
    {"cabrillo/kd4d_2024_wae-cw_AA3B_n1mm_qtc.log", true, 0, 998, 0},
    {"cabrillo/kd4d_2025_arrl-fd_W3AO_wintest_v2.log", true, 0, 1984, 0},
    {"cabrillo/kd4d_2025_cq-wpx-cw_kc1xx_dxlog.log", true, 0, 1982, 0},
    {"cabrillo/kd4d_2025_cq-wpx-ssb_k9ct_n1mm.log", true, 0, 1982, 0},
    {"cabrillo/kd4d_2025_wae-cw_II2Q_dxlog_qtc.log", true, 0, 558, 0},
    {"cabrillo/kosciej_example1_ww-digi.log", true, 0, 1, 0},
    {"cabrillo/templates/tlf_cabrillo.fmt", true, 0, 0, 0},
    {"cabrillo/templates/tlf_station-sample.cbr", false, kRejected, kRejected, kRejected},
    {"cabrillo/thxo_CQWPX.log", true, 0, 2, 0},
    {"cabrillo/thxo_CQWPX_bad_style.log", true, 0, 2, 0},
    {"cabrillo/thxo_GB0WR.log", true, 0, 4, 0},
    {"cabrillo/thxo_I44Z.log", true, 0, 6, 0},
    {"cabrillo/thxo_LAQP.log", true, 0, 1, 0},
    {"cabrillo/thxo_YARC.log", true, 0, 68, 0},
    {"cabrillo/thxo_badorder.log", true, 0, 1, 0},
    {"cabrillo/thxo_iaru.log", true, 0, 1, 0},
};

const std::filesystem::path kRealData = TALLYHAWK_REALDATA;

class RealDataTest : public testing::ProgramFolderFixture {
protected:
    void SetUp() override {
        std::error_code error;
        if (!std::filesystem::is_directory(kRealData, error)) GTEST_SKIP() << "no real data at " << kRealData;
        ProgramFolderFixture::SetUp();
    }

    int Convert(const RealFile& file, LogFormat format) {
        const auto output = PathOf(format == LogFormat::Adif ? "Convert.cbr" : "Convert.adi");
        std::filesystem::remove(output);
        const auto result = ConvertLog(
            {.source = kRealData / file.path, .format = format, .outputFolder = Folder(), .callsign = "W1AW"});
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

    int Import(const RealFile& file) {
        const auto result = ImportAdif(ProgramFolder(Folder()), kRealData / file.path);
        if (result.outcome == ImportOutcome::Rejected) return kRejected;
        const auto calls = std::filesystem::exists(PathOf("database/Logbook.idx")) ? Read("database/Logbook.idx") : "";
        EXPECT_EQ(calls.size(), 10u * static_cast<std::size_t>(result.records));
        return result.records;
    }
};

TEST_F(RealDataTest, EveryFileGetsItsAnswerFromTheCheckTheConvertersAndTheImport) {
    for (const auto& file : kRealFiles) {
        SCOPED_TRACE(file.path);
        EXPECT_EQ(ValidateLogFile(kRealData / file.path), file.valid);
        EXPECT_EQ(Convert(file, LogFormat::Adif), file.toCabrillo);
        EXPECT_EQ(Convert(file, LogFormat::Cabrillo), file.toAdif);
        EXPECT_EQ(Import(file), file.imported);
    }
}

TEST_F(RealDataTest, TableCoversEveryFile) {
    std::size_t files = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(kRealData)) {
        if (!entry.is_regular_file() || entry.path().filename() == "SOURCES.md") continue;
        ++files;
        const auto relative = std::filesystem::relative(entry.path(), kRealData).generic_string();
        EXPECT_TRUE(std::any_of(std::begin(kRealFiles), std::end(kRealFiles),
                                [&](const RealFile& file) { return file.path == relative; }))
            << relative << " is not in the table";
    }
    EXPECT_EQ(files, std::size(kRealFiles));
}

TEST_F(RealDataTest, FirstRecordOfAnExportReadsAtItsFixedPositions) {
    ASSERT_EQ(Convert(kRealFiles[5], LogFormat::Adif), 25);  // N1MM: fields separated by blanks
    EXPECT_EQ(Read("Convert.cbr").substr(0, 83),
              "QSO: 14000 CW 2022-02-19 1307 W1AW          599 ****** OK7PN         599 ****** 0\r\n");
}

}  // namespace
}  // namespace tallyhawk
