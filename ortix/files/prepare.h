#pragma once

// Preparing an adjustment without typing: the readings of one station from a field book, the
// coordinates of the sighted points from a coordinate file, paired by point name into the
// known-points table, and saved as the known-points file that "Salva punti noti" writes. The
// steps are those of the page "Libretto e Coordinate": "Carica Libretto", "Carica Coordinate"
// into a cleared table, "Trasferisci".

#include "ortix/files/known_points_file.h"
#include "platform/textgrid.h"

#include <string>
#include <string_view>

namespace ortix {

// What the known-points file is made of.
struct PrepareRequest {
    std::string fieldBookPath;    // ".sdr" or ".dat", in any case
    std::string coordinatesPath;  // coordinate file (".asp")
    // Station name (op_) and provisional north (xp_) and east (yp_); the coordinates may be
    // empty, and are written as given.
    StationTexts station;
};

// The known points, and how many rows each step gave.
struct PreparedKnownPoints {
    StationTexts station;
    platform::TextGrid punoti;  // title row and one row per pair of reading and coordinates
    int readings = 0;           // data rows read from the field book
    int coordinates = 0;        // data rows read from the coordinate file
    int unpairedReadings = 0;   // readings whose point has no coordinates
};

// Messages of a preparation that would give no known point (Windows-1252 texts).
// "La stazione S1 non ha letture nel libretto rilievo.sdr!!"
std::string NoReadingsMessage(std::string_view station, std::string_view fieldBookPath);
// "Nessun punto letto dalla stazione S1 ha coordinate in punti.asp!!"
std::string NoPairsMessage(std::string_view station, std::string_view coordinatesPath);
// "Libretto non riconosciuto (.txt): le estensioni sono .sdr e .dat!!"
std::string FieldBookExtensionMessage(std::string_view extension);

// Reads the field book for the station, loads the coordinates into a cleared coordinates table
// and pairs them. Throws, before anything is written:
//   platform::UserMessage "Inserisci il nome della Stazione!!" for an empty station name;
//   platform::ConversionError for a provisional coordinate given but not a number, and for the
//     readings as ReadFieldBook does;
//   platform::UserMessage FieldBookExtensionMessage for an extension other than .sdr and .dat,
//     NoReadingsMessage when the station has no reading, NoPairsMessage when no reading has
//     coordinates;
//   platform::FileError "Cannot open file %s", and the other errors of the readers.
PreparedKnownPoints PrepareKnownPoints(const PrepareRequest& request);

// PrepareKnownPoints, then SaveKnownPoints into `outputPath` (atomically: on
// platform::FileError "Cannot create file %s" an old file stays as it was).
PreparedKnownPoints PrepareKnownPointsFile(const PrepareRequest& request,
                                           const std::string& outputPath);

}  // namespace ortix
