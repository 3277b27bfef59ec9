// The main window: layout, creation, first showing, "AutoConfig", page switching, the
// language switch and the device catalogue's handlers.
#include "ui/mainform.h"

#include "app/devicepicture.h"
#include "app/graphscrollbox.h"
#include "common/clock.h"
#include "i18n/dialogtool.h"
#include "i18n/language.h"
#include "i18n/msgmanager.h"
#include "meter/meter.h"
#include "ui/chartscale.h"
#include "ui/devicecatalogue.h"
#include "ui/measlist.h"
#include "ui/tb.h"
#include "ui/widgets.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QCloseEvent>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QPainter>
#include <QScreen>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTableView>
#include <QTimer>
#include <QValueAxis>

namespace {

const QColor kSilver(192, 192, 192);
constexpr int kBarHeight = 74;
constexpr int kPageWidth = 755; // the design width of the page area
const QString kDesignCaption = QStringLiteral("KESTROM - Quirrel");
const QString kTitle = QStringLiteral("Kestrom Quirrel  V 2.10");

QFont ArialFont(int pixelSize, bool bold = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

// A fixed picture stretched over its whole area.
class tPictureBox : public QWidget {
public:
    explicit tPictureBox(QWidget* parent) : QWidget(parent) {}
    void SetPicture(const QImage& picture)
    {
        FPicture = picture;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (FPicture.isNull()) return;
        QPainter painter(this);
        painter.drawImage(rect(), FPicture);
    }

private:
    QImage FPicture;
};

// The busy cursor for as long as it lives.
struct tBusyCursor {
    tBusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~tBusyCursor() { QApplication::restoreOverrideCursor(); }
    tBusyCursor(const tBusyCursor&) = delete;
    tBusyCursor& operator=(const tBusyCursor&) = delete;
};

// The meter ends each line with CR LF; a label breaks its lines at LF.
QString ShownLines(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QChar(u'\r'), QChar(u'\n'));
    return text;
}

// A radio group with its caption on the frame line, so that the small ones still have room
// for their items. (A style sheet does not pass the window's font on, so it names it.)
TRadioGroup* Framed(TRadioGroup* group)
{
    group->setStyleSheet(QStringLiteral(
        "TRadioGroup, QRadioButton { font-family: Arial; font-size: 11px; }"
        "TRadioGroup { border: 1px solid rgb(150,150,150); margin-top: 6px; padding-top: 2px; }"
        "TRadioGroup::title { subcontrol-origin: margin; subcontrol-position: top left;"
        " left: 7px; padding: 0px 2px; background-color: rgb(192,192,192); }"));
    return group;
}

template <class T> T* Named(T* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

TRoundButton* Button(QWidget* parent, const char* name, const QString& caption, const QRect& at,
                     int pixelSize = 13, const QString& hint = QString())
{
    auto* button = Named(new TRoundButton(caption, parent, pixelSize), name);
    button->setGeometry(at);
    if (!hint.isEmpty()) button->setToolTip(hint);
    return button;
}

} // namespace

namespace {
QStringList ComboItems(const QComboBox* combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
    return items;
}
} // namespace

TForm1::TForm1(tFtdi& ftdi, tClock& clock, QWidget* parent)
    : QWidget(parent), FFtdi(ftdi), FClock(clock)
{
    CreateControls();
    WatchHotKeys();
    FormCreate();
}

TForm1::~TForm1()
{
    TtbForm::ForgetMeter(Meter.get());
}

void TForm1::SetSplashCloser(std::function<void()> closeSplash)
{
    FCloseSplash = std::move(closeSplash);
}

bool TForm1::MeterInUse() const
{
    return FReplacingMeter || FMeterWork > 0 || (Meter && Meter->InExchange());
}

// ---------------------------------------------------------------------------------------
// Layout, in design order: the order in which the controls are created is the order in
// which translation visits them.

void TForm1::CreateControls()
{
    setWindowTitle(kDesignCaption);
    setFont(ArialFont(11));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kSilver);
    setPalette(palette);
    setAutoFillBackground(true);
    resize(763, 476);
    setMinimumSize(763, 476);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }

    NBK = Named(new QStackedWidget(this), "NBK");
    auto* startPage = new QWidget(NBK);
    auto* measuringPage = new QWidget(NBK);
    NBK->addWidget(startPage);
    NBK->addWidget(measuringPage);
    CreateStartPage(startPage);
    CreateMeasuringPage(measuringPage);
    CreateBottomBar();

    connect(ConfigBtn, &QPushButton::clicked, this, &TForm1::ConfigBtnclick);
    connect(VersBtn, &QPushButton::clicked, this, &TForm1::VersBtnclick);
    connect(InfoBtn, &QPushButton::clicked, this, &TForm1::InfoBtnclick);
    connect(MeaBtn, &QPushButton::clicked, this, &TForm1::MeaBtnclick);
    connect(QuitBtn, &QPushButton::clicked, this, &TForm1::QuitBtnclick);
    connect(DeviceGrp, &TRadioGroup::Click, this, &TForm1::DeviceGrpClick);
    connect(LangGrp, &TRadioGroup::Click, this, &TForm1::LangGrpClick);
    // Only a choice by the user: lists filled by program send nothing to the meter.
    connect(qCombo, qOverload<int>(&QComboBox::activated), this, &TForm1::qComboChange);
    connect(mbCombo, qOverload<int>(&QComboBox::activated), this, &TForm1::mbComboChange);

    connect(mBtn, &QPushButton::clicked, this, &TForm1::mBtnclick);
    connect(cbtn, &QPushButton::clicked, this, &TForm1::cbtnclick);
    connect(setupBtn, &QPushButton::clicked, this, &TForm1::setupBtnclick);
    connect(RadioGroup1, &TRadioGroup::Click, this, &TForm1::RadioGroup1Click);
    connect(NBK2, &QStackedWidget::currentChanged, this, &TForm1::NBK2PageChanged);
    connect(ScaleGrp, &TRadioGroup::Click, this, &TForm1::ScaleGrpClick);
    connect(DelListBtn, &QPushButton::clicked, this, &TForm1::DelListBtnclick);
    connect(DelChartBtn, &QPushButton::clicked, this, &TForm1::DelListBtnclick);
    connect(MemBtn, &QPushButton::clicked, this, &TForm1::MemBtnclick);
    connect(DelMemBtn, &QPushButton::clicked, this, &TForm1::DelMemBtnclick);
    connect(SaveListBtn, &QPushButton::clicked, this, &TForm1::SaveListBtnclick);
    connect(tbBtn, &QPushButton::clicked, this, &TForm1::tbBtnclick);
    connect(ManualBtn, &QPushButton::clicked, this, &TForm1::ManualBtnclick);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
}

