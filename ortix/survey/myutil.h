#pragma once

// Splitting delimited lines and padding report columns. Texts are single-byte; a length is a
// count of characters. Nothing here trims spaces or changes case.

#include <string>
#include <string_view>

namespace ortix {

// Takes the first field off a delimited line.
// With the delimiter found at position p: returns the text before it and leaves in `line` the
// text after it. Without it: returns the whole line and leaves `line` unchanged, so further calls
// repeat the last field: 'A,1,2' read six times gives A, 1, 2, 2, 2, 2. 'A,,B' gives an empty
// middle field. An empty delimiter is never found.
std::string TakeField(std::string& line, std::string_view delimiter);
// The same on a view, for readers that parse a file buffer without copying it.
std::string_view TakeField(std::string_view& line, std::string_view delimiter);

// Appends (PadRight) or prepends (PadLeft) the fill while the text is shorter than width; never
// shortens: PadLeft("1.25", 10, " ") = six spaces + "1.25"; an 11-character text comes back
// unchanged. Throws std::invalid_argument for an empty fill.
std::string PadRight(std::string_view text, int width, std::string_view fill);
std::string PadLeft(std::string_view text, int width, std::string_view fill);

}  // namespace ortix
