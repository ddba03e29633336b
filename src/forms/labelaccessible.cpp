#include "labelaccessible.h"

#include "label.h"

#include <QAccessibleWidget>
#include <QRegularExpression>

#include <algorithm>

namespace forms {

namespace {

// The labels of a dialog as they are read: top to bottom, then left to right.
QList<Label *> inReadingOrder(QWidget *window)
{
    auto labels = window->findChildren<Label *>();
    labels.erase(std::remove_if(labels.begin(), labels.end(),
                                [window](const Label *l) { return !l->isVisibleTo(window); }),
                 labels.end());
    const auto at = [window](const Label *l) { return l->mapTo(window, QPoint(0, 0)); };
    std::stable_sort(labels.begin(), labels.end(), [&](const Label *a, const Label *b) {
        return at(a).y() != at(b).y() ? at(a).y() < at(b).y() : at(a).x() < at(b).x();
    });
    return labels;
}

bool inDialog(const QWidget &widget)
{
    return widget.window()->windowType() == Qt::Dialog;
}

// Opening a dialog, screen readers say its name, then what it says: each text should be heard
// once, in the order it stands. Orca 48 and later would say a description of the dialog twice,
// and Orca 43 passes over it where it finds labels of three words or more, which it reads, top to
// bottom, passing over shorter ones. So a dialog has no description. Where Qt can say that labels
// describe something (Qt 6.6 and later), they describe the dialog's client area, whose description
// is all they say, in order: Orca reads it once, as the context of the control that takes the
// focus, and leaves the related labels out of its scan. With an older Qt, each long label is heard
// with the short texts just before it, and the last long one with those after it too.
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
class DialogAreaAccessible : public QAccessibleWidget {
public:
    explicit DialogAreaAccessible(QWidget *area) : QAccessibleWidget(area, QAccessible::Pane) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind != QAccessible::Description)
            return QAccessibleWidget::text(kind);
        QStringList texts;
        for (const Label *label : inReadingOrder(widget()->window()))
            texts << label->caption();
        return texts.join(QLatin1Char('\n'));
    }

    QList<QPair<QAccessibleInterface *, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override
    {
        auto result = QAccessibleWidget::relations(match);
        if (match & QAccessible::DescriptionFor)
            for (Label *label : inReadingOrder(widget()->window()))
                if (QAccessibleInterface *described = QAccessible::queryAccessibleInterface(label))
                    result.append({described, QAccessible::DescriptionFor});
        return result;
    }
};
#else
int wordsIn(const QString &text)
{
    return int(text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts).size());
}

QString heardText(const Label &label)
{
    if (!inDialog(label) || wordsIn(label.caption()) < 3)
        return label.caption();
    QStringList heard, shortOnes;
    for (const Label *other : inReadingOrder(label.window())) {
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

// A label whose click does something offers one action, Press, which is its click.
class LabelAccessible : public QAccessibleWidget {
public:
    explicit LabelAccessible(Label *label)
        : QAccessibleWidget(label, label->isLink() ? QAccessible::Link : QAccessible::StaticText)
    {
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (label()->offersPress())
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString &name) override
    {
        if (name == pressAction() && label()->offersPress())
            label()->click();
        else
            QAccessibleWidget::doAction(name);
    }

    QString text(QAccessible::Text kind) const override
    {
        const Label *label = this->label();
        switch (kind) {
        case QAccessible::Name:
            if (!label->accessibleName().isEmpty())
                return label->accessibleName();
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
            return label->caption();
#else
            return heardText(*label);
#endif
        case QAccessible::Description:
            return label->accessibleState();
        default:
            return QAccessibleWidget::text(kind);
        }
    }

#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    QList<QPair<QAccessibleInterface *, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override
    {
        auto result = QAccessibleWidget::relations(match);
        if ((match & QAccessible::Described) && inDialog(*label()))
            if (QAccessibleInterface *area =
                    QAccessible::queryAccessibleInterface(label()->parentWidget()))
                result.append({area, QAccessible::Described});
        return result;
    }
#endif

private:
    Label *label() const
    {
        return static_cast<Label *>(widget());
    }
};

QAccessibleInterface *labelFactory(const QString &, QObject *object)
{
    if (auto *label = qobject_cast<Label *>(object))
        return new LabelAccessible(label);
    return nullptr;
}

} // namespace

QAccessibleInterface *dialogAreaAccessible(QWidget *area)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    return new DialogAreaAccessible(area);
#else
    Q_UNUSED(area);
    return nullptr;
#endif
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
