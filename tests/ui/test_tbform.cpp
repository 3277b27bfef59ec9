// The test-picture window: its layout on two screens, the grey levels, the key commands and
// the poll on a scripted spot meter, closing, and a meter that is busy or goes away.
#include "common/valuetext.h"
#include "meterrig.h"
#include "ui/tb.h"
#include "ui/widgets.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

// A spot meter whose status and reading the test sets.
struct tSpotRig : tMeterRig {
    QByteArray Status = "RMS 00\r\n";
    QByteArray Reading = "12345 E-3 CD\r\n";

    tSpotRig()
    {
        Connect("508");
        Ftdi.Responder = [this](const QByteArray& line) -> QByteArray {
            if (line == "RMS?") return Status;
            if (line == "?") return Reading;
            return "OK\r\n";
        };
    }
};

// Lets the window go as the event loop would after it closed itself.
void RunDeferredDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QWidget* Part(TtbForm* form, const char* name)
{
    return form->findChild<QWidget*>(QString::fromLatin1(name));
}

QString Reading(TtbForm* form)
{
    return form->findChild<QLabel*>(QStringLiteral("Label1"))->text();
}

QColor PixelAt(TtbForm* form, QPoint p)
{
    return form->grab(QRect(p, QSize(1, 1))).toImage().pixelColor(0, 0);
}

// A point of the background: between the top-left patch and the centre patch.
const QPoint kBackground(300, 100);

} // namespace

class TestTbForm : public QObject {
    Q_OBJECT
private slots:
    void cleanup();

    void layoutOnTheMainWindowsScreen_data();
    void layoutOnTheMainWindowsScreen();
    void greyLevels_data();
    void greyLevels();
    void keyOnBeforeShowing();
    void poll_data();
    void poll();
    void closingSendsKeyOff_data();
    void closingSendsKeyOff();
    void closedByTheWindowSystem();
    void withoutMeter();
    void busyMeterIsLeftAlone();
    void keyOnWhileMeterBusy();
    void forgottenMeter();
};

void TestTbForm::cleanup()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<TtbForm*>(w)) delete w;
}

void TestTbForm::layoutOnTheMainWindowsScreen_data()
{
    QTest::addColumn<int>("screen");
    QTest::newRow("1024 x 768") << 0;
    QTest::newRow("1920 x 1080") << 1;
}

void TestTbForm::layoutOnTheMainWindowsScreen()
{
    QFETCH(int, screen);
    const QList<QScreen*> screens = QGuiApplication::screens();
    QCOMPARE(screens.size(), 2);
    const QRect area = screens[screen]->geometry();

    QWidget mainWindow;
    mainWindow.setGeometry(area.x() + 50, area.y() + 50, 763, 476);
    mainWindow.show();
    QVERIFY(QTest::qWaitForWindowExposed(&mainWindow));
    QCOMPARE(mainWindow.screen(), screens[screen]);

    TtbForm* form = ShowTestPicture(nullptr, &mainWindow);
    QVERIFY(form->isVisible());
    QCOMPARE(form->geometry(), area);
    QVERIFY(form->windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(form->windowFlags() & Qt::WindowStaysOnTopHint);

    const int w = area.width(), h = area.height();
    QCOMPARE(Part(form, "Panel1")->geometry(), QRect(0, -8, 257, 241));
    QCOMPARE(Part(form, "Panel2")->geometry(), QRect(0, h - 241, 257, 241));
    QCOMPARE(Part(form, "Panel3")->geometry(), QRect(w - 259, 0, 257, 241));
    QCOMPARE(Part(form, "Panel4")->geometry(), QRect(w - 259, h - 241, 257, 241));
    QCOMPARE(Part(form, "Panel6")->geometry(), QRect((w - 257) / 2, h - 209, 257, 209));
    // The centre patch grows with the screen and stays centred.
    const QRect centre = Part(form, "Panel5")->geometry();
    QCOMPARE(centre.size(), QSize(w - 677, h - 433));
    QVERIFY(qAbs(centre.center().x() - w / 2) <= 1);
    QVERIFY(qAbs(centre.center().y() - h / 2) <= 1);
    form->close();
}

void TestTbForm::greyLevels_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QColor>("patches"); // invalid: hidden
    QTest::newRow("0 %") << 0 << QColor(Qt::black) << QColor();
    QTest::newRow("50 %") << 1 << QColor(192, 192, 192) << QColor(128, 128, 128);
    QTest::newRow("100 %") << 2 << QColor(192, 192, 192) << QColor(Qt::white);
}

