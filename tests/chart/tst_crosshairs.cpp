#include "chart/frmcharts.h"
#include "forms/label.h"
#include "forms/menuitem.h"
#include "forms/shell.h"
#include "support/chartmodel.h"
#include "support/testsupport.h"

#include <QAction>
#include <QApplication>
#include <QTest>

using forms::Rgb;
using testsupport::ChartModel;
using testsupport::Gas;

using Clicks = QList<QPair<Gas, int>>;

namespace {

frmCharts &chart()
{
    return forms::instance<frmCharts>();
}

void clickCell(Gas gas, int index)
{
    testsupport::click(gas == Gas::Argon ? chart().lblArgon[index] : chart().lblNeon[index]);
}

QList<int> range(int from, int to, int step = 1)
{
    QList<int> values;
    for (int i = from; i <= to; i += step)
        values << i;
    return values;
}

} // namespace

class CrosshairsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { testsupport::setUpHeadless(); }
    void init()
    {
        testsupport::startProgram();
        m_requests.clear();
        forms::setShellOpener([this](const forms::ShellRequest &request) {
            m_requests << request;
            return m_openerSucceeds;
        });
        m_openerSucceeds = true;
    }
    void cleanup()
    {
        forms::setShellOpener({});
        testsupport::resetProgram();
    }

    // The chart's own examples: which cells turn light yellow, which headers are marked.
    void examples_data()
    {
        QTest::addColumn<Gas>("gas");
        QTest::addColumn<int>("index");
        QTest::addColumn<QList<int>>("lightYellow");
        QTest::addColumn<QString>("rowHeader");
        QTest::addColumn<QString>("columnHeader");
        const QList<int> around0 = range(1, 9) + range(10, 80, 10);
        const QList<int> around89 = range(80, 88) + range(9, 79, 10);
        const QList<int> around47 =
            range(40, 46) + QList<int>{48, 49, 7, 17, 27, 37, 57, 67, 77, 87};
        for (Gas gas : {Gas::Argon, Gas::Neon}) {
            const char *name = gas == Gas::Argon ? "argon" : "neon";
            QTest::addRow("%s 0 marks 15000 and 25", name) << gas << 0 << around0 << "15000"
                                                           << "25";
            QTest::addRow("%s 89 marks 2000 and 9", name) << gas << 89 << around89 << "2000"
                                                          << "9";
            QTest::addRow("%s 47 marks 6000 and 11", name) << gas << 47 << around47 << "6000"
                                                           << "11";
        }
    }

    void examples()
    {
        QFETCH(Gas, gas);
        QFETCH(int, index);
        QFETCH(QList<int>, lightYellow);
        QFETCH(QString, rowHeader);
        QFETCH(QString, columnHeader);
        clickCell(gas, index);

        const bool neon = gas == Gas::Neon;
        const forms::LabelArray &cells = neon ? chart().lblNeon : chart().lblArgon;
        const forms::LabelArray &rows = neon ? chart().TranLabelN : chart().TranLabelA;
        const forms::LabelArray &columns = neon ? chart().diamLabelN : chart().diamLabelA;
        for (int i = 0; i < 90; ++i) {
            const Rgb want = i == index                ? Rgb{255, 255, 0}
                             : lightYellow.contains(i) ? Rgb{255, 255, 192}
                                                       : Rgb{255, 255, 255};
            QVERIFY2(cells[i].backColor() == want, qPrintable(QString("cell %1").arg(i)));
            QCOMPARE(cells[i].fontBold(), i == index);
        }
        const Rgb rest = neon ? Rgb{255, 0, 0} : Rgb{0, 255, 255};
        const Rgb restText = neon ? Rgb{255, 255, 255} : Rgb{0, 0, 0};
        for (const forms::LabelArray *headers : {&rows, &columns})
            for (int k = 0; k <= headers->ubound(); ++k) {
                const forms::Label &header = (*headers)[k];
                const bool marked =
                    header.caption() == (headers == &rows ? rowHeader : columnHeader);
                QCOMPARE(header.backColor(), (marked ? Rgb{255, 255, 0} : rest));
                QCOMPARE(header.foreColor(), (marked ? Rgb{0, 0, 0} : restText));
            }
        ChartModel untouched;
        untouched.cellClick(gas, index);
        QCOMPARE(untouched.differenceFrom(chart()), QString());
    }

    // Short sequences of clicks, each compared with the model's picture afterwards.
    void sequences_data()
    {
        QTest::addColumn<Clicks>("clicks");
        using C = Clicks;
        QTest::newRow("same cell twice") << C{{Gas::Neon, 47}, {Gas::Neon, 47}};
        QTest::newRow("two grids at once") << C{{Gas::Argon, 12}, {Gas::Neon, 75}};
        QTest::newRow("second click in a grid moves it") << C{{Gas::Argon, 0}, {Gas::Argon, 89}};
        QTest::newRow("move within a row") << C{{Gas::Neon, 40}, {Gas::Neon, 45}};
        QTest::newRow("move within a column")
            << C{{Gas::Argon, 3}, {Gas::Argon, 83}, {Gas::Neon, 3}};
    }

    void sequences()
    {
        QFETCH(Clicks, clicks);
        ChartModel model;
        for (const auto &[gas, index] : clicks) {
            clickCell(gas, index);
            model.cellClick(gas, index);
        }
        QCOMPARE(model.differenceFrom(chart()), QString());
    }

    void backgroundClearsBothGrids_data()
    {
        QTest::addColumn<bool>("crosshairsOff");
        QTest::addColumn<QPoint>("point");
        for (bool off : {false, true}) {
            const char *state = off ? "crosshairs off" : "crosshairs on";
            QTest::addRow("%s, top left corner", state) << off << QPoint(2, 2);
            QTest::addRow("%s, between the grids", state) << off << QPoint(200, 226);
            QTest::addRow("%s, right of the argon grid", state) << off << QPoint(300, 100);
            QTest::addRow("%s, bottom edge", state) << off << QPoint(150, 426);
        }
    }

    void backgroundClearsBothGrids()
    {
        QFETCH(bool, crosshairsOff);
        QFETCH(QPoint, point);
        clickCell(Gas::Argon, 5);
        clickCell(Gas::Neon, 66);
        if (crosshairsOff) {
            chart().mnuVCross->action()->trigger();
            chart().mnuVCross->setChecked(false);
        }
        testsupport::clickAt(chart().client(), point);
        QCOMPARE(ChartModel().differenceFrom(chart()), QString());
    }

    void crosshairSwitch()
    {
        forms::MenuItem &item = *chart().mnuVCross;
        clickCell(Gas::Argon, 47);
        clickCell(Gas::Neon, 12);

        item.action()->trigger();
        QCOMPARE(item.caption(), QStringLiteral("&Use Crosshairs"));
        QVERIFY(!item.checked());
        QCOMPARE(ChartModel().differenceFrom(chart()), QString());

        clickCell(Gas::Argon, 5);
        clickCell(Gas::Neon, 88);
        QCOMPARE(ChartModel().differenceFrom(chart()), QString());

        item.action()->trigger();
        QCOMPARE(item.caption(), QStringLiteral("&Hide Crosshairs"));
        QVERIFY(item.checked());
        QCOMPARE(ChartModel().differenceFrom(chart()), QString());

        clickCell(Gas::Neon, 88);
        ChartModel model;
        model.cellClick(Gas::Neon, 88);
        QCOMPARE(model.differenceFrom(chart()), QString());
    }

    void chartOnlyCannotBeChosen()
    {
        chart().lblArgon_Click(10);
        chart().mnuVChart->action()->trigger();
        QVERIFY(!chart().mnuVChart->action()->isEnabled());
        QVERIFY(!chart().mnuVChart->checked());
        QCOMPARE(chart().mnuVChart->caption(), QStringLiteral("&Chart Only"));
        ChartModel model;
        model.cellClick(Gas::Argon, 10);
        QCOMPARE(model.differenceFrom(chart()), QString());
    }

    void linkOpensTheMakersAddress()
    {
        testsupport::click(*chart().urlLabel);
        QCOMPARE(m_requests.size(), 1);
        const forms::ShellRequest &request = m_requests[0];
        QCOMPARE(request.operation, QStringLiteral("open"));
        QCOMPARE(request.file, QStringLiteral("http://www.orvelle.example"));
        QVERIFY(request.parameters.isNull());
        QVERIFY(request.directory.isNull());
        QCOMPARE(request.owner, quintptr(chart().window()->winId()));
        QCOMPARE(request.show, forms::ShowCommand::Normal);
    }

    void failingLinkLeavesTheProgramAsItWas()
    {
        m_openerSucceeds = false;
        const int windowsBefore = QApplication::topLevelWidgets().size();
        testsupport::click(*chart().urlLabel);
        QCOMPARE(m_requests.size(), 1);
        QCOMPARE(testsupport::endCount(), 0);
        QVERIFY(chart().window()->isVisible());
        QCOMPARE(QApplication::topLevelWidgets().size(), windowsBefore);
        QVERIFY(!QApplication::activeModalWidget());
    }

private:
    QList<forms::ShellRequest> m_requests;
    bool m_openerSucceeds = true;
};

QTEST_MAIN(CrosshairsTest)
#include "tst_crosshairs.moc"
