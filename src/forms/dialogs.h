#pragma once

#include <QList>
#include <QString>

#include <functional>

class QPagedPaintDevice;

namespace forms {

class Form;
struct DrawingInfo;

// A kind of file offered for saving: its name in the dialog and its extension ("PDF", "pdf").
struct FileType {
    QString name;
    QString extension;
};

// The desktop's dialog for saving a file, over `owner`, proposing `suggestedName` plus the first
// type's extension. A name that ends in none of the types' extensions takes the chosen type's.
// Empty when the user cancels.
QString saveFileDialog(const Form &owner, const QString &title, const QString &suggestedName,
                       const QList<FileType> &types);

// The desktop's print dialog over `owner`, for a page set up as setUpPage() does; once the user
// accepts, `print` draws on the chosen printer's page. Cancel prints nothing.
void printDialog(const Form &owner, const DrawingInfo &document,
                 const std::function<void(QPagedPaintDevice &)> &print);

// A warning in a message box over `owner`, titled with the program's title, closed with OK.
void messageBox(const Form &owner, const QString &prompt);

} // namespace forms
