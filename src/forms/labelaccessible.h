#pragma once

namespace forms {

// Lets screen readers read labels: their name (the caption unless the program gives one), their
// role (text or link) and their state as the program describes it.
void installLabelAccessibility();

} // namespace forms
