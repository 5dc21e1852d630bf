#pragma once

// Helpers shared by the tests of the file formats: the fixtures under tests/data and the rows of
// a table as plain vectors, so that a whole table compares in one expectation.

#include "platform/textgrid.h"

#include <string>
#include <string_view>
#include <vector>

namespace testsupport {

using Rows = std::vector<std::vector<std::string>>;

// The data rows 1..RowCount()-1 of a table.
inline Rows DataRows(const platform::TextGrid& grid) {
    Rows rows;
    for (int r = 1; r < grid.RowCount(); ++r) {
        const auto row = grid.Row(r);
        rows.emplace_back(row.begin(), row.end());
    }
    return rows;
}

// The table with its data rows replaced by `rows`; the title row stays.
inline platform::TextGrid WithDataRows(platform::TextGrid grid, const Rows& rows) {
    grid.SetRowCount(static_cast<int>(rows.size()) + 1);
    for (size_t r = 0; r < rows.size(); ++r) {
        for (size_t c = 0; c < rows[r].size(); ++c) {
            grid.SetCell(static_cast<int>(c), static_cast<int>(r) + 1, rows[r][c]);
        }
    }
    return grid;
}

// Row 0 of a table.
inline std::vector<std::string> TitleRow(const platform::TextGrid& grid) {
    const auto row = grid.Row(0);
    return {row.begin(), row.end()};
}

// A file of the fixtures folder tests/data, found from the place of this header.
inline std::string TestDataFile(std::string_view name) {
    const std::string here = __FILE__;
    return here.substr(0, here.rfind("/ortix/files/")) + "/data/" + std::string(name);
}

}  // namespace testsupport
