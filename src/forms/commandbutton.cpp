#include "commandbutton.h"

#include <QShortcut>

namespace forms {

CommandButton::CommandButton(QWidget *client, const TwipsRect &rect, const QString &caption)
    : QPushButton(caption, client), m_rect(rect)
{
    const TwipsScale &scale = TwipsScale::of(*client);
    connect(&scale, &TwipsScale::changed, this, &CommandButton::place);
    place();
}

void CommandButton::place()
{
    const TwipsScale &scale = TwipsScale::of(*parentWidget());
    setGeometry(scale.shown(scale.pixels(m_rect)));
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
