// Quirrel2: entry point. The language and the message lookup come first, then the splash,
// then the main window, which connects the meter at its first showing.
#include "app/splash.h"
#include "common/clock.h"
#include "i18n/language.h"
#include "i18n/msgmanager.h"
#include "meter/ftdi.h"
#include "ui/mainform.h"

#include <QApplication>
#include <QPointer>
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

    ReadLanguageIndex();
    CreateMsgManager();

    QPointer<tSplash> splash = new tSplash;
    splash->show();
    app.processEvents();

    int result = 0;
    {
        TForm1 form(*ftdi, RealClock());
        form.SetSplashCloser([splash] {
            if (splash) splash->CloseSoon();
        });
        form.show();
        result = app.exec();

        WriteLanguageIndex();
        FreeMsgManager();
    }
    delete splash; // only when the window never asked for it
    return result;
}
