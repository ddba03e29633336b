#pragma once

class QWidget;

namespace forms {

// A window is designed from the left, as its twips read; where the user's language is written from
// right to left it shows mirrored (see TwipsScale). The arrow key the design means by a key, so
// that the arrows move the way they point.
int asDesigned(const QWidget &window, int key);

} // namespace forms
