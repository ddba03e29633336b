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

void report(const char *name, std::vector<qint64> samples, long long paintsBefore)
{
    const auto count = static_cast<long long>(samples.size());
    std::sort(samples.begin(), samples.end());
    std::printf("%s %lld %lld %lld paints/op %.1f\n", name, static_cast<long long>(samples.front()),
                static_cast<long long>(samples[samples.size() / 2]),
                static_cast<long long>(samples.back()),
                double(counter->paints - paintsBefore) / double(count));
}

std::vector<qint64> timeEach(int count, const std::function<void(int)> &step)
{
    std::vector<qint64> samples;
    samples.reserve(count);
    QElapsedTimer timer;
    for (int n = 0; n < count; ++n) {
        timer.start();
        step(n);
        samples.push_back(timer.nsecsElapsed());
    }
    return samples;
}

void measure(int clicks, int cycles)
{
    frmCharts &chart = forms::instance<frmCharts>();
    const QList<QWidget *> everything = chart.window()->findChildren<QWidget *>();
    QCoreApplication::processEvents();

    // Clicks alternate between the grids and walk over every cell.
    long long before = counter->paints;
    report("click",
           timeEach(clicks,
                    [&](int n) {
                        const auto index = static_cast<qint16>(n * 37 % 90);
                        if (n % 2)
                            chart.lblNeon_Click(index);
                        else
                            chart.lblArgon_Click(index);
                        QCoreApplication::processEvents();
                    }),
           before);
    // The floor: every label, the menu bar and the window itself painted again as they are.
    before = counter->paints;
    report("repaint",
           timeEach(clicks,
                    [&](int) {
                        chart.window()->update();
                        for (QWidget *widget : everything)
                            widget->update();
                        QCoreApplication::processEvents();
                    }),
           before);
    before = counter->paints;
    report("about",
           timeEach(cycles,
                    [&](int) {
                        QTimer::singleShot(0, &chart,
                                           [] { forms::instance<frmAbout>().cmdOK_Click(); });
                        chart.mnuAbout_Click();
                        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                    }),
           before);
    std::fflush(stdout);
    forms::App::end();
}

} // namespace

int main(int argc, char **argv)
{
    const int clicks = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int cycles = argc > 2 ? std::atoi(argv[2]) : 300;
    return forms::App::run(argc, argv, [clicks, cycles] {
        counter = new PaintCounter(qApp);
        qApp->installEventFilter(counter);
        forms::load<Form1>().show();
        // Measured from inside the event loop, where the user's clicks arrive.
        QTimer::singleShot(0, qApp, [clicks, cycles] { measure(clicks, cycles); });
    });
}
