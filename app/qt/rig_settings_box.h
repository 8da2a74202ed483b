// CRigSettingsBox: the radio's part of the configuration dialog: rig control on or off, Hamlib's
// model number, the port and the serial speed.
#pragma once

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>

#include "app/session/rig_settings.h"

namespace tallyhawk {

class CRigSettingsBox : public QGroupBox {
    Q_OBJECT
public:
    explicit CRigSettingsBox(const RigSettings& values, QWidget* parent = nullptr);

    RigSettings Values() const;

protected:
    void changeEvent(QEvent* event) override;

private:
    void Retranslate();

    QFormLayout* m_form = nullptr;
    QCheckBox* m_enabled = nullptr;
    QLineEdit* m_model = nullptr;
    QLineEdit* m_port = nullptr;
    QLineEdit* m_speed = nullptr;
};

}  // namespace tallyhawk
