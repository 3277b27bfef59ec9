// Save rules for the files beside the program, and the safe whole-file replacement.
#include "i18n/filesave.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

tLocalDiskCheck& InstalledCheck()
{
    static tLocalDiskCheck check;
    return check;
}

// File system types that are shares, optical media or user-space mounts (f_type of statfs).
bool IsRemoteOrMediaFileSystem(unsigned long type)
{
    switch (type) {
    case 0x6969:     // NFS
    case 0x517B:     // SMB
    case 0xFF534D42: // CIFS
    case 0xFE534D42: // SMB2
    case 0x65735546: // FUSE (sshfs, network drives mounted in user space)
    case 0x9660:     // ISO 9660
    case 0x15013346: // UDF
    case 0x564C:     // NCP
    case 0x73757245: // Coda
    case 0x5346414F: // AFS
    case 0x00C36400: // Ceph
        return true;
    default:
        return false;
    }
}

bool ReadsOne(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return false;
    return f.read(8).trimmed() == "1";
}

// The kernel marks removable block devices; a partition carries the mark on its disk.
bool OnRemovableDevice(dev_t device)
{
    const QString node =
        QStringLiteral("/sys/dev/block/%1:%2").arg(major(device)).arg(minor(device));
    const QString real = QFileInfo(node).canonicalFilePath();
    if (real.isEmpty()) return false; // no block device behind it (tmpfs, btrfs subvolume, ...)
    if (QFileInfo::exists(real + QStringLiteral("/removable")))
        return ReadsOne(real + QStringLiteral("/removable"));
    if (QFileInfo::exists(real + QStringLiteral("/partition")))
        return ReadsOne(QFileInfo(real).absolutePath() + QStringLiteral("/removable"));
    return false;
}

} // namespace

bool RealLocalDiskCheck(const QString& folder)
{
    const QByteArray native = QFile::encodeName(folder);
    struct statfs fs;
    if (statfs(native.constData(), &fs) != 0) return false;
    if (IsRemoteOrMediaFileSystem(static_cast<unsigned long>(fs.f_type) & 0xFFFFFFFFul))
        return false;
    struct stat st;
    if (stat(native.constData(), &st) != 0) return false;
    return !OnRemovableDevice(st.st_dev);
}

void SetLocalDiskCheckForTesting(tLocalDiskCheck check)
{
    InstalledCheck() = std::move(check);
}

bool OnFixedDisk(const QString& path)
{
    if (path.isEmpty()) return false;
    QFileInfo info(path);
    const QString real = info.canonicalFilePath(); // a link is judged by where it leads
    if (!real.isEmpty()) info = QFileInfo(real);
    const QString folder = info.absolutePath();
    const tLocalDiskCheck& check = InstalledCheck();
    return check ? check(folder) : RealLocalDiskCheck(folder);
}

bool IsReadOnly(const QString& path)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat st;
    if (stat(native.constData(), &st) != 0) return false;
    // The owner's write bit is the read-only mark; it counts even for a user who could
    // write anyway.
    return (st.st_mode & S_IWUSR) == 0 || access(native.constData(), W_OK) != 0;
}

bool ReplaceFile(const QString& path, const QByteArray& bytes)
{
    if (path.isEmpty()) return false;
    QFileInfo info(path);
    if (info.exists()) {
        if (!info.isFile() || IsReadOnly(path)) return false;
        const QString real = info.canonicalFilePath();
        if (!real.isEmpty()) info = QFileInfo(real);
    }
    if (IsReadOnly(info.absolutePath()) || !QFileInfo(info.absolutePath()).isDir()) return false;

    // QSaveFile writes beside the target, keeps the old file's permissions, flushes to disk
    // and renames only when everything was written.
    QSaveFile out(info.absoluteFilePath());
    if (!out.open(QIODevice::WriteOnly)) return false;
    if (out.write(bytes) != bytes.size()) {
        out.cancelWriting();
        return false;
    }
    return out.commit();
}
