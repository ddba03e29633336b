#include "dialogs.h"

#include "app.h"
#include "drawing.h"
#include "form.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

#include <algorithm>

namespace forms {

namespace {

// Asked as the file dialog asks it, in Qt's own words (and language).
bool askToReplace(QWidget *parent, const QString &title, const QString &fileName)
{
    static const char *const question = "%1 already exists.\nDo you want to replace it?";
    return QMessageBox::warning(parent, title,
                                QCoreApplication::translate("QFileDialog", question)
                                    .arg(QDir::toNativeSeparators(fileName)),
                                QMessageBox::Yes | QMessageBox::No,
                                QMessageBox::No) == QMessageBox::Yes;
}

} // namespace

QString saveFileDialog(const Form &owner, const QString &title, const QString &suggestedName,
                       const QList<FileType> &types)
{
    static QString lastFolder = QDir::homePath(); // where the last save of this run went
    QStringList filters;
    for (const FileType &type : types)
        filters << QStringLiteral("%1 (*.%2)").arg(type.name, type.extension);
    QFileDialog dialog(owner.window(), title, lastFolder);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(types.value(0).extension);
    dialog.selectFile(suggestedName + QLatin1Char('.') + types.value(0).extension);
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString &filter) {
        dialog.setDefaultSuffix(types.value(int(filters.indexOf(filter))).extension);
    });
    for (;;) {
        if (dialog.exec() != QDialog::Accepted)
            return {};
        QString fileName = dialog.selectedFiles().value(0);
        const QString suffix = QFileInfo(fileName).suffix();
        const bool offered =
            std::any_of(types.begin(), types.end(), [&suffix](const FileType &type) {
                return suffix.compare(type.extension, Qt::CaseInsensitive) == 0;
            });
        // The dialog asked about the name as typed; a name the program extends is asked about
        // here, before anything is replaced.
        if (!offered) {
            if (fileName.endsWith(QLatin1Char('.')))
                fileName.chop(1);
            fileName += QLatin1Char('.') +
                        types.value(int(filters.indexOf(dialog.selectedNameFilter()))).extension;
            if (QFileInfo::exists(fileName) && !askToReplace(&dialog, title, fileName)) {
                dialog.selectFile(QFileInfo(fileName).fileName());
                continue;
            }
        }
        lastFolder = QFileInfo(fileName).absolutePath();
        return fileName;
    }
}

std::optional<PrintFailure> printDialog(const Form &owner, const Form &drawing,
                                        const DrawingInfo &document)
{
    QPrinter printer;
    setUpPage(printer);
    printer.setDocName(document.title);
    printer.setCreator(document.creator);
    QPrintDialog dialog(&printer, owner.window());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    // Printed to a file: written whole or not at all, as a saved file is.
    const QString file = printer.outputFileName();
    if (printer.outputFormat() == QPrinter::PdfFormat && !file.isEmpty()) {
        const QPageLayout paper = printer.pageLayout();
        const QString reason = saveDrawing(drawing, file, DrawingFormat::Pdf, 1, document, &paper);
        return reason.isEmpty() ? std::nullopt : std::optional(PrintFailure{file, reason});
    }
    printer.setResolution(PageDpi);
    if (!drawOnPage(drawing, printer, document.title) || printer.printerState() == QPrinter::Error)
        return PrintFailure{printer.printerName(), {}};
    return std::nullopt;
}

void messageBox(const Form &owner, const QString &prompt)
{
    QMessageBox box(QMessageBox::Warning, App::title(), prompt, QMessageBox::Ok, owner.window());
    box.exec();
}

} // namespace forms
