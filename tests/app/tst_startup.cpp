#include "app/form1.h"
#include "chart/frmcharts.h"
#include "support/testsupport.h"

#include <QApplication>
#include <QPointer>
#include <QProcess>
#include <QTest>

using namespace forms;

namespace {

// Records the order in which top-level windows are shown, by caption.
class ShowRecorder : public QObject {
public:
    QStringList shown;
    bool chartLoadedWhenForm1Shown = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (event->type() == QEvent::Show && widget && widget->isWindow()) {
            shown << widget->windowTitle();
            if (widget->windowTitle() == QLatin1String("Form1"))
                chartLoadedWhenForm1Shown = isLoaded<frmCharts>();
        }
        return false;
    }
};

} // namespace

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { testsupport::setUpHeadless(); }
    void cleanup() { testsupport::resetProgram(); }

    void chartWindowComesUpBeforeForm1()
    {
        ShowRecorder recorder;
        qApp->installEventFilter(&recorder);
        testsupport::startProgram();
        qApp->removeEventFilter(&recorder);

        QCOMPARE(recorder.shown, (QStringList{"Varelux - Version 1.0", "Form1"}));
        QVERIFY(recorder.chartLoadedWhenForm1Shown);
        QVERIFY(instance<frmCharts>().window()->isVisible());
        QVERIFY(instance<Form1>().window()->isVisible());
        QCOMPARE(instance<frmCharts>().window()->windowState(), Qt::WindowNoState);
    }

    void form1AsDesigned()
    {
        testsupport::startProgram();
        QWidget *form1 = instance<Form1>().window();
        QCOMPARE(form1->windowTitle(), QStringLiteral("Form1"));
        QCOMPARE(instance<Form1>().client()->size(), QSize(4680 / 15, 3195 / 15));
        QVERIFY(form1->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(form1->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(form1->minimumSize() != form1->maximumSize());
        QVERIFY(!form1->windowIcon().isNull());
    }

    void closingForm1LeavesTheProgramRunning()
    {
        testsupport::startProgram();
        QPointer<QWidget> form1 = instance<Form1>().window();
        QVERIFY(form1->close());
        QVERIFY(!isLoaded<Form1>());
        QTRY_VERIFY(form1.isNull());
        QCOMPARE(testsupport::endCount(), 0);
        QVERIFY(instance<frmCharts>().window()->isVisible());
    }

    void closingTheChartEndsTheProgram_data()
    {
        QTest::addColumn<bool>("form1Open");
        QTest::newRow("with Form1 still open") << true;
        QTest::newRow("after Form1 was closed") << false;
    }

    void closingTheChartEndsTheProgram()
    {
        QFETCH(bool, form1Open);
        testsupport::startProgram();
        QPointer<QWidget> form1 = instance<Form1>().window();
        QPointer<QWidget> chart = instance<frmCharts>().window();
        if (!form1Open)
            form1->close();
        QVERIFY(chart->close());
        QCOMPARE(testsupport::endCount(), 1);
        QVERIFY(!isLoaded<Form1>() && !isLoaded<frmCharts>());
        QTRY_VERIFY(form1.isNull() && chart.isNull());
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void startWithoutADisplaySaysSoAndFails_data()
    {
        QTest::addColumn<QString>("variable");
        QTest::addColumn<QString>("value");
        QTest::newRow("DISPLAY unset") << "DISPLAY" << QString();
        QTest::newRow("DISPLAY unreachable") << "DISPLAY"
                                             << ":97";
        QTest::newRow("platform plugin missing") << "QT_QPA_PLATFORM"
                                                 << "nosuchplatform";
    }

    void startWithoutADisplaySaysSoAndFails()
    {
        QFETCH(QString, variable);
        QFETCH(QString, value);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QString::fromLatin1(name));
        if (!value.isNull())
            env.insert(variable, value);
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(VARELUX_BINARY), {});
        QVERIFY(program.waitForFinished(20000));
        const QList<QByteArray> lines = program.readAllStandardError().trimmed().split('\n');
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 2);
        QCOMPARE(lines.size(), 1);
        QVERIFY2(lines[0].startsWith("varelux: cannot start: "), lines[0].constData());
    }
};

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
