#pragma once

// The data of a string grid: cells of text addressed by column and row.
//
// Row 0 is the title row; data rows are 1 to RowCount() - 1. Rows are stored one after another,
// so appending a row is amortised O(1) and a million rows cost one allocation per long cell.

#include <span>
#include <string>
#include <vector>

namespace platform {

class TextGrid {
  public:
    TextGrid() = default;
    TextGrid(int colCount, int rowCount);

    int ColCount() const { return cols_; }
    int RowCount() const { return rows_; }

    // Grows with empty rows, or drops the rows from rowCount on. Throws ListIndexError for a
    // negative count.
    void SetRowCount(int rowCount);
    // RowCount() + 1, the new row empty.
    void AppendRow();
    // Removes the row; the rows below move up by one. Throws ListIndexError for a row that does
    // not exist.
    void DeleteRow(int row);
    // Room for rowCount rows without a further allocation.
    void Reserve(int rowCount);

    // Throw ListIndexError for a cell outside the grid.
    const std::string& Cell(int col, int row) const;
    std::string& Cell(int col, int row);
    void SetCell(int col, int row, std::string text);

    // All cells of one row, column 0 first.
    std::span<const std::string> Row(int row) const;
    std::span<std::string> Row(int row);

    // Every cell of the row set to the text.
    void FillRow(int row, const std::string& text);

  private:
    size_t Index(int col, int row) const;

    int cols_ = 0;
    int rows_ = 0;
    std::vector<std::string> cells_;
};

}  // namespace platform
