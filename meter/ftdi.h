// The converter seam: the eight calls the meter link makes on the USB-serial converter.
// Backends: the first FTDI port (or a named port) through Qt Serial Port, the built-in
// simulated meter, and the scripted converter of the tests.
#pragma once

#include <QString>
#include <cstdint>
#include <memory>

class tClock;

using FT_HANDLE = int32_t; // -1: none; a channel is open while the handle is above 0
using FT_STATUS = uint32_t;

enum : FT_STATUS {
    FT_OK = 0,
    FT_INVALID_HANDLE = 1,
    FT_DEVICE_NOT_FOUND = 2,
    FT_DEVICE_NOT_OPENED = 3,
    FT_IO_ERROR = 4,
};

// Line settings the meter link passes.
enum : uint8_t { FtBits7 = 7, FtStopBits2 = 2, FtParityEven = 2 };
enum : uint16_t { FtFlowNone = 0 };

class tFtdi {
public:
    virtual ~tFtdi() = default;
    virtual FT_STATUS FT_Open(int deviceIndex, FT_HANDLE* handle) = 0;
    virtual FT_STATUS FT_Close(FT_HANDLE handle) = 0;
    // Returns as soon as one byte is there, or with *received 0 after the read time-out.
    virtual FT_STATUS FT_Read(FT_HANDLE handle, void* buffer, uint32_t toRead,
                              uint32_t* received) = 0;
    virtual FT_STATUS FT_Write(FT_HANDLE handle, const void* buffer, uint32_t toWrite,
                               uint32_t* written) = 0;
    virtual FT_STATUS FT_SetBaudRate(FT_HANDLE handle, uint32_t baud) = 0;
    virtual FT_STATUS FT_SetDataCharacteristics(FT_HANDLE handle, uint8_t wordLength,
                                                uint8_t stopBits, uint8_t parity) = 0;
    virtual FT_STATUS FT_SetFlowControl(FT_HANDLE handle, uint16_t flow, uint8_t xon,
                                        uint8_t xoff) = 0;
    virtual FT_STATUS FT_SetTimeouts(FT_HANDLE handle, uint32_t readMs, uint32_t writeMs) = 0;
};

// The backend named by a selection text: "" or "auto" the first FTDI port, "sim" or
// "sim:502"/"sim:503"/"sim:504"/"sim:508" the built-in simulated meter, anything else a
// port path. Returns null for an unknown "sim:" model.
std::unique_ptr<tFtdi> CreateConverter(const QString& selection, tClock& clock);
