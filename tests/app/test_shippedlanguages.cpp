// The shipped language files: made from their table in the program's own file format, and
// holding every text the translated windows write back and every message the program looks
// up, in all four languages; and a program that starts with them shows that language.
#include "../ui/formrig.h"
#include "app/manual.h"
#include "i18n/biginifile.h"
#include "i18n/cp1252.h"
#include "i18n/dialogtool.h"
#include "tools/langtable.h"
#include "ui/mdlg.h"
#include "ui/measlist.h"
#include "ui/memread.h"
#include "ui/savelist.h"
#include "ui/settings.h"
#include "ui/valtable.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTimer>
#include <QtTest>
#include <deque>
#include <memory>
#include <vector>

namespace {

const QString kLangDir = QStringLiteral(QUIRREL2_LANG_DIR);
const QString kSourceDir = QStringLiteral(QUIRREL2_SOURCE_DIR);
const QString kGeneral = QStringLiteral("general");
const QString kTitle = QStringLiteral("Kestrom Quirrel  V 2.10");
const QString kMissing = QStringLiteral("\x01missing");

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString Shipped(int language, bool messages)
{
    return QDir(kLangDir).filePath(LangFileName(language, messages));
}

// section -> key -> value, keys as the store spells them.
using tEntries = QMap<QString, QMap<QString, QString>>;

tEntries EntriesOf(const TBigInifile& store)
{
    tEntries entries;
    for (int i = 0; i < store.SectionCount(); ++i) {
        const tsection* s = store.Sections(i);
        for (int k = 0; k < s->Count(); ++k)
            entries[s->Name()][s->Keys(k)] = s->Values(k);
    }
    return entries;
}

tEntries EntriesOf(const QString& path)
{
    const TBigInifile store(path);
    return EntriesOf(store);
}

// Every entry of `written` has a non-empty entry in each shipped file of that kind, and the
// German file holds exactly the texts written.
void CheckCovered(const tEntries& written, bool messages)
{
    for (int language = 0; language < kLangTableLanguages; ++language) {
        const TBigInifile shipped(Shipped(language, messages));
        for (auto section = written.begin(); section != written.end(); ++section) {
            for (auto entry = section->begin(); entry != section->end(); ++entry) {
                const QString what = LangFileName(language, messages) + QLatin1Char(' ') +
                                     section.key() + QLatin1Char('/') + entry.key();
                const QString value = shipped.ReadString(section.key(), entry.key(), kMissing);
                QVERIFY2(value != kMissing, qPrintable(what + QStringLiteral(" is missing")));
                QVERIFY2(!value.isEmpty(), qPrintable(what + QStringLiteral(" is empty")));
                if (language == 0)
                    QVERIFY2(value == entry.value(),
                             qPrintable(what + QStringLiteral(": ") + value +
                                        QStringLiteral(" instead of ") + entry.value()));
            }
        }
    }
}

// Closes every modal window that comes up (message boxes, the discard-or-append question)
// as Esc would, so that a handler never waits for an answer.
class tModalCloser : public QObject {
public:
    tModalCloser()
    {
        FTimer.setInterval(0);
        connect(&FTimer, &QTimer::timeout, this, [] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible()) return;
            dialog->reject();
        });
        FTimer.start();
    }

private:
    QTimer FTimer;
};

// A scripted meter that answers readings from a queue.
void AnswerReadings(tFormRig& rig, std::deque<QByteArray>& replies)
{
    rig.Ftdi.Responder = [&replies](const QByteArray& line) -> QByteArray {
        if (line == "*IDN?") return "KESTROM METER,502\r\n";
        if (line == "VER?") return "VER 1.07\r\n";
        if (line == "MEASURE:PHOT?") {
            if (replies.empty()) return QByteArray();
            const QByteArray reply = "PHOT " + replies.front() + "\r\n";
            replies.pop_front();
            return reply;
        }
        return "OK\r\n";
    };
}

void CopyShippedFiles(const QTemporaryDir& folder)
{
    for (int language = 0; language < kLangTableLanguages; ++language)
        for (const bool messages : {false, true})
            QVERIFY(QFile::copy(Shipped(language, messages),
                                folder.filePath(LangFileName(language, messages))));
}

} // namespace

