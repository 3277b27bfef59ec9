// The test picture: five patches, a control panel with the reading and the grey level, and
// the poll that reads the spot meter while the window is open.
#include "ui/tb.h"

#include "common/valuetext.h"
#include "meter/meter.h"
#include "ui/widgets.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <vector>

namespace {

constexpr int kPollMs = 200;
constexpr uint8_t kReadingReady = 0x40; // status bit: the meter holds a new reading

constexpr int kPatchWidth = 257;
constexpr int kPatchHeight = 241;
constexpr int kPanelWidth = 257;
constexpr int kPanelHeight = 209;
// The centre patch is anchored on all sides: it keeps the margins it has at the design size
// (336 left, 341 right, 216 top, 217 bottom of a 934 by 674 client area).
constexpr int kCentreMarginsX = 336 + 341;
constexpr int kCentreMarginsY = 216 + 217;

const QColor kSilver(192, 192, 192);
const QColor kGrey(128, 128, 128);

// A plain coloured area that keeps clicks to itself, so that a double click closes the
// window only on its background.
class TPatch : public QWidget {
public:
    TPatch(QWidget* parent, const QColor& colour) : QWidget(parent)
    {
        setAutoFillBackground(true);
        SetColour(colour);
    }
    void SetColour(const QColor& colour)
    {
        QPalette p = palette();
        p.setColor(QPalette::Window, colour);
        setPalette(p);
    }

protected:
    void mousePressEvent(QMouseEvent* event) override { event->accept(); }
    void mouseDoubleClickEvent(QMouseEvent* event) override { event->accept(); }
};

std::vector<TtbForm*>& OpenForms()
{
    static std::vector<TtbForm*> forms;
    return forms;
}

void SetBackground(QWidget* w, const QColor& colour)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, colour);
    w->setPalette(p);
}

} // namespace

TtbForm::TtbForm(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    OpenForms().push_back(this);
    setObjectName(QStringLiteral("tbForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Testbild"));
    setAutoFillBackground(true);
    SetBackground(this, kSilver);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(11);
    setFont(f);
    resize(942, 701);

    const auto patch = [this](const char* name, int x, int y) {
        auto* p = new TPatch(this, kGrey);
        p->setObjectName(QString::fromLatin1(name));
        p->setGeometry(x, y, kPatchWidth, kPatchHeight);
        return p;
    };
    Panel1 = patch("Panel1", 0, -8);
    Panel2 = patch("Panel2", 0, 432);
    Panel3 = patch("Panel3", 672, 0);
    Panel4 = patch("Panel4", 672, 432);
    Panel5 = patch("Panel5", 336, 216);

    Panel6 = new TPatch(this, kSilver);
    Panel6->setObjectName(QStringLiteral("Panel6"));
    Panel6->setGeometry(336, 464, kPanelWidth, kPanelHeight);

    Label1 = new QLabel(Panel6);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont big(QStringLiteral("Arial"));
    big.setPixelSize(32);
    big.setBold(true);
    Label1->setFont(big);
    Label1->setGeometry(8, 56, kPanelWidth - 16, 40);

    colGrp = new TRadioGroup(
        QStringLiteral("mode"),
        {QStringLiteral("0 %"), QStringLiteral("50 %"), QStringLiteral("100 %")}, Panel6);
    colGrp->setObjectName(QStringLiteral("colGrp"));
    colGrp->setGeometry(8, 104, 241, 81);
    colGrp->SetItemIndex(1);
    connect(colGrp, &TRadioGroup::Click, this, &TtbForm::colGrpClick);

    Button1 = new TRoundButton(QStringLiteral("quit"), Panel6, 11);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(96, 192, 75, 17);
    connect(Button1, &QPushButton::clicked, this, &TtbForm::Button1Click);

    mTimer = new QTimer(this);
    mTimer->setObjectName(QStringLiteral("mTimer"));
    mTimer->setInterval(kPollMs);
    connect(mTimer, &QTimer::timeout, this, &TtbForm::mTimerTimer);

    colGrpClick();
}

TtbForm::~TtbForm()
{
    auto& forms = OpenForms();
    forms.erase(std::remove(forms.begin(), forms.end(), this), forms.end());
}

