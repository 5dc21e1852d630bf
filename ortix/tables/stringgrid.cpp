#include "ortix/tables/stringgrid.h"

#include "platform/qt/qtext.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QStyledItemDelegate>

#include <algorithm>

namespace ortix {

using platform::qt::FromQString;
using platform::qt::ToQString;

namespace {

// The cell takes the text while it is typed, so a command run from the menu during an edit
// reads what the user sees.
class LiveEditDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            auto* self = const_cast<LiveEditDelegate*>(this);
            connect(line, &QLineEdit::textEdited, self,
                    [self, line] { Q_EMIT self->commitData(line); });
        }
        return editor;
    }
};

}  // namespace

TextGridModel::TextGridModel(platform::TextGrid& grid, QObject* parent)
    : QAbstractTableModel(parent), grid_(&grid) {}

int TextGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : std::max(grid_->RowCount() - 1, 0);
}

int TextGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : grid_->ColCount();
}

QVariant TextGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) {
        return {};
    }
    return ToQString(grid_->Cell(index.column(), index.row() + 1));
}

bool TextGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || !editable_) {
        return false;
    }
    grid_->SetCell(index.column(), index.row() + 1, FromQString(value.toString()));
    Q_EMIT dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

QVariant TextGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || grid_->RowCount() == 0 || section >= grid_->ColCount()) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    if (role == Qt::DisplayRole) {
        return ToQString(grid_->Cell(section, 0));
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    }
    return {};
}

Qt::ItemFlags TextGridModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (editable_ && index.isValid()) {
        f |= Qt::ItemIsEditable;
    }
    return f;
}

void TextGridModel::SetCell(int col, int row, std::string text) {
    grid_->SetCell(col, row, std::move(text));
    if (row == 0) {
        Q_EMIT headerDataChanged(Qt::Horizontal, col, col);
    } else {
        const QModelIndex i = index(row - 1, col);
        Q_EMIT dataChanged(i, i, {Qt::DisplayRole, Qt::EditRole});
    }
}

void TextGridModel::SetRowCount(int newCount) {
    const int oldData = rowCount();
    const int newData = std::max(newCount - 1, 0);
    if (newData > oldData) {
        beginInsertRows({}, oldData, newData - 1);
        grid_->SetRowCount(newCount);
        endInsertRows();
    } else if (newData < oldData) {
        beginRemoveRows({}, newData, oldData - 1);
        grid_->SetRowCount(newCount);
        endRemoveRows();
    } else {
        grid_->SetRowCount(newCount);
    }
}

void TextGridModel::DeleteRow(int row) {
    if (row == 0) {
        beginResetModel();
        grid_->DeleteRow(row);
        endResetModel();
        return;
    }
    // Validate before the model announces anything.
    (void)grid_->Row(row);
    beginRemoveRows({}, row - 1, row - 1);
    grid_->DeleteRow(row);
    endRemoveRows();
}

TStringGrid::TStringGrid(int colCount, int rowCount, QWidget* parent)
    : QTableView(parent), own_(colCount, rowCount), model_(new TextGridModel(own_, this)) {
    Setup();
}

TStringGrid::TStringGrid(platform::TextGrid& grid, QWidget* parent)
    : QTableView(parent), model_(new TextGridModel(grid, this)) {
    Setup();
}

void TStringGrid::Setup() {
    setModel(model_);
    setItemDelegate(new LiveEditDelegate(this));
    verticalHeader()->hide();  // no fixed column
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);  // names padded with blanks are clipped, not elided
    setTabKeyNavigation(true);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setSelectionMode(QAbstractItemView::SingleSelection);
    SetEditable(false);
    // The grid always has a current cell; it follows the data when rows come and go.
    auto keepCurrent = [this] {
        if (model_->rowCount() > 0 && !currentIndex().isValid()) {
            const int row = std::clamp(lastRow_, 1, model_->rowCount()) - 1;
            // Current but not selected: the highlight appears where the user clicks.
            selectionModel()->setCurrentIndex(
                model_->index(row, std::clamp(lastCol_, 0, model_->columnCount() - 1)),
                QItemSelectionModel::NoUpdate);
        }
    };
    connect(model_, &QAbstractItemModel::modelReset, this, keepCurrent);
    connect(model_, &QAbstractItemModel::rowsInserted, this, keepCurrent);
    connect(model_, &QAbstractItemModel::rowsRemoved, this, keepCurrent);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid()) {
                    lastRow_ = current.row() + 1;
                    lastCol_ = current.column();
                }
            });
    keepCurrent();
}

void TStringGrid::SetRowCount(int rowCount) {
    model_->SetRowCount(rowCount);
}

void TStringGrid::SetCells(int col, int row, std::string text) {
    model_->SetCell(col, row, std::move(text));
}

int TStringGrid::Col() const {
    const QModelIndex i = currentIndex();
    return i.isValid() ? i.column() : lastCol_;
}

int TStringGrid::Row() const {
    const QModelIndex i = currentIndex();
    return i.isValid() ? i.row() + 1 : std::min(lastRow_, std::max(RowCount() - 1, 1));
}

void TStringGrid::SetRow(int row) {
    lastRow_ = row;
    if (row >= 1 && row < RowCount()) {
        setCurrentIndex(model_->index(row - 1, Col()));
    }
}

void TStringGrid::SetDefaultColWidth(int width) {
    horizontalHeader()->setDefaultSectionSize(width);
    for (int c = 0; c < ColCount(); ++c) {
        horizontalHeader()->resizeSection(c, width);
    }
}

void TStringGrid::SetDefaultRowHeight(int height) {
    verticalHeader()->setMinimumSectionSize(
        std::min(height, verticalHeader()->minimumSectionSize()));
    verticalHeader()->setDefaultSectionSize(height);
}

void TStringGrid::SetEditable(bool editable) {
    model_->SetEditable(editable);
    setEditTriggers(editable
                        ? QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                              QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked
                        : QAbstractItemView::NoEditTriggers);
}

void TStringGrid::SetRangeSelect(bool rangeSelect) {
    setSelectionMode(rangeSelect ? QAbstractItemView::ContiguousSelection
                                 : QAbstractItemView::SingleSelection);
}

void TStringGrid::DeleteRow(int row) {
    model_->DeleteRow(row);
}

}  // namespace ortix
