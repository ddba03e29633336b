#include "direction.h"

#include <QStyle>
#include <QWidget>

namespace forms {

QRect asShown(const QWidget &area, const QRect &designed)
{
    return QStyle::visualRect(area.layoutDirection(), area.rect(), designed);
}

QPoint asShown(const QWidget &area, const QPoint &designed)
{
    return QStyle::visualPos(area.layoutDirection(), area.rect(), designed);
}

int asDesigned(const QWidget &window, int key)
{
    if (!window.isRightToLeft())
        return key;
    return key == Qt::Key_Left ? Qt::Key_Right : key == Qt::Key_Right ? Qt::Key_Left : key;
}

} // namespace forms
