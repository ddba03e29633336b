// The program's own start-up, ended once the chart window has been painted.
#include "app/form1.h"
#include "firstpaint.h"
#include "forms/app.h"

#include <QApplication>

int main(int argc, char **argv)
{
    return forms::App::run(argc, argv, [] {
        qApp->installEventFilter(new FirstPaintWatcher(qApp));
        forms::load<Form1>().show();
    });
}
