// The reading list in the main window: the table's cells, the chart and its scaling, the
// switch between them, and deleting the list.
#include "measurerig.h"
#include "ui/widgets.h"

#include <QStackedWidget>
#include <QtTest>

namespace {

QString TimeOf(const tMeasList& list, int index)
{
    return list.Get(index).Stamp.time().toString(QStringLiteral("hh:mm:ss"));
}

TRadioGroup* Group(const tMeasureRig& rig, const char* name)
{
    return rig.Find<TRadioGroup>(name);
}

} // namespace

class TestListView : public QObject {
    Q_OBJECT
private slots:
    void tableCells()
    {
        tMeasureRig rig("503");
        QCOMPARE(rig.Table()->model()->headerData(1, Qt::Horizontal).toString(),
                 QStringLiteral("Meßwert"));
        QCOMPARE(rig.DataRows(), 1); // at start: row 1 without a value
        QCOMPARE(rig.Cell(0, 0), QStringLiteral("1"));
        QCOMPARE(rig.Cell(0, 1), QString());

        rig.Measure({"123456 E-3 LX"});
        rig.Replies = {Phot("12 E0 CD")};
        rig.Answers.Dialog([](QDialog* dialog) { dialog->reject(); }); // append
        rig.Press("cbtn");
        rig.Press("cbtn");
        rig.Measure({"5 E0 FC"});
        QCOMPARE(rig.DataRows(), 3);
        const tMeasList& list = rig.List();
        QCOMPARE(rig.Cell(0, 1), Local(QStringLiteral("123.46  lx - ")) + TimeOf(list, 0));
        QCOMPARE(rig.Cell(1, 1), Local(QStringLiteral("12.00  cd/m² - ")) + TimeOf(list, 1));
        QCOMPARE(rig.Cell(2, 1), Local(QStringLiteral("5.00  fC - ")) + TimeOf(list, 2));
        QCOMPARE(rig.Cell(2, 0), QStringLiteral("3"));
        // The value display writes footcandle in lower case.
        QCOMPARE(rig.Display(), Local(QStringLiteral("5.00 fc")));
    }

    void chartScale_data()
    {
        QTest::addColumn<QByteArrayList>("readings");
        QTest::addColumn<int>("scale");
        QTest::addColumn<double>("min");
        QTest::addColumn<double>("max");
        QTest::newRow("100, 0..max") << QByteArrayList{"100 E0 LX"} << 0 << 0.0 << 106.0;
        QTest::newRow("100, min..max") << QByteArrayList{"100 E0 LX"} << 1 << 95.0 << 105.0;
        QTest::newRow("50 and 200, 0..max")
            << QByteArrayList{"50 E0 LX", "200 E0 LX"} << 0 << 0.0 << 212.0;
        QTest::newRow("50 and 200, min..max")
            << QByteArrayList{"50 E0 LX", "200 E0 LX"} << 1 << 47.5 << 210.0;
    }
    void chartScale()
    {
        QFETCH(QByteArrayList, readings);
        QFETCH(int, scale);
        QFETCH(double, min);
        QFETCH(double, max);
        tMeasureRig rig;
        for (const QByteArray& r : readings)
            rig.Measure({r});
        tFormRig::Pick(Group(rig, "RadioGroup1"), 1);
        tFormRig::Pick(Group(rig, "ScaleGrp"), 1);
        tFormRig::Pick(Group(rig, "ScaleGrp"), scale);
        QCOMPARE(rig.ValueAxis()->min(), min);
        QVERIFY(qFuzzyCompare(rig.ValueAxis()->max(), max));
        QCOMPARE(rig.Series()->count(), readings.size());
    }

