#pragma once

// The editable table of Ortix: a string grid that can also delete a row.

#include "ortix/tables/stringgrid.h"

namespace ortix {

class TStringGrid1 : public TStringGrid {
    Q_OBJECT

  public:
    using TStringGrid::TStringGrid;

    // Deletes the row: the rows below move up by one, the row count drops by one. The caller
    // keeps at least one data row.
    void CancellaRiga(int row) { DeleteRow(row); }
};

}  // namespace ortix
