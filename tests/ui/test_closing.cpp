// Closing the main window: the question before readings are given up, the refusal while
// continuous measurement runs or a meter operation is under way, and what a close frees.
#include "measurerig.h"
#include "ui/tb.h"

#include <QtTest>

namespace {

const QString kDiscard = QStringLiteral("Meßwerte verwerfen ?");
const QString kStopFirst = QStringLiteral("Bitte zunächst Messung beenden");

bool Closed(const tMeasureRig& rig)
{
    return !rig.Form->isVisible() && !rig.Form->CurrentMeter() &&
           rig.Form->CurrentDevicePicture().isNull();
}

} // namespace

class TestClosing : public QObject {
    Q_OBJECT
private slots:
    void endWithEmptyListAsksNothing()
    {
        tMeasureRig rig;
        rig.Press("QuitBtn");
        QVERIFY(Closed(rig));
        QCOMPARE(rig.Answers.Texts, QStringList());
        QCOMPARE(rig.Answers.Unanswered, 0);
    }

    void endWithReadingsAsks_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("closed");
        QTest::newRow("Ja") << "&Ja" << true;
        QTest::newRow("Nein") << "&Nein" << false;
        QTest::newRow("Abbrechen") << "Abbrechen" << false;
    }
    void endWithReadingsAsks()
    {
        QFETCH(QString, answer);
        QFETCH(bool, closed);
        tMeasureRig rig;
        rig.Measure({"1 E0 LX"});
        rig.Answers.Box(answer);
        rig.Press("QuitBtn");
        QCOMPARE(rig.Answers.Texts, QStringList{kDiscard});
        QCOMPARE(Closed(rig), closed);
        QCOMPARE(rig.List().Count(), 1); // nothing is deleted either way
    }

    // The frame's close button and Alt+F4 ask nothing about the readings.
    void frameCloseWithReadings()
    {
        tMeasureRig rig;
        rig.Measure({"1 E0 LX"});
        QVERIFY(rig.Form->close());
        QVERIFY(Closed(rig));
        QCOMPARE(rig.Answers.Texts, QStringList());
    }

    void refusedWhileMeasuring()
    {
        tMeasureRig rig;
        rig.Replies = {Phot("1 E0 LX")};
        rig.Press("cbtn");

        rig.Answers.Box(QStringLiteral("OK"));
        QVERIFY(!rig.Form->close());
        rig.Answers.Box(QStringLiteral("&Ja"));
        rig.Answers.Box(QStringLiteral("OK"));
        rig.Press("QuitBtn");
        QCOMPARE(rig.Answers.Texts, (QStringList{kStopFirst, kDiscard, kStopFirst}));
        QVERIFY(rig.Form->isVisible());
        QVERIFY(rig.Form->CurrentMeter());
        QVERIFY(rig.Form->IsContinuous());
        QVERIFY(rig.Timer1()->isActive());

        rig.Press("cbtn");
        QVERIFY(rig.Form->close());
        QVERIFY(Closed(rig));
        QCOMPARE(rig.Answers.Unanswered, 0);
    }

    // A close request that comes while an exchange lets events run is refused without a
    // word, also while measuring; a moment later the window closes.
    void refusedSilentlyDuringAnExchange_data()
    {
        QTest::addColumn<bool>("continuous");
        QTest::newRow("single reading") << false;
        QTest::newRow("timer reading") << true;
    }
    void refusedSilentlyDuringAnExchange()
    {
        QFETCH(bool, continuous);
        tMeasureRig rig;
        if (continuous) {
            rig.Replies = {Phot("1 E0 LX")};
            rig.Press("cbtn");
        }
        int requests = 0;
        bool closed = false;
        rig.Clock.OnProcessEvents = [&] {
            ++requests;
            closed = closed || rig.Form->close();
        };
        rig.Replies = {Phot("2 E0 LX")};
        if (continuous)
            rig.Form->Timer1Timer();
        else
            rig.Press("mBtn");
        rig.Clock.OnProcessEvents = nullptr;
        QCOMPARE(requests, 1);
        QVERIFY(!closed);
        QCOMPARE(rig.Answers.Texts, QStringList());
        QCOMPARE(rig.List().ValueAt(rig.List().Count() - 1), 2.0f);
        if (continuous) rig.Press("cbtn");
        QVERIFY(rig.Form->close());
    }

    // Between the banks of the spot meter the window lets events run outside any exchange:
    // a close then must not free the meter that the next bank is read from.
    void refusedWhileReadingBanks()
    {
        tMeasureRig rig("508");
        rig.Banks[2] = Records(3);
        rig.Banks[7] = Records(2);
        int refused = 0;
        rig.Clock.OnProcessEvents = [&] { refused += rig.Form->close() ? 0 : 1; };
        rig.Press("MemBtn");
        rig.Clock.OnProcessEvents = nullptr;
        QVERIFY(refused > 0);
        QVERIFY(rig.Form->CurrentMeter());
        QCOMPARE(rig.List().Count(), 5);
        QCOMPARE(rig.Sent("mem:dat? 7"), 1);
        QCOMPARE(rig.Answers.Texts, QStringList());
        QVERIFY(rig.Form->close());
    }

    // A test picture that polls the meter lets go of it before the meter is freed.
    void closeLetsTheTestPictureGo()
    {
        tMeasureRig rig("508");
        rig.Press("tbBtn");
        QPointer<TtbForm> picture = rig.Form->findChild<TtbForm*>();
        QVERIFY(picture);
        QCOMPARE(picture->CurrentMeter(), rig.Form->CurrentMeter());
        QVERIFY(rig.Form->close());
        QVERIFY(!picture->CurrentMeter());
        QVERIFY(!picture->PollTimer()->isActive());
    }
};

QTEST_MAIN(TestClosing)
#include "test_closing.moc"
