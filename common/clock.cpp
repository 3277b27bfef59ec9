#include "common/clock.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

void tRealClock::Sleep(uint32_t ms)
{
    if (ms > 0) QThread::msleep(ms);
}

void tRealClock::ProcessEvents()
{
    if (QCoreApplication::instance()) QCoreApplication::processEvents();
}

int64_t tRealClock::NowMs()
{
    static QElapsedTimer timer = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return timer.elapsed();
}

void tVirtualClock::Sleep(uint32_t ms)
{
    Pauses.push_back(ms);
    Now += ms;
}

void tVirtualClock::ProcessEvents()
{
    ++EventSteps;
    if (OnProcessEvents) OnProcessEvents();
}

tClock& RealClock()
{
    static tRealClock clock;
    return clock;
}
