// Start-up to the ready main window, with the real clock: language index and message lookup,
// splash, main window creation (translation and write-back of its forms file), the first
// showing that connects and identifies the meter, and the splash gone. Runs on the offscreen
// platform unless another one is set.
#include "app/splash.h"
#include "common/clock.h"
#include "common/progfolder.h"
#include "i18n/language.h"
#include "i18n/msgmanager.h"
#include "meter/ftdi.h"
#include "ui/mainform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPointer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct tRun {
    double Created; // main window created, ms from start
    double Ready;   // splash gone, main window shown and waiting, ms from start
};

tRun StartOnce(const QString& selection)
{
    QElapsedTimer timer;
    timer.start();
    std::unique_ptr<tFtdi> ftdi = CreateConverter(selection, RealClock());
    ReadLanguageIndex();
    CreateMsgManager();
    QPointer<tSplash> splash = new tSplash;
    splash->show();
    QCoreApplication::processEvents();

    tRun run{};
    {
        TForm1 form(*ftdi, RealClock());
        run.Created = timer.nsecsElapsed() / 1e6;
        form.SetSplashCloser([splash] {
            if (splash) splash->CloseSoon();
        });
        QEventLoop loop;
        QObject::connect(splash, &QObject::destroyed, &loop, &QEventLoop::quit);
        form.show();
        if (splash) loop.exec();
        run.Ready = timer.nsecsElapsed() / 1e6;
        form.close();
    }
    WriteLanguageIndex();
    FreeMsgManager();
    return run;
}

void Report(const char* name, const QString& selection, int runs)
{
    std::vector<tRun> results;
    for (int i = 0; i < runs; ++i)
        results.push_back(StartOnce(selection));
    std::sort(results.begin(), results.end(),
              [](const tRun& a, const tRun& b) { return a.Ready < b.Ready; });
    const tRun& median = results[results.size() / 2];
    std::printf("%-32s runs %d  ready: min %7.1f ms  median %7.1f ms  max %7.1f ms"
                "  (window created after %.1f ms)\n",
                name, runs, results.front().Ready, median.Ready, results.back().Ready,
                median.Created);
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir folder;
    SetProgramPathForTesting(folder.filePath(QStringLiteral("quirrel2")));

    std::printf("Start-up to the ready main window (pauses of AutoConfig: 1250 ms)\n");
    Report("no meter (no FTDI port found)", QStringLiteral("auto"), 5);
    Report("simulated ORBITEL 7718 C (502)", QStringLiteral("sim:502"), 3);
    Report("simulated ZENTA-SPOT 2 (508)", QStringLiteral("sim:508"), 3);
    return 0;
}
