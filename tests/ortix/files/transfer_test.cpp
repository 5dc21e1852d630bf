#include "ortix/files/transfer.h"

#include "ortix/adjustment/adjustment.h"
#include "ortix/adjustment/page_texts.h"
#include "ortix/files/coordinate_file.h"
#include "ortix/files/field_book.h"
#include "platform/numbers.h"
#include "tests/ortix/files/grid_rows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ortix {
namespace {

using platform::TextGrid;
using testsupport::DataRows;
using testsupport::Rows;

TextGrid Coordi(const Rows& rows) {
    return testsupport::WithDataRows(NewCoordiGrid(), rows);
}
TextGrid Sdr(const Rows& rows) {
    return testsupport::WithDataRows(NewSdrGrid(), rows);
}

// Known points typed before the transfer.
TextGrid TypedPunoti() {
    return testsupport::WithDataRows(
        NewPunotiGrid(), {{"OLD", "1", "2", "3", "4", "5"}, {"OLD2", "", "", "", "", ""}});
}

TEST(TransferToKnownPoints, FollowsTheCoordinatesThenTheReadings) {
    const TextGrid coordi = Coordi({{"A", "100.000", "200.000", "10", "a"},
                                    {"B", "110.000", "210.000", "11", "b"},
                                    {"C", "120.000", "220.000", "12", "c"}});
    const TextGrid sdr = Sdr({{"C", "300.0000", "100.0000", "30.00", "30.000", ""},
                              {"A", "10.0000", "100.0000", "10.00", "10.000", ""},
                              {"A", "10.5000", "99.0000", "11.00", "10.999", ""}});
    TextGrid punoti = TypedPunoti();
    ASSERT_TRUE(TransferToKnownPoints(coordi, sdr, punoti));
    EXPECT_EQ(DataRows(punoti), (Rows{
                                    {"A", "100.000", "200.000", "10.0000", "0.00", "10.000"},
                                    {"A", "100.000", "200.000", "10.5000", "0.00", "10.999"},
                                    {"C", "120.000", "220.000", "300.0000", "0.00", "30.000"},
                                }));
    EXPECT_EQ(testsupport::TitleRow(punoti),
              std::vector<std::string>(kPunotiHeader.begin(), kPunotiHeader.end()));
}

TEST(TransferToKnownPoints, PairsNamesExactly) {
    const std::vector<std::string> reading = {"", "1.0000", "100.0000", "5.00", "5.000", ""};
    auto readingOf = [&](const std::string& name) {
        std::vector<std::string> r = reading;
        r[0] = name;
        return r;
    };
    struct Case {
        const char* name;
        Rows coordi;
        Rows sdr;
        Rows punoti;
    };
    const Case cases[] = {
        {"no name in common empties the table", {{"A", "1", "2", "", ""}}, {readingOf("B")}, {}},
        {"case counts", {{"a1", "1", "2", "", ""}}, {readingOf("A1")}, {}},
        {"a trailing blank counts", {{"A1", "1", "2", "", ""}}, {readingOf("A1 ")}, {}},
        {"no readings at all", {{"A", "1", "2", "", ""}}, {}, {}},
        {"a name twice in the coordinates pairs twice",
         {{"A", "1", "2", "", ""}, {"A", "3", "4", "", ""}},
         {readingOf("A")},
         {{"A", "1", "2", "1.0000", "0.00", "5.000"}, {"A", "3", "4", "1.0000", "0.00", "5.000"}}},
        {"empty names pair like any other",
         {{"", "", "", "", ""}},
         {readingOf("")},
         {{"", "", "", "1.0000", "0.00", "5.000"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TextGrid punoti = TypedPunoti();
        EXPECT_TRUE(TransferToKnownPoints(Coordi(c.coordi), Sdr(c.sdr), punoti));
        EXPECT_EQ(DataRows(punoti), c.punoti);
        EXPECT_EQ(punoti.Cell(0, 0), kPunotiHeader[0]);
    }
}

TEST(TransferToKnownPoints, ChangesNothingWithoutCoordinatesOrWhenCancelled) {
    const TextGrid sdr = Sdr({{"A", "1.0000", "100.0000", "5.00", "5.000", ""}});
    TextGrid punoti = TypedPunoti();
    EXPECT_FALSE(TransferToKnownPoints(Coordi({}), sdr, punoti));
    EXPECT_EQ(DataRows(punoti), DataRows(TypedPunoti()));

    Rows points;
    for (int i = 0; i < 10000; ++i) {
        points.push_back({"A", std::to_string(i), "0", "", ""});
    }
    EXPECT_FALSE(
        TransferToKnownPoints(Coordi(points), sdr, punoti, [](double f) { return f < 0.5; }));
    EXPECT_EQ(DataRows(punoti), DataRows(TypedPunoti()));
    EXPECT_TRUE(TransferToKnownPoints(Coordi(points), sdr, punoti, [](double) { return true; }));
    EXPECT_EQ(punoti.RowCount(), 10001);
    EXPECT_EQ(punoti.Cell(1, 10000), "9999");
}

// The road without typing: a field book and a coordinate file, the transfer, "Calcola". The
// result is that of the same observations typed by hand, reduced distances computed apart.
TEST(TransferToKnownPoints, FieldBookAndCoordinatesAdjustAsTheTypedData) {
    TextGrid sdr = NewSdrGrid();
    ASSERT_TRUE(LoadFieldBook(testsupport::TestDataFile("sdr/resection-33.sdr"), "P", sdr));
    TextGrid coordi = NewCoordiGrid();
    ASSERT_TRUE(LoadCoordinates(testsupport::TestDataFile("asp/resection.asp"), coordi));
    TextGrid punoti = NewPunotiGrid();
    ASSERT_TRUE(TransferToKnownPoints(coordi, sdr, punoti));

    // In the order of the coordinate file; E has no coordinates, F no reading. Sides are
    // slope distance x sin(zenith), worked out by hand: 123.831 x sin(97 gon) = 123.6935.
    const Rows typed = {
        {"D", "5030.000", "2880.000", "292.1380", "0.00", "123.694"},
        {"B", "5000.000", "3200.000", "76.5425", "0.00", "200.000"},
        {"A", "5100.000", "3000.000", "376.5445", "0.00", "100.000"},
        {"A", "5100.000", "3000.000", "376.5441", "0.00", "100.001"},
        {"C", "4850.000", "3000.000", "176.5438", "0.00", "150.000"},
    };
    EXPECT_EQ(DataRows(punoti), typed);

    AdjustmentDisplay fromFiles = NewAdjustmentDisplay();
    RunAdjustment(punoti, "5000.5", "2999.6", fromFiles);
    AdjustmentDisplay byHand = NewAdjustmentDisplay();
    RunAdjustment(testsupport::WithDataRows(NewPunotiGrid(), typed), "5000.5", "2999.6", byHand);
    EXPECT_EQ(DataRows(fromFiles.Matrice), DataRows(byHand.Matrice));
    EXPECT_EQ(DataRows(fromFiles.Risultati), DataRows(byHand.Risultati));
    const std::vector<std::string> textsFromFiles = {
        fromFiles.n_,   fromFiles.ni_,   fromFiles.ne_,    fromFiles.nl_,   fromFiles.x_,
        fromFiles.emx_, fromFiles.Y_,    fromFiles.EMY_,   fromFiles.ema_,  fromFiles.z_,
        fromFiles._men, fromFiles._teta, fromFiles._semag, fromFiles._semin};
    const std::vector<std::string> textsByHand = {
        byHand.n_,   byHand.ni_,   byHand.ne_,    byHand.nl_,   byHand.x_,
        byHand.emx_, byHand.Y_,    byHand.EMY_,   byHand.ema_,  byHand.z_,
        byHand._men, byHand._teta, byHand._semag, byHand._semin};
    EXPECT_EQ(textsFromFiles, textsByHand);

    // The station was set up at north 5000, east 3000 with the orientation 23.4567 gon, and the
    // directions carry about 1 mgon of noise: the adjusted point lies within a few millimetres.
    constexpr double kPositionTol = 0.005;
    constexpr double kOrientationTolGon = 0.002;
    EXPECT_EQ(fromFiles.n_, "5");
    EXPECT_NEAR(platform::StrToFloat(fromFiles.x_), 5000.0, kPositionTol);
    EXPECT_NEAR(platform::StrToFloat(fromFiles.Y_), 3000.0, kPositionTol);
    EXPECT_NEAR(platform::StrToFloat(fromFiles.z_), 23.4567, kOrientationTolGon);
}

}  // namespace
}  // namespace ortix
