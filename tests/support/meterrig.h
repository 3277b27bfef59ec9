// A meter on a scripted converter and a virtual clock, connected and with clean records.
#pragma once

#include "common/clock.h"
#include "meter/meter.h"
#include "scriptedftdi.h"

#include <memory>

struct tMeterRig {
    tVirtualClock Clock;
    tScriptedFtdi Ftdi{Clock};
    std::unique_ptr<tMeter> Meter;

    // Answers "*IDN?" with the model code, "VER?" with a version, anything else with "OK".
    void Connect(const QByteArray& code = "502")
    {
        Ftdi.Responder = [code](const QByteArray& line) -> QByteArray {
            if (line == "*IDN?") return "KESTROM METER " + code + "\r\n";
            if (line == "VER?") return "VER 1.07\r\n";
            return "OK\r\n";
        };
        Meter = std::make_unique<tMeter>(Ftdi, Clock);
        Forget();
        Ftdi.Responder = nullptr;
    }

    void Forget()
    {
        Ftdi.Lines.clear();
        Ftdi.Calls.clear();
        Ftdi.Written.clear();
        Clock.Pauses.clear();
        Clock.EventSteps = 0;
    }
};
