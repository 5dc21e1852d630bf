#pragma once

// The single-byte code page of the files and of every core text: Windows-1252.
//
// Core texts are std::string holding Windows-1252 bytes exactly as the files hold them, so one
// byte is one character (padding aligns, files round-trip untouched). Conversion to Unicode
// happens only at the boundary to the windows and to the terminal.

#include <string>
#include <string_view>

namespace platform {

// The Unicode code point of a Windows-1252 byte. The five bytes the code page leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control of the same value, so every byte
// round-trips.
char32_t Cp1252ToUnicode(unsigned char byte);

// The Windows-1252 byte of a code point, or '?' when the code page has none.
char UnicodeToCp1252(char32_t codePoint);

// Whole texts to and from UTF-8 (for terminals and file names). Malformed UTF-8 sequences
// become '?'.
std::string Cp1252ToUtf8(std::string_view text);
std::string Utf8ToCp1252(std::string_view utf8);

}  // namespace platform
