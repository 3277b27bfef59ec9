// Drawing a picture fitted and unsmoothed, and the picture pane with its isotropic mapping.
#include "app/devicepicture.h"
#include "app/graphscrollbox.h"

#include <QPainter>
#include <QtTest>

namespace {

const QRgb White = qRgb(255, 255, 255);
const QRgb Red = qRgb(255, 0, 0);
const QRgb Blue = qRgb(0, 0, 255);
const QRgb Sentinel = qRgb(255, 0, 255); // never drawn by the code under test

QImage Solid(int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_RGB888);
    image.fill(colour);
    return image;
}

// Red and blue columns: any smoothing would show up as mixed colours.
QImage Stripes(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB888);
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y) image.setPixel(x, y, x % 2 ? Blue : Red);
    return image;
}

// The smallest rectangle holding every pixel not of the given colours.
QRect Extent(const QImage& image, std::initializer_list<QRgb> background)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y) | 0xFF000000;
            if (std::find(background.begin(), background.end(), c) == background.end())
                box |= QRect(x, y, 1, 1);
        }
    return box;
}

bool OnlyColours(const QImage& image, std::initializer_list<QRgb> colours)
{
    return Extent(image, colours).isNull();
}

QImage Render(QWidget& widget)
{
    QImage image(widget.size(), QImage::Format_RGB32);
    image.fill(Sentinel);
    widget.render(&image);
    return image;
}

bool Near(const QRect& a, const QRect& b)
{
    return qAbs(a.left() - b.left()) <= 1 && qAbs(a.top() - b.top()) <= 1 &&
           qAbs(a.right() - b.right()) <= 1 && qAbs(a.bottom() - b.bottom()) <= 1;
}

// The picture pane of the start page, drawing its picture as the main window does.
struct tPane {
    TDrwWin Pane;
    QImage Picture;

    tPane()
    {
        Pane.resize(305, 377);
        Pane.OnPaint = [this] {
            DrawBitmapFitted(Picture, QRect(0, 0, 305, 377), *Pane.Canvas(), 4);
        };
    }
};

} // namespace

class TestPictureDrawing : public QObject {
    Q_OBJECT
private slots:
    void fittedWithoutSmoothing_data()
    {
        QTest::addColumn<QSize>("source");
        QTest::addColumn<QRect>("target");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QRect>("drawn");
        QTest::newRow("enlarged, centred") << QSize(20, 10) << QRect(0, 0, 300, 100) << 4
                                           << QRect(50, 0, 200, 100);
        QTest::newRow("shrunk, at the bottom") << QSize(101, 203) << QRect(0, 0, 100, 300) << 8
                                               << QRect(0, 99, 100, 201);
        QTest::newRow("photograph into the pane") << QSize(804, 886) << QRect(0, 0, 305, 377)
                                                  << 4 << QRect(0, 20, 305, 336);
    }
    void fittedWithoutSmoothing()
    {
        QFETCH(QSize, source);
        QFETCH(QRect, target);
        QFETCH(int, mode);
        QFETCH(QRect, drawn);
        QImage canvas(target.size() + QSize(20, 20), QImage::Format_RGB32);
        canvas.fill(White);
        {
            QPainter painter(&canvas);
            painter.setRenderHint(QPainter::SmoothPixmapTransform); // must be overridden
            DrawBitmapFitted(Stripes(source.width(), source.height()), target, painter, mode);
            QVERIFY(painter.testRenderHint(QPainter::SmoothPixmapTransform)); // state restored
        }
        QCOMPARE(Extent(canvas, {White}), drawn);
        QVERIFY(OnlyColours(canvas, {White, Red, Blue}));
    }

    void nothingToDraw()
    {
        QImage canvas = Solid(100, 100, White);
        QPainter painter(&canvas);
        DrawBitmapFitted(QImage(), QRect(0, 0, 100, 100), painter, 4);
        DrawBitmapFitted(Solid(10, 10, Red), QRect(0, 0, 100, 100), painter, 9);
        DrawBitmapFitted(Solid(10, 10, Red), QRect(0, 0, 0, 100), painter, 4);
        painter.end();
        QVERIFY(OnlyColours(canvas, {White}));
    }