void TForm1::CreateStartPage(QWidget* page)
{
    ImgWin = Named(new TDrwWin(page), "ImgWin");
    ImgWin->setGeometry(0, 0, 305, 377);
    ImgWin->SetColor(Qt::white);
    ImgWin->setMargin(5);
    ImgWin->OnPaint = [this] { ImgWinPaint(); };

    VersBtn = Button(page, "VersBtn", QStringLiteral("Version"), QRect(328, 24, 113, 33), 16,
                     QStringLiteral("Geräteversion abfragen"));
    Label1 = Named(new QLabel(page), "Label1");
    Label1->setFont(ArialFont(13, true));
    Label1->setGeometry(464, 24, kPageWidth - 464, 120);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setTextFormat(Qt::PlainText);
    ManualBtn = Button(page, "ManualBtn", QStringLiteral("Anleitung"), QRect(328, 88, 113, 33), 13,
                       QStringLiteral("Anleitung anzeigen"));
    ConfigBtn = Button(page, "ConfigBtn", QStringLiteral("AutoConfig"), QRect(328, 184, 113, 33),
                       13, QStringLiteral("Werkseinstellungen setzen"));

    DeviceGrp = Framed(
        Named(new TRadioGroup(QStringLiteral(" Gerät wählen "),
                              {QStringLiteral("ORBITEL 7718 C / USB"),
                               QStringLiteral("ORBITEL 7718 B / USB"),
                               QStringLiteral("ZENTA-Monitor"), QStringLiteral("ZENTA-SPOT 2 USB")},
                              page),
              "DeviceGrp"));
    DeviceGrp->setGeometry(328, 264, 185, 89);
    DeviceGrp->SetItemIndex(0);
    LangGrp =
        Framed(Named(new TRadioGroup(QStringLiteral(" Sprache wählen "),
                                     {QStringLiteral("Deutsch"), QStringLiteral("English"),
                                      QStringLiteral("Französisch"), QStringLiteral("Spanisch")},
                                     page),
                     "LangGrp"));
    LangGrp->setGeometry(544, 264, 185, 89);
}

