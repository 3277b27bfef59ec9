// tSerialFtdi: the converter on real hardware (or any serial device or pseudo-terminal)
// through Qt Serial Port.
#pragma once

#include "meter/ftdi.h"

#include <QString>
#include <memory>

class QSerialPort;

class tSerialFtdi : public tFtdi {
public:
    // port: "" or "auto" for the FTDI ports in the order Qt lists them, or a device path.
    explicit tSerialFtdi(const QString& port);
    ~tSerialFtdi() override;

    // The device path that the device index names now, or an empty text.
    QString Locate(int deviceIndex) const;

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

    static constexpr uint16_t FtdiVendorId = 0x0403;

private:
    bool IsOpen(FT_HANDLE handle) const;
    FT_STATUS OpenPort(const QString& path, FT_HANDLE* handle);

    QString FPort;
    QString FFound; // the port that "auto" found last
    int FFoundIndex = -1;
    std::unique_ptr<QSerialPort> FSerial;
    FT_HANDLE FOpen = -1;
    FT_HANDLE FNextHandle = 1;
    uint32_t FReadTimeoutMs = 0;
    uint32_t FWriteTimeoutMs = 0;
};
