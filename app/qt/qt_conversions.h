// Texts and colours of the session in Qt's types: texts are UTF-8, colours are red in the lowest byte,
// then green, then blue.
#pragma once

#include <QColor>
#include <QString>
#include <cstdint>
#include <string>
#include <string_view>

namespace tallyhawk {

inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ToStdString(const QString& text) { return text.toStdString(); }

inline QColor ToQColor(std::int32_t value) {
    return QColor(value & 0xff, (value >> 8) & 0xff, (value >> 16) & 0xff);
}

// The window's own background ("skin colour").
inline const QColor kSkinColor{108, 130, 146};

}  // namespace tallyhawk
