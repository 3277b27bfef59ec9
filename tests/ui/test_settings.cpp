// The settings dialog, answered by the test as a user would, and the timer period that the
// interval choice gives.
#include "common/valuetext.h"
#include "modalanswer.h"
#include "ui/editorhook.h"
#include "ui/settings.h"
#include "ui/widgets.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimeEdit>
#include <QTimer>
#include <QtTest>
#include <optional>

namespace {

using tAnswer = std::function<void(TSettingsForm*)>;

constexpr double kSecond = 1.0 / 86400;

struct tValues {
    float Factor = 1.0f;
    int32_t Choice = 2;
    double Free = kSecond;
};

// Types a factor into the emptied field, picks an interval, sets the free interval, then
// presses the button with the given caption.
tAnswer Enter(const QString& factor, int choice, QTime free, const QString& button)
{
    return [=](TSettingsForm* form) {
        form->factFld->selectAll();
        QTest::keyClick(form->factFld, Qt::Key_Delete);
        QTest::keyClicks(form->factFld, factor);
        form->IntvCombo->setCurrentIndex(choice);
        form->IntvFld->setTime(free);
        QTest::mouseClick(button == "OK" ? form->OkBtn : form->CancelBtn, Qt::LeftButton);
    };
}

bool Edit(tValues& v, tAnswer answer)
{
    AnswerNextDialog<TSettingsForm>(answer);
    return EditSettings(v.Factor, v.Choice, v.Free);
}

bool IsRed(const QLineEdit* field)
{
    return field->palette().color(QPalette::Text) == QColor(Qt::red);
}

} // namespace

Q_DECLARE_METATYPE(tAnswer)
Q_DECLARE_METATYPE(std::optional<int>)

class TestSettings : public QObject {
    Q_OBJECT
private slots:
    void init() { OpenFormEditorHook = nullptr; }

    void period_data()
    {
        QTest::addColumn<int>("choice");
        QTest::addColumn<double>("free");
        QTest::addColumn<std::optional<int>>("period");
        QTest::newRow("0,5 s") << 0 << kSecond << std::optional<int>(500);
        QTest::newRow("1 s") << 1 << kSecond << std::optional<int>(1000);
        QTest::newRow("5 s") << 2 << kSecond << std::optional<int>(5000);
        QTest::newRow("10 s") << 3 << kSecond << std::optional<int>(10000);
        QTest::newRow("60 s") << 4 << kSecond << std::optional<int>(60000);
        QTest::newRow("free 00:00:05") << 5 << 5 * kSecond << std::optional<int>(5000);
        QTest::newRow("free 00:00:00") << 5 << 0.0 << std::optional<int>(0);
        QTest::newRow("free 23:59:59") << 5 << 86399 * kSecond << std::optional<int>(86399000);
        QTest::newRow("free rounds to ms") << 5 << 1.5 * kSecond << std::optional<int>(1500);
        QTest::newRow("free below 0") << 5 << -kSecond << std::optional<int>(0);
        QTest::newRow("no item") << -1 << kSecond << std::optional<int>();
        QTest::newRow("past the items") << 6 << kSecond << std::optional<int>();
    }
    void period()
    {
        QFETCH(int, choice);
        QFETCH(double, free);
        QFETCH(std::optional<int>, period);
        QCOMPARE(TimerPeriodMs(choice, free), period);
    }

    // Period 0 means no ticks, not a tick at every pass of the event loop.
    void timerPeriod_data()
    {
        QTest::addColumn<int>("period");
        QTest::addColumn<bool>("running");
        QTest::addColumn<bool>("active");
        QTest::newRow("running, 500 ms") << 500 << true << true;
        QTest::newRow("running, 0") << 0 << true << false;
        QTest::newRow("stopped, 500 ms") << 500 << false << false;
    }
    void timerPeriod()
    {
        QFETCH(int, period);
        QFETCH(bool, running);
        QFETCH(bool, active);
        QTimer timer;
        timer.start(10000);
        SetTimerPeriod(timer, period, running);
        QCOMPARE(timer.interval(), period);
        QCOMPARE(timer.isActive(), active);
    }

