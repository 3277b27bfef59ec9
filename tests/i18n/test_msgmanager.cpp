// Message lookup with German defaults that fill the messages file.
#include "common/progfolder.h"
#include "i18n/filesave.h"
#include "i18n/language.h"
#include "i18n/msgmanager.h"

#include <QFile>
#include <QTemporaryDir>
#include "filebytes.h"

#include <QtTest>

namespace {

const QString kGeneral = QStringLiteral("general");

} // namespace

class TestMsgManager : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<QTemporaryDir> Dir;
    bool LocalDisk = true;
    QString German() const { return Dir->filePath("QRXLANG.LMG"); }

private slots:
    void init()
    {
        Dir = std::make_unique<QTemporaryDir>();
        QVERIFY(Dir->isValid());
        SetProgramPathForTesting(Dir->filePath("quirrel2"));
        LocalDisk = true;
        SetLocalDiskCheckForTesting([this](const QString&) { return LocalDisk; });
        LanguageIndex = 0;
    }
    void cleanup()
    {
        FreeMsgManager();
        SetLocalDiskCheckForTesting({});
        SetProgramPathForTesting({});
        Dir.reset();
    }

    void theFirstLookupCreatesTheGermanMessagesFile()
    {
        CreateMsgManager();
        QVERIFY(!QFile::exists(German()));
        QCOMPARE(MsgManager->ReadMsg(kGeneral, "endmsg", "Bitte zunächst Messung beenden"),
                 QString("Bitte zunächst Messung beenden"));
        QCOMPARE(ReadAll(German()), QByteArray("[general]\r\nendmsg=Bitte zun\xE4"
                                               "chst Messung beenden\r\n"));
    }

    void eachNewMessageAddsOneEntry()
    {
        CreateMsgManager();
        MsgManager->ReadMsg(kGeneral, "relmsg", "Meßwerte verwerfen ?");
        MsgManager->ReadMsg(kGeneral, "endmsg", "Bitte zunächst Messung beenden");
        MsgManager->ReadMsg(kGeneral, "RELMSG", "Meßwerte verwerfen ?");
        QCOMPARE(ReadAll(German()), QByteArray("[general]\r\n"
                                               "endmsg=Bitte zun\xE4"
                                               "chst Messung beenden\r\n"
                                               "relmsg=Me\xDF"
                                               "werte verwerfen ?\r\n"));
    }

    void aTranslatedEntryIsShownAndTheFileUntouched()
    {
        const QByteArray file("; translated\n[GENERAL]\nrelmsg=Discard readings ?\n");
        WriteAll(Dir->filePath("QRXLANG.LME"), file);
        LanguageIndex = 1;
        CreateMsgManager();
        QCOMPARE(MsgManager->FileName(), Dir->filePath("QRXLANG.LME"));
        QCOMPARE(MsgManager->ReadMsg(kGeneral, "relmsg", "Meßwerte verwerfen ?"),
                 QString("Discard readings ?"));
        QCOMPARE(ReadAll(Dir->filePath("QRXLANG.LME")), file);
    }

    void anEmptyEntryIsReplacedByTheDefault()
    {
        WriteAll(German(), "[general]\r\nrelmsg=\r\n");
        CreateMsgManager();
        QCOMPARE(MsgManager->ReadMsg(kGeneral, "relmsg", "Meßwerte verwerfen ?"),
                 QString("Meßwerte verwerfen ?"));
        QCOMPARE(ReadAll(German()), QByteArray("[general]\r\nrelmsg=Me\xDF"
                                               "werte verwerfen ?\r\n"));
    }

    void withoutADefaultNothingIsWritten_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("result");
        QTest::newRow("missing entry") << QByteArray() << "";
        QTest::newRow("empty entry") << QByteArray("[general]\r\nk=\r\n") << "";
        QTest::newRow("entry") << QByteArray("[general]\r\nk=text\r\n") << "text";
    }
    void withoutADefaultNothingIsWritten()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, result);
        if (!file.isEmpty()) WriteAll(German(), file);
        CreateMsgManager();
        QCOMPARE(MsgManager->ReadMsg(kGeneral, "k", QString()), result);
        QCOMPARE(ReadAll(German()), file.isEmpty() ? QByteArray("<missing>") : file);
    }

    void aRefusedSaveStillShowsTheDefault()
    {
        LocalDisk = false;
        CreateMsgManager();
        QCOMPARE(MsgManager->ReadMsg(kGeneral, "endmsg", "Bitte zunächst Messung beenden"),
                 QString("Bitte zunächst Messung beenden"));
        QVERIFY(!QFile::exists(German()));
    }

    void anEmptyKeyNeverRemovesTheSection()
    {
        WriteAll(German(), "[general]\r\nrelmsg=x\r\n");
        CreateMsgManager();
        QCOMPARE(MsgManager->ReadMsg(kGeneral, QString(), "default"), QString("default"));
        QCOMPARE(MsgManager->ReadMsg(kGeneral, "relmsg", "y"), QString("x"));
        QCOMPARE(ReadAll(German()), QByteArray("[general]\r\nrelmsg=x\r\n"));
    }

    void writeMsgStaysInMemoryUntilSaved()
    {
        CreateMsgManager();
        MsgManager->WriteMsg(kGeneral, "a", "1");
        MsgManager->WriteMsg("other", "b", "2");
        QVERIFY(!QFile::exists(German()));
        QCOMPARE(MsgManager->SectionCount(), 2);
        QCOMPARE(MsgManager->Sections(1)->Name(), QString("other"));
        QVERIFY(MsgManager->SaveToFile(Dir->filePath("copy.LMG")));
        QVERIFY(!QFile::exists(German()));
        QVERIFY(MsgManager->UpdateFile());
        const QByteArray expected("[general]\r\na=1\r\n[other]\r\nb=2\r\n");
        QCOMPARE(ReadAll(German()), expected);
        QCOMPARE(ReadAll(Dir->filePath("copy.LMG")), expected);
    }

    void aNewManagerRereadsTheFile()
    {
        CreateMsgManager();
        TMsgManager editor(German());
        editor.WriteMsg(kGeneral, "relmsg", "Messwerte verwerfen?");
        QVERIFY(editor.UpdateFile());
        CreateMsgManager();
        QCOMPARE(MsgManager->ReadMsg(kGeneral, "relmsg", "Meßwerte verwerfen ?"),
                 QString("Messwerte verwerfen?"));
    }
};

QTEST_APPLESS_MAIN(TestMsgManager)
#include "test_msgmanager.moc"
