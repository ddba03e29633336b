#include "commandbutton.h"

#include "direction.h"

#include <QShortcut>

namespace forms {

CommandButton::CommandButton(QWidget *client, const TwipsRect &rect, const QString &caption)
    : QPushButton(caption, client)
{
    setGeometry(asShown(*client, QRect(twipsToPixels(rect.left), twipsToPixels(rect.top),
                                       twipsToPixels(rect.width), twipsToPixels(rect.height))));
}

void CommandButton::setDefaultRole()
{
    setDefault(true);
    for (auto key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto *shortcut = new QShortcut(QKeySequence(key), window());
        connect(shortcut, &QShortcut::activated, this, &QPushButton::click);
    }
}

void CommandButton::setCancelRole()
{
    auto *shortcut = new QShortcut(QKeySequence(Qt::Key_Escape), window());
    connect(shortcut, &QShortcut::activated, this, &QPushButton::click);
}

} // namespace forms
