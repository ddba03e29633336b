#pragma once

class QAccessibleInterface;
class QWidget;

namespace forms {

// Lets screen readers read labels: their name (the caption unless the program gives one), their
// role (text or link) and their state as the program describes it.
void installLabelAccessibility();

// What screen readers are told of a window's client area, which holds its labels: they are its
// children, and in a dialog they describe it, where Qt lets it say so (Qt 6.6 and later).
QAccessibleInterface *areaAccessible(QWidget *area);

} // namespace forms
