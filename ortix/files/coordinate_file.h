#pragma once

// Coordinate files (".asp"): one point a line, the fields name, east, north, height and
// description separated by ",", without a header, quoting or escaping. East comes before north,
// the reverse of the coordinates table coordi. The description is the rest of the line and may
// hold commas of its own. Lines are written with CR LF; CR LF, LF and CR are read.

#include "ortix/files/progress.h"
#include "platform/textgrid.h"

#include <array>
#include <string>
#include <string_view>

namespace ortix {

// Title row of coordi, columns 0 to 4.
inline constexpr std::array<std::string_view, 5> kCoordiHeader = {
    "  Punto  ", "   X/N   ", "   Y/E   ", "    Q    ", " Descrizione"};

// The columns of a PointCoordinate, one data row of coordi.
struct PointCoordinate {
    static constexpr int kPoint = 0;  // point name
    static constexpr int kNorth = 1;
    static constexpr int kEast = 2;
    static constexpr int kHeight = 3;
    static constexpr int kDescription = 4;
    static constexpr int kColumnCount = 5;
};

// The coordinates table as the window starts it: the title row and one empty data row.
platform::TextGrid NewCoordiGrid();

// Appends the points of a coordinate file's bytes to coordi. The first point replaces the table's
// last data row (the empty row of a cleared table), each further point goes into a new row after
// it, the rows above stay: n lines grow the table by n - 1 rows, a file without lines removes the
// last data row. A table without data rows gets the points after its title row, and the title row
// is never removed. Each line gives four fields split with TakeField and "," into name, east,
// north and height, and what is left whole into the description; a short line repeats its last
// field ('P1,100,200' gives height and description 200 too). No text is checked.
// Returns true when the load is done, false when the progress hook cancelled (coordi as it was).
bool ReadCoordinates(std::string_view bytes, platform::TextGrid& coordi,
                     const Progress& progress = {});

// ReadCoordinates on the file's bytes. Throws platform::FileError "Cannot open file %s" before
// coordi is touched.
bool LoadCoordinates(const std::string& path, platform::TextGrid& coordi,
                     const Progress& progress = {});

// The file's bytes for the data rows of coordi, one line "name,east,north,height,description"
// each, ended by CR LF: the row P1, north 5, east 7, height 2, pillar gives "P1,7,5,2,pillar".
std::string CoordinatesText(const platform::TextGrid& coordi);

// Writes CoordinatesText to the file, atomically: on failure the old file stays as it was and
// platform::FileError "Cannot create file %s" is thrown.
void SaveCoordinates(const std::string& path, const platform::TextGrid& coordi);

}  // namespace ortix
