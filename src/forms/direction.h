#pragma once

#include <QPoint>
#include <QRect>

class QWidget;

namespace forms {

// A window is designed from the left, as its twips read. Where the user's language is written from
// right to left, it shows mirrored, as Qt's own widgets mirror themselves: what the design puts at
// the left edge of `area` stands at its right, and the other way round. Mirroring twice gives the
// design back, so the same calls take a place on the screen back to the design.
QRect asShown(const QWidget &area, const QRect &designed);
QPoint asShown(const QWidget &area, const QPoint &designed);
// The arrow key the design means by a key, so that the arrows move the way they point.
int asDesigned(const QWidget &window, int key);

} // namespace forms
