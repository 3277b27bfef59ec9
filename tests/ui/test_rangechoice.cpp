// The device catalogue in the main window: the device choice, the quantity choice with the
// meter's model, the range choice and the value axis title.
#include "app/devicepicture.h"
#include "formrig.h"

#include <QChartView>
#include <QValueAxis>
#include <QtTest>

namespace {

QImage Picture(int id)
{
    QImage picture;
    LoadDevicePicture(id, picture);
    return picture;
}

QString AxisTitleShown(const tFormRig& rig)
{
    const QChart* chart = rig.Find<QChartView>("Chart")->chart();
    return chart->axes(Qt::Vertical).value(0)->titleText();
}

} // namespace

class TestRangeChoice : public QObject {
    Q_OBJECT
private slots:
    void deviceChoice_data()
    {
        QTest::addColumn<int>("item");
        QTest::addColumn<QStringList>("ranges");
        QTest::addColumn<int>("unitCode");
        QTest::addColumn<bool>("testPicture");
        QTest::addColumn<int>("picture");
        QTest::newRow("ORBITEL 7718 C / USB")
            << 0
            << QStringList{"Auto", "  0.1.. 199.9 lx", "  1  .. 1999 lx", " 10  .. 19900 lx",
                           "100  .. 199900 lx"}
            << 0 << false << 1;
        QTest::newRow("ORBITEL 7718 B / USB") << 1
                                              << QStringList{"Auto",
                                                             "  0.01.. 19.9 lx",
                                                             "  0.1 .. 199 lx",
                                                             "  1   .. 1999 lx",
                                                             " 10   .. 19900 lx",
                                                             "100   ..199900 lx"}
                                              << 0 << false << 1;
        QTest::newRow("ZENTA-Monitor")
            << 2
            << QStringList{"Auto", "  0.01.. 19.9  cd/m²", "  0.1 .. 199   cd/m²",
                           "  1   .. 1999  cd/m²", " 10   .. 19900 cd/m²"}
            << 2 << true << 2;
        QTest::newRow("ZENTA-SPOT 2 USB")
            << 3
            << QStringList{"Auto", "  0.01.. 99.99 cd/m²", "  0.1 .. 999.9 cd/m²",
                           "  1   .. 9999  cd/m²", " 10   .. 99990 cd/m²"}
            << 2 << true << 4;
    }
    void deviceChoice()
    {
        QFETCH(int, item);
        QFETCH(QStringList, ranges);
        QFETCH(int, unitCode);
        QFETCH(bool, testPicture);
        QFETCH(int, picture);
        tFormRig rig("none"); // no item chosen, so every pick is a change
        rig.Start();
        // Start from the other kind of row, so that every field has to change.
        tFormRig::Pick(rig.DeviceGrp(), item < 2 ? 3 : 0);
        rig.mbCombo()->setCurrentIndex(2);
        rig.Forget();

        tFormRig::Pick(rig.DeviceGrp(), item);
        QCOMPARE(tFormRig::Items(rig.mbCombo()), ranges);
        QCOMPARE(rig.mbCombo()->currentIndex(), 0);
        QCOMPARE(int(rig.Form->CurrentUnitCode()), unitCode);
        QCOMPARE(rig.ButtonNamed("tbBtn")->isHidden(), !testPicture);
        QCOMPARE(rig.Form->CurrentDevicePicture(), Picture(picture));
        QCOMPARE(AxisTitleShown(rig), unitCode == 0 ? QStringLiteral("Beleuchtungsstärke / lx")
                                                    : QStringLiteral("Leuchtdichte / cd/m²"));
        QVERIFY(rig.Ftdi.Lines.isEmpty());
        QCOMPARE(rig.Form->CurrentModelIndex(), -1);
    }

