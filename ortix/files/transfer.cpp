#include "ortix/files/transfer.h"

#include "ortix/adjustment/page_texts.h"
#include "ortix/files/coordinate_file.h"
#include "ortix/files/field_book.h"
#include "platform/errors.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace ortix {

using platform::TextGrid;

namespace {

constexpr int kKnownPointColumns = static_cast<int>(kPunotiHeader.size());

}  // namespace

bool TransferToKnownPoints(const TextGrid& coordi, const TextGrid& sdr, TextGrid& punoti,
                           const Progress& progress) {
    if (coordi.RowCount() < 2) {
        return false;
    }
    if (punoti.ColCount() < kKnownPointColumns) {
        throw platform::ListIndexError(kKnownPointColumns - 1);
    }
    const int readings = sdr.RowCount();
    const int points = coordi.RowCount();
    ProgressTicker ticker(progress, static_cast<size_t>(readings + 2 * points));

    // The readings of each name as a chain through `next`, in table order; 0 ends a chain.
    std::unordered_map<std::string_view, int> firstReading;
    firstReading.reserve(static_cast<size_t>(std::max(readings, 0)));
    std::vector<int> next(static_cast<size_t>(std::max(readings, 1)), 0);
    for (int j = readings - 1; j >= 1; --j) {
        if (!ticker.Continue(static_cast<size_t>(readings - j))) {
            return false;
        }
        int& first = firstReading[sdr.Cell(StationReading::kPoint, j)];
        next[static_cast<size_t>(j)] = first;
        first = j;
    }

    std::vector<int> chainOf(static_cast<size_t>(points), 0);
    size_t pairs = 0;
    for (int i = 1; i < points; ++i) {
        if (!ticker.Continue(static_cast<size_t>(readings + i))) {
            return false;
        }
        const auto found = firstReading.find(coordi.Cell(PointCoordinate::kPoint, i));
        if (found != firstReading.end()) {
            chainOf[static_cast<size_t>(i)] = found->second;
            for (int j = found->second; j != 0; j = next[static_cast<size_t>(j)]) {
                ++pairs;
            }
        }
    }

    TextGrid fresh(punoti.ColCount(), static_cast<int>(pairs) + 1);
    if (punoti.RowCount() > 0) {
        std::ranges::copy(punoti.Row(0), fresh.Row(0).begin());
    }
    int row = 1;
    for (int i = 1; i < points; ++i) {
        if (!ticker.Continue(static_cast<size_t>(readings + points + i))) {
            return false;
        }
        for (int j = chainOf[static_cast<size_t>(i)]; j != 0; j = next[static_cast<size_t>(j)]) {
            const std::span<std::string> out = fresh.Row(row++);
            out[0] = coordi.Cell(PointCoordinate::kPoint, i);
            out[1] = coordi.Cell(PointCoordinate::kNorth, i);
            out[2] = coordi.Cell(PointCoordinate::kEast, i);
            out[3] = sdr.Cell(StationReading::kHorizontal, j);
            out[4] = "0.00";
            out[5] = sdr.Cell(StationReading::kReducedDistance, j);
        }
    }
    punoti = std::move(fresh);
    return true;
}

}  // namespace ortix
