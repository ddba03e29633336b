#include "labelaccessible.h"

#include "label.h"
#include "labelarea.h"

#include <QAccessibleWidget>
#include <QMenu>
#include <QPointer>
#include <QRegularExpression>
#include <QWindow>

#include <algorithm>

namespace forms {

namespace {

// The shown labels of an area as they are read: top to bottom, then left to right.
std::vector<Label *> inReadingOrder(const LabelArea &area)
{
    std::vector<Label *> labels;
    for (Label *label : area.labels())
        if (label->visible())
            labels.push_back(label);
    const auto at = [](const Label *l) { return l->geometry().topLeft(); };
    std::stable_sort(labels.begin(), labels.end(), [&](const Label *a, const Label *b) {
        return at(a).y() != at(b).y() ? at(a).y() < at(b).y() : at(a).x() < at(b).x();
    });
    return labels;
}

bool inDialog(const QWidget &widget)
{
    return widget.window()->windowType() == Qt::Dialog;
}

// A window's client area, as screen readers meet it: its controls and its shown labels, as they
// were made. Opening a dialog, screen readers say its name, then what it says: each text should be
// heard once, in the order it stands. Orca 48 and later would say a description of the dialog
// twice, and Orca 43 passes over it where it finds labels of three words or more, which it reads,
// top to bottom, passing over shorter ones. So a dialog has no description. Where Qt can say that
// labels describe something (Qt 6.6 and later), they describe the dialog's client area, whose
// description is all they say, in order: Orca reads it once, as the context of the control that
// takes the focus, and leaves the related labels out of its scan. With an older Qt, each long
// label is heard with the short texts just before it, and the last long one with those after it
// too.
class AreaAccessible : public QAccessibleWidget {
public:
    explicit AreaAccessible(QWidget *area)
        : QAccessibleWidget(area, DialogAreaSays && inDialog(*area) ? QAccessible::Pane
                                                                    : QAccessible::Client)
    {
    }

    int childCount() const override { return int(children().size()); }
    QAccessibleInterface *child(int index) const override
    {
        const auto all = children();
        return index >= 0 && index < int(all.size())
                   ? QAccessible::queryAccessibleInterface(all[std::size_t(index)])
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        const auto all = children();
        const auto at = std::find(all.begin(), all.end(), child ? child->object() : nullptr);
        return at == all.end() ? -1 : int(at - all.begin());
    }
    QAccessibleInterface *focusChild() const override
    {
        const LabelArea *area = this->area();
        if (area && area->hasFocus() && area->focusLabel())
            return QAccessible::queryAccessibleInterface(area->focusLabel());
        return QAccessibleWidget::focusChild();
    }
    // Not itself focused while one of its labels has the focus.
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (area() && area()->focusLabel())
            state.focused = false;
        return state;
    }

#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    QString text(QAccessible::Text kind) const override
    {
        if (kind != QAccessible::Description || !inDialog(*widget()) || !area())
            return QAccessibleWidget::text(kind);
        QStringList texts;
        for (const Label *label : inReadingOrder(*area()))
            texts << label->caption();
        return texts.join(QLatin1Char('\n'));
    }

    QList<QPair<QAccessibleInterface *, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override
    {
        auto result = QAccessibleWidget::relations(match);
        if ((match & QAccessible::DescriptionFor) && inDialog(*widget()) && area())
            for (Label *label : inReadingOrder(*area()))
                if (QAccessibleInterface *described = QAccessible::queryAccessibleInterface(label))
                    result.append({described, QAccessible::DescriptionFor});
        return result;
    }
#endif

private:
    static constexpr bool DialogAreaSays = QT_VERSION >= QT_VERSION_CHECK(6, 6, 0);

    // None while the area is still being made.
    const LabelArea *area() const
    {
        return qobject_cast<const LabelArea *>(widget());
    }