void TtbForm::ForgetMeter(const tMeter* meter)
{
    if (!meter) return;
    for (TtbForm* form : OpenForms()) {
        if (form->Meter != meter) continue;
        form->Meter = nullptr;
        form->KeyOnPending = false;
        form->mTimer->stop();
        // Nothing is left to switch off: a quit that waited for the poll happens now.
        if (form->QuitRequested) QTimer::singleShot(0, form, &QWidget::close);
    }
}

void TtbForm::ArrangeControls()
{
    const int w = width();
    const int h = height();
    Panel1->move(0, -8);
    Panel2->move(0, h - Panel2->height());
    Panel3->move(w - kPatchWidth - 2, 0);
    Panel4->move(w - kPatchWidth - 2, h - Panel4->height());
    Panel6->move((w - Panel6->width()) / 2, h - Panel6->height());
    const int cw = std::max(0, w - kCentreMarginsX);
    const int ch = std::max(0, h - kCentreMarginsY);
    Panel5->setGeometry((w - cw) / 2, (h - ch) / 2, cw, ch);
}

void TtbForm::colGrpClick()
{
    const int level = colGrp->ItemIndex();
    SetBackground(this, level == 0 ? Qt::black : kSilver);
    const QColor patchColour = level == 2 ? QColor(Qt::white) : kGrey;
    for (QWidget* p : {Panel1, Panel2, Panel3, Panel4, Panel5}) {
        static_cast<TPatch*>(p)->SetColour(patchColour);
        p->setVisible(level != 0);
    }
}

void TtbForm::SwitchKeysOn()
{
    if (!Meter) return;
    if (Meter->InExchange()) {
        KeyOnPending = true; // a poll that comes later sends it
        return;
    }
    Meter->KeyOn();
}

void TtbForm::mTimerTimer()
{
    mTimer->stop();
    // Someone else is talking to the meter and lets events run meanwhile: starting an
    // operation now would fail, and closing could pull the meter away under it. Next time.
    if (Meter && Meter->InExchange()) {
        mTimer->start();
        return;
    }

    if (QuitRequested) {
        tMeter* meter = Meter;
        const bool keysOn = !KeyOnPending;
        Meter = nullptr;
        close();
        // The window may be gone once the meter has let events run; nothing of it is used
        // from here on.
        if (meter && keysOn) meter->KeyOff();
        return;
    }
    if (!Meter) return;

    QPointer<TtbForm> self(this);
    tMeter* meter = Meter;
    if (KeyOnPending) {
        KeyOnPending = false;
        meter->KeyOn();
    } else {
        const uint8_t status = meter->ReadStatus();
        if (!self) return;
        if ((status & kReadingReady) && Meter == meter) {
            uint8_t unit = 0;
            const float value = meter->FetchReading(unit);
            if (!self) return;
            Label1->setText(ValueText(value, unit, 2));
        }
    }
    if (!self) return;
    // A meter forgotten meanwhile is not polled again.
    if (Meter == meter) mTimer->start();
}

void TtbForm::RequestQuit()
{
    QuitRequested = true;
    if (!Meter) close();
    // With a meter the next poll closes the window and switches the keys off.
}

void TtbForm::FormDblClick()
{
    RequestQuit();
}

void TtbForm::Button1Click()
{
    RequestQuit();
}

void TtbForm::FormShow()
{
    if (Meter && !QuitRequested && !mTimer->isActive()) mTimer->start();
}

void TtbForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    FormShow();
}

void TtbForm::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    ArrangeControls();
}

void TtbForm::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
    FormDblClick();
}

void TtbForm::closeEvent(QCloseEvent* event)
{
    // With a meter only the poll may close the window, so that "KEY 0" follows the close.
    if (Meter) {
        event->ignore();
        QuitRequested = true;
        return;
    }
    event->accept();
}

TtbForm* ShowTestPicture(tMeter* meter, QWidget* mainWindow)
{
    QPointer<TtbForm> form = new TtbForm(mainWindow);
    QScreen* screen = mainWindow ? mainWindow->screen() : nullptr;
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (screen) form->setGeometry(screen->geometry());
    form->ArrangeControls();
    form->SetMeter(meter);
    form->SwitchKeysOn();
    if (!form) return nullptr; // its owner went away while the meter let events run
    form->showFullScreen();
    return form;
}
