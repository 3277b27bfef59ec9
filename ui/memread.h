// "Speicher auslesen" and "Speicher löschen": which banks of the meter's memory are read or
// cleared, and what the user is told. The window appends the readings to its list.
#pragma once

#include "meter/meter.h"

#include <QString>
#include <functional>

// The model whose memory is read and cleared as ten banks ("ZENTA-SPOT 2 USB").
constexpr int kBankedModelIndex = 3;
constexpr uint32_t kBankCount = 10;

// Receives the stored readings of one read-out, in the meter's order; count is 1 to 101.
using tStoredReadingsSink = std::function<void(const tStoredReading* readings, int count)>;

// Ten banks: asks every bank first, then reads those that hold readings, in bank order,
// handing each bank's readings over as soon as they are read. Returns the number of readings.
int ReadMemoryBanks(tMeter& meter, const tStoredReadingsSink& bank);

// The whole memory in one read-out; `readings` is called only when there is at least one.
// Returns the number of readings.
int ReadWholeMemory(tMeter& meter, const tStoredReadingsSink& readings);

// The model's memory the way it is addressed: ten banks for the banked model, else whole.
int ReadMeterMemory(tMeter& meter, int modelIndex, const tStoredReadingsSink& readings);

// Ten banks: bank 0, then 1 to 9 only while every clear before succeeded. Other models: the
// whole memory at once. True when every clear that was sent succeeded.
bool ClearMeterMemory(tMeter& meter, int modelIndex);

// Box texts: "12Werte ausgelesen", "Meßwertspeicher leer", "Der Meßwertspeicher wurde
// gelöscht ", looked up in the messages file.
QString MemoryReadText(int count);
QString MemoryEmptyText();
QString MemoryClearedText();
