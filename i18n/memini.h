// The settings file: a small INI file read whole into memory and written back whole.
#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

class tMyMemIniFile {
public:
    // Reads the file when it exists. A file that cannot be read, or is far too big to be a
    // settings file, reads as empty and is never written over.
    explicit tMyMemIniFile(const QString& fileName);

    // The value as it stands after "=" (blanks around it removed); the default when missing.
    QString ReadString(const QString& section, const QString& key, const QString& def) const;
    // Missing or empty: the default; otherwise the trimmed value as a whole number, 0 when
    // it is not one.
    int ReadInteger(const QString& section, const QString& key, int def) const;

    // Sets the entry in memory; other lines, comments included, stay as they are.
    void WriteString(const QString& section, const QString& key, const QString& value);
    void WriteInteger(const QString& section, const QString& key, int value);

    // Writes the file back whole (CR LF line ends); false when nothing was written.
    bool UpdateFile();

private:
    // Line index of the section header, of the key's line; -1 when missing.
    int FindSection(const QString& section) const;
    int FindKey(int sectionLine, const QString& key) const;
    int SectionEnd(int sectionLine) const;

    QString FFileName;
    bool FUnreadable = false;
    std::vector<QByteArray> FLines;
};
