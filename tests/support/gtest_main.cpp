// The main of every core test program. It takes the user's locale, so that a run under a
// locale with a decimal comma shows any conversion that leaks the locale into a number text.

#include <gtest/gtest.h>

#include <clocale>

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
