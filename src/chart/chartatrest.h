#pragma once

#include "forms/drawing.h"

#include <QString>

namespace forms {
class Form;
}

// The chart taken out of its window: written to a file, printed, or saved where the user
// chooses. It is drawn from a chart of its own, built as the window is and never shown, so that
// no mark and no dark theme reaches the page: the window's picture at rest, on its designed
// light colours.
namespace ChartAtRest {

// The chart's title, at the head of a page and in a file's description.
QString Title();

// Writes the chart to a file of the given format (a PNG `scale` times the window's size).
// Returns nothing on success; on a failure, the system's reason, empty where the chart itself
// could not be drawn.
std::optional<QString> Export(const QString &fileName, forms::DrawingFormat format, double scale);

// The print dialog over `owner`, then one page on the chosen printer, or a message box saying
// why not.
void Print(const forms::Form &owner);

// The Save As dialog over `owner`, then the file, or a message box saying why not.
void Save(const forms::Form &owner);

} // namespace ChartAtRest