    void layout()
    {
        TSettingsForm form;
        form.SetValues(1.0f, 2, kSecond);
        QCOMPARE(form.windowTitle(), QStringLiteral("Einstellungen"));
        QStringList items;
        for (int i = 0; i < form.IntvCombo->count(); ++i)
            items << form.IntvCombo->itemText(i);
        QCOMPARE(items, (QStringList{"  0,5 s", "  1    s", "  5    s", "10    s", "60    s",
                                     "frei einstellbar"}));
        QCOMPARE(form.IntvCombo->currentIndex(), 2);
        QCOMPARE(form.factFld->text(), ValueNumber(1.0, 2));
        QCOMPARE(form.factFld->cursorPosition(), form.factFld->text().size());
        QCOMPARE(form.IntvFld->displayFormat(), QStringLiteral("hh:mm:ss"));
        QCOMPARE(form.IntvFld->time(), QTime(0, 0, 1));
        QCOMPARE(form.IntvFld->maximumTime(), QTime(23, 59, 59));
        QCOMPARE(form.OkBtn->text(), QStringLiteral("OK"));
        QCOMPARE(form.CancelBtn->text(), QStringLiteral("Abbruch"));
        for (const char* name : {"factFld", "IntvCombo", "IntvFld"}) {
            const QString labelName = QLatin1String(name) + QStringLiteral("Label");
            auto* label = form.findChild<QLabel*>(labelName);
            QVERIFY2(label && label->buddy() == form.findChild<QWidget*>(name), name);
        }
        QCOMPARE(form.findChild<QLabel*>("factFldLabel")->text(),
                 QStringLiteral("Bewertungsfaktor"));
    }

    // The free interval can be edited only while "frei einstellbar" is chosen.
    void freeIntervalOnlyForItem5()
    {
        TSettingsForm form;
        form.SetValues(1.0f, 5, kSecond);
        QVERIFY(form.IntvFld->isEnabled());
        for (int item = 0; item < 5; ++item) {
            form.IntvCombo->setCurrentIndex(item);
            QVERIFY(!form.IntvFld->isEnabled());
        }
        form.IntvCombo->setCurrentIndex(5);
        QVERIFY(form.IntvFld->isEnabled());
    }

