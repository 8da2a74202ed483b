// CPersonalDialog: the personal data dialog.
#include "app/qt/personal_dialog.h"

#include <QEvent>
#include <QVBoxLayout>

#include "app/qt/dialog_parts.h"
#include "app/qt/qt_conversions.h"

namespace tallyhawk {
namespace {

// The four address lines and their three "*" fit the stored address.
std::size_t AddressLineLimit() { return (SettingTextLimit(setting::kAddress) - 3) / 4; }

}  // namespace

CPersonalDialog::CPersonalDialog(SettingsBackend& store, QWidget* parent) : CSkinDialog(parent), m_store(store) {
    const PersonalDialogValues values = OpenPersonalDialog(m_store);
    auto* layout = new QVBoxLayout(this);
    m_form = new QFormLayout;
    m_callsign =
        AddField(*m_form, QStringLiteral("Callsign"), values.callsign, SettingTextLimit(setting::kCallsign));
    m_name = AddField(*m_form, QStringLiteral("Name"), values.name, SettingTextLimit(setting::kName));
    m_club = AddField(*m_form, QStringLiteral("Club"), values.club, SettingTextLimit(setting::kClub));
    for (std::size_t line = 0; line < m_address.size(); ++line) {
        m_address[line] = AddField(*m_form, QStringLiteral("Address %1").arg(line + 1), values.address[line],
                                   AddressLineLimit());
    }
    m_cqZone = AddField(*m_form, QStringLiteral("CQ zone"), values.cqZone, SettingTextLimit(setting::kCqZone),
                        Characters::Digits);
    m_continent =
        AddField(*m_form, QStringLiteral("Continent"), values.continent, SettingTextLimit(setting::kContinent));
    for (QLineEdit* upper : {m_callsign, m_continent}) {
        connect(upper, &QLineEdit::textEdited, upper,
                [upper](const QString& text) { upper->setText(text.toUpper()); });
    }
    layout->addLayout(m_form);
    connect(AddButtons(*this, *layout, true), &QDialogButtonBox::accepted, this, &CPersonalDialog::Accept);
    Retranslate();
}

void CPersonalDialog::Retranslate() {
    setWindowTitle(tr("Personal"));
    SetLabel(*m_form, m_callsign, tr("Callsign"));
    SetLabel(*m_form, m_name, tr("Name"));
    SetLabel(*m_form, m_club, tr("Club"));
    for (std::size_t line = 0; line < m_address.size(); ++line)
        SetLabel(*m_form, m_address[line], tr("Address %1").arg(line + 1));
    SetLabel(*m_form, m_cqZone, tr("CQ zone"));
    SetLabel(*m_form, m_continent, tr("Continent"));
}

void CPersonalDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) Retranslate();
    QDialog::changeEvent(event);
}

void CPersonalDialog::Accept() {
    PersonalDialogValues values{TextOf(*m_callsign), TextOf(*m_name),     TextOf(*m_club), {},
                                TextOf(*m_cqZone),   TextOf(*m_continent)};
    for (std::size_t line = 0; line < m_address.size(); ++line)
        values.address[line] = TextOf(*m_address[line]);
    const bool complete = ApplyPersonalDialog(m_store, values);
    m_cqZone->setText(ToQString(values.cqZone));
    m_continent->setText(ToQString(values.continent));
    if (complete) return accept();
    m_callsign->setFocus();
}

}  // namespace tallyhawk
