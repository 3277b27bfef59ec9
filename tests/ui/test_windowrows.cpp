// The translation rows of the program's own windows: what a translator gets to edit.
#include "formrig.h"
#include "i18n/translist.h"
#include "ui/mdlg.h"
#include "ui/settings.h"

#include <QtTest>

namespace {

const TTransObj* Row(const TTransList& list, const QString& name)
{
    for (int i = 0; i < list.Count(); ++i)
        if (list.Items(i)->Name == name) return list.Items(i);
    return nullptr;
}

} // namespace

class TestWindowRows : public QObject {
    Q_OBJECT
private slots:
    void mainWindow()
    {
        tFormRig rig("508");
        rig.Start();
        TTransList list;
        list.Collect(rig.Form.get());
        QVERIFY(list.Count() > 40);
        QCOMPARE(list.Items(0)->Name, QStringLiteral("TForm1"));

        const TTransObj* config = Row(list, QStringLiteral("ConfigBtn"));
        QVERIFY(config);
        QCOMPARE(config->Caption, QStringLiteral("AutoConfig"));
        QCOMPARE(config->Hint, QStringLiteral("Werkseinstellungen setzen"));
        QVERIFY(config->CaptionEditable && config->HintEditable);

        // A radio group: its own row, then its items counted from 1.
        const TTransObj* lang = Row(list, QStringLiteral("LangGrp"));
        QVERIFY(lang);
        QCOMPARE(lang->Caption, QStringLiteral(" Sprache wählen "));
        const TTransObj* english = Row(list, QStringLiteral("LangGrp [2]"));
        QVERIFY(english);
        QCOMPARE(english->Caption, QStringLiteral("English"));
        QVERIFY(!english->HintEditable);
        QVERIFY(!Row(list, QStringLiteral("LangGrp [5]")));

        // Editing a row and applying it puts the text into the window.
        for (int i = 0; i < list.Count(); ++i)
            if (list.Items(i)->Name == QStringLiteral("ConfigBtn"))
                list.Items(i)->Caption = QStringLiteral("Reset meter");
        list.Apply();
        QCOMPARE(rig.ButtonNamed("ConfigBtn")->text(), QStringLiteral("Reset meter"));
        QCOMPARE(rig.DeviceGrp()->ItemIndex(), 3);
    }

    void dialogs()
    {
        tFormRig rig("502");
        TSettingsForm settings;
        TTransList list;
        list.Collect(&settings);
        QCOMPARE(list.Items(0)->Name, QStringLiteral("TSettingsForm"));
        QVERIFY(Row(list, QStringLiteral("IntvCombo [6]")));
        QVERIFY(!Row(list, QStringLiteral("IntvCombo [7]")));

        TmdlgForm mdlg;
        list.Clear();
        list.Collect(&mdlg);
        QVERIFY(Row(list, QStringLiteral("mGrp")));
        QVERIFY(Row(list, QStringLiteral("mGrp [1]")));
    }
};

QTEST_MAIN(TestWindowRows)
#include "test_windowrows.moc"
