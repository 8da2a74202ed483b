// CConfigurationDialog: callbook, transmitter id, time shift, window options and language. OK stores
// them and leaves the settings message for the main window in Message().
#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QFormLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <array>

#include "app/qt/skin.h"
#include "app/session/settings_dialogs.h"

namespace tallyhawk {

class CConfigurationDialog : public CSkinDialog {
    Q_OBJECT
public:
    CConfigurationDialog(SettingsBackend& store, const ClockReading& now, QWidget* parent = nullptr);

    const std::string& Message() const { return m_message; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void Retranslate();
    void Accept();

    SettingsBackend& m_store;
    QFormLayout* m_form = nullptr;
    QWidget* m_callbooks = nullptr;
    QLineEdit* m_disk = nullptr;
    QLineEdit* m_transmitterId = nullptr;
    QLineEdit* m_shiftSign = nullptr;
    QLineEdit* m_shiftHours = nullptr;
    QLineEdit* m_shiftMinutes = nullptr;
    std::array<QRadioButton*, 3> m_callbook{};  // rac, qrz, none
    QCheckBox* m_checkOnStart = nullptr;
    QCheckBox* m_onTop = nullptr;
    QCheckBox* m_hideToTray = nullptr;
    QCheckBox* m_russian = nullptr;
    std::string m_message;
};

}  // namespace tallyhawk
