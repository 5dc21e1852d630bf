#include "ortix/adjustment/page_texts.h"

#include <string>

namespace ortix {

void SetTitleRow(platform::TextGrid& grid, std::span<const std::string_view> titles) {
    for (size_t col = 0; col < titles.size(); ++col) {
        grid.SetCell(static_cast<int>(col), 0, std::string(titles[col]));
    }
}

void SetDefaultKnownPointRow(platform::TextGrid& punoti, int row) {
    punoti.SetCell(0, row, std::string());
    for (int col = 1; col <= 5; ++col) {
        punoti.SetCell(col, row, std::string(kDefaultKnownPointCell));
    }
}

platform::TextGrid NewPunotiGrid() {
    platform::TextGrid punoti(static_cast<int>(kPunotiHeader.size()), 2);
    SetTitleRow(punoti, kPunotiHeader);
    SetDefaultKnownPointRow(punoti, 1);
    return punoti;
}

}  // namespace ortix
