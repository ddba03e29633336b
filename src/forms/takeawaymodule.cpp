// The program's module for printing and for SVG files, loaded on first use (see takeaway.h).
#include "takeaway.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSvgGenerator>

namespace {

class Module : public forms::TakeAway {
public:
    bool writeSvg(QIODevice &out, const QSize &size, int dpi, const QString &title,
                  const std::function<void(QPainter &)> &draw) const override
    {
        QSvgGenerator svg;
        svg.setOutputDevice(&out);
        svg.setTitle(title);
        svg.setResolution(dpi);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(), size));
        QPainter painter;
        if (!painter.begin(&svg))
            return false;
        draw(painter);
        return painter.end();
    }

    std::optional<forms::PrintFailure> print(QWidget *owner, const Print &print) const override
    {
        QPrinter printer;
        print.setUpPage(printer);
        printer.setDocName(print.title);
        printer.setCreator(print.creator);
        QPrintDialog dialog(&printer, owner);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        // Printed to a file: written whole or not at all, as a saved file is.
        const QString file = printer.outputFileName();
        if (printer.outputFormat() == QPrinter::PdfFormat && !file.isEmpty()) {
            const std::optional<QString> failure = print.saveAsPdf(file, printer.pageLayout());
            return failure ? std::optional(forms::PrintFailure{{}, file, *failure}) : std::nullopt;
        }
        printer.setResolution(print.dpi);
        if (!print.drawOnPage(printer) || printer.printerState() == QPrinter::Error)
            return forms::PrintFailure{printer.printerName(), {}, {}};
        return std::nullopt;
    }
};

} // namespace

extern "C" Q_DECL_EXPORT const forms::TakeAway *varelux_take_away()
{
    static const Module module;
    return &module;
}
