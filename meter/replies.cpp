#include "meter/replies.h"

#include "common/textutil.h"
#include "common/valuetext.h"

#include <QStringList>
#include <cfloat>
#include <cmath>

namespace {

// A reading the program can hold in single precision; anything else is not usable.
float ToSingle(long double v)
{
    if (!std::isfinite(v) || std::fabs(v) > FLT_MAX) return 0.0f;
    return static_cast<float>(v);
}

} // namespace

uint8_t ReplyUnitCode(const QString& reply)
{
    uint8_t code = UnitLux;
    if (reply.contains(u"LX")) code = 0;
    if (reply.contains(u"CD")) code = 2;
    if (reply.contains(u"FC")) code = 1;
    if (reply.contains(u"FL")) code = 3;
    return code;
}

float ParseReading(const QString& reply, int wordPos, uint8_t& unitCode)
{
    if (reply.contains(u"ERR")) return ReadingNone;
    if (reply.contains(u"OVL")) return ReadingOverload;
    unitCode = ReplyUnitCode(reply);
    const QString blank = QStringLiteral(" ");
    const QString number = GetWord(wordPos, reply, blank);
    if (TextToInt(number) == 32767) return ReadingOverload;
    const QString joined = (number + GetWord(wordPos + 1, reply, blank)).left(255);
    const float value = ToSingle(TextToFloat(joined));
    return value < 0 ? 0.0f : value;
}

uint8_t ParseStatus(const QString& reply)
{
    const QString word = GetWord(2, reply, QStringLiteral(" "));
    return static_cast<uint8_t>(TextToInt(QLatin1Char('$') + word) & 0xFF);
}

bool ParseFill(const QString& reply, int wordPos)
{
    const QString fill = GetWord(wordPos, reply, QStringLiteral(" "));
    const int comma = fill.indexOf(u',');
    if (comma < 0) return false; // not a fill word: nothing to read
    return TextToInt(fill.left(comma)) < TextToInt(fill.mid(comma + 1));
}

tStoredReading ParseDumpRecord(const QString& record)
{
    tStoredReading r;
    const QString text = GetWord(2, record, QStringLiteral(":"));
    const QString delims = QStringLiteral(" ,E");
    const int32_t mantissa = TextToInt(GetWord(1, text, QStringLiteral(" ,")));
    const int32_t exponent = TextToInt(GetWord(2, text, delims));
    const QString unit = GetWord(3, text, delims).toUpper();
    if (unit == u"CD/M2") r.Unit = UnitCandela;
    else if (unit == u"FC") r.Unit = UnitFootcandle;
    else if (unit == u"FL") r.Unit = UnitFootlambert;
    else r.Unit = UnitLux;
    const float m = static_cast<float>(mantissa);
    r.Value = ToSingle(static_cast<long double>(m) * std::pow(10.0L, exponent));
    return r;
}

int ParseDump(const QString& reply, bool bankAddressed, tStoredReadings& readings)
{
    QString body = reply.mid(bankAddressed ? 10 : 8);
    body.chop(1); // the line end
    body = TrimBlanks(body);
    int count = 0;
    for (const QString& record : body.split(u';', Qt::SkipEmptyParts)) {
        // The caller's array holds 101 records; a longer dump is cut there.
        if (count == StoredReadingCapacity) break;
        readings[count++] = ParseDumpRecord(record);
    }
    return count;
}

QString WithBank(const QString& command, uint32_t bank)
{
    if (bank > 9) return command;
    return command + u' ' + QChar(u'0' + bank);
}
