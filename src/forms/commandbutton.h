#pragma once

#include "twips.h"

#include <QPushButton>

namespace forms {

// A push button placed in twips. The default button is pressed by Enter, the cancel button by
// Escape, wherever the focus is in its window.
class CommandButton : public QPushButton {
    Q_OBJECT
public:
    CommandButton(QWidget *client, const TwipsRect &rect, const QString &caption);

    void setDefaultRole();
    void setCancelRole();

private:
    void place();

    TwipsRect m_rect;
};

} // namespace forms
