// Picture panes.
#include "app/graphscrollbox.h"

#include <QEvent>
#include <QPainter>
#include <algorithm>

TCustomGraphScrollBox::TCustomGraphScrollBox(QWidget* parent) : QAbstractScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void TCustomGraphScrollBox::SetColor(const QColor& color)
{
    if (color == FColor) return;
    FColor = color;
    viewport()->update();
}

void TCustomGraphScrollBox::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), FColor);
    FCanvas = &painter;
    Paint();
    FCanvas = nullptr;
}

void TGraphScrollBox::Paint()
{
    Canvas()->setFont(font());
    Canvas()->setBrush(Color());
    if (OnPaint) OnPaint();
}

TDrwWin::TDrwWin(QWidget* parent) : TGraphScrollBox(parent) {}

void TDrwWin::setMargin(int margin)
{
    if (margin < 0 || margin == FMargin) return;
    FMargin = margin;
    viewport()->update();
}

bool TDrwWin::event(QEvent* event)
{
    // The extent is fixed once, when the pane is first polished for showing: by then its
    // placement in the window is known.
    if (event->type() == QEvent::Polish && FExtent.isEmpty()) FExtent = maximumViewportSize();
    return TGraphScrollBox::event(event);
}

qreal TDrwWin::Scale() const
{
    const int availW = viewport()->width() - 2 * FMargin;
    const int availH = viewport()->height() - 2 * FMargin;
    if (FExtent.isEmpty() || availW <= 0 || availH <= 0) return 0;
    return std::min(qreal(availW) / FExtent.width(), qreal(availH) / FExtent.height());
}

void TDrwWin::Paint()
{
    const qreal s = Scale();
    if (s <= 0) return; // no room inside the margin: the background is all there is
    Canvas()->save();
    Canvas()->translate(FMargin, FMargin);
    Canvas()->scale(s, s);
    TGraphScrollBox::Paint();
    Canvas()->restore();
}
