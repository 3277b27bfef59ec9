// Taking readings in the main window: single readings with their decimals, weighting,
// overload and failures; continuous measurement with its question, its timer, its busy
// guard and its dropped readings; the settings applied to the timer.
#include "measurerig.h"
#include "meter/meter.h"
#include "ui/mdlg.h"
#include "ui/widgets.h"

#include <QFile>
#include <QtTest>

namespace {

// The discard-or-append question answered with an item, or closed by its frame (-1).
tModalAnswers::tAnswer DiscardOrAppend(int item)
{
    return [item](QDialog* dialog) {
        auto* form = qobject_cast<TmdlgForm*>(dialog);
        QVERIFY(form);
        if (item < 0) return form->reject();
        form->mGrp->SetItemIndex(item);
        form->OkBtn->click();
    };
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

const QString kRunning = QStringLiteral("kontinuierlich messen aus");
const QString kStopped = QStringLiteral("kontinuierlich messen ein");

} // namespace

class TestMeasure : public QObject {
    Q_OBJECT
private slots:
    void singleReading_data()
    {
        QTest::addColumn<QByteArray>("model");
        QTest::addColumn<int>("deviceItem"); // chosen by hand after the start; -1 as found
        QTest::addColumn<QByteArray>("reading");
        QTest::addColumn<QString>("display");
        QTest::addColumn<float>("listed"); // -1: nothing listed

        QTest::newRow("lx") << QByteArray("502") << -1 << QByteArray("123456 E-3 LX") << "123.46 lx"
                            << 123.456f;
        QTest::newRow("fc") << QByteArray("503") << -1 << QByteArray("5432 E-2 FC") << "54.32 fc"
                            << 54.32f;
        QTest::newRow("spot cd/m2 below 100")
            << QByteArray("508") << -1 << QByteArray("123456 E-4 CD") << "12.35 cd/m²" << 12.3456f;
        QTest::newRow("spot cd/m2 below 1000")
            << QByteArray("508") << -1 << QByteArray("123456 E-3 CD") << "123.5 cd/m²" << 123.456f;
        QTest::newRow("spot cd/m2 from 1000")
            << QByteArray("508") << -1 << QByteArray("234567 E-2 CD") << "2346 cd/m²" << 2345.67f;
        QTest::newRow("spot fL below 10")
            << QByteArray("508") << -1 << QByteArray("54321 E-4 FL") << "5.432 fL" << 5.4321f;
        QTest::newRow("spot fL below 100")
            << QByteArray("508") << -1 << QByteArray("54321 E-3 FL") << "54.32 fL" << 54.321f;
        QTest::newRow("monitor cd/m2")
            << QByteArray("504") << -1 << QByteArray("123456 E-4 CD") << "12 cd/m²" << 12.3456f;
        QTest::newRow("monitor fL")
            << QByteArray("504") << -1 << QByteArray("54321 E-4 FL") << "5 fL" << 5.4321f;
        // The rule follows the chosen device item, not the model found.
        QTest::newRow("spot meter, item 2 chosen")
            << QByteArray("508") << 2 << QByteArray("123456 E-4 CD") << "12 cd/m²" << 12.3456f;
        QTest::newRow("monitor, item 3 chosen")
            << QByteArray("504") << 3 << QByteArray("123456 E-4 CD") << "12.35 cd/m²" << 12.3456f;
        QTest::newRow("overload") << QByteArray("502") << -1 << QByteArray("OVL LX") << "OVL"
                                  << -1.0f;
        QTest::newRow("error reply")
            << QByteArray("502") << -1 << QByteArray("ERR") << "ERR" << -1.0f;
    }
    void singleReading()
    {
        QFETCH(QByteArray, model);
        QFETCH(int, deviceItem);
        QFETCH(QByteArray, reading);
        QFETCH(QString, display);
        QFETCH(float, listed);
        tMeasureRig rig(model);
        if (deviceItem >= 0) tFormRig::Pick(rig.DeviceGrp(), deviceItem);
        rig.Measure({reading});
        QCOMPARE(rig.Display(), Local(display));
        QCOMPARE(rig.Sent("MEASURE:PHOT?"), 1);
        if (listed < 0) {
            QCOMPARE(rig.List().Count(), 0);
            QCOMPARE(rig.DataRows(), 1); // the empty first row only
            QCOMPARE(rig.Series()->count(), 0);
        } else {
            QCOMPARE(rig.List().Count(), 1);
            QCOMPARE(rig.List().ValueAt(0), listed);
            QCOMPARE(rig.DataRows(), 1);
            QVERIFY(!rig.Cell(0, 1).isEmpty());
            QCOMPARE(rig.Series()->count(), 1);
        }
        QCOMPARE(rig.Answers.Unanswered, 0);
    }

