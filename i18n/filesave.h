// Where and how the program may write its files beside itself.
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

// Whether a folder lies on a local file system on a fixed (non-removable) device. Language
// files are never written onto network shares, optical media or removable devices, so that
// a copy run from such a place leaves its files untouched.
using tLocalDiskCheck = std::function<bool(const QString& folder)>;

bool RealLocalDiskCheck(const QString& folder);
// Tests put their own answer in place; an empty function restores the real check.
void SetLocalDiskCheckForTesting(tLocalDiskCheck check);

// The target's folder passes the local disk check.
bool OnFixedDisk(const QString& path);

// The file or folder exists and must not be written: no write permission for its owner,
// or none for us.
bool IsReadOnly(const QString& path);

// Replaces the file as a whole: the bytes go to a temporary file in the same folder, which
// is then renamed over the old file, so a failed write never leaves a damaged file behind.
// Refuses read-only files, read-only folders and targets that are not plain files.
// False when nothing was written.
bool ReplaceFile(const QString& path, const QByteArray& bytes);