    void paneWithoutPictureIsWhite()
    {
        tPane pane;
        const QImage image = Render(pane.Pane);
        QCOMPARE(pane.Pane.LogicalExtent(), QSize(305, 377));
        QVERIFY(OnlyColours(image, {White}));
    }

    void paneKeepsMarginAndAspect()
    {
        tPane pane;
        pane.Picture = Solid(804, 886, Red);
        const QImage image = Render(pane.Pane);
        QVERIFY(OnlyColours(image, {White, Red}));
        // Logical (0, 20, 305, 356) at 295/305 pixels per unit, 5 pixels in.
        const qreal s = 295.0 / 305;
        const QRect expected(QPoint(5, qRound(5 + 20 * s)), QPoint(299, qRound(5 + 356 * s) - 1));
        const QRect drawn = Extent(image, {White});
        QVERIFY2(Near(drawn, expected), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                       .arg(drawn.x())
                                                       .arg(drawn.y())
                                                       .arg(drawn.width())
                                                       .arg(drawn.height())));
        QCOMPARE(pane.Pane.Scale(), s);
    }

    void marginChanges()
    {
        tPane pane;
        pane.Picture = Solid(804, 886, Red);
        QCOMPARE(pane.Pane.margin(), 5);
        pane.Pane.setMargin(-1);
        QCOMPARE(pane.Pane.margin(), 5);
        pane.Pane.setMargin(0);
        QCOMPARE(Extent(Render(pane.Pane), {White}), QRect(0, 20, 305, 336));
        pane.Pane.setMargin(30);
        const QRect drawn = Extent(Render(pane.Pane), {White});
        QCOMPARE(drawn.left(), 30);
        QCOMPARE(drawn.right(), 305 - 30 - 1);
    }

    void noRoomInsideTheMargin()
    {
        tPane pane;
        pane.Picture = Solid(804, 886, Red);
        bool painted = false;
        pane.Pane.OnPaint = [&] { painted = true; };
        pane.Pane.setMargin(153);
        QVERIFY(OnlyColours(Render(pane.Pane), {White}));
        QVERIFY(!painted);
    }

    void extentStaysWhenThePaneGrows()
    {
        tPane pane;
        pane.Picture = Solid(804, 886, Red);
        Render(pane.Pane);
        pane.Pane.resize(610, 377);
        const QImage image = Render(pane.Pane);
        QCOMPARE(pane.Pane.LogicalExtent(), QSize(305, 377));
        const qreal s = 367.0 / 377; // the height limits now
        QCOMPARE(pane.Pane.Scale(), s);
        const QRect drawn = Extent(image, {White});
        QVERIFY(Near(drawn, QRect(QPoint(5, qRound(5 + 20 * s)),
                                  QPoint(qRound(5 + 305 * s) - 1, qRound(5 + 356 * s) - 1))));
        QVERIFY(qAbs(qreal(drawn.width()) / drawn.height() - 804.0 / 886) < 0.01);
    }

    void canvasIsPreparedForOnPaint()
    {
        TDrwWin pane;
        pane.resize(100, 80);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(17);
        pane.setFont(font);
        pane.SetColor(QColor(200, 220, 240));
        bool called = false;
        pane.OnPaint = [&] {
            called = true;
            QVERIFY(pane.Canvas());
            QCOMPARE(pane.Canvas()->font().pixelSize(), 17);
            QCOMPARE(pane.Canvas()->brush().color(), QColor(200, 220, 240));
            QCOMPARE(pane.Canvas()->transform().dx(), 5.0);
        };
        const QImage image = Render(pane);
        QVERIFY(called);
        QVERIFY(!pane.Canvas());
        QVERIFY(OnlyColours(image, {qRgb(200, 220, 240)}));
    }

    void graphScrollBoxWithoutHandler()
    {
        TGraphScrollBox box;
        box.resize(50, 40);
        QVERIFY(OnlyColours(Render(box), {White}));
    }
};

QTEST_MAIN(TestPictureDrawing)
#include "test_picturedrawing.moc"
