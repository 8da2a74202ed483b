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

// The label of each field, in the order of the settings; the text is translated where it is shown.
const char* const kFieldLabels[] = {
    QT_TRANSLATE_NOOP("tallyhawk::CSubmissionDialog", "Category operator"),
    QT_TRANSLATE_NOOP("tallyhawk::CSubmissionDialog", "Category assisted"),
    QT_TRANSLATE_NOOP("tallyhawk::CSubmissionDialog", "Category band"),
    QT_TRANSLATE_NOOP("tallyhawk::CSubmissionDialog", "Category mode"),
    QT_TRANSLATE_NOOP("tallyhawk::CSubmissionDialog", "Category power"),
    QT_TRANSLATE_NOOP("tallyhawk::CSubmissionDialog", "Category station"),
    QT_TRANSLATE_NOOP("tallyhawk::CSubmissionDialog", "Category transmitter"),
    QT_TRANSLATE_NOOP("tallyhawk::CSubmissionDialog", "Email"),
    QT_TRANSLATE_NOOP("tallyhawk::CSubmissionDialog", "Grid locator"),
    QT_TRANSLATE_NOOP("tallyhawk::CSubmissionDialog", "Location"),
    QT_TRANSLATE_NOOP("tallyhawk::CSubmissionDialog", "Operators"),
    QT_TRANSLATE_NOOP("tallyhawk::CSubmissionDialog", "Soapbox"),
    QT_TRANSLATE_NOOP("tallyhawk::CSubmissionDialog", "Cabrillo contest"),
    QT_TRANSLATE_NOOP("tallyhawk::CSubmissionDialog", "Contest period"),
};
static_assert(std::size(kFieldLabels) == std::size(kSubmissionSettingFields));

// The field is named by its English label whatever the language; the label shows the translation.
QWidget* AddSettingField(QFormLayout& form, const char* label, SettingName name, const std::string& value) {
    const SettingDefinition& definition = name.Definition();
    QWidget* field = nullptr;
    if (!definition.allowedValues.empty()) {
        QStringList items{QString()};  // empty: the default
        items += ToQString(definition.allowedValues).split(QChar(' '), Qt::SkipEmptyParts);
        field = AddChoice(form, QString::fromLatin1(label), items, value);
    } else {
        field = AddField(form, QString::fromLatin1(label), value, SettingTextLimit(name));
    }
    SetLabel(form, field, CSubmissionDialog::tr(label));
    return field;
}

// The period the check uses while the field is empty, shown whole.
void ShowDefaultPeriod(QLineEdit& period, const QString& defaultPeriod) {
    period.setPlaceholderText(defaultPeriod);
    // Two wide letters more make room for the field's frame and inner margins.
    period.setMinimumWidth(period.fontMetrics().horizontalAdvance(defaultPeriod + QStringLiteral("MM")));
}

std::string ValueOf(const QWidget* field) {
    if (const auto* choice = qobject_cast<const QComboBox*>(field)) return TextOf(*choice);
    return TextOf(*qobject_cast<const QLineEdit*>(field));
}

}  // namespace

CSubmissionDialog::CSubmissionDialog(SettingsBackend& store, const QString& defaultPeriod, QWidget* parent)
    : QDialog(parent), m_store(store) {
    setWindowTitle(tr("Log for the sponsor"));
    const SubmissionSettings settings = LoadSubmissionSettings(m_store);
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    for (std::size_t i = 0; i < std::size(kSubmissionSettingFields); ++i) {
        const auto& [name, field] = kSubmissionSettingFields[i];
        m_fields.push_back(AddSettingField(*form, kFieldLabels[i], name, settings.*field));
    }
    if (auto* period = qobject_cast<QLineEdit*>(m_fields.back())) ShowDefaultPeriod(*period, defaultPeriod);
    layout->addLayout(form);
    m_refusal = new QLabel;
    layout->addWidget(m_refusal);
    connect(AddButtons(*this, *layout, true), &QDialogButtonBox::accepted, this, &CSubmissionDialog::Accept);
}

void CSubmissionDialog::Accept() {
    SubmissionSettings settings;
    for (std::size_t i = 0; i < m_fields.size(); ++i) settings.*kSubmissionSettingFields[i].field = ValueOf(m_fields[i]);
    if (StoreSubmissionSettings(m_store, settings)) return accept();
    m_refusal->setText(tr("A value is not allowed: the contest period is "
                          "\"YYYY-MM-DD HHMM YYYY-MM-DD HHMM\", start and the first minute after the end."));
}

}  // namespace tallyhawk
