#pragma once

class QWidget;

namespace forms {

// Asks the window manager to leave a top-level window out of the taskbar. Qt has no such
// setting on X11, so this sets _NET_WM_STATE_SKIP_TASKBAR itself; elsewhere it does nothing.
void keepOutOfTaskbar(QWidget *window);

} // namespace forms
