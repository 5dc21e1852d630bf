#include "ortix/files/known_points_file.h"

#include "ortix/adjustment/page_texts.h"
#include "platform/errors.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ortix {
namespace {

using Row = std::vector<std::string>;

std::vector<Row> DataRows(const platform::TextGrid& t) {
    std::vector<Row> rows;
    for (int r = 1; r < t.RowCount(); ++r) {
        rows.emplace_back(t.Row(r).begin(), t.Row(r).end());
    }
    return rows;
}

// A table of ten data rows and three edits, as a user may have them before a load.
platform::TextGrid TenRows() {
    platform::TextGrid t = NewPunotiGrid();
    t.SetRowCount(11);
    for (int r = 1; r <= 10; ++r) {
        t.FillRow(r, "x" + std::to_string(r));
    }
    return t;
}

TEST(ParseKnownPoints, FieldsLinesAndRows) {
    const struct {
        const char* name;
        std::string bytes;
        StationTexts station;
        std::vector<Row> rows;
    } cases[] = {
        {"CR LF",
         "S1,100.5,200.25\r\nA,1,2,3,4,5\r\nB,6,7,8,9,10\r\n",
         {"S1", "100.5", "200.25"},
         {{"A", "1", "2", "3", "4", "5"}, {"B", "6", "7", "8", "9", "10"}}},
        {"LF, CR and a last line without an end",
         "S1,1,2\nA,1,2,3,4,5\rB,6,7,8,9,10",
         {"S1", "1", "2"},
         {{"A", "1", "2", "3", "4", "5"}, {"B", "6", "7", "8", "9", "10"}}},
        {"missing fields repeat the last one",
         "S1,50.5\r\nA,1,2\r\n",
         {"S1", "50.5", "50.5"},
         {{"A", "1", "2", "2", "2", "2"}}},
        {"a name alone fills all three edits",
         "S1\r\nA,1,2,3,4,5\r\n",
         {"S1", "S1", "S1"},
         {{"A", "1", "2", "3", "4", "5"}}},
        {"extra fields stay in the last column",
         "S1,1,2,3\r\nA,1,2,3,4,5,6\r\n",
         {"S1", "1", "2,3"},
         {{"A", "1", "2", "3", "4", "5,6"}}},
        {"texts are kept as they are",
         "  S 1 , 1.0 ,x\r\n P ,,12,5,0.00,\r\n",
         {"  S 1 ", " 1.0 ", "x"},
         {{" P ", "", "12", "5", "0.00", ""}}},
        {"an empty line is a row of empty cells",
         "S1,1,2\r\nA,1,2,3,4,5\r\n\r\nB,6,7,8,9,10\r\n",
         {"S1", "1", "2"},
         {{"A", "1", "2", "3", "4", "5"},
          {"", "", "", "", "", ""},
          {"B", "6", "7", "8", "9", "10"}}},
        {"two line ends at the end add an empty row",
         "S1,1,2\r\nA,1,2,3,4,5\r\n\r\n",
         {"S1", "1", "2"},
         {{"A", "1", "2", "3", "4", "5"}, {"", "", "", "", "", ""}}},
        {"Windows-1252 bytes pass untouched",
         "CITT\xC0,1,2\r\nCAMPANILE S. MARIA \xB0,1,2,3,4,5\r\n",
         {"CITT\xC0", "1", "2"},
         {{"CAMPANILE S. MARIA \xB0", "1", "2", "3", "4", "5"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        StationTexts station{"old", "old", "old"};
        platform::TextGrid t = TenRows();
        ParseKnownPoints(c.bytes, station, t);
        EXPECT_EQ(station.op_, c.station.op_);
        EXPECT_EQ(station.xp_, c.station.xp_);
        EXPECT_EQ(station.yp_, c.station.yp_);
        EXPECT_EQ(DataRows(t), c.rows);
        EXPECT_EQ(t.Cell(0, 0), kPunotiHeader[0]);
    }
}

TEST(ParseKnownPoints, AFileWithoutPointLinesKeepsRowOne) {
    StationTexts station;
    platform::TextGrid t = TenRows();
    ParseKnownPoints("S1,1,2\r\n", station, t);
    EXPECT_EQ(DataRows(t), (std::vector<Row>{Row(6, "x1")}));
    EXPECT_EQ(station.op_, "S1");
}

TEST(LoadKnownPoints, AFailedLoadChangesNothing) {
    testsupport::TempDir dir;
    testsupport::WriteBytes(dir.File("vuoto.not"), "");
    const struct {
        const char* name;
        std::string path;
        std::string message;
    } cases[] = {
        {"empty file", dir.File("vuoto.not"), "List index out of bounds (0)"},
        {"missing file", dir.File("manca.not"), "Cannot open file " + dir.File("manca.not")},
        {"a folder", dir.Path(), "Cannot open file " + dir.Path()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        StationTexts station{"S", "1", "2"};
        platform::TextGrid t = TenRows();
        try {
            LoadKnownPoints(c.path, station, t);
            ADD_FAILURE() << "no error";
        } catch (const platform::PlatformError& e) {
            EXPECT_EQ(e.what(), c.message);
        }
        EXPECT_EQ(DataRows(t), DataRows(TenRows()));
        EXPECT_EQ(station.op_ + station.xp_ + station.yp_, "S12");
    }
}

TEST(SaveKnownPoints, WritesTheTextsAsTheyAreAndReadsBackTheSame) {
    testsupport::TempDir dir;
    const StationTexts station{"STAZ 1", "4821.30", "1597.25"};
    platform::TextGrid t = NewPunotiGrid();
    t.SetRowCount(4);
    const std::vector<Row> rows = {{"TRIG 45", "5402.118", "2210.604", "388.8577", "0.00", ""},
                                   {"", "0.00", "0.00", "0.00", "0.00", "0.00"},
                                   {"CITT\xC0 ALTA", " 1.5", "2", "3", "4", "5"}};
    for (int r = 1; r <= 3; ++r) {
        for (int c = 0; c < 6; ++c) {
            t.SetCell(c, r, rows[static_cast<size_t>(r - 1)][static_cast<size_t>(c)]);
        }
    }
    const std::string path = dir.File("stazione.not");
    SaveKnownPoints(path, station, t);
    EXPECT_EQ(testsupport::ReadBytes(path),
              "STAZ 1,4821.30,1597.25\r\n"
              "TRIG 45,5402.118,2210.604,388.8577,0.00,\r\n"
              ",0.00,0.00,0.00,0.00,0.00\r\n"
              "CITT\xC0 ALTA, 1.5,2,3,4,5\r\n");

    StationTexts back;
    platform::TextGrid loaded = TenRows();
    LoadKnownPoints(path, back, loaded);
    EXPECT_EQ(back.op_ + "|" + back.xp_ + "|" + back.yp_, "STAZ 1|4821.30|1597.25");
    EXPECT_EQ(DataRows(loaded), rows);
}

TEST(SaveKnownPoints, AFailedSaveLeavesNoFile) {
    testsupport::TempDir dir;
    const std::string path = dir.File("manca/stazione.not");
    EXPECT_THROW(SaveKnownPoints(path, {"S", "1", "2"}, NewPunotiGrid()), platform::FileError);
    EXPECT_FALSE(testsupport::FileExists(path));
}

}  // namespace
}  // namespace ortix
