// window_screenshots OUTPUT_FOLDER: renders the main window over a CQ WW DX log of a few hundred contacts,
// each dialog, the grid styles and the start-up picture to PNG files, on the offscreen platform. Run by
// scripts/screenshots.sh, which writes them to docs/screenshots/.
#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <fstream>
#include <iostream>

#include "app/platform/qsettings_backend.h"
#include "app/qt/about_box.h"
#include "app/qt/colors_dialog.h"
#include "app/qt/configuration_dialog.h"
#include "app/qt/contest_dialog.h"
#include "app/qt/files_dialog.h"
#include "app/qt/logger_dlg.h"
#include "app/qt/personal_dialog.h"
#include "app/qt/pictures.h"
#include "app/qt/qso_edit_dialog.h"
#include "app/qt/small_dialogs.h"
#include "bench/bench_support.h"
#include "scoring/contest_table.h"

namespace tallyhawk {
namespace {

namespace fs = std::filesystem;

ClockReading ContestClock() {
    return ClockReading{.year = 2026, .month = 11, .day = 28, .hour = 14, .minute = 37, .second = 12};
}

struct Station {
    fs::path folder;
    std::unique_ptr<QSettingsBackend> settings;
};

Station MakeStation(const fs::path& folder) {
    for (const char* sub : {"database", "statistics"}) fs::create_directories(folder / sub);
    CopyShippedCountryFiles(folder);
    Station station{folder, std::make_unique<QSettingsBackend>((folder / "tallyhawk.ini").string())};
    (void)LoadSettings(*station.settings, ContestClock());
    for (const auto& [name, value] : {std::pair{"Callsign", "DL1XYZ"},
                                      {"Name", "Karl"},
                                      {"Address", "Hauptstrasse 1*28195 Bremen**"},
                                      {"Contest", "CQ"},
                                      {"Band", "40"},
                                      {"Mode", "CW"},
                                      {"Date", "2026-11-28"},
                                      {"CQZone", "14"},
                                      {"Continent", "EU"},
                                      {"TimeShift", "+0"},
                                      {"CDROM", "none"}}) {
        station.settings->WriteString(kSettingsGroup, name, value);
    }
    station.settings->WriteInt(kSettingsGroup, "RealTimeMode", 0);
    return station;
}

// A Saturday of CQ WW DX typed as the operator types it: the call, its zone filled in when the call
// field is left, the time, Enter; the band moves from 40 m up to 10 m through the day.
void TypeContest(LoggerSession& session, int contacts) {
    const std::vector<std::string> calls = BenchCalls();
    session.SetLogDurability(Durability::Buffered);
    static constexpr std::array<std::string_view, 4> kBandsOfTheDay = {"40", "20", "15", "10"};
    for (int i = 0; i < contacts; ++i) {
        session.SetFieldText(Field::Band, kBandsOfTheDay[static_cast<std::size_t>(4 * i / contacts)]);
        (void)session.CallChanged(calls[static_cast<std::size_t>(i) * 7919 % calls.size()]);
        (void)session.LeaveCallField();
        const int minute = 6 * 60 + i * 2;
        session.SetFieldText(Field::Time, TwoDigits(minute / 60 % 24) + ":" + TwoDigits(minute % 60));
        session.LeaveTimeField();
        if (session.CurrentScreen().entry[Field::ExchangeReceived].empty())
            session.SetFieldText(Field::ExchangeReceived, "14");
        (void)session.SaveContact();
    }
    (void)session.SyncContestLog();
}

void WriteLogbook(const fs::path& folder) {
    std::ofstream(folder / "logbook.adi", std::ios::binary)
        << "<EOH>\r\n"
           "<CALL:6>ZL2ABC<QSO_DATE:8>20241026<TIME_ON:4>0712<BAND:3>20M<MODE:2>CW<QSL_RCVD:1>Y<QSL_SENT:1>Y<"
           "EOR>\r\n"
           "<CALL:6>ZL2ABC<QSO_DATE:8>20251129<TIME_ON:4>0803<BAND:3>15M<MODE:2>CW<QSL_RCVD:1>N<QSL_SENT:1>Y<"
           "EOR>\r\n";
}

void Save(QWidget& widget, const fs::path& output, const char* name) {
    widget.adjustSize();
    widget.show();
    QApplication::processEvents();
    const QString path = QString::fromStdString((output / name).string());
    if (!widget.grab().save(path)) std::cerr << "not written: " << path.toStdString() << "\n";
    widget.hide();
}

// The exit question is a message box that waits for its answer: it is taken while it is up.
void SaveExitQuestion(QWidget& window, const fs::path& output) {
    QTimer::singleShot(100, [&output] {
        QWidget* box = QApplication::activeModalWidget();
        if (!box) return;
        box->grab().save(QString::fromStdString((output / "exit_question.png").string()));
        box->close();
    });
    (void)ConfirmExit(&window);
}

void SaveGridStyles(CLoggerDlg& window, const fs::path& output) {
    QWidget sheet;
    ApplySkinPalette(sheet);
    sheet.setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(&sheet);
    for (const char* style : {"0-None", "1-Flat", "2-Inset", "3-Raised"}) {
        auto* grid = new CGridCtrl(&sheet);
        GridColors colors = window.LogView().Colors();
        colors.style = static_cast<GridStyle>(style[0] - '0');
        grid->SetColors(colors);
        grid->SetLayout({36, 90, 75, 60}, 4);
        std::vector<std::vector<QString>> rows = {{"N", "Callsign", "Date", "UTC"}};
        for (int row = 1; row <= 3; ++row) {
            rows.push_back({window.LogView().CellText(row, 0), window.LogView().CellText(row, 1),
                            window.LogView().CellText(row, 2), window.LogView().CellText(row, 3)});
        }
        grid->ShowRows(rows, true);
        if (style[0] == '2') grid->SelectRow(2);
        layout->addWidget(new QLabel(QString::fromLatin1(style), &sheet));
        layout->addWidget(grid);
    }
    Save(sheet, output, "grid_styles.png");
}

void SaveBanners(const fs::path& output) {
    QWidget sheet;
    ApplySkinPalette(sheet);
    sheet.setAutoFillBackground(true);
    auto* layout = new QGridLayout(&sheet);
    int index = 0;
    for (const Contest* contest : AllContests()) {
        auto* banner = new QLabel(&sheet);
        banner->setPixmap(ContestBanner(contest->code).value_or(QPixmap()));
        layout->addWidget(banner, index / 2, index % 2);
        ++index;
    }
    Save(sheet, output, "banners.png");
}

void SaveDialogs(Station& station, LoggerSession& session, CLoggerDlg& window, const fs::path& output) {
    CContestDialog contest(*station.settings, ContestClock, &window);
    Save(contest, output, "contest_dialog.png");
    CPersonalDialog personal(*station.settings, &window);
    Save(personal, output, "personal_dialog.png");
    CConfigurationDialog configuration(*station.settings, ContestClock(), &window);
    Save(configuration, output, "configuration_dialog.png");
    CColorsDialog colors(*station.settings, &window);
    Save(colors, output, "colors_dialog.png");
    CFilesDialog files(session, &window);
    files.chooseFile = [&station](QWidget*, const QString&, const QString&, const QString&) {
        return QString::fromStdString((station.folder / "logbook.adi").string());
    };
    files.ButtonFor("adifSource").click();
    files.ButtonFor("convert").click();
    files.ButtonFor("check").click();
    Save(files, output, "files_dialog.png");
    const auto contact = session.OpenContactEditorAtRow(4);
    CQsoEditDialog editor(session, contact.value_or(EditTransfer{}), &window);
    Save(editor, output, "edit_dialog.png");
    session.ContactEditorClosed();
    CAboutBox about(&window);
    for (int tick = 0; tick < 100; ++tick) about.Text().Tick();
    Save(about, output, "about_box.png");
    SaveExitQuestion(window, output);
    SaveGridStyles(window, output);
    SaveBanners(output);
}

int Run(const fs::path& output) {
    QTemporaryDir temporary;
    Station station = MakeStation(temporary.path().toStdString());
    WriteLogbook(station.folder);
    LoggerSession session(ProgramFolder(station.folder), *station.settings, ContestClock);
    (void)session.Start();
    TypeContest(session, 420);
    (void)session.ImportAdif(station.folder / "logbook.adi");
    station.settings->WriteString(kSettingsGroup, "Band", "10");  // where the day ended

    LoggerSession windowSession(ProgramFolder(station.folder), *station.settings, ContestClock);
    CLoggerDlg window(windowSession, ContestClock);
    window.Start();
    window.show();
    QApplication::setActiveWindow(&window);
    if (!QTest::qWaitForWindowActive(&window)) return 1;
    QTest::keyClicks(window.EntryRow().Edit(Field::Call), "ZL2ABC");
    QTest::keyClick(window.EntryRow().Edit(Field::Call), Qt::Key_Tab);
    QTest::keyClicks(window.EntryRow().Edit(Field::Time), "1437");
    QTest::keyClick(window.EntryRow().Edit(Field::Time), Qt::Key_Tab);
    QApplication::processEvents();
    if (!window.grab().save(QString::fromStdString((output / "main_window.png").string()))) return 1;
    SaveDialogs(station, windowSession, window, output);
    SplashPicture().save(QString::fromStdString((output / "splash.png").string()));
    return 0;
}

}  // namespace
}  // namespace tallyhawk

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: window_screenshots OUTPUT_FOLDER\n";
        return 2;
    }
    QApplication application(argc, argv);
    std::filesystem::create_directories(argv[1]);
    return tallyhawk::Run(argv[1]);
}
