// The insert, delete and clear buttons of the known-points and coordinates tables.

#include "ortix/adjustment/page_texts.h"
#include "ortix/app/ortixform.h"

#include <string>

namespace ortix {
namespace {

void SetDefaultKnownPoint(TStringGrid1* punoti, int row) {
    punoti->SetCells(0, row, std::string());
    for (int c = 1; c < punoti->ColCount(); ++c) {
        punoti->SetCells(c, row, std::string(kDefaultKnownPointCell));
    }
}

void SetEmptyRow(TStringGrid1* grid, int row) {
    for (int c = 0; c < grid->ColCount(); ++c) {
        grid->SetCells(c, row, std::string());
    }
}

}  // namespace

void TForm1::Inseriscidati1Click() {
    punoti->SetRowCount(punoti->RowCount() + 1);
    const int last = punoti->RowCount() - 1;
    SetDefaultKnownPoint(punoti, last);
    punoti->SetRow(last);
}

void TForm1::cancellaDato1Click() {
    if (punoti->RowCount() > 2) {
        punoti->CancellaRiga(punoti->Row());
    } else if (punoti->RowCount() == 2) {
        SetDefaultKnownPoint(punoti, 1);
    }
}

void TForm1::Pulisci1Click() {
    punoti->SetRowCount(2);
    SetDefaultKnownPoint(punoti, 1);
    punoti->SetRow(1);
}

void TForm1::InserisciDati2Click() {
    coordi->SetRowCount(coordi->RowCount() + 1);
}

void TForm1::Button9Click() {
    if (coordi->RowCount() > 2) {
        coordi->CancellaRiga(coordi->Row());
    } else if (coordi->RowCount() == 2) {
        SetEmptyRow(coordi, 1);
    }
}

void TForm1::Button13Click() {
    coordi->SetRowCount(2);
    SetEmptyRow(coordi, 1);
}

}  // namespace ortix
