// The message boxes, answered by the test from inside their own event loop.
#include "i18n/msgboxes.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QTimer>
#include <QtTest>
#include <functional>

namespace {

using tAnswer = std::function<void(QDialog*)>;

// Waits, from zero-delay timers, for the box to become the active modal window, looks at
// it and answers it.
void AnswerNextBox(tAnswer answer, int triesLeft = 100)
{
    QTimer::singleShot(0, [answer, triesLeft] {
        auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (box && box->isVisible()) {
            answer(box);
        } else if (triesLeft > 0) {
            AnswerNextBox(answer, triesLeft - 1);
        } else {
            QFAIL("no message box came up");
        }
    });
}

QList<QPushButton*> Buttons(QDialog* box)
{
    QList<QPushButton*> buttons = box->findChildren<QPushButton*>();
    std::sort(buttons.begin(), buttons.end(),
              [](QPushButton* a, QPushButton* b) { return a->x() < b->x(); });
    return buttons;
}

QStringList Captions(QDialog* box)
{
    QStringList captions;
    for (QPushButton* b : Buttons(box))
        captions << b->text();
    return captions;
}

tAnswer Click(const QString& caption)
{
    return [caption](QDialog* box) {
        for (QPushButton* b : Buttons(box))
            if (b->text() == caption) return QTest::mouseClick(b, Qt::LeftButton);
        box->done(-1);
    };
}

tAnswer Key(Qt::Key key)
{
    return [key](QDialog* box) { QTest::keyClick(box, key); };
}

tAnswer CloseIt()
{
    return [](QDialog* box) { box->close(); };
}

enum tBox { Info, Question, Centered };

int Show(int box, const QString& text)
{
    switch (box) {
    case Info:
        return InfoBox(text);
    case Question:
        return YesNoCancelBox(text);
    default:
        return CenteredYesNoCancelBox(text);
    }
}

} // namespace

Q_DECLARE_METATYPE(tAnswer)

class TestMsgBoxes : public QObject {
    Q_OBJECT
private slots:
    void results_data()
    {
        QTest::addColumn<int>("box");
        QTest::addColumn<tAnswer>("answer");
        QTest::addColumn<int>("result");
        QTest::newRow("info OK") << int(Info) << Click("OK") << 1;
        QTest::newRow("info Enter") << int(Info) << Key(Qt::Key_Return) << 1;
        QTest::newRow("info Esc") << int(Info) << Key(Qt::Key_Escape) << 1;
        QTest::newRow("info closed") << int(Info) << CloseIt() << 1;
        for (int box : {int(Question), int(Centered)}) {
            const char* name = box == Question ? "question" : "centred";
            QTest::addRow("%s Ja", name) << box << Click("&Ja") << 6;
            QTest::addRow("%s Nein", name) << box << Click("&Nein") << 7;
            QTest::addRow("%s Abbrechen", name) << box << Click("Abbrechen") << 2;
            QTest::addRow("%s Esc", name) << box << Key(Qt::Key_Escape) << 2;
            QTest::addRow("%s Enter", name) << box << Key(Qt::Key_Return) << 6;
            QTest::addRow("%s closed", name) << box << CloseIt() << 2;
        }
    }
    void results()
    {
        QFETCH(int, box);
        QFETCH(tAnswer, answer);
        QFETCH(int, result);
        AnswerNextBox(answer);
        QCOMPARE(Show(box, "Meßwerte verwerfen ?"), result);
        QVERIFY(!QApplication::activeModalWidget());
    }

    void layout_data()
    {
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QString>("defaultButton");
        QTest::newRow("info") << int(Info) << "Information" << QStringList{"OK"} << "OK";
        QTest::newRow("question") << int(Question) << "Bestätigung"
                                  << QStringList{"&Ja", "&Nein", "Abbrechen"} << "&Ja";
        QTest::newRow("centred") << int(Centered) << "Bestätigung"
                                 << QStringList{"&Ja", "&Nein", "Abbrechen"} << "&Ja";
    }
    void layout()
    {
        QFETCH(int, box);
        QFETCH(QString, title);
        QFETCH(QStringList, captions);
        QFETCH(QString, defaultButton);
        const QString text = QString("Bitte zunächst Messung beenden <b>&amp;</b> ").repeated(40);
        bool looked = false;
        AnswerNextBox([&](QDialog* dialog) {
            looked = true;
            const auto closeIt = qScopeGuard([dialog] { dialog->done(0); });
            QCOMPARE(dialog->windowTitle(), title);
            QCOMPARE(Captions(dialog), captions);
            const QList<QPushButton*> buttons = Buttons(dialog);
            for (QPushButton* b : buttons) {
                QCOMPARE(b->width(), buttons[0]->width());
                QCOMPARE(b->isDefault(), b->text() == defaultButton);
                QCOMPARE(b->y(), buttons[0]->y());
            }
            // The row is centred under the text.
            const int left = buttons.first()->geometry().left();
            const int right = dialog->width() - buttons.last()->geometry().right() - 1;
            QVERIFY2(qAbs(left - right) <= 2, qPrintable(QString("%1 %2").arg(left).arg(right)));
            // The text is shown as it is, wrapped within half the screen.
            const auto* label = dialog->findChild<QLabel*>("message");
            QVERIFY(label);
            QCOMPARE(label->text(), text);
            QCOMPARE(label->textFormat(), Qt::PlainText);
            const QRect screen = dialog->screen()->geometry();
            QVERIFY(label->width() <= screen.width() / 2);
            QVERIFY(label->height() > label->fontMetrics().height() * 2);
            QVERIFY(label->geometry().bottom() < buttons[0]->y());
            // At 96 dots per inch the box stands at the centre of the screen.
            if (qFuzzyCompare(dialog->screen()->logicalDotsPerInch(), 96.0)) {
                const QPoint offset = dialog->frameGeometry().center() - screen.center();
                QVERIFY(qAbs(offset.x()) <= 1 && qAbs(offset.y()) <= 1);
            }
        });
        Show(box, text);
        QVERIFY(looked);
    }
};

QTEST_MAIN(TestMsgBoxes)
#include "test_msgboxes.moc"
