// The window over a CQ WW DX log of 100,000 contacts, on the offscreen platform: the time from creating
// the session to a window that is shown and painted (the start-up picture left out), and one keystroke
// in the call field with everything it sets off (the worked-before check, the grids drawn again, the
// paint).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTest>
#include <array>
#include <memory>

#include "app/qt/logger_dlg.h"
#include "bench/bench_support.h"

namespace tallyhawk {
namespace {

constexpr int kContacts = 100000;

// The folder is made once: a log of 100,000 contacts, reloaded into the contest index and statistics.
const std::filesystem::path& Folder(MemorySettingsBackend& store) {
    static const std::filesystem::path folder = [&store] {
        const auto made = MakeCqWwFolder(store, "tallyhawk-bench-window");
        WriteCqWwLog(made, kContacts);
        LoggerSession session(ProgramFolder(made), store);
        (void)session.Start();
        if (session.ReloadContestLog().status != ReloadStatus::Reloaded) std::abort();
        return made;
    }();
    return folder;
}

MemorySettingsBackend& Store() {
    static MemorySettingsBackend store;
    return store;
}

struct OpenWindow {
    LoggerSession session;
    CLoggerDlg window;

    OpenWindow() : session(ProgramFolder(Folder(Store())), Store()), window(session, ReadSystemClock) {
        window.Start();
        window.show();
        QApplication::processEvents();
    }
};

void WindowReady(benchmark::State& state) {
    (void)Folder(Store());
    for (auto _ : state) {
        auto open = std::make_unique<OpenWindow>();
        state.PauseTiming();
        open.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["contacts"] = kContacts;
}

// Arguments: 0 "U" typed into an empty field (seven matches near the start), 1 the last "A" of "UA1AA"
// (a search through the whole index), 2 "Q" after "Q" (no match).
void CallKeystroke(benchmark::State& state) {
    static constexpr std::array<std::pair<std::string_view, char>, 3> kTyped = {
        {{"", 'U'}, {"UA1A", 'A'}, {"Q", 'Q'}}};
    const auto& [before, key] = kTyped[static_cast<std::size_t>(state.range(0))];
    OpenWindow open;
    QLineEdit* call = open.window.EntryRow().Edit(Field::Call);
    call->setFocus();
    for (auto _ : state) {
        state.PauseTiming();
        call->setText(QString::fromLatin1(before.data(), static_cast<qsizetype>(before.size())));
        QApplication::processEvents();
        state.ResumeTiming();
        QTest::keyClick(call, key);
        QApplication::processEvents();
    }
    state.SetLabel(std::string(before) + key);
}

BENCHMARK(WindowReady)->Unit(benchmark::kMillisecond)->Iterations(20)->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK(CallKeystroke)
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

}  // namespace
}  // namespace tallyhawk

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // A server name of its own, so that a running window is not disturbed.
    qputenv("TALLYHAWK_SERVER", (std::filesystem::temp_directory_path() / "tallyhawk-bench-window.server").c_str());
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(std::filesystem::temp_directory_path() / "tallyhawk-bench-window");
    return 0;
}
