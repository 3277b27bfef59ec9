// Tolerant text helpers shared by the meter link and the language files.
#pragma once

#include <QString>
#include <cstdint>

// The n-th (from 1) maximal run of characters not in delims; empty when there are fewer runs.
QString GetWord(int n, const QString& text, const QString& delims);
int CountWords(const QString& text, const QString& delims);

// Removes leading and trailing blanks and control characters (everything up to U+0020).
QString TrimBlanks(const QString& text);

// Decimal, or hexadecimal after "$", as a 32-bit whole number; 0 when the text is not one.
int32_t TextToInt(const QString& text);
// Strict variant: false when the text is not a 32-bit whole number.
bool TryTextToInt(const QString& text, int32_t& value);

// The first comma counts as the decimal point; exponents allowed; the locale plays no part.
// 0 when the text is not a number.
double TextToFloat(const QString& text);
bool TryTextToFloat(const QString& text, double& value);
