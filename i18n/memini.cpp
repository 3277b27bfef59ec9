// The settings file, kept line by line so that whatever else it holds survives a save.
#include "i18n/memini.h"

#include "common/textutil.h"
#include "i18n/cp1252.h"
#include "i18n/filesave.h"

#include <QFile>
#include <QFileInfo>

namespace {

// A settings file holds a few lines; anything this big is not one and is left alone.
constexpr qint64 kMaxSettingsSize = 1 << 20;

// Whether the line is a section header "[name]"; its name, blanks removed, goes to `name`.
bool IsHeader(const QByteArray& line, QString* name = nullptr)
{
    const QString text = TrimBlanks(DecodeCp1252(line));
    if (!text.startsWith(u'[')) return false;
    if (name) {
        const int close = text.indexOf(u']');
        *name = TrimBlanks(close < 0 ? text.mid(1) : text.mid(1, close - 1));
    }
    return true;
}

bool SplitEntry(const QByteArray& line, QString& key, QString& value)
{
    const qsizetype eq = line.indexOf('=');
    if (eq < 0) return false;
    key = TrimBlanks(DecodeCp1252(line.left(eq)));
    value = TrimBlanks(DecodeCp1252(line.mid(eq + 1)));
    return !key.isEmpty() && !key.startsWith(u';');
}

} // namespace

tMyMemIniFile::tMyMemIniFile(const QString& fileName) : FFileName(fileName)
{
    const QFileInfo info(fileName);
    if (fileName.isEmpty() || !info.exists()) return;
    FUnreadable = true;
    if (!info.isFile() || info.size() > kMaxSettingsSize) return;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) return;
    const QByteArray bytes = file.read(kMaxSettingsSize + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > kMaxSettingsSize) return;
    FUnreadable = false;

    // Lines end at CR LF, LF or CR.
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n') continue;
        FLines.push_back(bytes.mid(start, i - start));
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < bytes.size()) FLines.push_back(bytes.mid(start));
}

int tMyMemIniFile::FindSection(const QString& section) const
{
    QString name;
    for (int i = 0; i < int(FLines.size()); ++i)
        if (IsHeader(FLines[i], &name) && name.compare(section, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

int tMyMemIniFile::SectionEnd(int sectionLine) const
{
    int i = sectionLine + 1;
    while (i < int(FLines.size()) && !IsHeader(FLines[i]))
        ++i;
    return i;
}

int tMyMemIniFile::FindKey(int sectionLine, const QString& key) const
{
    const int end = SectionEnd(sectionLine);
    QString k, v;
    for (int i = sectionLine + 1; i < end; ++i)
        if (SplitEntry(FLines[i], k, v) && k.compare(key, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

QString tMyMemIniFile::ReadString(const QString& section, const QString& key,
                                  const QString& def) const
{
    const int s = FindSection(section);
    const int line = s < 0 ? -1 : FindKey(s, key);
    QString k, v;
    if (line < 0 || !SplitEntry(FLines[line], k, v)) return def;
    return v;
}

int tMyMemIniFile::ReadInteger(const QString& section, const QString& key, int def) const
{
    const QString text = ReadString(section, key, QString());
    return text.isEmpty() ? def : TextToInt(text);
}

void tMyMemIniFile::WriteString(const QString& section, const QString& key, const QString& value)
{
    QByteArray line = EncodeCp1252(key);
    line.append('=');
    AppendCp1252(line, value);

    int s = FindSection(section);
    if (s < 0) {
        if (!FLines.empty() && !TrimBlanks(DecodeCp1252(FLines.back())).isEmpty())
            FLines.emplace_back(); // a blank line between sections
        FLines.push_back('[' + EncodeCp1252(section) + ']');
        FLines.push_back(line);
        return;
    }
    const int k = FindKey(s, key);
    if (k >= 0) {
        FLines[k] = line;
        return;
    }
    // After the section's last non-blank line.
    int at = SectionEnd(s);
    while (at > s + 1 && TrimBlanks(DecodeCp1252(FLines[at - 1])).isEmpty())
        --at;
    FLines.insert(FLines.begin() + at, line);
}

void tMyMemIniFile::WriteInteger(const QString& section, const QString& key, int value)
{
    WriteString(section, key, QString::number(value));
}

bool tMyMemIniFile::UpdateFile()
{
    if (FUnreadable) return false;
    QByteArray out;
    for (const QByteArray& line : FLines) {
        out.append(line);
        out.append("\r\n");
    }
    return ReplaceFile(FFileName, out);
}