    void quantityChoice_data()
    {
        QTest::addColumn<QByteArray>("model");
        QTest::addColumn<int>("quantity");
        QTest::addColumn<QStringList>("ranges");
        QTest::addColumn<int>("unitCode");
        QTest::addColumn<QByteArray>("unitCommand");
        QTest::newRow("502 lx") << QByteArray("502") << 0
                                << QStringList{"Auto", "  0.1.. 199.9 lx", "  1  .. 1999 lx",
                                               " 10  .. 19900 lx", "100  .. 199000 lx"}
                                << 0 << QByteArray("UNIT:PHO LX");
        QTest::newRow("502 fc") << QByteArray("502") << 1
                                << QStringList{"Auto", " 0.01.. 19.99 fc", " 0.1 .. 199.9 fc",
                                               " 1   .. 1999  fc", "10   .. 19990 fc"}
                                << 1 << QByteArray("UNIT:PHO FC ");
        QTest::newRow("503 lx") << QByteArray("503") << 0
                                << QStringList{"Auto",
                                               "  0.01.. 19.99 lx",
                                               "  0.1 .. 199.9 lx",
                                               "  1   .. 1999  lx",
                                               " 10   .. 19900 lx",
                                               "100   ..199000 lx"}
                                << 0 << QByteArray("UNIT:PHO LX");
        QTest::newRow("503 fc") << QByteArray("503") << 1
                                << QStringList{"Auto",
                                               " 0.001.. 1.999 fc",
                                               " 0.01 .. 19.99 fc",
                                               " 0.1  .. 199.9 fc",
                                               " 1    .. 1999  fc",
                                               "10    ..19990  fc"}
                                << 1 << QByteArray("UNIT:PHO FC ");
        QTest::newRow("504 cd/m2")
            << QByteArray("504") << 0
            << QStringList{"Auto", "  0.01.. 19.99 cd/m²", "  0.1 .. 199.9 cd/m²",
                           "  1   .. 1999  cd/m²", " 10   .. 19990 cd/m²"}
            << 2 << QByteArray("UNIT:PHO CD_M2");
        QTest::newRow("504 fL") << QByteArray("504") << 1
                                << QStringList{"Auto", "  0.001.. 1.999 fL", "  0.01 .. 19.99 fL",
                                               "  0.1  .. 199.9 fL", "  1    .. 1999  fL"}
                                << 3 << QByteArray("UNIT:PHO FL");
        QTest::newRow("508 cd/m2")
            << QByteArray("508") << 0
            << QStringList{"Auto", "  0.01.. 99.99 cd/m²", "  0.1 .. 999.9 cd/m²",
                           "  1   .. 9999  cd/m²", " 10   .. 99990 cd/m²"}
            << 2 << QByteArray("UNIT:PHO CD_M2");
        QTest::newRow("508 fL") << QByteArray("508") << 1
                                << QStringList{"Auto", "  0.001.. 9.999 fL", "  0.01 .. 99.99 fL",
                                               "  0.1  .. 999.9 fL", "  1    .. 9999  fL"}
                                << 3 << QByteArray("UNIT:PHO FL");
    }
    void quantityChoice()
    {
        QFETCH(QByteArray, model);
        QFETCH(int, quantity);
        QFETCH(QStringList, ranges);
        QFETCH(int, unitCode);
        QFETCH(QByteArray, unitCommand);
        tFormRig rig(model);
        rig.Start();
        rig.Press("MeaBtn");
        rig.mbCombo()->setCurrentIndex(1);
        rig.Forget();

        tFormRig::Choose(rig.qCombo(), quantity);
        QCOMPARE(tFormRig::Items(rig.mbCombo()), ranges);
        QCOMPARE(rig.mbCombo()->currentIndex(), 0);
        QCOMPARE(int(rig.Form->CurrentUnitCode()), unitCode);
        QCOMPARE(rig.Ftdi.Lines, (QByteArrayList{"*IDN?", "VER?", unitCommand}));
    }

    void unknownModelEmptiesTheListAndKeepsTheUnit()
    {
        tFormRig rig("504");
        rig.Start();
        rig.SetMeter("777");
        rig.Forget();
        tFormRig::Choose(rig.qCombo(), 1);
        QCOMPARE(rig.mbCombo()->count(), 0);
        QCOMPARE(int(rig.Form->CurrentUnitCode()), 2);
        // The unit is sent all the same.
        QCOMPARE(rig.Ftdi.Lines, (QByteArrayList{"*IDN?", "VER?", "UNIT:PHO CD_M2"}));
    }

