// The manual launcher: the table lookup by device and language, the path rules, what is
// opened, and the box when there is nothing to open; and the table that ships with the program.
#include "app/manual.h"
#include "common/progfolder.h"
#include "i18n/language.h"
#include "i18n/msgmanager.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

const QByteArray kTable = "; manuals\r\n"
                          "[ORBITEL]\r\n"
                          "GER=manuals\\orbitel_de.html\r\n"
                          "ENG =   manuals/orbitel_en.html   \r\n"
                          "[zentamon]\r\n"
                          "gEr=zm.html\r\n"
                          "FRA=\r\n"
                          "[ZENTASPOT]\r\n"
                          "ESP=\t sub\\dir\\spot es.pdf\t\r\n"
                          "ENG=..\\elsewhere.html\r\n";

// Answers the next modal box with OK and keeps its text.
void ReadNextBox(QString& text, int triesLeft = 200)
{
    QTimer::singleShot(0, [&text, triesLeft] {
        auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) {
            if (triesLeft > 0) ReadNextBox(text, triesLeft - 1);
            return;
        }
        if (auto* label = box->findChild<QLabel*>(QStringLiteral("message"))) text = label->text();
        box->done(1);
    });
}

} // namespace

class TestManual : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void names_data();
    void names();
    void lookup_data();
    void lookup();
    void unusableTable_data();
    void unusableTable();
    void readAtEveryPress();
    void opensTheDocument();
    void nothingToOpen_data();
    void nothingToOpen();
    void boxWhenNothingToOpen();
    void shippedTable_data();
    void shippedTable();

private:
    void WriteTable(const QByteArray& bytes);
    QString InFolder(const QString& relative) const { return FFolder->path() + u'/' + relative; }

    std::unique_ptr<QTemporaryDir> FFolder;
};

void TestManual::init()
{
    FFolder = std::make_unique<QTemporaryDir>();
    SetProgramPathForTesting(FFolder->filePath(QStringLiteral("quirrel2")));
    WriteTable(kTable);
}

void TestManual::cleanup()
{
    SetProgramPathForTesting(QString());
    FFolder.reset();
}

void TestManual::WriteTable(const QByteArray& bytes)
{
    QFile f(FFolder->filePath(QStringLiteral("QRX.INI")));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

void TestManual::names_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::newRow("0") << 0 << "ORBITEL"
                       << "GER";
    QTest::newRow("1") << 1 << "ORBITEL"
                       << "ENG";
    QTest::newRow("2") << 2 << "ZENTAMON"
                       << "FRA";
    QTest::newRow("3") << 3 << "ZENTASPOT"
                       << "ESP";
    QTest::newRow("none") << -1 << ""
                          << "";
    QTest::newRow("past the end") << 4 << ""
                                  << "";
}

void TestManual::names()
{
    QFETCH(int, index);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QCOMPARE(ManualSection(index), section);
    QCOMPARE(ManualKey(index), key);
}

void TestManual::lookup_data()
{
    QTest::addColumn<int>("device");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("relative"); // empty: no manual

    QTest::newRow("7718 C, German, backslash") << 0 << 0 << "manuals/orbitel_de.html";
    QTest::newRow("7718 B, English, blanks") << 1 << 1 << "manuals/orbitel_en.html";
    QTest::newRow("monitor, any case") << 2 << 0 << "zm.html";
    QTest::newRow("spot, Spanish, tabs") << 3 << 3 << "sub/dir/spot es.pdf";
    QTest::newRow("spot, English, up a folder") << 3 << 1 << "../elsewhere.html";
    QTest::newRow("empty entry") << 2 << 2 << "";
    QTest::newRow("missing key") << 2 << 1 << "";
    QTest::newRow("spot, German missing") << 3 << 0 << "";
    QTest::newRow("no device chosen") << -1 << 0 << "";
    QTest::newRow("language outside") << 0 << 4 << "";
}

void TestManual::lookup()
{
    QFETCH(int, device);
    QFETCH(int, language);
    QFETCH(QString, relative);
    QCOMPARE(ManualPath(device, language), relative.isEmpty() ? QString() : InFolder(relative));
}

