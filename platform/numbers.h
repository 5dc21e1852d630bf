#pragma once

// Locale-free conversion between number texts and doubles.
//
// Texts always use '.' as the decimal separator and never group thousands, whatever the
// process locale says: files written on one machine must read back on any other.

#include <string>
#include <string_view>

namespace platform {

// Strict text to double.
// Accepts surrounding blanks (space, tab), an optional sign, digits with an optional '.', and an
// optional exponent: " 12.5 " -> 12.5, "-0" -> 0, "1e3" -> 1000, ".5" -> 0.5.
// Throws ConversionError ("'%s' is not a valid floating point value") for an empty or blank text,
// a decimal comma ("12,5"), any other character, or a value beyond the range of a double.
// A negative zero is returned as +0.
double StrToFloat(std::string_view text);

// As StrToFloat, but reports failure through the result instead of throwing.
bool TryStrToFloat(std::string_view text, double& value);

// Fixed-point formatting by a pattern of '0' (a digit always shown), '#' (a digit shown only when
// significant) and one '.': "0.0000", "0.000000", "######0.##0".
//
// The value is first rounded to 15 significant decimal digits, then half away from zero to the
// pattern's decimals, so 1.00005 gives "1.0001" with "0.0000" although its binary value lies just
// below the tie. At least as many integer digits as the pattern has '0's before the point, no
// grouping, and no minus sign on a value that rounds to zero ("-0.00004" -> "0.0000").
// Throws ArithmeticError (invalid operation) for a NaN or an infinity: no non-finite value is
// ever shown as a number.
class FloatFormat {
  public:
    // Throws std::invalid_argument for a pattern with any other character.
    explicit FloatFormat(std::string_view pattern);

    std::string operator()(double value) const;
    void AppendTo(std::string& out, double value) const;

    int MinIntegerDigits() const { return minInt_; }
    int MinDecimals() const { return minDec_; }
    int MaxDecimals() const { return maxDec_; }

  private:
    int minInt_ = 0;
    int minDec_ = 0;
    int maxDec_ = 0;
};

// One-off formatting: FormatFloat("0.0000", 2.5) -> "2.5000".
std::string FormatFloat(std::string_view pattern, double value);

// Plain decimal text of an integer ("12", "-3").
std::string IntToStr(long long value);

}  // namespace platform