void TForm1::CreateMeasuringPage(QWidget* page)
{
    const QFont listFont = ArialFont(13, true);

    qComboLabel = Named(new QLabel(QStringLiteral("Meßgröße auswählen"), page), "qComboLabel");
    qComboLabel->setGeometry(16, 10, 193, 14);
    qCombo = Named(new QComboBox(page), "qCombo");
    qCombo->setFont(listFont);
    qCombo->addItems({QStringLiteral("Lux / cd/m²"), QStringLiteral("footcandle, footlambert")});
    qCombo->setGeometry(16, 24, 193, 22);
    qComboLabel->setBuddy(qCombo);

    mbComboLabel = Named(new QLabel(QStringLiteral("Meßbereich auswählen"), page), "mbComboLabel");
    mbComboLabel->setGeometry(16, 58, 193, 14);
    mbCombo = Named(new QComboBox(page), "mbCombo");
    mbCombo->setFont(listFont);
    mbCombo->addItems({QStringLiteral("Auto"), QStringLiteral("Meßbereich 1 (0.1  ..      200 lx)"),
                       QStringLiteral("Meßbereich 2 (1     ..    2000 lx)"),
                       QStringLiteral("Meßbereich 3 (10   ..  20000 lx)"),
                       QStringLiteral("Meßbereich 4 (100 ..200000 lx)")});
    mbCombo->setGeometry(16, 72, 193, 22);
    mbComboLabel->setBuddy(mbCombo);

    Label2 = Named(new QLabel(page), "Label2");
    Label2->setFont(ArialFont(32, true));
    Label2->setAlignment(Qt::AlignRight | Qt::AlignTop);
    Label2->setTextFormat(Qt::PlainText);
    Label2->setGeometry(0, 112, 193, 44);

    mBtn = Button(page, "mBtn", QStringLiteral("Meßwert anzeigen"), QRect(23, 176, 177, 33));
    cbtn =
        Button(page, "cbtn", QStringLiteral("kontinuierlich messen ein"), QRect(23, 224, 177, 33));
    setupBtn = Button(page, "setupBtn", QStringLiteral("Einstellungen"), QRect(23, 288, 177, 33));

    RadioGroup1 = Framed(Named(
        new TRadioGroup(QString(), {QStringLiteral("Liste"), QStringLiteral("Grafik")}, page, 2),
        "RadioGroup1"));
    RadioGroup1->setGeometry(20, 326, 185, 37);
    RadioGroup1->SetItemIndex(0);

    NBK2 = Named(new QStackedWidget(page), "NBK2");
    NBK2->setGeometry(224, 0, 529, 377);
    auto* tablePage = new QWidget(NBK2);
    auto* chartPage = new QWidget(NBK2);
    NBK2->addWidget(tablePage);
    NBK2->addWidget(chartPage);
    CreateTablePage(tablePage);
    CreateChartPage(chartPage);
}

void TForm1::CreateTablePage(QWidget* page)
{
    ValTable = Named(new QTableView(page), "ValTable");
    ValTable->setGeometry(0, 0, 201, 377);
    QPalette palette = ValTable->palette();
    palette.setColor(QPalette::Base, kSilver);
    ValTable->setPalette(palette);
    ValTable->verticalHeader()->hide();
    ValTable->verticalHeader()->setDefaultSectionSize(22);
    ValTable->setGridStyle(Qt::DotLine);
    // The cells come with the reading list, at the first showing.

    MemBtn = Button(page, "MemBtn", QStringLiteral("Speicher auslesen"), QRect(312, 120, 177, 33));
    DelMemBtn =
        Button(page, "DelMemBtn", QStringLiteral("Speicher löschen"), QRect(312, 160, 177, 33));
    SaveListBtn =
        Button(page, "SaveListBtn", QStringLiteral("Liste speichern"), QRect(312, 272, 177, 33));
    DelListBtn =
        Button(page, "DelListBtn", QStringLiteral("Liste löschen"), QRect(312, 312, 177, 33));
}

