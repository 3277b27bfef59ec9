// The main window's measuring: single and continuous readings, the settings, the reading
// list with its table and chart, and the closing rules.
#include "ui/mainform.h"

#include "common/clock.h"
#include "common/valuetext.h"
#include "i18n/msgboxes.h"
#include "i18n/msgmanager.h"
#include "meter/meter.h"
#include "ui/chartscale.h"
#include "ui/mdlg.h"
#include "ui/measlist.h"
#include "ui/settings.h"
#include "ui/tb.h"
#include "ui/valtable.h"
#include "ui/widgets.h"

#include <QChartView>
#include <QComboBox>
#include <QDateTime>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QStackedWidget>
#include <QTableView>
#include <QTimer>
#include <QValueAxis>
#include <cmath>

namespace {

// The device item whose luminance readings are shown with decimals after a single reading.
constexpr int kSpotMeterItem = 3;

QString Msg(const char* key, const QString& def)
{
    return MsgManager
               ? MsgManager->ReadMsg(QStringLiteral("general"), QString::fromLatin1(key), def)
               : def;
}

bool IsOverload(float value)
{
    return std::lround(value) == -1;
}

// Luminance keeps about four digits: none from 1000, one from 100, two below, and
// footlambert a third below 10.
int LuminanceDecimals(uint8_t unitCode, float value)
{
    if (value >= 1000) return 0;
    if (value >= 100) return 1;
    if (unitCode == UnitFootlambert && value < 10) return 3;
    return 2;
}

bool IsLuminance(uint8_t unitCode)
{
    return unitCode == UnitCandela || unitCode == UnitFootlambert;
}

// Ticks at round steps (1, 2 or 5 times a power of ten), at most six of them: evenly divided
// ticks over a range like 0 to 8 or 0 to 259.6 would carry labels that are not their values.
void SetRoundTicks(QValueAxis* axis, double minStep)
{
    const double span = axis->max() - axis->min();
    if (!(span > 0)) return;
    const double unit = std::pow(10.0, std::floor(std::log10(span / 6)));
    double step = unit * 10;
    for (double m : {1.0, 2.0, 5.0})
        if (span / (unit * m) <= 6) {
            step = unit * m;
            break;
        }
    step = std::max(step, minStep);
    const int decimals = std::max(0, -int(std::floor(std::log10(step) + 1e-9)));
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(0);
    axis->setTickInterval(step);
    axis->setLabelFormat(QStringLiteral("%.") + QString::number(decimals) + u'f');
}

} // namespace

// ---------------------------------------------------------------------------------------
// Reading list, table and chart.

void TForm1::CreateReadings()
{
    Readings = std::make_unique<tMeasList>();
    ChartFeed = std::make_unique<tChartFeed>();
    ValTableModel = new tValTableModel(*Readings, ValTable);
    AttachValTable(ValTable, ValTableModel);
    ValTable->setColumnWidth(0, 40);
    ValTable->setColumnWidth(1, 137);
    ValTableModel->SetRowCount(2);
}

void TForm1::UpdateChart()
{
    if (!Readings) return;
    UpdateChartSeries(*ChartFeed, *Readings, ChartSeries, IndexAxis, ValueAxis, ScaleMode);
    SetRoundTicks(IndexAxis, 1);
    SetRoundTicks(ValueAxis, 0);
    Chart->viewport()->update();
}

// The table follows the list, with its newest row in view.
void TForm1::ShowNewestRow()
{
    ValTableModel->FollowList();
    if (Readings->Count() > 0)
        ValTable->setCurrentIndex(ValTableModel->index(Readings->Count() - 1, 1));
    ValTable->viewport()->update();
}

void TForm1::ClearReadings(int tableRows)
{
    ChartSeries->clear();
    Readings->Clear();
    ValTableModel->SetRowCount(tableRows);
    ValTable->viewport()->update();
}

void TForm1::ScaleGrpClick()
{
    ScaleMode = ScaleGrp->ItemIndex();
    UpdateChart();
}

void TForm1::RadioGroup1Click()
{
    const int item = RadioGroup1->ItemIndex();
    if (item < 0 || item > 1) return;
    NBK2->setCurrentIndex(item);
    GraphMode = NBK2->currentIndex() == 1 ? 1 : 0;
}

void TForm1::NBK2PageChanged()
{
    // In table mode the chart is not kept up to date; it catches up when it is shown.
    if (NBK2->currentIndex() == 1) UpdateChart();
}

void TForm1::DelListBtnclick()
{
    if (!Readings) return;
    if (YesNoCancelBox(Msg("delmsg1", QString::fromUtf8("Alle Meßwerte löschen?"))) != mrYes)
        return;
    ClearReadings(2);
    FClock.ProcessEvents();
    UpdateChart();
}

// ---------------------------------------------------------------------------------------
// Single measurement.

