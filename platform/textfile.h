#pragma once

// Text files as the system reads and writes them: bytes in the single-byte code page, lines ended
// by CR LF on writing, CR LF, LF or CR accepted on reading.

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The whole file as bytes. Throws FileError "Cannot open file %s".
std::string ReadFileBytes(const std::string& path);

// Splits a text into lines on CR LF, LF or CR. A last line without a line end is a line; a single
// line end at the very end adds nothing, two add one empty line; an empty text has no line.
// "a\r\nb" -> {"a", "b"}; "a\n\n" -> {"a", ""}; "a\rb\r\n" -> {"a", "b"}.
// The views point into the text.
std::vector<std::string_view> SplitLineViews(std::string_view text);
std::vector<std::string> SplitLines(std::string_view text);

// ReadFileBytes then SplitLines.
std::vector<std::string> ReadLines(const std::string& path);

// Replaces the file's content by the bytes, atomically: they go to a temporary file in the same
// folder, which then takes the file's place. When anything fails the old file is left as it was
// and FileError "Cannot create file %s" is thrown. An existing file keeps its permissions.
void WriteFileAtomic(const std::string& path, std::string_view bytes);

// Every line followed by CR LF, the last one included.
std::string JoinLinesCrLf(const std::vector<std::string>& lines);

// JoinLinesCrLf then WriteFileAtomic.
void WriteLines(const std::string& path, const std::vector<std::string>& lines);

}  // namespace platform
