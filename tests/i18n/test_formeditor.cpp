// The form editor on a live window: its table by tab, typing and moving between cells,
// storing on tab changes and "OK", and leaving with "abort".
#include "common/clock.h"
#include "i18n/cp1252.h"
#include "i18n/editgrid.h"
#include "i18n/filesave.h"
#include "i18n/formeditor.h"
#include "ui/widgets.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTimer>
#include "answerbox.h"

#include <QtTest>
#include <functional>

class TEdForm : public QWidget {
    Q_OBJECT
public:
    TEdForm()
    {
        setWindowTitle(QStringLiteral("Einstellungen"));
        Label1 = new QLabel(QStringLiteral("Intervall"), this);
        Label1->setObjectName(QStringLiteral("Label1"));
        SaveBtn = new TRoundButton(QStringLiteral("Speichern"), this);
        SaveBtn->setObjectName(QStringLiteral("SaveBtn"));
        SaveBtn->setToolTip(QStringLiteral("Liste speichern"));
        ModeGrp = new TRadioGroup(QStringLiteral("Modus"),
                                  {QStringLiteral("einzeln"), QStringLiteral("fortlaufend")}, this);
        ModeGrp->setObjectName(QStringLiteral("ModeGrp"));
    }
    QLabel* Label1;
    TRoundButton* SaveBtn;
    TRadioGroup* ModeGrp;
};

// Rows of TEdForm in the table.
enum { kWindowRow, kLabelRow, kSaveRow, kGroupRow, kItem1Row, kItem2Row, kRows };

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// The entries of a forms file as "key=value" lines, in its code page decoded.
QStringList Entries(const QString& path)
{
    return DecodeCp1252(ReadAll(path)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}

QString Cell(TTranslatorSimpleDlg& editor, int row, int column)
{
    QTableWidgetItem* item = editor.Grid->item(row, column);
    return item ? item->text() : QStringLiteral("<none>");
}

bool Editable(TTranslatorSimpleDlg& editor, int row)
{
    return editor.Grid->item(row, 1)->flags() & Qt::ItemIsEditable;
}

} // namespace

class TestFormEditor : public QObject {
    Q_OBJECT
private:
    QTemporaryDir Dir;
    tVirtualClock Clock;
    QString File() const { return Dir.filePath(QStringLiteral("QRXLANG.LCE")); }

    void Type(TTranslatorSimpleDlg& editor, int row, const QString& text)
    {
        editor.Grid->GoTo(row, 1);
        editor.Grid->item(row, 1)->setText(text);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(Dir.isValid());
        SetLocalDiskCheckForTesting([](const QString&) { return true; });
    }
    void cleanupTestCase() { SetLocalDiskCheckForTesting({}); }
    void cleanup()
    {
        SetLocalDiskCheckForTesting([](const QString&) { return true; });
        QFile::remove(File());
    }

    // Opening collects the rows and stores once, which writes the window's section.
    void opening()
    {
        TEdForm form;
        TTranslatorSimpleDlg editor(&Clock);
        editor.Prepare(&form, File(), File());
        QCOMPARE(editor.windowTitle(), QStringLiteral("Translation"));
        QCOMPARE(editor.CurrentTab(), TTranslatorSimpleDlg::kCaptionTab);
        QCOMPARE(editor.TabSet->currentIndex(), 0);
        QCOMPARE(editor.Grid->rowCount(), int(kRows));
        QVERIFY(!editor.Grid->isHidden());
        QStringList items, origins, dests;
        for (int r = 0; r < kRows; ++r) {
            origins << Cell(editor, r, 0);
            dests << Cell(editor, r, 1);
            items << Cell(editor, r, 2);
        }
        QCOMPARE(items, (QStringList{"TEdForm", "Label1", "SaveBtn", "ModeGrp", "ModeGrp [1]",
                                     "ModeGrp [2]"}));
        QCOMPARE(origins, (QStringList{"Einstellungen", "Intervall", "Speichern", "Modus",
                                       "einzeln", "fortlaufend"}));
        QCOMPARE(dests, origins);
        QStringList labels;
        for (QLabel* l : editor.findChildren<QLabel*>())
            labels << l->text();
        QVERIFY(labels.contains(QStringLiteral("TEdForm")));
        QVERIFY(labels.contains(File()));
        QCOMPARE(Entries(File()),
                 (QStringList{"[TEdForm]", "CAPTION=Einstellungen", "Label1=Intervall",
                              "ModeGrp=Modus", "ModeGrp0=einzeln", "ModeGrp1=fortlaufend",
                              "SaveBtn=Speichern", "SaveBtnHint=Liste speichern"}));
    }