    // No converter or no reply: "ERR", and the list, the table and the chart stay as they were.
    void failedReadingIsNotListed_data()
    {
        QTest::addColumn<bool>("converter");
        QTest::newRow("silent meter") << true;
        QTest::newRow("no converter") << false;
    }
    void failedReadingIsNotListed()
    {
        QFETCH(bool, converter);
        tMeasureRig rig;
        rig.Measure({"150 E0 LX"});
        if (!converter) rig.Ftdi.OpenStatus = FT_DEVICE_NOT_FOUND;
        rig.Press("mBtn"); // no reply queued
        QCOMPARE(rig.Display(), QStringLiteral("ERR"));
        QCOMPARE(rig.List().Count(), 1);
        QCOMPARE(rig.DataRows(), 1);
        QCOMPARE(rig.Series()->count(), 1);
        rig.Ftdi.OpenStatus = FT_OK;
        rig.Measure({"160 E0 LX"}); // and the next reading comes in as usual
        QCOMPARE(rig.List().Count(), 2);
        QCOMPARE(rig.Display(), Local(QStringLiteral("160.00 lx")));
    }

    void weightingFactor()
    {
        tMeasureRig rig;
        rig.Settings(QStringLiteral("2"), 2);
        QCOMPARE(rig.Form->CurrentFactor(), 2.0f);
        rig.Measure({"150 E0 LX"});
        QCOMPARE(rig.Display(), Local(QStringLiteral("300.00 lx")));
        QCOMPARE(rig.List().ValueAt(0), 300.0f);
        rig.Measure({"OVL LX"}); // an overload is not weighted either
        QCOMPARE(rig.Display(), QStringLiteral("OVL"));
        QCOMPARE(rig.List().Count(), 1);
    }

    // The exchange lets events run: a second press then takes no reading of its own.
    void twoQuickPressesGiveOneReading()
    {
        tMeasureRig rig;
        rig.Replies = {Phot("100 E0 LX"), Phot("200 E0 LX")};
        rig.Clock.OnProcessEvents = [&rig] { rig.Press("mBtn"); };
        rig.Press("mBtn");
        rig.Clock.OnProcessEvents = nullptr;
        QCOMPARE(rig.Sent("MEASURE:PHOT?"), 1);
        QCOMPARE(rig.List().Count(), 1);
        QCOMPARE(rig.List().ValueAt(0), 100.0f);
    }

    void continuousStartAndStop()
    {
        tMeasureRig rig;
        rig.Replies = {Phot("100 E0 LX"), Phot("110 E0 LX")};
        rig.Press("cbtn");
        // No question with an empty list; one reading at once.
        QCOMPARE(rig.Answers.Unanswered, 0);
        QVERIFY(rig.Form->IsContinuous());
        QCOMPARE(rig.List().Count(), 1);
        QCOMPARE(rig.ButtonNamed("cbtn")->text(), kRunning);
        QVERIFY(!rig.ButtonNamed("mBtn")->isEnabled());
        QVERIFY(rig.Timer1()->isActive());
        QCOMPARE(rig.Timer1()->interval(), 5000); // item 2, as the dialog shows it
        rig.Press("mBtn");                        // disabled: nothing happens
        QCOMPARE(rig.Sent("MEASURE:PHOT?"), 1);

        rig.Form->Timer1Timer();
        QCOMPARE(rig.List().Count(), 2);
        QCOMPARE(rig.Display(), Local(QStringLiteral("110.00 lx")));
        QCOMPARE(rig.DataRows(), 2);
        QCOMPARE(rig.Table()->currentIndex().row(), 1); // the newest row is the active one

        rig.Press("cbtn");
        QVERIFY(!rig.Form->IsContinuous());
        QVERIFY(!rig.Timer1()->isActive());
        QCOMPARE(rig.ButtonNamed("cbtn")->text(), kStopped);
        QVERIFY(rig.ButtonNamed("mBtn")->isEnabled());
        QCOMPARE(rig.Sent("MEASURE:PHOT?"), 2); // no reading on stopping
        QCOMPARE(rig.List().Count(), 2);
    }

