// Chooses the converter backend from the selection text.
#include "meter/ftdi.h"

#include "meter/serialftdi.h"
#include "meter/simftdi.h"

std::unique_ptr<tFtdi> CreateConverter(const QString& selection, tClock& clock)
{
    const QString sim = QStringLiteral("sim");
    if (selection == sim) return std::make_unique<tSimFtdi>(502, clock);
    if (selection.startsWith(sim + u':')) {
        const QString model = selection.mid(sim.size() + 1);
        for (const char* known : {"502", "503", "504", "508"})
            if (model == QLatin1String(known))
                return std::make_unique<tSimFtdi>(model.toInt(), clock);
        return nullptr;
    }
    if (selection.isEmpty() || selection == QLatin1String("auto"))
        return std::make_unique<tSerialFtdi>(QStringLiteral("auto"));
    return std::make_unique<tSerialFtdi>(selection);
}
