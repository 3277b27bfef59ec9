#include "common/valuetext.h"

#include <QLocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kPrecision = 7;

// Digits and decimal exponent of |value| rounded to `digits` significant digits.
void RoundSignificant(double value, int digits, QByteArray& mantissa, int& exp10)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", digits - 1, std::fabs(value));
    const char* e = std::strchr(buf, 'e');
    exp10 = std::atoi(e + 1);
    mantissa.clear();
    for (const char* p = buf; p < e; ++p)
        if (*p >= '0' && *p <= '9') mantissa.append(*p);
}

QString Scientific(double value, QChar point)
{
    QByteArray digits;
    int exp10 = 0;
    RoundSignificant(value, kPrecision, digits, exp10);
    while (digits.size() > 1 && digits.endsWith('0')) digits.chop(1);
    QString s = value < 0 ? QStringLiteral("-") : QString();
    s += QChar(digits[0]);
    if (digits.size() > 1) s += point + QString::fromLatin1(digits.mid(1));
    return s + u'E' + QString::number(exp10);
}

} // namespace

QChar LocaleDecimalPoint()
{
    const QString p = QLocale::system().decimalPoint();
    return p.isEmpty() ? QChar(u'.') : p[0];
}

QString ValueNumber(double value, int decimals)
{
    return ValueNumber(value, decimals, LocaleDecimalPoint());
}

QString ValueNumber(double value, int decimals, QChar point)
{
    if (std::isnan(value)) return QStringLiteral("NAN");
    if (std::isinf(value)) return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    if (decimals < 0) decimals = 0;
    if (decimals > 18) decimals = 18;

    QByteArray digits;
    int exp10 = 0;
    if (value != 0) {
        RoundSignificant(value, 17, digits, exp10); // the true decimal exponent
        if (exp10 + 1 > kPrecision) return Scientific(value, point);
    }

    QByteArray fixed; // digits with no point, `decimals` of them after the point
    if (value == 0 || exp10 + 1 + decimals <= kPrecision) {
        char buf[400];
        std::snprintf(buf, sizeof buf, "%.*f", decimals, std::fabs(value));
        fixed = QByteArray(buf).replace('.', "");
    } else {
        // Round once, to 7 significant digits; the places after them print as 0.
        RoundSignificant(value, kPrecision, digits, exp10);
        if (exp10 + 1 > kPrecision) return Scientific(value, point);
        const int intDigits = exp10 + 1; // may be <= 0 for small values
        if (intDigits <= 0) fixed = QByteArray(1 - intDigits, '0') + digits;
        else fixed = digits;
        const int haveDecimals = fixed.size() - std::max(intDigits, 1);
        if (haveDecimals < decimals) fixed.append(QByteArray(decimals - haveDecimals, '0'));
        else fixed.chop(haveDecimals - decimals);
    }
    while (fixed.size() <= decimals) fixed.prepend('0');

    QString s = QString::fromLatin1(fixed.left(fixed.size() - decimals));
    if (decimals > 0) s += point + QString::fromLatin1(fixed.right(decimals));
    const bool allZero = fixed.count('0') == fixed.size();
    if (value < 0 && !allZero) s.prepend(u'-');
    return s;
}

QString UnitSuffix(uint8_t unitCode)
{
    switch (unitCode) {
    case UnitLux: return QStringLiteral(" lx");
    case UnitFootcandle: return QStringLiteral(" fc");
    case UnitCandela: return QString::fromUtf8(" cd/m\u00b2");
    case UnitFootlambert: return QStringLiteral(" fL");
    default: return QString();
    }
}

QString ValueText(double value, uint8_t unitCode, int decimals)
{
    return ValueNumber(value, decimals) + UnitSuffix(unitCode);
}
