// CContestDialog: contest, band, mode, date and the current-time mark. OK stores them and leaves the
// settings message for the main window in Message().
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFormLayout>
#include <QLineEdit>

#include "app/qt/skin.h"
#include "app/session/settings_dialogs.h"

namespace tallyhawk {

class CContestDialog : public CSkinDialog {
    Q_OBJECT
public:
    CContestDialog(SettingsBackend& store, Clock clock, QWidget* parent = nullptr);

    const std::string& Message() const { return m_message; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void Retranslate();
    ContestDialogValues Values() const;
    void ShowDate(const ContestDialogValues& values);
    void Accept();

    SettingsBackend& m_store;
    Clock m_clock;
    QFormLayout* m_form = nullptr;
    QComboBox* m_contest = nullptr;
    QComboBox* m_band = nullptr;
    QComboBox* m_mode = nullptr;
    QLineEdit* m_year = nullptr;
    QLineEdit* m_month = nullptr;
    QLineEdit* m_day = nullptr;
    QCheckBox* m_currentTime = nullptr;
    std::string m_message;
};

}  // namespace tallyhawk
