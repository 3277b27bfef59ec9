// The language index in the settings file and the names of the language files.
#include "common/progfolder.h"
#include "i18n/filesave.h"
#include "i18n/language.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include "filebytes.h"

#include <QtTest>


class TestLanguage : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<QTemporaryDir> Dir;
    QString Settings() const { return Dir->filePath("quirrel2.INI"); }

private slots:
    void init()
    {
        Dir = std::make_unique<QTemporaryDir>();
        QVERIFY(Dir->isValid());
        SetProgramPathForTesting(Dir->filePath("quirrel2"));
        LanguageIndex = 0;
    }
    void cleanup()
    {
        QFile::setPermissions(Dir->path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                               QFileDevice::ExeOwner);
        SetProgramPathForTesting({});
        Dir.reset();
    }

    void theSettingsFileLiesBesideTheProgram() { QCOMPARE(SettingsFile(), Settings()); }

    void readLanguageIndex_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("index");
        QTest::newRow("French") << QByteArray("[LANG]\r\nID=2\r\n") << 2;
        QTest::newRow("Spanish, LF and blanks") << QByteArray("[LANG]\nID = 3 \n") << 3;
        QTest::newRow("names in other case") << QByteArray("[lang]\nid=1") << 1;
        QTest::newRow("hexadecimal") << QByteArray("[LANG]\r\nID=$1\r\n") << 1;
        QTest::newRow("among other sections")
            << QByteArray("; settings\r\n[Other]\r\nID=3\r\n\r\n[LANG]\r\nX=1\r\nID=2\r\n") << 2;
        QTest::newRow("empty file") << QByteArray() << 0;
        QTest::newRow("no LANG section") << QByteArray("[Other]\r\nID=2\r\n") << 0;
        QTest::newRow("empty ID") << QByteArray("[LANG]\r\nID=\r\n") << 0;
        QTest::newRow("not a number") << QByteArray("[LANG]\r\nID=French\r\n") << 0;
        QTest::newRow("negative") << QByteArray("[LANG]\r\nID=-1\r\n") << 0;
        QTest::newRow("above 3") << QByteArray("[LANG]\r\nID=4\r\n") << 0;
        QTest::newRow("far too big") << QByteArray("[LANG]\r\nID=99999999999\r\n") << 0;
        QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16) << 0;
    }
    void readLanguageIndex()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, index);
        WriteAll(Settings(), file);
        LanguageIndex = 3;
        ReadLanguageIndex();
        QCOMPARE(LanguageIndex, index);
    }

    void noSettingsFileMeansGerman()
    {
        LanguageIndex = 2;
        ReadLanguageIndex();
        QCOMPARE(LanguageIndex, 0);
    }

    void aFolderInPlaceOfTheSettingsFileMeansGerman()
    {
        QVERIFY(QDir(Dir->path()).mkdir("quirrel2.INI"));
        LanguageIndex = 2;
        ReadLanguageIndex();
        QCOMPARE(LanguageIndex, 0);
        LanguageIndex = 1;
        WriteLanguageIndex(); // ignored
        QVERIFY(QFileInfo(Settings()).isDir());
    }

    void anOversizedSettingsFileIsNeitherReadNorReplaced()
    {
        const QByteArray file = "[LANG]\r\nID=2\r\n; " + QByteArray(2 << 20, 'x') + "\r\n";
        WriteAll(Settings(), file);
        LanguageIndex = 3;
        ReadLanguageIndex();
        QCOMPARE(LanguageIndex, 0);
        LanguageIndex = 1;
        WriteLanguageIndex();
        QCOMPARE(ReadAll(Settings()), file);
    }

    void theIndexSurvivesARestart()
    {
        LanguageIndex = 2;
        WriteLanguageIndex();
        QCOMPARE(ReadAll(Settings()), QByteArray("[LANG]\r\nID=2\r\n"));
        LanguageIndex = 0;
        ReadLanguageIndex();
        QCOMPARE(LanguageIndex, 2);
    }

    void writingKeepsEverythingElse()
    {
        WriteAll(Settings(), "; my settings\n[Other]\nx=1\n\n[lang]\nid=0\nfoo=bar\n");
        LanguageIndex = 3;
        WriteLanguageIndex();
        QCOMPARE(
            ReadAll(Settings()),
            QByteArray("; my settings\r\n[Other]\r\nx=1\r\n\r\n[lang]\r\nID=3\r\nfoo=bar\r\n"));
    }

    void writingAddsTheKeyOrTheSection_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("key missing") << QByteArray("[LANG]\r\nfoo=bar\r\n\r\n[X]\r\n")
                                     << QByteArray("[LANG]\r\nfoo=bar\r\nID=1\r\n\r\n[X]\r\n");
        QTest::newRow("section missing")
            << QByteArray("[X]\r\ny=2") << QByteArray("[X]\r\ny=2\r\n\r\n[LANG]\r\nID=1\r\n");
        QTest::newRow("empty file") << QByteArray() << QByteArray("[LANG]\r\nID=1\r\n");
    }
    void writingAddsTheKeyOrTheSection()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        WriteAll(Settings(), before);
        LanguageIndex = 1;
        WriteLanguageIndex();
        QCOMPARE(ReadAll(Settings()), after);
    }

    void aReadOnlySettingsFileIsLeftAlone()
    {
        WriteAll(Settings(), "[LANG]\r\nID=1\r\n");
        QVERIFY(QFile::setPermissions(Settings(), QFileDevice::ReadOwner));
        LanguageIndex = 2;
        WriteLanguageIndex();
        QCOMPARE(ReadAll(Settings()), QByteArray("[LANG]\r\nID=1\r\n"));
    }

    void anUnwritableFolderIsNoError()
    {
        QVERIFY(QFile::setPermissions(Dir->path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        LanguageIndex = 2;
        WriteLanguageIndex();
        QVERIFY(!QFile::exists(Settings()));
    }

    void fileNames_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("forms");
        QTest::addColumn<QString>("messages");
        QTest::newRow("German") << 0 << "QRXLANG.LCG"
                                << "QRXLANG.LMG";
        QTest::newRow("English") << 1 << "QRXLANG.LCE"
                                 << "QRXLANG.LME";
        QTest::newRow("French") << 2 << "QRXLANG.LCF"
                                << "QRXLANG.LMF";
        QTest::newRow("Spanish") << 3 << "QRXLANG.LCS"
                                 << "QRXLANG.LMS";
        QTest::newRow("out of range is German") << 7 << "QRXLANG.LCG"
                                                << "QRXLANG.LMG";
        QTest::newRow("negative is German") << -1 << "QRXLANG.LCG"
                                            << "QRXLANG.LMG";
    }
    void fileNames()
    {
        QFETCH(int, index);
        QFETCH(QString, forms);
        QFETCH(QString, messages);
        LanguageIndex = index;
        QCOMPARE(FormsLanguageFile(), Dir->filePath(forms));
        QCOMPARE(MessagesLanguageFile(), Dir->filePath(messages));
    }
};

QTEST_APPLESS_MAIN(TestLanguage)
#include "test_language.moc"
