// TtbForm: the full-screen test picture for measuring displays. Uniform grey patches on a
// chosen level; with the spot meter it also shows the meter's own readings, polled every
// 200 ms.
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class QTimer;
class TRadioGroup;
class tMeter;

class TtbForm : public QWidget {
    Q_OBJECT
public:
    explicit TtbForm(QWidget* parent = nullptr);
    ~TtbForm() override;

    // Places the patches and the control panel for the window's present size.
    void ArrangeControls();

    // Handlers.
    void colGrpClick();
    void mTimerTimer();
    void FormDblClick();
    void Button1Click();

    // The meter to poll, borrowed; none for a picture without readings.
    void SetMeter(tMeter* meter) { Meter = meter; }
    tMeter* CurrentMeter() const { return Meter; }
    bool IsQuitRequested() const { return QuitRequested; }
    QTimer* PollTimer() const { return mTimer; }

    // Sends "KEY 1" before the window is shown; when the meter is busy with another
    // exchange, the first poll sends it instead.
    void SwitchKeysOn();

    // The meter is about to be freed or replaced: every window polling it lets go of it at
    // once and sends it nothing more. Its owner calls this before freeing it.
    static void ForgetMeter(const tMeter* meter);

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormShow();
    void RequestQuit();

    tMeter* Meter = nullptr;
    bool QuitRequested = false;
    bool KeyOnPending = false;

    QWidget* Panel1 = nullptr;
    QWidget* Panel2 = nullptr;
    QWidget* Panel3 = nullptr;
    QWidget* Panel4 = nullptr;
    QWidget* Panel5 = nullptr;
    QWidget* Panel6 = nullptr;
    QLabel* Label1 = nullptr;
    TRadioGroup* colGrp = nullptr;
    QPushButton* Button1 = nullptr;
    QTimer* mTimer = nullptr;
};

// Creates the test picture full-screen on the screen that shows `mainWindow` (the primary
// screen without one), switches the meter's keys on when a meter is given, and shows the
// window. Returns at once; the window deletes itself when it closes.
TtbForm* ShowTestPicture(tMeter* meter, QWidget* mainWindow = nullptr);
