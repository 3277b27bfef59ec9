// The serial converter backend. Reads and writes are synchronous: the meter link runs on
// the window thread and waits for each byte itself.
#include "meter/serialftdi.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QSerialPort>
#include <QSerialPortInfo>

namespace {

// A write time-out of 0 would mean "wait for ever"; a stuck port must not hang the window.
constexpr int DefaultWriteTimeoutMs = 1000;

bool IsAuto(const QString& port)
{
    return port.isEmpty() || port == QLatin1String("auto");
}

// The USB vendor of the device behind a tty, read from sysfs; -1 when there is none.
int UsbVendorOf(const QString& path)
{
    const QString tty = QFileInfo(path).fileName();
    QString dir =
        QFileInfo(QStringLiteral("/sys/class/tty/%1/device").arg(tty)).canonicalFilePath();
    // The tty's device is a port or an interface of the USB device that carries the vendor.
    for (int up = 0; up < 4 && dir.size() > 1; ++up) {
        QFile file(dir + QStringLiteral("/idVendor"));
        if (file.open(QIODevice::ReadOnly)) {
            bool ok = false;
            const int vendor = file.readAll().trimmed().toInt(&ok, 16);
            return ok ? vendor : -1;
        }
        dir = QFileInfo(dir).path();
    }
    return -1;
}

} // namespace

tSerialFtdi::tSerialFtdi(const QString& port) : FPort(port) {}

tSerialFtdi::~tSerialFtdi()
{
    if (FSerial) FSerial->close();
}

QString tSerialFtdi::Locate(int deviceIndex) const
{
    if (deviceIndex < 0) return QString();
    if (!IsAuto(FPort)) return deviceIndex == 0 ? FPort : QString();
    int n = 0;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        if (!info.hasVendorIdentifier() || info.vendorIdentifier() != FtdiVendorId) continue;
        if (n++ == deviceIndex) return info.systemLocation();
    }
    return QString();
}

bool tSerialFtdi::IsOpen(FT_HANDLE handle) const
{
    return FOpen > 0 && handle == FOpen && FSerial && FSerial->isOpen();
}

FT_STATUS tSerialFtdi::FT_Open(int deviceIndex, FT_HANDLE* handle)
{
    if (FOpen > 0) return FT_DEVICE_NOT_OPENED; // one channel at a time
    if (!IsAuto(FPort)) return OpenPort(Locate(deviceIndex), handle);

    // Listing the ports takes milliseconds, too long for every operation: the port found
    // last is used again while it is still there and still an FTDI converter. Otherwise,
    // and when it cannot be opened, the ports are listed anew, so that a converter plugged
    // in later is found.
    if (!FFound.isEmpty() && FFoundIndex == deviceIndex && UsbVendorOf(FFound) == FtdiVendorId) {
        if (OpenPort(FFound, handle) == FT_OK) return FT_OK;
    }
    FFound = Locate(deviceIndex);
    FFoundIndex = deviceIndex;
    const FT_STATUS status = OpenPort(FFound, handle);
    if (status != FT_OK) FFound.clear();
    return status;
}

FT_STATUS tSerialFtdi::OpenPort(const QString& path, FT_HANDLE* handle)
{
    if (path.isEmpty()) return FT_DEVICE_NOT_FOUND;
    if (!FSerial) FSerial = std::make_unique<QSerialPort>();
    FSerial->setPortName(path);
    if (!FSerial->open(QIODevice::ReadWrite)) {
        const bool missing = FSerial->error() == QSerialPort::DeviceNotFoundError;
        FSerial->clearError();
        return missing ? FT_DEVICE_NOT_FOUND : FT_DEVICE_NOT_OPENED;
    }
    // A closed converter receives nothing: bytes left from an earlier session are dropped.
    FSerial->clear(QSerialPort::AllDirections);
    FReadTimeoutMs = 0;
    FWriteTimeoutMs = 0;
    FOpen = FNextHandle++;
    *handle = FOpen;
    return FT_OK;
}

FT_STATUS tSerialFtdi::FT_Close(FT_HANDLE handle)
{
    if (FOpen <= 0 || handle != FOpen) return FT_INVALID_HANDLE;
    FSerial->close();
    FSerial->clearError();
    FOpen = -1;
    return FT_OK;
}

