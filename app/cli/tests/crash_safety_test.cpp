// A batch of contacts killed at random moments: every time the log holds only whole lines that pass
// the reload check, and a reload gives the statistics a clean run over the same lines gives.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <thread>

#include "app/session/logger_session.h"
#include "core/file_io.h"
#include "log/contest_log_validator.h"
#include "log/contest_log_writer.h"
#include "tests/support/program_folder_fixture.h"

namespace tallyhawk {
namespace {

constexpr int kContacts = 20000;
constexpr int kKills = 20;

const std::vector<std::pair<std::string, std::string>> kStationSettings = {
    {"Callsign", "UA1AAA"}, {"Contest", "CQ"}, {"Band", "20"}, {"Mode", "CW"},
    {"Date", "2026-11-28"}, {"Continent", "EU"}, {"CQZone", "16"}};

// Contacts with calls of many countries and zones, on every band.
std::vector<std::string> BatchLines() {
    static const char* kPrefixes[] = {"DL", "OK", "G", "F", "I", "JA", "W", "VE", "UA", "UA9", "VK", "ZS",
                                      "PY", "LU", "SP", "YO", "EA", "ON", "PA", "OH", "JH", "K", "N", "LZ"};
    static const char* kBands[] = {"10", "15", "20", "40", "80", "160"};
    std::mt19937 random(7);
    std::vector<std::string> lines;
    for (int i = 0; i < kContacts; ++i) {
        const std::string call = std::string(kPrefixes[random() % 24]) + std::to_string(random() % 10) +
                                 static_cast<char>('A' + random() % 26) + static_cast<char>('A' + random() % 26);
        lines.push_back(std::string(kBands[i % 6]) + " CW 2026-11-28 1200 " + call + " 16 " +
                        std::to_string(1 + random() % 40));
    }
    return lines;
}

std::map<std::string, std::string> DerivedFiles(const std::filesystem::path& folder) {
    std::map<std::string, std::string> files;
    for (const char* sub : {"statistics", "database"}) {
        for (const auto& entry : std::filesystem::directory_iterator(folder / sub)) {
            files[std::string(sub) + "/" + entry.path().filename().string()] = ReadFileOrEmpty(entry.path());
        }
    }
    return files;
}

// The names of the files that differ; empty when the folders agree. A reload writes every multiplier
// file of the contest, so a file missing on one side counts as an empty one.
std::vector<std::string> Differences(const std::map<std::string, std::string>& left,
                                     const std::map<std::string, std::string>& right) {
    const auto contentsOf = [](const std::map<std::string, std::string>& files, const std::string& name) {
        const auto found = files.find(name);
        return found == files.end() ? std::string() : found->second;
    };
    std::vector<std::string> names;
    for (const auto* side : {&left, &right}) {
        for (const auto& [name, contents] : *side) {
            if (contentsOf(left, name) != contentsOf(right, name) &&
                std::find(names.begin(), names.end(), name) == names.end()) {
                names.push_back(name);
            }
        }
    }
    return names;
}

class CrashSafety : public testing::ProgramFolderFixture {
protected:
    std::filesystem::path MakeStation(const std::string& name) const {
        const auto folder = Folder() / name;
        for (const char* sub : {"dxcc", "database", "statistics"}) std::filesystem::create_directories(folder / sub);
        std::filesystem::copy(std::filesystem::path(TALLYHAWK_SHIPPED_DATA) / "dxcc", folder / "dxcc",
                              std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing);
        std::ofstream ini(folder / "settings.ini");
        ini << "[Settings]\n";
        for (const auto& [name, value] : kStationSettings) ini << name << "=" << value << "\n";
        return folder;
    }

    MemorySettingsBackend Store() const {
        MemorySettingsBackend store;
        (void)LoadSettings(store, ClockReading{});
        for (const auto& [name, value] : kStationSettings) (void)WriteSetting(store, name, value);
        return store;
    }

