#include "ui/valtable.h"

#include "common/valuetext.h"
#include "i18n/msgmanager.h"
#include "ui/measlist.h"

#include <QTableView>
#include <QTime>

namespace {

// The table writes footcandle with a capital C, unlike the value display.
QString TableUnit(uint8_t unitCode)
{
    return unitCode == UnitFootcandle ? QStringLiteral(" fC") : UnitSuffix(unitCode);
}

QString HeaderText(int col)
{
    if (col != 1) return QString();
    const QString def = QStringLiteral("Meßwert");
    return MsgManager ? MsgManager->ReadMsg(QStringLiteral("general"), QStringLiteral("mval"), def)
                      : def;
}

} // namespace

QString ValTableGetCellData(const tMeasList& list, int row, int col)
{
    return ValTableGetCellData(list, row, col, LocaleDecimalPoint());
}

QString ValTableGetCellData(const tMeasList& list, int row, int col, QChar decimalPoint)
{
    if (row == 0) return HeaderText(col);
    if (row < 0) return QString();
    if (col == 0) return QString::number(row);
    if (col != 1 || row > list.Count()) return QString();

    const tMeasRec rec = list.Get(row - 1);
    const QString time = rec.Stamp.isValid() ? rec.Stamp.time().toString(QStringLiteral("hh:mm:ss"))
                                             : QStringLiteral("00:00:00");
    return ValueNumber(rec.Value, 2, decimalPoint) + u' ' + TableUnit(rec.UnitCode) +
           QStringLiteral(" - ") + time;
}

tValTableModel::tValTableModel(const tMeasList& list, QObject* parent)
    : QAbstractTableModel(parent), FList(list)
{
}

void tValTableModel::SetRowCount(int rows)
{
    const int dataRows = std::max(rows, 1) - 1;
    if (dataRows > FDataRows) {
        beginInsertRows(QModelIndex(), FDataRows, dataRows - 1);
        FDataRows = dataRows;
        endInsertRows();
    } else if (dataRows < FDataRows) {
        // Removing a day of rows one range at a time costs the view more than starting over.
        beginResetModel();
        FDataRows = dataRows;
        endResetModel();
    }
}

void tValTableModel::FollowList()
{
    SetRowCount(FList.Count() + 1);
}

void tValTableModel::Redraw()
{
    if (FDataRows > 0) emit dataChanged(index(0, 0), index(FDataRows - 1, 1));
    emit headerDataChanged(Qt::Horizontal, 0, 1);
}

int tValTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : FDataRows;
}

int tValTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant tValTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid()) return QVariant();
    if (role == Qt::DisplayRole) return ValTableGetCellData(FList, index.row() + 1, index.column());
    if (role == Qt::TextAlignmentRole && index.column() == 1)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
    return QVariant();
}

QVariant tValTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return ValTableGetCellData(FList, 0, section);
    if (orientation == Qt::Vertical && role == Qt::DisplayRole) return section + 1;
    return QVariant();
}

Qt::ItemFlags tValTableModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void AttachValTable(QTableView* view, tValTableModel* model)
{
    view->setModel(model);
    view->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
}
