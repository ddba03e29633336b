#pragma once

#include "dialogs.h"

#include <QString>

#include <functional>
#include <optional>

class QIODevice;
class QPageLayout;
class QPagedPaintDevice;
class QPainter;
class QSize;
class QWidget;

namespace forms {

// What only taking a drawing away needs of Qt: its printing and its SVG modules. They live in a
// module of the program's own, loaded the first time a drawing is printed or written as SVG,
// rather than at every start.
class TakeAway {
public:
    // A print as the program sets it up: its page, what it draws on one, and how a print to a
    // PDF file is written instead (the file's reason where that fails).
    struct Print {
        QString title;
        QString creator;
        int dpi = 0;
        std::function<void(QPagedPaintDevice &)> setUpPage;
        std::function<bool(QPagedPaintDevice &)> drawOnPage;
        std::function<std::optional<QString>(const QString &file, const QPageLayout &paper)>
            saveAsPdf;
    };

    virtual ~TakeAway() = default;
    // Draws a picture of `size` pixels at `dpi` into an SVG document on `out`; false where the
    // painter could not begin or finish.
    virtual bool writeSvg(QIODevice &out, const QSize &size, int dpi, const QString &title,
                          const std::function<void(QPainter &)> &draw) const = 0;
    // The desktop's print dialog over `owner`; once the user accepts, the print is made. Nothing
    // where it was cancelled or went well.
    virtual std::optional<PrintFailure> print(QWidget *owner, const Print &print) const = 0;
};

// The module, loaded on first use; none where it cannot be, with the loader's reason in `why`.
const TakeAway *takeAway(QString *why);

} // namespace forms

// The module's one entry, by this name.
extern "C" const forms::TakeAway *varelux_take_away();
