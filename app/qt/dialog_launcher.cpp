// Opens the settings dialogs of the main window.
#include "app/qt/dialog_launcher.h"

#include "app/qt/after_contest_dialog.h"
#include "app/qt/colors_dialog.h"
#include "app/qt/configuration_dialog.h"
#include "app/qt/contest_dialog.h"
#include "app/qt/personal_dialog.h"
#include "app/qt/qt_conversions.h"

namespace tallyhawk {

void OpenSettingsDialog(Dialog dialog, CLoggerDlg& window, SettingsBackend& store, const Clock& clock) {
    switch (dialog) {
        case Dialog::ContestSetup: {
            CContestDialog contest(store, clock, &window);
            if (contest.exec() == QDialog::Accepted)
                window.ApplySettingsMessage(ToQString(contest.Message()));
            return;
        }
        case Dialog::Personal: {
            CPersonalDialog personal(store, &window);
            if (personal.exec() == QDialog::Accepted) {
                window.ShowNote(QT_TRANSLATE_NOOP("tallyhawk::CLoggerDlg",
                                                  "The station data take effect at the next start."));
            }
            return;
        }
        case Dialog::Configuration: {
            CConfigurationDialog configuration(store, clock(), &window);
            if (configuration.exec() == QDialog::Accepted) {
                window.ApplySettingsMessage(ToQString(configuration.Message()));
                window.ReloadLanguage();
            }
            return;
        }
        case Dialog::Colors: {
            CColorsDialog colors(store, &window);
            colors.exec();
            window.ReloadColors();
            return;
        }
        case Dialog::Files:
            window.ShowNote(QT_TRANSLATE_NOOP(
                "tallyhawk::CLoggerDlg", "Log conversion and ADIF import: tallyhawk-cli convert, import."));
            return;
        case Dialog::AfterContest: {
            CAfterContestDialog after(window, store, clock);
            after.exec();
            return;
        }
    }
}

}  // namespace tallyhawk
