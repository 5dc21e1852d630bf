#include "platform/textgrid.h"

#include "platform/errors.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace platform {
namespace {

std::vector<std::string> Column(const TextGrid& g, int col) {
    std::vector<std::string> out;
    for (int r = 0; r < g.RowCount(); ++r) {
        out.push_back(g.Cell(col, r));
    }
    return out;
}

TEST(TextGrid, RowsGrowEmptyAndShrinkFromTheEnd) {
    TextGrid g(3, 2);
    g.SetCell(0, 0, "NOME");
    g.SetCell(0, 1, "A");
    g.SetCell(2, 1, "x");
    g.AppendRow();
    EXPECT_EQ(g.RowCount(), 3);
    EXPECT_EQ(g.Cell(0, 2), "");
    g.SetCell(0, 2, "B");
    g.SetRowCount(2);
    g.SetRowCount(4);
    EXPECT_EQ(Column(g, 0), (std::vector<std::string>{"NOME", "A", "", ""}));
    EXPECT_EQ(g.Cell(2, 1), "x");
}

TEST(TextGrid, DeletingARowMovesTheRowsBelowUp) {
    TextGrid g(2, 4);
    for (int r = 0; r < 4; ++r) {
        g.SetCell(0, r, "r" + std::to_string(r));
        g.SetCell(1, r, "c" + std::to_string(r));
    }
    g.DeleteRow(2);
    EXPECT_EQ(Column(g, 0), (std::vector<std::string>{"r0", "r1", "r3"}));
    EXPECT_EQ(Column(g, 1), (std::vector<std::string>{"c0", "c1", "c3"}));
    g.DeleteRow(2);
    EXPECT_EQ(g.RowCount(), 2);
}

TEST(TextGrid, OutsideTheGridIsAListIndexError) {
    TextGrid g(6, 2);
    try {
        g.Cell(0, 2);
        FAIL();
    } catch (const ListIndexError& e) {
        EXPECT_STREQ(e.what(), "List index out of bounds (2)");
    }
    EXPECT_THROW(g.Cell(6, 0), ListIndexError);
    EXPECT_THROW(g.Cell(-1, 0), ListIndexError);
    EXPECT_THROW(g.DeleteRow(2), ListIndexError);
    EXPECT_THROW(g.SetRowCount(-1), ListIndexError);
    EXPECT_NO_THROW(g.SetRowCount(0));
    EXPECT_THROW(g.Row(0), ListIndexError);
}

TEST(TextGrid, AMillionAppendedRowsKeepTheirTexts) {
    TextGrid g(6, 1);
    for (int r = 1; r <= 1000000; ++r) {
        g.AppendRow();
        g.SetCell(0, r, std::to_string(r));
    }
    EXPECT_EQ(g.Cell(0, 1), "1");
    EXPECT_EQ(g.Cell(0, 1000000), "1000000");
    g.SetRowCount(2);
    EXPECT_EQ(g.Cell(0, 1), "1");
}

TEST(TextGrid, ReservedRowsAreNotGivenBackWhileTheTableGrows) {
    TextGrid g(6, 1);
    g.Reserve(100000);
    const std::string* title = &g.Cell(0, 0);
    for (int r = 1; r < 100000; ++r) {
        g.AppendRow();
    }
    // No reallocation happened: the first cell never moved.
    EXPECT_EQ(&g.Cell(0, 0), title);
}

}  // namespace
}  // namespace platform
