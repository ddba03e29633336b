#include "app/form1.h"
#include "app/module1.h"

#include <QRegularExpression>
#include <QTest>

using namespace Module1;

namespace {

// The loading figures as printed in the chart, rows 2000 V to 15000 V, columns 9 mm to 25 mm.
const int PrintedVolts[9] = {2000, 3000, 4000, 5000, 6000, 7500, 9000, 12000, 15000};
const int PrintedDiams[10] = {9, 10, 11, 12, 13, 15, 18, 20, 22, 25};
const int PrintedArgon[9][10] = {
    {5, 5, 6, 7, 8, 9, 12, 14, 16, 20},         {6, 7, 8, 9, 10, 12, 14, 16, 18, 22},
    {8, 10, 11, 14, 15, 17, 19, 22, 27, 32},    {11, 12, 13, 16, 16, 20, 23, 27, 33, 40},
    {14, 16, 18, 19, 21, 24, 28, 32, 40, 48},   {18, 20, 23, 25, 27, 31, 35, 39, 48, 61},
    {22, 25, 28, 32, 33, 40, 45, 55, 67, 80},   {31, 35, 38, 44, 46, 55, 62, 70, 79, 95},
    {39, 44, 48, 55, 60, 72, 80, 90, 100, 120},
};
const int PrintedNeon[9][10] = {
    {4, 4, 5, 6, 6, 7, 9, 10, 12, 15},          {5, 6, 7, 8, 9, 10, 11, 12, 14, 17},
    {7, 8, 9, 10, 11, 13, 16, 19, 23, 27},      {8, 10, 11, 12, 15, 17, 19, 23, 28, 33},
    {12, 13, 15, 16, 18, 21, 23, 28, 34, 40},   {15, 17, 19, 21, 22, 26, 28, 34, 41, 51},
    {18, 21, 24, 26, 29, 33, 40, 48, 57, 67},   {26, 29, 32, 35, 39, 45, 55, 61, 67, 79},
    {32, 36, 40, 45, 50, 60, 72, 78, 85, 102},
};

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
            QCOMPARE(TranVolts[v], PrintedVolts[v]);
        for (int d = 0; d < 10; ++d)
            QCOMPARE(TubeDiams[d], PrintedDiams[d]);
    }

    void cells_data()
    {
        QTest::addColumn<QString>("gas");
        QTest::addColumn<int>("v");
        QTest::addColumn<int>("d");
        QTest::addColumn<QString>("figure");
        for (const char *gas : {"argon", "neon"}) {
            const auto &printed = QByteArray(gas) == "argon" ? PrintedArgon : PrintedNeon;
            for (int v = 0; v < 9; ++v)
                for (int d = 0; d < 10; ++d)
                    QTest::addRow("%s %d V %d mm", gas, PrintedVolts[v], PrintedDiams[d])
                        << QString::fromLatin1(gas) << v << d << QString::number(printed[v][d]);
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
