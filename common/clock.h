// Every pause and every "let the window breathe" step goes through a clock, so that tests
// can run the meter link and the windows without real waiting.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

class tClock {
public:
    virtual ~tClock() = default;
    virtual void Sleep(uint32_t ms) = 0;
    // Lets the user interface process the events that are waiting, once.
    virtual void ProcessEvents() = 0;
    // Milliseconds on a monotonic scale.
    virtual int64_t NowMs() = 0;
};

// Real sleeping and QCoreApplication::processEvents().
class tRealClock : public tClock {
public:
    void Sleep(uint32_t ms) override;
    void ProcessEvents() override;
    int64_t NowMs() override;
};

// Returns at once; records each pause and advances its own time.
class tVirtualClock : public tClock {
public:
    void Sleep(uint32_t ms) override;
    void ProcessEvents() override;
    int64_t NowMs() override { return Now; }

    // Time passing without a pause of the program's own (a read time-out, say).
    void Advance(int64_t ms) { Now += ms; }

    std::vector<uint32_t> Pauses;
    int EventSteps = 0;
    int64_t Now = 0;
    std::function<void()> OnProcessEvents; // runs inside ProcessEvents, like a queued event
};

// The clock of the running program.
tClock& RealClock();
