// The reading table: a header row and one row per listed reading, each cell's text asked for
// when the view draws it, so the table costs nothing per reading beyond its row.
#pragma once

#include <QAbstractTableModel>
#include <QChar>
#include <QString>

class QTableView;
class tMeasList;

// The text of table cell (row, col); row 0 is the header row, row r >= 1 shows entry r - 1.
// Header: column 1 the "mval" message, column 0 empty. Data rows: column 0 the row number,
// column 1 e.g. "123.46  lx - 14:05:09" while r is at most the list's count, else empty.
QString ValTableGetCellData(const tMeasList& list, int row, int col);
// The same with a given decimal separator instead of the user's.
QString ValTableGetCellData(const tMeasList& list, int row, int col, QChar decimalPoint);

// Model for the QTableView: the view's horizontal header is the table's header row, view row
// i is table row i + 1. The row count is set by the window's handlers, as the table's row
// count (header included): 2 shows the header and one empty row, 1 the header alone.
class tValTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit tValTableModel(const tMeasList& list, QObject* parent = nullptr);

    // Table rows including the header row; at least 1. Growing inserts rows at the end
    // (cheap for the one new reading); shrinking resets the model.
    void SetRowCount(int rows);
    int RowCount() const { return FDataRows + 1; }
    // The list's count + 1: the usual row count after readings were added.
    void FollowList();
    // Every visible cell asks for its text again (after the list changed under equal rows).
    void Redraw();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    const tMeasList& FList;
    int FDataRows = 1;
};

// Puts the model under the view, scrolling by pixels: scrolling by rows would make the view
// add up the heights of all rows for every new one.
void AttachValTable(QTableView* view, tValTableModel* model);
