// Where the program's own files live: beside the program file.
#pragma once

#include <QString>

// The program file's full path and its folder (no trailing separator).
QString ProgramPath();
QString ProgramFolder();
// A file in the program folder.
QString ProgramFile(const QString& name);
// The program's path with another extension (".INI" gives the settings file).
QString ProgramPathWithExtension(const QString& extension);

// Tests point the program at a folder of their own; an empty path restores the real one.
void SetProgramPathForTesting(const QString& programPath);
