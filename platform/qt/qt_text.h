#pragma once
// Crossing between the program's Windows-1252 text and Qt's Unicode.
#include <QString>
#include <string>
#include <string_view>

namespace plix {

QString toQt(std::string_view cp1252);
std::string fromQt(const QString& text);

}  // namespace plix
