// Opens the dialogs of the main window.
#include "app/qt/dialog_launcher.h"

#include "app/qt/after_contest_dialog.h"
#include "app/qt/colors_dialog.h"
#include "app/qt/configuration_dialog.h"
#include "app/qt/contest_dialog.h"
#include "app/qt/files_dialog.h"
#include "app/qt/personal_dialog.h"
#include "app/qt/qt_conversions.h"

namespace tallyhawk {

bool OpenSettingsDialog(Dialog dialog, CLoggerDlg& window, SettingsBackend& store, const Clock& clock) {
    switch (dialog) {
        case Dialog::ContestSetup: {
            CContestDialog contest(store, clock, &window);
            if (contest.exec() != QDialog::Accepted) return false;
            window.ApplySettingsMessage(ToQString(contest.Message()));
            return true;
        }
        case Dialog::Personal:
            return CPersonalDialog(store, &window).exec() == QDialog::Accepted;
        case Dialog::Configuration: {
            CConfigurationDialog configuration(store, clock(), &window);
            if (configuration.exec() != QDialog::Accepted) return false;
            window.ApplySettingsMessage(ToQString(configuration.Message()));
            window.ReloadLanguage();
            return true;
        }
        case Dialog::Colors: {
            const bool accepted = CColorsDialog(store, &window).exec() == QDialog::Accepted;
            window.ReloadColors();
            return accepted;
        }
        case Dialog::Files:
            return CFilesDialog(window.Session(), &window).exec() == QDialog::Accepted;
        case Dialog::AfterContest:
            return CAfterContestDialog(window, store, clock).exec() == QDialog::Accepted;
    }
    return false;
}

}  // namespace tallyhawk
