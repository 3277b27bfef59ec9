// The discard-or-append question, answered by the test as a user would.
#include "modalanswer.h"
#include "ui/editorhook.h"
#include "ui/mdlg.h"
#include "ui/widgets.h"

#include <QtTest>

namespace {

using tAnswer = std::function<void(TmdlgForm*)>;

tAnswer PickAndOk(int item)
{
    return [item](TmdlgForm* f) {
        if (item >= 0) QTest::mouseClick(f->mGrp->ItemButton(item), Qt::LeftButton);
        QTest::mouseClick(f->OkBtn, Qt::LeftButton);
    };
}

} // namespace

Q_DECLARE_METATYPE(tAnswer)

class TestMdlg : public QObject {
    Q_OBJECT
private slots:
    void layout()
    {
        TmdlgForm form;
        QCOMPARE(form.windowTitle(), QString());
        QCOMPARE(form.mGrp->objectName(), QStringLiteral("mGrp"));
        QCOMPARE(form.mGrp->Items(), (QStringList{"Meßwerte verwerfen", "neue Werte anhängen"}));
        QCOMPARE(form.mGrp->ItemIndex(), 0);
        QCOMPARE(form.OkBtn->text(), QStringLiteral("OK"));
        QCOMPARE(form.size(), QSize(297, 208));
    }

    void answers_data()
    {
        QTest::addColumn<tAnswer>("answer");
        QTest::addColumn<int>("result");
        QTest::newRow("OK as it comes: discard") << PickAndOk(-1) << 0;
        QTest::newRow("append") << PickAndOk(1) << 1;
        QTest::newRow("append, then discard again") << tAnswer([](TmdlgForm* f) {
            QTest::mouseClick(f->mGrp->ItemButton(1), Qt::LeftButton);
            PickAndOk(0)(f);
        }) << 0;
        QTest::newRow("Enter") << tAnswer([](TmdlgForm* f) { QTest::keyClick(f, Qt::Key_Return); })
                               << 0;
        QTest::newRow("Esc") << tAnswer([](TmdlgForm* f) { QTest::keyClick(f, Qt::Key_Escape); })
                             << -1;
        // The window frame: callers take it as "append", since they discard only on 0.
        QTest::newRow("window frame after picking discard") << tAnswer([](TmdlgForm* f) {
            QTest::mouseClick(f->mGrp->ItemButton(0), Qt::LeftButton);
            f->close();
        }) << -1;
    }
    void answers()
    {
        QFETCH(tAnswer, answer);
        QFETCH(int, result);
        AnswerNextDialog<TmdlgForm>(answer);
        QCOMPARE(AskDiscardOrAppend(), result);
        QVERIFY(!QApplication::activeModalWidget());
    }

    void translatedOnCreation()
    {
        tProgramFolder folder(2);
        folder.Write(".LCF", QStringLiteral("[TmdlgForm]\r\nmGrp0=rejeter les mesures\r\n"
                                            "mGrp1=ajouter les nouvelles valeurs\r\n"));
        TmdlgForm form;
        QCOMPARE(form.mGrp->Items(),
                 (QStringList{"rejeter les mesures", "ajouter les nouvelles valeurs"}));
        QCOMPARE(form.mGrp->ItemIndex(), 0);
    }

    void formEditorKey()
    {
        TmdlgForm form;
        QWidget* opened = nullptr;
        OpenFormEditorHook = [&](QWidget* w) { opened = w; };
        QTest::keyRelease(form.mGrp->ItemButton(1), Qt::Key_F2, Qt::ControlModifier);
        OpenFormEditorHook = nullptr;
        QCOMPARE(opened, &form);
    }
};

QTEST_MAIN(TestMdlg)
#include "test_mdlg.moc"
