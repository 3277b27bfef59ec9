// The main window's hot keys, and the range list across a language switch.
#include "formrig.h"
#include "i18n/cp1252.h"

#include <QFile>
#include <QtTest>

class TestHotKeys : public QObject {
    Q_OBJECT
private slots:
    void keys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("formEditor");
        QTest::addColumn<int>("msgEditor");
        QTest::addColumn<bool>("closed");
        QTest::newRow("Ctrl+F2") << int(Qt::Key_F2) << int(Qt::ControlModifier) << 1 << 0 << false;
        QTest::newRow("Ctrl+Shift+F2") << int(Qt::Key_F2)
                                       << int(Qt::ControlModifier | Qt::ShiftModifier) << 0 << 1
                                       << false;
        QTest::newRow("F2 alone") << int(Qt::Key_F2) << 0 << 0 << 0 << false;
        QTest::newRow("Alt+F4") << int(Qt::Key_F4) << int(Qt::AltModifier) << 0 << 0 << true;
    }
    void keys()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, formEditor);
        QFETCH(int, msgEditor);
        QFETCH(bool, closed);
        tFormRig rig("502");
        rig.Start();
        int forms = 0, messages = 0;
        rig.Form->SetEditorOpeners([&] { ++forms; }, [&] {
            ++messages;
            // What a translator stores in the editor.
            QFile file(MessagesLanguageFile());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("[general]\r\nendmsg=edited\r\n");
        });
        // Released on a control deep inside the window: the window sees it first.
        QTest::keyRelease(rig.ButtonNamed("mBtn"), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(forms, formEditor);
        QCOMPARE(messages, msgEditor);
        QCOMPARE(!rig.Form->isVisible(), closed);
        if (msgEditor) // the messages are read anew
            QCOMPARE(MsgManager->ReadMsg(QStringLiteral("general"), QStringLiteral("endmsg"),
                                         QStringLiteral("x")),
                     QStringLiteral("edited"));
    }

    // A forms file written while another range list was shown must not put that list in
    // place of the chosen model's one: the range lists are the same in every language.
    void languageSwitchKeepsTheRangeList()
    {
        tFormRig rig("508");
        rig.Start();
        rig.Press("MeaBtn");
        const QStringList ranges = tFormRig::Items(rig.mbCombo());
        QFile file(rig.FormsFile(QStringLiteral(".LCE")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[TForm1]\r\nmbCombo1=Range 1 (0.1 .. 200 lx)\r\nmBtn=Show reading\r\n");
        file.close();
        tFormRig::Pick(rig.LangGrp(), 1);
        QCOMPARE(rig.ButtonNamed("mBtn")->text(), QStringLiteral("Show reading"));
        QCOMPARE(tFormRig::Items(rig.mbCombo()), ranges);
    }
};

QTEST_MAIN(TestHotKeys)
#include "test_hotkeys.moc"
