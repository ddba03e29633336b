#include "chartatrest.h"

#include "chart/frmcharts.h"
#include "forms/app.h"
#include "forms/dialogs.h"

#include <memory>

namespace ChartAtRest {

namespace {

std::unique_ptr<frmCharts> chartAtRest()
{
    auto chart = std::make_unique<frmCharts>();
    chart->Load_Argon();
    chart->Load_Neon();
    chart->useLightColours();
    return chart;
}

// What goes with the chart into a file or to the printer.
forms::DrawingInfo drawingInfo()
{
    return {Title, forms::App::title() + QLatin1Char(' ') + forms::App::version()};
}

} // namespace

QString Export(const QString &fileName, forms::DrawingFormat format, double scale)
{
    const QString reason =
        forms::saveDrawing(*chartAtRest(), fileName, format, scale, drawingInfo());
    return reason.isEmpty() ? reason
                            : QStringLiteral("cannot write '%1': %2").arg(fileName, reason);
}

void Print(const forms::Form &owner)
{
    const auto chart = chartAtRest();
    forms::printDialog(owner, drawingInfo(),
                       [&chart](auto &page) { forms::drawOnPage(*chart, page); });
}

void Save(const forms::Form &owner)
{
    const QString fileName =
        forms::saveFileDialog(owner, QStringLiteral("Save As"), Title,
                              {{QStringLiteral("PDF"), QStringLiteral("pdf")},
                               {QStringLiteral("PNG"), QStringLiteral("png")},
                               {QStringLiteral("SVG"), QStringLiteral("svg")}});
    if (fileName.isEmpty())
        return;
    QString failure = Export(fileName, *forms::drawingFormatOf(fileName), 1);
    if (!failure.isEmpty()) {
        failure[0] = failure[0].toUpper(); // the command line's words, as a sentence
        forms::messageBox(owner, failure);
    }
}

} // namespace ChartAtRest
