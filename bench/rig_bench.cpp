// What the radio costs the user-interface thread. The polling itself runs on a thread of its own and
// passes on only readings that changed; each such reading is one FollowRig: within a band it only
// keeps the frequency, a move to another band also redraws the score as a settings message does.
// A keystroke in the call field reads nothing of the radio, so a reading never lengthens it.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "app/session/logger_session.h"

namespace tallyhawk {
namespace {

std::filesystem::path MakeFolder(MemorySettingsBackend& store) {
    const auto folder = std::filesystem::temp_directory_path() / "tallyhawk-bench-rig";
    std::filesystem::remove_all(folder);
    for (const char* sub : {"dxcc", "database", "statistics"})
        std::filesystem::create_directories(folder / sub);
    std::filesystem::copy(std::filesystem::path(TALLYHAWK_SHIPPED_DATA) / "dxcc", folder / "dxcc");
    (void)LoadSettings(store, ReadSystemClock());
    for (const auto& [name, value] :
         {std::pair{"Callsign", "UA1AAA"}, {"Contest", "CQ"}, {"Band", "20"}, {"Mode", "CW"}}) {
        store.WriteString(kSettingsGroup, name, value);
    }
    return folder;
}

// Argument 0: the dial turned within 20 m; 1: the radio switched between 20 m and 40 m every reading.
void FollowRigReading(benchmark::State& state) {
    MemorySettingsBackend store;
    LoggerSession session(ProgramFolder(MakeFolder(store)), store);
    (void)session.Start();
    const bool bandChanges = state.range(0) == 1;
    Hertz frequency = 14'000'000;
    bool forty = false;
    for (auto _ : state) {
        frequency = frequency < 14'300'000 ? frequency + 10 : 14'000'000;
        forty = bandChanges && !forty;
        benchmark::DoNotOptimize(session.FollowRig({forty ? frequency - 7'000'000 : frequency, "CW"}));
    }
}
BENCHMARK(FollowRigReading)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tallyhawk

BENCHMARK_MAIN();
