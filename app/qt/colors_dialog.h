// CColorsDialog: the thirteen colours as swatches that open the colour chooser, and the grid style.
// OK stores them; Reset shows the reset defaults.
#pragma once

#include <QComboBox>
#include <QDialog>
#include <QFormLayout>
#include <QPushButton>
#include <array>

#include "app/qt/skin.h"
#include "app/session/settings_dialogs.h"

namespace tallyhawk {

class CColorsDialog : public CSkinDialog {
    Q_OBJECT
public:
    explicit CColorsDialog(SettingsBackend& store, QWidget* parent = nullptr);

protected:
    void changeEvent(QEvent* event) override;

private:
    void Retranslate();
    void Show(const ColorsDialogValues& values);
    void Choose(std::size_t index);

    SettingsBackend& m_store;
    QFormLayout* m_form = nullptr;
    ColorsDialogValues m_values{};
    std::array<QPushButton*, kGridStyleIndex> m_swatches{};
    QComboBox* m_gridStyle = nullptr;
};

}  // namespace tallyhawk
