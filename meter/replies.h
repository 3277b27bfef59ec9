// The meter's reply grammar as plain functions on text: no port needed.
#pragma once

#include "meter/meter.h"

#include <QString>
#include <cstdint>

// Unit code from the tokens "LX", "CD", "FC", "FL" anywhere in the reply (last in that
// order wins; 0 when none).
uint8_t ReplyUnitCode(const QString& reply);

// A reading from a reply whose number word stands at wordPos (2 after "MEASURE:PHOT?",
// 1 after "?"): -999 for "ERR", -1 for "OVL" or 32767, else the value (0 at least).
// unitCode is set from the tokens unless the reply holds "ERR" or "OVL".
float ParseReading(const QString& reply, int wordPos, uint8_t& unitCode);

// Low 8 bits of the hexadecimal second word of an "RMS?" reply.
uint8_t ParseStatus(const QString& reply);

// True when the fill word (word wordPos of a "mem:free?" reply) reads "A,B" with A < B.
bool ParseFill(const QString& reply, int wordPos);

// Fills the records of a "mem:dat?" reply; returns the number of records stored (at most
// StoredReadingCapacity; records beyond are dropped). Records not filled are left alone.
int ParseDump(const QString& reply, bool bankAddressed, tStoredReadings& readings);

// One dump record ("1:1234 E-1 LX").
tStoredReading ParseDumpRecord(const QString& record);

// The command with the bank suffix: a space and the digit for banks 0 to 9.
QString WithBank(const QString& command, uint32_t bank);
