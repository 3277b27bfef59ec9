// quirrel2-makepictures: draws the pictures that the program carries as JPEG data: the three
// device photographs, the splash word mark and the logo strip of the bottom bar. Run it by
// hand when a picture is to change and commit what it writes; the build does not run it.
//
//   quirrel2-makepictures [output folder]     (default: resources/pictures)
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>
#include <algorithm>
#include <cstdio>
#include <random>

namespace {

constexpr int JpegQuality = 85;
const QString FontFamily = QStringLiteral("DejaVu Sans");

QFont Font(qreal pixels, int weight = QFont::Normal, qreal spacing = 0, bool condensed = false)
{
    QFont font(FontFamily);
    font.setPixelSize(qRound(pixels));
    font.setWeight(QFont::Weight(weight));
    if (spacing != 0) font.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
    if (condensed) font.setStretch(QFont::Condensed);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QColor Mix(const QColor& a, const QColor& b, qreal t)
{
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t),
                            float(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

// --- photographic surroundings -----------------------------------------------------------

// A paper backdrop lit from the upper left.
void Backdrop(QPainter& p, const QSize& size)
{
    QLinearGradient base(0, 0, 0, size.height());
    base.setColorAt(0, QColor(246, 246, 244));
    base.setColorAt(0.7, QColor(228, 228, 226));
    base.setColorAt(1, QColor(214, 214, 212));
    p.fillRect(QRect(QPoint(0, 0), size), base);
    QRadialGradient light(size.width() * 0.3, size.height() * 0.2, size.width() * 0.9);
    light.setColorAt(0, QColor(255, 255, 255, 120));
    light.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(QRect(QPoint(0, 0), size), light);
}

// Three box blurs on the alpha channel come close to a Gaussian.
void BlurAlpha(QImage& img, int radius)
{
    const int w = img.width(), h = img.height();
    std::vector<int> a(size_t(w) * h), t(a.size());
    for (int y = 0; y < h; ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < w; ++x) a[size_t(y) * w + x] = qAlpha(line[x]);
    }
    auto pass = [&](bool horizontal) {
        const int n = horizontal ? w : h, lines = horizontal ? h : w;
        for (int l = 0; l < lines; ++l) {
            auto at = [&](int i) -> int& {
                return horizontal ? a[size_t(l) * w + i] : a[size_t(i) * w + l];
            };
            auto out = [&](int i) -> int& {
                return horizontal ? t[size_t(l) * w + i] : t[size_t(i) * w + l];
            };
            int sum = 0;
            for (int i = -radius; i <= radius; ++i) sum += at(std::clamp(i, 0, n - 1));
            for (int i = 0; i < n; ++i) {
                out(i) = sum / (2 * radius + 1);
                sum += at(std::min(i + radius + 1, n - 1)) - at(std::max(i - radius, 0));
            }
        }
        a.swap(t);
    };
    for (int k = 0; k < 3; ++k) {
        pass(true);
        pass(false);
    }
    for (int y = 0; y < h; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < w; ++x) line[x] = qRgba(0, 0, 0, a[size_t(y) * w + x]);
    }
}

// The soft shadow that the object casts on the backdrop.
void DropShadow(QPainter& p, const QSize& size, const QPainterPath& silhouette, QPointF offset,
                int blur, qreal opacity)
{
    QImage mask(size, QImage::Format_ARGB32);
    mask.fill(Qt::transparent);
    {
        QPainter m(&mask);
        m.setRenderHint(QPainter::Antialiasing);
        m.translate(offset);
        m.fillPath(silhouette, QColor(0, 0, 0, int(255 * opacity)));
    }
    BlurAlpha(mask, blur);
    p.drawImage(0, 0, mask);
}

// Sensor noise and a slight darkening towards the corners.
void Finish(QImage& img, unsigned seed)
{
    {
        QPainter p(&img);
        QRadialGradient vignette(img.width() / 2.0, img.height() / 2.0,
                                 std::hypot(img.width(), img.height()) / 1.6);
        vignette.setColorAt(0.55, QColor(0, 0, 0, 0));
        vignette.setColorAt(1, QColor(0, 0, 0, 40));
        p.fillRect(img.rect(), vignette);
    }
    std::mt19937 rng(seed);
    std::normal_distribution<float> noise(0.f, 2.2f);
    for (int y = 0; y < img.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const int n = int(std::lround(noise(rng)));
            const QRgb c = line[x];
            line[x] = qRgb(std::clamp(qRed(c) + n, 0, 255), std::clamp(qGreen(c) + n, 0, 255),
                           std::clamp(qBlue(c) + n, 0, 255));
        }
    }
}

