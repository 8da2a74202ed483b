// CConfigurationDialog: the configuration dialog.
#include "app/qt/configuration_dialog.h"

#include <QEvent>
#include <QLabel>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "app/qt/dialog_parts.h"
#include "app/qt/qt_conversions.h"

namespace tallyhawk {
namespace {

QCheckBox* AddMark(QFormLayout& form, const QString& name, bool on) {
    auto* mark = new QCheckBox;
    mark->setObjectName(name);
    mark->setChecked(on);
    form.addRow(mark);
    return mark;
}

}  // namespace

CConfigurationDialog::CConfigurationDialog(SettingsBackend& store, const ClockReading& now, QWidget* parent)
    : CSkinDialog(parent), m_store(store) {
    const ConfigurationDialogValues values = OpenConfigurationDialog(m_store, now);
    auto* layout = new QVBoxLayout(this);
    m_form = new QFormLayout;
    m_disk = AddField(*m_form, QStringLiteral("Callbook disc drive"), values.disk, 1);
    m_transmitterId =
        AddField(*m_form, QStringLiteral("Transmitter id"), values.transmitterId, 1, Characters::Digits);
    m_shiftSign = AddField(*m_form, QStringLiteral("Time shift sign"), values.shiftSign, 1);
    m_shiftHours =
        AddField(*m_form, QStringLiteral("Time shift hours"), values.shiftHours, 2, Characters::Digits);
    m_shiftMinutes =
        AddField(*m_form, QStringLiteral("Time shift minutes"), values.shiftMinutes, 2, Characters::Digits);
    m_callbooks = new QWidget;
    auto* callbooks = new QHBoxLayout(m_callbooks);
    callbooks->setContentsMargins(0, 0, 0, 0);
    const std::array<std::pair<const char*, CallbookChoice>, 3> choices = {
        {{"rac", CallbookChoice::Rac}, {"qrz", CallbookChoice::Qrz}, {"none", CallbookChoice::None}}};
    for (std::size_t i = 0; i < choices.size(); ++i) {
        m_callbook[i] = new QRadioButton;
        m_callbook[i]->setObjectName(QString::fromLatin1(choices[i].first));
        m_callbook[i]->setChecked(values.callbook == choices[i].second);
        callbooks->addWidget(m_callbook[i]);
    }
    m_form->addRow(new QLabel, m_callbooks);
    m_checkOnStart = AddMark(*m_form, QStringLiteral("Check configuration at start"), values.checkOnStart);
    m_onTop = AddMark(*m_form, QStringLiteral("Window on top"), values.onTop);
    m_hideToTray = AddMark(*m_form, QStringLiteral("Hide to tray"), values.hideToTray);
    m_russian = AddMark(*m_form, QStringLiteral("Russian"), values.russian);
    layout->addLayout(m_form);
    connect(AddButtons(*this, *layout, false), &QDialogButtonBox::accepted, this,
            &CConfigurationDialog::Accept);
    Retranslate();
}

void CConfigurationDialog::Retranslate() {
    setWindowTitle(tr("Settings"));
    SetLabel(*m_form, m_disk, tr("Callbook disc drive"));
    SetLabel(*m_form, m_transmitterId, tr("Transmitter id"));
    SetLabel(*m_form, m_shiftSign, tr("Time shift sign (+ or -)"));
    SetLabel(*m_form, m_shiftHours, tr("Time shift hours"));
    SetLabel(*m_form, m_shiftMinutes, tr("Time shift minutes"));
    SetLabel(*m_form, m_callbooks, tr("Callbook"));
    // The callbooks are named after their CD-ROMs.
    m_callbook[0]->setText(QStringLiteral("RAC"));
    m_callbook[1]->setText(QStringLiteral("QRZ"));
    m_callbook[2]->setText(tr("none"));
    m_checkOnStart->setText(tr("Check configuration at start"));
    m_onTop->setText(tr("Window on top"));
    m_hideToTray->setText(tr("Hide to tray"));
    m_russian->setText(tr("Russian"));
}

void CConfigurationDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) Retranslate();
    QDialog::changeEvent(event);
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
    m_message = ApplyConfigurationDialog(m_store, values);
    accept();
}

}  // namespace tallyhawk
