#include "platform/numbers.h"

#include "platform/errors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
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