void TForm1::mBtnclick()
{
    if (MeasBusy) return;
    // Another operation waits for the meter: it could not answer this one.
    if (!Meter || !Readings || MeterInUse()) return;
    MeasBusy = true;

    uint8_t unit = UnitLux;
    float value = Meter->Measure(unit);
    if (IsOverload(value)) {
        Label2->setText(QStringLiteral("OVL"));
    } else if (value < 0) {
        // No reading (no converter, no reply, an error reply): nothing to weight or keep.
        Label2->setText(QStringLiteral("ERR"));
    } else {
        value *= Factor;
        int decimals = 2;
        if (IsLuminance(unit))
            decimals =
                DeviceGrp->ItemIndex() == kSpotMeterItem ? LuminanceDecimals(unit, value) : 0;
        Label2->setText(ValueText(value, unit, decimals));
        Readings->Add({value, unit, QDateTime::currentDateTime()});
        UpdateChart();
        ShowNewestRow();
    }
    MeasBusy = false;
}

// ---------------------------------------------------------------------------------------
// Continuous measurement and settings.

void TForm1::SetContinuousAxisTitle(uint8_t unitCode)
{
    static const char* const keys[] = {"luxmsg", "fcmsg", "lumiMsg", "lumiMsg2"};
    static const char* const defaults[] = {"Beleuchtungsstärke [lx]", "Beleuchtungsstärke [fc]",
                                           "Leuchtdichte [cd/m²]", "Leuchtdichte [fL]"};
    if (unitCode > 3) return;
    ValueAxis->setTitleText(Msg(keys[unitCode], QString::fromUtf8(defaults[unitCode])));
}

void TForm1::SetMeasuringControls()
{
    cbtn->setText(Continuous ? Msg("meamsg1", QStringLiteral("kontinuierlich messen aus"))
                             : Msg("meamsg2", QStringLiteral("kontinuierlich messen ein")));
    mBtn->setEnabled(!Continuous);
}

void TForm1::cbtnclick()
{
    if (!Readings) return;
    if (!Continuous) {
        if (Readings->Count() > 0 && AskDiscardOrAppend(this, &FClock) == kDiscardReadings)
            ClearReadings(2);
        Timer1Timer();
    }
    Continuous = !Continuous;
    SetTimerPeriod(*Timer1, FTimerPeriod, Continuous);
    if (Continuous) {
        // The unit of the range list in use: a luminance meter gets its own title at once.
        SetContinuousAxisTitle(UnitCode);
        NBK2->setCurrentIndex(GraphMode == 1 ? 1 : 0);
    }
    SetMeasuringControls();
}

void TForm1::Timer1Timer()
{
    if (TimerBusy) return;
    // A tick inside another operation's exchange: the meter is busy; the next tick reads.
    if (!Meter || !Readings || MeterInUse()) return;
    TimerBusy = true;

    uint8_t unit = UnitLux;
    float value = Meter->Measure(unit);
    if (IsOverload(value)) value = Meter->Measure(unit);
    // A second overload and a failed exchange are dropped without a word.
    if (std::lround(value) >= 0) {
        value *= Factor;
        Readings->Add({value, unit, QDateTime::currentDateTime()});
        const int decimals = IsLuminance(unit) ? LuminanceDecimals(unit, value) : 2;
        Label2->setText(ValueText(value, unit, decimals));
        if (GraphMode == 1) {
            ValTableModel->FollowList();
            SetContinuousAxisTitle(unit);
            UpdateChart();
        } else {
            ShowNewestRow();
        }
    }
    TimerBusy = false;
}

void TForm1::setupBtnclick()
{
    if (!EditSettings(Factor, IntervalChoice, FreeInterval, this, &FClock)) return;
    if (const std::optional<int> period = TimerPeriodMs(IntervalChoice, FreeInterval)) {
        FTimerPeriod = *period;
        SetTimerPeriod(*Timer1, FTimerPeriod, Continuous);
    }
}

// ---------------------------------------------------------------------------------------
// Closing.

void TForm1::QuitBtnclick()
{
    if (Readings && Readings->Count() > 0 &&
        YesNoCancelBox(Msg("relmsg", QString::fromUtf8("Meßwerte verwerfen ?"))) != mrYes)
        return;
    close();
}

void TForm1::FormCloseQuery(bool& canClose)
{
    // A request that comes while a meter operation lets events run: freeing the meter now
    // would pull it from under that operation. The user can close a moment later.
    if (MeterInUse()) {
        canClose = false;
        return;
    }
    if (Continuous) {
        canClose = false;
        InfoBox(Msg("endmsg", QString::fromUtf8("Bitte zunächst Messung beenden")));
        return;
    }
    Timer1->stop();
    TtbForm::ForgetMeter(Meter.get());
    Meter.reset();
    DevicePicture = QImage();
    canClose = true;
}
