// The photographs of the meter models: finding the stored picture, decoding it into the
// window's 24-bit picture buffer, and drawing it fitted into a rectangle.
#pragma once

#include <QBuffer>
#include <QImage>
#include <QRect>
#include <QString>
#include <memory>

class QPainter;

// Stored pictures other than the numbered device pictures.
extern const QString SplashPicturePath;    // the word mark of the splash window, 677 x 140
extern const QString BottomBarPicturePath; // the logo strip of the main window's bottom bar

// The stored picture with that id (1, 2, 4) as a new read-only stream at its start;
// nullptr when there is no such picture.
std::unique_ptr<QBuffer> GetResourceStream(int id);

// Fills picture with the decoded device picture of that id (24 bits per pixel, the
// photograph's size). When the picture is missing or cannot be decoded, the buffer is left
// empty, so that the pane shows no photograph rather than another model's.
bool LoadDevicePicture(int id, QImage& picture);

// The same for a stored picture given by its resource path.
bool LoadStoredPicture(const QString& path, QImage& picture);

// The largest rectangle with the source's aspect ratio that fits the target, placed by mode
// 0 to 8 (mode mod 3: left, centre, right; mode div 3: top, middle, bottom). Returns false
// and leaves result unchanged for any other mode, and when either rectangle has no area.
bool FitAspectRect(const QRect& source, const QRect& target, int mode, QRect& result);

// Draws the whole bitmap into FitAspectRect of the target, without smoothing: surplus rows
// and columns are dropped or repeated. Nothing when the bitmap is null.
void DrawBitmapFitted(const QImage& bitmap, const QRect& target, QPainter& painter, int mode);
