#include "sarvo/number_text.h"

#include "platform/errors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace sarvo {
namespace {

TEST(NumberText, FilledBoxesHoldExactlyOneNumber) {
    struct Row {
        const char* name;
        const char* text;
        bool numeric;
    };
    const Row rows[] = {
        {"integer", "12", true},
        {"negative", "-3", true},
        {"decimals", "12.5", true},
        {"no integer digit", ".5", true},
        {"blanks around", "  12.5 \t", true},
        {"exponent as the rendering writes it", " 1E+15", true},
        {"empty", "", false},
        {"blank", "   ", false},
        {"trailing letters", "12abc", false},
        {"decimal comma", "12,5", false},
        {"blank inside", "1 2", false},
        {"two points", "1.2.3", false},
        {"sign only", "-", false},
        {"beyond a double", "1e400", false},
        {"not a number", "nan", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(IsNumericText(row.text), row.numeric);
    }
    EXPECT_EQ(TrimBlanks("  12.5 "), "12.5");
    EXPECT_EQ(TrimBlanks(" \t "), "");
}

TEST(NumberText, LeadingNumberReadsUpToTheFirstForeignCharacter) {
    const double inf = std::numeric_limits<double>::infinity();
    struct Row {
        const char* name;
        const char* text;
        double value;
    };
    const Row rows[] = {
        {"trailing letters", "12abc", 12},
        {"blanks between digits", " 1 2.5", 12.5},
        {"tabs and line feeds", "\t\n5\n", 5},
        {"second point stops", "1.2.3", 1.2},
        {"decimal comma stops", "12,5", 12},
        {"negative with blank after the sign", " - 3", -3},
        {"plus sign", "+7", 7},
        {"no integer digit", ".5", 0.5},
        {"exponent", "1e3", 1000},
        {"rendered exponent", " 1E+15", 1e15},
        {"negative exponent with blanks", "2.5 E - 3x", 0.0025},
        {"exponent without digits", "1e", 1},
        {"exponent sign without digits", "1e+x", 1},
        {"no number", "abc", 0},
        {"empty", "", 0},
        {"sign only", "-", 0},
        {"point only", ".", 0},
        {"carriage return stops", "1\r2", 1},
        {"overflow", "1e400", inf},
        {"negative overflow", "-123.4e307", -inf},
        {"underflow", "0.001e-400", 0},
        {"huge exponent", "1e99999999999999999999", inf},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(LeadingNumber(row.text), row.value);
    }
}

TEST(NumberText, GeneralRenderingHasFifteenDigitsAndALeadingBlank) {
    struct Row {
        const char* name;
        double value;
        const char* text;
    };
    const Row rows[] = {
        {"integer", 100, " 100"},
        {"the 3-4-5 angle 1", 40.96655293982668, " 40.9665529398267"},
        {"rounds to an integer", 4.999999999999998, " 5"},
        {"negative", -2.5, "-2.5"},
        {"below one", 0.5, " 0.5"},
        {"smallest fixed", 0.0001, " 0.0001"},
        {"first exponent below", 0.00001, " 1E-05"},
        {"small with mantissa", -1.5e-10, "-1.5E-10"},
        {"largest fixed", 123456789012345.6, " 123456789012346"},
        {"rounding carries into exponent form", 999999999999999.9, " 1E+15"},
        {"large", 1.25e20, " 1.25E+20"},
        {"three-digit exponent", 1e300, " 1E+300"},
        {"zero", 0.0, " 0"},
        {"negative zero", -0.0, " 0"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(GeneralNumberText(row.value), row.text);
    }
}

TEST(NumberText, RenderingReadsBackAsTheSameNumberToFifteenDigits) {
    constexpr double kRelTol = 5e-15;
    for (double v : {40.96655293982668, 1.0 / 3, 2.0 / 3 * 1e-7, 6.02214076e23, -7.25e-300}) {
        SCOPED_TRACE(v);
        const std::string text = GeneralNumberText(v);
        EXPECT_TRUE(IsNumericText(text));
        EXPECT_NEAR(LeadingNumber(text), v, std::abs(v) * kRelTol);
    }
}

TEST(NumberText, NoNonFiniteNumberIsRendered) {
    EXPECT_THROW(GeneralNumberText(std::numeric_limits<double>::infinity()),
                 platform::ArithmeticError);
    EXPECT_THROW(GeneralNumberText(std::nan("")), platform::ArithmeticError);
}

}  // namespace
}  // namespace sarvo
