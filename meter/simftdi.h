// tSimFtdi: the converter backend "sim". Behind it sits the simulated meter, which
// answers each command line at once; reads hand the reply out byte by byte.
#pragma once

#include "meter/ftdi.h"
#include "meter/simmeter.h"

#include <QByteArray>

class tSimFtdi : public tFtdi {
public:
    // clock: a read with nothing pending waits its time-out there.
    tSimFtdi(int model, tClock& clock, uint32_t seed = 1);

    tSimMeter& Meter() { return FMeter; }

    FT_STATUS FT_Open(int deviceIndex, FT_HANDLE* handle) override;
    FT_STATUS FT_Close(FT_HANDLE handle) override;
    FT_STATUS FT_Read(FT_HANDLE handle, void* buffer, uint32_t toRead, uint32_t* received) override;
    FT_STATUS FT_Write(FT_HANDLE handle, const void* buffer, uint32_t toWrite,
                       uint32_t* written) override;
    FT_STATUS FT_SetBaudRate(FT_HANDLE handle, uint32_t baud) override;
    FT_STATUS FT_SetDataCharacteristics(FT_HANDLE handle, uint8_t wordLength, uint8_t stopBits,
                                        uint8_t parity) override;
    FT_STATUS FT_SetFlowControl(FT_HANDLE handle, uint16_t flow, uint8_t xon,
                                uint8_t xoff) override;
    FT_STATUS FT_SetTimeouts(FT_HANDLE handle, uint32_t readMs, uint32_t writeMs) override;

private:
    bool IsOpen(FT_HANDLE handle) const { return FOpen > 0 && handle == FOpen; }

    tSimMeter FMeter;
    tClock& FClock;
    FT_HANDLE FOpen = -1; // the handle that is open, or -1
    FT_HANDLE FNextHandle = 1;
    uint32_t FReadTimeoutMs = 0;
    QByteArray FLine;    // the command line being written
    QByteArray FPending; // reply bytes, handed out from FRead on
    qsizetype FRead = 0;
};
