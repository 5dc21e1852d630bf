#pragma once

// The known-points file (.not): the whole input of one adjustment as text.
//
// Line 1 holds the station's name and provisional north and east; every further line one data
// row of punoti, its six cells in column order. Fields are separated by "," with no quoting, the
// texts are moved unchanged (no trimming, no number reformatting), and no title row, header or
// count is written. Lines are written with CR LF; CR LF, LF and CR are read.

#include "platform/textgrid.h"

#include <string>
#include <string_view>

namespace ortix {

// The three edit texts of the main page: station name, provisional north, provisional east.
struct StationTexts {
    std::string op_, xp_, yp_;
};

// Fills the edits and punoti from the bytes of a file, as "Carica punti noti" does.
// From line 1 the first field goes into op_, the second into xp_, the rest of the line whole
// into yp_. Each further line fills one data row: five fields into columns 0 to 4, the rest of
// the line whole into column 5. A line with fewer fields repeats its last one ('A,1,2' gives
// A, 1, 2, 2, 2, 2); extra fields stay in column 5 with their commas; an empty line gives six
// empty cells. The table ends with one data row per point line; a file with no point line keeps
// row 1 as it was.
// Throws platform::ListIndexError "List index out of bounds (0)" for bytes with no line; the
// edits and the table are then left exactly as they were. punoti needs 6 columns.
void ParseKnownPoints(std::string_view bytes, StationTexts& station, platform::TextGrid& punoti);

// The bytes of a file holding the edits and the data rows of punoti, every line ended by CR LF.
// {"S1", "100.5", "200"} and one row P1,1,2,0.00,0.00, (empty side) give
// "S1,100.5,200\r\nP1,1,2,0.00,0.00,\r\n".
std::string FormatKnownPoints(const StationTexts& station, const platform::TextGrid& punoti);

// ParseKnownPoints on the file's bytes. Throws platform::FileError "Cannot open file %s" and
// the errors of ParseKnownPoints; after any of them the edits and the table are unchanged.
void LoadKnownPoints(const std::string& path, StationTexts& station, platform::TextGrid& punoti);

// FormatKnownPoints written atomically over the file. Throws platform::FileError
// "Cannot create file %s", leaving the old file as it was.
void SaveKnownPoints(const std::string& path, const StationTexts& station,
                     const platform::TextGrid& punoti);

}  // namespace ortix
