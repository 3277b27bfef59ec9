// A converter for tests: records every call and byte, plays back scripted replies and
// faults, and lets time pass on a virtual clock instead of waiting.
#pragma once

#include "common/clock.h"
#include "meter/ftdi.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QStringList>
#include <deque>
#include <functional>

class tScriptedFtdi : public tFtdi {
public:
    explicit tScriptedFtdi(tVirtualClock& clock) : FClock(clock) {}

    struct tReply {
        QByteArray Bytes;
        bool IoErrorAfter = false; // after the bytes: status 4 instead of silence
    };

    // Replies are handed out one per command line, in order. Without a queued reply the
    // responder answers; without a responder the converter stays silent.
    void Queue(const QByteArray& bytes, bool ioErrorAfter = false)
    {
        Replies.push_back({bytes, ioErrorAfter});
    }
    std::function<QByteArray(const QByteArray& line)> Responder;

    // Faults.
    FT_STATUS OpenStatus = FT_OK;
    FT_STATUS TimeoutsStatus = FT_OK;

    // What happened.
    QByteArray Written;           // every byte written, in order
    QByteArrayList Lines;         // every command line, without its LF
    QStringList Calls;            // "Open", "SetBaudRate 9600", ..., "Close 3"
    int Opens = 0;
    uint32_t LargestWrite = 0, LargestRead = 0;
    FT_HANDLE OpenHandle = -1;    // the handle that is open now, or -1

    FT_STATUS FT_Open(int deviceIndex, FT_HANDLE* handle) override;
    FT_STATUS FT_Close(FT_HANDLE handle) override;
    FT_STATUS FT_Read(FT_HANDLE handle, void* buffer, uint32_t toRead,
                      uint32_t* received) override;
    FT_STATUS FT_Write(FT_HANDLE handle, const void* buffer, uint32_t toWrite,
                       uint32_t* written) override;
    FT_STATUS FT_SetBaudRate(FT_HANDLE handle, uint32_t baud) override;
    FT_STATUS FT_SetDataCharacteristics(FT_HANDLE handle, uint8_t wordLength, uint8_t stopBits,
                                        uint8_t parity) override;
    FT_STATUS FT_SetFlowControl(FT_HANDLE handle, uint16_t flow, uint8_t xon,
                                uint8_t xoff) override;
    FT_STATUS FT_SetTimeouts(FT_HANDLE handle, uint32_t readMs, uint32_t writeMs) override;

    static constexpr int ReadTimeoutMs = 1000;

private:
    tVirtualClock& FClock;
    std::deque<tReply> Replies;
    QByteArray FLine;       // the command line being written
    QByteArray FPending;    // reply bytes waiting in the converter
    bool FIoError = false;  // what follows the pending bytes
    FT_HANDLE FNextHandle = 1;
};
