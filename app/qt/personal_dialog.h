// CPersonalDialog: the station profile. OK stores it; the dialog stays open until the call, the CQ zone
// and the continent are usable. The main window reads the profile at its next start.
#pragma once

#include <QDialog>
#include <QFormLayout>
#include <QLineEdit>
#include <array>

#include "app/qt/skin.h"
#include "app/session/settings_dialogs.h"

namespace tallyhawk {

class CPersonalDialog : public CSkinDialog {
    Q_OBJECT
public:
    explicit CPersonalDialog(SettingsBackend& store, QWidget* parent = nullptr);

protected:
    void changeEvent(QEvent* event) override;

private:
    void Retranslate();
    void Accept();

    SettingsBackend& m_store;
    QFormLayout* m_form = nullptr;
    QLineEdit* m_callsign = nullptr;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_club = nullptr;
    std::array<QLineEdit*, 4> m_address{};
    QLineEdit* m_cqZone = nullptr;
    QLineEdit* m_continent = nullptr;
};

}  // namespace tallyhawk
