// The language file store: reading rules, lookups, changes and the written form.
#include "i18n/biginifile.h"
#include "i18n/filesave.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include "filebytes.h"

#include <QtTest>
#include <unistd.h>

namespace {

// The store as "[section]" and "key=value" lines, in the store's order.
QStringList Dump(const TBigInifile& store)
{
    QStringList lines;
    for (int s = 0; s < store.SectionCount(); ++s) {
        const tsection* sec = store.Sections(s);
        lines << u'[' + sec->Name() + u']';
        for (int k = 0; k < sec->Count(); ++k)
            lines << sec->Keys(k) + u'=' + sec->Values(k);
    }
    return lines;
}

} // namespace

class TestBigIniFile : public QObject {
    Q_OBJECT
private:
    QTemporaryDir Dir;
    QString File(const QString& name = QStringLiteral("QRXLANG.LCG")) const
    {
        return Dir.filePath(name);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(Dir.isValid());
        SetLocalDiskCheckForTesting([](const QString&) { return true; });
    }
    void cleanupTestCase() { SetLocalDiskCheckForTesting({}); }
    void cleanup() { QFile::remove(File()); }

    void reading_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("store");
        const QString v253(253, u'v'), x253(253, u'x'), n254(254, u'n');

        QTest::newRow("empty file") << QByteArray() << QStringList();
        QTest::newRow("lines before the first header are skipped")
            << QByteArray("a=1\r\n[S]\r\nb=2") << QStringList{"[S]", "b=2"};
        QTest::newRow("CR LF, LF and CR end lines")
            << QByteArray("[S]\r\na=1\nb=2\rc=3\r\n") << QStringList{"[S]", "a=1", "b=2", "c=3"};
        QTest::newRow("empty lines")
            << QByteArray("\r\n\n[S]\r\r\n\n\na=1\n\r") << QStringList{"[S]", "a=1"};
        QTest::newRow("nothing is trimmed around =")
            << QByteArray("[S]\nkey = value \n") << QStringList{"[S]", "key = value "};
        QTest::newRow("the first = splits")
            << QByteArray("[S]\na=b=c") << QStringList{"[S]", "a=b=c"};
        QTest::newRow("empty key and empty value")
            << QByteArray("[S]\n=v\nk=") << QStringList{"[S]", "=v", "k="};
        QTest::newRow("comments and stray text are dropped")
            << QByteArray("; top\n[S]\n; comment\nk=v\nstray text\n// x\n")
            << QStringList{"[S]", "k=v"};
        QTest::newRow("a repeated key keeps its first spelling and its last value")
            << QByteArray("[S]\nrelmsg=a\nx=1\nRELMSG=b\n")
            << QStringList{"[S]", "relmsg=b", "x=1"};
        QTest::newRow("non-ASCII keys differ only in case")
            << QByteArray("[S]\n\xC4rger=1\n\xE4RGER=2\n") << QStringList{"[S]", "Ärger=2"};
        QTest::newRow("a repeated section replaces the earlier one")
            << QByteArray("[TForm1]\na=1\n[Other]\nz=9\n[TFORM1]\nb=2\n")
            << QStringList{"[Other]", "z=9", "[TFORM1]", "b=2"};
        QTest::newRow("a line of brackets only is nothing")
            << QByteArray("[S]\na=1\n[]\n[[]]\n]\nb=2\n") << QStringList{"[S]", "a=1", "b=2"};
        QTest::newRow("brackets then = make a header")
            << QByteArray("[]=x\nk=v") << QStringList{"[=x]", "k=v"};
        QTest::newRow("no closing bracket needed")
            << QByteArray("[S\nk=v") << QStringList{"[S]", "k=v"};
        QTest::newRow("text after the closing bracket is ignored")
            << QByteArray("[S] ; note [x]\nk=v") << QStringList{"[S]", "k=v"};
        QTest::newRow("blanks belong to the name")
            << QByteArray("[ S ]\nk=v") << QStringList{"[ S ]", "k=v"};
        QTest::newRow("leading brackets") << QByteArray("[[S]]\nk=v") << QStringList{"[S]", "k=v"};
        QTest::newRow("a section without entries")
            << QByteArray("[S]\n[T]\nk=v") << QStringList{"[S]", "[T]", "k=v"};
        QTest::newRow("a line of 300 characters is read as 255")
            << QByteArray("[S]\nk=" + QByteArray(298, 'v') + "\nz=1")
            << QStringList{"[S]", "k=" + v253, "z=1"};
        QTest::newRow("= beyond the cut makes no entry")
            << QByteArray("[S]\n" + QByteArray(260, 'k') + "=v\nz=1") << QStringList{"[S]", "z=1"};
        QTest::newRow("a line of 100,000 characters")
            << QByteArray("[S]\nk=" + QByteArray(100000, 'x') + "\r\nz=1")
            << QStringList{"[S]", "k=" + x253, "z=1"};
        QTest::newRow("a long header") << QByteArray("[" + QByteArray(300, 'n') + "]\nk=v")
                                       << QStringList{"[" + n254 + "]", "k=v"};
        QTest::newRow("NUL ends the text")
            << QByteArray("[S]\na=1\nb=2\0c=3\nd=4", 19) << QStringList{"[S]", "a=1", "b=2"};
        QTest::newRow("NUL first") << QByteArray("\0[S]\na=1", 8) << QStringList();
        QTest::newRow("Windows-1252") << QByteArray("[Me\xDFwert]\nk=\x80 \x81 \x9F \xE4")
                                      << QStringList{"[Meßwert]", QStringLiteral("k=€ \u0081 Ÿ ä")};
        QTest::newRow("binary junk")
            << QByteArray("\xFF\xFE\x01=\x02\r\n[\x7F\x03]\x1B\n\x05=\x06\n\x1B[\x80\x81")
            << QStringList{"[\x7F\x03]", "\x05=\x06"};
    }
    void reading()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, store);
        WriteAll(File(), file);
        const TBigInifile ini(File());
        QCOMPARE(Dump(ini), store);
    }

    void sectionsAndKeysAreSortedWithoutRegardToCase()
    {
        TBigInifile ini(QString{});
        ini.LoadFromBytes("[b]\nB=1\na=2\nC=3\n[A]\nz=1\n[c]\n");
        QCOMPARE(Dump(ini), (QStringList{"[A]", "z=1", "[b]", "a=2", "B=1", "C=3", "[c]"}));
        ini.WriteString("B", "b0", "x");
        ini.WriteString("a", "Y", "y");
        QCOMPARE(Dump(ini),
                 (QStringList{"[A]", "Y=y", "z=1", "[b]", "a=2", "B=1", "b0=x", "C=3", "[c]"}));
    }

    void readString_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("result");
        QTest::newRow("present") << "TForm1"
                                 << "ConfigBtn"
                                 << "AutoConfig";
        QTest::newRow("section and key in other case") << "tform1"
                                                       << "CONFIGBTN"
                                                       << "AutoConfig";
        QTest::newRow("present but empty") << "TForm1"
                                           << "Empty"
                                           << "";
        QTest::newRow("missing key") << "TForm1"
                                     << "Nothing"
                                     << "<default>";
        QTest::newRow("missing section") << "general"
                                         << "ConfigBtn"
                                         << "<default>";
        QTest::newRow("a trailing blank is part of the key") << "TForm1"
                                                             << "Blank"
                                                             << "<default>";
        QTest::newRow("the key with its blank") << "TForm1"
                                                << "Blank "
                                                << "b";
        QTest::newRow("non-ASCII key in other case") << "TForm1"
                                                     << "ÄRGER"
                                                     << "ä";
        QTest::newRow("long key is cut like the stored one")
            << "TForm1" << QString(300, u'L') << "long";
        QTest::newRow("empty section") << ""
                                       << "ConfigBtn"
                                       << "<default>";
    }
    void readString()
    {
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, result);
        TBigInifile ini(QString{});
        ini.LoadFromBytes("[TForm1]\nConfigBtn=AutoConfig\nEmpty=\nBlank =b\n\xE4rger=\xE4\n");
        ini.WriteString("TForm1", QString(255, u'L') + "xyz", "long");
        QCOMPARE(ini.ReadString(section, key, "<default>"), result);
    }

    void writeStringSetsAndKeepsTheFirstSpelling()
    {
        TBigInifile ini(QString{});
        ini.WriteString("TForm1", "InfoBtn", "Info");
        ini.WriteString("tform1", "INFOBTN", "Start");
        QCOMPARE(Dump(ini), (QStringList{"[TForm1]", "InfoBtn=Start"}));
        ini.WriteString("TForm1", "InfoBtn", "");
        QCOMPARE(ini.ReadString("TForm1", "InfoBtn", "<default>"), QString());
    }

    void textsAreCutTo255Characters()
    {
        TBigInifile ini(File());
        ini.WriteString(QString(300, u's'), QString(300, u'k'), QString(300, u'a'));
        const tsection* s = ini.Sections(0);
        QVERIFY(s);
        QCOMPARE(s->Name(), QString(255, u's'));
        QCOMPARE(s->Keys(0), QString(255, u'k'));
        QCOMPARE(s->Values(0), QString(255, u'a'));
    }

    void aLongValueIsSavedWithItsFirst255Characters()
    {
        TBigInifile ini(File());
        ini.WriteString("S", "k", QString(300, u'a'));
        QVERIFY(ini.UpdateFile());
        QCOMPARE(ReadAll(File()), "[S]\r\nk=" + QByteArray(255, 'a') + "\r\n");
    }

    void emptyKeyRemovesTheSection_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("empty value") << QString();
        QTest::newRow("some value") << QStringLiteral("x");
    }
    void emptyKeyRemovesTheSection()
    {
        QFETCH(QString, value);
        TBigInifile ini(QString{});
        ini.LoadFromBytes("[TForm1]\na=1\nb=2\n[general]\nc=3\n");
        ini.WriteString("tform1", QString(), value);
        QCOMPARE(Dump(ini), (QStringList{"[general]", "c=3"}));
    }

    void allThreeEmptySavesTheFile()
    {
        TBigInifile ini(File());
        ini.WriteString("S", "k", "v");
        QVERIFY(!QFile::exists(File()));
        ini.WriteString({}, {}, {});
        QCOMPARE(ReadAll(File()), QByteArray("[S]\r\nk=v\r\n"));
    }

    void eraseSection()
    {
        TBigInifile ini(QString{});
        ini.LoadFromBytes("[A]\na=1\n[B]\nb=2\n");
        ini.EraseSection("missing");
        ini.EraseSection("b");
        QCOMPARE(Dump(ini), (QStringList{"[A]", "a=1"}));
    }

    void savingSortsDropsCommentsAndEndsLinesWithCrLf()
    {
        WriteAll(File(),
                 "; translated by hand\n[TForm1]\nInfoBtn=Info\nConfigBtnHint=Werkseinstellungen "
                 "setzen\n\n[general]\r\nrelmsg=Me\xDF"
                 "werte verwerfen ?\rConfigBtn=x\n"
                 "[TForm1]\nInfoBtn=Info\nConfigBtnHint=Werkseinstellungen setzen\n"
                 "ConfigBtn=AutoConfig");
        TBigInifile ini(File());
        QVERIFY(ini.UpdateFile());
        QCOMPARE(ReadAll(File()), QByteArray("[general]\r\nConfigBtn=x\r\n"
                                             "relmsg=Me\xDF"
                                             "werte verwerfen ?\r\n"
                                             "[TForm1]\r\nConfigBtn=AutoConfig\r\n"
                                             "ConfigBtnHint=Werkseinstellungen setzen\r\n"
                                             "InfoBtn=Info\r\n"));
    }

    void savingEncodesWindows1252()
    {
        TBigInifile ini(File());
        ini.WriteString("general", "endmsg", "Bitte zunächst Messung beenden");
        ini.WriteString("general", "euro", "5 € Ω");
        ini.WriteString("general", "nul", QStringLiteral("a") + QChar(0) + u'b');
        QVERIFY(ini.UpdateFile());
        QCOMPARE(ReadAll(File()), QByteArray("[general]\r\nendmsg=Bitte zun\xE4"
                                             "chst Messung "
                                             "beenden\r\neuro=5 \x80 ?\r\nnul=a?b\r\n"));
    }

    void everyByteOfAValueSurvives()
    {
        QByteArray value;
        for (int b = 1; b < 256; ++b)
            if (b != '\r' && b != '\n') value.append(char(b));
        const QByteArray file = "[S]\r\nk=" + value + "\r\n";
        WriteAll(File(), file);
        TBigInifile ini(File());
        QCOMPARE(ini.ReadString("S", "k", {}).size(), 253);
        QVERIFY(ini.UpdateFile());
        QCOMPARE(ReadAll(File()), file);
    }

    void aValueWithALineBreakSpreadsOverTwoLines()
    {
        TBigInifile ini(File());
        ini.WriteString("S", "a", "first\r\ny=2");
        ini.WriteString("S", "b", "one\ntwo");
        QVERIFY(ini.UpdateFile());
        QCOMPARE(ReadAll(File()), QByteArray("[S]\r\na=first\r\ny=2\r\nb=one\ntwo\r\n"));
        QCOMPARE(Dump(TBigInifile(File())), (QStringList{"[S]", "a=first", "b=one", "y=2"}));
    }

    void aMissingFileGivesAnEmptyStoreAndIsNotCreated()
    {
        const TBigInifile ini(File());
        QCOMPARE(ini.SectionCount(), 0);
        QCOMPARE(ini.ReadString("S", "k", "default"), QString("default"));
        QVERIFY(!QFile::exists(File()));
        QCOMPARE(ini.Sections(0), nullptr);
        QCOMPARE(ini.Sections(-1), nullptr);
    }

    void aFileThatCannotBeReadIsNotOverwritten()
    {
        // A folder where the file should be: it exists but cannot be read as a file.
        QVERIFY(QDir(Dir.path()).mkdir("QRXLANG.LMG"));
        TBigInifile ini(File("QRXLANG.LMG"));
        QCOMPARE(ini.SectionCount(), 0);
        ini.WriteString("general", "k", "v");
        QVERIFY(!ini.UpdateFile());
        QVERIFY(QFileInfo(File("QRXLANG.LMG")).isDir());
        // Elsewhere the store may still be saved.
        QVERIFY(ini.SaveToFile(File("copy.LMG")));
        QCOMPARE(ReadAll(File("copy.LMG")), QByteArray("[general]\r\nk=v\r\n"));
        QVERIFY(QDir(Dir.path()).rmdir("QRXLANG.LMG"));
    }

    void anUnreadableFileReadsAsEmptyAndIsKept()
    {
        if (geteuid() == 0) QSKIP("the superuser reads every file");
        WriteAll(File(), "[S]\nk=v\n");
        QVERIFY(QFile::setPermissions(File(), QFileDevice::WriteOwner));
        TBigInifile ini(File());
        QCOMPARE(ini.SectionCount(), 0);
        ini.WriteString("T", "x", "y");
        QVERIFY(!ini.UpdateFile());
        QVERIFY(QFile::setPermissions(File(), QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        QCOMPARE(ReadAll(File()), QByteArray("[S]\nk=v\n"));
    }

    void aHugeFileIsReadByItsEntries()
    {
        // 32 MB in one line between two entries, and another long run at the end.
        QByteArray file("[S]\na=1\nbig=");
        file.append(QByteArray(32 << 20, 'x'));
        file.append("\nz=2\n");
        file.append(QByteArray(1 << 20, '['));
        WriteAll(File(), file);
        const TBigInifile ini(File());
        QCOMPARE(Dump(ini), (QStringList{"[S]", "a=1", "big=" + QString(251, u'x'), "z=2"}));
    }

    void readingIsTheSameFromBytesAndFromTheFile()
    {
        // Lines that cross the pieces in which a file is read (64 KiB).
        QByteArray file("[S]\r\n");
        int i = 0;
        while (file.size() < 200000)
            file.append("key" + QByteArray::number(i++) + "=v\r");
        file.append("\n\0tail", 6);
        WriteAll(File(), file);
        TBigInifile fromFile(File()), fromBytes(QString{});
        fromBytes.LoadFromBytes(file);
        QCOMPARE(fromFile.Sections(0)->Count(), i);
        QCOMPARE(Dump(fromFile), Dump(fromBytes));
    }

    void destroyingDoesNotSave()
    {
        {
            TBigInifile ini(File());
            ini.WriteString("S", "k", "v");
        }
        QVERIFY(!QFile::exists(File()));
    }
};

QTEST_APPLESS_MAIN(TestBigIniFile)
#include "test_biginifile.moc"
