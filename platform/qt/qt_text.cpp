#include "platform/qt/qt_text.h"

#include "text/cp1252.h"

namespace plix {

QString toQt(std::string_view cp1252) {
    QString out;
    out.reserve(static_cast<qsizetype>(cp1252.size()));
    for (char c : cp1252) out += QChar(static_cast<char16_t>(cp1252ToUnicode(static_cast<unsigned char>(c))));
    return out;
}

std::string fromQt(const QString& text) {
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar c : text) out += unicodeToCp1252(c.unicode());
    return out;
}

}  // namespace plix
