// CRigSettingsBox: the radio's settings in the configuration dialog.
#include "app/qt/rig_settings_box.h"

#include <QEvent>

#include "app/qt/dialog_parts.h"
#include "app/session/settings_dialogs.h"

namespace tallyhawk {
namespace {

constexpr std::size_t kModelDigits = 5;
constexpr std::size_t kSpeedDigits = 6;

int NumberOf(const QLineEdit& field) { return field.text().trimmed().toInt(); }

}  // namespace

CRigSettingsBox::CRigSettingsBox(const RigSettings& values, QWidget* parent) : QGroupBox(parent) {
    m_form = new QFormLayout(this);
    m_enabled = new QCheckBox;
    m_enabled->setObjectName(QStringLiteral("Follow the radio"));
    m_enabled->setChecked(values.enabled);
    m_form->addRow(m_enabled);
    m_model = AddField(*m_form, QStringLiteral("Rig model"), std::to_string(values.model), kModelDigits,
                       Characters::Digits);
    m_port = AddField(*m_form, QStringLiteral("Rig port"), values.port, SettingTextLimit(setting::kRigPort));
    m_speed = AddField(*m_form, QStringLiteral("Rig speed"), std::to_string(values.speed), kSpeedDigits,
                       Characters::Digits);
    Retranslate();
}

void CRigSettingsBox::Retranslate() {
    setTitle(tr("Radio (Hamlib)"));
    m_enabled->setText(tr("Follow the radio"));
    SetLabel(*m_form, m_model, tr("Rig model"));
    SetLabel(*m_form, m_port, tr("Rig port"));
    SetLabel(*m_form, m_speed, tr("Rig speed"));
    m_model->setToolTip(tr("Hamlib's model number (rigctl -l lists them); 2 is NET rigctl"));
    m_port->setToolTip(tr("A serial device such as /dev/ttyUSB0, or host:port for NET rigctl"));
    m_speed->setToolTip(tr("Serial speed in baud; 0 keeps the radio's default"));
}

void CRigSettingsBox::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) Retranslate();
    QGroupBox::changeEvent(event);
}

RigSettings CRigSettingsBox::Values() const {
    return RigSettings{.enabled = m_enabled->isChecked(),
                       .model = NumberOf(*m_model),
                       .port = TextOf(*m_port),
                       .speed = NumberOf(*m_speed)};
}

}  // namespace tallyhawk
