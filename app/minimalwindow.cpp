#include "app/minimalwindow.h"

#include "common/clock.h"
#include "common/valuetext.h"
#include "meter/meter.h"

#include <QCloseEvent>
#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

tMinimalWindow::tMinimalWindow(tFtdi& ftdi, tClock& clock, QWidget* parent)
    : QWidget(parent), FFtdi(ftdi), FClock(clock)
{
    setWindowTitle(QStringLiteral("Kestrom Quirrel  V 2.10"));
    resize(763, 476);
    auto* layout = new QVBoxLayout(this);
    VersionLabel = new QLabel(this);
    ValueLabel = new QLabel(this);
    QFont big = ValueLabel->font();
    big.setPointSize(28);
    big.setBold(true);
    ValueLabel->setFont(big);
    ValueLabel->setAlignment(Qt::AlignCenter);
    MeasureButton = new QPushButton(QStringLiteral("Messen"), this);
    layout->addWidget(VersionLabel);
    layout->addWidget(ValueLabel, 1);
    layout->addWidget(MeasureButton);
    connect(MeasureButton, &QPushButton::clicked, this, &tMinimalWindow::MeasureOnce);
}

tMinimalWindow::~tMinimalWindow() = default;

void tMinimalWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!Shown) {
        Shown = true;
        Connect();
    }
}

void tMinimalWindow::closeEvent(QCloseEvent* event)
{
    // Freeing the meter inside its own exchange would pull the converter from under it.
    if (Meter && Meter->InExchange()) event->ignore();
    else event->accept();
}

void tMinimalWindow::Connect()
{
    Meter = std::make_unique<tMeter>(FFtdi, FClock);
    QString version;
    Meter->GetVersionText(version);
    VersionLabel->setText(version.isEmpty() ? QStringLiteral("-") : version.trimmed());
}

void tMinimalWindow::MeasureOnce()
{
    if (!Meter || Meter->InExchange()) return;
    MeasureButton->setEnabled(false);
    uint8_t unit = 0;
    const float v = Meter->Measure(unit);
    if (v == ReadingNone) ValueLabel->setText(QStringLiteral("ERR"));
    else if (v == ReadingOverload) ValueLabel->setText(QStringLiteral("OVL"));
    else ValueLabel->setText(ValueText(v, unit, 2));
    MeasureButton->setEnabled(true);
}
