// The table the shipped language files are made from (resources/lang/translations.tsv):
// one line per entry, section, key and the four languages' texts, separated by tabs.
// Section "general" makes the messages files, every other section the forms files. Shared by
// the tool that writes the files and the test that checks them against the table.
#pragma once

#include "i18n/biginifile.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

struct tLangRow {
    QString Section;
    QString Key;
    QStringList Texts; // German, English, French, Spanish
};

constexpr int kLangTableLanguages = 4;

inline bool IsMessagesSection(const QString& section)
{
    return section == QLatin1String("general");
}

// The forms file and the messages file of a language, as named in the program folder.
inline QString LangFileName(int language, bool messages)
{
    static const char* const kForms[kLangTableLanguages] = {".LCG", ".LCE", ".LCF", ".LCS"};
    static const char* const kMessages[kLangTableLanguages] = {".LMG", ".LME", ".LMF", ".LMS"};
    return QStringLiteral("QRXLANG") +
           QLatin1String(messages ? kMessages[language] : kForms[language]);
}

// Reads the UTF-8 table. Lines starting with "#", empty lines and the heading line
// ("section" ...) are skipped; blanks inside a text are kept as they are. False, with the
// line number in `error`, for a line without all six fields, an empty field or a repeated
// section and key.
inline bool ReadLangTable(const QByteArray& utf8, QList<tLangRow>& rows, QString& error)
{
    rows.clear();
    const QStringList lines = QString::fromUtf8(utf8).split(u'\n');
    for (int n = 0; n < lines.size(); ++n) {
        QString line = lines[n];
        if (line.endsWith(u'\r')) line.chop(1);
        if (line.isEmpty() || line.startsWith(u'#') || line.startsWith(QLatin1String("section\t")))
            continue;
        const QStringList fields = line.split(u'\t');
        const QString where = QStringLiteral("line %1: ").arg(n + 1);
        if (fields.size() != 2 + kLangTableLanguages) {
            error = where + QStringLiteral("%1 fields instead of 6").arg(fields.size());
            return false;
        }
        for (const QString& field : fields) {
            if (field.isEmpty()) {
                error = where + QStringLiteral("empty field");
                return false;
            }
        }
        for (const tLangRow& row : rows) {
            if (row.Section.compare(fields[0], Qt::CaseInsensitive) == 0 &&
                row.Key.compare(fields[1], Qt::CaseInsensitive) == 0) {
                error = where + QStringLiteral("repeated key ") + fields[1];
                return false;
            }
        }
        rows.append({fields[0], fields[1], fields.mid(2)});
    }
    return true;
}

// The bytes of one language file, exactly as the program would save it.
inline QByteArray LangFileBytes(const QList<tLangRow>& rows, int language, bool messages)
{
    TBigInifile store{QString()};
    for (const tLangRow& row : rows)
        if (IsMessagesSection(row.Section) == messages)
            store.WriteString(row.Section, row.Key, row.Texts[language]);
    return store.SaveToBytes();
}
