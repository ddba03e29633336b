#pragma once

#include <QKeySequence>
#include <QObject>
#include <QString>

#include <functional>

class QAction;
class QMenu;

namespace forms {

// A menu or an item of one. The check mark belongs to the program: choosing an item runs its
// handler and leaves the mark as it was, for the handler to set.
class MenuItem : public QObject {
    Q_OBJECT
public:
    MenuItem(QAction *action, QMenu *submenu, QObject *parent);

    MenuItem &addItem(const QString &caption);

    QString caption() const;
    void setCaption(const QString &caption);
    bool checked() const;
    void setChecked(bool checked);
    bool enabled() const;
    void setEnabled(bool enabled);

    // The key shown beside the item, which chooses it while its menu is open; elsewhere the
    // key is the window's to handle.
    void setShortcut(const QString &keys);
    void setShortcut(QKeySequence::StandardKey keys);

    void setClickHandler(std::function<void()> handler) { m_onClick = std::move(handler); }

    QAction *action() const { return m_action; }
    QMenu *submenu() const { return m_submenu; }

private:
    QAction *m_action;
    QMenu *m_submenu;
    std::function<void()> m_onClick;
};

} // namespace forms
