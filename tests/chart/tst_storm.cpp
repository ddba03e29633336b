#include "about/frmabout.h"
#include "chart/frmcharts.h"
#include "forms/shell.h"
#include "support/chartmodel.h"
#include "support/testsupport.h"

#include <QApplication>
#include <QTest>

namespace {

int fromEnvironment(const char *name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

} // namespace

class StormTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { testsupport::setUpHeadless(); }
    void init()
    {
        testsupport::startProgram();
        forms::setShellOpener([](const forms::ShellRequest &) { return false; });
    }
    void cleanup()
    {
        forms::setShellOpener({});
        testsupport::resetProgram();
    }

    // A long run of seeded random events; set VARELUX_SEED to replay a failure.
    void eventStormMatchesTheModel()
    {
        const auto seed = static_cast<quint32>(fromEnvironment("VARELUX_SEED", 6122026));
        const int events = fromEnvironment("VARELUX_STORM_EVENTS", 100000);
        frmCharts &chart = forms::instance<frmCharts>();
        testsupport::EventStorm storm(chart, seed);
        for (int n = 0; n < events; ++n) {
            const QString event = storm.step();
            const QString difference = storm.model().differenceFrom(chart);
            if (!difference.isEmpty() || forms::isLoaded<frmAbout>() || testsupport::endCount())
                QFAIL(qPrintable(
                    QString("seed %1, event %2 (%3): %4")
                        .arg(seed)
                        .arg(n)
                        .arg(event, difference.isEmpty() ? "About box or end" : difference)));
        }
        QVERIFY(chart.window()->isVisible());
    }

    void aboutCyclesLeaveNoWidgetBehind()
    {
        frmCharts &chart = forms::instance<frmCharts>();
        const auto before = QApplication::allWidgets().size();
        for (int n = 0; n < 1000; ++n)
            testsupport::openAndCloseAbout(chart, static_cast<testsupport::AboutClose>(n % 4));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(QApplication::allWidgets().size(), before);
    }
};

QTEST_MAIN(StormTest)
#include "tst_storm.moc"
