#pragma once

// "Trasferisci": readings of the field-book table sdr paired by point name with the coordinates
// of coordi, each pair a row of the known-points table punoti.

#include "ortix/files/progress.h"
#include "platform/textgrid.h"

namespace ortix {

// Replaces the data rows of punoti (its title row stays) by one known point per pair of a
// coordinates row and a reading with exactly the same point name (case and blanks count):
// name, north and east from coordi, interior direction = the horizontal reading, exterior bearing
// "0.00" (not observed), side = the reduced distance. The rows follow coordi's order, and within
// one point the readings' order: coordinates A, B, C with readings C, A, A give A, A, C.
// Readings without coordinates and coordinates without readings are left out; with no name in
// common punoti ends with no data row. Texts are copied unchecked. Linear in the sizes of the two
// tables and of the result.
// Returns false, changing nothing, when coordi has no data row or the progress hook cancelled;
// true when punoti was replaced.
bool TransferToKnownPoints(const platform::TextGrid& coordi, const platform::TextGrid& sdr,
                           platform::TextGrid& punoti, const Progress& progress = {});

}  // namespace ortix
