// CPersonalDialog: the personal data dialog.
#include "app/qt/personal_dialog.h"

#include <QVBoxLayout>

#include "app/qt/dialog_parts.h"
#include "app/qt/qt_conversions.h"

namespace tallyhawk {
namespace {

// The four address lines and their three "*" fit the stored address.
std::size_t AddressLineLimit() { return (SettingTextLimit(setting::kAddress) - 3) / 4; }

}  // namespace

CPersonalDialog::CPersonalDialog(SettingsBackend& store, QWidget* parent) : QDialog(parent), m_store(store) {
    setWindowTitle(QStringLiteral("Personal"));
    const PersonalDialogValues values = OpenPersonalDialog(m_store);
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    m_callsign =
        AddField(*form, QStringLiteral("Callsign"), values.callsign, SettingTextLimit(setting::kCallsign));
    m_name = AddField(*form, QStringLiteral("Name"), values.name, SettingTextLimit(setting::kName));
    m_club = AddField(*form, QStringLiteral("Club"), values.club, SettingTextLimit(setting::kClub));
    for (std::size_t line = 0; line < m_address.size(); ++line) {
        m_address[line] = AddField(*form, QStringLiteral("Address %1").arg(line + 1), values.address[line],
                                   AddressLineLimit());
    }
    m_cqZone = AddField(*form, QStringLiteral("CQ zone"), values.cqZone, SettingTextLimit(setting::kCqZone),
                        Characters::Digits);
    m_continent =
        AddField(*form, QStringLiteral("Continent"), values.continent, SettingTextLimit(setting::kContinent));
    for (QLineEdit* upper : {m_callsign, m_continent}) {
        connect(upper, &QLineEdit::textEdited, upper,
                [upper](const QString& text) { upper->setText(text.toUpper()); });
    }
    layout->addLayout(form);
    connect(AddButtons(*this, *layout, true), &QDialogButtonBox::accepted, this, &CPersonalDialog::Accept);
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
