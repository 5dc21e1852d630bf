// Field books written by real instruments, read from the shared fixtures folder when it is there.
// Expected readings come from reading the records by hand: the fields at their fixed positions,
// degrees x 400 / 360 for gon, and the reduced distance from the slope distance and the zenith
// in degrees with the standard sine.

#include "ortix/files/field_book.h"
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

TEST(RealFieldBooks, SdrFilesGiveTheReadingsOfEachStation) {
    const std::string dir = testsupport::RealFixturesDir();
    if (dir.empty()) {
        GTEST_SKIP() << "no shared fixtures";
    }
    using Row = std::vector<std::string>;
    struct Case {
        const char* file;
        const char* station;
        int readings;
        Row first;
        Row last;
    };
    const Case cases[] = {
        // Degrees, CR LF, right-justified names; the backsight to KRYSHA has no distance.
        {"sdr33-degrees-crlf.sdr",
         "STLEV",
         14,
         {"KRYSHA", "223.64074074", "89.18765432", "0.00", "0.000", ""},
         {"0016", "239.90000000", "132.81450618", "81.15800000", "70.613", ""}},
        // A lone STX line before the header, LF line ends; fifteen angle-only sights, then two
        // with distances (named 1011 and 1012 by the fixed positions of the record).
        {"sdr33-stx-lf.sdr",
         "202",
         17,
         {"11", "321.59814814", "112.66975309", "0.00", "0.000", ""},
         {"1012", "312.25123457", "96.97438271", "11.775", "11.762", ""}},
        // SDR20 in degrees; station 0001 is occupied twice, with 27 and 8 readings.
        {"sdr20-degrees.sdr",
         "0001",
         35,
         {"9999", "135.39506111", "100.30555556", "28.9500000", "28.950", ""},
         {"1059", "58.28086411", "99.96604933", "0.00", "0.000", ""}},
        {"sdr20-degrees.sdr",
         "0002",
         26,
         {"0001", "116.63888889", "100.40123456", "153.550000", "153.547", ""},
         {"1052", "101.57716044", "100.48765422", "0.00", "0.000", "MAYBE"}},
        {"sdr20-degrees.sdr",
         "0003",
         10,
         {"0001", "81.99691356", "99.61728389", "168.650000", "168.647", ""},
         {"1068", "278.34567889", "99.99382711", "0.00", "0.000", ""}},
        {"sdr20-degrees.sdr",
         "0004",
         8,
         {"0003", "343.83641889", "99.81481478", "139.970000", "139.969", ""},
         {"1075", "127.49074000", "99.82098756", "0.00", "0.000", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.file) + " " + c.station);
        TextGrid sdr = NewSdrGrid();
        ASSERT_TRUE(LoadFieldBook(dir + "/" + c.file, c.station, sdr));
        const Rows rows = DataRows(sdr);
        ASSERT_EQ(static_cast<int>(rows.size()), c.readings);
        EXPECT_EQ(rows.front(), c.first);
        EXPECT_EQ(rows.back(), c.last);
    }
}

// The excerpts hold whole field books between "----8<----" lines, among notes about them.
TEST(RealFieldBooks, PregeoExcerptsGiveTheTotalStationReadings) {
    const std::string dir = testsupport::RealFixturesDir();
    if (dir.empty()) {
        GTEST_SKIP() << "no shared fixtures";
    }
    const std::string text = platform::ReadFileBytes(dir + "/pregeo-excerpts.txt");
    std::vector<std::string> books;
    bool inBook = false;
    for (std::string_view line : platform::SplitLineViews(text)) {
        if (line.starts_with("----8<----")) {
            inBook = !inBook;
            if (inBook) {
                books.emplace_back();
            }
        } else if (inBook) {
            books.back() += std::string(line) + "\r\n";
        }
    }
    ASSERT_EQ(books.size(), 3u);

    // Book 0: GPS rows at base 1000, then station 100 with two long total-station rows.
    // 60.592 x sin(75.3981 gon) = 56.124; 54.768 x sin(68.3186 gon) = 48.125.
    // Book 1: GPS only. Book 2: station 100 with two long rows with a note;
    // 24.686 x sin(97.4713 gon) = 24.667.
    const Rows expected[] = {
        {{"1200", "84.3936", "75.3981", "60.592", "56.124", ""},
         {"1100", "42.8786", "68.3186", "54.768", "48.125", ""}},
        {},
        {{"101", "323.5725", "100.2380", "38.944", "38.944", "SPIG.FABBR."},
         {"102", "359.7077", "97.4713", "24.686", "24.667", "SPIG.FABBR."}},
    };
    for (size_t i = 0; i < books.size(); ++i) {
        SCOPED_TRACE("book " + std::to_string(i));
        TextGrid sdr = NewSdrGrid();
        ASSERT_TRUE(ReadFieldBook(books[i], ".dat", "100", sdr));
        EXPECT_EQ(DataRows(sdr), expected[i]);
        ASSERT_TRUE(ReadFieldBook(books[i], ".dat", "1000", sdr));
        EXPECT_EQ(DataRows(sdr), Rows{});
    }

    // The whole file, notes included, reads without error.
    TextGrid sdr = NewSdrGrid();
    ASSERT_TRUE(ReadFieldBook(text, ".dat", "100", sdr));
    EXPECT_EQ(sdr.RowCount(), 5);
}

}  // namespace
}  // namespace ortix
