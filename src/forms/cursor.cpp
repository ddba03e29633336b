#include "cursor.h"

#include <QPixmap>

namespace forms {

QCursor cursorFromImage(const char *resource, int hotX, int hotY)
{
    return QCursor(QPixmap(QString::fromLatin1(resource)), hotX, hotY);
}

} // namespace forms
