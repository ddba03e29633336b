#pragma once

#include <QLocale>
#include <QPageSize>
#include <QString>

#include <optional>

class QPageLayout;
class QPagedPaintDevice;

namespace forms {

class Form;

// A window's client area taken away from the window: to a file or onto paper.
enum class DrawingFormat { Pdf, Png, Svg };

// What a file's name asks for: .pdf, .png or .svg, in any case.
std::optional<DrawingFormat> drawingFormatOf(const QString &fileName);

// Goes with the drawing into PDF and SVG files (and a PNG's text); on paper the title heads the
// page.
struct DrawingInfo {
    QString title;
    QString creator;
};

// Writes the client area of `form` as it paints now, to a temporary file beside `fileName`
// that is renamed into place once whole: a failure leaves an existing file as it was. PDF and
// SVG are vectors with their texts as text, a PDF one page of paper (the locale's, unless
// `paper` is given) as drawOnPage() draws it; a PNG is `scale` times the window's size in
// pixels. PNG and SVG show the window's background, a page stays white. Every step is checked:
// a failure returns the system's reason (empty where it gives none, as when the drawing itself
// could not be made), success nothing.
std::optional<QString> saveDrawing(const Form &form, const QString &fileName, DrawingFormat format,
                                   double scale, const DrawingInfo &info,
                                   const QPageLayout *paper = nullptr);

// Pages are drawn at the resolution windows are laid out in, so that fonts given in points keep
// their size against the labels; drawOnPage() then scales the drawing onto the paper.
inline constexpr int PageDpi = 96;

// The paper used in a territory where the system names none: Letter or A4.
QPageSize::PageSizeId paperOfTerritory(QLocale::Territory territory);

// A page of the paper the user's locale names, with margins of 15 mm.
void setUpPage(QPagedPaintDevice &page);

// Draws `heading` at the top of the page and the client area of `form` under it, as large as it
// fits inside the page's margins, on a page of PageDpi dots per inch. False where the page could
// not be drawn on or finished.
bool drawOnPage(const Form &form, QPagedPaintDevice &page, const QString &heading);

} // namespace forms
