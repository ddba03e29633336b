#pragma once

#include <QList>
#include <QString>

#include <functional>
#include <optional>

namespace forms {

class Form;
struct DrawingInfo;

// A kind of file offered for saving: its name in the dialog and its extension ("PDF", "pdf").
struct FileType {
    QString name;
    QString extension;
};

// The desktop's dialog for saving a file, over `owner`, opening in the folder where this run
// last saved a file and proposing `suggestedName` plus the first type's extension; `save`
// writes the file chosen and says whether it did. The type chosen wins over the extension of a
// suggestion left as it was, and a name that ends in none of the types' extensions takes the
// chosen type's; the user is asked before a name so changed replaces a file, and the dialog
// comes back in that name's folder if not. Nothing is saved when the user cancels.
void saveFileDialog(const Form &owner, const QString &title, const QString &suggestedName,
                    const QList<FileType> &types, const std::function<bool(const QString &)> &save);

// What stopped a print: the printer's name or the file printed to, with the system's reason
// where it gives one.
struct PrintFailure {
    QString where;
    QString reason;
};

// The desktop's print dialog over `owner`, for a page set up as setUpPage() does; once the user
// accepts, the client area of `drawing` is printed under the document's title as drawOnPage()
// draws it (to a file, as saveDrawing() writes one). Cancel prints nothing.
std::optional<PrintFailure> printDialog(const Form &owner, const Form &drawing,
                                        const DrawingInfo &document);

// A warning in a message box over `owner`, titled with the program's title, closed with OK.
void messageBox(const Form &owner, const QString &prompt);

} // namespace forms
