// Quirrel2: entry point.
#include "app/minimalwindow.h"
#include "common/clock.h"
#include "meter/ftdi.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // The converter backend is chosen once, here; nothing else reads the environment.
    const QString selection = qEnvironmentVariable("QUIRREL2_METER");
    std::unique_ptr<tFtdi> ftdi = CreateConverter(selection, RealClock());
    if (!ftdi) {
        std::fprintf(stderr, "QUIRREL2_METER=%s is not a known meter selection\n",
                     qPrintable(selection));
        return 2;
    }
    tMinimalWindow window(*ftdi, RealClock());
    window.show();
    return app.exec();
}
