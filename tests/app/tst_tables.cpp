#include "app/form1.h"
#include "app/module1.h"
#include "support/printed.h"

#include <QRegularExpression>
#include <QTest>

using namespace Module1;

namespace {

const LoadingTable &tableOf(const QString &gas)
{
    return gas == QLatin1String("argon") ? ArgonTable : NeonTable;
}

} // namespace

class TablesTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        ArgonTable = {};
        NeonTable = {};
        TranVolts = {};
        TubeDiams = {};
        m_form.Arrays_Init();
    }

    void axes()
    {
        for (int v = 0; v < 9; ++v)
            QCOMPARE(TranVolts[v], printed::Volts[v]);
        for (int d = 0; d < 10; ++d)
            QCOMPARE(TubeDiams[d], printed::Diams[d]);
    }

    void cells_data()
    {
        QTest::addColumn<QString>("gas");
        QTest::addColumn<int>("v");
        QTest::addColumn<int>("d");
        QTest::addColumn<QString>("figure");
        for (const char *gas : {"argon", "neon"}) {
            const auto &figures = QByteArray(gas) == "argon" ? printed::Argon : printed::Neon;
            for (int v = 0; v < 9; ++v)
                for (int d = 0; d < 10; ++d)
                    QTest::addRow("%s %d V %d mm", gas, printed::Volts[v], printed::Diams[d])
                        << QString::fromLatin1(gas) << v << d << QString::number(figures[v][d]);
        }
    }

    void cells()
    {
        QFETCH(QString, gas);
        QFETCH(int, v);
        QFETCH(int, d);
        QFETCH(QString, figure);
        QCOMPARE(tableOf(gas)[v][d], figure);
    }

    void rowListsReadRightToLeft()
    {
        const Form1::RowList argon15000{120, 100, 90, 80, 72, 60, 55, 48, 44, 39};
        const Form1::RowList neon2000{15, 12, 10, 9, 7, 6, 6, 5, 4, 4};
        QCOMPARE(m_form.ArgonRows[8], argon15000);
        QCOMPARE(m_form.NeonRows[0], neon2000);
    }

    void equalNeighboursSurvive_data()
    {
        QTest::addColumn<QString>("gas");
        QTest::addColumn<int>("v");
        QTest::addColumn<int>("d");
        QTest::addColumn<QString>("figure");
        QTest::newRow("argon 2000 V, 9 and 10 mm") << "argon" << 0 << 0 << "5";
        QTest::newRow("argon 5000 V, 12 and 13 mm") << "argon" << 3 << 3 << "16";
        QTest::newRow("neon 2000 V, 9 and 10 mm") << "neon" << 0 << 0 << "4";
        QTest::newRow("neon 2000 V, 12 and 13 mm") << "neon" << 0 << 3 << "6";
    }

    void equalNeighboursSurvive()
    {
        QFETCH(QString, gas);
        QFETCH(int, v);
        QFETCH(int, d);
        QFETCH(QString, figure);
        QCOMPARE(tableOf(gas)[v][d], figure);
        QCOMPARE(tableOf(gas)[v][d + 1], figure);
    }

    void fillingTwiceChangesNothing()
    {
        const auto argon = ArgonTable;
        const auto neon = NeonTable;
        const auto volts = TranVolts;
        const auto diams = TubeDiams;
        const auto argonRows = m_form.ArgonRows;
        const auto neonRows = m_form.NeonRows;
        m_form.Arrays_Init();
        QCOMPARE(ArgonTable, argon);
        QCOMPARE(NeonTable, neon);
        QCOMPARE(TranVolts, volts);
        QCOMPARE(TubeDiams, diams);
        QCOMPARE(m_form.ArgonRows, argonRows);
        QCOMPARE(m_form.NeonRows, neonRows);
    }

    void figuresArePlainDigitsFrom4To120()
    {
        static const QRegularExpression plainDigits(QStringLiteral("^[1-9][0-9]*$"));
        for (const LoadingTable *table : {&ArgonTable, &NeonTable})
            for (const auto &row : *table)
                for (const QString &cell : row) {
                    QVERIFY2(plainDigits.match(cell).hasMatch(), qPrintable(cell));
                    QVERIFY(cell.toInt() >= 4 && cell.toInt() <= 120);
                }
    }

    // Thicker tubing never takes less; more volts always drive more.
    void figuresRiseWithDiameterAndVoltage()
    {
        for (const LoadingTable *table : {&ArgonTable, &NeonTable}) {
            for (int v = 0; v < VoltCount; ++v)
                for (int d = 1; d < DiamCount; ++d)
                    QVERIFY((*table)[v][d].toInt() >= (*table)[v][d - 1].toInt());
            for (int d = 0; d < DiamCount; ++d)
                for (int v = 1; v < VoltCount; ++v)
                    QVERIFY((*table)[v][d].toInt() > (*table)[v - 1][d].toInt());
        }
    }

private:
    Form1 m_form;
};

QTEST_MAIN(TablesTest)
#include "tst_tables.moc"