    // Ticks at round steps, so that every label names the value at its tick.
    void roundTicks_data()
    {
        QTest::addColumn<QByteArrayList>("readings");
        QTest::addColumn<int>("scale");
        QTest::addColumn<double>("indexStep");
        QTest::addColumn<double>("valueStep");
        QTest::addColumn<QString>("valueFormat");
        QTest::newRow("one reading") << QByteArrayList{"100 E0 LX"} << 0 << 1.0 << 20.0 << "%.0f";
        QTest::newRow("0 to 212") << QByteArrayList{"50 E0 LX", "200 E0 LX"} << 0 << 1.0 << 50.0
                                  << "%.0f";
        QTest::newRow("95 to 105") << QByteArrayList{"100 E0 LX"} << 1 << 1.0 << 2.0 << "%.0f";
        QTest::newRow("0 to 0.53") << QByteArrayList{"5 E-1 LX"} << 0 << 1.0 << 0.1 << "%.1f";
        QTest::newRow("nine readings")
            << QByteArrayList(9, "300 E0 LX") << 0 << 2.0 << 100.0 << "%.0f";
    }
    void roundTicks()
    {
        QFETCH(QByteArrayList, readings);
        QFETCH(int, scale);
        QFETCH(double, indexStep);
        QFETCH(double, valueStep);
        QFETCH(QString, valueFormat);
        tMeasureRig rig;
        tFormRig::Pick(Group(rig, "ScaleGrp"), scale);
        for (const QByteArray& r : readings)
            rig.Measure({r});
        auto* indexAxis = static_cast<QValueAxis*>(rig.Chart()->axes(Qt::Horizontal).first());
        QCOMPARE(indexAxis->tickType(), QValueAxis::TicksDynamic);
        QCOMPARE(indexAxis->tickAnchor(), 0.0);
        QCOMPARE(indexAxis->tickInterval(), indexStep);
        QCOMPARE(rig.ValueAxis()->tickType(), QValueAxis::TicksDynamic);
        QCOMPARE(rig.ValueAxis()->tickAnchor(), 0.0);
        QVERIFY(qFuzzyCompare(rig.ValueAxis()->tickInterval(), valueStep));
        QCOMPARE(rig.ValueAxis()->labelFormat(), valueFormat);
    }

    // Only zeros in "0..max": the axis keeps a span.
    void zerosKeepASpan()
    {
        tMeasureRig rig;
        rig.Measure({"0 E0 LX"});
        QCOMPARE(rig.ValueAxis()->min(), 0.0);
        QVERIFY(rig.ValueAxis()->max() > 0);
    }

    // Timer readings in table mode leave the chart behind; showing it catches up.
    void graphShowsTheWholeList()
    {
        tMeasureRig rig;
        rig.Replies = {Phot("10 E0 LX"), Phot("20 E0 LX"), Phot("30 E0 LX")};
        rig.Press("cbtn");
        rig.Form->Timer1Timer();
        rig.Form->Timer1Timer();
        QCOMPARE(rig.Series()->count(), 0);
        QStackedWidget* pages = rig.Find<QStackedWidget>("NBK2");
        tFormRig::Pick(Group(rig, "RadioGroup1"), 1);
        QCOMPARE(pages->currentIndex(), 1);
        QCOMPARE(rig.Series()->count(), 3);
        QCOMPARE(rig.Series()->at(2), QPointF(2, 30));
        QVERIFY(qFuzzyCompare(rig.ValueAxis()->max(), 31.8));
        rig.Press("cbtn");

        // Starting again shows the page of the mode chosen.
        pages->setCurrentIndex(0);
        rig.Replies = {Phot("40 E0 LX")};
        rig.Answers.Dialog([](QDialog* dialog) { dialog->reject(); }); // append
        rig.Press("cbtn");
        QCOMPARE(pages->currentIndex(), 1);
        QCOMPARE(rig.Series()->count(), 4);
        rig.Press("cbtn");
        tFormRig::Pick(Group(rig, "RadioGroup1"), 0);
        QCOMPARE(pages->currentIndex(), 0);
    }

    void deleteList_data()
    {
        QTest::addColumn<QByteArray>("button");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("deleted");
        for (const char* button : {"DelListBtn", "DelChartBtn"}) {
            QTest::addRow("%s, Ja", button) << QByteArray(button) << "&Ja" << true;
            QTest::addRow("%s, Nein", button) << QByteArray(button) << "&Nein" << false;
            QTest::addRow("%s, Abbrechen", button) << QByteArray(button) << "Abbrechen" << false;
        }
    }
    void deleteList()
    {
        QFETCH(QByteArray, button);
        QFETCH(QString, answer);
        QFETCH(bool, deleted);
        tMeasureRig rig;
        rig.Measure({"1 E0 LX", "2 E0 LX", "3 E0 LX"});
        if (button == "DelChartBtn") tFormRig::Pick(Group(rig, "RadioGroup1"), 1);
        rig.Answers.Box(answer);
        rig.Press(button.constData());
        QCOMPARE(rig.Answers.Texts, QStringList{QStringLiteral("Alle Meßwerte löschen?")});
        QCOMPARE(rig.List().Count(), deleted ? 0 : 3);
        QCOMPARE(rig.DataRows(), deleted ? 1 : 3);
        QCOMPARE(rig.Cell(0, 1).isEmpty(), deleted);
        QCOMPARE(rig.Series()->count(), deleted ? 0 : 3);
        // Readings after deleting start the list anew.
        rig.Measure({"4 E0 LX"});
        QCOMPARE(rig.Cell(0, 1).startsWith(Local(QStringLiteral("4.00"))), deleted);
        QCOMPARE(rig.Series()->count(), deleted ? 1 : 4);
    }
};

QTEST_MAIN(TestListView)
#include "test_listview.moc"