// --- meter parts -------------------------------------------------------------------------

// A moulded plastic shell: rounded, darker at the flanks, light catching the upper left edge.
void Shell(QPainter& p, const QPainterPath& outline, const QRectF& box, const QColor& base)
{
    QLinearGradient across(box.left(), 0, box.right(), 0);
    across.setColorAt(0, base.darker(190));
    across.setColorAt(0.06, base.darker(115));
    across.setColorAt(0.3, base.lighter(112));
    across.setColorAt(0.7, base);
    across.setColorAt(0.94, base.darker(135));
    across.setColorAt(1, base.darker(220));
    p.fillPath(outline, across);
    QLinearGradient down(0, box.top(), 0, box.bottom());
    down.setColorAt(0, QColor(255, 255, 255, 50));
    down.setColorAt(0.25, QColor(255, 255, 255, 0));
    down.setColorAt(0.8, QColor(0, 0, 0, 0));
    down.setColorAt(1, QColor(0, 0, 0, 70));
    p.fillPath(outline, down);
    p.save();
    p.setClipPath(outline);
    p.strokePath(outline.translated(2.5, 2.5), QPen(QColor(255, 255, 255, 70), 3));
    p.strokePath(outline.translated(-2, -2), QPen(QColor(0, 0, 0, 70), 4));
    p.restore();
    p.strokePath(outline, QPen(base.darker(260), 1.5));
}

// A flat face plate set into the shell.
void FacePlate(QPainter& p, const QRectF& r, qreal radius, const QColor& base)
{
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, base.lighter(108));
    g.setColorAt(1, base.darker(112));
    p.fillPath(path, g);
    p.strokePath(path.translated(0, -1), QPen(QColor(0, 0, 0, 60), 1.5));
    p.strokePath(path.translated(0, 1.5), QPen(QColor(255, 255, 255, 60), 1.5));
}

// One digit of a seven-segment LCD in a cell; '.' marks are drawn by the caller.
void SevenSegment(QPainter& p, const QRectF& cell, QChar ch, const QColor& on, const QColor& off)
{
    static const char* const Segments[] = {"abcdef", "bc",     "abdeg", "abcdg",
                                           "bcfg",   "acdfg",  "acdefg", "abc",
                                           "abcdefg", "abcdfg"};
    const QString lit = ch.isDigit() ? QString::fromLatin1(Segments[ch.digitValue()])
                        : ch == u'-' ? QStringLiteral("g")
                                     : QString();
    const qreal w = cell.width(), h = cell.height(), t = w * 0.17, g = t * 0.12;
    const qreal x0 = cell.left(), y0 = cell.top(), ym = y0 + h / 2;
    auto horizontal = [&](qreal y) {
        QPolygonF s;
        s << QPointF(x0 + g + t / 2, y) << QPointF(x0 + g + t, y - t / 2)
          << QPointF(x0 + w - g - t, y - t / 2) << QPointF(x0 + w - g - t / 2, y)
          << QPointF(x0 + w - g - t, y + t / 2) << QPointF(x0 + g + t, y + t / 2);
        return s;
    };
    auto vertical = [&](qreal x, qreal ya, qreal yb) {
        QPolygonF s;
        s << QPointF(x, ya + g + t / 2) << QPointF(x + t / 2, ya + g + t)
          << QPointF(x + t / 2, yb - g - t) << QPointF(x, yb - g - t / 2)
          << QPointF(x - t / 2, yb - g - t) << QPointF(x - t / 2, ya + g + t);
        return s;
    };
    const qreal yt = y0 + t / 2, yb = y0 + h - t / 2, xl = x0 + t / 2, xr = x0 + w - t / 2;
    const QPolygonF shapes[] = {horizontal(yt),        vertical(xr, yt, ym), vertical(xr, ym, yb),
                                horizontal(yb),        vertical(xl, ym, yb), vertical(xl, yt, ym),
                                horizontal(ym)};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 7; ++i) {
        p.setBrush(lit.contains(QChar(u'a' + i)) ? on : off);
        p.drawPolygon(shapes[i]);
    }
}

struct tLcd {
    QString Reading; // digits, '-' and one '.'
    QString Unit;
    QStringList Marks; // small annunciators above the digits
};