    // The field takes digits and one separator with two decimals, nothing else.
    void factorFieldMask_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("minus and letters dropped") << "-1a2"
                                                   << "12";
        QTest::newRow("third decimal dropped") << "1.234"
                                               << "1.23";
        QTest::newRow("comma") << "2,5"
                               << "2,5";
        QTest::newRow("seventh digit dropped") << "12345678"
                                               << "123456";
        QTest::newRow("second separator dropped") << "1.2.3"
                                                  << "1.23";
    }
    void factorFieldMask()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        TSettingsForm form;
        form.factFld->clear();
        QTest::keyClicks(form.factFld, typed);
        QCOMPARE(form.factFld->text(), shown);
    }

    void okStoresTheValues_data()
    {
        QTest::addColumn<QString>("factor");
        QTest::addColumn<float>("stored");
        QTest::newRow("decimal comma") << "2,5" << 2.5f;
        QTest::newRow("decimal point") << "2.5" << 2.5f;
        QTest::newRow("smallest") << "0.01" << 0.01f;
        QTest::newRow("largest") << "9999" << 9999.0f;
        QTest::newRow("largest with decimals") << "9999.00" << 9999.0f;
    }
    void okStoresTheValues()
    {
        QFETCH(QString, factor);
        QFETCH(float, stored);
        tValues v;
        QVERIFY(Edit(v, Enter(factor, 5, QTime(0, 1, 30), "OK")));
        QCOMPARE(v.Factor, stored);
        QCOMPARE(v.Choice, 5);
        QCOMPARE(TimerPeriodMs(v.Choice, v.Free), std::optional<int>(90000));
    }

    // Untouched, the values come back as they went in.
    void okWithoutChanges()
    {
        tValues v{2.5f, 5, 5 * kSecond};
        QVERIFY(Edit(v, [](TSettingsForm* f) { QTest::mouseClick(f->OkBtn, Qt::LeftButton); }));
        QCOMPARE(v.Factor, 2.5f);
        QCOMPARE(v.Choice, 5);
        QCOMPARE(v.Free, 5 * kSecond);
    }

    void otherClosesChangeNothing_data()
    {
        QTest::addColumn<tAnswer>("answer");
        QTest::newRow("Abbruch") << Enter("3", 0, QTime(0, 0, 7), "Abbruch");
        QTest::newRow("Esc") << tAnswer([](TSettingsForm* f) {
            f->IntvCombo->setCurrentIndex(0);
            QTest::keyClick(f, Qt::Key_Escape);
        });
        QTest::newRow("window frame") << tAnswer([](TSettingsForm* f) {
            f->IntvCombo->setCurrentIndex(0);
            f->close();
        });
    }
    void otherClosesChangeNothing()
    {
        QFETCH(tAnswer, answer);
        tValues v{1.5f, 3, 2 * kSecond};
        QVERIFY(!Edit(v, answer));
        QCOMPARE(v.Factor, 1.5f);
        QCOMPARE(v.Choice, 3);
        QCOMPARE(v.Free, 2 * kSecond);
    }

    // A bad factor keeps the dialog open with the field in red; a good one then closes it.
    void badFactorKeepsTheDialogOpen_data()
    {
        QTest::addColumn<QString>("factor");
        QTest::newRow("empty") << "";
        QTest::newRow("zero") << "0";
        QTest::newRow("below the range") << "0,00";
        QTest::newRow("above the range") << "9999.01";
        QTest::newRow("far above") << "123456";
        QTest::newRow("separator alone") << ".";
    }
    void badFactorKeepsTheDialogOpen()
    {
        QFETCH(QString, factor);
        bool stayedOpen = false, wasRed = false, clearedOnEdit = false;
        tValues v{1.5f, 2, kSecond};
        const bool ok = Edit(v, [&](TSettingsForm* f) {
            Enter(factor, 4, QTime(0, 0, 9), "OK")(f);
            stayedOpen = f->isVisible();
            wasRed = IsRed(f->factFld);
            f->factFld->clear();
            QTest::keyClicks(f->factFld, "3");
            clearedOnEdit = !IsRed(f->factFld);
            QTest::mouseClick(f->OkBtn, Qt::LeftButton);
        });
        QVERIFY(stayedOpen);
        QVERIFY(wasRed);
        QVERIFY(clearedOnEdit);
        QVERIFY(ok);
        QCOMPARE(v.Factor, 3.0f);
        QCOMPARE(v.Choice, 4);
    }

    void badFactorThenCancel()
    {
        tValues v{1.5f, 2, kSecond};
        QVERIFY(!Edit(v, [](TSettingsForm* f) {
            Enter("0", 4, QTime(0, 0, 9), "OK")(f);
            QTest::mouseClick(f->CancelBtn, Qt::LeftButton);
        }));
        QCOMPARE(v.Factor, 1.5f);
        QCOMPARE(v.Choice, 2);
    }

    // Translated from the forms file on creation; the period still follows the item index.
    void translatedOnCreation()
    {
        tProgramFolder folder(1);
        folder.Write(".LCE", QStringLiteral("[TSettingsForm]\r\nCAPTION=Settings\r\n"
                                            "factFldLabel=Weighting factor\r\n"
                                            "IntvCombo5=user-defined\r\nOkBtn=Okay\r\n"
                                            "CancelBtn=Cancel\r\n"));
        TSettingsForm form;
        QCOMPARE(form.windowTitle(), QStringLiteral("Settings"));
        QCOMPARE(form.findChild<QLabel*>("factFldLabel")->text(),
                 QStringLiteral("Weighting factor"));
        QCOMPARE(form.IntvCombo->itemText(5), QStringLiteral("user-defined"));
        QCOMPARE(form.IntvCombo->itemText(0), QStringLiteral("  0,5 s"));
        QCOMPARE(form.OkBtn->text(), QStringLiteral("Okay"));
        QCOMPARE(form.CancelBtn->text(), QStringLiteral("Cancel"));
    }

    // Ctrl+F2 is handed on, from whichever control has the focus; F2 alone is not.
    void formEditorKey_data()
    {
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("opens");
        QTest::newRow("Ctrl+F2") << int(Qt::ControlModifier) << true;
        QTest::newRow("Ctrl+Shift+F2") << int(Qt::ControlModifier | Qt::ShiftModifier) << true;
        QTest::newRow("F2") << int(Qt::NoModifier) << false;
        QTest::newRow("Shift+F2") << int(Qt::ShiftModifier) << false;
    }
    void formEditorKey()
    {
        QFETCH(int, modifiers);
        QFETCH(bool, opens);
        TSettingsForm form;
        QWidget* opened = nullptr;
        OpenFormEditorHook = [&](QWidget* w) { opened = w; };
        QTest::keyRelease(form.factFld, Qt::Key_F2, Qt::KeyboardModifiers(modifiers));
        QCOMPARE(opened, opens ? &form : nullptr);
        opened = nullptr;
        QTest::keyRelease(form.IntvCombo, Qt::Key_F2, Qt::KeyboardModifiers(modifiers));
        QCOMPARE(opened, opens ? &form : nullptr);
    }
};

QTEST_MAIN(TestSettings)
#include "test_settings.moc"
