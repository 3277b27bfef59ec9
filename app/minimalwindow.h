// A first window: connects to the meter, shows its version text and takes readings.
#pragma once

#include <QWidget>
#include <memory>

class QLabel;
class QPushButton;
class tClock;
class tFtdi;
class tMeter;

class tMinimalWindow : public QWidget {
    Q_OBJECT
public:
    tMinimalWindow(tFtdi& ftdi, tClock& clock, QWidget* parent = nullptr);
    ~tMinimalWindow() override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Connect();
    void MeasureOnce();

    tFtdi& FFtdi;
    tClock& FClock;
    std::unique_ptr<tMeter> Meter;
    QLabel* VersionLabel;
    QLabel* ValueLabel;
    QPushButton* MeasureButton;
    bool Shown = false;
};
