// The splash window: the word mark, shown while the main window is created and the meter is
// connected.
#pragma once

#include <QSplashScreen>

class tSplash : public QSplashScreen {
    Q_OBJECT
public:
    // The stored word mark inside a one-pixel border, centred on the screen, always on top.
    tSplash();

    // Closes and destroys the splash on the next tick of a 1 ms timer, that is once the event
    // loop runs again, so that it goes just after the main window has appeared.
    void CloseSoon();

protected:
    // Clicks do nothing: the splash stays until the main window takes it away.
    void mousePressEvent(QMouseEvent* event) override;
};
