// Times what the user does most: a cell click with the repaint it causes, against one full
// repaint of the chart window; and an About box cycle. Prints one line per figure:
//   NAME min median max (nanoseconds) paints/op N
// Run it on a real X server (Xvfb): the offscreen platform holds repaints back.
#include "about/frmabout.h"
#include "app/form1.h"
#include "chart/frmcharts.h"
#include "forms/app.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {

// Counts paint events, so that a figure can show it timed real painting.
class PaintCounter : public QObject {
public:
    using QObject::QObject;
    long long paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

PaintCounter *counter = nullptr;

struct Figure {
    std::vector<qint64> samples;
    long long paints = 0;
};

void timeInto(Figure &figure, const std::function<void()> &step)
{
    const long long paintsBefore = counter->paints;
    QElapsedTimer timer;
    timer.start();
    step();
    figure.samples.push_back(timer.nsecsElapsed());
    figure.paints += counter->paints - paintsBefore;
}

void report(const char *name, Figure figure)
{
    auto &samples = figure.samples;
    std::sort(samples.begin(), samples.end());
    std::printf("%s %lld %lld %lld paints/op %.1f\n", name, static_cast<long long>(samples.front()),
                static_cast<long long>(samples[samples.size() / 2]),
                static_cast<long long>(samples.back()),
                double(figure.paints) / double(samples.size()));
}

void measure(int clicks, int cycles)
{
    frmCharts &chart = forms::instance<frmCharts>();
    const QList<QWidget *> everything = chart.window()->findChildren<QWidget *>();
    QCoreApplication::processEvents();

    // A click and its floor take turns, so that both see the same machine. Clicks alternate
    // between the grids and walk over every cell; the floor paints every label, the menu bar
    // and the window itself again as they are.
    Figure click;
    Figure repaint;
    for (int n = 0; n < clicks; ++n) {
        timeInto(click, [&] {
            const auto index = static_cast<qint16>(n * 37 % 90);
            if (n % 2)
                chart.lblNeon_Click(index);
            else
                chart.lblArgon_Click(index);
            QCoreApplication::processEvents();
        });
        timeInto(repaint, [&] {
            chart.window()->update();
            for (QWidget *widget : everything)
                widget->update();
            QCoreApplication::processEvents();
        });
    }
    report("click", click);
    report("repaint", repaint);

    Figure about;
    for (int n = 0; n < cycles; ++n)
        timeInto(about, [&] {
            QTimer::singleShot(0, &chart, [] { forms::instance<frmAbout>().cmdOK_Click(); });
            chart.mnuAbout_Click();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        });
    report("about", about);

    std::fflush(stdout);
    forms::App::end();
}

} // namespace

int main(int argc, char **argv)
{
    const int clicks = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int cycles = argc > 2 ? std::atoi(argv[2]) : 300;
    int programOnly = 1; // the counts are the benchmark's, not options of the program
    return forms::App::run(programOnly, argv, [clicks, cycles] {
        counter = new PaintCounter(qApp);
        qApp->installEventFilter(counter);
        forms::load<Form1>().show();
        // Measured from inside the event loop, where the user's clicks arrive.
        QTimer::singleShot(0, qApp, [clicks, cycles] { measure(clicks, cycles); });
    });
}
