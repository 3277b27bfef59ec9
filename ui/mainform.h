// TForm1: the main window. A start page (device picture, version, device and language choice,
// "AutoConfig") and a measuring page (quantity and range, value display, readings as a table
// or a chart), with a bottom bar that switches between them. It owns the meter.
#pragma once

#include "app/manual.h"
#include "ui/savelist.h"

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
class QTimer;
class QValueAxis;
class TDrwWin;
class TPanel;
class TRadioGroup;
class TRoundButton;
class tChartFeed;
class tClock;
class tFtdi;
class tMeasList;
class tMeter;
class tValTableModel;
struct tStoredReading;

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

    // The reading list (none before the first showing) and the measuring state.
    const tMeasList* CurrentReadings() const { return Readings.get(); }
    bool IsContinuous() const { return Continuous; }
    float CurrentFactor() const { return Factor; }

    // The desktop's file dialog and "open" action; tests put their own in place.
    void SetSaveFileChooser(tChooseFile choose) { FChooseSaveFile = std::move(choose); }
    void SetDocumentOpener(tOpenDocument open) { FOpenDocument = std::move(open); }

    // Handlers of the measuring page, the bottom bar and "Anleitung", run by their controls
    // and the timer (public so that tests can run a timer tick without waiting for it).
    void mBtnclick();
    void cbtnclick();
    void Timer1Timer();
    void setupBtnclick();
    void UpdateChart();
    void ScaleGrpClick();
    void RadioGroup1Click();
    void NBK2PageChanged();
    void DelListBtnclick();
    void QuitBtnclick();
    void FormCloseQuery(bool& canClose);
    void MemBtnclick();
    void DelMemBtnclick();
    void SaveListBtnclick();
    void tbBtnclick();
    void ManualBtnclick();

    // The hot keys, on key release anywhere in the window: Ctrl+F2 the form editor,
    // Ctrl+Shift+F2 the message editor (then the messages are read anew), Alt+F4 close.
    // True when the key was one of them.
    bool FormKeyUp(int key, Qt::KeyboardModifiers modifiers);
    // The two editors; tests put their own in place.
    void SetEditorOpeners(std::function<void()> formEditor, std::function<void()> msgEditor);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void CreateControls();
    void WatchHotKeys();
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

    // Reading list, table and chart.
    void CreateReadings();
    void ShowNewestRow();
    void ClearReadings(int tableRows);
    void AppendStored(const tStoredReading* readings, int count);
    void ShowReadOut();
    void SetContinuousAxisTitle(uint8_t unitCode);
    void SetMeasuringControls();

    std::function<void()> FOpenFormEditor, FOpenMsgEditor;
    tFtdi& FFtdi;
    tClock& FClock;
    std::function<void()> FCloseSplash;
    bool FShown = false;
    bool FReplacingMeter = false; // no meter object while a new one connects
    // Set while a handler works with the meter and lets events run between its exchanges.
    int FMeterWork = 0;
    int FTimerPeriod = 5000; // ms; 0: no ticks
    tChooseFile FChooseSaveFile = SDlg;
    tOpenDocument FOpenDocument;

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
    std::unique_ptr<tMeasList> Readings;
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
    tValTableModel* ValTableModel = nullptr;
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
    std::unique_ptr<tChartFeed> ChartFeed;
    QTimer* Timer1 = nullptr;
    TPanel* Panel1 = nullptr;
    QWidget* BarImage = nullptr;
    TRoundButton* InfoBtn = nullptr;
    TRoundButton* MeaBtn = nullptr;
    TRoundButton* tbBtn = nullptr;
    TRoundButton* QuitBtn = nullptr;
};
