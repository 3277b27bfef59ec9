// The message editor: its rows from the origin and destination files, the copy of a
// missing destination, storing on "OK" and asking before any other close.
#include "i18n/biginifile.h"
#include "i18n/cp1252.h"
#include "i18n/editgrid.h"
#include "i18n/filesave.h"
#include "i18n/msgeditor.h"
#include "i18n/msgmanager.h"

#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include "answerbox.h"

#include <QtTest>

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void WriteAll(const QString& path, const QString& text)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    const QByteArray bytes = EncodeCp1252(text);
    QCOMPARE(f.write(bytes), bytes.size());
}

QStringList Entries(const QString& path)
{
    return DecodeCp1252(ReadAll(path)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}

const QString kOrigin = QStringLiteral("[general]\r\n"
                                       "relmsg=Lire la mémoire ?\r\n"
                                       "endmsg=Arrêtez d'abord la mesure\r\n"
                                       "[chart]\r\n"
                                       "xtitle=Temps\r\n");

} // namespace

class TestMsgEditor : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<QTemporaryDir> Dir;
    QString Origin() const { return Dir->filePath(QStringLiteral("QRXLANG.LMF")); }
    QString Dest() const { return Dir->filePath(QStringLiteral("dest/QRXLANG.LMF")); }

    int RowOf(const TTrnsmsgForm& editor, const QString& key)
    {
        return int(editor.List().Keys.indexOf(key));
    }

