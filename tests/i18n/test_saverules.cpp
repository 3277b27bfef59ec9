// When the language store may write its file, and how it replaces it.
#include "i18n/biginifile.h"
#include "i18n/filesave.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include "filebytes.h"

#include <QtTest>

namespace {

// Owner, group and others; what the current user may do is left out.
QFileDevice::Permissions ModeOf(const QString& path)
{
    return QFile::permissions(path) &
           ~(QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser);
}

const QByteArray kOld("[S]\r\nold=1\r\n");
const QByteArray kNew("[S]\r\nnew=2\r\nold=1\r\n");

} // namespace

class TestSaveRules : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<QTemporaryDir> Dir;
    QStringList CheckedFolders;
    bool LocalDisk = true;

    QString File(const QString& name = QStringLiteral("QRXLANG.LMG")) const
    {
        return Dir->filePath(name);
    }
    // A store on the file with one change that a save would write.
    std::unique_ptr<TBigInifile> ChangedStore(const QString& path)
    {
        auto ini = std::make_unique<TBigInifile>(path);
        ini->WriteString("S", "new", "2");
        return ini;
    }

private slots:
    void init()
    {
        Dir = std::make_unique<QTemporaryDir>();
        QVERIFY(Dir->isValid());
        CheckedFolders.clear();
        LocalDisk = true;
        SetLocalDiskCheckForTesting([this](const QString& folder) {
            CheckedFolders << folder;
            return LocalDisk;
        });
        WriteAll(File(), kOld);
    }
    void cleanup()
    {
        SetLocalDiskCheckForTesting({});
        QFile::setPermissions(Dir->path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                               QFileDevice::ExeOwner);
        Dir.reset();
    }

    void aSaveOnALocalDiskReplacesTheFile()
    {
        QVERIFY(ChangedStore(File())->UpdateFile());
        QCOMPARE(ReadAll(File()), kNew);
        QCOMPARE(CheckedFolders, QStringList{QFileInfo(Dir->path()).canonicalFilePath()});
        // Nothing is left beside it.
        QCOMPARE(QDir(Dir->path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"QRXLANG.LMG"});
    }

    void aNetworkOrRemovableFolderIsLeftAlone()
    {
        LocalDisk = false;
        auto ini = ChangedStore(File());
        QVERIFY(!ini->UpdateFile());
        QVERIFY(!ini->SaveToFile(File("other.LMG")));
        ini->WriteString({}, {}, {});
        QCOMPARE(ReadAll(File()), kOld);
        QVERIFY(!QFile::exists(File("other.LMG")));
        QCOMPARE(ini->ReadString("S", "new", {}), QString("2")); // the change stays in memory
    }

    void saveToFileJudgesItsOwnTarget()
    {
        QVERIFY(QDir(Dir->path()).mkdir("sub"));
        SetLocalDiskCheckForTesting(
            [this](const QString& folder) { return folder != Dir->path(); });
        auto ini = ChangedStore(File());
        QVERIFY(ini->SaveToFile(File("sub/copy.LMG")));
        QVERIFY(!ini->UpdateFile());
        QCOMPARE(ReadAll(File("sub/copy.LMG")), kNew);
    }

    void aReadOnlyFileIsLeftAlone()
    {
        QVERIFY(QFile::setPermissions(File(), QFileDevice::ReadOwner | QFileDevice::ReadGroup));
        QVERIFY(!ChangedStore(File())->UpdateFile());
        QCOMPARE(ReadAll(File()), kOld);
        QCOMPARE(ModeOf(File()), QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    }

    void aReadOnlyFolderIsLeftAlone()
    {
        auto ini = ChangedStore(File("new.LMG"));
        QVERIFY(QFile::setPermissions(Dir->path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        QVERIFY(!ini->UpdateFile());
        QVERIFY(!QFile::exists(File("new.LMG")));
    }

    void aMissingFolderIsNoError()
    {
        const QString path = File("gone/QRXLANG.LMG");
        auto ini = ChangedStore(path);
        QVERIFY(!ini->UpdateFile());
        QVERIFY(!QFile::exists(path));
    }

    void aFolderInPlaceOfTheFileIsLeftAlone()
    {
        QVERIFY(QDir(Dir->path()).mkdir("QRXLANG.LME"));
        QVERIFY(!ChangedStore(File())->SaveToFile(File("QRXLANG.LME")));
        QVERIFY(QFileInfo(File("QRXLANG.LME")).isDir());
    }

    void theFilesPermissionsAreKept()
    {
        const auto perms =
            QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
        QVERIFY(QFile::setPermissions(File(), perms));
        QVERIFY(ChangedStore(File())->UpdateFile());
        QCOMPARE(ModeOf(File()), perms);
    }

    void aLinkedFileIsWrittenWhereTheLinkLeads()
    {
        QVERIFY(QFile::link(File(), File("link.LMG")));
        QVERIFY(ChangedStore(File("link.LMG"))->UpdateFile());
        QVERIFY(QFileInfo(File("link.LMG")).isSymLink());
        QCOMPARE(ReadAll(File()), kNew);
    }

    void theRealCheckRefusesAMissingFolder() { QVERIFY(!RealLocalDiskCheck(File("gone"))); }
};

QTEST_APPLESS_MAIN(TestSaveRules)
#include "test_saverules.moc"
