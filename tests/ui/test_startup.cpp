// The main window's start: what the meter receives, what "AutoConfig" finds and shows, the
// page buttons, and meter operations that must not overlap.
#include "app/devicepicture.h"
#include "formrig.h"
#include "meter/meter.h"

#include <QStackedWidget>
#include <QtTest>

namespace {

using Lines = QByteArrayList;
using Pauses = std::vector<uint32_t>;

// What a new meter object sends while it connects.
Lines Construction(bool spotMeter)
{
    Lines lines{"*IDN?"};
    if (!spotMeter) lines << "UNIT:PHOT LX";
    return lines << "SENSE:PHOTRANGE:AUTO ON"
                 << "SENSE:PHOTRANGE:AUTO ON"
                 << "MEASURE:PHOT?"
                 << "*IDN?"
                 << "VER?";
}

Pauses ConstructionPauses(bool spotMeter)
{
    Pauses pauses{500, 100};
    if (!spotMeter) pauses.push_back(100);
    for (uint32_t p : {50, 100, 50, 100, 50, 100, 100, 50, 100})
        pauses.push_back(p);
    return pauses;
}

const Lines kVersion{"*IDN?", "VER?"};
const Pauses kVersionPauses{100, 50, 100};

template <class T> void Append(T& to, const T& more)
{
    to.insert(to.end(), more.begin(), more.end());
}

QImage Picture(int id)
{
    QImage picture;
    LoadDevicePicture(id, picture);
    return picture;
}

const QStringList kDesignRanges{QStringLiteral("Auto"),
                                QStringLiteral("Meßbereich 1 (0.1  ..      200 lx)"),
                                QStringLiteral("Meßbereich 2 (1     ..    2000 lx)"),
                                QStringLiteral("Meßbereich 3 (10   ..  20000 lx)"),
                                QStringLiteral("Meßbereich 4 (100 ..200000 lx)")};

int Page(const tFormRig& rig, const char* name)
{
    return rig.Find<QStackedWidget>(name)->currentIndex();
}

} // namespace

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void meterReceivesAtStart_data()
    {
        QTest::addColumn<QByteArray>("model");
        QTest::addColumn<bool>("spotMeter");
        QTest::newRow("ORBITEL 7718 C") << QByteArray("502") << false;
        QTest::newRow("ZENTA-SPOT 2") << QByteArray("508") << true;
    }
    void meterReceivesAtStart()
    {
        QFETCH(QByteArray, model);
        QFETCH(bool, spotMeter);
        tFormRig rig(model);
        rig.Create();
        QVERIFY(rig.Ftdi.Lines.isEmpty()); // nothing before the first showing
        QCOMPARE(rig.SplashCloses, 0);
        rig.Form->show();

        // Connect; "AutoConfig": reset, a new meter, identify, version; version once more.
        Lines lines = Construction(spotMeter);
        lines << "*RST";
        lines += Construction(spotMeter);
        lines += kVersion + kVersion + kVersion;
        QCOMPARE(rig.Ftdi.Lines, lines);
        QCOMPARE(rig.Ftdi.Written, lines.join('\n') + '\n');

        Pauses pauses = ConstructionPauses(spotMeter);
        Append(pauses, {100, 500});
        Append(pauses, ConstructionPauses(spotMeter));
        pauses.push_back(750);
        for (int i = 0; i < 3; ++i)
            Append(pauses, kVersionPauses);
        QCOMPARE(rig.Clock.Pauses, pauses);
        QCOMPARE(rig.SplashCloses, 1);
        QCOMPARE(rig.Ftdi.OpenHandle, -1); // the converter is closed between operations
    }

    void autoConfigShows_data()
    {
        QTest::addColumn<QByteArray>("meter");
        QTest::addColumn<int>("item");
        QTest::addColumn<QStringList>("ranges");
        QTest::addColumn<bool>("rangesEnabled");
        QTest::addColumn<bool>("testPicture");
        QTest::addColumn<int>("picture");
        QTest::addColumn<QString>("version");

        const QString version = QStringLiteral("KESTROM METER,%1\n\nVER 1.07\n");
        // Item 0 is the design choice: finding model 0 changes nothing, so the design list
        // stays.
        QTest::newRow("502") << QByteArray("502") << 0 << kDesignRanges << true << false << 1
                             << version.arg(502);
        QTest::newRow("503") << QByteArray("503") << 1
                             << QStringList{"Auto",
                                            "  0.01.. 19.9 lx",
                                            "  0.1 .. 199 lx",
                                            "  1   .. 1999 lx",
                                            " 10   .. 19900 lx",
                                            "100   ..199900 lx"}
                             << true << false << 1 << version.arg(503);
        QTest::newRow("504") << QByteArray("504") << 2
                             << QStringList{"Auto", "  0.01.. 19.9  cd/m²", "  0.1 .. 199   cd/m²",
                                            "  1   .. 1999  cd/m²", " 10   .. 19900 cd/m²"}
                             << true << true << 2 << version.arg(504);
        QTest::newRow("508") << QByteArray("508") << 3
                             << QStringList{"Auto", "  0.01.. 99.99 cd/m²", "  0.1 .. 999.9 cd/m²",
                                            "  1   .. 9999  cd/m²", " 10   .. 99990 cd/m²"}
                             << false << true << 4 << version.arg(508);
        QTest::newRow("no meter") << QByteArray("none") << -1 << kDesignRanges << true << false << 1
                                  << QString();
        QTest::newRow("unknown model")
            << QByteArray("777") << -1 << kDesignRanges << true << false << 1 << version.arg(777);
    }
    void autoConfigShows()
    {
        QFETCH(QByteArray, meter);
        QFETCH(int, item);
        QFETCH(QStringList, ranges);
        QFETCH(bool, rangesEnabled);
        QFETCH(bool, testPicture);
        QFETCH(int, picture);
        QFETCH(QString, version);
        tFormRig rig(meter);
        rig.Start();
        QCOMPARE(rig.Form->CurrentModelIndex(), item);
        QCOMPARE(rig.DeviceGrp()->ItemIndex(), item);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(rig.DeviceGrp()->ItemButton(i)->isChecked(), i == item);
        QCOMPARE(tFormRig::Items(rig.mbCombo()), ranges);
        QCOMPARE(rig.mbCombo()->currentIndex(), 0);
        QCOMPARE(rig.mbCombo()->isEnabled(), rangesEnabled);
        QCOMPARE(rig.ButtonNamed("tbBtn")->isHidden(), !testPicture);
        QCOMPARE(rig.Form->CurrentDevicePicture(), Picture(picture));
        QCOMPARE(rig.Find<QLabel>("Label1")->text(), version);
        QCOMPARE(rig.SplashCloses, 1);
        QCOMPARE(Page(rig, "NBK"), 0);
        QCOMPARE(rig.Form->windowTitle(), QStringLiteral("Kestrom Quirrel  V 2.10"));
    }

    void startWithoutMeterTakesOnlyThePauses()
    {
        tFormRig rig("none");
        rig.Start();
        QVERIFY(rig.Ftdi.Lines.isEmpty());
        QCOMPARE(rig.Clock.Pauses, (Pauses{500, 750}));
        QVERIFY(rig.Form->CurrentMeter());
    }

    void autoConfigWithTheChosenModelChangesNothing()
    {
        tFormRig rig("504");
        rig.Start();
        rig.Press("MeaBtn"); // the quantity table's list replaces the device table's
        const QStringList measuring = tFormRig::Items(rig.mbCombo());
        QCOMPARE(measuring.last(), QStringLiteral(" 10   .. 19990 cd/m²"));
        rig.Press("InfoBtn");
        rig.Forget();
        rig.Press("ConfigBtn");
        QCOMPARE(rig.DeviceGrp()->ItemIndex(), 2);
        QCOMPARE(tFormRig::Items(rig.mbCombo()), measuring);
        QVERIFY(!rig.ButtonNamed("tbBtn")->isHidden());
        QCOMPARE(rig.Form->CurrentDevicePicture(), Picture(2));
        QCOMPARE(rig.Clock.Pauses.size(),
                 size_t(1 + 1 + ConstructionPauses(false).size() + 1 + 2 * kVersionPauses.size()));
    }

    void autoConfigAfterTheMeterIsGone()
    {
        tFormRig rig("508");
        rig.Start();
        rig.SetMeter("none");
        rig.Press("ConfigBtn");
        QCOMPARE(rig.DeviceGrp()->ItemIndex(), -1);
        QCOMPARE(rig.Form->CurrentModelIndex(), -1);
        QVERIFY(!rig.ButtonNamed("tbBtn")->isHidden()); // keeps its visibility
        QCOMPARE(rig.Find<QLabel>("Label1")->text(), QString());
        QCOMPARE(rig.Form->CurrentDevicePicture(), Picture(4)); // no device choice ran
        QVERIFY(rig.mbCombo()->isEnabled());
    }

    void autoConfigReplacesTheMeter()
    {
        tFormRig rig("503");
        rig.Start();
        rig.Forget();
        rig.Press("ConfigBtn");
        QCOMPARE(rig.Ftdi.Lines, Lines{"*RST"} + Construction(false) + kVersion + kVersion);
        QCOMPARE(rig.Clock.Pauses[1], 500u);
        QCOMPARE(rig.Clock.Pauses[1 + 1 + ConstructionPauses(false).size()], 750u);
    }

    void deviceChosenByHandKeepsTheModel()
    {
        tFormRig rig("508");
        rig.Start();
        rig.Forget();
        tFormRig::Pick(rig.DeviceGrp(), 0);
        QCOMPARE(rig.DeviceGrp()->ItemIndex(), 0);
        QCOMPARE(rig.Form->CurrentModelIndex(), 3);
        QVERIFY(rig.Ftdi.Lines.isEmpty());
    }

    void versionButton()
    {
        tFormRig rig("503");
        rig.Start();
        rig.Find<QLabel>("Label1")->clear();
        rig.Forget();
        rig.Press("VersBtn");
        QCOMPARE(rig.Ftdi.Lines, kVersion);
        QCOMPARE(rig.Find<QLabel>("Label1")->text(),
                 QStringLiteral("KESTROM METER,503\n\nVER 1.07\n"));
    }

    void infoAndMeasure()
    {
        tFormRig rig("502");
        rig.Start();
        rig.Forget();
        rig.Press("MeaBtn");
        QCOMPARE(Page(rig, "NBK"), 1);
        QCOMPARE(Page(rig, "NBK2"), 0);
        QCOMPARE(rig.Ftdi.Lines, kVersion + Lines{"UNIT:PHO LX"});
        rig.Forget();
        rig.Press("InfoBtn");
        QCOMPARE(Page(rig, "NBK"), 0);
        QVERIFY(rig.Ftdi.Lines.isEmpty());
        rig.Press("InfoBtn");
        QCOMPARE(Page(rig, "NBK"), 0);
    }

    // Every exchange lets events run: a press of "AutoConfig" or a close request that comes
    // then must neither free the meter under the running operation nor start another one.
    void nothingReplacesTheMeterDuringAnExchange_data()
    {
        QTest::addColumn<QByteArray>("button");
        QTest::newRow("during Version") << QByteArray("VersBtn");
        QTest::newRow("during Messen") << QByteArray("MeaBtn");
        QTest::newRow("during AutoConfig") << QByteArray("ConfigBtn");
    }
    void nothingReplacesTheMeterDuringAnExchange()
    {
        QFETCH(QByteArray, button);
        tFormRig rig("504");
        rig.Start();
        rig.Forget();
        int nested = 0;
        bool closed = false;
        rig.Clock.OnProcessEvents = [&] {
            ++nested;
            rig.Press("ConfigBtn");
            rig.Press("VersBtn");
            closed = closed || rig.Form->close();
        };
        const tMeter* before = rig.Form->CurrentMeter();
        rig.Press(button.constData());
        rig.Clock.OnProcessEvents = nullptr;
        QVERIFY(nested > 0);
        QVERIFY(!closed);
        QVERIFY(rig.Form->isVisible());
        QCOMPARE(int(rig.Ftdi.Lines.count("*RST")), button == "ConfigBtn" ? 1 : 0);
        if (button != "ConfigBtn") QCOMPARE(rig.Form->CurrentMeter(), before);
        QCOMPARE(rig.Form->CurrentModelIndex(), 2);
        // Once the operation is over, the window closes normally.
        QVERIFY(rig.Form->close());
        QVERIFY(!rig.Form->CurrentMeter());
    }
};

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