    void startWithReadingsAsks_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("count");
        QTest::newRow("discard") << int(kDiscardReadings) << 1;
        QTest::newRow("append") << int(kAppendReadings) << 3;
        QTest::newRow("closed by its frame") << -1 << 3;
    }
    void startWithReadingsAsks()
    {
        QFETCH(int, answer);
        QFETCH(int, count);
        tMeasureRig rig;
        rig.Measure({"1 E0 LX", "2 E0 LX"});
        rig.Answers.Dialog(DiscardOrAppend(answer));
        rig.Replies = {Phot("3 E0 LX")};
        rig.Press("cbtn");
        QVERIFY(rig.Answers.AllUsed());
        QCOMPARE(rig.Answers.Unanswered, 0);
        QCOMPARE(rig.List().Count(), count);
        QCOMPARE(rig.List().ValueAt(count - 1), 3.0f);
        QCOMPARE(rig.DataRows(), count);
        // In table mode the chart follows single readings, not timer readings.
        QCOMPARE(rig.Series()->count(), count == 1 ? 0 : 2);
        QVERIFY(rig.Form->IsContinuous());
    }

    void tickDropsAndRepeats_data()
    {
        QTest::addColumn<QByteArrayList>("replies");
        QTest::addColumn<int>("asked");
        QTest::addColumn<float>("listed"); // -1: nothing
        QTest::newRow("overload, then a good reading")
            << QByteArrayList{"OVL LX", "120 E0 LX"} << 2 << 120.0f;
        QTest::newRow("two overloads")
            << QByteArrayList{"OVL LX", "OVL LX", "130 E0 LX"} << 2 << -1.0f;
        QTest::newRow("overload, then no reply") << QByteArrayList{"OVL LX"} << 2 << -1.0f;
        QTest::newRow("error reply") << QByteArrayList{"ERR", "140 E0 LX"} << 1 << -1.0f;
        QTest::newRow("no reply") << QByteArrayList{} << 1 << -1.0f;
    }
    void tickDropsAndRepeats()
    {
        QFETCH(QByteArrayList, replies);
        QFETCH(int, asked);
        QFETCH(float, listed);
        tMeasureRig rig;
        rig.Replies = {Phot("100 E0 LX")};
        rig.Press("cbtn");
        rig.Forget();
        for (const QByteArray& r : replies)
            rig.Replies.push_back(Phot(r));
        rig.Form->Timer1Timer();
        QCOMPARE(rig.Sent("MEASURE:PHOT?"), asked);
        if (listed < 0) {
            QCOMPARE(rig.List().Count(), 1);
            QCOMPARE(rig.Display(), Local(QStringLiteral("100.00 lx"))); // kept
        } else {
            QCOMPARE(rig.List().Count(), 2);
            QCOMPARE(rig.List().ValueAt(1), listed);
        }
        QCOMPARE(rig.DataRows(), rig.List().Count());
        QCOMPARE(rig.Answers.Unanswered, 0); // dropped without a word
    }

    // A tick that comes while the previous one waits for the meter returns at once.
    void tickDuringTickIsSkipped()
    {
        tMeasureRig rig;
        rig.Replies = {Phot("100 E0 LX")};
        rig.Press("cbtn");
        rig.Forget();
        rig.Replies = {Phot("101 E0 LX"), Phot("102 E0 LX")};
        int nested = 0;
        rig.Clock.OnProcessEvents = [&] {
            ++nested;
            rig.Form->Timer1Timer();
        };
        rig.Form->Timer1Timer();
        rig.Clock.OnProcessEvents = nullptr;
        QCOMPARE(nested, 1);
        QCOMPARE(rig.Sent("MEASURE:PHOT?"), 1);
        QCOMPARE(rig.List().Count(), 2);
        rig.Form->Timer1Timer(); // the guard is released afterwards
        QCOMPARE(rig.List().Count(), 3);
    }

