// The main window's meter memory, saving the list, the test picture and the manual.
#include "ui/mainform.h"

#include "app/manual.h"
#include "common/clock.h"
#include "i18n/language.h"
#include "i18n/msgboxes.h"
#include "meter/meter.h"
#include "ui/mdlg.h"
#include "ui/measlist.h"
#include "ui/memread.h"
#include "ui/savelist.h"
#include "ui/tb.h"
#include "ui/valtable.h"
#include "ui/widgets.h"

#include <QDateTime>
#include <QTableView>
#include <vector>

namespace {

// The model that measures in the test picture ("ZENTA-SPOT 2 USB").
constexpr int kSpotMeterModel = 3;

// Marks the window as working with the meter between exchanges, when the events it lets
// run could otherwise close the window or replace the meter under it.
class tMeterWork {
public:
    explicit tMeterWork(int& depth) : FDepth(depth) { ++FDepth; }
    ~tMeterWork() { --FDepth; }
    tMeterWork(const tMeterWork&) = delete;
    tMeterWork& operator=(const tMeterWork&) = delete;

private:
    int& FDepth;
};

} // namespace

// Stored readings keep their own values (no factor) and carry the time of the read-out.
void TForm1::AppendStored(const tStoredReading* readings, int count)
{
    const QDateTime now = QDateTime::currentDateTime();
    for (int i = 0; i < count; ++i)
        Readings->Add({readings[i].Value, readings[i].Unit, now});
}

// After a read-out: the table, then the chart, each given the chance to show itself.
void TForm1::ShowReadOut()
{
    ValTableModel->FollowList();
    ValTable->viewport()->update();
    FClock.ProcessEvents();
    UpdateChart();
    FClock.ProcessEvents();
}

void TForm1::MemBtnclick()
{
    if (!Meter || !Readings || MeterInUse()) return;
    if (Readings->Count() > 0 && AskDiscardOrAppend(this, &FClock) == kDiscardReadings) {
        ClearReadings(1);
        UpdateChart();
        FClock.ProcessEvents();
    }
    // The question let events run: the meter may be busy or gone by now.
    if (!Meter || MeterInUse()) return;

    if (ModelIndex == kBankedModelIndex) {
        // The list grows on screen bank by bank; no box.
        const tMeterWork work(FMeterWork);
        ReadMemoryBanks(*Meter, [this](const tStoredReading* readings, int count) {
            AppendStored(readings, count);
            ShowReadOut();
        });
        return;
    }

    std::vector<tStoredReading> stored;
    {
        const tMeterWork work(FMeterWork);
        ReadWholeMemory(*Meter, [&stored](const tStoredReading* readings, int count) {
            stored.assign(readings, readings + count);
        });
    }
    if (stored.empty()) {
        InfoBox(MemoryEmptyText());
        return;
    }
    InfoBox(MemoryReadText(int(stored.size())));
    AppendStored(stored.data(), int(stored.size()));
    ShowReadOut();
}

void TForm1::DelMemBtnclick()
{
    if (!Meter || MeterInUse()) return;
    bool cleared = false;
    {
        const tMeterWork work(FMeterWork);
        cleared = ClearMeterMemory(*Meter, ModelIndex);
    }
    if (cleared) InfoBox(MemoryClearedText());
}

void TForm1::SaveListBtnclick()
{
    if (!Readings) return;
    SaveListWithDialog(this, SavedReadingsOf(*Readings), FChooseSaveFile);
}

void TForm1::tbBtnclick()
{
    ShowTestPicture(ModelIndex == kSpotMeterModel ? Meter.get() : nullptr, this);
}

void TForm1::ManualBtnclick()
{
    ShowManual(DeviceGrp->ItemIndex(), LanguageIndex, FOpenDocument);
}
