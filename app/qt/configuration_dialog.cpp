// CConfigurationDialog: the configuration dialog.
#include "app/qt/configuration_dialog.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "app/qt/dialog_parts.h"
#include "app/qt/qt_conversions.h"

namespace tallyhawk {
namespace {

QCheckBox* AddMark(QFormLayout& form, const QString& text, bool on) {
    auto* mark = new QCheckBox(text);
    mark->setObjectName(text);
    mark->setChecked(on);
    form.addRow(mark);
    return mark;
}

}  // namespace

CConfigurationDialog::CConfigurationDialog(SettingsBackend& store, const ClockReading& now, QWidget* parent)
    : QDialog(parent), m_store(store) {
    setWindowTitle(QStringLiteral("Settings"));
    const ConfigurationDialogValues values = OpenConfigurationDialog(m_store, now);
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    m_disk = AddField(*form, QStringLiteral("Callbook disc drive"), values.disk, 1);
    m_transmitterId =
        AddField(*form, QStringLiteral("Transmitter id"), values.transmitterId, 1, Characters::Digits);
    m_shiftSign = AddField(*form, QStringLiteral("Time shift sign (+ or -)"), values.shiftSign, 1);
    m_shiftHours =
        AddField(*form, QStringLiteral("Time shift hours"), values.shiftHours, 2, Characters::Digits);
    m_shiftMinutes =
        AddField(*form, QStringLiteral("Time shift minutes"), values.shiftMinutes, 2, Characters::Digits);
    auto* callbooks = new QHBoxLayout;
    const std::array<std::pair<const char*, CallbookChoice>, 3> choices = {
        {{"rac", CallbookChoice::Rac}, {"qrz", CallbookChoice::Qrz}, {"none", CallbookChoice::None}}};
    for (std::size_t i = 0; i < choices.size(); ++i) {
        m_callbook[i] = new QRadioButton(QString::fromLatin1(choices[i].first));
        m_callbook[i]->setChecked(values.callbook == choices[i].second);
        callbooks->addWidget(m_callbook[i]);
    }
    form->addRow(QStringLiteral("Callbook"), callbooks);
    m_checkOnStart = AddMark(*form, QStringLiteral("Check configuration at start"), values.checkOnStart);
    m_onTop = AddMark(*form, QStringLiteral("Window on top"), values.onTop);
    m_hideToTray = AddMark(*form, QStringLiteral("Hide to tray"), values.hideToTray);
    m_russian = AddMark(*form, QStringLiteral("Russian"), values.russian);
    layout->addLayout(form);
    m_rig = new CRigSettingsBox(values.rig);
    layout->addWidget(m_rig);
    connect(AddButtons(*this, *layout, false), &QDialogButtonBox::accepted, this,
            &CConfigurationDialog::Accept);
}

void CConfigurationDialog::Accept() {
    ConfigurationDialogValues values{TextOf(*m_disk), TextOf(*m_transmitterId), TextOf(*m_shiftSign),
                                     TextOf(*m_shiftHours), TextOf(*m_shiftMinutes)};
    values.callbook = m_callbook[0]->isChecked()   ? CallbookChoice::Rac
                      : m_callbook[1]->isChecked() ? CallbookChoice::Qrz
                                                   : CallbookChoice::None;
    values.checkOnStart = m_checkOnStart->isChecked();
    values.onTop = m_onTop->isChecked();
    values.hideToTray = m_hideToTray->isChecked();
    values.russian = m_russian->isChecked();
    values.rig = m_rig->Values();
    m_message = ApplyConfigurationDialog(m_store, values);
    accept();
}

}  // namespace tallyhawk