// A reflective LCD behind a dark bezel, with the faint ghosts of unlit segments.
void Lcd(QPainter& p, const QRectF& bezel, const tLcd& lcd)
{
    QPainterPath frame;
    frame.addRoundedRect(bezel, 14, 14);
    QLinearGradient fg(bezel.topLeft(), bezel.bottomLeft());
    fg.setColorAt(0, QColor(30, 32, 36));
    fg.setColorAt(1, QColor(58, 60, 66));
    p.fillPath(frame, fg);
    const QRectF glass = bezel.adjusted(16, 16, -16, -16);
    QPainterPath gp;
    gp.addRoundedRect(glass, 6, 6);
    QLinearGradient lg(glass.topLeft(), glass.bottomRight());
    lg.setColorAt(0, QColor(196, 204, 182));
    lg.setColorAt(1, QColor(160, 170, 148));
    p.fillPath(gp, lg);
    p.strokePath(gp, QPen(QColor(20, 20, 20, 120), 2));

    const QColor on(28, 32, 30), off(0, 0, 0, 14);
    p.setFont(Font(glass.height() * 0.11, QFont::Bold));
    p.setPen(on);
    qreal mx = glass.left() + 10;
    for (const QString& mark : lcd.Marks) {
        p.drawText(QPointF(mx, glass.top() + glass.height() * 0.17), mark);
        mx += QFontMetricsF(p.font()).horizontalAdvance(mark) + 14;
    }

    // Digits, right-aligned in front of the unit, slanted like real LCD glass.
    const int cells = 5;
    const qreal unitWidth = glass.width() * (lcd.Unit.size() > 2 ? 0.3 : 0.2);
    const qreal right = glass.right() - unitWidth;
    const qreal pitch = (right - glass.left() - 14) / cells;
    const qreal dh = std::min(glass.height() * 0.58, pitch * 0.78 / 0.52);
    const qreal dw = dh * 0.52, gap = pitch - dw;
    const qreal top = glass.top() + glass.height() * 0.26;
    QString digits = lcd.Reading;
    const int dot = digits.indexOf(u'.');
    digits.remove(u'.');
    digits = digits.rightJustified(cells, u' ');
    const int dotAfter = dot < 0 ? -1 : cells - (lcd.Reading.size() - 1 - dot) - 1;
    p.save();
    p.translate(0, top + dh);
    p.setTransform(QTransform().shear(-0.08, 0), true);
    p.translate(0, -(top + dh));
    for (int i = 0; i < cells; ++i) {
        const QRectF cell(right - (cells - i) * (dw + gap), top, dw, dh);
        SevenSegment(p, cell, digits[i], on, off);
        if (i == dotAfter) {
            p.setBrush(on);
            p.drawEllipse(QPointF(cell.right() + gap / 2, cell.bottom() - dw * 0.08), dw * 0.08,
                          dw * 0.08);
        }
    }
    p.restore();
    p.setPen(on);
    QFont unitFont = Font(glass.height() * 0.19, QFont::Bold);
    const qreal unitRoom = unitWidth - 10;
    const qreal natural = QFontMetricsF(unitFont).horizontalAdvance(lcd.Unit);
    if (natural > unitRoom) unitFont.setPixelSize(int(unitFont.pixelSize() * unitRoom / natural));
    p.setFont(unitFont);
    p.drawText(QRectF(right + 6, top, unitRoom, dh), Qt::AlignBottom | Qt::AlignLeft, lcd.Unit);

    // Reflection of the studio light across the glass.
    QPainterPath shine;
    shine.moveTo(glass.topLeft());
    shine.lineTo(glass.left() + glass.width() * 0.45, glass.top());
    shine.lineTo(glass.left() + glass.width() * 0.2, glass.bottom());
    shine.lineTo(glass.left(), glass.bottom());
    shine.closeSubpath();
    p.save();
    p.setClipPath(gp);
    p.fillPath(shine, QColor(255, 255, 255, 28));
    p.restore();
}

