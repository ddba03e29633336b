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
// last saved a file and proposing `suggestedName` plus the first type's extension; `save` writes
// the file chosen, as the type at that index of `types`, and says whether it did. The type chosen
// decides, and the name takes its extension; where the list is left at its first type, a name
// that ends in another type's extension is saved as that type. The user is asked before a name
// the program changed replaces a file, and the dialog comes back with the name as given if not.
// Nothing is saved when the user cancels.
void saveFileDialog(const Form &owner, const QString &title, const QString &suggestedName,
                    const QList<FileType> &types,
                    const std::function<bool(const QString &, int)> &save);

// What stopped a print: the printer, or the file printed to with the system's reason where it
// gives one; neither, but a reason, where printing could not be loaded: the loader's.
struct PrintFailure {
    QString printer;
    QString file;
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
