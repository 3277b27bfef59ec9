// The reading list file byte for byte, the safe save and its failures, the save dialog.
#include "common/progfolder.h"
#include "common/valuetext.h"
#include "i18n/language.h"
#include "i18n/msgmanager.h"
#include "ui/savelist.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

QDateTime At(int h, int m, int s)
{
    return QDateTime(QDate(2024, 3, 1), QTime(h, m, s));
}

QByteArray Read(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void Write(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QStringList Entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

// Runs `act` on the next modal window once it is up.
void OnNextModal(std::function<void(QWidget*)> act, int triesLeft = 200)
{
    QTimer::singleShot(0, [act, triesLeft] {
        QWidget* w = QApplication::activeModalWidget();
        if (w && w->isVisible()) return act(w);
        if (triesLeft > 0) return OnNextModal(act, triesLeft - 1);
        qWarning("no modal window came up");
    });
}

const std::vector<tSavedReading> kTwo = {{123.456f, UnitLux, At(14, 5, 9)},
                                         {5.4321f, UnitFootlambert, At(14, 5, 14)}};
const QByteArray kTwoBytes = "123.46;lx;14:05:09\r\n5.43;fL;14:05:14\r\n";

} // namespace

class TestSaveList : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { SDlgFileName().clear(); }

    void line_data();
    void line();
    void wholeFile();
    void savesAndReplaces();
    void refusedTargets_data();
    void refusedTargets();
    void writeFailureKeepsOldFile_data();
    void writeFailureKeepsOldFile();
    void dialogHelper();
    void saveWithDialog();
};

void TestSaveList::line_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QDateTime>("stamp");
    QTest::addColumn<QChar>("point");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("lux, decimal comma")
        << 123.456f << 0 << At(14, 5, 9) << QChar(u',') << QByteArray("123,46;lx;14:05:09\r\n");
    QTest::newRow("lux, C locale")
        << 123.456f << 0 << At(14, 5, 9) << QChar(u'.') << QByteArray("123.46;lx;14:05:09\r\n");
    QTest::newRow("footcandle is fC")
        << 12.0f << 1 << At(8, 0, 0) << QChar(u',') << QByteArray("12,00;fC;08:00:00\r\n");
    QTest::newRow("cd/m2 with byte B2") << 250.5f << 2 << At(23, 59, 59) << QChar(u',')
                                        << QByteArray("250,50;cd/m\xB2;23:59:59\r\n");
    QTest::newRow("footlambert") << 5.4321f << 3 << At(0, 0, 0) << QChar(u',')
                                 << QByteArray("5,43;fL;00:00:00\r\n");
    QTest::newRow("failed reading")
        << -999.0f << 0 << At(9, 7, 3) << QChar(u',') << QByteArray("-999,00;lx;09:07:03\r\n");
    QTest::newRow("overload from memory")
        << -1.0f << 2 << At(9, 7, 3) << QChar(u'.') << QByteArray("-1.00;cd/m\xB2;09:07:03\r\n");
    QTest::newRow("zero") << 0.0f << 0 << At(12, 30, 0) << QChar(u'.')
                          << QByteArray("0.00;lx;12:30:00\r\n");
    QTest::newRow("seven digits, no grouping") << 1234567.0f << 0 << At(1, 2, 3) << QChar(u',')
                                               << QByteArray("1234567,00;lx;01:02:03\r\n");
}

void TestSaveList::line()
{
    QFETCH(float, value);
    QFETCH(int, unit);
    QFETCH(QDateTime, stamp);
    QFETCH(QChar, point);
    QFETCH(QByteArray, bytes);
    QCOMPARE(ReadingLine({value, uint8_t(unit), stamp}, point), bytes);
}

void TestSaveList::wholeFile()
{
    QCOMPARE(ReadingListBytes(kTwo, u'.'), kTwoBytes);
    QCOMPARE(ReadingListBytes(std::vector<tSavedReading>{kTwo[0]}, u','),
             QByteArray("123,46;lx;14:05:09\r\n"));
    QCOMPARE(ReadingListBytes({}, u','), QByteArray());
}

void TestSaveList::savesAndReplaces()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("liste.txt"));
    Write(path, "an older list that is longer than the new one\r\n");

    QVERIFY(SaveReadingList(path, kTwoBytes));
    QCOMPARE(Read(path), kTwoBytes);
    QVERIFY(SaveReadingList(path, "1.00;lx;00:00:01\r\n"));
    QCOMPARE(Read(path), QByteArray("1.00;lx;00:00:01\r\n"));
    QCOMPARE(Entries(dir.path()), QStringList{QStringLiteral("liste.txt")});
}

void TestSaveList::refusedTargets_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("folder missing") << "missing folder";
    QTest::newRow("target is a folder") << "folder";
    QTest::newRow("read-only file") << "read-only file";
    QTest::newRow("read-only folder") << "read-only folder";
    QTest::newRow("no name") << "empty";
}