FT_STATUS tSerialFtdi::FT_Read(FT_HANDLE handle, void* buffer, uint32_t toRead, uint32_t* received)
{
    *received = 0;
    if (!IsOpen(handle)) return FT_INVALID_HANDLE;
    if (toRead == 0) return FT_OK;
    const QDeadlineTimer deadline(FReadTimeoutMs);
    while (FSerial->bytesAvailable() == 0) {
        const qint64 left = deadline.remainingTime();
        if (left <= 0) return FT_OK; // time-out: nothing received
        if (FSerial->waitForReadyRead(static_cast<int>(left))) continue;
        const QSerialPort::SerialPortError error = FSerial->error();
        FSerial->clearError();
        if (error == QSerialPort::TimeoutError) return FT_OK;
        // A vanished device (unplugged, the other end of a pseudo-terminal gone).
        if (error != QSerialPort::NoError || !FSerial->isOpen()) return FT_IO_ERROR;
    }
    const qint64 n = FSerial->read(static_cast<char*>(buffer), toRead);
    if (n < 0) {
        FSerial->clearError();
        return FT_IO_ERROR;
    }
    *received = static_cast<uint32_t>(n);
    return FT_OK;
}

FT_STATUS tSerialFtdi::FT_Write(FT_HANDLE handle, const void* buffer, uint32_t toWrite,
                                uint32_t* written)
{
    *written = 0;
    if (!IsOpen(handle)) return FT_INVALID_HANDLE;
    if (toWrite == 0) return FT_OK;
    if (FSerial->write(static_cast<const char*>(buffer), toWrite) != qint64(toWrite)) {
        FSerial->clearError();
        return FT_IO_ERROR;
    }
    // Push the bytes to the device now: the meter link pauses right after the line.
    const int timeout = FWriteTimeoutMs > 0 ? int(FWriteTimeoutMs) : DefaultWriteTimeoutMs;
    while (FSerial->bytesToWrite() > 0) {
        if (!FSerial->waitForBytesWritten(timeout)) {
            FSerial->clearError();
            return FT_IO_ERROR;
        }
    }
    *written = toWrite;
    return FT_OK;
}

FT_STATUS tSerialFtdi::FT_SetBaudRate(FT_HANDLE handle, uint32_t baud)
{
    if (!IsOpen(handle)) return FT_INVALID_HANDLE;
    if (FSerial->setBaudRate(static_cast<qint32>(baud))) return FT_OK;
    FSerial->clearError();
    return FT_IO_ERROR;
}

FT_STATUS tSerialFtdi::FT_SetDataCharacteristics(FT_HANDLE handle, uint8_t wordLength,
                                                 uint8_t stopBits, uint8_t parity)
{
    if (!IsOpen(handle)) return FT_INVALID_HANDLE;
    if (wordLength < 5 || wordLength > 8 || (stopBits != 0 && stopBits != FtStopBits2) ||
        parity > FtParityEven)
        return FT_IO_ERROR;
    static const QSerialPort::Parity parities[] = {QSerialPort::NoParity, QSerialPort::OddParity,
                                                   QSerialPort::EvenParity};
    // Each setting is tried even when an earlier one was refused (a pseudo-terminal may
    // refuse some); the status tells whether all were taken.
    bool ok = FSerial->setDataBits(static_cast<QSerialPort::DataBits>(wordLength));
    ok = FSerial->setStopBits(stopBits == FtStopBits2 ? QSerialPort::TwoStop
                                                      : QSerialPort::OneStop) &&
         ok;
    ok = FSerial->setParity(parities[parity]) && ok;
    FSerial->clearError();
    return ok ? FT_OK : FT_IO_ERROR;
}

FT_STATUS tSerialFtdi::FT_SetFlowControl(FT_HANDLE handle, uint16_t flow, uint8_t, uint8_t)
{
    if (!IsOpen(handle)) return FT_INVALID_HANDLE;
    if (flow != FtFlowNone) return FT_IO_ERROR; // only the line without flow control is used
    if (FSerial->setFlowControl(QSerialPort::NoFlowControl)) return FT_OK;
    FSerial->clearError();
    return FT_IO_ERROR;
}

FT_STATUS tSerialFtdi::FT_SetTimeouts(FT_HANDLE handle, uint32_t readMs, uint32_t writeMs)
{
    if (!IsOpen(handle)) return FT_INVALID_HANDLE;
    FReadTimeoutMs = readMs;
    FWriteTimeoutMs = writeMs;
    return FT_OK;
}
