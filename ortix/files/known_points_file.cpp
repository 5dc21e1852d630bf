#include "ortix/files/known_points_file.h"

#include "ortix/survey/myutil.h"
#include "platform/errors.h"
#include "platform/textfile.h"

#include <span>
#include <vector>

namespace ortix {
namespace {

constexpr int kColumns = 6;

}  // namespace

void ParseKnownPoints(std::string_view bytes, StationTexts& station, platform::TextGrid& punoti) {
    const std::vector<std::string_view> lines = platform::SplitLineViews(bytes);
    // Everything that can fail is checked before the edits or the table change.
    if (lines.empty()) {
        throw platform::ListIndexError(0);
    }
    if (punoti.ColCount() < kColumns) {
        throw platform::ListIndexError(punoti.ColCount());
    }

    std::string_view first = lines[0];
    station.op_ = TakeField(first, ",");
    station.xp_ = TakeField(first, ",");
    station.yp_ = first;

    const int dataRows = static_cast<int>(lines.size()) - 1;
    punoti.SetRowCount(2);
    if (dataRows > 1) {
        punoti.SetRowCount(dataRows + 1);
    }
    for (int i = 1; i <= dataRows; ++i) {
        std::string_view line = lines[static_cast<size_t>(i)];
        const std::span<std::string> cells = punoti.Row(i);
        for (int col = 0; col < kColumns - 1; ++col) {
            cells[static_cast<size_t>(col)].assign(TakeField(line, ","));
        }
        cells[kColumns - 1].assign(line);
    }
}

std::string FormatKnownPoints(const StationTexts& station, const platform::TextGrid& punoti) {
    if (punoti.ColCount() < kColumns) {
        throw platform::ListIndexError(punoti.ColCount());
    }
    std::string bytes;
    size_t size = station.op_.size() + station.xp_.size() + station.yp_.size() + 4;
    for (int r = 1; r < punoti.RowCount(); ++r) {
        for (const std::string& cell : punoti.Row(r).first(kColumns)) {
            size += cell.size() + 1;
        }
        size += 1;
    }
    bytes.reserve(size);
    bytes.append(station.op_).append(",").append(station.xp_).append(",").append(station.yp_);
    bytes.append("\r\n");
    for (int r = 1; r < punoti.RowCount(); ++r) {
        const std::span<const std::string> cells = punoti.Row(r).first(kColumns);
        for (int col = 0; col < kColumns; ++col) {
            if (col > 0) {
                bytes.push_back(',');
            }
            bytes.append(cells[static_cast<size_t>(col)]);
        }
        bytes.append("\r\n");
    }
    return bytes;
}

void LoadKnownPoints(const std::string& path, StationTexts& station, platform::TextGrid& punoti) {
    ParseKnownPoints(platform::ReadFileBytes(path), station, punoti);
}

void SaveKnownPoints(const std::string& path, const StationTexts& station,
                     const platform::TextGrid& punoti) {
    platform::WriteFileAtomic(path, FormatKnownPoints(station, punoti));
}

}  // namespace ortix
