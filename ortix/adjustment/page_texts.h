#pragma once

// The fixed texts of the adjustment page, shared by the window, the command-line tool and the
// tests: the window's title and version, and the title rows of the three grids. The blanks inside
// the titles are part of them: the text reports copy the title rows to align their columns.

#include "platform/textgrid.h"

#include <array>
#include <span>
#include <string_view>

namespace ortix {

inline constexpr std::string_view kTitleText = "COMPENSAZIONE PLANIMETRICA DI PUNTO ISOLATO";
inline constexpr std::string_view kVersionText = "V. 2.1.1.2";

// Title row of the known-points table punoti, columns 0 to 5.
inline constexpr std::array<std::string_view, 6> kPunotiHeader = {
    "          NOME           ",
    "  X / N   ",
    "  Y / E   ",
    " Dir. Int.",
    "Anom. Est.",
    "    Lato  ",
};
// Title row of the equation matrix Matrice, columns 0 to 6.
inline constexpr std::array<std::string_view, 7> kMatriceHeader = {
    "           NOME           ",
    " Dato     ",
    "  Coeff. A",
    "  Coeff. B",
    "   Scarto ",
    "   Residuo",
    " Res. Lin.",
};
// Title row of the adjusted observations Risultati, columns 0 to 6.
inline constexpr std::array<std::string_view, 7> kRisultatiHeader = {
    "           NOME           ",
    "Dir. int. ",
    "    Scarto",
    " Anomalia ",
    "    Scarto",
    "   Lato   ",
    "    Scarto",
};

// What a new or cleared known-points row holds: no name, "0.00" in the five numeric columns
// (a 0 observation is a missing one).
inline constexpr std::string_view kDefaultKnownPointCell = "0.00";

// Writes the titles into row 0, column by column; columns beyond the titles stay as they are.
// Throws platform::ListIndexError when the grid has fewer columns than titles.
void SetTitleRow(platform::TextGrid& grid, std::span<const std::string_view> titles);

// Row `row` of punoti back to the default content: column 0 empty, columns 1 to 5 "0.00".
// Throws platform::ListIndexError for a row that does not exist.
void SetDefaultKnownPointRow(platform::TextGrid& punoti, int row);

// A fresh known-points table as the window starts with it: 6 columns, the title row and one
// default data row.
platform::TextGrid NewPunotiGrid();

}  // namespace ortix
