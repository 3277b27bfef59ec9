#include "meter/meter.h"

#include "common/clock.h"
#include "common/valuetext.h"
#include "meter/replies.h"

#include <QByteArray>
#include <cmath>

namespace {

constexpr uint32_t kBaud = 9600;
constexpr uint32_t kReadTimeoutMs = 1000;
// A meter that never ends its line must not keep the window waiting forever; the longest
// real reply, a full memory dump, is a few kilobytes.
constexpr int kMaxReplyBytes = 65536;

// A few microseconds between written bytes, so that slow meters keep up.
void BytePause()
{
    volatile double x = 2.0;
    for (int i = 0; i < 100; ++i) x = std::sqrt(x + 1.0);
}

bool HasBank(uint32_t bank) { return bank <= 9; }

} // namespace

tMeter::tMeter(tFtdi& ftdi, tClock& clock) : FFtdi(ftdi), FClock(clock)
{
    Handle = -1;
    ModelCode = 0;
    Ready = false;
    if (FFtdi.FT_Open(0, &Handle) != FT_OK) {
        Handle = -1;
        return;
    }
    ConfigureLine();
    FClock.Sleep(500);
    Ready = true;

    QString reply;
    if (Transact(QStringLiteral("*IDN?"), reply, 100)) {
        // The last code found wins here.
        if (reply.contains(u"502")) ModelCode = 1;
        if (reply.contains(u"503")) ModelCode = 2;
        if (reply.contains(u"504")) ModelCode = 3;
        if (reply.contains(u"508")) ModelCode = 4;
    }
    if (ModelCode != 4) Transact(QStringLiteral("UNIT:PHOT LX"), reply, 100);
    FClock.Sleep(50);
    Transact(QStringLiteral("SENSE:PHOTRANGE:AUTO ON"), reply, 100);
    FClock.Sleep(50);
    Transact(QStringLiteral("SENSE:PHOTRANGE:AUTO ON"), reply, 100);
    FClock.Sleep(50);
    Transact(QStringLiteral("MEASURE:PHOT?"), reply, 100);
    CloseChannel();

    QString version;
    GetVersionText(version);
}

tMeter::~tMeter()
{
    if (Handle >= 0) FFtdi.FT_Close(Handle);
}

FT_STATUS tMeter::ConfigureLine()
{
    FFtdi.FT_SetBaudRate(Handle, kBaud);
    FFtdi.FT_SetDataCharacteristics(Handle, FtBits7, FtStopBits2, FtParityEven);
    FFtdi.FT_SetFlowControl(Handle, FtFlowNone, 0, 0);
    return FFtdi.FT_SetTimeouts(Handle, kReadTimeoutMs, 0);
}

bool tMeter::OpenChannel()
{
    if (Nested()) return false;
    if (Handle > 0) CloseChannel();
    Handle = -1;
    if (FFtdi.FT_Open(0, &Handle) == FT_OK) Ready = ConfigureLine() == FT_OK;
    else Handle = -1;
    return Handle > 0;
}

void tMeter::CloseChannel()
{
    if (Nested()) return;
    if (Handle > 0) {
        FFtdi.FT_Close(Handle);
        Handle = -1;
    }
}

bool tMeter::Transact(const QString& command, QString& reply, uint16_t wait)
{
    reply.clear();
    if (!Ready || Nested()) return false;

    const QByteArray line = command.toLatin1() + '\n';
    for (char byte : line) {
        uint32_t written = 0;
        FFtdi.FT_Write(Handle, &byte, 1, &written);
        BytePause();
    }
    FClock.Sleep(wait);

    ++FEventDepth;
    FClock.ProcessEvents();
    --FEventDepth;

    QByteArray text;
    bool complete = false;
    for (;;) {
        char byte = 0;
        uint32_t received = 0;
        const FT_STATUS status = FFtdi.FT_Read(Handle, &byte, 1, &received);
        if (Handle <= 0) {
            text.clear();
            break;
        }
        if (status == FT_IO_ERROR || received < 1) break;
        if (byte != 0) text.append(byte);
        if (byte == '\n') {
            complete = true;
            break;
        }
        if (text.size() >= kMaxReplyBytes) break;
    }
    reply = QString::fromLatin1(text);
    return complete;
}

bool tMeter::Reset()
{
    if (!OpenChannel()) return false;
    QString reply;
    const bool ok = Transact(QStringLiteral("*RST"), reply, 100);
    CloseChannel();
    return ok;
}

