#include "labelaccessible.h"

#include "label.h"

#include <QAccessibleWidget>

namespace forms {

namespace {

class LabelAccessible : public QAccessibleWidget {
public:
    explicit LabelAccessible(Label *label)
        : QAccessibleWidget(label, label->isLink() ? QAccessible::Link : QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        const auto *label = static_cast<const Label *>(widget());
        switch (kind) {
        case QAccessible::Name:
            return label->accessibleName().isEmpty() ? label->caption() : label->accessibleName();
        case QAccessible::Description:
            return label->accessibleState();
        default:
            return QAccessibleWidget::text(kind);
        }
    }
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
