// Picture panes: a borderless scroll box that erases to its background colour and paints
// through a canvas, and a drawing window with an isotropic logical coordinate system.
#pragma once

#include <QAbstractScrollArea>
#include <QColor>
#include <QSize>
#include <functional>

class QPainter;

class TCustomGraphScrollBox : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit TCustomGraphScrollBox(QWidget* parent = nullptr);

    QColor Color() const { return FColor; }
    void SetColor(const QColor& color);

    // The pane's drawing canvas; set only while the pane paints.
    QPainter* Canvas() const { return FCanvas; }

protected:
    void paintEvent(QPaintEvent* event) override;
    // Draws on Canvas() after the client area has been erased.
    virtual void Paint() {}

private:
    QColor FColor = Qt::white;
    QPainter* FCanvas = nullptr;
};

class TGraphScrollBox : public TCustomGraphScrollBox {
    Q_OBJECT
public:
    using TCustomGraphScrollBox::TCustomGraphScrollBox;

    // Called on every paint with Canvas() ready: the pane's font, a brush of its colour.
    std::function<void()> OnPaint;

protected:
    void Paint() override;
};

class TDrwWin : public TGraphScrollBox {
    Q_OBJECT
    Q_PROPERTY(int margin READ margin WRITE setMargin)
public:
    explicit TDrwWin(QWidget* parent = nullptr);

    int margin() const { return FMargin; }
    // Pixels kept free on every side; negative values are ignored.
    void setMargin(int margin);

    // The logical drawing extent: the pane's size when it was first made ready for showing
    // (or rendering). Empty before that.
    QSize LogicalExtent() const { return FExtent; }
    // Pixels per logical unit, the same in both directions; 0 when nothing can be drawn.
    qreal Scale() const;

protected:
    bool event(QEvent* event) override;
    void Paint() override;

private:
    int FMargin = 5;
    QSize FExtent;
};
