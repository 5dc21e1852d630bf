#include "ortix/files/coordinate_file.h"

#include "platform/errors.h"
#include "platform/textfile.h"
#include "tests/ortix/files/grid_rows.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ortix {
namespace {

using platform::TextGrid;
using testsupport::DataRows;
using testsupport::Rows;

// A coordinates table with the given data rows.
TextGrid CoordiWith(const Rows& rows) {
    return testsupport::WithDataRows(NewCoordiGrid(), rows);
}

const std::vector<std::string> kEmptyRow(5, "");

TEST(ReadCoordinates, SplitsEachLineIntoNameEastNorthHeightAndDescription) {
    TextGrid coordi = NewCoordiGrid();
    ASSERT_TRUE(ReadCoordinates(
        platform::ReadFileBytes(testsupport::TestDataFile("asp/points-crlf.asp")), coordi));
    // Columns: name, north, east, height, description. The description keeps its commas; the
    // short line "C,3000" repeats its last field; the empty line gives five empty cells; the
    // last line has an empty height and description.
    EXPECT_EQ(DataRows(coordi), (Rows{
                                    {"A", "5100.000", "3000.000", "10.5", "pillar"},
                                    {"B", "5000.000", "3200.000", "11", "north,wall"},
                                    {"C", "3000", "3000", "3000", "3000"},
                                    {"", "", "", "", ""},
                                    {"D", "5000.000", "2880.000", "", ""},
                                }));
    EXPECT_EQ(testsupport::TitleRow(coordi),
              std::vector<std::string>(kCoordiHeader.begin(), kCoordiHeader.end()));

    coordi = NewCoordiGrid();
    ASSERT_TRUE(ReadCoordinates(
        platform::ReadFileBytes(testsupport::TestDataFile("asp/points-cr.asp")), coordi));
    EXPECT_EQ(DataRows(coordi), (Rows{
                                    {"P1", "5", "7", "2", "pillar"},
                                    {"P2", "2", "1", "3", "north,wall"},
                                    {"P3", "200", "100", "200", "200"},
                                }));
}

// The first point takes the table's last row, the rows above stay.
TEST(ReadCoordinates, AppendsToTheTable) {
    const Rows before = {{"X", "1", "2", "3", "x"}, {"Y", "4", "5", "6", "y"}};
    const std::string threePoints = "A,1,2,3,a\r\nB,4,5,6,b\r\nC,7,8,9,c\r\n";
    struct Case {
        const char* name;
        Rows table;  // data rows before the load; none is a table with its title row only
        std::string bytes;
        Rows after;
    };
    const Case cases[] = {
        {"cleared table",
         {kEmptyRow},
         threePoints,
         {{"A", "2", "1", "3", "a"}, {"B", "5", "4", "6", "b"}, {"C", "8", "7", "9", "c"}}},
        {"the last row is replaced",
         before,
         threePoints,
         {{"X", "1", "2", "3", "x"},
          {"A", "2", "1", "3", "a"},
          {"B", "5", "4", "6", "b"},
          {"C", "8", "7", "9", "c"}}},
        {"an empty file removes the last row", before, "", {{"X", "1", "2", "3", "x"}}},
        {"a single line end is an empty point",
         before,
         "\r\n",
         {{"X", "1", "2", "3", "x"}, kEmptyRow}},
        {"a table without data rows keeps its title row",
         {},
         "A,1,2,3,a",
         {{"A", "2", "1", "3", "a"}}},
        {"an empty file never removes the title row", {}, "", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TextGrid coordi = CoordiWith(c.table);
        EXPECT_TRUE(ReadCoordinates(c.bytes, coordi));
        EXPECT_EQ(DataRows(coordi), c.after);
        EXPECT_EQ(coordi.Cell(0, 0), kCoordiHeader[0]);
    }

    // Loading the same three points twice into a cleared table gives five rows.
    TextGrid coordi = NewCoordiGrid();
    ReadCoordinates(threePoints, coordi);
    ReadCoordinates(threePoints, coordi);
    EXPECT_EQ(coordi.RowCount(), 6);
    EXPECT_EQ(coordi.Cell(0, 3), "A");
}

TEST(ReadCoordinates, CancellingOrAMissingFileLeavesTheTableAsItWas) {
    const Rows before = {{"X", "1", "2", "3", "x"}, {"Y", "4", "5", "6", "y"}};
    std::string bytes;
    for (int i = 0; i < 10000; ++i) {
        bytes += "P" + std::to_string(i) + ",1,2,3,d\r\n";
    }
    TextGrid coordi = CoordiWith(before);
    EXPECT_FALSE(ReadCoordinates(bytes, coordi, [](double fraction) { return fraction < 0.5; }));
    EXPECT_EQ(DataRows(coordi), before);

    testsupport::TempDir dir;
    const std::string missing = dir.File("missing.asp");
    try {
        LoadCoordinates(missing, coordi);
        ADD_FAILURE() << "no error";
    } catch (const platform::FileError& e) {
        EXPECT_EQ(e.what(), "Cannot open file " + missing);
    }
    EXPECT_EQ(DataRows(coordi), before);
}

TEST(SaveCoordinates, WritesEastBeforeNorthAndReadsBackTheSameRows) {
    const Rows rows = {
        {"P1", "5", "7", "2", "pillar"},
        {"P2", "2", "1", "3", "north,wall"},
        {"", "", "", "", ""},
        {"Q\xE8", "-1.5", "0.25", "", "chiesa di S. Nicol\xF2"},
    };
    const TextGrid coordi = CoordiWith(rows);
    EXPECT_EQ(CoordinatesText(coordi),
              "P1,7,5,2,pillar\r\nP2,1,2,3,north,wall\r\n,,,,\r\nQ\xE8,0.25,-1.5,,"
              "chiesa di S. Nicol\xF2\r\n");

    testsupport::TempDir dir;
    const std::string path = dir.File("punti.asp");
    SaveCoordinates(path, coordi);
    TextGrid loaded = NewCoordiGrid();
    ASSERT_TRUE(LoadCoordinates(path, loaded));
    EXPECT_EQ(DataRows(loaded), rows);

    // A table without data rows gives an empty file.
    SaveCoordinates(path, CoordiWith({}));
    EXPECT_EQ(testsupport::ReadBytes(path), "");
}

TEST(SaveCoordinates, AFolderThatDoesNotExistIsACreateError) {
    testsupport::TempDir dir;
    const std::string path = dir.File("nowhere/punti.asp");
    try {
        SaveCoordinates(path, CoordiWith({{"P1", "5", "7", "2", "pillar"}}));
        ADD_FAILURE() << "no error";
    } catch (const platform::FileError& e) {
        EXPECT_EQ(e.what(), "Cannot create file " + path);
    }
    EXPECT_FALSE(testsupport::FileExists(path));
}

}  // namespace
}  // namespace ortix
