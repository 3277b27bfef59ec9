// How readings are written for people: value numbers and value texts with unit suffixes.
#pragma once

#include <QString>
#include <cstdint>

// Unit codes as the meter reports them.
enum : uint8_t { UnitLux = 0, UnitFootcandle = 1, UnitCandela = 2, UnitFootlambert = 3 };

// Fixed-point from 7 significant digits with `decimals` decimals; beyond 7 integer digits
// scientific. decimalPoint defaults to the user's locale; no thousands separator.
QString ValueNumber(double value, int decimals);
QString ValueNumber(double value, int decimals, QChar decimalPoint);

// " lx", " fc", " cd/m²", " fL"; empty for an unknown code.
QString UnitSuffix(uint8_t unitCode);

// The value number followed by the unit suffix.
QString ValueText(double value, uint8_t unitCode, int decimals);

// The user's decimal separator.
QChar LocaleDecimalPoint();
