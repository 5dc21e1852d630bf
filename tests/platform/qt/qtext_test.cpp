#include "platform/qt/qtext.h"

#include <gtest/gtest.h>

#include <string>

namespace platform::qt {
namespace {

TEST(QtText, AllBytesRoundTripThroughQString) {
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all.push_back(static_cast<char>(b));
    }
    const QString text = ToQString(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(text[0x80], QChar(0x20AC));
    EXPECT_EQ(text[0xE8], QChar(0x00E8));
    EXPECT_EQ(FromQString(text), all);
}

TEST(QtText, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(FromQString(QString::fromUtf8("a\xe4\xb8\xad"
                                            "b")),
              "a?b");
    EXPECT_EQ(FromQString(QString::fromUtf8("a\xf0\x9f\x98\x80"
                                            "b")),
              "a?b");  // one '?' per pair
    EXPECT_EQ(FromQString(QStringLiteral("citt\u00e0")), "citt\xe0");
}

TEST(QtText, PathsKeepTheFileSystemEncoding) {
    const QString name = QString::fromUtf8("/tmp/citt\xc3\xa0.not");
    EXPECT_EQ(PathToQString(PathFromQString(name)), name);
}

}  // namespace
}  // namespace platform::qt
