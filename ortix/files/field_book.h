#pragma once

// Field books: the readings taken at one station, read from an instrument's file into the
// field-book table sdr, one StationReading per data row, in the order of the file.
//
// Two formats are read. SDR field books (".sdr", versions "20" and "33") hold fixed-position
// records; the header gives the version and the angle unit, and each "09" record one reading.
// Pregeo field books (".dat") hold records of fields separated by "|": a type "1" record starts a
// station, the type "2" records right after it are its readings.
//
// Angles written into sdr are gon. Texts are Windows-1252 bytes, as the files hold them.

#include "ortix/files/progress.h"
#include "platform/textgrid.h"

#include <array>
#include <string>
#include <string_view>

namespace ortix {

// Title row of sdr, columns 0 to 5.
inline constexpr std::array<std::string_view, 6> kSdrHeader = {"  Punto  ",      " Lett. Azimut.",
                                                               " Lett. Zenit.",  " Distanza inc.",
                                                               " Distanza rid.", " Descrizione"};

// The columns of a StationReading, one data row of sdr.
struct StationReading {
    static constexpr int kPoint = 0;            // name of the sighted point
    static constexpr int kHorizontal = 1;       // horizontal reading, gon
    static constexpr int kZenith = 2;           // zenith reading, gon (100 = horizontal sight)
    static constexpr int kSlopeDistance = 3;    // length unit of the data
    static constexpr int kReducedDistance = 4;  // horizontal distance, "0.000"
    static constexpr int kDescription = 5;      // description or code of the point
    static constexpr int kColumnCount = 6;
};

// The field-book table as the window starts it: the title row and one empty data row.
platform::TextGrid NewSdrGrid();

// The station whose readings are read must have a name: throws platform::UserMessage
// "Inserisci il nome della Stazione!!" for an empty one. Blanks count as a name, since names are
// compared exactly.
void RequireStationName(std::string_view station);

// The fields of an SDR "09" observation record. `version` is the header's "20" or "33"; each
// field is the record's characters at its position (fewer when the record is shorter), trimmed
// of spaces. Any other version gives an empty field. Positions, counted from 1, and widths:
//
//   field                  version "20"   version "33"
//   SdrStationName          5, 4            5, 16
//   SdrTargetName           9, 4           21, 16
//   SdrSlopeDistance       13, 10          37, 16
//   SdrZenithReading       23, 10          53, 16
//   SdrHorizontalReading   33, 10          69, 16
//   SdrDescription         43, 16          85, 16
//
// SdrSlopeDistance gives "0.00" for a field of blanks only (an angle-only sight), so
// "09F100011001          90.2166666..." (version "20") has slope distance "0.00".
// The views point into the record, or at static text.
std::string_view SdrStationName(std::string_view record, std::string_view version);
std::string_view SdrTargetName(std::string_view record, std::string_view version);
std::string_view SdrSlopeDistance(std::string_view record, std::string_view version);
std::string_view SdrZenithReading(std::string_view record, std::string_view version);
std::string_view SdrHorizontalReading(std::string_view record, std::string_view version);
std::string_view SdrDescription(std::string_view record, std::string_view version);

// Replaces the data rows of sdr by the readings of `station`, read from a field book's bytes.
// `extension` is the file's extension with its dot, in any case: ".sdr" reads an SDR field book,
// ".dat" a Pregeo one; any other leaves sdr with one empty data row. The title row of sdr is kept.
// n readings give exactly n data rows; none give no data row at all. `station` is compared
// exactly (case and blanks count) with the station names of the file.
//
// SDR: the header is the first line beginning with "00" (a lone STX line or byte before it is
// skipped; without such a line, line 1 is the header). Its characters 8-9 give the version; a
// version other than "20" and "33" gives no reading. Its character 41 gives the angle unit:
// "2" or a blank (or a shorter header) gon, copied as the file writes them; "1" degrees and "3"
// mils, converted to gon and written with "0.00000000". The reduced distance is slope distance
// x SinGon(zenith), written with "0.000".
//
// Pregeo: a type "1" record whose second field is the station starts its readings, the type "2"
// records right after it. The short record 2|point|Hz|distance| gives zenith "100.0000" and the
// distance also as reduced distance; the long record 2|point|Hz|zenith|slope distance|target
// height|note| (recognised by a number in field 5) gives the zenith, the slope distance, the
// reduced distance as for SDR and the note as description. A record whose horizontal reading
// holds "," (a GPS vector) is no reading and is skipped. A station record right after a run of
// readings starts a new run.
//
// Returns true when sdr was replaced, false when the progress hook cancelled.
// Throws, leaving sdr as it was:
//   platform::UserMessage "Inserisci il nome della Stazione!!" for an empty station;
//   platform::ConversionError "'%s' is not a valid floating point value" for a zenith or slope
//     distance (or, in degrees or mils, a horizontal reading) that is not a number;
//   platform::ListIndexError "List index out of bounds (0)" for an SDR file without any line;
//   platform::UserMessage naming the code for an SDR angle unit other than 1, 2, 3 or blank.
bool ReadFieldBook(std::string_view bytes, std::string_view extension, const std::string& station,
                   platform::TextGrid& sdr, const Progress& progress = {});

// ReadFieldBook on the file's bytes, with the extension of its name. Throws platform::FileError
// "Cannot open file %s" when the file cannot be read.
bool LoadFieldBook(const std::string& path, const std::string& station, platform::TextGrid& sdr,
                   const Progress& progress = {});

// Whether ReadFieldBook reads files of this extension: ".sdr" and ".dat", in any case.
bool IsFieldBookExtension(std::string_view extension);

// The extension of a file name with its dot, as written: "dir.d/Rilievo.SDR" -> ".SDR";
// "" when the name has none.
std::string_view FileExtension(std::string_view path);

}  // namespace ortix
