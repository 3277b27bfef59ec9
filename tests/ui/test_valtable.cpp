// The reading table: the text of every kind of cell, and a model that grows by one row per
// reading instead of starting over.
#include "modalanswer.h"
#include "ui/measlist.h"
#include "ui/valtable.h"

#include <QSignalSpy>
#include <QTableView>
#include <QtTest>

namespace {

tMeasRec Rec(float value, uint8_t unit, QTime time)
{
    tMeasRec r;
    r.Value = value;
    r.UnitCode = unit;
    r.Stamp = QDateTime(QDate(2024, 5, 17), time);
    return r;
}

// One reading of each unit, then a few special values.
tMeasList SampleList()
{
    tMeasList list;
    list.Add(Rec(123.456f, 0, QTime(14, 5, 9)));   // row 1
    list.Add(Rec(1.5f, 1, QTime(0, 0, 0)));        // row 2
    list.Add(Rec(12.3456f, 2, QTime(23, 59, 59))); // row 3
    list.Add(Rec(5.4321f, 3, QTime(9, 8, 7)));     // row 4
    list.Add(Rec(0, 0, QTime(12, 0, 0)));          // row 5
    list.Add(Rec(12345678, 0, QTime(12, 0, 0)));   // row 6
    return list;
}

} // namespace

class TestValTable : public QObject {
    Q_OBJECT
private slots:
    void cells_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<QChar>("point");
        QTest::addColumn<QString>("text");
        const QChar dot(u'.'), comma(u',');
        QTest::newRow("header, number column") << 0 << 0 << dot << "";
        QTest::newRow("header, value column") << 0 << 1 << dot << "Meßwert";
        QTest::newRow("row number 1") << 1 << 0 << dot << "1";
        QTest::newRow("row number 12") << 12 << 0 << dot << "12";
        QTest::newRow("lux, two blanks") << 1 << 1 << dot << "123.46  lx - 14:05:09";
        QTest::newRow("lux, decimal comma") << 1 << 1 << comma << "123,46  lx - 14:05:09";
        QTest::newRow("footcandle with capital C") << 2 << 1 << dot << "1.50  fC - 00:00:00";
        QTest::newRow("cd/m², two decimals") << 3 << 1 << dot << "12.35  cd/m² - 23:59:59";
        QTest::newRow("fL, two decimals") << 4 << 1 << dot << "5.43  fL - 09:08:07";
        QTest::newRow("zero") << 5 << 1 << dot << "0.00  lx - 12:00:00";
        QTest::newRow("eight digits") << 6 << 1 << dot << "1.234568E7  lx - 12:00:00";
        QTest::newRow("first row past the end") << 7 << 1 << dot << "";
        QTest::newRow("number past the end") << 7 << 0 << dot << "7";
        QTest::newRow("third column") << 1 << 2 << dot << "";
    }
    void cells()
    {
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(QChar, point);
        QFETCH(QString, text);
        const tMeasList list = SampleList();
        QCOMPARE(ValTableGetCellData(list, row, col, point), text);
    }

    // An empty list: the header and one numbered row without a value.
    void emptyList()
    {
        tMeasList list;
        QCOMPARE(ValTableGetCellData(list, 1, 0), QStringLiteral("1"));
        QCOMPARE(ValTableGetCellData(list, 1, 1), QString());
    }

    // The header comes from the messages file of the current language.
    void headerIsLookedUp()
    {
        tProgramFolder folder(1);
        folder.Write(".LME", QStringLiteral("[general]\r\nmval=Reading\r\n"));
        CreateMsgManager();
        tMeasList list;
        QCOMPARE(ValTableGetCellData(list, 0, 1), QStringLiteral("Reading"));
        tValTableModel model(list);
        QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("Reading"));
    }

    void modelShowsTheCells()
    {
        const tMeasList list = SampleList();
        tValTableModel model(list);
        model.FollowList();
        QCOMPARE(model.rowCount(), 6);
        QCOMPARE(model.columnCount(), 2);
        QCOMPARE(model.RowCount(), 7);
        QCOMPARE(model.data(model.index(0, 1)).toString(), ValTableGetCellData(list, 1, 1));
        QCOMPARE(model.data(model.index(5, 0)).toString(), QStringLiteral("6"));
        QCOMPARE(model.data(model.index(0, 1), Qt::TextAlignmentRole).value<Qt::Alignment>(),
                 Qt::AlignRight | Qt::AlignVCenter);
        QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("Meßwert"));
        QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QString());
    }

    // Row counts as the handlers set them: 2 at start, 1 for the header alone.
    void rowCounts_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("viewRows");
        QTest::newRow("start") << 2 << 1;
        QTest::newRow("header only") << 1 << 0;
        QTest::newRow("below one") << 0 << 0;
        QTest::newRow("three readings") << 4 << 3;
    }
    void rowCounts()
    {
        QFETCH(int, rows);
        QFETCH(int, viewRows);
        tMeasList list;
        tValTableModel model(list);
        QCOMPARE(model.RowCount(), 2);
        model.SetRowCount(rows);
        QCOMPARE(model.rowCount(), viewRows);
        QCOMPARE(model.RowCount(), viewRows + 1);
    }

    // A new reading inserts its one row; only a shrink starts the view over.
    void growsByInsertingRows()
    {
        tMeasList list;
        tValTableModel model(list);
        QTableView view;
        view.setModel(&model);
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);

        list.Add(Rec(1, 0, QTime(1, 0)));
        model.FollowList(); // 2 rows: the one empty row now shows the reading
        QCOMPARE(inserted.count(), 0);
        list.Add(Rec(2, 0, QTime(1, 0)));
        model.FollowList();
        QCOMPARE(inserted.count(), 1);
        QCOMPARE(inserted.at(0).at(1).toInt(), 1);
        QCOMPARE(inserted.at(0).at(2).toInt(), 1);
        QCOMPARE(view.model()->rowCount(), 2);
        QCOMPARE(reset.count(), 0);

        list.Clear();
        model.SetRowCount(2);
        QCOMPARE(reset.count(), 1);
        QCOMPARE(model.rowCount(), 1);
        QCOMPARE(model.data(model.index(0, 1)).toString(), QString());
    }

    void redrawAsksAllCellsAgain()
    {
        tMeasList list;
        list.Add(Rec(1, 0, QTime(1, 0)));
        tValTableModel model(list);
        model.FollowList();
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        model.Redraw();
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).toModelIndex(), model.index(0, 0));
        QCOMPARE(changed.at(0).at(1).toModelIndex(), model.index(0, 1));
    }
};

QTEST_MAIN(TestValTable)
#include "test_valtable.moc"
