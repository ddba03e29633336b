#include "dialogs.h"

#include "app.h"
#include "drawing.h"
#include "form.h"
#include "takeaway.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFileDialog>
#include <QMessageBox>

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
                    const QList<FileType> &types,
                    const std::function<bool(const QString &, int)> &save)
{
    static QString lastFolder = QDir::homePath(); // where this run last saved a file
    QStringList filters;
    for (const FileType &type : types)
        filters << QStringLiteral("%1 (*.%2)").arg(type.name, type.extension);
    QFileDialog dialog(owner.window(), title, lastFolder);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(filters);
    dialog.selectFile(suggestedName + QLatin1Char('.') + types.value(0).extension);
    for (;;) {
        if (dialog.exec() != QDialog::Accepted)
            return;
        const QString given = dialog.selectedFiles().value(0);
        const QString suffix = QFileInfo(given).suffix();
        const auto typed = std::find_if(types.begin(), types.end(), [&](const FileType &type) {
            return suffix.compare(type.extension, Qt::CaseInsensitive) == 0;
        });
        // The type chosen decides. Where the list was left at its first type, or the dialog
        // hands back one it was not offered, the name's extension does, if it names a type.
        const int chosen = int(filters.indexOf(dialog.selectedNameFilter()));
        const int type = chosen > 0             ? chosen
                         : typed != types.end() ? int(typed - types.begin())
                                                : 0;
        QString fileName = given;
        if (typed - types.begin() != type) {
            fileName.chop(typed != types.end() ? suffix.size() + 1 : 0);
            if (fileName.endsWith(QLatin1Char('.')))
                fileName.chop(1);
            fileName += QLatin1Char('.') + types[type].extension;
        }
        // The dialog asked about the name it hands back; a name the program made is asked about
        // here, before it replaces a file. No brings the dialog back with the name as the user
        // gave it, in its folder.
        if (fileName != given && QFileInfo::exists(fileName) &&
            !askToReplace(owner.window(), title, fileName)) {
            dialog.setDirectory(QFileInfo(given).absolutePath());
            dialog.selectFile(QFileInfo(given).fileName());
            continue;
        }
        if (save(fileName, type))
            lastFolder = QFileInfo(fileName).absolutePath();
        return;
    }
}

std::optional<PrintFailure> printDialog(const Form &owner, const Form &drawing,
                                        const DrawingInfo &document)
{
    QString why;
    const TakeAway *module = takeAway(&why);
    if (!module)
        return PrintFailure{{}, {}, why};
    return module->print(
        owner.window(),
        {document.title, document.creator, PageDpi,
         [](QPagedPaintDevice &page) { setUpPage(page); },
         [&](QPagedPaintDevice &page) { return drawOnPage(drawing, page, document.title); },
         [&](const QString &file, const QPageLayout &paper) {
             return saveDrawing(drawing, file, DrawingFormat::Pdf, 1, document, &paper);
         }});
}

void messageBox(const Form &owner, const QString &prompt)
{
    QMessageBox box(QMessageBox::Warning, App::title(), prompt, QMessageBox::Ok, owner.window());
    box.exec();
}

} // namespace forms
