// tMeter: the photometer behind the converter. Every operation opens the converter,
// exchanges command lines and closes it again before it returns.
#pragma once

#include "meter/ftdi.h"

#include <QString>
#include <cstdint>

class tClock;

struct tStoredReading {
    float Value = 0;
    uint8_t Unit = 0;
};

constexpr int StoredReadingCapacity = 101;
using tStoredReadings = tStoredReading[StoredReadingCapacity];

// Results that are not readings.
constexpr float ReadingOverload = -1.0f;
constexpr float ReadingNone = -999.0f;

// Bank number that addresses the whole memory.
constexpr uint32_t NoBank = 0xFFFFFFFFu;

class tMeter {
public:
    // Connects, identifies the model and puts the meter into lux with automatic ranging.
    // Never fails: without a meter the object is simply not connected.
    tMeter(tFtdi& ftdi, tClock& clock);
    virtual ~tMeter();
    tMeter(const tMeter&) = delete;
    tMeter& operator=(const tMeter&) = delete;

    bool OpenChannel();
    void CloseChannel();
    bool Transact(const QString& command, QString& reply, uint16_t wait);

    bool Reset();
    void GetVersionText(QString& text);
    int Identify();

    float Measure(uint8_t& unitCode);
    float FetchReading(uint8_t& unitCode);
    uint8_t ReadStatus();

    bool SetUnit(uint8_t unitCode);
    bool SetRange(uint32_t range);
    void KeyOn();
    void KeyOff();

    void MemoryHasReadings(bool& hasReadings, uint32_t bank);
    void ReadMemory(tStoredReadings& readings, int32_t& count, uint32_t bank);
    bool ClearMemory(uint32_t bank);

    // True while an exchange lets the window process its events: a handler that runs then
    // must not start another operation (it would fail at once) nor free this object.
    bool InExchange() const { return FEventDepth > 0; }

    FT_HANDLE Handle = -1;
    bool Ready = false;
    uint8_t ModelCode = 0;

private:
    float ReadValue(const QString& command, uint16_t wait, int wordPos, uint8_t& unitCode);
    bool Nested() const { return FEventDepth > 0; }
    FT_STATUS ConfigureLine();

    tFtdi& FFtdi;
    tClock& FClock;
    int FEventDepth = 0;
};