    // Read-only destination cells are grey; which ones depends on the tab.
    void editableCells_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("editable");
        QTest::addColumn<QString>("dest");
        QTest::newRow("label, caption") << 0 << int(kLabelRow) << true << "Intervall";
        QTest::newRow("label, hint") << 1 << int(kLabelRow) << false << "";
        QTest::newRow("button, caption") << 0 << int(kSaveRow) << true << "Speichern";
        QTest::newRow("button, hint") << 1 << int(kSaveRow) << true << "Liste speichern";
        QTest::newRow("group, hint") << 1 << int(kGroupRow) << true << "";
        QTest::newRow("group item, caption") << 0 << int(kItem1Row) << true << "einzeln";
        QTest::newRow("group item, hint") << 1 << int(kItem1Row) << false << "";
        QTest::newRow("window, hint") << 1 << int(kWindowRow) << false << "";
    }
    void editableCells()
    {
        QFETCH(int, tab);
        QFETCH(int, row);
        QFETCH(bool, editable);
        QFETCH(QString, dest);
        TEdForm form;
        TTranslatorSimpleDlg editor(&Clock);
        editor.Prepare(&form, File(), File());
        editor.TabSet->setCurrentIndex(tab);
        QCOMPARE(editor.CurrentTab(), tab);
        QCOMPARE(Editable(editor, row), editable);
        QCOMPARE(Cell(editor, row, 1), dest);
        const QColor grey = editor.palette().color(QPalette::Button);
        QCOMPARE(editor.Grid->item(row, 1)->background().color() == grey, !editable);
        QVERIFY(!(editor.Grid->item(row, 0)->flags() & Qt::ItemIsEditable));
        QVERIFY(!(editor.Grid->item(row, 2)->flags() & Qt::ItemIsEditable));
    }

    // Typing changes the destination list; the window follows when the cell is left; nothing
    // is stored yet.
    void typingThenMovingOn()
    {
        TEdForm form;
        TTranslatorSimpleDlg editor(&Clock);
        editor.Prepare(&form, File(), File());
        const QByteArray stored = ReadAll(File());
        Type(editor, kSaveRow, QStringLiteral("Save"));
        Type(editor, kItem2Row, QStringLiteral("continuous"));
        QCOMPARE(editor.DestList()->Items(kSaveRow)->Caption, QStringLiteral("Save"));
        QCOMPARE(editor.OriginList()->Items(kSaveRow)->Caption, QStringLiteral("Speichern"));
        QCOMPARE(form.SaveBtn->text(), QStringLiteral("Save")); // applied when the cell was left
        QCOMPARE(form.ModeGrp->ItemText(1), QStringLiteral("fortlaufend"));
        editor.Grid->GoTo(kLabelRow, 1);
        QCOMPARE(form.ModeGrp->ItemText(1), QStringLiteral("continuous"));
        QCOMPARE(ReadAll(File()), stored);
    }

    // The tab change stores what was typed, and the table then shows the hints.
    void tabChangeStores()
    {
        TEdForm form;
        TTranslatorSimpleDlg editor(&Clock);
        editor.Prepare(&form, File(), File());
        Type(editor, kSaveRow, QStringLiteral("Save"));
        editor.TabSet->setCurrentIndex(TTranslatorSimpleDlg::kHintTab);
        QVERIFY(Entries(File()).contains(QStringLiteral("SaveBtn=Save")));
        QCOMPARE(form.SaveBtn->text(), QStringLiteral("Save"));
        QCOMPARE(editor.TabSet->currentIndex(), 1);
        QCOMPARE(Cell(editor, kSaveRow, 0), QStringLiteral("Liste speichern"));
        QCOMPARE(Cell(editor, kSaveRow, 1), QStringLiteral("Liste speichern"));

        Type(editor, kSaveRow, QStringLiteral("Save the list"));
        editor.TabSet->setCurrentIndex(TTranslatorSimpleDlg::kCaptionTab);
        QVERIFY(Entries(File()).contains(QStringLiteral("SaveBtnHint=Save the list")));
        QCOMPARE(Cell(editor, kSaveRow, 1), QStringLiteral("Save"));
    }

    // "abort" asks; "&Nein" stays, "&Ja" leaves without storing, and what the tab change
    // stored stays in the file.
    void abortAfterTabChange()
    {
        TEdForm form;
        TTranslatorSimpleDlg editor(&Clock);
        editor.Prepare(&form, File(), File());
        QSignalSpy finished(&editor, &QDialog::finished);
        Type(editor, kSaveRow, QStringLiteral("Save"));
        editor.TabSet->setCurrentIndex(TTranslatorSimpleDlg::kHintTab);
        Type(editor, kSaveRow, QStringLiteral("Save the list"));

        AnswerNextBox<TTranslatorSimpleDlg>(QStringLiteral("&Nein"));
        editor.AbortBtn->click();
        QCOMPARE(finished.count(), 0);

        AnswerNextBox<TTranslatorSimpleDlg>(QStringLiteral("&Ja"));
        editor.AbortBtn->click();
        QCOMPARE(finished.count(), 1);
        QCOMPARE(editor.result(), int(QDialog::Rejected));
        const QStringList entries = Entries(File());
        QVERIFY(entries.contains(QStringLiteral("SaveBtn=Save")));
        QVERIFY(entries.contains(QStringLiteral("SaveBtnHint=Liste speichern")));
    }

    void okStores()
    {
        TEdForm form;
        TTranslatorSimpleDlg editor(&Clock);
        editor.Prepare(&form, File(), File());
        QSignalSpy finished(&editor, &QDialog::finished);
        editor.TabSet->setCurrentIndex(TTranslatorSimpleDlg::kHintTab);
        Type(editor, kSaveRow, QStringLiteral("Save the list"));
        editor.OkBtn->click();
        QCOMPARE(finished.count(), 1);
        QCOMPARE(editor.result(), int(QDialog::Accepted));
        QVERIFY(Entries(File()).contains(QStringLiteral("SaveBtnHint=Save the list")));
        QCOMPARE(form.SaveBtn->toolTip(), QStringLiteral("Save the list"));
    }

    // "OK" with the window gone stores nothing and stays open.
    void okWithoutWindow()
    {
        auto* form = new TEdForm;
        TTranslatorSimpleDlg editor(&Clock);
        editor.Prepare(form, File(), File());
        delete form;
        QVERIFY(!editor.Store());
        QSignalSpy finished(&editor, &QDialog::finished);
        editor.OkBtn->click();
        QCOMPARE(finished.count(), 0);
    }

    void windowWithoutTexts()
    {
        QWidget form;
        auto* tagged = new QLabel(QStringLiteral("Wert"), &form);
        tagged->setObjectName(QStringLiteral("Label1"));
        tagged->setProperty("tag", 9);
        TTranslatorSimpleDlg editor(&Clock);
        editor.Prepare(&form, File(), File());
        QCOMPARE(editor.Grid->rowCount(), 0);
        QVERIFY(editor.Grid->isHidden());
    }

    // A refused save: the translation from the unchanged file sets back the edited texts
    // that have an entry there; the others stay in the window.
    void refusedSave()
    {
        QFile f(File());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[TEdForm]\r\nSaveBtn=Sichern\r\n");
        f.close();
        SetLocalDiskCheckForTesting([](const QString&) { return false; });
        TEdForm form;
        TTranslatorSimpleDlg editor(&Clock);
        editor.Prepare(&form, File(), File());
        QCOMPARE(form.SaveBtn->text(), QStringLiteral("Sichern"));
        Type(editor, kSaveRow, QStringLiteral("Save"));
        Type(editor, kLabelRow, QStringLiteral("Interval"));
        editor.TabSet->setCurrentIndex(TTranslatorSimpleDlg::kHintTab);
        QCOMPARE(form.SaveBtn->text(), QStringLiteral("Sichern"));
        QCOMPARE(form.Label1->text(), QStringLiteral("Interval"));
        QCOMPARE(ReadAll(File()), QByteArray("[TEdForm]\r\nSaveBtn=Sichern\r\n"));
    }

    // The whole round: opened modally, the window's caption typed into the open cell
    // editor, "OK".
    void openFormEditor()
    {
        TEdForm form;
        QString typedInto;
        QTimer::singleShot(0, [&] {
            auto* editor = qobject_cast<TTranslatorSimpleDlg*>(QApplication::activeModalWidget());
            if (!editor) return;
            auto* cell = editor->Grid->findChild<QLineEdit*>();
            if (!cell) return editor->done(QDialog::Rejected); // not asked: the test fails
            typedInto = editor->Grid->item(editor->Grid->currentRow(), 2)->text();
            cell->setText(QStringLiteral("Settings"));
            editor->OkBtn->click(); // ends the cell edit first
        });
        OpenFormEditor(&form, File(), File(), &Clock);
        QCOMPARE(typedInto, QStringLiteral("TEdForm"));
        QCOMPARE(form.windowTitle(), QStringLiteral("Settings"));
        QVERIFY(Entries(File()).contains(QStringLiteral("CAPTION=Settings")));
    }

    // In a cell editor, Enter keeps the text and moves on; Esc keeps it and asks.
    void keysInACell()
    {
        TEdForm form;
        TTranslatorSimpleDlg editor(&Clock);
        editor.Prepare(&form, File(), File());
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        editor.Grid->GoTo(kSaveRow, 1);
        auto* cell = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(cell);
        QCOMPARE(cell->maxLength(), 100);
        cell->setText(QStringLiteral("Save"));
        QTest::keyClick(cell, Qt::Key_Return);
        QCOMPARE(editor.DestList()->Items(kSaveRow)->Caption, QStringLiteral("Save"));
        QCOMPARE(editor.Grid->currentRow(), int(kSaveRow));
        QCOMPARE(editor.Grid->currentColumn(), 2);
        QVERIFY(editor.isVisible());

        editor.Grid->GoTo(kLabelRow, 1);
        cell = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(cell);
        cell->setText(QStringLiteral("Interval"));
        QSignalSpy finished(&editor, &QDialog::finished);
        AnswerNextBox<TTranslatorSimpleDlg>(QStringLiteral("&Ja"));
        QTest::keyClick(cell, Qt::Key_Escape);
        QTRY_COMPARE(finished.count(), 1);
        QCOMPARE(editor.DestList()->Items(kLabelRow)->Caption, QStringLiteral("Interval"));
    }
};

QTEST_MAIN(TestFormEditor)
#include "test_formeditor.moc"
