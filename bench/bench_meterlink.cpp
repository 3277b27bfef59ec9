// bench_meterlink: how close the meter link comes to the line's own limits.
//
// Part 1 runs real operations through the serial backend against quirrel2-metersim on a
// pseudo-terminal (9600 baud pacing) and compares each wall time with its floor: the pauses
// the link must make plus, per exchange, the reply's wire time (11 bits a character,
// counted from the command's line feed) beyond the pause before its read. Both are taken
// from what actually happened, by recording decorators around the clock and the converter.
//
// Part 2 measures the per-byte cost of Transact against the instant in-process converter
// (Google Benchmark).
//
//   bench_meterlink [--no-line] [--no-transact] [benchmark options]
#include "common/clock.h"
#include "meter/meter.h"
#include "meter/serialftdi.h"
#include "meter/simftdi.h"
#include "tools/metersimprocess.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr double MsPerChar = 11.0 * 1000.0 / 9600.0;

// What the link did: its pauses, and per exchange the reply length and the pause before
// the reply was read.
struct tRecorder {
    struct tExchange {
        int ReplyBytes = 0;
        uint32_t PauseMs = 0;
    };
    std::vector<uint32_t> Sleeps;
    std::vector<tExchange> Exchanges;
    bool BeforeRead = false; // a line went out and its reply is not being read yet
    std::vector<FT_STATUS> SetupStatuses;
    double OpenCloseMs = 0; // time spent opening and closing the port

    void Clear()
    {
        Sleeps.clear();
        Exchanges.clear();
        BeforeRead = false;
        OpenCloseMs = 0;
    }

    double FloorMs() const
    {
        double ms = 0;
        for (uint32_t s : Sleeps)
            ms += s;
        for (const tExchange& e : Exchanges)
            ms += std::max(0.0, e.ReplyBytes * MsPerChar - e.PauseMs);
        return ms;
    }
};

class tRecordingClock : public tClock {
public:
    tRecordingClock(tClock& inner, tRecorder& rec) : FInner(inner), FRec(rec) {}
    void Sleep(uint32_t ms) override
    {
        FRec.Sleeps.push_back(ms);
        if (FRec.BeforeRead && !FRec.Exchanges.empty()) FRec.Exchanges.back().PauseMs += ms;
        FInner.Sleep(ms);
    }
    void ProcessEvents() override { FInner.ProcessEvents(); }
    int64_t NowMs() override { return FInner.NowMs(); }

private:
    tClock& FInner;
    tRecorder& FRec;
};

class tRecordingFtdi : public tFtdi {
public:
    tRecordingFtdi(tFtdi& inner, tRecorder& rec) : FInner(inner), FRec(rec) {}

    FT_STATUS FT_Open(int index, FT_HANDLE* h) override
    {
        return Timed([&] { return FInner.FT_Open(index, h); });
    }
    FT_STATUS FT_Close(FT_HANDLE h) override
    {
        return Timed([&] { return FInner.FT_Close(h); });
    }
    FT_STATUS FT_Read(FT_HANDLE handle, void* buffer, uint32_t toRead, uint32_t* received) override
    {
        FRec.BeforeRead = false;
        const FT_STATUS status = FInner.FT_Read(handle, buffer, toRead, received);
        if (!FRec.Exchanges.empty()) FRec.Exchanges.back().ReplyBytes += int(*received);
        return status;
    }
    FT_STATUS FT_Write(FT_HANDLE handle, const void* buffer, uint32_t toWrite,
                       uint32_t* written) override
    {
        const FT_STATUS status = FInner.FT_Write(handle, buffer, toWrite, written);
        if (std::memchr(buffer, '\n', toWrite)) {
            FRec.Exchanges.push_back({});
            FRec.BeforeRead = true;
        }
        return status;
    }
    FT_STATUS FT_SetBaudRate(FT_HANDLE handle, uint32_t baud) override
    {
        return Setup(FInner.FT_SetBaudRate(handle, baud));
    }
    FT_STATUS FT_SetDataCharacteristics(FT_HANDLE handle, uint8_t bits, uint8_t stop,
                                        uint8_t parity) override
    {
        return Setup(FInner.FT_SetDataCharacteristics(handle, bits, stop, parity));
    }
    FT_STATUS FT_SetFlowControl(FT_HANDLE handle, uint16_t flow, uint8_t xon, uint8_t xoff) override
    {
        return Setup(FInner.FT_SetFlowControl(handle, flow, xon, xoff));
    }
    FT_STATUS FT_SetTimeouts(FT_HANDLE handle, uint32_t readMs, uint32_t writeMs) override
    {
        return Setup(FInner.FT_SetTimeouts(handle, readMs, writeMs));
    }

private:
    template <class F> FT_STATUS Timed(F call)
    {
        QElapsedTimer timer;
        timer.start();
        const FT_STATUS status = call();
        FRec.OpenCloseMs += timer.nsecsElapsed() / 1e6;
        return status;
    }
    FT_STATUS Setup(FT_STATUS status)
    {
        if (FRec.SetupStatuses.size() < 4) FRec.SetupStatuses.push_back(status);
        return status;
    }
    tFtdi& FInner;
    tRecorder& FRec;
};