class TestShippedLanguages : public QObject {
    Q_OBJECT
private slots:
    void filesMatchTable_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<bool>("messages");
        for (int language = 0; language < kLangTableLanguages; ++language)
            for (const bool messages : {false, true})
                QTest::newRow(qPrintable(LangFileName(language, messages))) << language << messages;
    }
    // The files are what the tool makes from the table, and what the program itself would
    // write: a read and a save give the same bytes (sorted, CR LF, Windows-1252).
    void filesMatchTable()
    {
        QFETCH(int, language);
        QFETCH(bool, messages);
        QList<tLangRow> rows;
        QString error;
        QVERIFY2(
            ReadLangTable(ReadBytes(QDir(kLangDir).filePath(QStringLiteral("translations.tsv"))),
                          rows, error),
            qPrintable(error));
        const QByteArray bytes = ReadBytes(Shipped(language, messages));
        QVERIFY(!bytes.isEmpty());
        QVERIFY2(bytes == LangFileBytes(rows, language, messages),
                 "out of date: run quirrel2-makelangfiles on the table");

        TBigInifile store{QString()};
        store.LoadFromBytes(bytes);
        QCOMPARE(store.SaveToBytes(), bytes);
        QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
        // Single bytes, not UTF-8: "Ã" would be the first byte of a UTF-8 umlaut or accent.
        QVERIFY(!DecodeCp1252(bytes).contains(QChar(0xC3)));
    }

    void sameKeysInEveryLanguage_data()
    {
        QTest::addColumn<bool>("messages");
        QTest::newRow("forms") << false;
        QTest::newRow("messages") << true;
    }
    void sameKeysInEveryLanguage()
    {
        QFETCH(bool, messages);
        const tEntries german = EntriesOf(Shipped(0, messages));
        QVERIFY(!german.isEmpty());
        for (int language = 0; language < kLangTableLanguages; ++language) {
            const tEntries entries = EntriesOf(Shipped(language, messages));
            QCOMPARE(entries.keys(), german.keys());
            for (auto section = entries.begin(); section != entries.end(); ++section) {
                QCOMPARE(section->keys(), german[section.key()].keys());
                for (const QString& value : *section) {
                    QVERIFY(!value.isEmpty());
                    QVERIFY(value != QLatin1String("XXXXX"));
                }
            }
            if (messages) QCOMPARE(entries.keys(), QStringList{kGeneral});
        }
    }

    // Freshly created windows write back exactly the German file's entries, and each of them
    // is in every language. (The main window's title in the files is the one it shows after
    // creation, so that a language switch keeps it.)
    void formsFilesHoldEveryWindowText()
    {
        tFormRig rig;
        TForm1& form = rig.Create();
        const QString written = rig.Folder.filePath(QStringLiteral("written.LCG"));
        WriteFormTexts(written, &form);
        {
            TSettingsForm settings(nullptr, &rig.Clock);
            WriteFormTexts(written, &settings);
            TmdlgForm question(nullptr, &rig.Clock);
            WriteFormTexts(written, &question);
        }
        const tEntries entries = EntriesOf(written);
        QCOMPARE(entries.keys(), (QStringList{"TForm1", "TSettingsForm", "TmdlgForm"}));
        QCOMPARE(entries[QStringLiteral("TForm1")][QStringLiteral("CAPTION")], kTitle);
        CheckCovered(entries, false);
        if (QTest::currentTestFailed()) return;
        QCOMPARE(EntriesOf(Shipped(0, false)), entries);
    }

    // Starting without a messages file, the lookups the program makes fill one; every entry
    // is in each shipped messages file, with the German default in the German one, and every
    // shipped message is one the program looks up.
    void messagesFilesHoldEveryLookup()
    {
        tFormRig rig;
        std::deque<QByteArray> replies;
        AnswerReadings(rig, replies);
        const QString messagesFile = rig.Folder.filePath(LangFileName(0, true));
        QVERIFY(!QFile::exists(messagesFile));
        tModalCloser closer;

        rig.Start();
        rig.Press("MeaBtn");
        tMeasList list;
        ValTableGetCellData(list, 0, 1);
        MemoryReadText(12);
        MemoryEmptyText();
        MemoryClearedText();
        SaveErrorText();
        NoManualText();

        // Continuous measuring in graph mode titles the chart by each reading's unit.
        rig.Find<TRadioGroup>("RadioGroup1")->SetItemIndex(1);
        replies = {"1 E0 LX"};
        rig.Press("cbtn");
        QVERIFY(rig.Form->IsContinuous());
        for (const QByteArray unit : {"FC", "CD/M2", "FL"}) {
            replies = {"1 E0 " + unit};
            rig.Form->Timer1Timer();
        }
        QVERIFY(!rig.Form->close()); // refused while measuring
        rig.Press("cbtn");
        QVERIFY(!rig.Form->IsContinuous());
        QVERIFY(rig.Form->CurrentReadings()->Count() > 0);
        rig.Press("DelListBtn"); // asks first; the closed box keeps the list
        rig.Press("QuitBtn");    // asks first; the closed box keeps the window

        const tEntries written = EntriesOf(messagesFile);
        QCOMPARE(written.keys(), QStringList{kGeneral});
        CheckCovered(written, true);
        if (QTest::currentTestFailed()) return;
        const tEntries shipped = EntriesOf(Shipped(0, true));
        QCOMPARE(written[kGeneral].keys(), shipped[kGeneral].keys());
    }

    // Message lookups in the sources, by the ways the program passes keys: the key literal as
    // the first argument of a message helper, or after the section "general". Catches
    // lookups on paths the test above cannot reach cheaply.
    void messagesFilesHoldEveryKeyInTheSources()
    {
        const QRegularExpression lookup(QStringLiteral(
            R"re(\b(?:Msg|Message|ReadMsg)\(\s*(?:QStringLiteral\(\s*"general"\s*\)\s*,\s*)?)re"
            R"re((?:QStringLiteral\(\s*)?"(\w+)")re"));
        std::vector<std::unique_ptr<TBigInifile>> shipped;
        for (int language = 0; language < kLangTableLanguages; ++language)
            shipped.push_back(std::make_unique<TBigInifile>(Shipped(language, true)));
        QStringList found;
        for (const char* folder : {"ui", "app", "common", "meter"}) {
            QDirIterator it(QDir(kSourceDir).filePath(QLatin1String(folder)),
                            {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files);
            while (it.hasNext()) {
                const QString path = it.next();
                const QString text = QString::fromUtf8(ReadBytes(path));
                for (auto m = lookup.globalMatch(text); m.hasNext();) {
                    const QString key = m.next().captured(1);
                    if (key == kGeneral) continue;
                    found << key;
                    for (int language = 0; language < kLangTableLanguages; ++language)
                        QVERIFY2(shipped[language]->ReadString(kGeneral, key, kMissing) != kMissing,
                                 qPrintable(key + QStringLiteral(" of ") + path +
                                            QStringLiteral(" is missing in ") +
                                            LangFileName(language, true)));
                }
            }
        }
        QVERIFY(found.contains(QStringLiteral("delmsg1"))); // the pattern still finds lookups
        QVERIFY(found.contains(QStringLiteral("mval")));
    }

    // With the shipped files in the program folder, a start in a language, or a switch to
    // it, shows every text of the main window and its dialogs in that language: what the
    // windows write back is then the shipped file itself, which the start leaves as it was.
    void windowsShowTheLanguage_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("language");
        const char* const names[] = {"German", "English", "French", "Spanish"};
        for (int language = 0; language < kLangTableLanguages; ++language)
            QTest::newRow(qPrintable(QStringLiteral("start in ") + QLatin1String(names[language])))
                << language << language;
        for (int language = 1; language < kLangTableLanguages; ++language)
            QTest::newRow(qPrintable(QStringLiteral("switch to ") + QLatin1String(names[language])))
                << 0 << language;
    }
    void windowsShowTheLanguage()
    {
        QFETCH(int, start);
        QFETCH(int, language);
        tFormRig rig("502", start);
        CopyShippedFiles(rig.Folder);
        CreateMsgManager();
        TForm1& form = rig.Create();
        if (language != start) rig.LangGrp()->SetItemIndex(language);
        QCOMPARE(LanguageIndex, language);
        QCOMPARE(form.windowTitle(), kTitle);

        const QString formsFile = rig.Folder.filePath(LangFileName(language, false));
        const QString messagesFile = rig.Folder.filePath(LangFileName(language, true));
        QCOMPARE(ReadBytes(formsFile), ReadBytes(Shipped(language, false)));
        QCOMPARE(ReadBytes(messagesFile), ReadBytes(Shipped(language, true)));
        const TBigInifile messages(messagesFile);
        QCOMPARE(rig.ButtonNamed("cbtn")->text(),
                 messages.ReadString(kGeneral, QStringLiteral("meamsg2"), QString()));

        const QString written = rig.Folder.filePath(QStringLiteral("dialogs"));
        TSettingsForm settings(nullptr, &rig.Clock);
        WriteFormTexts(written, &settings);
        TmdlgForm question(nullptr, &rig.Clock);
        WriteFormTexts(written, &question);
        const tEntries shown = EntriesOf(written);
        const tEntries shipped = EntriesOf(Shipped(language, false));
        for (const QString& section :
             {QStringLiteral("TSettingsForm"), QStringLiteral("TmdlgForm")})
            QCOMPARE(shown[section], shipped[section]);
    }
};

QTEST_MAIN(TestShippedLanguages)
#include "test_shippedlanguages.moc"
