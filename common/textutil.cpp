#include "common/textutil.h"

#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <string>

QString GetWord(int n, const QString& text, const QString& delims)
{
    if (n < 1) return QString();
    int word = 0;
    int i = 0;
    const int len = text.size();
    while (i < len) {
        while (i < len && delims.contains(text[i])) ++i;
        if (i >= len) break;
        const int start = i;
        while (i < len && !delims.contains(text[i])) ++i;
        if (++word == n) return text.mid(start, i - start);
    }
    return QString();
}

int CountWords(const QString& text, const QString& delims)
{
    int words = 0;
    bool inWord = false;
    for (QChar c : text) {
        const bool delim = delims.contains(c);
        if (!delim && !inWord) ++words;
        inWord = !delim;
    }
    return words;
}

QString TrimBlanks(const QString& text)
{
    int b = 0, e = text.size();
    while (b < e && text[b].unicode() <= 0x20) ++b;
    while (e > b && text[e - 1].unicode() <= 0x20) --e;
    return text.mid(b, e - b);
}

bool TryTextToInt(const QString& text, int32_t& value)
{
    const QString s = TrimBlanks(text);
    int i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) negative = s[i++] == u'-';
    const bool hex = i < s.size() && s[i] == u'$';
    if (hex) ++i;
    if (i >= s.size()) return false;
    uint64_t acc = 0;
    for (; i < s.size(); ++i) {
        const char16_t c = s[i].unicode();
        int digit;
        if (c >= u'0' && c <= u'9') digit = c - u'0';
        else if (hex && c >= u'a' && c <= u'f') digit = c - u'a' + 10;
        else if (hex && c >= u'A' && c <= u'F') digit = c - u'A' + 10;
        else return false;
        acc = acc * (hex ? 16 : 10) + digit;
        if (acc > 0xFFFFFFFFull) return false;
    }
    if (hex) {
        // Hexadecimal covers all 32 bits: $FFFFFFFF is -1.
        const auto bits = static_cast<uint32_t>(acc);
        value = static_cast<int32_t>(negative ? 0u - bits : bits);
        return true;
    }
    if (negative ? acc > 2147483648ull : acc > 2147483647ull) return false;
    value = static_cast<int32_t>(negative ? -static_cast<int64_t>(acc) : static_cast<int64_t>(acc));
    return true;
}

int32_t TextToInt(const QString& text)
{
    int32_t v = 0;
    return TryTextToInt(text, v) ? v : 0;
}

bool TryTextToFloat(const QString& text, double& value)
{
    QString s = text;
    const int comma = s.indexOf(u',');
    if (comma >= 0) s[comma] = u'.';
    s = TrimBlanks(s);

    // Check the shape ourselves: sign, digits with at most one point (at least one digit),
    // optional exponent with digits. No "inf", "nan", hex floats or group separators.
    int i = 0;
    const int n = s.size();
    if (i < n && (s[i] == u'+' || s[i] == u'-')) ++i;
    int digits = 0;
    while (i < n && s[i].isDigit() && s[i].unicode() < 128) { ++i; ++digits; }
    if (i < n && s[i] == u'.') {
        ++i;
        while (i < n && s[i].unicode() >= u'0' && s[i].unicode() <= u'9') { ++i; ++digits; }
    }
    if (digits == 0) return false;
    if (i < n && (s[i] == u'e' || s[i] == u'E')) {
        ++i;
        if (i < n && (s[i] == u'+' || s[i] == u'-')) ++i;
        int expDigits = 0;
        while (i < n && s[i].unicode() >= u'0' && s[i].unicode() <= u'9') { ++i; ++expDigits; }
        if (expDigits == 0) return false;
    }
    if (i != n) return false;

    // strtod in the "C" locale: the user's locale must not change how the meter is read.
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(0));
    const std::string ascii = s.toStdString();
    errno = 0;
    double v = strtod_l(ascii.c_str(), nullptr, cLocale);
    if (!std::isfinite(v)) return false; // overflow is not a usable number
    if (errno == ERANGE) v = (std::abs(v) < 1) ? v : 0; // underflow reads as (nearly) 0
    value = v;
    return true;
}

double TextToFloat(const QString& text)
{
    double v = 0;
    return TryTextToFloat(text, v) ? v : 0;
}