// A rubber key with its printed function below.
void Key(QPainter& p, const QRectF& r, const QColor& base, const QString& label,
         const QColor& ink)
{
    QPainterPath shadow;
    shadow.addRoundedRect(r.translated(2, 4), r.height() * 0.3, r.height() * 0.3);
    p.fillPath(shadow, QColor(0, 0, 0, 70));
    QPainterPath key;
    key.addRoundedRect(r, r.height() * 0.3, r.height() * 0.3);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, base.lighter(135));
    g.setColorAt(0.45, base);
    g.setColorAt(1, base.darker(150));
    p.fillPath(key, g);
    p.strokePath(key, QPen(base.darker(220), 1.2));
    QPainterPath top;
    top.addRoundedRect(r.adjusted(5, 4, -5, -r.height() * 0.45), 6, 6);
    p.fillPath(top, QColor(255, 255, 255, 35));
    p.setPen(ink);
    p.setFont(Font(15, QFont::Bold, 0.5));
    p.drawText(QRectF(r.left() - 20, r.bottom() + 6, r.width() + 40, 22), Qt::AlignHCenter, label);
}

// The cosine diffuser of an illuminance meter: a milky dome in a black ring.
void Diffuser(QPainter& p, QPointF c, qreal r)
{
    QRadialGradient ring(c, r);
    ring.setColorAt(0.78, QColor(20, 20, 22));
    ring.setColorAt(0.9, QColor(70, 72, 76));
    ring.setColorAt(0.96, QColor(30, 30, 32));
    ring.setColorAt(1, QColor(10, 10, 12));
    p.setPen(Qt::NoPen);
    p.setBrush(ring);
    p.drawEllipse(c, r, r);
    const qreal d = r * 0.72;
    QRadialGradient dome(c - QPointF(d * 0.3, d * 0.35), d * 1.3);
    dome.setColorAt(0, QColor(255, 255, 255));
    dome.setColorAt(0.5, QColor(236, 236, 232));
    dome.setColorAt(0.85, QColor(196, 196, 192));
    dome.setColorAt(1, QColor(160, 160, 158));
    p.setBrush(dome);
    p.drawEllipse(c, d, d);
    p.setBrush(QColor(255, 255, 255, 170));
    p.drawEllipse(c - QPointF(d * 0.35, d * 0.4), d * 0.18, d * 0.12);
}

// A measuring lens seen from the front: knurled focus ring, lettered ring, coated glass.
void Lens(QPainter& p, QPointF c, qreal r, const QString& lettering)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(22, 22, 24));
    p.drawEllipse(c, r, r);
    for (int i = 0; i < 120; ++i) { // knurling
        const qreal a = i * 2 * M_PI / 120;
        const QPointF dir(std::cos(a), std::sin(a));
        const qreal lit = 0.5 + 0.5 * std::cos(a + M_PI * 0.75);
        p.setPen(QPen(Mix(QColor(30, 30, 32), QColor(110, 110, 116), lit), 2.2));
        p.drawLine(c + dir * r * 0.86, c + dir * r * 0.985);
    }
    QRadialGradient inner(c, r * 0.84);
    inner.setColorAt(0.9, QColor(28, 28, 30));
    inner.setColorAt(1, QColor(60, 60, 64));
    p.setPen(Qt::NoPen);
    p.setBrush(inner);
    p.drawEllipse(c, r * 0.84, r * 0.84);
    // Lettering around the ring.
    p.setPen(QColor(222, 222, 222));
    p.setFont(Font(r * 0.085, QFont::Bold, 1));
    const QFontMetricsF fm(p.font());
    qreal angle = -M_PI * 0.5 - fm.horizontalAdvance(lettering) / (2 * r * 0.74);
    for (QChar ch : lettering) {
        const qreal adv = fm.horizontalAdvance(ch);
        p.save();
        p.translate(c + QPointF(std::cos(angle), std::sin(angle)) * r * 0.74);
        p.rotate(qRadiansToDegrees(angle) + 90);
        p.drawText(QPointF(-adv / 2, fm.ascent() / 2), QString(ch));
        p.restore();
        angle += adv / (r * 0.74);
    }
    // Glass with its coating colours and two window reflections.
    const qreal g = r * 0.62;
    QRadialGradient glass(c + QPointF(g * 0.2, g * 0.25), g * 1.1);
    glass.setColorAt(0, QColor(40, 30, 60));
    glass.setColorAt(0.5, QColor(22, 28, 52));
    glass.setColorAt(0.8, QColor(60, 40, 90));
    glass.setColorAt(0.95, QColor(90, 140, 110));
    glass.setColorAt(1, QColor(15, 15, 18));
    p.setPen(QPen(QColor(10, 10, 10), 3));
    p.setBrush(glass);
    p.drawEllipse(c, g, g);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawEllipse(c + QPointF(-g * 0.38, -g * 0.42), g * 0.16, g * 0.09);
    p.setBrush(QColor(180, 220, 255, 60));
    p.drawEllipse(c + QPointF(g * 0.3, g * 0.34), g * 0.28, g * 0.12);
    p.setBrush(QColor(5, 5, 8));
    p.drawEllipse(c, g * 0.18, g * 0.18);
}