void tMeter::GetVersionText(QString& text)
{
    if (!OpenChannel()) return;
    QString reply;
    if (Transact(QStringLiteral("*IDN?"), reply, 100)) text = reply;
    FClock.Sleep(50);
    if (Transact(QStringLiteral("VER?"), reply, 100)) text += QStringLiteral("\r\n") + reply;
    CloseChannel();
}

int tMeter::Identify()
{
    if (Nested()) return -1;
    QString text;
    GetVersionText(text);
    // The first code found wins here, over the whole version text.
    static const char16_t* const codes[] = {u"502", u"503", u"504", u"508"};
    for (int i = 0; i < 4; ++i) {
        if (text.contains(QStringView(codes[i]))) {
            ModelCode = static_cast<uint8_t>(i + 1);
            return i;
        }
    }
    return -1;
}

float tMeter::ReadValue(const QString& command, uint16_t wait, int wordPos, uint8_t& unitCode)
{
    if (!OpenChannel()) return ReadingNone;
    unitCode = UnitLux;
    QString reply;
    float value = ReadingNone;
    if (Transact(command, reply, wait)) value = ParseReading(reply, wordPos, unitCode);
    CloseChannel();
    return value;
}

float tMeter::Measure(uint8_t& unitCode)
{
    return ReadValue(QStringLiteral("MEASURE:PHOT?"), ModelCode == 4 ? 2000 : 100, 2, unitCode);
}

float tMeter::FetchReading(uint8_t& unitCode)
{
    return ReadValue(QStringLiteral("?"), 100, 1, unitCode);
}

uint8_t tMeter::ReadStatus()
{
    // Without a status the caller stays idle: 0 has bit 6 clear.
    if (!OpenChannel()) return 0;
    QString reply;
    uint8_t status = 0;
    if (Transact(QStringLiteral("RMS?"), reply, 100)) status = ParseStatus(reply);
    CloseChannel();
    return status;
}

bool tMeter::SetUnit(uint8_t unitCode)
{
    static const char* const commands[] = {"UNIT:PHO LX", "UNIT:PHO FC ", "UNIT:PHO CD_M2",
                                           "UNIT:PHO FL"};
    if (!OpenChannel()) return false;
    bool ok = false;
    QString reply;
    if (unitCode <= 3) ok = Transact(QString::fromLatin1(commands[unitCode]), reply, 100);
    CloseChannel();
    return ok;
}

bool tMeter::SetRange(uint32_t range)
{
    if (!OpenChannel()) return false;
    const QString command = range <= 4 ? QStringLiteral("RANGE ") + QChar(u'0' + range)
                                       : QStringLiteral("RANGE:AUTO ON");
    QString reply;
    const bool ok = Transact(command, reply, 100);
    CloseChannel();
    return ok;
}

void tMeter::KeyOn()
{
    if (!OpenChannel()) return;
    QString reply;
    Transact(QStringLiteral("KEY 1"), reply, ModelCode == 4 ? 2000 : 200);
    CloseChannel();
}

void tMeter::KeyOff()
{
    if (!OpenChannel()) return;
    QString reply;
    Transact(QStringLiteral("KEY 0"), reply, ModelCode == 4 ? 500 : 100);
    CloseChannel();
}

void tMeter::MemoryHasReadings(bool& hasReadings, uint32_t bank)
{
    hasReadings = false;
    if (!OpenChannel()) return;
    QString reply;
    // Word 3 whatever the bank: this query is only made for banks.
    if (Transact(WithBank(QStringLiteral("mem:free?"), bank), reply, 100))
        hasReadings = ParseFill(reply, 3);
    CloseChannel();
}

void tMeter::ReadMemory(tStoredReadings& readings, int32_t& count, uint32_t bank)
{
    for (tStoredReading& r : readings) r = tStoredReading();
    count = 0;
    if (!OpenChannel()) return;
    QString reply;
    if (Transact(WithBank(QStringLiteral("mem:free?"), bank), reply, 100) &&
        ParseFill(reply, HasBank(bank) ? 3 : 2)) {
        FClock.Sleep(200);
        if (Transact(WithBank(QStringLiteral("mem:dat?"), bank), reply, 100))
            count = ParseDump(reply, HasBank(bank), readings);
    }
    CloseChannel();
}

bool tMeter::ClearMemory(uint32_t bank)
{
    if (Nested()) return false;
    OpenChannel(); // not examined: without a channel the exchange below fails
    QString reply;
    const bool ok = Transact(WithBank(QStringLiteral("MEM:CLE"), bank), reply, 100);
    CloseChannel();
    return ok;
}
