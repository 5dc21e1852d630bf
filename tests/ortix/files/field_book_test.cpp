#include "ortix/files/field_book.h"

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

// A table that a failed or cancelled import must leave exactly as it was.
TextGrid FilledSdr() {
    TextGrid sdr = NewSdrGrid();
    sdr.SetRowCount(3);
    sdr.FillRow(1, "old");
    sdr.FillRow(2, "older");
    return sdr;
}

std::string Fixture(const std::string& name) {
    return platform::ReadFileBytes(testsupport::TestDataFile(name));
}

// An SDR33 observation record: each field padded to 16 characters, names left-justified.
std::string Record33(const std::string& station, const std::string& target,
                     const std::string& slope, const std::string& zenith,
                     const std::string& horizontal, const std::string& description = "") {
    std::string r = "09F1";
    for (const std::string& field : {station, target, slope, zenith, horizontal, description}) {
        r += field + std::string(16 - field.size(), ' ');
    }
    return r;
}

// An SDR33 header with the version and the angle-unit code at character 41.
std::string Header33(char angleUnit) {
    std::string h = "00NMSDR33 V04-04.34    12-Mar-24 09:41";
    h.resize(40, ' ');
    return h + angleUnit + "12121";
}

TEST(SdrFieldReaders, TakeTheFieldsAtTheirPositionsTrimmed) {
    struct Case {
        const char* name;
        std::string record;
        std::string version;
        std::vector<std::string> fields;  // station, target, slope, zenith, horizontal, description
    };
    const Case cases[] = {
        {"version 20",
         "09F1S1  P1      12.345  100.0000   50.0000kerb            ",
         "20",
         {"S1", "P1", "12.345", "100.0000", "50.0000", "kerb"}},
        {"version 20, full fields",
         "09F100011001153.55000090.3611111104.975000FIT-TEST-LONG-16",
         "20",
         {"0001", "1001", "153.550000", "90.3611111", "104.975000", "FIT-TEST-LONG-16"}},
        {"version 20, blank distance",
         "09F100011001          90.2166666114.030555",
         "20",
         {"0001", "1001", "0.00", "90.2166666", "114.030555", ""}},
        {"version 33, right-justified names",
         Record33("           STLEV", "          KRYSHA", "79.32300000", "122.85694444",
                  "212.36416667", "spigolo"),
         "33",
         {"STLEV", "KRYSHA", "79.32300000", "122.85694444", "212.36416667", "spigolo"}},
        {"version 33, blank distance",
         Record33("S1", "C", "", "101.2345", "300.1000"),
         "33",
         {"S1", "C", "0.00", "101.2345", "300.1000", ""}},
        // Only a whole field of blanks is an angle-only sight; a record cut short inside the
        // distance field has no distance.
        {"version 33, record ends in the distance field",
         "09F1S1              C       ",
         "33",
         {"S1", "C", "", "", "", ""}},
        {"version 33, record ends after the station", "09F1S1", "33", {"S1", "", "", "", "", ""}},
        {"other version", Record33("S1", "A", "1", "2", "3", "d"), "30", {"", "", "", "", "", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<std::string> fields = {
            std::string(SdrStationName(c.record, c.version)),
            std::string(SdrTargetName(c.record, c.version)),
            std::string(SdrSlopeDistance(c.record, c.version)),
            std::string(SdrZenithReading(c.record, c.version)),
            std::string(SdrHorizontalReading(c.record, c.version)),
            std::string(SdrDescription(c.record, c.version)),
        };
        EXPECT_EQ(fields, c.fields);
    }
}

TEST(ReadFieldBook, Sdr33GivesTheReadingsOfTheStationInFileOrder) {
    const std::string bytes = Fixture("sdr/stations-33.sdr");
    TextGrid sdr = FilledSdr();
    ASSERT_TRUE(ReadFieldBook(bytes, ".sdr", "S1", sdr));
    // 25.5 x sin(100 gon); 100 x sin(99.5 gon) = 99.99692; blank distance; 50 x sin(50 gon).
    EXPECT_EQ(DataRows(sdr), (Rows{
                                 {"A", "12.3456", "100.0000", "25.500", "25.500", "pillar"},
                                 {"B", "150.0000", "99.5000", "100.000", "99.997", ""},
                                 {"C", "300.1000", "101.2345", "0.00", "0.000", "angle only"},
                                 {"D", "399.9999", "50.0000", "50.000", "35.355", "roof"},
                             }));
    EXPECT_EQ(testsupport::TitleRow(sdr),
              std::vector<std::string>(kSdrHeader.begin(), kSdrHeader.end()));

    ASSERT_TRUE(ReadFieldBook(bytes, ".sdr", "S2", sdr));
    EXPECT_EQ(DataRows(sdr), (Rows{{"A", "42.0000", "100.0000", "80.000", "80.000", ""}}));
}

TEST(ReadFieldBook, Sdr20GivesTheReadingsOfTheStation) {
    TextGrid sdr = FilledSdr();
    ASSERT_TRUE(ReadFieldBook(Fixture("sdr/stations-20.sdr"), ".sdr", "S1", sdr));
    // The "08" record of P4 is no observation; 20 x sin(90 gon) = 19.75377.
    EXPECT_EQ(DataRows(sdr), (Rows{
                                 {"P1", "50.0000", "100.0000", "12.345", "12.345", "kerb"},
                                 {"P2", "120.5000", "97.5000", "0.00", "0.000", "angle only"},
                                 {"P3", "250.0000", "90.0000", "20.000", "19.754", ""},
                             }));
}

TEST(ReadFieldBook, SdrAnglesInDegreesOrMilsAreConvertedToGon) {
    TextGrid sdr = FilledSdr();
    // A lone STX line before the header, LF line ends, degrees (character 41 "1").
    ASSERT_TRUE(ReadFieldBook(Fixture("sdr/degrees-stx-lf.sdr"), ".sdr", "ST", sdr));
    // 359.99944444 deg x 400 / 360 = 399.99938271 gon; 20 x sin(45 deg) = 14.14214.
    EXPECT_EQ(DataRows(sdr), (Rows{
                                 {"T1", "200.00000000", "100.00000000", "10.000", "10.000", ""},
                                 {"T2", "399.99938271", "50.00000000", "20.000", "14.142", ""},
                                 {"T3", "0.00000000", "90.00000000", "0.00", "0.000", ""},
                             }));

    // Mils: 6400 to the circle.
    const std::string mils =
        Header33('3') + "\r\n" + Record33("ST", "M1", "10.000", "1600", "3200") + "\r\n";
    ASSERT_TRUE(ReadFieldBook(mils, ".sdr", "ST", sdr));
    EXPECT_EQ(DataRows(sdr),
              (Rows{{"M1", "200.00000000", "100.00000000", "10.000", "10.000", ""}}));
}

TEST(ReadFieldBook, SdrCasesThatEndNormally) {
    const std::string record = Record33("S1", "A", "10.000", "100.0000", "5.0000");
    const Rows oneReading = {{"A", "5.0000", "100.0000", "10.000", "10.000", ""}};
    struct Case {
        const char* name;
        std::string bytes;
        std::string extension;
        std::string station;
        Rows rows;
    };
    const Case cases[] = {
        {"gon header", Header33('2') + "\r\n" + record, ".sdr", "S1", oneReading},
        {"blank angle unit means gon", Header33(' ') + "\r\n" + record, ".sdr", "S1", oneReading},
        {"extension in any case", Header33('2') + "\r\n" + record, ".Sdr", "S1", oneReading},
        {"STX byte in front of the header", "\x02" + Header33('2') + "\r\n" + record, ".SDR", "S1",
         oneReading},
        {"station not in the book", Header33('2') + "\r\n" + record, ".sdr", "S9", {}},
        {"a trailing blank in the station typed never matches",
         Header33('2') + "\r\n" + record,
         ".sdr",
         "S1 ",
         {}},
        {"station names are case-sensitive", Header33('2') + "\r\n" + record, ".sdr", "s1", {}},
        {"other version",
         "00NMSDR30" + Header33('2').substr(9) + "\r\n" + record,
         ".sdr",
         "S1",
         {}},
        // Without a "00" line the header is line 1, here a record whose characters 8-9 read "33".
        {"line 1 is never a record",
         Record33("ABC33", "A", "1", "100", "2") + "\r\n" + Record33("ABC33", "B", "1", "100", "3"),
         ".sdr",
         "ABC33",
         {{"B", "3", "100", "1", "1.000", ""}}},
        {"only a header", Header33('2'), ".sdr", "S1", {}},
        {"other record codes", Header33('2') + "\r\n08" + record.substr(2), ".sdr", "S1", {}},
        {"other extension keeps one empty data row",
         Header33('2') + "\r\n" + record,
         ".txt",
         "S1",
         {{"", "", "", "", "", ""}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TextGrid sdr = FilledSdr();
        EXPECT_TRUE(ReadFieldBook(c.bytes, c.extension, c.station, sdr));
        EXPECT_EQ(DataRows(sdr), c.rows);
        EXPECT_EQ(sdr.Cell(0, 0), kSdrHeader[0]);
    }
}

// A failed import leaves the table as it was, readings read before the fault included, and the
// error quotes the text at fault.
TEST(ReadFieldBook, ErrorsLeaveTheTableAsItWas) {
    const std::string good = Record33("S1", "A", "10.000", "100.0000", "5.0000");
    struct Case {
        const char* name;
        std::string bytes;
        std::string extension;
        std::string station;
        std::string message;
    };
    const Case cases[] = {
        {"empty station", Header33('2') + "\r\n" + good, ".sdr", "",
         "Inserisci il nome della Stazione!!"},
        {"empty SDR file", "", ".sdr", "S1", "List index out of bounds (0)"},
        {"bad zenith after a good reading",
         Header33('2') + "\r\n" + good + "\r\n" + Record33("S1", "B", "10", "99,5", "1"), ".sdr",
         "S1", "'99,5' is not a valid floating point value"},
        {"blank zenith", Header33('2') + "\r\n" + Record33("S1", "B", "10", "", "1"), ".sdr", "S1",
         "'' is not a valid floating point value"},
        {"bad distance", Header33('2') + "\r\n" + Record33("S1", "B", "10 m", "100", "1"), ".sdr",
         "S1", "'10 m' is not a valid floating point value"},
        {"bad horizontal reading in degrees",
         Header33('1') + "\r\n" + Record33("S1", "B", "10", "90", "12?30"), ".sdr", "S1",
         "'12?30' is not a valid floating point value"},
        {"unknown angle unit", Header33('7') + "\r\n" + good, ".sdr", "S1",
         "Unit\xE0 angolare del libretto non riconosciuta (7)!!"},
        {"Pregeo long record with a bad zenith", "1|S1|1.5|\r\n2|A|10.0|9x|20.0|1.5|\r\n", ".dat",
         "S1", "'9x' is not a valid floating point value"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TextGrid sdr = FilledSdr();
        try {
            ReadFieldBook(c.bytes, c.extension, c.station, sdr);
            ADD_FAILURE() << "no error";
        } catch (const platform::Error& e) {
            EXPECT_EQ(e.what(), c.message);
        }
        EXPECT_EQ(DataRows(sdr), DataRows(FilledSdr()));
    }
}

TEST(ReadFieldBook, ErrorKindsAreThePlatformsOwn) {
    TextGrid sdr = FilledSdr();
    EXPECT_THROW(ReadFieldBook("", ".sdr", "S1", sdr), platform::ListIndexError);
    EXPECT_THROW(ReadFieldBook("", ".sdr", "", sdr), platform::UserMessage);
    EXPECT_THROW(ReadFieldBook(Header33('2') + "\n" + Record33("S1", "A", "x", "100", "1"), ".sdr",
                               "S1", sdr),
                 platform::ConversionError);
    EXPECT_THROW(RequireStationName(""), platform::UserMessage);
    EXPECT_NO_THROW(RequireStationName(" "));
}

TEST(ReadFieldBook, PregeoReadsEveryBlockOfTheStation) {
    const std::string bytes = Fixture("pregeo/stations.dat");
    TextGrid sdr = FilledSdr();
    ASSERT_TRUE(ReadFieldBook(bytes, ".dat", "S1", sdr));
    // A and B: short records. The second block of S1 follows the first right away: C and D are
    // long records (zenith, slope distance, target height, note); 50 x sin(95 gon) = 49.84587.
    // The GPS record G is no reading.
    EXPECT_EQ(DataRows(sdr), (Rows{
                                 {"A", "10.5000", "100.0000", "30.20", "30.20", ""},
                                 {"B", "20.5000", "100.0000", "40.10", "40.10", ""},
                                 {"C", "30.5000", "95.0000", "50.000", "49.846", "spigolo"},
                                 {"D", "40.5000", "100.0000", "12.000", "12.000", ""},
                             }));
    ASSERT_TRUE(ReadFieldBook(bytes, ".DAT", "S2", sdr));
    EXPECT_EQ(DataRows(sdr), (Rows{{"A", "50.0000", "100.0000", "12.00", "12.00", ""}}));
}

TEST(ReadFieldBook, PregeoRecordCases) {
    struct Case {
        const char* name;
        std::string bytes;
        Rows rows;
    };
    const Case cases[] = {
        {"readings up to the next other record",
         "1|S|1.5\n2|A|10.5|30.2\n2|B|20.5|40.1\n3|x\n2|C|1|2\n",
         {{"A", "10.5", "100.0000", "30.2", "30.2", ""},
          {"B", "20.5", "100.0000", "40.1", "40.1", ""}}},
        {"a record of three fields repeats the last as distance",
         "1|S|\n2|A|10.5\n",
         {{"A", "10.5", "100.0000", "10.5", "10.5", ""}}},
        {"an empty field 5 keeps the short reading",
         "1|S|\n2|A|10.5|30.2||\n",
         {{"A", "10.5", "100.0000", "30.2", "30.2", ""}}},
        {"station on the last line", "1|T|\n2|A|1|2|\n1|S|1.5|", {}},
        {"two blocks with another record between",
         "1|S|\n2|A|1|2|\n5|x|\n1|S|\n2|B|3|4|\n",
         {{"A", "1", "100.0000", "2", "2", ""}, {"B", "3", "100.0000", "4", "4", ""}}},
        {"another station's readings are not read",
         "1|T|\n2|A|1|2|\n1|S|\n2|B|3|4|\n",
         {{"B", "3", "100.0000", "4", "4", ""}}},
        {"station names compare exactly", "1|S |\n2|A|1|2|\n1|s|\n2|B|3|4|\n", {}},
        {"a GPS run is skipped",
         "1|S|4541881.33,602513.83,4424078.52|0.000|\n"
         "2|1200|-12.332,26.175,8.797|0,0,0,0,0,0|PDOP=2|0.000|\n",
         {}},
        {"empty file", "", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TextGrid sdr = FilledSdr();
        EXPECT_TRUE(ReadFieldBook(c.bytes, ".dat", "S", sdr));
        EXPECT_EQ(DataRows(sdr), c.rows);
    }
}

TEST(ReadFieldBook, CancellingLeavesTheTableAsItWas) {
    std::string bytes = Header33('2') + "\r\n";
    for (int i = 0; i < 20000; ++i) {
        bytes += Record33("S1", "P" + std::to_string(i), "10.000", "100.0000", "1.0000") + "\r\n";
    }
    std::vector<double> fractions;
    const Progress cancelHalfWay = [&](double fraction) {
        fractions.push_back(fraction);
        return fraction < 0.5;
    };
    TextGrid sdr = FilledSdr();
    EXPECT_FALSE(ReadFieldBook(bytes, ".sdr", "S1", sdr, cancelHalfWay));
    EXPECT_EQ(DataRows(sdr), DataRows(FilledSdr()));
    ASSERT_FALSE(fractions.empty());
    EXPECT_TRUE(std::is_sorted(fractions.begin(), fractions.end()));
    EXPECT_GE(fractions.back(), 0.5);
    EXPECT_LE(fractions.back(), 1.0);

    int calls = 0;
    const Progress goOn = [&](double) { return ++calls > 0; };
    EXPECT_TRUE(ReadFieldBook(bytes, ".sdr", "S1", sdr, goOn));
    EXPECT_EQ(sdr.RowCount(), 20001);
    EXPECT_GT(calls, 0);
}

TEST(LoadFieldBook, ChoosesTheReaderByTheFileExtension) {
    testsupport::TempDir dir;
    const std::string record = Record33("S1", "A", "10.000", "100.0000", "5.0000");
    testsupport::WriteBytes(dir.File("book.SDR"), Header33('2') + "\r\n" + record + "\r\n");
    testsupport::WriteBytes(dir.File("book.dat"), "1|S1|\r\n2|B|1|2|\r\n");
    TextGrid sdr = FilledSdr();
    ASSERT_TRUE(LoadFieldBook(dir.File("book.SDR"), "S1", sdr));
    EXPECT_EQ(DataRows(sdr), (Rows{{"A", "5.0000", "100.0000", "10.000", "10.000", ""}}));
    ASSERT_TRUE(LoadFieldBook(dir.File("book.dat"), "S1", sdr));
    EXPECT_EQ(DataRows(sdr), (Rows{{"B", "1", "100.0000", "2", "2", ""}}));

    const std::string missing = dir.File("missing.sdr");
    sdr = FilledSdr();
    try {
        LoadFieldBook(missing, "S1", sdr);
        ADD_FAILURE() << "no error";
    } catch (const platform::FileError& e) {
        EXPECT_EQ(e.what(), "Cannot open file " + missing);
    }
    EXPECT_EQ(DataRows(sdr), DataRows(FilledSdr()));
}

TEST(FileExtension, IsTheLastDotOfTheFileName) {
    EXPECT_EQ(FileExtension("/a/b/Rilievo.SDR"), ".SDR");
    EXPECT_EQ(FileExtension("libretto.2024.dat"), ".dat");
    EXPECT_EQ(FileExtension("dir.d/libretto"), "");
    EXPECT_EQ(FileExtension("libretto"), "");
}

}  // namespace
}  // namespace ortix