void TestTbForm::greyLevels()
{
    QFETCH(int, level);
    QFETCH(QColor, background);
    QFETCH(QColor, patches);

    TtbForm* form = ShowTestPicture(nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(form));
    auto* colGrp = form->findChild<TRadioGroup*>(QStringLiteral("colGrp"));
    QCOMPARE(colGrp->Items(), QStringList({"0 %", "50 %", "100 %"}));
    QCOMPARE(colGrp->ItemIndex(), 1); // opens as "50 %"
    if (level != 1) {
        QAbstractButton* item = colGrp->ItemButton(level);
        QTest::mouseClick(item, Qt::LeftButton, {}, QPoint(6, item->height() / 2)); // its circle
    }

    QCOMPARE(PixelAt(form, kBackground), background);
    for (const char* name : {"Panel1", "Panel2", "Panel3", "Panel4", "Panel5"}) {
        QWidget* patch = Part(form, name);
        QCOMPARE(patch->isVisible(), patches.isValid());
        const QRect r = patch->geometry();
        const QPoint inside(r.center().x(), std::max(r.center().y(), 0));
        QCOMPARE(PixelAt(form, inside), patches.isValid() ? patches : background);
    }
    // The control panel keeps its look.
    QWidget* panel = Part(form, "Panel6");
    QVERIFY(panel->isVisible());
    QCOMPARE(PixelAt(form, panel->geometry().topLeft() + QPoint(2, 2)), QColor(192, 192, 192));
}

void TestTbForm::keyOnBeforeShowing()
{
    tSpotRig rig;
    bool shownAtKeyOn = true;
    rig.Clock.OnProcessEvents = [&] {
        shownAtKeyOn = false;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<TtbForm*>(w) && w->isVisible()) shownAtKeyOn = true;
    };
    TtbForm* form = ShowTestPicture(rig.Meter.get());
    rig.Clock.OnProcessEvents = nullptr;

    QCOMPARE(rig.Ftdi.Lines, QByteArrayList{"KEY 1"});
    QCOMPARE(rig.Clock.Pauses, std::vector<uint32_t>{2000});
    QVERIFY(!shownAtKeyOn);
    QVERIFY(form->isVisible());
    QCOMPARE(form->PollTimer()->interval(), 200);
    QVERIFY(form->PollTimer()->isActive());
    QVERIFY(Reading(form).isEmpty());
}

void TestTbForm::poll_data()
{
    QTest::addColumn<QByteArray>("status");
    QTest::addColumn<QByteArray>("reading");
    QTest::addColumn<QByteArrayList>("lines");
    QTest::addColumn<QString>("shown");

    const QString point = LocaleDecimalPoint();
    QTest::newRow("0x41: fetched") << QByteArray("RMS 41\r\n") << QByteArray("12345 E-3 CD\r\n")
                                   << QByteArrayList{"RMS?", "?"} << "12" + point + "35 cd/m\u00b2";
    QTest::newRow("0x00: nothing new") << QByteArray("RMS 00\r\n") << QByteArray("1 E0 CD\r\n")
                                       << QByteArrayList{"RMS?"} << QString();
    QTest::newRow("0xBF: bit 6 clear") << QByteArray("RMS BF\r\n") << QByteArray("1 E0 CD\r\n")
                                       << QByteArrayList{"RMS?"} << QString();
    QTest::newRow("silent meter") << QByteArray() << QByteArray() << QByteArrayList{"RMS?"}
                                  << QString();
    QTest::newRow("overload shown as it is")
        << QByteArray("RMS 40\r\n") << QByteArray("OVL\r\n") << QByteArrayList{"RMS?", "?"}
        << "-1" + point + "00 lx";
    QTest::newRow("footcandle") << QByteArray("RMS 40\r\n") << QByteArray("5 E0 FC\r\n")
                                << QByteArrayList{"RMS?", "?"} << "5" + point + "00 fc";
}

void TestTbForm::poll()
{
    QFETCH(QByteArray, status);
    QFETCH(QByteArray, reading);
    QFETCH(QByteArrayList, lines);
    QFETCH(QString, shown);

    tSpotRig rig;
    rig.Status = status;
    rig.Reading = reading;
    TtbForm* form = ShowTestPicture(rig.Meter.get());
    rig.Forget();

    form->mTimerTimer();
    QCOMPARE(rig.Ftdi.Lines, lines);
    QCOMPARE(Reading(form), shown);
    QVERIFY(form->PollTimer()->isActive()); // polling goes on
    QVERIFY(form->isVisible());
}

void TestTbForm::closingSendsKeyOff_data()
{
    QTest::addColumn<bool>("doubleClick");
    QTest::newRow("quit") << false;
    QTest::newRow("double click") << true;
}

void TestTbForm::closingSendsKeyOff()
{
    QFETCH(bool, doubleClick);
    tSpotRig rig;
    QPointer<TtbForm> form = ShowTestPicture(rig.Meter.get());
    rig.Forget();

    if (doubleClick)
        QTest::mouseDClick(form, Qt::LeftButton, {}, kBackground);
    else
        form->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
    // The close waits for the next poll.
    QVERIFY(form->IsQuitRequested());
    QVERIFY(form->isVisible());
    QVERIFY(rig.Ftdi.Lines.isEmpty());

    bool shownAtKeyOff = true;
    rig.Clock.OnProcessEvents = [&] { shownAtKeyOff = form && form->isVisible(); };
    form->mTimerTimer();
    rig.Clock.OnProcessEvents = nullptr;
    QCOMPARE(rig.Ftdi.Lines, QByteArrayList{"KEY 0"});
    QCOMPARE(rig.Clock.Pauses, std::vector<uint32_t>{500});
    QVERIFY(!shownAtKeyOff);
    RunDeferredDeletes();
    QVERIFY(!form);
}

