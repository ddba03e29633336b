#include "direction.h"

#include <QWidget>

namespace forms {

int asDesigned(const QWidget &window, int key)
{
    if (!window.isRightToLeft())
        return key;
    return key == Qt::Key_Left ? Qt::Key_Right : key == Qt::Key_Right ? Qt::Key_Left : key;
}

} // namespace forms
