// The floor for start-up: one plain Qt window of the chart window's size, holding as many plain
// labels as the chart and a menu bar, ended once it has been painted.
#include "firstpaint.h"

#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QVBoxLayout>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    application.installEventFilter(new FirstPaintWatcher(&application));

    QWidget window;
    window.setWindowTitle(QStringLiteral("Varelux - Version 1.0"));
    auto *layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *menuBar = new QMenuBar(&window);
    QMenu *view = menuBar->addMenu(QStringLiteral("&View"));
    for (const char *item : {"&Chart Only", "&Hide Crosshairs", "&About"})
        view->addAction(QString::fromLatin1(item));
    layout->setMenuBar(menuBar);
    auto *client = new QWidget(&window);
    client->setFixedSize(306, 429);
    layout->addWidget(client);
    for (int i = 0; i < 226; ++i) {
        auto *label = new QLabel(QString::number(i), client);
        label->setGeometry(i % 10 * 24, i / 10 * 16, 25, 17);
    }
    window.show();
    return QApplication::exec();
}