// One simulated meter on a pseudo-terminal with the recording layers around the link.
struct tLine {
    tMeterSimProcess Sim;
    std::unique_ptr<tSerialFtdi> Serial;
    tRecorder Rec;
    std::unique_ptr<tRecordingClock> Clock;
    std::unique_ptr<tRecordingFtdi> Ftdi;

    bool Start(const QStringList& arguments)
    {
        QString error;
        if (!Sim.Start(QStringLiteral(QUIRREL2_METERSIM), arguments, error)) {
            std::fprintf(stderr, "quirrel2-metersim: %s\n", qPrintable(error));
            return false;
        }
        Serial = std::make_unique<tSerialFtdi>(Sim.Path);
        Clock = std::make_unique<tRecordingClock>(RealClock(), Rec);
        Ftdi = std::make_unique<tRecordingFtdi>(*Serial, Rec);
        return true;
    }
};

struct tRow {
    const char* Name;
    int Runs = 0;
    double WallMs = 0, FloorMs = 0, OpenCloseMs = 0;
    double BestRatio = 1e9, WorstRatio = 0; // of single runs: other load on the machine shows
};

// Runs op `runs` times and sums wall time and floor.
tRow Time(const char* name, tLine& line, int runs, const std::function<void()>& op)
{
    tRow row{name};
    for (int i = 0; i < runs; ++i) {
        line.Rec.Clear();
        QElapsedTimer timer;
        timer.start();
        op();
        const double wall = timer.nsecsElapsed() / 1e6, floor = line.Rec.FloorMs();
        row.WallMs += wall;
        row.FloorMs += floor;
        row.OpenCloseMs += line.Rec.OpenCloseMs;
        row.BestRatio = std::min(row.BestRatio, wall / floor);
        row.WorstRatio = std::max(row.WorstRatio, wall / floor);
        ++row.Runs;
    }
    return row;
}

