#pragma once

#include <QPoint>
#include <QString>

class QWidget;

namespace forms {
class Label;
}

namespace testsupport {

// Quietens the offscreen platform's notices and makes the program's end observable: from here
// on, ending the program counts an end instead of leaving the event loop.
void setUpHeadless();

// Starts the program as its main() does: loads the start-up window, then shows it.
void startProgram();

// Destroys every window and forgets every default instance, so the next case starts afresh.
void resetProgram();

int endCount();

// Clicks through the window at a point of its client area, as a user would: the platform
// finds whatever control lies there.
void clickAt(QWidget *client, QPoint point);
void click(const forms::Label &label);

} // namespace testsupport
