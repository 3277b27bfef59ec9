#include "app/splash.h"

#include "app/devicepicture.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace {

QPixmap Framed(const QImage& picture)
{
    const QSize size = picture.isNull() ? QSize(677, 140) : picture.size();
    QPixmap pixmap(size + QSize(2, 2));
    pixmap.fill(QColor(64, 64, 64));
    QPainter painter(&pixmap);
    if (picture.isNull())
        painter.fillRect(QRect(QPoint(1, 1), size), Qt::white);
    else
        painter.drawImage(1, 1, picture);
    return pixmap;
}

QPixmap StoredWordMark()
{
    QImage picture;
    LoadStoredPicture(SplashPicturePath, picture);
    return Framed(picture);
}

} // namespace

tSplash::tSplash()
    : QSplashScreen(StoredWordMark(),
                    Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        // Centred by the picture, the border around it.
        const QSize picture = pixmap().size() - QSize(2, 2);
        move(area.x() + (area.width() - picture.width()) / 2 - 1,
             area.y() + (area.height() - picture.height()) / 2 - 1);
    }
}

void tSplash::CloseSoon()
{
    QTimer::singleShot(1, this, [this] {
        close();
        deleteLater();
    });
}

void tSplash::mousePressEvent(QMouseEvent* event)
{
    event->accept();
}
