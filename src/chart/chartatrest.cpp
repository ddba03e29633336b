#include "chartatrest.h"

#include "chart/frmcharts.h"
#include "forms/app.h"
#include "forms/dialogs.h"

#include <QCoreApplication>
#include <QDir>

#include <memory>

namespace ChartAtRest {

namespace {

std::unique_ptr<frmCharts> chartAtRest()
{
    auto chart = std::make_unique<frmCharts>();
    chart->setResolution(forms::PageDpi);
    chart->Load_Argon();
    chart->Load_Neon();
    chart->useLightColours();
    return chart;
}

// What goes with the chart into a file or to the printer.
forms::DrawingInfo drawingInfo()
{
    return {Title(), forms::App::title() + QLatin1Char(' ') + forms::App::version()};
}

// With the system's reason, or where it gives none, that the chart could not be drawn.
QString cannotWrite(const QString &fileName, const QString &reason)
{
    //: %1 is the file's name, %2 the reason the system gives (in the user's language, from Qt).
    return QCoreApplication::translate("ChartAtRest", "Cannot write \u201C%1\u201D: %2")
        .arg(QDir::toNativeSeparators(fileName),
             reason.isEmpty()
                 ? QCoreApplication::translate("ChartAtRest", "the chart could not be drawn")
                 : reason);
}

} // namespace

QString Title()
{
    //: The chart's name: a table of how much tubing a sign transformer of each voltage can light.
    //: It heads the printed page and names the files it is saved as.
    return QCoreApplication::translate("ChartAtRest", "Transformer Loading Chart");
}

std::optional<QString> Export(const QString &fileName, forms::DrawingFormat format, double scale)
{
    return forms::saveDrawing(*chartAtRest(), fileName, format, scale, drawingInfo());
}

void Print(const forms::Form &owner)
{
    const std::optional<forms::PrintFailure> failure =
        forms::printDialog(owner, *chartAtRest(), drawingInfo());
    if (!failure)
        return;
    if (failure->file.isEmpty() && !failure->reason.isEmpty()) { // printing itself is missing
        forms::messageBox(owner, failure->reason);
        return;
    }
    //: %1 is the printer's name.
    forms::messageBox(owner, failure->file.isEmpty()
                                 ? QCoreApplication::translate(
                                       "ChartAtRest", "The printer \u201C%1\u201D could not "
                                                      "print the chart.")
                                       .arg(failure->printer)
                                 : cannotWrite(failure->file, failure->reason));
}

void Save(const forms::Form &owner)
{
    forms::saveFileDialog(
        //: The title of the dialog that saves the chart to a file.
        owner, QCoreApplication::translate("ChartAtRest", "Save As"), Title(),
        {{QCoreApplication::translate("ChartAtRest", "PDF document"), QStringLiteral("pdf")},
         {QCoreApplication::translate("ChartAtRest", "PNG image"), QStringLiteral("png")},
         {QCoreApplication::translate("ChartAtRest", "SVG drawing"), QStringLiteral("svg")}},
        [&owner](const QString &fileName, int type) {
            static const forms::DrawingFormat formats[] = {
                forms::DrawingFormat::Pdf, forms::DrawingFormat::Png, forms::DrawingFormat::Svg};
            const std::optional<QString> failure = Export(fileName, formats[type], 1);
            if (failure)
                forms::messageBox(owner, cannotWrite(fileName, *failure));
            return !failure;
        });
}

} // namespace ChartAtRest