private slots:
    void init()
    {
        Dir = std::make_unique<QTemporaryDir>();
        QVERIFY(Dir->isValid());
        QVERIFY(QDir(Dir->path()).mkdir(QStringLiteral("dest")));
        SetLocalDiskCheckForTesting([](const QString&) { return true; });
        WriteAll(Origin(), kOrigin);
    }
    void cleanup()
    {
        SetLocalDiskCheckForTesting({});
        Dir.reset();
    }

    // One row per origin entry, sorted; the destination value as the destination file has
    // it, or empty; opening writes nothing.
    void rows()
    {
        WriteAll(Dest(), "[general]\r\nrelmsg=Read the memory?\r\nonlydest=kept\r\n");
        const QByteArray before = ReadAll(Dest());
        TTrnsmsgForm editor(Origin(), Dest());
        QCOMPARE(editor.windowTitle(), QStringLiteral("message translator"));
        QCOMPARE(editor.findChild<QLabel*>(QStringLiteral("SourceLabel"))->text(), Origin());
        QCOMPARE(editor.findChild<QLabel*>(QStringLiteral("DestLabel"))->text(), Dest());
        QStringList rows;
        const TMsgTransList& list = editor.List();
        for (int r = 0; r < list.Count(); ++r)
            rows << QStringList{list.Sections[r], list.Keys[r], list.Origins[r], list.Dests[r]}
                        .join(u'|');
        QCOMPARE(rows,
                 (QStringList{"chart|xtitle|Temps|", "general|endmsg|Arrêtez d'abord la mesure|",
                              "general|relmsg|Lire la mémoire ?|Read the memory?"}));
        QCOMPARE(editor.Grid->rowCount(), 3);
        QCOMPARE(editor.Grid->item(2, 0)->text(), QStringLiteral("Lire la mémoire ?"));
        QCOMPARE(editor.Grid->item(2, 1)->text(), QStringLiteral("Read the memory?"));
        QCOMPARE(editor.Grid->item(2, 2)->text(), QStringLiteral("relmsg"));
        QVERIFY(!(editor.Grid->item(2, 0)->flags() & Qt::ItemIsEditable));
        QVERIFY(editor.Grid->item(2, 1)->flags() & Qt::ItemIsEditable);
        QVERIFY(!(editor.Grid->item(2, 2)->flags() & Qt::ItemIsEditable));
        QCOMPARE(ReadAll(Dest()), before);
    }

    void missingDestinationIsACopy()
    {
        TTrnsmsgForm editor(Origin(), Dest());
        QCOMPARE(ReadAll(Dest()), TBigInifile(Origin()).SaveToBytes());
        QCOMPARE(editor.List().Dests, editor.List().Origins);
    }

    void missingOriginDoesNothing()
    {
        bool shown = false;
        QTimer::singleShot(0, [&] {
            if (QWidget* w = QApplication::activeModalWidget()) {
                shown = true;
                w->hide();
            }
        });
        QVERIFY(!OpenMessageEditor(Dir->filePath(QStringLiteral("none.LMF")), Dest()));
        QVERIFY(!shown);
        QVERIFY(!QFile::exists(Dest()));
    }

    // An emptied value is stored empty; the next lookup shows the German default and writes
    // it back. Entries only in the destination stay.
    void emptiedValueAndDestinationOnlyEntries()
    {
        WriteAll(Dest(), "[general]\r\nrelmsg=Read the memory?\r\nonlydest=kept\r\n"
                         "[private]\r\nk=v\r\n");
        TTrnsmsgForm editor(Origin(), Dest());
        editor.Grid->item(RowOf(editor, "relmsg"), 1)->setText(QString());
        editor.Grid->item(RowOf(editor, "xtitle"), 1)->setText(QStringLiteral("Time"));
        editor.StoreAll();
        QCOMPARE(Entries(Dest()), (QStringList{"[chart]", "xtitle=Time", "[general]", "endmsg=",
                                               "onlydest=kept", "relmsg=", "[private]", "k=v"}));

        TMsgManager manager(Dest());
        QCOMPARE(manager.ReadMsg("general", "relmsg", "Speicher auslesen?"),
                 QStringLiteral("Speicher auslesen?"));
        QVERIFY(Entries(Dest()).contains(QStringLiteral("relmsg=Speicher auslesen?")));
    }

    // A stray line "=text" reads as an entry without a key; storing must not take it for
    // the removal of its section.
    void entryWithoutKey()
    {
        WriteAll(Origin(), "[general]\r\n=stray\r\nrelmsg=Lire\r\n");
        TTrnsmsgForm editor(Origin(), Origin());
        QCOMPARE(editor.List().Keys, QStringList{"relmsg"});
        editor.StoreAll();
        QVERIFY(Entries(Origin()).contains(QStringLiteral("relmsg=Lire")));
    }

    // Abort, Esc and the close box ask; only "&Ja" closes, and then nothing is stored.
    void otherClosesAsk_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("abort") << "abort";
        QTest::newRow("Esc") << "esc";
        QTest::newRow("close box") << "close";
    }
    void otherClosesAsk()
    {
        QFETCH(QString, how);
        const QByteArray before = ReadAll(Origin());
        TTrnsmsgForm editor(Origin(), Origin());
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        editor.Grid->item(0, 1)->setText(QStringLiteral("Time"));
        const auto closeIt = [&] {
            if (how == QLatin1String("abort")) editor.AbortBtn->click();
            if (how == QLatin1String("esc")) QTest::keyClick(editor.AbortBtn, Qt::Key_Escape);
            if (how == QLatin1String("close")) editor.close();
        };
        AnswerNextBox<TTrnsmsgForm>(QStringLiteral("Abbrechen"));
        closeIt();
        QVERIFY(editor.isVisible());
        AnswerNextBox<TTrnsmsgForm>(QStringLiteral("&Ja"));
        closeIt();
        QVERIFY(!editor.isVisible());
        QCOMPARE(editor.result(), int(QDialog::Rejected));
        QCOMPARE(ReadAll(Origin()), before);
    }

    // The whole round, modally: a value typed into the open cell editor, "OK", stored.
    void openMessageEditor()
    {
        QString typedInto;
        QTimer::singleShot(0, [&] {
            auto* editor = qobject_cast<TTrnsmsgForm*>(QApplication::activeModalWidget());
            if (!editor) return;
            auto* cell = editor->Grid->findChild<QLineEdit*>();
            if (!cell) return editor->done(QDialog::Rejected); // not asked: the test fails
            typedInto = editor->Grid->item(editor->Grid->currentRow(), 2)->text();
            cell->setText(QStringLiteral("Time"));
            editor->OkBtn->click(); // ends the cell edit first
        });
        QVERIFY(OpenMessageEditor(Origin(), Origin()));
        QCOMPARE(typedInto, QStringLiteral("xtitle"));
        QVERIFY(Entries(Origin()).contains(QStringLiteral("xtitle=Time")));
    }

    // Typing is held to 100 characters, but a longer value is not cut by entering its cell.
    void longValueIsNotCut()
    {
        const QString longText(150, u'x');
        WriteAll(Origin(), QStringLiteral("[general]\r\nlong=%1\r\n").arg(longText));
        TTrnsmsgForm editor(Origin(), Origin());
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        editor.Grid->GoTo(0, 1);
        auto* cell = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(cell);
        QCOMPARE(cell->maxLength(), 150);
        editor.Grid->EndEdit();
        QCOMPARE(editor.List().Dests[0], longText);
    }

    // The origin column stays in place when the table scrolls sideways, and the table keeps
    // equal margins when the window is resized.
    void fixedColumnAndWidth()
    {
        TTrnsmsgForm editor(Origin(), Origin());
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        editor.resize(400, 300);
        QTRY_COMPARE(editor.width(), 400);
        QCOMPARE(editor.Grid->width(), editor.width() - 2 * editor.Grid->x());
        auto* fixed = editor.Grid->findChild<QTableView*>(QStringLiteral("FixedColumn"));
        QVERIFY(fixed && fixed->isVisible());
        QVERIFY(fixed->isColumnHidden(1) && fixed->isColumnHidden(2));
        const QRect before = fixed->geometry();
        QScrollBar* sideways = editor.Grid->horizontalScrollBar();
        QVERIFY(sideways->maximum() > 0);
        sideways->setValue(sideways->maximum());
        QCOMPARE(fixed->geometry(), before);
        QCOMPARE(fixed->width(), editor.Grid->columnWidth(0));
    }
};

QTEST_MAIN(TestMsgEditor)
#include "test_msgeditor.moc"