    // Its controls, as Qt's own widgets list theirs, and its shown labels, in the order made.
    std::vector<QObject *> children() const
    {
        std::vector<QObject *> all;
        for (QObject *child : widget()->children()) {
            if (auto *label = qobject_cast<Label *>(child)) {
                if (label->visible())
                    all.push_back(label);
            } else if (auto *control = qobject_cast<QWidget *>(child)) {
                if (!control->isWindow() && !qobject_cast<QMenu *>(control))
                    all.push_back(control);
            }
        }
        return all;
    }
};

#if QT_VERSION < QT_VERSION_CHECK(6, 6, 0)
int wordsIn(const QString &text)
{
    return int(text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts).size());
}

QString heardText(const Label &label)
{
    if (!inDialog(label.area()) || wordsIn(label.caption()) < 3)
        return label.caption();
    QStringList heard, shortOnes;
    for (const Label *other : inReadingOrder(label.area())) {
        if (wordsIn(other->caption()) < 3) {
            shortOnes << other->caption();
        } else if (other == &label) {
            heard = shortOnes << label.caption();
            shortOnes.clear();
        } else if (!heard.isEmpty()) {
            return heard.join(QLatin1Char('\n')); // the next long label reads what follows
        } else {
            shortOnes.clear();
        }
    }
    return (heard + shortOnes).join(QLatin1Char('\n'));
}
#endif

// A label whose click does something offers one action, Press, which is its click. Labels are
// drawn by their area, so each is told to screen readers by an interface of its own, a child of
// its area's.
class LabelAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    explicit LabelAccessible(Label *label) : m_label(label) {}

    bool isValid() const override { return m_label; }
    QObject *object() const override { return m_label; }
    QWindow *window() const override { return m_label->area().window()->windowHandle(); }

    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(&m_label->area());
    }
    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *focusChild() const override { return nullptr; }

    QRect rect() const override
    {
        const QRect at = m_label->geometry();
        return QRect(m_label->area().mapToGlobal(at.topLeft()), at.size());
    }
    QAccessible::Role role() const override
    {
        return m_label->isLink() ? QAccessible::Link : QAccessible::StaticText;
    }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invisible = !m_label->visible() || !m_label->area().isVisible();
        state.focusable = m_label->tabStop();
        state.focused = m_label->hasFocus();
        return state;
    }

    QString text(QAccessible::Text kind) const override
    {
        switch (kind) {
        case QAccessible::Name:
            if (!m_label->accessibleName().isEmpty())
                return m_label->accessibleName();
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
            return m_label->caption();
#else
            return heardText(*m_label);
#endif
        case QAccessible::Description:
            return m_label->accessibleState();
        default:
            return QString();
        }
    }
    void setText(QAccessible::Text, const QString &) override {}

    QList<QPair<QAccessibleInterface *, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override
    {
        QList<QPair<QAccessibleInterface *, QAccessible::Relation>> result;
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
        if ((match & QAccessible::Described) && inDialog(m_label->area()))
            result.append({parent(), QAccessible::Described});
#else
        Q_UNUSED(match);
#endif
        return result;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface
                   ? static_cast<QAccessibleActionInterface *>(this)
                   : nullptr;
    }

    QStringList actionNames() const override
    {
        QStringList names;
        if (m_label->offersPress())
            names << pressAction();
        if (m_label->tabStop())
            names << setFocusAction();
        return names;
    }
    void doAction(const QString &name) override
    {
        if (name == pressAction() && m_label->offersPress()) {
            m_label->click();
        } else if (name == setFocusAction() && m_label->tabStop()) {
            m_label->area().setFocusLabel(m_label);
            m_label->area().setFocus(Qt::OtherFocusReason);
        }
    }
    QStringList keyBindingsForAction(const QString &) const override
    {
        return {};
    }

private:
    QPointer<Label> m_label;
};

QAccessibleInterface *labelFactory(const QString &, QObject *object)
{
    if (auto *label = qobject_cast<Label *>(object))
        return new LabelAccessible(label);
    return nullptr;
}

} // namespace

QAccessibleInterface *areaAccessible(QWidget *area)
{
    return new AreaAccessible(area);
}

void installLabelAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(labelFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace forms
