#pragma once

// The boundary between core texts (Windows-1252 bytes) and Qt's Unicode strings.

#include <QString>

#include <string>
#include <string_view>

namespace platform::qt {

// Exact Windows-1252 to Unicode: every byte has its character.
QString ToQString(std::string_view cp1252);
// Unicode to Windows-1252: a character the code page lacks becomes '?'.
std::string FromQString(const QString& text);

// File-system names: the encoded bytes that open() takes, and back.
std::string PathFromQString(const QString& path);
QString PathToQString(const std::string& path);

}  // namespace platform::qt