    // Starts tallyhawk-cli log --batch and kills it `delay` after the log appeared, so a slow start on a
    // busy machine does not turn every kill into one before the first contact.
    static void KillBatchAfter(const std::filesystem::path& folder, const std::filesystem::path& batch,
                               std::chrono::milliseconds delay) {
        const pid_t child = fork();
        if (child == 0) {
            freopen("/dev/null", "w", stderr);
            execl(TALLYHAWK_CLI, TALLYHAWK_CLI, "--folder", folder.c_str(), "--settings",
                  (folder / "settings.ini").c_str(), "log", "--batch", batch.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        int status = 0;
        bool ended = false;
        const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (!ended && !std::filesystem::exists(folder / "UA1AAA.cbr") && std::chrono::steady_clock::now() < giveUp) {
            ended = waitpid(child, &status, WNOHANG) != 0;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        if (ended) return;
        std::this_thread::sleep_for(delay);
        kill(child, SIGKILL);
        waitpid(child, &status, 0);
    }

    // The per-contact update over the first `count` batch lines, in a fresh folder.
    std::filesystem::path CleanRun(const std::vector<std::string>& lines, std::size_t count, int run) {
        const auto folder = MakeStation("clean" + std::to_string(run));
        MemorySettingsBackend store = Store();
        LoggerSession session(ProgramFolder(folder), store);
        (void)session.Start();
        session.SetLogDurability(Durability::Buffered);
        for (std::size_t i = 0; i < count; ++i) {
            std::istringstream fields(lines[i]);
            std::string band, mode, date, time, call, sent, received;
            fields >> band >> mode >> date >> time >> call >> sent >> received;
            session.SetFieldText(Field::Band, band);
            session.SetFieldText(Field::Mode, mode);
            session.SetFieldText(Field::Date, date);
            session.SetFieldText(Field::Time, time.substr(0, 2) + ":" + time.substr(2));
            session.SetFieldText(Field::Call, call);
            session.SetFieldText(Field::ExchangeSent, sent);
            session.SetFieldText(Field::ExchangeReceived, received);
            EXPECT_TRUE(session.SaveContact().messages.empty());
        }
        return folder;
    }
};

TEST_F(CrashSafety, KilledBatchLeavesWholeLinesAndReloadMatchesACleanRun) {
    const auto lines = BatchLines();
    {
        std::ofstream batch(PathOf("batch.txt"));
        for (const auto& line : lines) batch << line << "\n";
    }
    const std::size_t headerSize = FormatLogHeader("CQ", StationProfile{"UA1AAA"}).size();
    std::mt19937 random(std::random_device{}());
    int partialRuns = 0;  // kills that caught the batch part-way
    for (int run = 0; run < kKills; ++run) {
        const auto delay = std::chrono::milliseconds(random() % 1200);
        SCOPED_TRACE("run " + std::to_string(run) + ", killed after " + std::to_string(delay.count()) + " ms");
        const auto folder = MakeStation("killed" + std::to_string(run));
        KillBatchAfter(folder, PathOf("batch.txt"), delay);

        const auto logPath = folder / "UA1AAA.cbr";
        // Killed before the first contact, or between creating the log and writing its first line.
        if (!std::filesystem::exists(logPath) || std::filesystem::file_size(logPath) == 0) continue;
        const auto logSize = std::filesystem::file_size(logPath);
        ASSERT_GE(logSize, headerSize);
        ASSERT_EQ((logSize - headerSize) % 83, 0u) << "a partial line was left behind";
        ASSERT_TRUE(ContestLogValidator(logPath).passed);
        const std::size_t logged = (logSize - headerSize) / 83;
        if (logged < lines.size()) ++partialRuns;

        MemorySettingsBackend store = Store();
        LoggerSession reloaded(ProgramFolder(folder), store);
        (void)reloaded.Start();
        ASSERT_TRUE(reloaded.ReloadContestLog().messages.empty());
        EXPECT_EQ(static_cast<std::size_t>(reloaded.QsoCounters().Total()), logged);
        EXPECT_EQ(Differences(DerivedFiles(folder), DerivedFiles(CleanRun(lines, logged, run))),
                  std::vector<std::string>{});
    }
    EXPECT_GE(partialRuns, kKills / 2);
}

}  // namespace
}  // namespace tallyhawk
