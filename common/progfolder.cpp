#include "common/progfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
QString& OverridePath()
{
    static QString path;
    return path;
}
} // namespace

QString ProgramPath()
{
    if (!OverridePath().isEmpty()) return OverridePath();
    return QCoreApplication::applicationFilePath();
}

QString ProgramFolder()
{
    return QFileInfo(ProgramPath()).absolutePath();
}

QString ProgramFile(const QString& name)
{
    return QDir(ProgramFolder()).filePath(name);
}

QString ProgramPathWithExtension(const QString& extension)
{
    const QFileInfo info(ProgramPath());
    return QDir(info.absolutePath()).filePath(info.completeBaseName() + extension);
}

void SetProgramPathForTesting(const QString& programPath)
{
    OverridePath() = programPath;
}
