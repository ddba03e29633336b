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

void saveFileDialog(const Form &owner, const QString &title, const QString &suggestedName,
                    const QList<FileType> &types, const std::function<bool(const QString &)> &save)
{
    static QString lastFolder = QDir::homePath(); // where this run last saved a file
    QStringList filters;
    for (const FileType &type : types)
        filters << QStringLiteral("%1 (*.%2)").arg(type.name, type.extension);
    QFileDialog dialog(owner.window(), title, lastFolder);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(types.value(0).extension);
    const QString suggestion = suggestedName + QLatin1Char('.') + types.value(0).extension;
    dialog.selectFile(suggestion);
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString &filter) {
        dialog.setDefaultSuffix(types.value(int(filters.indexOf(filter))).extension);
    });
    for (;;) {
        if (dialog.exec() != QDialog::Accepted)
            return;
        QString fileName = dialog.selectedFiles().value(0);
        const QFileInfo typed(fileName);
        const QString chosen =
            types.value(int(filters.indexOf(dialog.selectedNameFilter()))).extension;
        const bool offered =
            std::any_of(types.begin(), types.end(), [&typed](const FileType &type) {
                return typed.suffix().compare(type.extension, Qt::CaseInsensitive) == 0;
            });
        // The dialog asked about the name as typed; a name the program changes is asked about
        // here, before anything is replaced. (Qt's own dialog renames the suggestion when the
        // type changes; GTK's leaves it.)
        const bool untouched = typed.fileName() == suggestion && typed.suffix() != chosen;
        if (!offered || untouched) {
            if (untouched)
                fileName.chop(typed.suffix().size() + 1);
            if (fileName.endsWith(QLatin1Char('.')))
                fileName.chop(1);
            fileName += QLatin1Char('.') + chosen;
            if (QFileInfo::exists(fileName) && !askToReplace(&dialog, title, fileName)) {
                dialog.setDirectory(QFileInfo(fileName).absolutePath());
                dialog.selectFile(QFileInfo(fileName).fileName());
                continue;
            }
        }
        if (save(fileName))
            lastFolder = QFileInfo(fileName).absolutePath();
        return;
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
        const std::optional<QString> failure =
            saveDrawing(drawing, file, DrawingFormat::Pdf, 1, document, &paper);
        return failure ? std::optional(PrintFailure{file, *failure}) : std::nullopt;
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
