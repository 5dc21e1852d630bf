#include "platform/textgrid.h"

#include "platform/errors.h"

#include <cstddef>
#include <utility>

namespace platform {

TextGrid::TextGrid(int colCount, int rowCount) : cols_(colCount) {
    if (colCount < 0) {
        throw ListIndexError(colCount);
    }
    SetRowCount(rowCount);
}

void TextGrid::SetRowCount(int rowCount) {
    if (rowCount < 0) {
        throw ListIndexError(rowCount);
    }
    const bool shrinking = rowCount < rows_;
    rows_ = rowCount;
    cells_.resize(static_cast<size_t>(rowCount) * static_cast<size_t>(cols_));
    // A table cut down from a large one gives its memory back; a growing one keeps what Reserve
    // set aside.
    if (shrinking && cells_.capacity() > 4 * cells_.size() + 4096) {
        cells_.shrink_to_fit();
    }
}

void TextGrid::AppendRow() {
    SetRowCount(rows_ + 1);
}

void TextGrid::DeleteRow(int row) {
    if (row < 0 || row >= rows_) {
        throw ListIndexError(row);
    }
    const auto first = cells_.begin() + static_cast<std::ptrdiff_t>(Index(0, row));
    cells_.erase(first, first + cols_);
    --rows_;
}

void TextGrid::Reserve(int rowCount) {
    if (rowCount > 0) {
        cells_.reserve(static_cast<size_t>(rowCount) * static_cast<size_t>(cols_));
    }
}

size_t TextGrid::Index(int col, int row) const {
    if (col < 0 || col >= cols_) {
        throw ListIndexError(col);
    }
    if (row < 0 || row >= rows_) {
        throw ListIndexError(row);
    }
    return static_cast<size_t>(row) * static_cast<size_t>(cols_) + static_cast<size_t>(col);
}

const std::string& TextGrid::Cell(int col, int row) const {
    return cells_[Index(col, row)];
}

std::string& TextGrid::Cell(int col, int row) {
    return cells_[Index(col, row)];
}

void TextGrid::SetCell(int col, int row, std::string text) {
    cells_[Index(col, row)] = std::move(text);
}

std::span<const std::string> TextGrid::Row(int row) const {
    if (cols_ == 0) {
        return {};
    }
    return {cells_.data() + Index(0, row), static_cast<size_t>(cols_)};
}

std::span<std::string> TextGrid::Row(int row) {
    if (cols_ == 0) {
        return {};
    }
    return {cells_.data() + Index(0, row), static_cast<size_t>(cols_)};
}

void TextGrid::FillRow(int row, const std::string& text) {
    for (std::string& cell : Row(row)) {
        cell = text;
    }
}

}  // namespace platform
