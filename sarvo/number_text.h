#pragma once

// The number texts of Sarvo's element boxes: which box counts as filled, the number a box
// holds, and the general rendering the solver writes back into a box. (The results use the
// patterns of platform::FloatFormat.)
//
// None of these follows the process locale: '.' is the only decimal separator they read or
// write, so a box never receives a ','.

#include <string>
#include <string_view>

namespace sarvo {

// The text without its leading and trailing blanks (spaces and tabs): "  12.5 " -> "12.5".
std::string_view TrimBlanks(std::string_view text);

// True when the text, without its surrounding blanks, is exactly one finite number: an optional
// sign, digits with an optional '.', an optional exponent ("12", "-3", "12.5", ".5", "1E+15").
// Empty and blank texts, "12abc", "12,5" and "1e400" (beyond a double) are not numeric.
bool IsNumericText(std::string_view text);

// The number a text begins with. Spaces, tabs and line feeds are skipped wherever they stand;
// then an optional sign, digits with one optional '.', and an optional exponent ('e' or 'E',
// optional sign, digits) are read up to the first character that cannot continue the number.
// A text that does not begin with a number gives 0.
// "12abc" -> 12, " 1 2.5" -> 12.5, "1.2.3" -> 1.2, "1e" -> 1, " 1E+15" -> 1e15, "abc" -> 0.
// A magnitude beyond a double gives an infinity of its sign ("1e400"), one below the smallest
// double gives 0 ("1e-400"); nothing throws.
double LeadingNumber(std::string_view text);

// The general decimal rendering of a double: its value rounded to 15 significant digits,
// trailing zeros of the fraction dropped, a leading blank when the number is not negative, '-'
// when it is. Fixed point for decimal exponents from -4 to 14, exponent form beyond them
// (mantissa, "E", sign, at least two digits).
// 100 -> " 100", 40.96655293982668 -> " 40.9665529398267", -2.5 -> "-2.5", 0.5 -> " 0.5",
// 1e15 -> " 1E+15", 0.00001 -> " 1E-05", -0.0 -> " 0".
// Throws platform::ArithmeticError for a NaN or an infinity: no non-finite value is ever shown.
std::string GeneralNumberText(double value);

}  // namespace sarvo
