#include "ortix/files/prepare.h"

#include "ortix/adjustment/adjustment.h"
#include "ortix/adjustment/page_texts.h"
#include "platform/errors.h"
#include "platform/numbers.h"
#include "tests/ortix/files/grid_rows.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <string>

namespace ortix {
namespace {

const std::string kFieldBook = testsupport::TestDataFile("sdr/resection-33.sdr");
const std::string kCoordinates = testsupport::TestDataFile("asp/resection.asp");

TEST(PrepareKnownPointsFile, WritesTheFileThatAdjusts) {
    testsupport::TempDir dir;
    const std::string out = dir.File("P.not");
    const PreparedKnownPoints prepared =
        PrepareKnownPointsFile({kFieldBook, kCoordinates, {"P", "5000.5", "2999.6"}}, out);
    EXPECT_EQ(prepared.readings, 6);
    EXPECT_EQ(prepared.coordinates, 5);
    EXPECT_EQ(prepared.unpairedReadings, 1);  // E has no coordinates
    EXPECT_EQ(testsupport::ReadBytes(out),
              "P,5000.5,2999.6\r\n"
              "D,5030.000,2880.000,292.1380,0.00,123.694\r\n"
              "B,5000.000,3200.000,76.5425,0.00,200.000\r\n"
              "A,5100.000,3000.000,376.5445,0.00,100.000\r\n"
              "A,5100.000,3000.000,376.5441,0.00,100.001\r\n"
              "C,4850.000,3000.000,176.5438,0.00,150.000\r\n");

    // The file loads and adjusts to the station's true place, north 5000 and east 3000.
    StationTexts station;
    platform::TextGrid punoti = NewPunotiGrid();
    LoadKnownPoints(out, station, punoti);
    AdjustmentDisplay display = NewAdjustmentDisplay();
    RunAdjustment(punoti, station.xp_, station.yp_, display);
    constexpr double kPositionTol = 0.005;
    EXPECT_NEAR(platform::StrToFloat(display.x_), 5000.0, kPositionTol);
    EXPECT_NEAR(platform::StrToFloat(display.Y_), 3000.0, kPositionTol);

    // Without provisional coordinates their fields stay empty.
    PrepareKnownPointsFile({kFieldBook, kCoordinates, {"P", "", ""}}, out);
    EXPECT_TRUE(testsupport::ReadBytes(out).starts_with("P,,\r\nD,"));
}

TEST(PrepareKnownPointsFile, ErrorsWriteNothing) {
    testsupport::TempDir dir;
    const std::string otherNames = dir.File("other.asp");
    testsupport::WriteBytes(otherNames, "X,1,2,3,\r\nY,4,5,6,\r\n");
    const std::string empty = dir.File("empty.asp");
    testsupport::WriteBytes(empty, "");
    const std::string text = dir.File("book.txt");
    testsupport::WriteBytes(text, "1|P|\r\n2|A|1|2|\r\n");
    const std::string missing = dir.File("missing.sdr");
    struct Case {
        const char* name;
        PrepareRequest request;
        std::string message;
    };
    const Case cases[] = {
        {"empty station",
         {kFieldBook, kCoordinates, {"", "1", "2"}},
         "Inserisci il nome della Stazione!!"},
        {"provisional north with a comma",
         {kFieldBook, kCoordinates, {"P", "5000,5", "2999.6"}},
         "'5000,5' is not a valid floating point value"},
        {"field book of another kind",
         {text, kCoordinates, {"P", "", ""}},
         "Libretto non riconosciuto (.txt): le estensioni sono .sdr e .dat!!"},
        {"missing field book",
         {missing, kCoordinates, {"P", "", ""}},
         "Cannot open file " + missing},
        {"station not in the field book",
         {kFieldBook, kCoordinates, {"Z", "", ""}},
         "La stazione Z non ha letture nel libretto " + kFieldBook + "!!"},
        {"no reading has coordinates",
         {kFieldBook, otherNames, {"P", "", ""}},
         "Nessun punto letto dalla stazione P ha coordinate in " + otherNames + "!!"},
        {"empty coordinate file",
         {kFieldBook, empty, {"P", "", ""}},
         "Nessun punto letto dalla stazione P ha coordinate in " + empty + "!!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string out = dir.File("out.not");
        try {
            PrepareKnownPointsFile(c.request, out);
            ADD_FAILURE() << "no error";
        } catch (const platform::Error& e) {
            EXPECT_EQ(e.what(), c.message);
        }
        EXPECT_FALSE(testsupport::FileExists(out));
    }

    const std::string unwritable = dir.File("nowhere/P.not");
    EXPECT_THROW(PrepareKnownPointsFile({kFieldBook, kCoordinates, {"P", "", ""}}, unwritable),
                 platform::FileError);
}

}  // namespace
}  // namespace ortix
