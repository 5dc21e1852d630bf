#pragma once

// The adjustment report (.txt): the input, the counts, the equation matrix, the adjusted point
// with its ellipse and the adjusted observations, copied from the texts the main page shows.
// Columns are separated by TAB and aligned with blanks; a separator is a line of one blank; every
// line ends with CR LF.

#include "ortix/adjustment/adjustment.h"
#include "ortix/files/known_points_file.h"
#include "platform/textgrid.h"

#include <string>
#include <string_view>

namespace ortix {

// Follows the version text on line 3.
inline constexpr std::string_view kReportCredit =
    " - Ortix: compensazione ai minimi quadrati di un punto isolato";

// The report's bytes. Normalises punoti as it goes: columns 1 to 5 of every data row, in turn,
// are converted and written back as "0.0000" ("0.00" becomes "0.0000"). The known-point lines
// put the name, padded to 25, directly before the north value padded to 10; the title rows and
// the rows of Matrice and Risultati have one blank after column 0.
// Throws platform::ConversionError for the first cell that is not a number (an empty one
// included); the cells before it are then already normalised.
// Example: a known point P1 whose five cells hold "0.00" gives the line "P1", 23 blanks,
// "    0.0000", then four times TAB and "    0.0000"; its cells then hold "0.0000".
std::string BuildAdjustmentReport(std::string_view titleText, std::string_view versionText,
                                  const StationTexts& station, platform::TextGrid& punoti,
                                  const AdjustmentDisplay& display);

// Builds the report, then writes it atomically over the file. A bad cell throws
// platform::ConversionError and nothing is written; a file that cannot be written throws
// platform::FileError "Cannot create file %s", with the table normalised all the same.
void WriteAdjustmentReport(const std::string& path, const std::string& titleText,
                           const std::string& versionText, const StationTexts& station,
                           platform::TextGrid& punoti, const AdjustmentDisplay& display);

}  // namespace ortix