void TForm1::CreateChartPage(QWidget* page)
{
    auto* chart = new QChart;
    chart->legend()->hide();
    chart->setBackgroundBrush(kSilver);
    chart->setBackgroundRoundness(0);
    ChartSeries = new QLineSeries(chart);
    QPen pen = ChartSeries->pen();
    pen.setWidth(2);
    ChartSeries->setPen(pen);
    chart->addSeries(ChartSeries);
    IndexAxis = new QValueAxis(chart);
    IndexAxis->setLabelFormat(QStringLiteral("%d"));
    IndexAxis->setRange(0, 10);
    IndexAxis->setTickCount(6);
    ValueAxis = new QValueAxis(chart);
    ValueAxis->setRange(0, 100);
    ValueAxis->setTitleText(AxisTitle(0, 0));
    for (QValueAxis* axis : {IndexAxis, ValueAxis}) {
        axis->setLineVisible(false);
        axis->setLabelsVisible(true);
    }
    chart->addAxis(IndexAxis, Qt::AlignBottom);
    chart->addAxis(ValueAxis, Qt::AlignLeft);
    ChartSeries->attachAxis(IndexAxis);
    ChartSeries->attachAxis(ValueAxis);

    Chart = Named(new QChartView(chart, page), "Chart");
    Chart->setGeometry(8, 8, 529, 313);
    Chart->setBackgroundBrush(kSilver);

    DelChartBtn = Button(page, "DelChartBtn", QStringLiteral("löschen"), QRect(64, 328, 121, 33));
    ScaleGrp = Framed(
        Named(new TRadioGroup(QStringLiteral(" Skalierung "),
                              {QStringLiteral("0..max"), QStringLiteral("min..max")}, page, 2),
              "ScaleGrp"));
    ScaleGrp->setGeometry(336, 328, 185, 33);
    ScaleGrp->SetItemIndex(0);
}

void TForm1::CreateBottomBar()
{
    Panel1 = Named(new TPanel(this), "Panel1");
    auto* picture = new tPictureBox(Panel1);
    picture->setObjectName(QStringLiteral("BarImage"));
    picture->setGeometry(0, 7, 305, 63);
    QImage strip;
    LoadStoredPicture(BottomBarPicturePath, strip);
    picture->SetPicture(strip);
    BarImage = picture;

    InfoBtn = Button(Panel1, "InfoBtn", QStringLiteral("Info"), QRect(328, 24, 89, 33), 16);
    MeaBtn = Button(Panel1, "MeaBtn", QStringLiteral("Messen"), QRect(440, 24, 89, 33), 16);
    tbBtn = Button(Panel1, "tbBtn", QStringLiteral("Testbild"), QRect(552, 24, 89, 33), 16);
    tbBtn->hide();
    QuitBtn = Button(Panel1, "QuitBtn", QStringLiteral("Ende"), QRect(656, 24, 81, 33), 16);
}

void TForm1::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    NBK->setGeometry(0, 0, width(), height() - kBarHeight);
    Panel1->setGeometry(0, height() - kBarHeight, width(), kBarHeight);
}

// ---------------------------------------------------------------------------------------
// Creation, first showing, closing.

void TForm1::FormCreate()
{
    FreeInterval = 1.0 / 86400;
    // The design state has no language chosen, so this is a change and switches the
    // language once: the window is translated before the pass below.
    LangGrp->SetItemIndex(LanguageIndex);
    TranslateForm(1, FormsLanguageFile(), this, &FClock);
    WriteFormTexts(FormsLanguageFile(), this);
    setWindowTitle(kTitle);
    LoadDevicePicture(1, DevicePicture);
    qCombo->setCurrentIndex(0);
    Factor = 1.0f;
    NBK->setCurrentIndex(0);
    NBK2->setCurrentIndex(0);
    mbCombo->setCurrentIndex(0);
    IntervalChoice = 2;
}

void TForm1::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (FShown) return;
    FShown = true;
    FormShow();
}

void TForm1::FormShow()
{
    FReplacingMeter = true;
    Meter = std::make_unique<tMeter>(FFtdi, FClock);
    FReplacingMeter = false;
    ConfigBtnclick();
    VersBtnclick();
    CreateReadings();
    if (FCloseSplash) FCloseSplash();
}

