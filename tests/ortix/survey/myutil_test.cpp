#include "ortix/survey/myutil.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace ortix {
namespace {

// Fields and what is left of the line after each call.
struct Step {
    std::string field;
    std::string rest;
};

TEST(TakeField, SplitsOneFieldAtATime) {
    struct Case {
        const char* name;
        std::string line;
        std::string delimiter;
        std::vector<Step> steps;
    };
    const Case cases[] = {
        {"three fields",
         "NAME,10.5,2.25",
         ",",
         {{"NAME", "10.5,2.25"}, {"10.5", "2.25"}, {"2.25", "2.25"}}},
        {"leading delimiter", ",X", ",", {{"", "X"}, {"X", "X"}}},
        {"trailing delimiter", "X,", ",", {{"X", ""}, {"", ""}}},
        {"empty line", "", ",", {{"", ""}}},
        {"pipes", "12|3.5|x", "|", {{"12", "3.5|x"}, {"3.5", "x"}, {"x", "x"}, {"x", "x"}}},
        {"consecutive delimiters", "A,,B", ",", {{"A", ",B"}, {"", "B"}, {"B", "B"}}},
        {"missing fields repeat the last",
         "A,1,2",
         ",",
         {{"A", "1,2"}, {"1", "2"}, {"2", "2"}, {"2", "2"}, {"2", "2"}, {"2", "2"}}},
        {"spaces are kept", " a , b", ",", {{" a ", " b"}, {" b", " b"}}},
        {"case-sensitive delimiter", "aXbxc", "x", {{"aXb", "c"}}},
        {"empty delimiter is never found", "a,b", "", {{"a,b", "a,b"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string line = c.line;
        std::string_view view = c.line;
        for (const Step& s : c.steps) {
            EXPECT_EQ(TakeField(line, c.delimiter), s.field);
            EXPECT_EQ(line, s.rest);
            EXPECT_EQ(TakeField(view, c.delimiter), s.field);
            EXPECT_EQ(view, s.rest);
        }
    }
}

TEST(Pad, BringsTextsToAWidthWithoutCuttingThem) {
    struct Case {
        const char* name;
        std::string text;
        int width;
        std::string fill;
        std::string left;
        std::string right;
    };
    const Case cases[] = {
        {"number column", "1.25", 10, " ", "      1.25", "1.25      "},
        {"name column", "P1", 25, " ", std::string(23, ' ') + "P1", "P1" + std::string(23, ' ')},
        {"longer text unchanged", "12345678901", 10, " ", "12345678901", "12345678901"},
        {"exact width unchanged", "1234567890", 10, " ", "1234567890", "1234567890"},
        {"zero width", "ab", 0, " ", "ab", "ab"},
        {"negative width", "ab", -5, " ", "ab", "ab"},
        {"empty text", "", 10, " ", std::string(10, ' '), std::string(10, ' ')},
        {"long fill overshoots", "a", 4, "xy", "xyxya", "axyxy"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(PadLeft(c.text, c.width, c.fill), c.left);
        EXPECT_EQ(PadRight(c.text, c.width, c.fill), c.right);
    }
}

TEST(Pad, RejectsAnEmptyFill) {
    EXPECT_THROW(PadLeft("a", 10, ""), std::invalid_argument);
    EXPECT_THROW(PadRight("a", 10, ""), std::invalid_argument);
}

}  // namespace
}  // namespace ortix
