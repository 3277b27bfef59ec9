// Walking the meter's memory banks.
#include "ui/memread.h"

#include "i18n/msgmanager.h"

#include <algorithm>

namespace {

// One read-out; the count is kept within the array whatever the meter sent.
int ReadOut(tMeter& meter, uint32_t bank, const tStoredReadingsSink& sink)
{
    tStoredReadings readings;
    int32_t count = 0;
    meter.ReadMemory(readings, count, bank);
    count = std::clamp<int32_t>(count, 0, StoredReadingCapacity);
    if (count > 0 && sink) sink(readings, count);
    return count;
}

QString Message(const char* key, const QString& def)
{
    return MsgManager
               ? MsgManager->ReadMsg(QStringLiteral("general"), QString::fromLatin1(key), def)
               : def;
}

} // namespace

int ReadMemoryBanks(tMeter& meter, const tStoredReadingsSink& bank)
{
    bool filled[kBankCount] = {};
    for (uint32_t n = 0; n < kBankCount; ++n)
        meter.MemoryHasReadings(filled[n], n);
    int total = 0;
    for (uint32_t n = 0; n < kBankCount; ++n)
        if (filled[n]) total += ReadOut(meter, n, bank);
    return total;
}

int ReadWholeMemory(tMeter& meter, const tStoredReadingsSink& readings)
{
    return ReadOut(meter, NoBank, readings);
}

int ReadMeterMemory(tMeter& meter, int modelIndex, const tStoredReadingsSink& readings)
{
    return modelIndex == kBankedModelIndex ? ReadMemoryBanks(meter, readings)
                                           : ReadWholeMemory(meter, readings);
}

bool ClearMeterMemory(tMeter& meter, int modelIndex)
{
    if (modelIndex != kBankedModelIndex) return meter.ClearMemory(NoBank);
    for (uint32_t n = 0; n < kBankCount; ++n)
        if (!meter.ClearMemory(n)) return false;
    return true;
}

QString MemoryReadText(int count)
{
    return QString::number(count) + Message("readMsg", QStringLiteral("Werte ausgelesen"));
}

QString MemoryEmptyText()
{
    return Message("emptyMsg", QString::fromUtf8("Meßwertspeicher leer"));
}

QString MemoryClearedText()
{
    return Message("MemDelMsg", QString::fromUtf8("Der Meßwertspeicher wurde gelöscht "));
}
