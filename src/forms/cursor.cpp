#include "cursor.h"

#include <QGuiApplication>
#include <QPixmap>

#include <cmath>

namespace forms {

// On a scaled screen, or zoomed, the pointer is drawn from the 2x image, brought to the size it
// takes there so that it stays sharp. X11 takes the hot spot in the image's own pixels, so it is
// scaled with the image.
QCursor cursorFromImage(const char *resource, int hotX, int hotY, double zoom)
{
    const QString name = QString::fromLatin1(resource);
    const QPixmap plain(name);
    const qreal ratio = qApp->devicePixelRatio();
    const qreal scale = ratio * zoom;
    if (scale <= 1)
        return QCursor(plain, hotX, hotY);
    QString big = name;
    big.insert(big.lastIndexOf(QLatin1Char('.')), QLatin1String("@2x"));
    QPixmap pixmap =
        QPixmap(big).scaled(plain.size() * scale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    pixmap.setDevicePixelRatio(ratio);
    return QCursor(pixmap, int(std::lround(hotX * scale)), int(std::lround(hotY * scale)));
}

} // namespace forms