void Cable(QPainter& p, const QPainterPath& path, qreal width)
{
    p.setBrush(Qt::NoBrush);
    p.strokePath(path.translated(6, 10), QPen(QColor(0, 0, 0, 40), width + 6, Qt::SolidLine,
                                              Qt::RoundCap));
    p.strokePath(path, QPen(QColor(24, 24, 26), width, Qt::SolidLine, Qt::RoundCap));
    p.strokePath(path.translated(-width * 0.18, -width * 0.18),
                 QPen(QColor(110, 110, 116, 140), width * 0.22, Qt::SolidLine, Qt::RoundCap));
}

void Print(QPainter& p, const QRectF& r, const QString& text, const QFont& font,
           const QColor& ink, int align = Qt::AlignCenter)
{
    p.setFont(font);
    p.setPen(ink);
    p.drawText(r, align, text);
}

void Keypad(QPainter& p, const QRectF& area, const QList<QStringList>& rows, const QColor& key,
            const QColor& ink)
{
    const qreal rowHeight = area.height() / rows.size();
    for (int r = 0; r < rows.size(); ++r) {
        const int n = int(rows[r].size());
        const qreal cellWidth = area.width() / n;
        for (int i = 0; i < n; ++i) {
            const QRectF cell(area.left() + i * cellWidth, area.top() + r * rowHeight, cellWidth,
                              rowHeight);
            const QRectF k(cell.center().x() - cellWidth * 0.36, cell.top() + rowHeight * 0.08,
                           cellWidth * 0.72, rowHeight * 0.48);
            const bool power = rows[r][i] == QLatin1String("ON/OFF");
            Key(p, k, power ? QColor(170, 40, 36) : key, rows[r][i], ink);
        }
    }
}

