#include "dialogs.h"

#include "app.h"
#include "drawing.h"
#include "form.h"

#include <QDir>
#include <QFileInfo>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

#include <algorithm>

namespace forms {

QString saveFileDialog(const Form &owner, const QString &title, const QString &suggestedName,
                       const QList<FileType> &types)
{
    QStringList filters;
    for (const FileType &type : types)
        filters << QStringLiteral("%1 (*.%2)").arg(type.name, type.extension);
    QFileDialog dialog(owner.window(), title, QDir::homePath());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(types.value(0).extension);
    dialog.selectFile(suggestedName + QLatin1Char('.') + types.value(0).extension);
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString &filter) {
        dialog.setDefaultSuffix(types.value(int(filters.indexOf(filter))).extension);
    });
    if (dialog.exec() != QDialog::Accepted)
        return {};
    QString fileName = dialog.selectedFiles().value(0);
    const QString suffix = QFileInfo(fileName).suffix();
    const bool offered = std::any_of(types.begin(), types.end(), [&suffix](const FileType &type) {
        return suffix.compare(type.extension, Qt::CaseInsensitive) == 0;
    });
    if (!offered)
        fileName += QLatin1Char('.') +
                    types.value(int(filters.indexOf(dialog.selectedNameFilter()))).extension;
    return fileName;
}

void printDialog(const Form &owner, const DrawingInfo &document,
                 const std::function<void(QPagedPaintDevice &)> &print)
{
    QPrinter printer;
    setUpPage(printer);
    printer.setDocName(document.title);
    printer.setCreator(document.creator);
    QPrintDialog dialog(&printer, owner.window());
    if (dialog.exec() != QDialog::Accepted)
        return;
    printer.setResolution(PageDpi);
    print(printer);
}

void messageBox(const Form &owner, const QString &prompt)
{
    QMessageBox box(QMessageBox::Warning, App::title(), prompt, QMessageBox::Ok, owner.window());
    box.exec();
}

} // namespace forms
