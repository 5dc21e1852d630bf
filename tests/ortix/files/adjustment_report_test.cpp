#include "ortix/files/adjustment_report.h"

#include "ortix/adjustment/adjustment.h"
#include "ortix/adjustment/page_texts.h"
#include "ortix/files/known_points_file.h"
#include "ortix/survey/myutil.h"
#include "platform/errors.h"
#include "platform/numbers.h"
#include "platform/textfile.h"
#include "tests/ortix/adjustment/adjustment_network.h"
#include "tests/ortix/files/grid_rows.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace ortix {
namespace {

using Row = std::vector<std::string>;

const std::string kTitle(kTitleText);
const std::string kVersion(kVersionText);

std::vector<std::string> Lines(const std::string& bytes) {
    return platform::SplitLines(bytes);
}

// A station of six known points with mixed observations and errors of a few milligon and
// millimetres, its report checked against the golden file and its numbers against a solution
// with the orientation as a third unknown.
TEST(AdjustmentReport, GoldenReportOfAMixedStation) {
    StationTexts station;
    platform::TextGrid punoti = NewPunotiGrid();
    LoadKnownPoints(testsupport::TestDataFile("not/stazione_mista.not"), station, punoti);
    const std::vector<KnownPoint> points = ReadKnownPointRows(punoti);
    AdjustmentDisplay display = NewAdjustmentDisplay();
    RunAdjustment(punoti, station.xp_, station.yp_, display);
    const std::string report = BuildAdjustmentReport(kTitle, kVersion, station, punoti, display);
    EXPECT_EQ(report, platform::ReadFileBytes(
                          testsupport::TestDataFile("adjustment_report/stazione_mista.txt")));

    const double n0 = platform::StrToFloat(station.xp_);
    const double e0 = platform::StrToFloat(station.yp_);
    const testnet::Solution s = testnet::SolveWithOrientationUnknown(points, n0, e0);
    const std::vector<std::string> lines = Lines(report);
    auto has = [&](const std::string& line) {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    };
    const platform::FloatFormat f4("0.0000");
    const platform::FloatFormat f5("0.00000");
    EXPECT_TRUE(has("X/N compensata : " + f4(s.north) + "\t Errore medio : " + f5(s.mN)));
    EXPECT_TRUE(has("Y/E compensata : " + f4(s.east) + "\t Errore medio : " + f5(s.mE)));
    EXPECT_TRUE(has("Disorientamento compensato: " + f5(s.orientation)));
    EXPECT_TRUE(has("Errore Medio delle misure: " + platform::FormatFloat("0.000000", s.m0)));
    EXPECT_TRUE(has("Coefficiente di covarianza : " + platform::FormatFloat("0.00000000", s.men)));
    EXPECT_TRUE(
        has("Punti Noti : 6\t Dir. Interne : 5\t Anom. Esterne : 3\t Lati : 4\t"
            " Equazioni : 12"));

    // The side equation of the first point by hand: a = rho cos/d, b = rho sin/d of the bearing
    // from the point to P0, l = rho (d - s) / d.
    const KnownPoint& q = points[0];
    const double theta = testnet::BearingGon(q.north, q.east, n0, e0) / testnet::kRho;
    const double d = std::hypot(q.north - n0, q.east - e0);
    const std::string sideRow = PadRight(q.name, 25, " ") + " lati Mis. \t" +
                                PadLeft(f4(testnet::kRho * std::cos(theta) / d), 10, " ") + "\t" +
                                PadLeft(f4(testnet::kRho * std::sin(theta) / d), 10, " ") + "\t" +
                                PadLeft(f4(testnet::kRho * (d - q.side) / d), 10, " ") + "\t";
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
        return line.rfind(sideRow, 0) == 0;
    })) << sideRow;

    // The table now shows the normalised numbers.
    EXPECT_EQ(punoti.Cell(4, 1), "0.0000");
    EXPECT_EQ(punoti.Cell(1, 1), "5402.1180");
}

