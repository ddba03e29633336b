#pragma once

class QAccessibleInterface;
class QWidget;

namespace forms {

// Lets screen readers read labels: their name (the caption unless the program gives one), their
// role (text or link) and their state as the program describes it.
void installLabelAccessibility();

// What screen readers are told of the area of a dialog that holds its labels, where Qt lets it say
// what its labels say (Qt 6.6 and later); none before.
QAccessibleInterface *dialogAreaAccessible(QWidget *area);

} // namespace forms
