// bench_readinglist: the reading list with its table and its chart, at the length of a day of
// readings at 0.5 s and beyond. Runs on the offscreen platform unless another one is chosen.
//
//   bench_readinglist [benchmark options]
//
// BM_FillDay          172,800 readings one by one into list, table model and chart series.
// BM_NextReading/m/n  one more reading at n listed ones, through to the repainted view:
//                     m 0 the table (list, row insert, scroll to the newest row), m 1 the
//                     chart (list, row count, series and axes).
// BM_FullSeries/n     for comparison: all n points put into the series and repainted.
// BM_Memory/n         process memory per listed reading (list, table model and chart feed).
#include "ui/chartscale.h"
#include "ui/measlist.h"
#include "ui/valtable.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QElapsedTimer>
#include <QFile>
#include <QHeaderView>
#include <QLineSeries>
#include <QTableView>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace {

tMeasRec Reading(int i)
{
    static const QDateTime start = QDateTime::currentDateTime();
    tMeasRec r;
    r.Value = float(500 + 100 * std::sin(i * 0.001) + (i * 7919 % 13));
    r.UnitCode = 0;
    r.Stamp = start.addMSecs(int64_t(i) * 500);
    return r;
}

// Counts the paints of a widget, to show that every reading was drawn.
class tPaintCounter : public QObject {
public:
    int Paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) ++Paints;
        return false;
    }
};

// The measuring page's table and chart, at their sizes in the window.
struct tViews {
    tMeasList List;
    tValTableModel Model{List};
    tChartFeed Feed;
    QTableView Table;
    QChart* Chart = new QChart;
    QLineSeries* Series = new QLineSeries;
    QValueAxis* IndexAxis = new QValueAxis;
    QValueAxis* ValueAxis = new QValueAxis;
    QChartView ChartView{Chart};
    tPaintCounter Painted;

    tViews()
    {
        AttachValTable(&Table, &Model);
        Table.verticalHeader()->hide();
        Table.verticalHeader()->setDefaultSectionSize(22);
        Table.setColumnWidth(0, 40);
        Table.setColumnWidth(1, 137);
        Table.resize(201, 377);
        Chart->legend()->hide();
        Chart->addSeries(Series);
        Chart->addAxis(IndexAxis, Qt::AlignBottom);
        Chart->addAxis(ValueAxis, Qt::AlignLeft);
        Series->attachAxis(IndexAxis);
        Series->attachAxis(ValueAxis);
        QPen pen = Series->pen();
        pen.setWidth(2);
        Series->setPen(pen);
        ChartView.resize(529, 313);
    }

    void Fill(int n)
    {
        for (int i = List.Count(); i < n; ++i)
            List.Add(Reading(i));
        Model.FollowList();
        UpdateChartSeries(Feed, List, Series, IndexAxis, ValueAxis, 0);
    }

    void Show(QWidget& view)
    {
        view.show();
        QApplication::processEvents();
        UpdateChartSeries(Feed, List, Series, IndexAxis, ValueAxis, 0); // now laid out
        QApplication::processEvents();
        (&view == &Table ? Table.viewport() : ChartView.viewport())->installEventFilter(&Painted);
    }

    // The event loop does what it does after a handler: lays out, then paints.
    void AddToTable()
    {
        List.Add(Reading(List.Count()));
        Model.FollowList();
        Table.scrollToBottom();
        QApplication::processEvents();
    }

    void AddToChart()
    {
        List.Add(Reading(List.Count()));
        Model.FollowList();
        UpdateChartSeries(Feed, List, Series, IndexAxis, ValueAxis, 0);
        QApplication::processEvents();
    }
};

void BM_FillDay(benchmark::State& state)
{
    const int n = 172800;
    QElapsedTimer timer;
    for (auto _ : state) {
        timer.start();
        tViews v;
        for (int i = 0; i < n; ++i) {
            v.List.Add(Reading(i));
            v.Model.FollowList();
            UpdateChartSeries(v.Feed, v.List, v.Series, v.IndexAxis, v.ValueAxis, 0);
        }
        benchmark::DoNotOptimize(v.Series->count());
        state.counters["us_per_reading"] = double(timer.nsecsElapsed()) / 1000.0 / n;
    }
}
BENCHMARK(BM_FillDay)->Unit(benchmark::kMillisecond)->Iterations(1);

double Median(const std::vector<double>& v)
{
    std::vector<double> s = v;
    std::sort(s.begin(), s.end());
    return s[s.size() / 2];
}

void BM_NextReading(benchmark::State& state)
{
    const bool chart = state.range(0) == 1;
    tViews v;
    v.Fill(int(state.range(1)));
    v.Show(chart ? static_cast<QWidget&>(v.ChartView) : v.Table);
    for (auto _ : state)
        chart ? v.AddToChart() : v.AddToTable();
    state.counters["points"] = double(v.Series->count());
    state.counters["paints_per_reading"] = double(v.Painted.Paints) / double(state.iterations());
}
BENCHMARK(BM_NextReading)
    ->ArgsProduct({{0, 1}, {1000, 100000, 172800, 1000000}})
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->ComputeStatistics("median", Median);

// What a rebuild of the whole series would cost, the way it is not done.
void BM_FullSeries(benchmark::State& state)
{
    tViews v;
    v.Fill(int(state.range(0)));
    QList<QPointF> all;
    for (int i = 0; i < v.List.Count(); ++i)
        all.append(QPointF(i, v.List.ValueAt(i)));
    v.Show(v.ChartView);
    for (auto _ : state) {
        v.Series->replace(all);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_FullSeries)->Arg(100000)->Unit(benchmark::kMillisecond);

long ResidentBytes()
{
    QFile f(QStringLiteral("/proc/self/statm"));
    if (!f.open(QIODevice::ReadOnly)) return 0;
    const QList<QByteArray> fields = f.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLong() * 4096 : 0;
}

void BM_Memory(benchmark::State& state)
{
    const int n = int(state.range(0));
    for (auto _ : state) {
        tViews v;
        v.Show(v.Table);
        const long before = ResidentBytes();
        for (int i = 0; i < n; ++i) {
            v.List.Add(Reading(i));
            v.Model.FollowList();
        }
        v.Feed.Sync(v.List);
        QApplication::processEvents();
        state.counters["bytes_per_reading"] = double(ResidentBytes() - before) / n;
    }
}
BENCHMARK(BM_Memory)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