bool RunLine()
{
    std::vector<tRow> rows;
    tLine c, spot, full;
    if (!c.Start({"--model", "502"}) || !spot.Start({"--model", "508"}) ||
        !full.Start({"--model", "502", "--memory", "101"}))
        return false;

    rows.push_back(Time("construction (502)", c, 3, [&] { tMeter m(*c.Ftdi, *c.Clock); }));
    rows.push_back(Time("construction (508)", spot, 2, [&] { tMeter m(*spot.Ftdi, *spot.Clock); }));

    tMeter meterC(*c.Ftdi, *c.Clock);
    tMeter meterSpot(*spot.Ftdi, *spot.Clock);
    tMeter meterFull(*full.Ftdi, *full.Clock);
    if (meterC.ModelCode != 1 || meterSpot.ModelCode != 4 || meterFull.ModelCode != 1) {
        std::fprintf(stderr, "model not identified (%d, %d, %d)\n", meterC.ModelCode,
                     meterSpot.ModelCode, meterFull.ModelCode);
        return false;
    }
    bool ok = true;
    uint8_t unit = 0;
    rows.push_back(
        Time("Measure (ModelCode 1)", c, 10, [&] { ok = meterC.Measure(unit) > 0 && ok; }));
    rows.push_back(
        Time("Measure (ModelCode 4)", spot, 3, [&] { ok = meterSpot.Measure(unit) > 0 && ok; }));
    int32_t count = 0;
    tStoredReadings readings;
    rows.push_back(Time("ReadMemory, 101 records", full, 3, [&] {
        meterFull.ReadMemory(readings, count, NoBank);
        ok = count == 101 && ok;
    }));
    if (!ok) {
        std::fprintf(stderr, "an operation failed (last memory count %d)\n", int(count));
        return false;
    }

    std::printf("Meter link over a pseudo-terminal at 9600 baud (quirrel2-metersim)\n");
    std::printf("%-26s %5s %10s %10s %7s %15s %14s\n", "operation", "runs", "wall ms", "floor ms",
                "ratio", "single runs", "open+close ms");
    bool met = true;
    for (const tRow& r : rows) {
        const double ratio = r.WallMs / r.FloorMs;
        met = met && ratio <= 1.05;
        std::printf("%-26s %5d %10.1f %10.1f %7.4f %7.4f-%.4f %14.2f\n", r.Name, r.Runs,
                    r.WallMs / r.Runs, r.FloorMs / r.Runs, ratio, r.BestRatio, r.WorstRatio,
                    r.OpenCloseMs / r.Runs);
    }
    std::printf("(wall, floor and open+close per run; target ratio at most 1.05: %s)\n",
                met ? "met" : "MISSED");
    std::printf("line setup statuses on the pseudo-terminal (baud, frame, flow, time-outs):");
    for (FT_STATUS s : c.Rec.SetupStatuses)
        std::printf(" %u", s);
    std::printf("\n\n");
    std::fflush(stdout);
    return true;
}

// The per-byte cost of Transact itself, without any line: the simulated converter answers
// at once and the virtual clock does not wait.
void TransactBytes(benchmark::State& state, const char* command)
{
    tVirtualClock clock;
    tSimFtdi ftdi(502, clock);
    ftdi.Meter().FillBank(0, 101);
    tMeter meter(ftdi, clock);
    meter.OpenChannel();
    QString reply;
    int64_t bytes = 0;
    for (auto _ : state) {
        meter.Transact(QString::fromLatin1(command), reply, 0);
        bytes += qstrlen(command) + 1 + reply.size();
        clock.Pauses.clear();
    }
    meter.CloseChannel();
    state.SetBytesProcessed(bytes);
    // Time per byte moved (command and reply together).
    state.counters["per_byte"] = benchmark::Counter(double(bytes), benchmark::Counter::kIsRate |
                                                                       benchmark::Counter::kInvert);
    state.counters["bytes/exchange"] = double(bytes) / double(state.iterations());
}
BENCHMARK_CAPTURE(TransactBytes, measure, "MEASURE:PHOT?");
BENCHMARK_CAPTURE(TransactBytes, memory_dump_101, "mem:dat?");

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv); // the real clock lets window events run through it
    bool line = true, transact = true;
    std::vector<char*> rest;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--no-line") == 0)
            line = false;
        else if (std::strcmp(argv[i], "--no-transact") == 0)
            transact = false;
        else
            rest.push_back(argv[i]);
    }
    int restCount = int(rest.size());
    bool ran = true;
    if (line) ran = RunLine();
    if (transact) {
        benchmark::Initialize(&restCount, rest.data());
        if (benchmark::ReportUnrecognizedArguments(restCount, rest.data())) return 2;
        benchmark::RunSpecifiedBenchmarks();
        benchmark::Shutdown();
    }
    return ran ? 0 : 1;
}
