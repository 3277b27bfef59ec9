// TForm1: the main window. A start page (device picture, version, device and language choice,
// "AutoConfig") and a measuring page (quantity and range, value display, readings as a table
// or a chart), with a bottom bar that switches between them. It owns the meter.
#pragma once

#include <QImage>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>

class QChartView;
class QComboBox;
class QLabel;
class QLineSeries;
class QPushButton;
class QStackedWidget;
class QTableView;
class QValueAxis;
class TDrwWin;
class TPanel;
class TRadioGroup;
class TRoundButton;
class tClock;
class tFtdi;
class tMeter;

class TForm1 : public QWidget {
    Q_OBJECT
public:
    // The meter is connected through ftdi at the first showing; every pause of the window
    // and of the meter goes through clock.
    TForm1(tFtdi& ftdi, tClock& clock, QWidget* parent = nullptr);
    ~TForm1() override;

    // Called once the first showing has connected the meter, to take the splash away.
    void SetSplashCloser(std::function<void()> closeSplash);

    // What the window found and shows, for the windows that borrow the meter.
    tMeter* CurrentMeter() const { return Meter.get(); }
    int CurrentModelIndex() const { return ModelIndex; }
    uint8_t CurrentUnitCode() const { return UnitCode; }
    const QImage& CurrentDevicePicture() const { return DevicePicture; }
    // True while a meter operation runs (its exchange lets events in) or the meter is being
    // replaced: nothing may then start another operation or free the meter.
    bool MeterInUse() const;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void CreateControls();
    void CreateStartPage(QWidget* page);
    void CreateMeasuringPage(QWidget* page);
    void CreateTablePage(QWidget* page);
    void CreateChartPage(QWidget* page);
    void CreateBottomBar();

    void FormCreate();
    void FormShow();
    void ConfigBtnclick();
    void VersBtnclick();
    void InfoBtnclick();
    void MeaBtnclick();
    void LangGrpClick();
    void ImgWinPaint();

    // Device catalogue and range choice.
    void DeviceGrpClick();
    void qComboChange();
    void mbComboChange(int index);
    void UpdateRangeCombo();
    void SetAxisTitle();

    tFtdi& FFtdi;
    tClock& FClock;
    std::function<void()> FCloseSplash;
    bool FShown = false;
    bool FReplacingMeter = false; // no meter object while a new one connects

    // Window state.
    float Factor = 1.0f;
    int32_t IntervalChoice = 2;
    double FreeInterval = 1.0 / 86400;
    int32_t GraphMode = 0;
    bool Continuous = false;
    int32_t ScaleMode = 0;
    std::unique_ptr<tMeter> Meter;
    bool MeasBusy = false;
    bool TimerBusy = false;
    QImage DevicePicture;
    int32_t ModelIndex = 0;
    uint8_t UnitCode = 0;

    // Controls.
    QStackedWidget* NBK = nullptr;
    TDrwWin* ImgWin = nullptr;
    TRoundButton* VersBtn = nullptr;
    QLabel* Label1 = nullptr;
    TRoundButton* ManualBtn = nullptr;
    TRoundButton* ConfigBtn = nullptr;
    TRadioGroup* DeviceGrp = nullptr;
    TRadioGroup* LangGrp = nullptr;
    QLabel* qComboLabel = nullptr;
    QComboBox* qCombo = nullptr;
    QLabel* mbComboLabel = nullptr;
    QComboBox* mbCombo = nullptr;
    QLabel* Label2 = nullptr;
    TRoundButton* mBtn = nullptr;
    TRoundButton* cbtn = nullptr;
    TRoundButton* setupBtn = nullptr;
    TRadioGroup* RadioGroup1 = nullptr;
    QStackedWidget* NBK2 = nullptr;
    QTableView* ValTable = nullptr;
    TRoundButton* MemBtn = nullptr;
    TRoundButton* DelMemBtn = nullptr;
    TRoundButton* SaveListBtn = nullptr;
    TRoundButton* DelListBtn = nullptr;
    QChartView* Chart = nullptr;
    QLineSeries* ChartSeries = nullptr;
    QValueAxis* IndexAxis = nullptr;
    QValueAxis* ValueAxis = nullptr;
    TRoundButton* DelChartBtn = nullptr;
    TRadioGroup* ScaleGrp = nullptr;
    TPanel* Panel1 = nullptr;
    QWidget* BarImage = nullptr;
    TRoundButton* InfoBtn = nullptr;
    TRoundButton* MeaBtn = nullptr;
    TRoundButton* tbBtn = nullptr;
    TRoundButton* QuitBtn = nullptr;
};
