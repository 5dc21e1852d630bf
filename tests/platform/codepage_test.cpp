#include "platform/codepage.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace platform {
namespace {

TEST(Cp1252, EveryByteRoundTripsThroughUnicode) {
    std::set<char32_t> seen;
    for (int b = 0; b < 256; ++b) {
        const char32_t cp = Cp1252ToUnicode(static_cast<unsigned char>(b));
        EXPECT_TRUE(seen.insert(cp).second)
            << "two bytes share U+" << std::hex << static_cast<unsigned>(cp);
        EXPECT_EQ(static_cast<unsigned char>(UnicodeToCp1252(cp)), b);
    }
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all.push_back(static_cast<char>(b));
    }
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
}

TEST(Cp1252, MapsTheCharactersItalianTextsUse) {
    struct Case {
        unsigned char byte;
        char32_t cp;
    };
    const Case cases[] = {{'A', U'A'},       {0x80, U'\u20AC'}, {0x92, U'\u2019'},
                          {0x96, U'\u2013'}, {0xB0, U'\u00B0'}, {0xE0, U'\u00E0'},
                          {0xE8, U'\u00E8'}, {0xF9, U'\u00F9'}, {0x81, 0x81},
                          {0x9D, 0x9D},      {0x9F, U'\u0178'}};
    for (const Case& c : cases) {
        EXPECT_EQ(static_cast<unsigned>(Cp1252ToUnicode(c.byte)), static_cast<unsigned>(c.cp))
            << int(c.byte);
    }
    EXPECT_EQ(Cp1252ToUtf8("Un lato \xe8 Maggiore"), "Un lato \xc3\xa8 Maggiore");
}

TEST(Cp1252, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(UnicodeToCp1252(U'\u0100'), '?');
    EXPECT_EQ(UnicodeToCp1252(U'\u4E2D'), '?');
    EXPECT_EQ(UnicodeToCp1252(U'\U0001F600'), '?');
    EXPECT_EQ(Utf8ToCp1252("a\xe4\xb8\xad"
                           "b"),
              "a?b");  // a CJK character
    EXPECT_EQ(Utf8ToCp1252("a\xf0\x9f\x98\x80"
                           "b"),
              "a?b");                                 // an emoji
    EXPECT_EQ(Utf8ToCp1252("a\xc3"), "a?");           // cut sequence
    EXPECT_EQ(Utf8ToCp1252("\xe2\x82\xac"), "\x80");  // the euro sign
}

}  // namespace
}  // namespace platform
