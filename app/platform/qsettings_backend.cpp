// The settings store on QSettings.
#include "app/platform/qsettings_backend.h"

#include "core/text.h"

namespace tallyhawk {
namespace {

QString Key(std::string_view group, std::string_view name) {
    return QString::fromUtf8(group.data(), static_cast<qsizetype>(group.size())) + "/" +
           QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace

QSettingsBackend::QSettingsBackend(const std::string& iniFile) {
    if (iniFile.empty()) {
        m_settings = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, "Tallyhawk");
    } else {
        m_settings = std::make_unique<QSettings>(QString::fromStdString(iniFile), QSettings::IniFormat);
    }
}

bool QSettingsBackend::GroupExists(std::string_view group) const {
    return m_settings->childGroups().contains(
        QString::fromUtf8(group.data(), static_cast<qsizetype>(group.size())));
}

std::optional<std::string> QSettingsBackend::ReadString(std::string_view group, std::string_view name) const {
    const QVariant value = m_settings->value(Key(group, name));
    if (!value.isValid()) return std::nullopt;
    return value.toString().toStdString();
}

std::optional<std::int32_t> QSettingsBackend::ReadInt(std::string_view group, std::string_view name) const {
    const auto text = ReadString(group, name);
    if (!text) return std::nullopt;
    return ParseInt(TrimBlanks(*text));
}

void QSettingsBackend::WriteString(std::string_view group, std::string_view name, std::string_view value) {
    m_settings->setValue(Key(group, name),
                         QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size())));
}

void QSettingsBackend::WriteInt(std::string_view group, std::string_view name, std::int32_t value) {
    m_settings->setValue(Key(group, name), value);
}

bool QSettingsBackend::Sync() {
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}

}  // namespace tallyhawk
