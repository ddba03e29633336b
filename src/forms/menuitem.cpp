#include "menuitem.h"

#include <QAction>
#include <QMenu>

namespace forms {

MenuItem::MenuItem(QAction *action, QMenu *submenu, QObject *parent)
    : QObject(parent), m_action(action), m_submenu(submenu)
{
    if (submenu)
        return;
    // Qt flips a check item's mark on a click; the mark is the program's, so flip it back first.
    connect(m_action, &QAction::triggered, this, [this](bool flipped) {
        if (m_action->isCheckable())
            m_action->setChecked(!flipped);
    });
    // The handler runs once whoever chose the item has been answered: a screen reader that
    // pressed it would otherwise wait on a handler that opens a modal window until it closes.
    connect(
        m_action, &QAction::triggered, this,
        [this] {
            if (m_onClick)
                m_onClick();
        },
        Qt::QueuedConnection);
}

MenuItem &MenuItem::addItem(const QString &caption)
{
    Q_ASSERT(m_submenu);
    return *new MenuItem(m_submenu->addAction(caption), nullptr, this);
}

QString MenuItem::caption() const
{
    return m_action->text();
}

void MenuItem::setCaption(const QString &caption)
{
    m_action->setText(caption);
}

bool MenuItem::checked() const
{
    return m_action->isChecked();
}

// An item becomes a check item the first time the program checks it; until then it is drawn
// as a plain command, with no box.
void MenuItem::setChecked(bool checked)
{
    if (checked)
        m_action->setCheckable(true);
    m_action->setChecked(checked);
}

void MenuItem::setShortcut(const QString &keys)
{
    m_action->setShortcut(QKeySequence(keys));
    m_action->setShortcutContext(Qt::WidgetShortcut);
}

// The desktop's own keys for a common command, as Qt knows them.
void MenuItem::setShortcut(QKeySequence::StandardKey keys)
{
    m_action->setShortcuts(keys);
    m_action->setShortcutContext(Qt::WidgetShortcut);
}

bool MenuItem::enabled() const
{
    return m_action->isEnabled();
}

void MenuItem::setEnabled(bool enabled)
{
    m_action->setEnabled(enabled);
}

} // namespace forms
