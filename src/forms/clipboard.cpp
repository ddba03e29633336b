#include "clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace forms {

void copyTable(const QString &caption, const QList<QStringList> &rows)
{
    QString text;
    QString html =
        QStringLiteral("<table><caption>") + caption.toHtmlEscaped() + QStringLiteral("</caption>");
    for (qsizetype r = 0; r < rows.size(); ++r) {
        text += rows[r].join(QLatin1Char('\t')) + QLatin1Char('\n');
        const QString cell = r == 0 ? QStringLiteral("th") : QStringLiteral("td");
        html += QStringLiteral("<tr>");
        for (const QString &value : rows[r])
            html += QStringLiteral("<%1>%2</%1>").arg(cell, value.toHtmlEscaped());
        html += QStringLiteral("</tr>");
    }
    html += QStringLiteral("</table>");
    auto *data = new QMimeData;
    data->setText(text);
    data->setHtml(html);
    QGuiApplication::clipboard()->setMimeData(data);
}

} // namespace forms
