// The main window's buttons for the meter memory, saving the list, the test picture and the
// manual, on a scripted meter.
#include "measurerig.h"
#include "ui/mdlg.h"
#include "ui/savelist.h"
#include "ui/tb.h"

#include <QFile>
#include <QUrl>
#include <QtTest>

namespace {

QByteArray Read(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Write(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

class TestMemoryButtons : public QObject {
    Q_OBJECT
private slots:
    // One memory (models 0 to 2): the question first, the box, then the readings listed
    // unweighted with the read-out time.
    void wholeMemory_data()
    {
        QTest::addColumn<int>("listed"); // single readings before, at factor 2
        QTest::addColumn<int>("answer"); // to the discard-or-append question; -1 closed
        QTest::addColumn<int>("stored"); // readings in the meter's memory
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("count");

        QTest::newRow("twelve, empty list") << 0 << -2 << 12 << "12Werte ausgelesen" << 12;
        QTest::newRow("append") << 3 << int(kAppendReadings) << 5 << "5Werte ausgelesen" << 8;
        QTest::newRow("discard") << 3 << int(kDiscardReadings) << 5 << "5Werte ausgelesen" << 5;
        QTest::newRow("question closed") << 3 << -1 << 5 << "5Werte ausgelesen" << 8;
        QTest::newRow("discard, memory empty")
            << 3 << int(kDiscardReadings) << 0 << "Meßwertspeicher leer" << 0;
        QTest::newRow("append, memory empty")
            << 3 << int(kAppendReadings) << 0 << "Meßwertspeicher leer" << 3;
    }
    void wholeMemory()
    {
        QFETCH(int, listed);
        QFETCH(int, answer);
        QFETCH(int, stored);
        QFETCH(QString, box);
        QFETCH(int, count);
        tMeasureRig rig("503");
        rig.Settings(QStringLiteral("2"), 2);
        for (int i = 0; i < listed; ++i)
            rig.Measure({"100 E0 LX"});
        rig.Banks[-1] = Records(stored, 1, "FC");
        rig.Forget();

        if (listed > 0)
            rig.Answers.Dialog([answer](QDialog* dialog) {
                auto* form = qobject_cast<TmdlgForm*>(dialog);
                if (answer < 0) return form->reject();
                form->mGrp->SetItemIndex(answer);
                form->OkBtn->click();
            });
        int listedAtBox = -1;
        rig.Answers.Dialog([&](QDialog* dialog) {
            listedAtBox = rig.List().Count();
            dialog->done(1);
        });
        rig.Press("MemBtn");

        QVERIFY(rig.Answers.AllUsed());
        QCOMPARE(rig.Answers.Texts, QStringList{box});
        QCOMPARE(rig.List().Count(), count);
        QCOMPARE(listedAtBox, count - (stored > 0 ? stored : 0)); // listed after the box
        QCOMPARE(rig.DataRows(), count);
        QCOMPARE(rig.Series()->count(), count);
        const int first = count - stored;
        for (int i = 0; i < stored; ++i) {
            const tMeasRec rec = rig.List().Get(first + i);
            QCOMPARE(rec.Value, float(i + 1)); // not weighted
            QCOMPARE(int(rec.UnitCode), 1);
            QCOMPARE(rec.Stamp, rig.List().Get(first).Stamp);
        }
        for (int i = 0; i < first; ++i)
            QCOMPARE(rig.List().ValueAt(i), 200.0f);
        QCOMPARE(rig.Sent("mem:dat?"), stored > 0 ? 1 : 0);
    }

    // Ten banks: all asked first, those with readings read in order, the table following
    // bank by bank while events run; no box.
    void spotMeterBanks()
    {
        tMeasureRig rig("508");
        rig.Banks[2] = Records(3, 1, "CD");
        rig.Banks[7] = Records(2, 10, "FL");
        QList<QPair<int, int>> shown; // list count and table rows whenever events ran
        rig.Clock.OnProcessEvents = [&] {
            const QPair<int, int> now(rig.List().Count(), rig.DataRows());
            if (shown.isEmpty() || shown.last() != now) shown << now;
        };
        rig.Press("MemBtn");
        rig.Clock.OnProcessEvents = nullptr;

        QByteArrayList lines;
        for (int n = 0; n < 10; ++n)
            lines << "mem:free? " + QByteArray::number(n);
        lines << "mem:free? 2"
              << "mem:dat? 2"
              << "mem:free? 7"
              << "mem:dat? 7";
        QCOMPARE(rig.Ftdi.Lines, lines);
        QCOMPARE(shown, (QList<QPair<int, int>>{{0, 1}, {3, 3}, {5, 5}}));
        QCOMPARE(rig.Answers.Texts, QStringList());
        QCOMPARE(rig.Answers.Unanswered, 0);
        QCOMPARE(rig.List().ValueAt(0), 1.0f);
        QCOMPARE(rig.List().ValueAt(4), 11.0f);
        QCOMPARE(int(rig.List().UnitAt(4)), 3);
        QCOMPARE(rig.Series()->count(), 5);

        // No bank with readings: nothing listed, nothing said.
        rig.Banks.clear();
        rig.Answers.Dialog([](QDialog* dialog) { dialog->reject(); }); // append
        rig.Press("MemBtn");
        QCOMPARE(rig.List().Count(), 5);
        QCOMPARE(rig.Answers.Texts, QStringList());
    }

    void clearMemory_data()
    {
        QTest::addColumn<QByteArray>("model");
        QTest::addColumn<int>("failAt");
        QTest::addColumn<QByteArrayList>("lines");
        QTest::addColumn<bool>("told");
        QByteArrayList banks;
        for (int n = 0; n < 10; ++n)
            banks << "MEM:CLE " + QByteArray::number(n);
        QTest::newRow("one memory") << QByteArray("502") << -2 << QByteArrayList{"MEM:CLE"} << true;
        QTest::newRow("one memory fails")
            << QByteArray("504") << -1 << QByteArrayList{"MEM:CLE"} << false;
        QTest::newRow("ten banks") << QByteArray("508") << -2 << banks << true;
        QTest::newRow("bank 4 fails") << QByteArray("508") << 4 << banks.mid(0, 5) << false;
    }
    void clearMemory()
    {
        QFETCH(QByteArray, model);
        QFETCH(int, failAt);
        QFETCH(QByteArrayList, lines);
        QFETCH(bool, told);
        tMeasureRig rig(model);
        rig.Measure({"1 E0 LX"});
        rig.Forget();
        rig.FailClearAt = failAt;
        if (told) rig.Answers.Box(QStringLiteral("OK"));
        rig.Press("DelMemBtn");
        QCOMPARE(rig.Ftdi.Lines, lines);
        QCOMPARE(rig.Answers.Texts,
                 told ? QStringList{QStringLiteral("Der Meßwertspeicher wurde gelöscht ")}
                      : QStringList());
        QCOMPARE(rig.Answers.Unanswered, 0);
        QCOMPARE(rig.List().Count(), 1); // the list is not touched
    }

    void saveList()
    {
        tMeasureRig rig;
        QStringList asked;
        QString target;
        rig.Form->SetSaveFileChooser([&](QWidget* parent) {
            asked << (parent == rig.Form.get() ? QStringLiteral("window") : QStringLiteral("?"));
            return target;
        });

        rig.Press("SaveListBtn"); // an empty list: no dialog
        QCOMPARE(asked, QStringList());

        rig.Measure({"123456 E-3 LX", "5 E0 FC"});
        rig.Press("SaveListBtn"); // cancelled
        QCOMPARE(asked.size(), 1);

        target = rig.Folder.filePath(QStringLiteral("list.txt"));
        rig.Press("SaveListBtn");
        QCOMPARE(asked, (QStringList{"window", "window"}));
        const QByteArray bytes = Read(target);
        QCOMPARE(bytes, ReadingListBytes(SavedReadingsOf(rig.List()), LocaleDecimalPoint()));
        QVERIFY(bytes.startsWith(Local(QStringLiteral("123.46;lx;")).toLatin1()));
        QVERIFY(bytes.contains(";fC;"));
        QVERIFY(bytes.endsWith("\r\n"));
        QCOMPARE(rig.List().Count(), 2);

        // A target that cannot be written is reported, and the old file stays.
        target = rig.Folder.filePath(QStringLiteral("missing/list.txt"));
        rig.Answers.Box(QStringLiteral("OK"));
        rig.Press("SaveListBtn");
        QCOMPARE(rig.Answers.Texts,
                 QStringList{QStringLiteral("Die Liste konnte nicht gespeichert werden")});
        QCOMPARE(rig.Answers.Unanswered, 0);
    }

    // The test picture polls the meter only for the spot meter found by "AutoConfig".
    void testPicture_data()
    {
        QTest::addColumn<QByteArray>("model");
        QTest::addColumn<int>("deviceItem");
        QTest::addColumn<bool>("withMeter");
        QTest::newRow("spot meter") << QByteArray("508") << -1 << true;
        QTest::newRow("monitor") << QByteArray("504") << -1 << false;
        QTest::newRow("monitor, item 3 chosen") << QByteArray("504") << 3 << false;
    }
    void testPicture()
    {
        QFETCH(QByteArray, model);
        QFETCH(int, deviceItem);
        QFETCH(bool, withMeter);
        tMeasureRig rig(model);
        if (deviceItem >= 0) tFormRig::Pick(rig.DeviceGrp(), deviceItem);
        rig.Press("tbBtn");
        QPointer<TtbForm> picture = rig.Form->findChild<TtbForm*>();
        QVERIFY(picture);
        QVERIFY(picture->isVisible());
        QCOMPARE(picture->CurrentMeter(), withMeter ? rig.Form->CurrentMeter() : nullptr);
        QCOMPARE(rig.Ftdi.Lines, withMeter ? QByteArrayList{"KEY 1"} : QByteArrayList());

        // "AutoConfig" replaces the meter: the picture lets go of the old one first.
        rig.Press("InfoBtn");
        rig.Press("ConfigBtn");
        QVERIFY(!picture->CurrentMeter());
        delete picture;
    }

    void manual()
    {
        tMeasureRig rig;
        Write(rig.Folder.filePath(QStringLiteral("QRX.INI")),
              "[ORBITEL]\r\nGER=manuals\\orbitel_de.html\r\n"
              "[ZENTASPOT]\r\nGER= spot_de.html \r\n");
        QVERIFY(QDir(rig.Folder.path()).mkdir(QStringLiteral("manuals")));
        Write(rig.Folder.filePath(QStringLiteral("manuals/orbitel_de.html")), "<p>");
        Write(rig.Folder.filePath(QStringLiteral("spot_de.html")), "<p>");
        QList<QUrl> opened;
        rig.Form->SetDocumentOpener([&opened](const QUrl& url) {
            opened << url;
            return true;
        });

        rig.Press("InfoBtn");
        rig.Press("ManualBtn");
        tFormRig::Pick(rig.DeviceGrp(), 3); // the chosen item counts, not the model found
        rig.Press("ManualBtn");
        QCOMPARE(opened,
                 (QList<QUrl>{QUrl::fromLocalFile(rig.Folder.filePath("manuals/orbitel_de.html")),
                              QUrl::fromLocalFile(rig.Folder.filePath("spot_de.html"))}));

        tFormRig::Pick(rig.DeviceGrp(), 2); // no entry
        rig.Answers.Box(QStringLiteral("OK"));
        rig.Press("ManualBtn");
        QCOMPARE(opened.size(), 2);
        QCOMPARE(rig.Answers.Texts,
                 QStringList{QStringLiteral("Keine Anleitung für dieses Gerät gefunden")});
        QVERIFY(rig.Ftdi.Lines.isEmpty()); // the manual does not talk to the meter
    }
};

QTEST_MAIN(TestMemoryButtons)
#include "test_memorybuttons.moc"
