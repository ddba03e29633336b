#include "cursor.h"

#include <QGuiApplication>
#include <QPixmap>

namespace forms {

QCursor cursorFromImage(const char *resource, int hotX, int hotY)
{
    const QString name = QString::fromLatin1(resource);
    // On a scaled screen the pointer is drawn from a 2x image, so that it stays sharp. X11 takes
    // the hot spot in the image's own pixels, so it is scaled with the image.
    if (qApp->devicePixelRatio() > 1) {
        QString big = name;
        big.insert(big.lastIndexOf(QLatin1Char('.')), QLatin1String("@2x"));
        QPixmap pixmap(big);
        if (!pixmap.isNull()) {
            pixmap.setDevicePixelRatio(2);
            return QCursor(pixmap, 2 * hotX, 2 * hotY);
        }
    }
    return QCursor(QPixmap(name), hotX, hotY);
}

} // namespace forms
