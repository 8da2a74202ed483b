// CSubmissionDialog: the settings of the log sent in after the contest.
#include "app/qt/submission_dialog.h"

#include <QComboBox>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/qt/dialog_parts.h"
#include "app/qt/qt_conversions.h"
#include "app/session/settings_dialogs.h"
#include "app/session/settings_store.h"
#include "app/session/submission_settings.h"

namespace tallyhawk {
namespace {

// "CategoryPower" is shown as "Category power".
QString LabelOf(std::string_view name) {
    QString label;
    for (char c : name) {
        if (c >= 'A' && c <= 'Z' && !label.isEmpty()) {
            label += QChar(' ');
            label += QChar(c - 'A' + 'a');
        } else {
            label += QChar(c);
        }
    }
    return label;
}

QWidget* AddSettingField(QFormLayout& form, SettingName name, const std::string& value) {
    const SettingDefinition& definition = name.Definition();
    if (!definition.allowedValues.empty()) {
        QStringList items{QString()};  // empty: the default
        items += ToQString(definition.allowedValues).split(QChar(' '), Qt::SkipEmptyParts);
        return AddChoice(form, LabelOf(name), items, value);
    }
    return AddField(form, LabelOf(name), value, SettingTextLimit(name));
}

std::string ValueOf(const QWidget* field) {
    if (const auto* choice = qobject_cast<const QComboBox*>(field)) return TextOf(*choice);
    return TextOf(*qobject_cast<const QLineEdit*>(field));
}

}  // namespace

CSubmissionDialog::CSubmissionDialog(SettingsBackend& store, const QString& defaultPeriod, QWidget* parent)
    : QDialog(parent), m_store(store) {
    setWindowTitle(QStringLiteral("Log for the sponsor"));
    const SubmissionSettings settings = LoadSubmissionSettings(m_store);
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    for (const auto& [name, field] : kSubmissionSettingFields) m_fields.push_back(AddSettingField(*form, name, settings.*field));
    if (auto* period = qobject_cast<QLineEdit*>(m_fields.back())) period->setPlaceholderText(defaultPeriod);
    layout->addLayout(form);
    m_refusal = new QLabel;
    layout->addWidget(m_refusal);
    connect(AddButtons(*this, *layout, true), &QDialogButtonBox::accepted, this, &CSubmissionDialog::Accept);
}

void CSubmissionDialog::Accept() {
    SubmissionSettings settings;
    for (std::size_t i = 0; i < m_fields.size(); ++i) settings.*kSubmissionSettingFields[i].field = ValueOf(m_fields[i]);
    if (StoreSubmissionSettings(m_store, settings)) return accept();
    m_refusal->setText(QStringLiteral("A value is not allowed: the contest period is "
                                      "\"YYYY-MM-DD HHMM YYYY-MM-DD HHMM\", start and the first minute after the end."));
}

}  // namespace tallyhawk
