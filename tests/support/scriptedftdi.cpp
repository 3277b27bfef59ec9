#include "scriptedftdi.h"

#include <algorithm>

FT_STATUS tScriptedFtdi::FT_Open(int deviceIndex, FT_HANDLE* handle)
{
    Calls << QStringLiteral("Open %1").arg(deviceIndex);
    if (OpenStatus != FT_OK) return OpenStatus;
    ++Opens;
    OpenHandle = FNextHandle++;
    *handle = OpenHandle;
    FPending.clear();
    FIoError = false;
    FLine.clear();
    return FT_OK;
}

FT_STATUS tScriptedFtdi::FT_Close(FT_HANDLE handle)
{
    Calls << QStringLiteral("Close %1").arg(handle);
    if (handle != OpenHandle) return FT_INVALID_HANDLE;
    OpenHandle = -1;
    return FT_OK;
}

FT_STATUS tScriptedFtdi::FT_Read(FT_HANDLE handle, void* buffer, uint32_t toRead,
                                 uint32_t* received)
{
    LargestRead = std::max(LargestRead, toRead);
    *received = 0;
    if (handle != OpenHandle || OpenHandle < 0) return FT_INVALID_HANDLE;
    if (!FPending.isEmpty()) {
        const uint32_t n = std::min<uint32_t>(toRead, FPending.size());
        std::copy_n(FPending.constData(), n, static_cast<char*>(buffer));
        FPending.remove(0, n);
        *received = n;
        return FT_OK;
    }
    if (FIoError) return FT_IO_ERROR;
    FClock.Advance(ReadTimeoutMs); // silence: the read waits out its time-out
    return FT_OK;
}

FT_STATUS tScriptedFtdi::FT_Write(FT_HANDLE handle, const void* buffer, uint32_t toWrite,
                                  uint32_t* written)
{
    LargestWrite = std::max(LargestWrite, toWrite);
    *written = 0;
    if (handle != OpenHandle || OpenHandle < 0) return FT_INVALID_HANDLE;
    const char* bytes = static_cast<const char*>(buffer);
    for (uint32_t i = 0; i < toWrite; ++i) {
        Written.append(bytes[i]);
        if (bytes[i] != '\n') {
            FLine.append(bytes[i]);
            continue;
        }
        Lines << FLine;
        const QByteArray line = FLine;
        FLine.clear();
        if (!Replies.empty()) {
            FPending += Replies.front().Bytes;
            FIoError = Replies.front().IoErrorAfter;
            Replies.pop_front();
        } else if (Responder) {
            FPending += Responder(line);
            FIoError = false;
        }
    }
    *written = toWrite;
    return FT_OK;
}

FT_STATUS tScriptedFtdi::FT_SetBaudRate(FT_HANDLE handle, uint32_t baud)
{
    Calls << QStringLiteral("SetBaudRate %1").arg(baud);
    return handle == OpenHandle ? FT_OK : FT_INVALID_HANDLE;
}

FT_STATUS tScriptedFtdi::FT_SetDataCharacteristics(FT_HANDLE handle, uint8_t wordLength,
                                                   uint8_t stopBits, uint8_t parity)
{
    Calls << QStringLiteral("SetDataCharacteristics %1 %2 %3").arg(wordLength).arg(stopBits).arg(parity);
    return handle == OpenHandle ? FT_OK : FT_INVALID_HANDLE;
}

FT_STATUS tScriptedFtdi::FT_SetFlowControl(FT_HANDLE handle, uint16_t flow, uint8_t xon,
                                           uint8_t xoff)
{
    Calls << QStringLiteral("SetFlowControl %1 %2 %3").arg(flow).arg(xon).arg(xoff);
    return handle == OpenHandle ? FT_OK : FT_INVALID_HANDLE;
}

FT_STATUS tScriptedFtdi::FT_SetTimeouts(FT_HANDLE handle, uint32_t readMs, uint32_t writeMs)
{
    Calls << QStringLiteral("SetTimeouts %1 %2").arg(readMs).arg(writeMs);
    if (handle != OpenHandle) return FT_INVALID_HANDLE;
    return TimeoutsStatus;
}
