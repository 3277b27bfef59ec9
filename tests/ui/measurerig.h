// The started main window on a scripted meter that answers readings and memory commands from
// the test's script, and an answerer for the modal windows the handlers bring up.
#pragma once

#include "common/valuetext.h"
#include "formrig.h"
#include "memorymeter.h"
#include "ui/measlist.h"
#include "ui/settings.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QLineSeries>
#include <QMap>
#include <QTableView>
#include <QTimeEdit>
#include <QTimer>
#include <QValueAxis>
#include <deque>
#include <functional>

// Answers the modal windows that come up, in order, from a queue. A window that no answer
// was queued for is counted and closed, so that a test never waits on one.
class tModalAnswers : public QObject {
public:
    using tAnswer = std::function<void(QDialog*)>;

    tModalAnswers()
    {
        FTimer.setInterval(0);
        connect(&FTimer, &QTimer::timeout, this, &tModalAnswers::Check);
        FTimer.start();
    }

    // A message box: the button with this caption ("&Ja", "&Nein", "Abbrechen", "OK").
    void Box(const QString& caption)
    {
        FAnswers.push_back([caption](QDialog* box) {
            for (QPushButton* button : box->findChildren<QPushButton*>())
                if (button->text() == caption) return button->click();
            QFAIL(qPrintable(QStringLiteral("no button ") + caption));
        });
    }
    void Dialog(tAnswer answer) { FAnswers.push_back(std::move(answer)); }
    bool AllUsed() const { return FAnswers.empty(); }

    QStringList Texts; // the text of every message box shown, in order
    int Unanswered = 0;

private:
    void Check()
    {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible()) return;
        if (auto* label = dialog->findChild<QLabel*>(QStringLiteral("message")))
            Texts << label->text();
        if (FAnswers.empty()) {
            ++Unanswered;
            dialog->reject();
            return;
        }
        const tAnswer answer = FAnswers.front();
        FAnswers.pop_front();
        answer(dialog);
    }

    QTimer FTimer;
    std::deque<tAnswer> FAnswers;
};

// A reply to "MEASURE:PHOT?": "123456 E-3 LX" reads 123.456 lx; "OVL LX", "ERR".
inline QByteArray Phot(const QByteArray& reading)
{
    return "PHOT " + reading + "\r\n";
}

// A text with the user's decimal separator in place of ".".
inline QString Local(QString text)
{
    return text.replace(u'.', LocaleDecimalPoint());
}

struct tMeasureRig : tFormRig, tMemoryMeter {
    std::deque<QByteArray> Replies;  // to "MEASURE:PHOT?", in order; none left: silence
    tModalAnswers Answers;

    // Started, on the measuring page, with clean records.
    explicit tMeasureRig(const QByteArray& model = "502", int language = 0)
        : tFormRig(model, language)
    {
        Start();
        Ftdi.Responder = [this, model](const QByteArray& line) { return Answer(model, line); };
        Press("MeaBtn");
        Forget();
    }

    const tMeasList& List() const { return *Form->CurrentReadings(); }
    QString Display() const { return Find<QLabel>("Label2")->text(); }
    QTableView* Table() const { return Find<QTableView>("ValTable"); }
    int DataRows() const { return Table()->model()->rowCount(); }
    QString Cell(int dataRow, int col) const
    {
        return Table()->model()->index(dataRow, col).data().toString();
    }
    QChart* Chart() const { return Find<QChartView>("Chart")->chart(); }
    QLineSeries* Series() const { return static_cast<QLineSeries*>(Chart()->series().first()); }
    QValueAxis* ValueAxis() const
    {
        return static_cast<QValueAxis*>(Chart()->axes(Qt::Vertical).first());
    }
    QTimer* Timer1() const { return Form->findChild<QTimer*>(QStringLiteral("Timer1")); }
    int Sent(const QByteArray& line) const { return int(Ftdi.Lines.count(line)); }

    // Takes single readings with these replies.
    void Measure(std::initializer_list<QByteArray> readings)
    {
        for (const QByteArray& r : readings) {
            Replies.push_back(Phot(r));
            Press("mBtn");
        }
    }

    // "Einstellungen" answered with "OK" after entering this factor ("" keeps the field),
    // interval item and free interval.
    void Settings(const QString& factor, int interval, const QTime& free = QTime(0, 0, 1))
    {
        Answers.Dialog([=](QDialog* dialog) {
            auto* form = qobject_cast<TSettingsForm*>(dialog);
            QVERIFY(form);
            if (!factor.isEmpty()) form->factFld->setText(factor);
            form->IntvCombo->setCurrentIndex(interval);
            form->IntvFld->setTime(free);
            form->OkBtn->click();
        });
        Press("setupBtn");
    }

private:
    QByteArray Answer(const QByteArray& model, const QByteArray& line)
    {
        if (line == "*IDN?") return "KESTROM METER," + model + "\r\n";
        if (line == "VER?") return "VER 1.07\r\n";
        if (line == "MEASURE:PHOT?") {
            if (Replies.empty()) return QByteArray();
            const QByteArray reply = Replies.front();
            Replies.pop_front();
            return reply;
        }
        const QByteArray memory = MemoryReply(line);
        return memory.isEmpty() && !line.startsWith("MEM:CLE") ? QByteArray("OK\r\n") : memory;
    }
};

// Dump records "1:100 E-1 LX" ... with the values first, first + 1, ... in tenths.
inline QByteArrayList Records(int count, int first = 1, const QByteArray& unit = "LX")
{
    QByteArrayList records;
    for (int i = 0; i < count; ++i)
        records << QByteArray::number(i + 1) + ":" + QByteArray::number((first + i) * 10) +
                       " E-1 " + unit;
    return records;
}
