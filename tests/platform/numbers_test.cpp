#include "platform/numbers.h"

#include "platform/errors.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

namespace platform {
namespace {

struct ParseCase {
    const char* name;
    const char* text;
    double value;
};

TEST(StrToFloat, AcceptsPlainDecimalTextsWhateverTheLocale) {
    const ParseCase cases[] = {
        {"integer", "12", 12},
        {"decimal point", "12.5", 12.5},
        {"surrounding blanks", " 12.5 ", 12.5},
        {"tab blanks", "\t7\t", 7},
        {"negative", "-3.25", -3.25},
        {"explicit plus", "+4", 4},
        {"minus zero is zero", "-0", 0},
        {"leading point", ".5", 0.5},
        {"trailing point", "5.", 5},
        {"exponent", "1e3", 1000},
        {"signed exponent", "2.5E-2", 0.025},
        {"many decimals", "399.51670000000001", 399.51670000000001},
        {"big", "4541881.33", 4541881.33},
    };
    for (const ParseCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(StrToFloat(c.text), c.value);
    }
    EXPECT_FALSE(std::signbit(StrToFloat("-0")));
    EXPECT_FALSE(std::signbit(StrToFloat("-0.0e5")));
}

TEST(StrToFloat, RejectsEverythingElseQuotingTheText) {
    const char* bad[] = {"",  " ", "12,5", "1 000", "abc",  "12abc", "1e",    "e5",    "--1", "+-1",
                         ".", "-", "inf",  "nan",   "0x10", "1e999", "1.2.3", "1e5.5", "١٢"};
    for (const char* text : bad) {
        SCOPED_TRACE(text);
        try {
            StrToFloat(text);
            ADD_FAILURE() << "accepted";
        } catch (const ConversionError& e) {
            EXPECT_EQ(std::string(e.what()),
                      "'" + std::string(text) + "' is not a valid floating point value");
            EXPECT_EQ(e.Text(), text);
        }
        double v = 42;
        EXPECT_FALSE(TryStrToFloat(text, v));
        EXPECT_EQ(v, 42);
    }
}

struct FormatCase {
    const char* name;
    const char* pattern;
    double value;
    const char* text;
};

TEST(FloatFormat, RoundsTo15DigitsThenHalfAwayFromZero) {
    const FormatCase cases[] = {
        {"whole number gets zeros", "0.0000", 12, "12.0000"},
        {"zero", "0.0000", 0, "0.0000"},
        {"negative zero", "0.0000", -0.0, "0.0000"},
        {"tie below in binary rounds up", "0.0000", 1.00005, "1.0001"},
        {"negative tie away from zero", "0.0000", -1.00005, "-1.0001"},
        {"small value rounds to zero", "0.0000", 2.5e-5, "0.0000"},
        {"negative small value has no sign", "0.0000", -0.00004, "0.0000"},
        {"half of the last place", "0.0000", 0.00005, "0.0001"},
        {"negative half of the last place", "0.0000", -0.00005, "-0.0001"},
        {"carry into a new digit", "0.0000", 9.99995, "10.0000"},
        {"carry through the point", "0.000", 999.9995, "1000.000"},
        {"leading zero", "0.0000", 0.25, "0.2500"},
        {"three decimals", "0.000", 25.5, "25.500"},
        {"five decimals", "0.00000", 292.84012345, "292.84012"},
        {"six decimals", "0.000000", 0.0000125, "0.000013"},
        {"eight decimals", "0.00000000", -0.000000012345, "-0.00000001"},
        {"no grouping", "0.0000", 4541881.33, "4541881.3300"},
        {"1e15 + 0.5 keeps 15 digits", "0.0000", 1e15 + 0.5, "1000000000000000.0000"},
        {"huge", "0.00", 1.5e20, "150000000000000000000.00"},
        {"16th digit is dropped first", "0.0000", 0.1 + 0.2, "0.3000"},
        {"exponent of a tiny value", "0.0000", 1e-300, "0.0000"},
        {"optional integer digits", "######0.##0", 6, "6.000"},
        {"optional pattern rounding", "#########0.##0", 2.4000000000000004, "2.400"},
        {"optional pattern below one", "######0.##0", 0.0005, "0.001"},
        {"trailing hashes drop zeros", "0.0###", 1.5, "1.5"},
        {"trailing hashes keep significant", "0.0###", 1.23456, "1.2346"},
        {"no decimals", "0", 2.5, "3"},
    };
    for (const FormatCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FormatFloat(c.pattern, c.value), c.text);
    }
}

TEST(FloatFormat, FifteenDigitTiesAndDecadeEdges) {
    // The 15 significant digits are rounded ties-to-even on the exact binary value, and a rounding
    // up at 10^k moves into the next decade; the values here sit on those edges.
    const FormatCase cases[] = {
        {"tie at the 15th digit, even stays", "0.0000", 123456789012344.5, "123456789012344.0000"},
        {"tie at the 15th digit, odd goes up", "0.0000", 123456789012345.5, "123456789012346.0000"},
        {"negative tie", "0.0000", -123456789012345.5, "-123456789012346.0000"},
        {"just below 10", "0.0000", 9.9999999999999982, "10.0000"},
        {"just below 1e-4", "0.0000", 9.9999999999999991e-05, "0.0001"},
        {"1e-5 at five decimals", "0.00000", 1.0000000000000001e-05, "0.00001"},
        {"just below 1e-5 at five decimals", "0.00000", 9.9999999999999991e-06, "0.00001"},
        {"half of the fourth decimal below it in binary", "0.0000", 99999.999949999998,
         "100000.0000"},
        {"the same at five decimals", "0.00000", 99999.999949999998, "99999.99995"},
        {"four decimals half up", "0.0000", 1234.5678499999999, "1234.5679"},
        {"coordinate half up", "0.0000", 5000.0000499999996, "5000.0001"},
        {"small half up", "0.0000", 0.00014999999999999999, "0.0002"},
        {"just below 1e15", "0.0000", 999999999999999.88, "1000000000000000.0000"},
    };
    for (const FormatCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FormatFloat(c.pattern, c.value), c.text);
    }
}

