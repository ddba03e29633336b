#pragma once

#include <QCursor>

namespace forms {

// A mouse pointer drawn by the program, from a resource image, with its hot spot in pixels.
QCursor cursorFromImage(const char *resource, int hotX, int hotY, double zoom = 1);

} // namespace forms
