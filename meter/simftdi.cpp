// The simulated converter: collects written bytes into lines and queues the meter's replies.
#include "meter/simftdi.h"

#include "common/clock.h"

tSimFtdi::tSimFtdi(int model, tClock& clock, uint32_t seed) : FMeter(model, seed), FClock(clock) {}

FT_STATUS tSimFtdi::FT_Open(int deviceIndex, FT_HANDLE* handle)
{
    if (deviceIndex != 0) return FT_DEVICE_NOT_FOUND; // one simulated converter
    if (FOpen > 0) return FT_DEVICE_NOT_OPENED;       // already held by someone
    FOpen = FNextHandle++;
    *handle = FOpen;
    // Like a freshly opened port: nothing left over from an earlier session.
    FLine.clear();
    FPending.clear();
    FRead = 0;
    FReadTimeoutMs = 0;
    return FT_OK;
}

FT_STATUS tSimFtdi::FT_Close(FT_HANDLE handle)
{
    if (!IsOpen(handle)) return FT_INVALID_HANDLE;
    FOpen = -1;
    FLine.clear();
    FPending.clear();
    FRead = 0;
    return FT_OK;
}

FT_STATUS tSimFtdi::FT_Read(FT_HANDLE handle, void* buffer, uint32_t toRead, uint32_t* received)
{
    *received = 0;
    if (!IsOpen(handle)) return FT_INVALID_HANDLE;
    if (toRead == 0) return FT_OK;
    if (FRead >= FPending.size()) {
        FClock.Sleep(FReadTimeoutMs); // silence: the read waits out its time-out
        return FT_OK;
    }
    *static_cast<char*>(buffer) = FPending.at(FRead++);
    *received = 1;
    return FT_OK;
}

FT_STATUS tSimFtdi::FT_Write(FT_HANDLE handle, const void* buffer, uint32_t toWrite,
                             uint32_t* written)
{
    *written = 0;
    if (!IsOpen(handle)) return FT_INVALID_HANDLE;
    const char* bytes = static_cast<const char*>(buffer);
    for (uint32_t i = 0; i < toWrite; ++i) {
        if (bytes[i] != '\n') {
            FLine.append(bytes[i]);
            continue;
        }
        if (FRead >= FPending.size()) {
            FPending.clear();
            FRead = 0;
        }
        FPending += FMeter.Answer(FLine);
        FLine.clear();
    }
    *written = toWrite;
    return FT_OK;
}

FT_STATUS tSimFtdi::FT_SetBaudRate(FT_HANDLE handle, uint32_t)
{
    return IsOpen(handle) ? FT_OK : FT_INVALID_HANDLE;
}

FT_STATUS tSimFtdi::FT_SetDataCharacteristics(FT_HANDLE handle, uint8_t, uint8_t, uint8_t)
{
    return IsOpen(handle) ? FT_OK : FT_INVALID_HANDLE;
}

FT_STATUS tSimFtdi::FT_SetFlowControl(FT_HANDLE handle, uint16_t, uint8_t, uint8_t)
{
    return IsOpen(handle) ? FT_OK : FT_INVALID_HANDLE;
}

FT_STATUS tSimFtdi::FT_SetTimeouts(FT_HANDLE handle, uint32_t readMs, uint32_t)
{
    if (!IsOpen(handle)) return FT_INVALID_HANDLE;
    FReadTimeoutMs = readMs;
    return FT_OK;
}
