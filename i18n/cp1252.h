// Windows-1252, the code page of the language files.
#pragma once

#include <QByteArray>
#include <QString>

// Every byte has a character: the five bytes the code page leaves free (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) become the control characters of the same number, so no byte is lost.
QChar Cp1252ToChar(unsigned char byte);
QString DecodeCp1252(const char* data, qsizetype size);
inline QString DecodeCp1252(const QByteArray& bytes)
{
    return DecodeCp1252(bytes.constData(), bytes.size());
}

// Appends the text; a character the code page cannot hold becomes "?". So does NUL, which
// would end the text for the reader and lose everything after it.
void AppendCp1252(QByteArray& out, const QString& text);
inline QByteArray EncodeCp1252(const QString& text)
{
    QByteArray out;
    AppendCp1252(out, text);
    return out;
}
