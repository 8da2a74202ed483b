// CRigSettingsBox: the radio's settings in the configuration dialog.
#include "app/qt/rig_settings_box.h"

#include <QFormLayout>

#include "app/qt/dialog_parts.h"
#include "app/session/settings_dialogs.h"

namespace tallyhawk {
namespace {

constexpr std::size_t kModelDigits = 5;
constexpr std::size_t kSpeedDigits = 6;

int NumberOf(const QLineEdit& field) { return field.text().trimmed().toInt(); }

}  // namespace

CRigSettingsBox::CRigSettingsBox(const RigSettings& values, QWidget* parent)
    : QGroupBox(QStringLiteral("Radio (Hamlib)"), parent) {
    auto* form = new QFormLayout(this);
    m_enabled = new QCheckBox(QStringLiteral("Follow the radio"));
    m_enabled->setObjectName(m_enabled->text());
    m_enabled->setChecked(values.enabled);
    form->addRow(m_enabled);
    m_model = AddField(*form, QStringLiteral("Rig model"), std::to_string(values.model), kModelDigits,
                       Characters::Digits);
    m_model->setToolTip(QStringLiteral("Hamlib's model number (rigctl -l lists them); 2 is NET rigctl"));
    m_port = AddField(*form, QStringLiteral("Rig port"), values.port, SettingTextLimit(setting::kRigPort));
    m_port->setToolTip(QStringLiteral("A serial device such as /dev/ttyUSB0, or host:port for NET rigctl"));
    m_speed = AddField(*form, QStringLiteral("Rig speed"), std::to_string(values.speed), kSpeedDigits,
                       Characters::Digits);
    m_speed->setToolTip(QStringLiteral("Serial speed in baud; 0 keeps the radio's default"));
}

RigSettings CRigSettingsBox::Values() const {
    return RigSettings{.enabled = m_enabled->isChecked(),
                       .model = NumberOf(*m_model),
                       .port = TextOf(*m_port),
                       .speed = NumberOf(*m_speed)};
}

}  // namespace tallyhawk
