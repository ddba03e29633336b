// The floor for start-up: a plain Qt program showing the same two windows as Varelux, a blank one
// and one of the chart window's size with a menu bar and as many plain labels as the chart, some
// of them in the script of the language being measured (the first argument: a text in it), ended
// once the chart-sized window has been painted.
#include "firstpaint.h"

#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QVBoxLayout>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    application.installEventFilter(new FirstPaintWatcher(&application));
    const QString words = argc > 1 ? QString::fromUtf8(argv[1]) : QStringLiteral("BLUE GAS");

    QWidget blank;
    blank.resize(312, 213);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Varelux - Version 1.0"));
    auto *layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *menuBar = new QMenuBar(&window);
    QMenu *view = menuBar->addMenu(words);
    for (int i = 0; i < 3; ++i)
        view->addAction(words);
    layout->setMenuBar(menuBar);
    auto *client = new QWidget(&window);
    client->setFixedSize(306, 429);
    layout->addWidget(client);
    for (int i = 0; i < 226; ++i) { // the chart's figures, and its titles and headers in words
        auto *label = new QLabel(i % 6 ? QString::number(i) : words, client);
        label->setGeometry(i % 10 * 24, i / 10 * 16, 25, 17);
    }
    window.show();
    blank.show();
    return QApplication::exec();
}
