// Windows-1252 both ways, by table.
#include "i18n/cp1252.h"

#include <array>

namespace {

// 0x80 to 0x9F; the free places keep their own number.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98
};

int ByteOf(char32_t c)
{
    if (c == 0) return '?';
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return int(c);
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == c) return 0x80 + i;
    return '?';
}

} // namespace

QChar Cp1252ToChar(unsigned char byte)
{
    if (byte >= 0x80 && byte < 0xA0) return QChar(kHigh[byte - 0x80]);
    return QChar(byte);
}

QString DecodeCp1252(const char* data, qsizetype size)
{
    QString text(size, Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < size; ++i)
        out[i] = Cp1252ToChar(static_cast<unsigned char>(data[i]));
    return text;
}

void AppendCp1252(QByteArray& out, const QString& text)
{
    const qsizetype n = text.size();
    const qsizetype start = out.size();
    out.resize(start + n); // one byte a code unit at most
    char* d = out.data() + start;
    const QChar* p = text.constData();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t u = p[i].unicode();
        if (u != 0 && u < 0x80) {
            *d++ = char(u);
        } else if (QChar::isHighSurrogate(u) && i + 1 < n &&
                   QChar::isLowSurrogate(p[i + 1].unicode())) {
            *d++ = '?'; // one character outside the code page, two code units
            ++i;
        } else {
            *d++ = char(ByteOf(u));
        }
    }
    out.resize(d - out.constData());
}