    // Continuous readings keep the luminance rule on every device item and are weighted.
    void tickDecimalsAndWeighting_data()
    {
        QTest::addColumn<QByteArray>("model");
        QTest::addColumn<QString>("factor");
        QTest::addColumn<QByteArray>("reading");
        QTest::addColumn<QString>("display");
        QTest::newRow("monitor cd/m2")
            << QByteArray("504") << "1" << QByteArray("123456 E-4 CD") << "12.35 cd/m²";
        QTest::newRow("monitor fL")
            << QByteArray("504") << "1" << QByteArray("54321 E-4 FL") << "5.432 fL";
        QTest::newRow("weighted into the next decimals")
            << QByteArray("504") << "10" << QByteArray("54321 E-4 FL") << "54.32 fL";
        QTest::newRow("lx") << QByteArray("503") << "0.5" << QByteArray("123456 E-2 LX")
                            << "617.28 lx";
    }
    void tickDecimalsAndWeighting()
    {
        QFETCH(QByteArray, model);
        QFETCH(QString, factor);
        QFETCH(QByteArray, reading);
        QFETCH(QString, display);
        tMeasureRig rig(model);
        rig.Settings(factor, 2);
        rig.Replies = {Phot(reading)};
        rig.Press("cbtn");
        QCOMPARE(rig.Display(), Local(display));
        QCOMPARE(rig.List().Count(), 1);
    }

    void axisTitles()
    {
        tMeasureRig rig("504");
        tFormRig::Pick(rig.Find<TRadioGroup>("RadioGroup1"), 1); // "Grafik"
        rig.Replies = {Phot("12 E0 CD")};
        rig.Press("cbtn");
        QCOMPARE(rig.ValueAxis()->titleText(), QStringLiteral("Leuchtdichte [cd/m²]"));
        QCOMPARE(rig.Series()->count(), 1); // graph mode follows each reading
        rig.Replies = {Phot("5 E0 FL")};
        rig.Form->Timer1Timer();
        QCOMPARE(rig.ValueAxis()->titleText(), QStringLiteral("Leuchtdichte [fL]"));
        QCOMPARE(rig.Series()->count(), 2);
        QCOMPARE(rig.DataRows(), 2);
        rig.Press("cbtn");

        // An illuminance meter titles by the quantity chosen, also in table mode.
        tMeasureRig lux("502");
        tFormRig::Choose(lux.qCombo(), 1);
        lux.Replies = {Phot("1 E0 FC")};
        lux.Press("cbtn");
        QCOMPARE(lux.ValueAxis()->titleText(), QStringLiteral("Beleuchtungsstärke [fc]"));
        lux.Press("cbtn");
        tFormRig::Choose(lux.qCombo(), 0);
        lux.Answers.Dialog(DiscardOrAppend(kAppendReadings));
        lux.Press("cbtn");
        QCOMPARE(lux.ValueAxis()->titleText(), QStringLiteral("Beleuchtungsstärke [lx]"));
        QCOMPARE(lux.Answers.Unanswered, 0);
    }

    // Switching the language while measuring keeps the running caption.
    void languageSwitchWhileMeasuring()
    {
        tMeasureRig rig;
        rig.Replies = {Phot("1 E0 LX")};
        rig.Press("cbtn");
        rig.Press("InfoBtn");
        WriteFile(rig.FormsFile(QStringLiteral(".LCE")),
                  "[TForm1]\r\ncbtn=start continuous measuring\r\n");
        WriteFile(rig.FormsFile(QStringLiteral(".LME")),
                  "[general]\r\nmeamsg1=stop continuous measuring\r\n");
        tFormRig::Pick(rig.LangGrp(), 1);
        QCOMPARE(LanguageIndex, 1);
        QCOMPARE(rig.ButtonNamed("cbtn")->text(), QStringLiteral("stop continuous measuring"));
        QVERIFY(!rig.ButtonNamed("mBtn")->isEnabled());
        rig.Press("cbtn");
        QCOMPARE(rig.ButtonNamed("cbtn")->text(), kStopped); // no entry: the German default
    }

