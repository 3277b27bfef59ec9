// Device pictures: stored as JPEG data among the program's resources.
#include "app/devicepicture.h"

#include "app/jpegpicture.h"

#include <QFile>
#include <QPainter>
#include <cmath>
#include <mutex>

const QString SplashPicturePath = QStringLiteral(":/pictures/splash");
const QString BottomBarPicturePath = QStringLiteral(":/pictures/bottombar");

// The resources live in a static library; nothing would pull them into the program
// unless they are registered explicitly. (Outside any namespace, as the macro requires.)
static void RegisterPictures()
{
    static std::once_flag once;
    std::call_once(once, [] { Q_INIT_RESOURCE(pictures); });
}

namespace {

std::unique_ptr<QBuffer> OpenStored(const QString& path)
{
    RegisterPictures();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return nullptr;
    auto stream = std::make_unique<QBuffer>();
    stream->setData(file.readAll());
    stream->open(QIODevice::ReadOnly);
    return stream;
}

bool LoadFrom(std::unique_ptr<QBuffer> stream, QImage& picture)
{
    QImage decoded;
    const bool ok =
        stream && DecodeJpeg(reinterpret_cast<const uint8_t*>(stream->data().constData()),
                             size_t(stream->data().size()), decoded);
    stream.reset();
    picture = ok ? std::move(decoded) : QImage();
    return ok;
}

// Rounds to the nearest integer, halves to the even neighbour.
int RoundEven(long double v)
{
    return int(std::nearbyint(v));
}

} // namespace

std::unique_ptr<QBuffer> GetResourceStream(int id)
{
    return OpenStored(QStringLiteral(":/pictures/%1").arg(id));
}

bool LoadDevicePicture(int id, QImage& picture)
{
    return LoadFrom(GetResourceStream(id), picture);
}

bool LoadStoredPicture(const QString& path, QImage& picture)
{
    return LoadFrom(OpenStored(path), picture);
}

bool FitAspectRect(const QRect& source, const QRect& target, int mode, QRect& result)
{
    if (mode < 0 || mode > 8) return false;
    const int sw = source.width(), sh = source.height();
    const int tl = target.x(), tt = target.y(), tw = target.width(), th = target.height();
    if (sw <= 0 || sh <= 0 || tw <= 0 || th <= 0) return false;
    const int tr = tl + tw, tb = tt + th;

    // Both ratios are kept in single precision; the products and quotients are taken in
    // extended precision before rounding.
    const float aS = float(static_cast<long double>(sw) / sh);
    const float aT = float(static_cast<long double>(tw) / th);
    if (aT >= aS) {
        const int w = RoundEven(static_cast<long double>(th) * aS);
        int left = tl;
        switch (mode % 3) {
        case 1: left = tl + tw / 2 - w / 2; break;
        case 2: left = tr - w; break;
        }
        result = QRect(left, tt, w, th);
    } else {
        const int h = RoundEven(static_cast<long double>(tw) / aS);
        int top = tt;
        switch (mode / 3) {
        case 1: top = tt + th / 2 - h / 2; break;
        case 2: top = tb - h; break;
        }
        result = QRect(tl, top, tw, h);
    }
    return true;
}

void DrawBitmapFitted(const QImage& bitmap, const QRect& target, QPainter& painter, int mode)
{
    if (bitmap.isNull()) return;
    QRect fitted;
    if (!FitAspectRect(bitmap.rect(), target, mode, fitted)) return;
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(fitted, bitmap, bitmap.rect());
    painter.restore();
}