void TForm1::closeEvent(QCloseEvent* event)
{
    bool canClose = true;
    FormCloseQuery(canClose);
    event->setAccepted(canClose);
}

// ---------------------------------------------------------------------------------------
// Start page.

void TForm1::ConfigBtnclick()
{
    // Pressed while another meter operation waits inside its exchange: replacing the meter
    // now would free it under that operation.
    if (!Meter || MeterInUse()) return;
    tBusyCursor busy;
    Meter->Reset();
    FClock.Sleep(500);
    FReplacingMeter = true;
    TtbForm::ForgetMeter(Meter.get());
    Meter.reset();
    Meter = std::make_unique<tMeter>(FFtdi, FClock);
    FReplacingMeter = false;
    FClock.Sleep(750);
    ModelIndex = Meter->Identify();
    if (ModelIndex < 0) {
        // No model: no item chosen, and no device choice runs.
        const QSignalBlocker quiet(DeviceGrp);
        DeviceGrp->SetItemIndex(-1);
    } else {
        DeviceGrp->SetItemIndex(ModelIndex); // runs the device choice only on a change
    }
    UpdateRangeCombo();
    VersBtnclick();
}

void TForm1::VersBtnclick()
{
    if (!Meter || MeterInUse()) return;
    QString text;
    Meter->GetVersionText(text);
    Label1->setText(ShownLines(text));
}

void TForm1::InfoBtnclick()
{
    NBK->setCurrentIndex(0);
}

void TForm1::MeaBtnclick()
{
    qComboChange();
    NBK->setCurrentIndex(1);
}

void TForm1::LangGrpClick()
{
    const int index = LangGrp->ItemIndex();
    if (index < 0) return;
    LanguageIndex = index;
    // The range lists are the same in every language: the file's range items (written
    // from whatever list was shown then) must not replace the list of the chosen model.
    const QStringList ranges = ComboItems(mbCombo);
    TranslateForm(1, FormsLanguageFile(), this, &FClock);
    for (int i = 0; i < ranges.size() && i < mbCombo->count(); ++i)
        mbCombo->setItemText(i, ranges[i]);
    WriteFormTexts(FormsLanguageFile(), this);
    CreateMsgManager();
    // The forms file holds the caption of a stopped measurement.
    if (Continuous) SetMeasuringControls();
    update();
}

void TForm1::ImgWinPaint()
{
    QRect target(QPoint(0, 0), ImgWin->LogicalExtent());
    if (target.isEmpty()) target = QRect(0, 0, 305, 377);
    DrawBitmapFitted(DevicePicture, target, *ImgWin->Canvas(), 4);
}

// ---------------------------------------------------------------------------------------
// Device catalogue and range choice.

void TForm1::DeviceGrpClick()
{
    const tDeviceRow* row = DeviceRow(DeviceGrp->ItemIndex());
    if (!row) return;
    tbBtn->hide();
    mbCombo->clear();
    mbCombo->addItems(row->Ranges);
    tbBtn->setVisible(row->TestPicture);
    mbCombo->setCurrentIndex(0);
    UnitCode = row->UnitCode;
    SetAxisTitle();
    LoadDevicePicture(row->PictureId, DevicePicture);
    ImgWin->viewport()->update();
}

void TForm1::qComboChange()
{
    // Inside another operation's exchange the meter cannot answer: the lists stay as they are.
    if (!Meter || MeterInUse()) return;
    const int quantity = qCombo->currentIndex();
    mbCombo->clear();
    const int model = Meter->Identify();
    QStringList ranges;
    QuantityRanges(model, quantity, ranges, UnitCode);
    mbCombo->clear();
    mbCombo->addItems(ranges);
    mbCombo->setCurrentIndex(0);
    SetAxisTitle();
    Meter->SetUnit(UnitCode);
}

void TForm1::mbComboChange(int index)
{
    if (!Meter || MeterInUse()) return;
    Meter->SetRange(uint32_t(index));
}

void TForm1::UpdateRangeCombo()
{
    mbCombo->setCurrentIndex(0);
    mbCombo->setEnabled(ModelIndex != 3);
}

void TForm1::SetAxisTitle()
{
    ValueAxis->setTitleText(AxisTitle(UnitCode, LanguageIndex));
}