QPainterPath Rounded(const QRectF& r, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

// --- the pictures ------------------------------------------------------------------------

QImage Start(const QSize& size, QPainter& p)
{
    QImage img(size, QImage::Format_RGB32);
    p.begin(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    Backdrop(p, size);
    return img;
}

// The illuminance meter: diffuser head on top of a slim anthracite body.
QImage Orbitel()
{
    const QSize size(804, 886);
    QPainter p;
    QImage img = Start(size, p);
    // Turned a little, as a meter laid down by hand would be.
    const QTransform tilt = QTransform().translate(402, 455).rotate(-3).translate(-402, -455);
    const QRectF body(237, 80, 330, 740);
    const QPainterPath outline = Rounded(body, 70);
    DropShadow(p, size, tilt.map(outline), QPointF(26, 30), 16, 0.47);
    p.setTransform(tilt);

    const QColor shell(58, 64, 72);
    Shell(p, outline, body, shell);
    // Grip inlays along both flanks.
    for (qreal x : {body.left() + 10, body.right() - 26}) {
        p.fillPath(Rounded(QRectF(x, 420, 16, 300), 8), QColor(34, 36, 40));
        for (int i = 0; i < 14; ++i)
            p.fillRect(QRectF(x + 3, 430 + i * 20, 10, 3), QColor(70, 74, 80));
    }
    FacePlate(p, QRectF(body.left() + 36, 330, body.width() - 72, 460), 22,
              QColor(196, 198, 198));
    Diffuser(p, QPointF(body.center().x(), 192), 96);
    Print(p, QRectF(body.left(), 296, body.width(), 26), QStringLiteral("KESTROM"),
          Font(22, QFont::Black, 6), QColor(232, 232, 232));
    Lcd(p, QRectF(body.left() + 52, 350, body.width() - 104, 150),
        {QStringLiteral("512.8"), QStringLiteral("lx"),
         {QStringLiteral("AUTO"), QStringLiteral("RANGE 3")}});
    Keypad(p, QRectF(body.left() + 52, 524, body.width() - 104, 170),
           {{QStringLiteral("ON/OFF"), QStringLiteral("HOLD"), QStringLiteral("MAX")},
            {QStringLiteral("RANGE"), QStringLiteral("UNIT"), QStringLiteral("MEM")}},
           QColor(92, 98, 108), QColor(40, 44, 50));
    Print(p, QRectF(body.left() + 36, 712, body.width() - 72, 34),
          QStringLiteral("ORBITEL 7718"), Font(25, QFont::Bold, 1.5), QColor(24, 60, 120));
    Print(p, QRectF(body.left() + 36, 744, body.width() - 72, 24),
          QStringLiteral("LUXMETER  \u00b7  USB"), Font(14, QFont::Bold, 3), QColor(60, 64, 70));
    // USB socket in the foot.
    p.fillPath(Rounded(QRectF(body.center().x() - 26, 796, 52, 14), 3), QColor(20, 20, 22));
    p.fillRect(QRectF(body.center().x() - 18, 801, 36, 4), QColor(150, 150, 150));
    p.end();
    Finish(img, 1);
    return img;
}

// The monitor luminance meter: a light-grey body and a flat probe on a cable.
QImage ZentaMonitor()
{
    const QSize size(865, 1063);
    QPainter p;
    QImage img = Start(size, p);
    const QRectF body(120, 230, 340, 770);
    const QPainterPath outline = Rounded(body, 60);
    const QPointF probe(640, 300);
    const qreal probeR = 138;
    QPainterPath cable;
    cable.moveTo(body.center().x() + 60, body.top() + 6);
    cable.cubicTo(body.center().x() + 80, 120, 430, 70, probe.x() - 40, probe.y() + probeR - 20);

    QPainterPath silhouette = outline;
    silhouette.addEllipse(probe, probeR, probeR);
    DropShadow(p, size, silhouette, QPointF(24, 30), 16, 0.45);
    Cable(p, cable, 18);

    const QColor shell(214, 212, 204);
    Shell(p, outline, body, shell);
    // Strain relief where the cable leaves the body.
    p.fillPath(Rounded(QRectF(body.center().x() + 44, body.top() - 22, 32, 34), 8),
               QColor(30, 30, 32));
    FacePlate(p, QRectF(body.left() + 30, body.top() + 60, body.width() - 60, 640), 26,
              QColor(66, 70, 78));
    Print(p, QRectF(body.left(), body.top() + 18, body.width(), 30), QStringLiteral("KESTROM"),
          Font(24, QFont::Black, 7), QColor(70, 72, 78));
    Lcd(p, QRectF(body.left() + 48, body.top() + 84, body.width() - 96, 170),
        {QStringLiteral("120.5"), QStringLiteral("cd/m\u00b2"),
         {QStringLiteral("AUTO"), QStringLiteral("HOLD")}});
    Keypad(p, QRectF(body.left() + 48, body.top() + 290, body.width() - 96, 260),
           {{QStringLiteral("ON/OFF"), QStringLiteral("HOLD"), QStringLiteral("ZERO")},
            {QStringLiteral("RANGE"), QStringLiteral("UNIT"), QStringLiteral("MEM")},
            {QStringLiteral("LIGHT"), QStringLiteral("READ"), QStringLiteral("CLR")}},
           QColor(188, 190, 194), QColor(226, 226, 226));
    Print(p, QRectF(body.left() + 30, body.top() + 586, body.width() - 60, 40),
          QStringLiteral("ZENTA-Monitor"), Font(30, QFont::Bold, 1), QColor(250, 196, 40));
    Print(p, QRectF(body.left() + 30, body.top() + 628, body.width() - 60, 24),
          QStringLiteral("LUMINANCE METER  \u00b7  USB"), Font(14, QFont::Bold, 2.5),
          QColor(210, 210, 210));
    p.fillPath(Rounded(QRectF(body.center().x() - 28, body.bottom() - 38, 56, 15), 3),
               QColor(30, 30, 32));
    p.fillRect(QRectF(body.center().x() - 19, body.bottom() - 33, 38, 4), QColor(150, 150, 150));

    // The probe's face: a soft rubber ring that rests on the screen, a dark window inside.
    QRadialGradient rim(probe - QPointF(30, 40), probeR * 1.2);
    rim.setColorAt(0, QColor(90, 92, 98));
    rim.setColorAt(1, QColor(24, 24, 28));
    p.setPen(QPen(QColor(12, 12, 14), 2));
    p.setBrush(rim);
    p.drawEllipse(probe, probeR, probeR);
    QRadialGradient rubber(probe, probeR * 0.86);
    rubber.setColorAt(0.7, QColor(30, 30, 32));
    rubber.setColorAt(0.85, QColor(58, 58, 62));
    rubber.setColorAt(1, QColor(26, 26, 28));
    p.setBrush(rubber);
    p.setPen(Qt::NoPen);
    p.drawEllipse(probe, probeR * 0.86, probeR * 0.86);
    QRadialGradient window(probe - QPointF(10, 14), probeR * 0.5);
    window.setColorAt(0, QColor(70, 60, 90));
    window.setColorAt(0.7, QColor(20, 20, 30));
    window.setColorAt(1, QColor(8, 8, 10));
    p.setBrush(window);
    p.drawEllipse(probe, probeR * 0.42, probeR * 0.42);
    p.setBrush(QColor(255, 255, 255, 120));
    p.drawEllipse(probe - QPointF(probeR * 0.16, probeR * 0.18), probeR * 0.09, probeR * 0.05);
    p.setPen(QColor(200, 200, 200));
    p.setFont(Font(14, QFont::Bold, 2));
    p.drawText(QRectF(probe.x() - probeR, probe.y() + probeR * 0.5, 2 * probeR, 22),
               Qt::AlignHCenter, QStringLiteral("ZENTA PROBE"));
    p.end();
    Finish(img, 2);
    return img;
}

// The spot luminance meter: a black body with a large measuring lens above its display.
QImage ZentaSpot()
{
    const QSize size(864, 1063);
    QPainter p;
    QImage img = Start(size, p);
    const QRectF body(232, 130, 400, 840);
    QPainterPath outline;
    // Wider head for the lens, waisted grip below it.
    outline.moveTo(body.left() + 80, body.top());
    outline.lineTo(body.right() - 80, body.top());
    outline.quadTo(body.right(), body.top(), body.right(), body.top() + 80);
    outline.lineTo(body.right(), body.top() + 330);
    outline.cubicTo(body.right(), body.top() + 400, body.right() - 24, body.top() + 420,
                    body.right() - 24, body.top() + 480);
    outline.lineTo(body.right() - 24, body.bottom() - 70);
    outline.quadTo(body.right() - 24, body.bottom(), body.right() - 94, body.bottom());
    outline.lineTo(body.left() + 94, body.bottom());
    outline.quadTo(body.left() + 24, body.bottom(), body.left() + 24, body.bottom() - 70);
    outline.lineTo(body.left() + 24, body.top() + 480);
    outline.cubicTo(body.left() + 24, body.top() + 420, body.left(), body.top() + 400,
                    body.left(), body.top() + 330);
    outline.lineTo(body.left(), body.top() + 80);
    outline.quadTo(body.left(), body.top(), body.left() + 80, body.top());
    outline.closeSubpath();

    DropShadow(p, size, outline, QPointF(26, 30), 16, 0.5);
    const QColor shell(44, 44, 48);
    Shell(p, outline, body, shell);
    // A red accent band under the lens head.
    p.save();
    p.setClipPath(outline);
    QLinearGradient band(body.left(), 0, body.right(), 0);
    band.setColorAt(0, QColor(90, 10, 12));
    band.setColorAt(0.35, QColor(200, 34, 30));
    band.setColorAt(1, QColor(110, 14, 14));
    p.fillRect(QRectF(body.left(), body.top() + 352, body.width(), 12), band);
    p.restore();

    const QPointF lensCentre(body.center().x(), body.top() + 180);
    Lens(p, lensCentre, 150, QStringLiteral("ZENTA-SPOT 2  \u00b7  1\u00b0  \u00b7  f=85 mm"));
    Print(p, QRectF(body.left() + 24, body.top() + 370, body.width() - 48, 24),
          QStringLiteral("KESTROM"), Font(20, QFont::Black, 6), QColor(226, 226, 226));
    FacePlate(p, QRectF(body.left() + 56, body.top() + 408, body.width() - 112, 404), 22,
              QColor(62, 62, 68));
    Lcd(p, QRectF(body.left() + 72, body.top() + 424, body.width() - 144, 150),
        {QStringLiteral("85.42"), QStringLiteral("cd/m\u00b2"),
         {QStringLiteral("SPOT 1\u00b0"), QStringLiteral("AUTO")}});
    Keypad(p, QRectF(body.left() + 72, body.top() + 592, body.width() - 144, 164),
           {{QStringLiteral("ON/OFF"), QStringLiteral("HOLD"), QStringLiteral("UNIT")},
            {QStringLiteral("MEM"), QStringLiteral("BANK"), QStringLiteral("READ")}},
           QColor(86, 86, 92), QColor(214, 214, 214));
    Print(p, QRectF(body.left() + 56, body.top() + 762, body.width() - 112, 40),
          QStringLiteral("ZENTA-SPOT 2 USB"), Font(24, QFont::Bold, 1), QColor(236, 60, 52));
    p.end();
    Finish(img, 4);
    return img;
}

// The stylised sensor of the word mark: a disc with light falling on it.
void LogoMark(QPainter& p, QPointF c, qreal r, const QColor& disc, const QColor& rays)
{
    p.setPen(QPen(rays, r * 0.16, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 5; ++i) {
        const qreal a = qDegreesToRadians(-150.0 + i * 30);
        const QPointF d(std::cos(a), std::sin(a));
        p.drawLine(c + d * r * 1.25, c + d * r * 1.7);
    }
    QRadialGradient g(c - QPointF(r * 0.3, r * 0.3), r * 1.3);
    g.setColorAt(0, disc.lighter(150));
    g.setColorAt(1, disc);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, r, r);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawChord(QRectF(c.x() - r * 0.7, c.y() - r * 0.7, r * 1.4, r * 1.4), 30 * 16, 120 * 16);
}

QImage Splash()
{
    QImage img(677, 140, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient bg(0, 0, img.width(), img.height());
    bg.setColorAt(0, QColor(10, 38, 84));
    bg.setColorAt(0.6, QColor(18, 78, 128));
    bg.setColorAt(1, QColor(22, 110, 140));
    p.fillRect(img.rect(), bg);
    QRadialGradient glow(110, 40, 260);
    glow.setColorAt(0, QColor(255, 255, 255, 50));
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(img.rect(), glow);
    LogoMark(p, QPointF(78, 84), 30, QColor(250, 190, 40), QColor(255, 230, 150));
    Print(p, QRectF(150, 22, 500, 64), QStringLiteral("Kestrom Quirrel"),
          Font(50, QFont::Bold, 1), Qt::white, Qt::AlignLeft | Qt::AlignVCenter);
    p.fillRect(QRectF(152, 92, 470, 2), QColor(250, 190, 40));
    Print(p, QRectF(152, 98, 400, 28), QStringLiteral("Photometer software"),
          Font(17, QFont::Normal, 2), QColor(200, 220, 240), Qt::AlignLeft | Qt::AlignVCenter);
    Print(p, QRectF(500, 98, 122, 28), QStringLiteral("V 2.10"), Font(19, QFont::Bold, 1),
          Qt::white, Qt::AlignRight | Qt::AlignVCenter);
    p.end();
    return img;
}

// The logo strip on the silver bottom bar of the main window.
QImage BottomBar()
{
    QImage img(305, 63, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient bg(0, 0, 0, img.height());
    bg.setColorAt(0, QColor(206, 206, 206));
    bg.setColorAt(1, QColor(184, 184, 184));
    p.fillRect(img.rect(), bg);
    LogoMark(p, QPointF(36, 38), 13, QColor(230, 160, 20), QColor(24, 60, 120));
    Print(p, QRectF(66, 6, 230, 34), QStringLiteral("KESTROM"), Font(28, QFont::Black, 5),
          QColor(24, 60, 120), Qt::AlignLeft | Qt::AlignVCenter);
    Print(p, QRectF(68, 38, 230, 18), QStringLiteral("LICHTMESSTECHNIK"),
          Font(11, QFont::Bold, 3.2), QColor(70, 74, 80), Qt::AlignLeft | Qt::AlignVCenter);
    p.end();
    return img;
}

bool Save(const QImage& img, const QString& path)
{
    QImageWriter writer(path, "jpg");
    writer.setQuality(JpegQuality);
    writer.setOptimizedWrite(true);
    if (writer.write(img.convertToFormat(QImage::Format_RGB888))) {
        std::printf("%s  %d x %d\n", qPrintable(path), img.width(), img.height());
        return true;
    }
    std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(writer.errorString()));
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    // Drawing needs fonts but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                    : QStringLiteral("resources/pictures");
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(folder));
        return 1;
    }
    const QDir dir(folder);
    bool ok = Save(Orbitel(), dir.filePath(QStringLiteral("device1.jpg")));
    ok = Save(ZentaMonitor(), dir.filePath(QStringLiteral("device2.jpg"))) && ok;
    ok = Save(ZentaSpot(), dir.filePath(QStringLiteral("device4.jpg"))) && ok;
    ok = Save(Splash(), dir.filePath(QStringLiteral("splash.jpg"))) && ok;
    ok = Save(BottomBar(), dir.filePath(QStringLiteral("bottombar.jpg"))) && ok;
    return ok ? 0 : 1;
}