void TestManual::unusableTable_data()
{
    QTest::addColumn<QByteArray>("bytes"); // "<none>": no file
    QTest::newRow("missing") << QByteArray("<none>");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("binary") << QByteArray("\x00\xff[ORB\x00ITEL]\x01GER\x02=\xfe", 17);
    QTest::newRow("entry without section") << QByteArray("GER=orbitel_de.html\r\n");
}

void TestManual::unusableTable()
{
    QFETCH(QByteArray, bytes);
    if (bytes == "<none>")
        QVERIFY(QFile::remove(FFolder->filePath(QStringLiteral("QRX.INI"))));
    else
        WriteTable(bytes);
    QCOMPARE(ManualPath(0, 0), QString());
}

void TestManual::readAtEveryPress()
{
    QCOMPARE(ManualPath(0, 0), InFolder(QStringLiteral("manuals/orbitel_de.html")));
    WriteTable("[ORBITEL]\nGER=neu.pdf\n");
    QCOMPARE(ManualPath(0, 0), InFolder(QStringLiteral("neu.pdf")));
}

void TestManual::opensTheDocument()
{
    QVERIFY(QDir(FFolder->path()).mkpath(QStringLiteral("manuals")));
    QFile doc(InFolder(QStringLiteral("manuals/orbitel_en.html")));
    QVERIFY(doc.open(QIODevice::WriteOnly));
    doc.close();

    QList<QUrl> opened;
    const tOpenDocument open = [&](const QUrl& url) {
        opened << url;
        return true;
    };
    QCOMPARE(OpenManual(1, 1, open), tManualResult::Opened);
    QCOMPARE(opened, QList<QUrl>{QUrl::fromLocalFile(doc.fileName())});
}

void TestManual::nothingToOpen_data()
{
    QTest::addColumn<int>("device");
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("result");
    QTest::newRow("no entry") << 2 << 1 << int(tManualResult::NoEntry);
    QTest::newRow("no device") << -1 << 1 << int(tManualResult::NoEntry);
    QTest::newRow("document missing") << 0 << 0 << int(tManualResult::NoDocument);
}

void TestManual::nothingToOpen()
{
    QFETCH(int, device);
    QFETCH(int, language);
    QFETCH(int, result);
    int opened = 0;
    const tOpenDocument open = [&](const QUrl&) { return ++opened > 0; };
    QCOMPARE(int(OpenManual(device, language, open)), result);
    QCOMPARE(opened, 0);
}

void TestManual::boxWhenNothingToOpen()
{
    LanguageIndex = 0;
    CreateMsgManager();
    int opened = 0;
    const tOpenDocument open = [&](const QUrl&) { return ++opened > 0; };
    QString shown;
    ReadNextBox(shown);
    ShowManual(2, 1, open);
    QCOMPARE(shown, QString::fromUtf8("Keine Anleitung für dieses Gerät gefunden"));
    QCOMPARE(opened, 0);
    QVERIFY(MsgManager->ReadMsg(QStringLiteral("general"), QStringLiteral("manMsg"), QString())
                .startsWith(QStringLiteral("Keine Anleitung")));
    FreeMsgManager();
}

void TestManual::shippedTable_data()
{
    QTest::addColumn<int>("device");
    QTest::addColumn<int>("language");
    for (int device = 0; device < 4; ++device)
        for (int language = 0; language < 4; ++language)
            QTest::addRow("%s %s", qPrintable(ManualSection(device)),
                          qPrintable(ManualKey(language)))
                << device << language;
}

void TestManual::shippedTable()
{
    QFETCH(int, device);
    QFETCH(int, language);
    SetProgramPathForTesting(QStringLiteral(QUIRREL2_RESOURCES "/quirrel2"));
    QList<QUrl> opened;
    const tOpenDocument open = [&](const QUrl& url) {
        opened << url;
        return true;
    };
    QCOMPARE(OpenManual(device, language, open), tManualResult::Opened);
    QCOMPARE(opened.size(), 1);
    QVERIFY(opened[0].toLocalFile().endsWith(u".html"));
}

QTEST_MAIN(TestManual)
#include "test_manual.moc"
