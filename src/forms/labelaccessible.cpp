#include "labelaccessible.h"

#include "label.h"

#include <QAccessibleWidget>

namespace forms {

namespace {

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
            return label->accessibleName().isEmpty() ? label->caption() : label->accessibleName();
        case QAccessible::Description:
            return label->accessibleState();
        default:
            return QAccessibleWidget::text(kind);
        }
    }

private:
    Label *label() const { return static_cast<Label *>(widget()); }
};

QAccessibleInterface *labelFactory(const QString &, QObject *object)
{
    if (auto *label = qobject_cast<Label *>(object))
        return new LabelAccessible(label);
    return nullptr;
}

} // namespace

void installLabelAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(labelFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace forms
