#include "chart/frmcharts.h"
#include "forms/label.h"
#include "support/printed.h"
#include "support/testsupport.h"

#include <QAccessible>
#include <QTest>

namespace {

frmCharts &chart()
{
    return forms::instance<frmCharts>();
}

QAccessibleInterface *readerView(forms::Label &label)
{
    return QAccessible::queryAccessibleInterface(&label);
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { testsupport::setUpHeadless(); }
    void init() { testsupport::startProgram(); }
    void cleanup() { testsupport::resetProgram(); }

    void cellsAreReadWithTheirMeaning_data()
    {
        QTest::addColumn<bool>("neon");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("name");
        for (bool neon : {false, true})
            for (int index : {0, 9, 47, 53, 80, 89}) {
                const int volts = printed::RowHeaders[index / 10];
                const int mm = printed::ColumnHeaders[index % 10];
                const int figure =
                    printed::figure(neon ? printed::Neon : printed::Argon, volts, mm);
                const QString name = QString("%1, %2 volts, %3 mm: %4")
                                         .arg(neon ? "NEON GAS" : "BLUE GAS")
                                         .arg(volts)
                                         .arg(mm)
                                         .arg(figure);
                QTest::addRow("%s %d", neon ? "neon" : "argon", index) << neon << index << name;
            }
    }

    void cellsAreReadWithTheirMeaning()
    {
        QFETCH(bool, neon);
        QFETCH(int, index);
        QFETCH(QString, name);
        QAccessibleInterface *cell = readerView((neon ? chart().lblNeon : chart().lblArgon)[index]);
        QVERIFY(cell);
        QCOMPARE(cell->text(QAccessible::Name), name);
        QCOMPARE(cell->role(), QAccessible::StaticText);
    }

    void headersAndLink()
    {
        QCOMPARE(readerView(chart().diamLabelA[7])->text(QAccessible::Name),
                 QStringLiteral("11 mm"));
        QCOMPARE(readerView(chart().TranLabelN[4])->text(QAccessible::Name),
                 QStringLiteral("6000 volts"));
        QAccessibleInterface *link = readerView(*chart().urlLabel);
        QCOMPARE(link->role(), QAccessible::Link);
        QVERIFY(link->text(QAccessible::Name).contains(QStringLiteral("maker's web site")));
        QVERIFY(link->text(QAccessible::Name).contains(QStringLiteral("www.orvelle.example")));
        QCOMPARE(readerView(chart().Label3[1])->text(QAccessible::Name),
                 QStringLiteral("NEON GAS"));
    }

    void marksAreExposed()
    {
        chart().lblNeon_Click(47);
        QCOMPARE(readerView(chart().lblNeon[47])->text(QAccessible::Description),
                 QStringLiteral("target"));
        QCOMPARE(readerView(chart().lblNeon[40])->text(QAccessible::Description),
                 QStringLiteral("crosshair"));
        QCOMPARE(readerView(chart().lblNeon[87])->text(QAccessible::Description),
                 QStringLiteral("crosshair"));
        QCOMPARE(readerView(chart().lblNeon[0])->text(QAccessible::Description), QString());
        QCOMPARE(readerView(chart().lblArgon[47])->text(QAccessible::Description), QString());
        chart().Clear_All();
        QCOMPARE(readerView(chart().lblNeon[47])->text(QAccessible::Description), QString());
    }
};

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