    void noMeterEmptiesTheList()
    {
        tFormRig rig("none");
        rig.Start();
        rig.Press("MeaBtn");
        QCOMPARE(rig.mbCombo()->count(), 0);
        QCOMPARE(rig.mbCombo()->currentIndex(), -1);
        QVERIFY(rig.Ftdi.Lines.isEmpty());
    }

    void measureAgainRefillsAndSendsTheUnit()
    {
        tFormRig rig("503");
        rig.Start();
        rig.Press("MeaBtn");
        tFormRig::Choose(rig.mbCombo(), 3);
        const QStringList ranges = tFormRig::Items(rig.mbCombo());
        rig.Forget();
        rig.Press("MeaBtn");
        QCOMPARE(tFormRig::Items(rig.mbCombo()), ranges);
        QCOMPARE(rig.mbCombo()->currentIndex(), 0);
        // The unit again; choosing "Auto" by program sends no range command.
        QCOMPARE(rig.Ftdi.Lines, (QByteArrayList{"*IDN?", "VER?", "UNIT:PHO LX"}));
    }

    void rangeChoiceSends_data()
    {
        QTest::addColumn<QByteArray>("model");
        QTest::addColumn<int>("quantity");
        QTest::addColumn<int>("item");
        QTest::addColumn<QByteArray>("command");
        QTest::newRow("Auto is range 0") << QByteArray("502") << 0 << 0 << QByteArray("RANGE 0");
        QTest::newRow("range 1") << QByteArray("502") << 1 << 1 << QByteArray("RANGE 1");
        QTest::newRow("range 4") << QByteArray("504") << 0 << 4 << QByteArray("RANGE 4");
        QTest::newRow("sixth item, lx")
            << QByteArray("503") << 0 << 5 << QByteArray("RANGE:AUTO ON");
        QTest::newRow("sixth item, fc")
            << QByteArray("503") << 1 << 5 << QByteArray("RANGE:AUTO ON");
    }
    void rangeChoiceSends()
    {
        QFETCH(QByteArray, model);
        QFETCH(int, quantity);
        QFETCH(int, item);
        QFETCH(QByteArray, command);
        tFormRig rig(model);
        rig.Start();
        rig.Press("MeaBtn");
        tFormRig::Choose(rig.qCombo(), quantity);
        rig.Forget();
        tFormRig::Choose(rig.mbCombo(), item);
        QCOMPARE(rig.Ftdi.Lines, QByteArrayList{command});
    }

    void spotMeterRangeListIsDisabledOnlyForIt()
    {
        tFormRig rig("508");
        rig.Start();
        QVERIFY(!rig.mbCombo()->isEnabled());
        rig.SetMeter("502");
        rig.Press("ConfigBtn");
        QVERIFY(rig.mbCombo()->isEnabled());
        QCOMPARE(rig.mbCombo()->currentIndex(), 0);
    }

    void axisTitle_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QByteArray>("model");
        QTest::addColumn<int>("quantity");
        QTest::addColumn<QString>("title");
        const char* const models[] = {"502", "502", "504", "504"};
        const QString titles[4][4] = {
            {"Beleuchtungsstärke / lx", "illuminance / lx", "intensité lumineuse / lx",
             "iluminación / lx"},
            {"Beleuchtungsstärke / fc", "illuminance / fc", "intensité lumineuse / fc",
             "iluminación / fc"},
            {"Leuchtdichte / cd/m²", "luminance / cd/m²", "luminance / cd/m²",
             "luminiscencia / cd/m²"},
            {"Leuchtdichte / fL", "luminance / fL", "luminance / fL", "luminiscencia / fL"},
        };
        for (int unit = 0; unit < 4; ++unit)
            for (int language = 0; language < 4; ++language)
                QTest::addRow("unit %d, language %d", unit, language)
                    << language << QByteArray(models[unit]) << unit % 2 << titles[unit][language];
    }
    void axisTitle()
    {
        QFETCH(int, language);
        QFETCH(QByteArray, model);
        QFETCH(int, quantity);
        QFETCH(QString, title);
        tFormRig rig(model, language);
        rig.Start();
        tFormRig::Choose(rig.qCombo(), quantity);
        QCOMPARE(AxisTitleShown(rig), title);
    }
};

QTEST_MAIN(TestRangeChoice)
#include "test_rangechoice.moc"