    // A meter that goes away while measuring: ticks list nothing, the readings stay.
    void meterGoneWhileMeasuring()
    {
        tMeasureRig rig;
        rig.Replies = {Phot("100 E0 LX"), Phot("101 E0 LX")};
        rig.Press("cbtn");
        rig.Form->Timer1Timer();
        rig.Ftdi.OpenStatus = FT_DEVICE_NOT_FOUND;
        rig.Form->Timer1Timer();
        rig.Form->Timer1Timer();
        QCOMPARE(rig.List().Count(), 2);
        QCOMPARE(rig.Display(), Local(QStringLiteral("101.00 lx")));
        QVERIFY(rig.Form->IsContinuous());
        QCOMPARE(rig.Answers.Unanswered, 0);
    }

    void settingsSetThePeriod_data()
    {
        QTest::addColumn<int>("interval");
        QTest::addColumn<QTime>("free");
        QTest::addColumn<int>("period");
        QTest::newRow("0,5 s") << 0 << QTime(0, 0, 1) << 500;
        QTest::newRow("1 s") << 1 << QTime(0, 0, 1) << 1000;
        QTest::newRow("60 s") << 4 << QTime(0, 0, 1) << 60000;
        QTest::newRow("free 5 s") << 5 << QTime(0, 0, 5) << 5000;
        QTest::newRow("free 1 h 2 min 3 s") << 5 << QTime(1, 2, 3) << 3723000;
    }
    void settingsSetThePeriod()
    {
        QFETCH(int, interval);
        QFETCH(QTime, free);
        QFETCH(int, period);
        tMeasureRig rig;
        rig.Replies = {Phot("1 E0 LX")};
        rig.Press("cbtn");
        rig.Settings(QString(), interval, free);
        // At once, also while measuring.
        QCOMPARE(rig.Timer1()->interval(), period);
        QVERIFY(rig.Timer1()->isActive());
        rig.Press("cbtn");
        QVERIFY(!rig.Timer1()->isActive());
        rig.Answers.Dialog(DiscardOrAppend(kAppendReadings));
        rig.Press("cbtn");
        QCOMPARE(rig.Timer1()->interval(), period);
        QVERIFY(rig.Timer1()->isActive());
    }

    // Free interval 00:00:00: no ticks, only the first reading.
    void freeIntervalZero()
    {
        tMeasureRig rig;
        rig.Settings(QString(), 5, QTime(0, 0, 0));
        rig.Replies = {Phot("1 E0 LX")};
        rig.Press("cbtn");
        QVERIFY(rig.Form->IsContinuous());
        QVERIFY(!rig.Timer1()->isActive());
        QCOMPARE(rig.List().Count(), 1);
        rig.Settings(QString(), 0); // a period again: the ticks start
        QVERIFY(rig.Timer1()->isActive());
        QCOMPARE(rig.Timer1()->interval(), 500);
    }

    void cancelledSettingsChangeNothing()
    {
        tMeasureRig rig;
        rig.Settings(QStringLiteral("3"), 1);
        rig.Answers.Dialog([](QDialog* dialog) {
            auto* form = qobject_cast<TSettingsForm*>(dialog);
            form->factFld->setText(QStringLiteral("7"));
            form->IntvCombo->setCurrentIndex(4);
            form->CancelBtn->click();
        });
        rig.Press("setupBtn");
        QVERIFY(rig.Answers.AllUsed());
        QCOMPARE(rig.Form->CurrentFactor(), 3.0f);
        rig.Replies = {Phot("1 E0 LX")};
        rig.Press("cbtn");
        QCOMPARE(rig.Timer1()->interval(), 1000);
    }
};

QTEST_MAIN(TestMeasure)
#include "test_measure.moc"