void TestTbForm::closedByTheWindowSystem()
{
    tSpotRig rig;
    QPointer<TtbForm> form = ShowTestPicture(rig.Meter.get());
    rig.Forget();
    QVERIFY(!form->close()); // refused: the keys must be switched off first
    QVERIFY(form->isVisible());
    form->mTimerTimer();
    QCOMPARE(rig.Ftdi.Lines, QByteArrayList{"KEY 0"});
    RunDeferredDeletes();
    QVERIFY(!form);
}

void TestTbForm::withoutMeter()
{
    QPointer<TtbForm> form = ShowTestPicture(nullptr);
    QVERIFY(form->isVisible());
    QVERIFY(!form->PollTimer()->isActive());
    form->mTimerTimer(); // a stray tick does nothing
    QVERIFY(form->isVisible());

    // A double click on a patch is not one on the background.
    QTest::mouseDClick(Part(form, "Panel5"), Qt::LeftButton);
    QVERIFY(form->isVisible());
    QTest::mouseDClick(form, Qt::LeftButton, {}, kBackground);
    QVERIFY(!form->isVisible());
    RunDeferredDeletes();
    QVERIFY(!form);

    form = ShowTestPicture(nullptr);
    form->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
    QVERIFY(!form->isVisible());
}

void TestTbForm::busyMeterIsLeftAlone()
{
    tSpotRig rig;
    rig.Status = "RMS 41\r\n";
    QPointer<TtbForm> form = ShowTestPicture(rig.Meter.get());
    rig.Forget();

    // Ticks that come while the main window's reading lets events run.
    rig.Clock.OnProcessEvents = [&] {
        form->mTimerTimer();
        form->Button1Click();
        form->mTimerTimer();
    };
    uint8_t unit = 0;
    rig.Meter->Measure(unit);
    rig.Clock.OnProcessEvents = nullptr;
    QCOMPARE(rig.Ftdi.Lines, QByteArrayList{"MEASURE:PHOT?"});
    QVERIFY(form->isVisible());
    QVERIFY(form->PollTimer()->isActive());

    // The next free tick closes the window and switches the keys off.
    rig.Forget();
    form->mTimerTimer();
    QCOMPARE(rig.Ftdi.Lines, QByteArrayList{"KEY 0"});
    QVERIFY(!form->isVisible());
}

void TestTbForm::keyOnWhileMeterBusy()
{
    tSpotRig rig;
    QPointer<TtbForm> form;
    rig.Clock.OnProcessEvents = [&] {
        if (!form) form = ShowTestPicture(rig.Meter.get());
    };
    uint8_t unit = 0;
    rig.Meter->Measure(unit);
    rig.Clock.OnProcessEvents = nullptr;
    QVERIFY(form && form->isVisible());
    QCOMPARE(rig.Ftdi.Lines, QByteArrayList{"MEASURE:PHOT?"});

    // The first poll sends what could not be sent then, and polling starts after it.
    rig.Forget();
    form->mTimerTimer();
    QCOMPARE(rig.Ftdi.Lines, QByteArrayList{"KEY 1"});
    form->mTimerTimer();
    QCOMPARE(rig.Ftdi.Lines, QByteArrayList({"KEY 1", "RMS?"}));
}

void TestTbForm::forgottenMeter()
{
    tSpotRig rig;
    QPointer<TtbForm> form = ShowTestPicture(rig.Meter.get());
    QPointer<TtbForm> other = ShowTestPicture(nullptr);
    rig.Forget();

    TtbForm::ForgetMeter(rig.Meter.get());
    rig.Meter.reset();
    QVERIFY(!form->PollTimer()->isActive());
    QVERIFY(!form->CurrentMeter());
    form->mTimerTimer();
    QVERIFY(rig.Ftdi.Lines.isEmpty());
    // Without its meter the window closes at once.
    form->Button1Click();
    QVERIFY(!form->isVisible());
    QVERIFY(other->isVisible());
}

// Two screens side by side, so that the window can be seen to open on the main window's.
int main(int argc, char** argv)
{
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("screens.json"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly)) return 1;
    file.write(R"({"screens": [
        {"name": "small", "x": 0, "y": 0, "width": 1024, "height": 768, "logicalDpi": 96},
        {"name": "large", "x": 1024, "y": 0, "width": 1920, "height": 1080, "logicalDpi": 96}
    ]})");
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config));

    QApplication app(argc, argv);
    TestTbForm test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_tbform.moc"