void TestSaveList::refusedTargets()
{
    QFETCH(QString, kind);
    QTemporaryDir dir;
    const QString sub = dir.filePath(QStringLiteral("sub"));
    QVERIFY(QDir().mkpath(sub));
    QString path = QDir(sub).filePath(QStringLiteral("liste.txt"));
    QByteArray before = "<missing>";

    if (kind == "missing folder") {
        path = dir.filePath(QStringLiteral("nowhere/liste.txt"));
    } else if (kind == "folder") {
        QVERIFY(QDir().mkpath(path));
    } else if (kind == "read-only file") {
        before = "old\r\n";
        Write(path, before);
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadUser));
    } else if (kind == "read-only folder") {
        before = "old\r\n";
        Write(path, before);
        QVERIFY(QFile::setPermissions(sub, QFile::ReadOwner | QFile::ExeOwner));
    } else {
        path.clear();
    }
    const QStringList entriesBefore = Entries(sub);

    QVERIFY(!SaveReadingList(path, kTwoBytes));

    QFile::setPermissions(sub, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile::setPermissions(QDir(sub).filePath(QStringLiteral("liste.txt")),
                          QFile::ReadOwner | QFile::WriteOwner);
    QCOMPARE(Entries(sub), entriesBefore); // no temporary file left behind
    if (kind == "folder")
        QVERIFY(QFileInfo(path).isDir());
    else if (!path.isEmpty())
        QCOMPARE(Read(path), before);
    QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("nowhere"))));
}

void TestSaveList::writeFailureKeepsOldFile_data()
{
    QTest::addColumn<int>("accepted"); // bytes the disk takes before it is full
    QTest::addColumn<bool>("reportsError");
    QTest::newRow("disk full at once") << 0 << true;
    QTest::newRow("disk full halfway") << 10 << true;
    QTest::newRow("short write") << 10 << false;
}

void TestSaveList::writeFailureKeepsOldFile()
{
    QFETCH(int, accepted);
    QFETCH(bool, reportsError);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("liste.txt"));
    const QByteArray old = "7.00;lx;10:00:00\r\n";
    Write(path, old);

    const tWriteBytes fullDisk = [&](QIODevice& out, const QByteArray& bytes) -> qint64 {
        out.write(bytes.left(accepted));
        return reportsError ? -1 : accepted;
    };
    QVERIFY(!SaveReadingList(path, kTwoBytes, fullDisk));
    QCOMPARE(Read(path), old);
    QCOMPARE(Entries(dir.path()), QStringList{QStringLiteral("liste.txt")});
}

void TestSaveList::dialogHelper()
{
    QTemporaryDir dir;
    QStringList filters;
    QString suffix;
    bool noOverwriteQuestion = false;
    OnNextModal([&](QWidget* w) {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        if (!dialog) {
            w->close();
            return;
        }
        filters = dialog->nameFilters();
        suffix = dialog->defaultSuffix();
        noOverwriteQuestion = dialog->testOption(QFileDialog::DontConfirmOverwrite);
        dialog->selectFile(dir.filePath(QStringLiteral("messung")));
        static_cast<QDialog*>(dialog)->accept(); // as the "Speichern" button does
    });
    const QString chosen = SDlg(nullptr);
    QCOMPARE(filters, QStringList{QStringLiteral("Text-Dateien (*.txt)")});
    QCOMPARE(suffix, QStringLiteral("txt"));
    QVERIFY(noOverwriteQuestion);
    QCOMPARE(chosen, dir.filePath(QStringLiteral("messung.txt")));

    // The next time the same name is proposed; cancelling gives nothing.
    QStringList proposed;
    OnNextModal([&](QWidget* w) {
        if (auto* dialog = qobject_cast<QFileDialog*>(w)) proposed = dialog->selectedFiles();
        static_cast<QDialog*>(w)->reject();
    });
    QCOMPARE(SDlg(nullptr), QString());
    QCOMPARE(proposed, QStringList{dir.filePath(QStringLiteral("messung.txt"))});
}

void TestSaveList::saveWithDialog()
{
    QTemporaryDir dir;
    SetProgramPathForTesting(dir.filePath(QStringLiteral("quirrel2")));
    LanguageIndex = 0;
    CreateMsgManager();

    int asked = 0;
    QString target;
    const tChooseFile choose = [&](QWidget*) {
        ++asked;
        return target;
    };

    // An empty list asks nothing; a cancelled dialog writes nothing.
    QVERIFY(!SaveListWithDialog(nullptr, {}, choose));
    QCOMPARE(asked, 0);
    QVERIFY(!SaveListWithDialog(nullptr, kTwo, choose));
    QCOMPARE(asked, 1);

    // Saved with the user's decimal separator.
    target = dir.filePath(QStringLiteral("ok.txt"));
    QVERIFY(SaveListWithDialog(nullptr, kTwo, choose));
    QCOMPARE(Read(target), ReadingListBytes(kTwo, LocaleDecimalPoint()));

    // A failure is told, with the text from the messages file.
    target = dir.filePath(QStringLiteral("nowhere/x.txt"));
    QString shown;
    OnNextModal([&](QWidget* w) {
        if (auto* label = w->findChild<QLabel*>(QStringLiteral("message"))) shown = label->text();
        static_cast<QDialog*>(w)->done(1);
    });
    QVERIFY(!SaveListWithDialog(nullptr, kTwo, choose));
    QCOMPARE(shown, QStringLiteral("Die Liste konnte nicht gespeichert werden"));
    QVERIFY(Read(MsgManager->FileName())
                .contains("saveErrMsg=Die Liste konnte nicht gespeichert werden"));

    FreeMsgManager();
    SetProgramPathForTesting(QString());
}

QTEST_MAIN(TestSaveList)
#include "test_savelist.moc"
