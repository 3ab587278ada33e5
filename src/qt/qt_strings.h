#pragma once
// UTF-8 text between the program and Qt.

#include <QString>

#include <string>
#include <string_view>

namespace cal::qtui {

inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string toStdString(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return std::string(utf8.constData(), static_cast<std::size_t>(utf8.size()));
}

}  // namespace cal::qtui