TEST(FloatFormat, ReadsItsPattern) {
    const FloatFormat sarvo("######0.##0");
    EXPECT_EQ(sarvo.MinIntegerDigits(), 1);
    EXPECT_EQ(sarvo.MinDecimals(), 3);
    EXPECT_EQ(sarvo.MaxDecimals(), 3);
    EXPECT_THROW(FloatFormat("0,000.00"), std::invalid_argument);
    EXPECT_THROW(FloatFormat("0.00E+00"), std::invalid_argument);
}

TEST(FloatFormat, RefusesNonFiniteValues) {
    const FloatFormat f("0.0000");
    for (double v :
         {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
          -std::numeric_limits<double>::infinity()}) {
        EXPECT_THROW(f(v), ArithmeticError);
    }
}

TEST(FloatFormat, TextsReadBackToTheRoundedValue) {
    // Every text the formatter writes is one the strict conversion reads.
    const FloatFormat f("0.0000");
    for (double v = -1000.0; v < 1000.0; v += 0.37) {
        const std::string text = f(v);
        EXPECT_NEAR(StrToFloat(text), v, 0.00005 + 1e-9) << text;
    }
}

}  // namespace
}  // namespace platform

namespace platform {
namespace {

// An independent rendering of the rule: 15 significant digits from std::to_chars, then half away
// from zero at the pattern's decimals, in decimal digit strings.
std::string ReferenceFormat(double value, int decimals) {
    char sci[40];
    const auto res = std::to_chars(sci, sci + sizeof sci, value, std::chars_format::scientific, 14);
    std::string text(sci, res.ptr);
    const bool negative = text[0] == '-';
    const size_t e = text.find('e');
    std::string digits;
    for (size_t i = negative ? 1 : 0; i < e; ++i) {
        if (text[i] != '.') {
            digits += text[i];
        }
    }
    const int exponent = std::stoi(text.substr(e + 1));
    // value = 0.digits * 10^(exponent + 1); write it as an integer of units of 10^-decimals.
    const int shift = exponent + 1 + decimals;  // digits to keep
    std::string units;
    bool up = false;
    if (shift >= static_cast<int>(digits.size())) {
        units = digits + std::string(static_cast<size_t>(shift) - digits.size(), '0');
    } else if (shift >= 0) {
        units = digits.substr(0, static_cast<size_t>(shift));
        up = digits[static_cast<size_t>(shift)] >= '5';
    }
    if (units.empty()) {
        units = "0";
    }
    if (up) {
        int i = static_cast<int>(units.size()) - 1;
        while (i >= 0 && units[static_cast<size_t>(i)] == '9') {
            units[static_cast<size_t>(i--)] = '0';
        }
        if (i < 0) {
            units.insert(units.begin(), '1');
        } else {
            ++units[static_cast<size_t>(i)];
        }
    }
    while (units.size() < static_cast<size_t>(decimals) + 1) {
        units.insert(units.begin(), '0');
    }
    const size_t point = units.size() - static_cast<size_t>(decimals);
    const size_t firstNonZero = units.find_first_not_of('0');
    std::string out = (negative && firstNonZero != std::string::npos) ? "-" : "";
    const size_t lead = std::min(units.find_first_not_of('0'), point - 1);
    out += units.substr(lead, point - lead);
    if (decimals > 0) {
        out += "." + units.substr(point);
    }
    return out;
}

TEST(FloatFormat, AgreesWithAnIndependentRenderingOnMillionsOfValues) {
    // The reference itself on the rule's own examples.
    EXPECT_EQ(ReferenceFormat(1.00005, 4), "1.0001");
    EXPECT_EQ(ReferenceFormat(-0.00004, 4), "0.0000");
    EXPECT_EQ(ReferenceFormat(9.99995, 4), "10.0000");
    EXPECT_EQ(ReferenceFormat(-1234.5, 3), "-1234.500");
    EXPECT_EQ(ReferenceFormat(0.25, 4), "0.2500");
    std::mt19937_64 rng(20261211);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> decade(-9, 16);
    std::uniform_int_distribution<int> nudge(-3, 3);
    const int patterns[] = {3, 4, 5, 6, 8};
    long checked = 0;
    for (int decimals : patterns) {
        const FloatFormat format("0." + std::string(static_cast<size_t>(decimals), '0'));
        for (int i = 0; i < 300000; ++i) {
            double v = mantissa(rng) * std::pow(10.0, decade(rng));
            if (i % 3 == 0) {
                // Onto a tie of the last shown decimal, then a few ulps either side.
                const double unit = std::pow(10.0, -decimals);
                v = (std::floor(v / unit) + 0.5) * unit;
                for (int k = nudge(rng); k != 0; k += k > 0 ? -1 : 1) {
                    v = std::nextafter(v, k > 0 ? 1e300 : -1e300);
                }
            }
            if (i % 2 == 1) {
                v = -v;
            }
            ASSERT_EQ(format(v), ReferenceFormat(v, decimals)) << std::hexfloat << v;
            ++checked;
        }
    }
    EXPECT_EQ(checked, 1500000);
}

TEST(StrToFloat, AgreesWithTheGeneralConversionOnRandomDecimalTexts) {
    std::mt19937_64 rng(7);
    std::uniform_int_distribution<int> length(1, 19);
    std::uniform_int_distribution<int> digit(0, 9);
    for (int i = 0; i < 500000; ++i) {
        std::string text = i % 4 == 0 ? "-" : "";
        const int intDigits = length(rng) % 12;
        const int decimals = length(rng) % 10;
        for (int k = 0; k < intDigits; ++k) {
            text += static_cast<char>('0' + digit(rng));
        }
        if (decimals > 0 || intDigits == 0) {
            text += '.';
            for (int k = 0; k < std::max(decimals, 1); ++k) {
                text += static_cast<char>('0' + digit(rng));
            }
        }
        if (i % 10 == 0) {
            text += "e" + std::to_string(digit(rng) - 5);
        }
        double expected = 0;
        const char* body = text.c_str();
        std::from_chars(body, body + text.size(), expected);
        if (expected == 0) {
            expected = 0;  // no negative zero
        }
        const double got = StrToFloat(text);
        ASSERT_EQ(std::bit_cast<uint64_t>(got), std::bit_cast<uint64_t>(expected)) << text;
    }
}

}  // namespace
}  // namespace platform