TEST(AdjustmentReport, KnownPointLines) {
    const struct {
        const char* name;
        Row cells;
        std::string line;
    } cases[] = {
        {"all 0.00",
         {"P1", "0.00", "0.00", "0.00", "0.00", "0.00"},
         "P1" + std::string(23, ' ') +
             "    0.0000\t    0.0000\t    0.0000\t    0.0000\t    0.0000"},
        {"a name of 25 runs into the north",
         {"ABCDEFGHIJKLMNOPQRSTUVWXY", "1", "2", "3", "4", "5"},
         "ABCDEFGHIJKLMNOPQRSTUVWXY    1.0000\t    2.0000\t    3.0000\t    4.0000\t    5.0000"},
        {"a value wider than 10 is not cut",
         {"P2", "-4541881.33", "12.34567", "1e2", " 7 ", "-0"},
         "P2" + std::string(23, ' ') +
             "-4541881.3300\t   12.3457\t  100.0000\t    7.0000\t    0.0000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        platform::TextGrid punoti = NewPunotiGrid();
        for (int col = 0; col < 6; ++col) {
            punoti.SetCell(col, 1, c.cells[static_cast<size_t>(col)]);
        }
        const std::vector<std::string> lines =
            Lines(BuildAdjustmentReport(kTitle, kVersion, {}, punoti, NewAdjustmentDisplay()));
        EXPECT_EQ(lines.at(12), c.line);
        for (int col = 1; col < 6; ++col) {
            EXPECT_EQ(punoti.Cell(col, 1).find('.') + 5, punoti.Cell(col, 1).size());
        }
    }
}

TEST(AdjustmentReport, CountsComeFromTheTables) {
    platform::TextGrid punoti = NewPunotiGrid();
    punoti.SetRowCount(4);
    for (int r = 1; r < 4; ++r) {
        SetDefaultKnownPointRow(punoti, r);
    }
    AdjustmentDisplay display = NewAdjustmentDisplay();
    display.n_ = "9";
    display.ni_ = "2";
    display.ne_ = "1";
    display.nl_ = "0";
    display.Matrice.SetRowCount(6);
    const std::vector<std::string> lines =
        Lines(BuildAdjustmentReport(kTitle, kVersion, {}, punoti, display));
    EXPECT_EQ(lines.at(16),
              "Punti Noti : 3\t Dir. Interne : 2\t Anom. Esterne : 1\t Lati : 0\t Equazioni : 5");
}

// Before any adjustment: every fixed line in its order, the empty fields and the table rows as
// the window holds them.
TEST(AdjustmentReport, TheReportOfAnEmptyPage) {
    platform::TextGrid punoti = NewPunotiGrid();
    const std::string tab = "\t";
    const std::string blankRow = " " + std::string(10, ' ') + [] {
        std::string s;
        for (int i = 0; i < 5; ++i) {
            s += "\t" + std::string(10, ' ');
        }
        return s;
    }();
    const std::vector<std::string> expected = {
        "COMPENSAZIONE PLANIMETRICA DI PUNTO ISOLATO",
        " ",
        "V. 2.1.1.2" + std::string(kReportCredit),
        " ",
        "DATI DI PARTENZA",
        " ",
        "Nome Stazione : ",
        "X/N provvisorie : ",
        "Y/E provvisorie : ",
        "PUNTI NOTI ED ELEMENTI OSSERVATI :",
        " ",
        "          NOME              X / N   \t  Y / E   \t Dir. Int.\tAnom. Est.\t    Lato  ",
        std::string(25, ' ') + "    0.0000\t    0.0000\t    0.0000\t    0.0000\t    0.0000",
        " ",
        "Punti Noti : 1\t Dir. Interne : \t Anom. Esterne : \t Lati : \t Equazioni : 1",
        " ",
        "Matrice delle equazioni",
        " ",
        "           NOME             Dato     \t  Coeff. A\t  Coeff. B\t   Scarto \t   Residuo\t"
        " Res. Lin.",
        blankRow,
        " ",
        "Punto Compensato",
        " ",
        "Errore Medio delle misure: ",
        " ",
        "X/N compensata : \t Errore medio : ",
        " ",
        "Y/E compensata : \t Errore medio : ",
        " ",
        "Disorientamento compensato: ",
        " ",
        "Ellisse d'errore :",
        " ",
        "Coefficiente di covarianza : ",
        "Angolo teta : \tsemiasse magg : \tsemiasse min : ",
        " ",
        "Dati Compensati",
        " ",
        "           NOME            Dir. int. \t    Scarto\t Anomalia \t    Scarto\t   Lato   \t"
        "    Scarto",
        blankRow,
    };
    const std::string bytes =
        BuildAdjustmentReport(kTitle, kVersion, {}, punoti, NewAdjustmentDisplay());
    EXPECT_EQ(Lines(bytes), expected);
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    EXPECT_EQ(bytes.find("\n\n"), std::string::npos);
}

TEST(WriteAdjustmentReport, ABadCellWritesNothing) {
    testsupport::TempDir dir;
    const std::string path = dir.File("rapporto.txt");
    platform::TextGrid punoti = NewPunotiGrid();
    punoti.SetRowCount(4);
    for (int r = 1; r < 4; ++r) {
        SetDefaultKnownPointRow(punoti, r);
    }
    punoti.SetCell(5, 2, "");  // an empty side
    try {
        WriteAdjustmentReport(path, kTitle, kVersion, {}, punoti, NewAdjustmentDisplay());
        ADD_FAILURE() << "no error";
    } catch (const platform::ConversionError& e) {
        EXPECT_EQ(std::string(e.what()), "'' is not a valid floating point value");
    }
    EXPECT_FALSE(testsupport::FileExists(path));
    // The rows before the bad cell are normalised, the ones after are not.
    EXPECT_EQ(punoti.Cell(5, 1), "0.0000");
    EXPECT_EQ(punoti.Cell(4, 2), "0.0000");
    EXPECT_EQ(punoti.Cell(1, 3), "0.00");
}

TEST(WriteAdjustmentReport, AFileThatCannotBeCreatedLeavesTheTableNormalised) {
    testsupport::TempDir dir;
    const std::string path = dir.File("manca/rapporto.txt");
    platform::TextGrid punoti = NewPunotiGrid();
    try {
        WriteAdjustmentReport(path, kTitle, kVersion, {}, punoti, NewAdjustmentDisplay());
        ADD_FAILURE() << "no error";
    } catch (const platform::FileError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot create file " + path);
    }
    EXPECT_EQ(punoti.Cell(1, 1), "0.0000");
    EXPECT_FALSE(testsupport::FileExists(path));
}

TEST(WriteAdjustmentReport, WritesTheBytesItBuilds) {
    testsupport::TempDir dir;
    const std::string path = dir.File("rapporto.txt");
    const StationTexts station{"CITT\xC0", "1", "2"};
    platform::TextGrid punoti = NewPunotiGrid();
    WriteAdjustmentReport(path, kTitle, kVersion, station, punoti, NewAdjustmentDisplay());
    platform::TextGrid again = NewPunotiGrid();
    EXPECT_EQ(testsupport::ReadBytes(path),
              BuildAdjustmentReport(kTitle, kVersion, station, again, NewAdjustmentDisplay()));
    EXPECT_NE(testsupport::ReadBytes(path).find("Nome Stazione : CITT\xC0\r\n"), std::string::npos);
}

}  // namespace
}  // namespace ortix
