// CLoggerDlg: the keys of the main window and the user manual behind F1.
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMessageBox>
#include <QUrl>
#include <map>

#include "app/qt/logger_dlg.h"
#include "app/qt/qt_conversions.h"
#include "core/work_folder.h"

namespace tallyhawk {

// The keys of the main window. Esc and Enter are used up; the others are also processed as usual.
CLoggerDlg::KeyUse CLoggerDlg::FilterKey(int key) {
    static const std::map<int, LogViewKey> kScrollKeys = {
        {Qt::Key_Up, LogViewKey::Up},         {Qt::Key_Down, LogViewKey::Down},
        {Qt::Key_PageUp, LogViewKey::PageUp}, {Qt::Key_PageDown, LogViewKey::PageDown},
        {Qt::Key_Home, LogViewKey::Home},     {Qt::Key_End, LogViewKey::End}};
    static const std::map<int, Dialog> kDialogKeys = {{Qt::Key_F3, Dialog::Colors},
                                                      {Qt::Key_F4, Dialog::Personal},
                                                      {Qt::Key_F5, Dialog::ContestSetup},
                                                      {Qt::Key_F6, Dialog::Files},
                                                      {Qt::Key_F7, Dialog::Configuration},
                                                      {Qt::Key_F8, Dialog::AfterContest}};
    if (key == Qt::Key_Escape) return KeyUse::UsedUp;
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        SaveContact();
        return KeyUse::UsedUp;
    }
    if (const auto scroll = kScrollKeys.find(key); scroll != kScrollKeys.end()) {
        ScrollLogView(scroll->second);
    } else if (const auto dialog = kDialogKeys.find(key); dialog != kDialogKeys.end()) {
        OpenDialog(dialog->second);
    } else if (key == Qt::Key_F1) {
        OpenManual();
    } else if (key == Qt::Key_F2) {
        ReloadContestLog();
    } else {
        return KeyUse::NotACommand;
    }
    return KeyUse::AlsoProcessed;
}

// Keys typed in an entry field. Home and End also move its caret; the other commands mean nothing to a
// field, and are kept from going on to the window, which would run them a second time.
bool CLoggerDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    const KeyUse use = FilterKey(key);
    if (use == KeyUse::NotACommand) return QWidget::eventFilter(watched, event);
    return use == KeyUse::UsedUp || (key != Qt::Key_Home && key != Qt::Key_End);
}

// Keys that reach the window while no entry field has the focus.
void CLoggerDlg::keyPressEvent(QKeyEvent* event) {
    if (FilterKey(event->key()) == KeyUse::NotACommand) QWidget::keyPressEvent(event);
}

// The manual of the program folder comes first, so that an operator's own copy wins; otherwise the one
// shipped beside the program (share/tallyhawk/manual/).
void CLoggerDlg::OpenManual() {
    const QString inFolder = ToQString(m_session.Folder().Path("docs/manual/index.html").string());
    const QString shipped = ToQString(
        (ShippedDataFolder(QCoreApplication::applicationFilePath().toStdString()) / "manual/index.html")
            .string());
    for (const QString& manual : {inFolder, shipped}) {
        if (QFileInfo::exists(manual) && QDesktopServices::openUrl(QUrl::fromLocalFile(manual))) return;
    }
    QMessageBox::information(
        this, tr("User manual"),
        tr("The user manual is not there: %1 and %2 are missing or no browser opens them.")
            .arg(inFolder, shipped));
}

}  // namespace tallyhawk
