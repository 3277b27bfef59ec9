#include "common/valuetext.h"

#include <QLocale>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kPrecision = 7;

// |value| as decimal digits "d1d2d3..." with d1 != 0 and the decimal exponent of d1.
// 40 significant digits are exact enough to tell a true tie from its neighbours.
void DecimalDigits(double value, QByteArray& digits, int& exp10)
{
    char buf[80];
    std::snprintf(buf, sizeof buf, "%.39e", std::fabs(value));
    const char* e = std::strchr(buf, 'e');
    exp10 = std::atoi(e + 1);
    digits.clear();
    for (const char* p = buf; p < e; ++p)
        if (*p >= '0' && *p <= '9') digits.append(*p);
}

// Keeps `keep` leading digits, rounding halves away from zero; a carry adds a digit in front
// and raises exp10. keep <= 0 rounds to nothing or to one unit at that place.
void RoundDigits(QByteArray& digits, int& exp10, int keep)
{
    const bool up = keep < digits.size() && keep >= 0 && digits[keep] >= '5';
    if (keep <= 0) {
        // Everything is cut; only a first digit of 5 or more at position 0 rounds up.
        const bool unit = keep == 0 && up;
        digits = unit ? QByteArray("1") : QByteArray();
        if (unit) exp10 += 1;
        return;
    }
    digits.truncate(keep);
    if (!up) return;
    int i = digits.size() - 1;
    while (i >= 0 && digits[i] == '9') digits[i--] = '0';
    if (i >= 0) {
        digits[i] = char(digits[i] + 1);
    } else {
        digits.prepend('1');
        digits.chop(1);
        exp10 += 1;
    }
}

QString Scientific(double value, QByteArray digits, int exp10, QChar point)
{
    RoundDigits(digits, exp10, kPrecision);
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
    decimals = std::clamp(decimals, 0, 18);

    QByteArray digits;
    int exp10 = 0;
    if (value != 0) {
        DecimalDigits(value, digits, exp10);
        if (exp10 + 1 > kPrecision) return Scientific(value, digits, exp10, point);
        // One rounding, at the 7th significant digit or at the last decimal, whichever first.
        RoundDigits(digits, exp10, std::min(kPrecision, exp10 + 1 + decimals));
        if (exp10 + 1 > kPrecision) return Scientific(value, digits, exp10, point);
    }

    // Place the digits: integer part, then exactly `decimals` decimals, zeros elsewhere.
    QByteArray intPart = "0", fracPart(decimals, '0');
    if (!digits.isEmpty()) {
        const int intDigits = exp10 + 1;
        if (intDigits > 0) {
            intPart = digits.left(intDigits);
            intPart.append(QByteArray(intDigits - intPart.size(), '0'));
        }
        for (int i = std::max(intDigits, 0); i < digits.size(); ++i) {
            const int pos = i - intDigits; // decimal place, from 0
            if (pos < decimals) fracPart[pos] = digits[i];
        }
    }
    QString s = QString::fromLatin1(intPart);
    if (decimals > 0) s += point + QString::fromLatin1(fracPart);
    const bool zero = digits.count('0') == digits.size();
    if (value < 0 && !zero) s.prepend(u'-');
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
