#include "ortix/files/coordinate_file.h"

#include "ortix/adjustment/page_texts.h"
#include "ortix/survey/myutil.h"
#include "platform/errors.h"
#include "platform/textfile.h"

#include <algorithm>
#include <vector>

namespace ortix {

using platform::TextGrid;

TextGrid NewCoordiGrid() {
    TextGrid table(PointCoordinate::kColumnCount, 2);
    SetTitleRow(table, kCoordiHeader);
    return table;
}

bool ReadCoordinates(std::string_view bytes, TextGrid& coordi, const Progress& progress) {
    if (coordi.ColCount() < PointCoordinate::kColumnCount) {
        throw platform::ListIndexError(PointCoordinate::kColumnCount - 1);
    }
    const std::vector<std::string_view> lines = platform::SplitLineViews(bytes);
    const int oldRows = coordi.RowCount();
    const int points = static_cast<int>(lines.size());
    // The points go after the table's rows, so that a cancel or a failure only has to cut the
    // table back; once all are read, the old last row gives its place to the first point.
    const int first = std::max(oldRows, 1);
    try {
        coordi.SetRowCount(first + points);
        ProgressTicker ticker(progress, lines.size());
        for (int i = 0; i < points; ++i) {
            if (!ticker.Continue(static_cast<size_t>(i))) {
                coordi.SetRowCount(oldRows);
                return false;
            }
            std::string_view rest = lines[static_cast<size_t>(i)];
            const std::span<std::string> row = coordi.Row(first + i);
            row[PointCoordinate::kPoint] = TakeField(rest, ",");
            row[PointCoordinate::kEast] = TakeField(rest, ",");
            row[PointCoordinate::kNorth] = TakeField(rest, ",");
            row[PointCoordinate::kHeight] = TakeField(rest, ",");
            row[PointCoordinate::kDescription] = rest;
        }
    } catch (...) {
        coordi.SetRowCount(oldRows);
        throw;
    }
    if (oldRows >= 2) {
        coordi.DeleteRow(oldRows - 1);
    }
    return true;
}

bool LoadCoordinates(const std::string& path, TextGrid& coordi, const Progress& progress) {
    return ReadCoordinates(platform::ReadFileBytes(path), coordi, progress);
}

std::string CoordinatesText(const TextGrid& coordi) {
    constexpr int kFileOrder[] = {PointCoordinate::kPoint, PointCoordinate::kEast,
                                  PointCoordinate::kNorth, PointCoordinate::kHeight,
                                  PointCoordinate::kDescription};
    size_t size = 0;
    for (int r = 1; r < coordi.RowCount(); ++r) {
        for (int col : kFileOrder) {
            size += coordi.Cell(col, r).size() + 1;
        }
        size += 1;
    }
    std::string text;
    text.reserve(size);
    for (int r = 1; r < coordi.RowCount(); ++r) {
        const std::span<const std::string> row = coordi.Row(r);
        for (int col : kFileOrder) {
            if (col != kFileOrder[0]) {
                text += ',';
            }
            text += row[static_cast<size_t>(col)];
        }
        text += "\r\n";
    }
    return text;
}

void SaveCoordinates(const std::string& path, const TextGrid& coordi) {
    platform::WriteFileAtomic(path, CoordinatesText(coordi));
}

}  // namespace ortix
