#pragma once

// A string grid: a QTableView over a model that presents a platform::TextGrid.
//
// Row 0 of the grid is its title row and shows as the view's header, so it stays in sight while
// the data rows 1 to RowCount() - 1 scroll. The view is virtualised: a million rows cost nothing
// to show. Cells hold Windows-1252 texts; the model converts at the boundary.

#include "platform/textgrid.h"

#include <QAbstractTableModel>
#include <QTableView>

#include <string>
#include <utility>

namespace ortix {

class TextGridModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    TextGridModel(platform::TextGrid& grid, QObject* parent);

    platform::TextGrid& Grid() { return *grid_; }
    const platform::TextGrid& Grid() const { return *grid_; }
    void SetEditable(bool editable) { editable_ = editable; }

    // Data rows of the grid are model rows 0 to RowCount() - 2.
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    void SetCell(int col, int row, std::string text);
    void SetRowCount(int rowCount);
    void DeleteRow(int row);
    void BeginChange() { beginResetModel(); }
    void EndChange() { endResetModel(); }

  private:
    platform::TextGrid* grid_;
    bool editable_ = false;
};

class TStringGrid : public QTableView {
    Q_OBJECT

  public:
    // A grid over its own data, colCount columns and rowCount rows (title row included).
    TStringGrid(int colCount, int rowCount, QWidget* parent = nullptr);
    // A grid over data kept elsewhere (the adjustment's result grids); it must outlive the view.
    TStringGrid(platform::TextGrid& grid, QWidget* parent = nullptr);

    int ColCount() const { return Data().ColCount(); }
    int RowCount() const { return Data().RowCount(); }
    void SetRowCount(int rowCount);
    const std::string& Cells(int col, int row) const { return Data().Cell(col, row); }
    void SetCells(int col, int row, std::string text);

    // The current cell: column, and row counted like the grid's rows (1 is the first data row).
    int Col() const;
    int Row() const;
    void SetRow(int row);

    // Column widths and row height in pixels, editing, hints.
    void SetDefaultColWidth(int width);
    void SetDefaultRowHeight(int height);
    void SetEditable(bool editable);
    void SetRangeSelect(bool rangeSelect);

    const platform::TextGrid& Data() const { return model_->Grid(); }

    // Runs fn on the grid's data; the view shows the result afterwards, also when fn throws.
    template <typename Fn>
    decltype(auto) Change(Fn&& fn) {
        struct Guard {
            TextGridModel* model;
            ~Guard() { model->EndChange(); }
        };
        model_->BeginChange();
        Guard guard{model_};
        return std::forward<Fn>(fn)(model_->Grid());
    }

  protected:
    void DeleteRow(int row);

  private:
    void Setup();

    platform::TextGrid own_;
    TextGridModel* model_;
    int lastRow_ = 1;
    int lastCol_ = 0;
};

}  // namespace ortix
