#pragma once

// The progress hook of long loads and transfers.
//
// A window passes a Progress to show a progress dialog with a cancel button; the core calls it
// every few thousand records with the fraction done, in [0, 1]. Returning false cancels: the
// operation stops and leaves every table exactly as it was. An empty Progress is never called.

#include <cstddef>
#include <functional>

namespace ortix {

using Progress = std::function<bool(double fraction)>;

// Calls a Progress once every kStride steps of a loop over `total` items.
class ProgressTicker {
  public:
    static constexpr size_t kStride = 4096;

    ProgressTicker(const Progress& progress, size_t total) : progress_(progress), total_(total) {}

    // False when the user cancelled. `done` counts the items already handled.
    bool Continue(size_t done) {
        if (!progress_ || ++calls_ % kStride != 0) {
            return true;
        }
        return progress_(total_ == 0 ? 1.0
                                     : static_cast<double>(done) / static_cast<double>(total_));
    }

  private:
    const Progress& progress_;
    size_t total_;
    size_t calls_ = 0;
};

}  // namespace ortix
