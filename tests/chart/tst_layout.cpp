#include "chart/frmcharts.h"
#include "forms/label.h"
#include "forms/menuitem.h"
#include "support/printed.h"
#include "support/testsupport.h"

#include <QApplication>
#include <QChildEvent>
#include <QFontInfo>
#include <QFontMetrics>
#include <QMenu>
#include <QPointer>
#include <QScreen>
#include <QTest>

#include <map>

using forms::Label;
using forms::LabelArray;
using forms::Rgb;

namespace {

// Notes every label in the order it is created.
class CreationRecorder : public QObject {
public:
    QList<QObject *> created;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::ChildAdded)
            created << static_cast<QChildEvent *>(event)->child();
        return false;
    }
};

frmCharts &chart()
{
    return forms::instance<frmCharts>();
}

LabelArray &arrayNamed(const QString &name)
{
    frmCharts &c = chart();
    const std::map<QString, LabelArray *> arrays{
        {"diamLabelA", &c.diamLabelA}, {"TranLabelA", &c.TranLabelA}, {"lblArgon", &c.lblArgon},
        {"diamLabelN", &c.diamLabelN}, {"TranLabelN", &c.TranLabelN}, {"lblNeon", &c.lblNeon},
        {"Label1", &c.Label1},         {"Label2", &c.Label2},         {"Label3", &c.Label3}};
    return *arrays.at(name);
}

// Where each member should stand, in twips, as the chart's design lays the grids out.
struct Expected {
    QString array;
    int index;
    float left, top, width, height;
    QString caption;
};

QList<Expected> expectedGridMembers()
{
    QList<Expected> all;
    const struct {
        const char *suffix;
        float headerTop, cellTop;
        const int (&figures)[9][10];
    } grids[] = {{"A", 810, 1170, printed::Argon}, {"N", 3780, 4140, printed::Neon}};
    for (const auto &g : grids) {
        const QString sfx = QString::fromLatin1(g.suffix);
        const QString cells = sfx == "A" ? "lblArgon" : "lblNeon";
        for (int c = 0; c < 10; ++c)
            all << Expected{"diamLabel" + sfx,
                            c,
                            840.f + 360 * c,
                            g.headerTop,
                            375,
                            255,
                            QString::number(printed::ColumnHeaders[c])};
        for (int r = 0; r < 9; ++r)
            all << Expected{"TranLabel" + sfx,
                            r,
                            120,
                            g.cellTop + 240.f * r,
                            630,
                            255,
                            QString::number(printed::RowHeaders[r])};
        for (int r = 0; r < 9; ++r)
            for (int c = 0; c < 10; ++c)
                all << Expected{cells,
                                10 * r + c,
                                840.f + 360 * c,
                                g.cellTop + 240.f * r,
                                375,
                                255,
                                QString::number(printed::figure(g.figures, printed::RowHeaders[r],
                                                                printed::ColumnHeaders[c]))};
    }
    return all;
}

QRect pixels(float left, float top, float width, float height)
{
    return QRect(qRound(left / 15), qRound(top / 15), qRound(width / 15), qRound(height / 15));
}

QList<Label *> everyLabel()
{
    QList<Label *> labels = chart().client()->findChildren<Label *>();
    return labels;
}

QColor mostCommonColour(const QImage &image, const QRect &area)
{
    std::map<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y)];
    return QColor(std::max_element(counts.begin(), counts.end(), [](auto a, auto b) {
                      return a.second < b.second;
                  })->first);
}

// Text is smoothed at its edges, so its colour is looked for with some leeway.
bool hasColourNear(const QImage &image, const QRect &area, QColor colour)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (qAbs(pixel.red() - colour.red()) + qAbs(pixel.green() - colour.green()) +
                    qAbs(pixel.blue() - colour.blue()) <
                240)
                return true;
        }
    return false;
}

} // namespace

class LayoutTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { testsupport::setUpHeadless(); }
    void init() { testsupport::startProgram(); }
    void cleanup() { testsupport::resetProgram(); }

    void arraysAreCompleteWithoutGaps_data()
    {
        QTest::addColumn<QString>("array");
        QTest::addColumn<int>("ubound");
        for (const char *grid : {"A", "N"}) {
            QTest::addRow("diamLabel%s ends at 9", grid) << QString("diamLabel") + grid << 9;
            QTest::addRow("TranLabel%s ends at 8", grid) << QString("TranLabel") + grid << 8;
        }
        QTest::newRow("lblArgon ends at 89") << "lblArgon" << 89;
        QTest::newRow("lblNeon ends at 89") << "lblNeon" << 89;
    }

    void arraysAreCompleteWithoutGaps()
    {
        QFETCH(QString, array);
        QFETCH(int, ubound);
        const LabelArray &members = arrayNamed(array);
        QCOMPARE(members.ubound(), ubound);
        QSet<Label *> distinct;
        for (int i = 0; i <= ubound; ++i) {
            QVERIFY2(members.member(i), qPrintable(QString("member %1 missing").arg(i)));
            distinct.insert(members.member(i));
        }
        QCOMPARE(distinct.size(), ubound + 1);
    }

    void everyMemberStandsInItsPlace_data()
    {
        QTest::addColumn<QString>("array");
        QTest::addColumn<int>("index");
        QTest::addColumn<QRect>("place");
        QTest::addColumn<QString>("caption");
        for (const Expected &e : expectedGridMembers())
            QTest::addRow("%s %d", qPrintable(e.array), e.index)
                << e.array << e.index << pixels(e.left, e.top, e.width, e.height) << e.caption;
    }

    void everyMemberStandsInItsPlace()
    {
        QFETCH(QString, array);
        QFETCH(int, index);
        QFETCH(QRect, place);
        QFETCH(QString, caption);
        const Label &label = arrayNamed(array)[index];
        QVERIFY(label.isVisibleTo(chart().window()));
        QCOMPARE(label.geometry(), place);
        QCOMPARE(label.caption(), caption);
    }

    void createdMembersCopyMemberZero()
    {
        for (const char *name :
             {"diamLabelA", "TranLabelA", "lblArgon", "diamLabelN", "TranLabelN", "lblNeon"}) {
            const LabelArray &array = arrayNamed(name);
            const Label &zero = array[0];
            for (int k = 1; k <= array.ubound(); ++k) {
                const Label &m = array[k];
                QVERIFY2(m.backColor() == zero.backColor() && m.foreColor() == zero.foreColor() &&
                             m.captionFont() == zero.captionFont() &&
                             m.alignment() == zero.alignment() && m.border() == zero.border() &&
                             m.size() == zero.size(),
                         qPrintable(QString("%1 %2").arg(name).arg(k)));
            }
        }
    }

    void gridStyles_data()
    {
        QTest::addColumn<QString>("array");
        QTest::addColumn<Rgb>("back");
        QTest::addColumn<Rgb>("fore");
        QTest::addColumn<bool>("bold");
        QTest::newRow("argon headers: black on cyan, bold")
            << "diamLabelA" << Rgb{0, 255, 255} << Rgb{0, 0, 0} << true;
        QTest::newRow("neon headers: white on red, bold")
            << "TranLabelN" << Rgb{255, 0, 0} << Rgb{255, 255, 255} << true;
        QTest::newRow("cells: black on white, regular")
            << "lblNeon" << Rgb{255, 255, 255} << Rgb{0, 0, 0} << false;
    }

    void gridStyles()
    {
        QFETCH(QString, array);
        QFETCH(Rgb, back);
        QFETCH(Rgb, fore);
        QFETCH(bool, bold);
        const Label &label = arrayNamed(array)[0];
        QCOMPARE(label.backColor(), back);
        QCOMPARE(label.foreColor(), fore);
        QCOMPARE(label.fontBold(), bold);
        QCOMPARE(label.alignment(), forms::Alignment::Center);
        QCOMPARE(label.border(), forms::LabelBorder::FixedSingle);
    }

    void titlesAndLink_data()
    {
        QTest::addColumn<QString>("array");
        QTest::addColumn<int>("index");
        QTest::addColumn<QRect>("place");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("bold");
        QTest::newRow("BLUE GAS title")
            << "Label3" << 0 << pixels(840, 540, 975, 255) << "BLUE GAS" << true;
        QTest::newRow("NEON GAS title")
            << "Label3" << 1 << pixels(840, 3480, 975, 255) << "NEON GAS" << true;
        QTest::newRow("argon diameter axis")
            << "Label1" << 0 << pixels(2160, 525, 1215, 255) << "Diameter in mm" << false;
        QTest::newRow("neon diameter axis")
            << "Label1" << 1 << pixels(2040, 3465, 1215, 255) << "Diameter in mm" << false;
        QTest::newRow("argon volts axis")
            << "Label2" << 0 << pixels(240, 930, 375, 255) << "Volts" << false;
        QTest::newRow("neon volts axis")
            << "Label2" << 1 << pixels(240, 3900, 375, 255) << "Volts" << false;
    }

    void titlesAndLink()
    {
        QFETCH(QString, array);
        QFETCH(int, index);
        QFETCH(QRect, place);
        QFETCH(QString, caption);
        QFETCH(bool, bold);
        const Label &label = arrayNamed(array)[index];
        QCOMPARE(label.geometry(), place);
        QCOMPARE(label.caption(), caption);
        QCOMPARE(label.fontBold(), bold);
        QCOMPARE(label.alignment(), forms::Alignment::Left);
        QCOMPARE(label.border(), forms::LabelBorder::None);
    }

    void makerLineAndLink()
    {
        const Label &maker = *chart().Label4;
        QCOMPARE(maker.geometry(), pixels(240, 0, 3975, 255));
        QCOMPARE(maker.caption(), QStringLiteral("Compliments of ORVELLE"));
        QVERIFY(maker.fontBold());
        QCOMPARE(maker.alignment(), forms::Alignment::Center);

        const Label &link = *chart().urlLabel;
        QCOMPARE(link.geometry(), pixels(1440, 240, 1695, 240));
        QCOMPARE(link.caption(), QStringLiteral("www.orvelle.example"));
        QCOMPARE(link.foreColor(), (Rgb{0, 0, 255}));
        QVERIFY(link.captionFont().underline() && !link.fontBold());
        QCOMPARE(link.alignment(), forms::Alignment::Center);
    }

    void window()
    {
        QWidget *window = chart().window();
        QCOMPARE(window->windowTitle(), QStringLiteral("Varelux - Version 1.0"));
        QCOMPARE(chart().client()->size(), QSize(306, 429));
        QCOMPARE(window->minimumSize(), window->maximumSize());
        QVERIFY(!window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(window->windowFlags().testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!window->windowIcon().isNull());
        // Centred before the window manager has framed it, so off by at most the frame's width.
        const QPoint offCentre =
            window->geometry().center() - window->screen()->geometry().center();
        QVERIFY2(qAbs(offCentre.x()) <= 4 && qAbs(offCentre.y()) <= 4,
                 qPrintable(QString("off by %1, %2").arg(offCentre.x()).arg(offCentre.y())));
    }

    void menu()
    {
        const frmCharts &c = chart();
        QCOMPARE(c.mnuView->caption(), QStringLiteral("&View"));
        QCOMPARE(
            c.mnuView->submenu()->actions(),
            (QList<QAction *>{c.mnuVChart->action(), c.mnuVCross->action(), c.mnuAbout->action()}));
        QCOMPARE(c.mnuVChart->caption(), QStringLiteral("&Chart Only"));
        QVERIFY(!c.mnuVChart->enabled() && !c.mnuVChart->checked());
        QCOMPARE(c.mnuVCross->caption(), QStringLiteral("&Hide Crosshairs"));
        QVERIFY(c.mnuVCross->enabled() && c.mnuVCross->checked());
        QCOMPARE(c.mnuAbout->caption(), QStringLiteral("&About"));
        QVERIFY(c.mnuAbout->enabled() && !c.mnuAbout->checked());
    }

    // A click on a label without a handler stays with that label; a click on the bare window
    // clears the crosshairs. A crosshair set first shows which one happened.
    void clicksOnLabelsDoNotReachTheBackground_data()
    {
        QTest::addColumn<QString>("array");
        QTest::addColumn<int>("index");
        for (int i : {0, 1}) {
            QTest::addRow("title %d", i) << "Label3" << i;
            QTest::addRow("diameter axis %d", i) << "Label1" << i;
            QTest::addRow("volts axis %d", i) << "Label2" << i;
        }
        QTest::newRow("argon column header 3") << "diamLabelA" << 3;
        QTest::newRow("argon row header 0") << "TranLabelA" << 0;
        QTest::newRow("neon column header 9") << "diamLabelN" << 9;
        QTest::newRow("neon row header 5") << "TranLabelN" << 5;
        QTest::newRow("maker line") << "Label4" << 0;
        QTest::newRow("link") << "urlLabel" << 0;
    }

    void clicksOnLabelsDoNotReachTheBackground()
    {
        QFETCH(QString, array);
        QFETCH(int, index);
        chart().lblArgon_Click(47);
        const Label &label = array == "Label4"     ? *chart().Label4
                             : array == "urlLabel" ? *chart().urlLabel
                                                   : arrayNamed(array)[index];
        testsupport::click(label);
        QCOMPARE(chart().lblArgon[47].backColor(), (Rgb{255, 255, 0}));
    }

    void handCursorOnlyOverTheLink()
    {
        for (const Label *label : everyLabel()) {
            const bool isLink = label == chart().urlLabel;
            QCOMPARE(label->testAttribute(Qt::WA_SetCursor), isLink);
        }
        QCOMPARE(chart().urlLabel->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(chart().urlLabel->cursor().hotSpot(), QPoint(12, 2));
        QCOMPARE(chart().urlLabel->cursor().pixmap().size(), QSize(32, 32));
        QVERIFY(!chart().client()->testAttribute(Qt::WA_SetCursor));
    }

    // What the user sees: each label's own colour where the design puts it, and its text.
    void paintedColours_data()
    {
        QTest::addColumn<QString>("array");
        QTest::addColumn<int>("index");
        QTest::addColumn<QRect>("place");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<QColor>("text");
        const QColor white(255, 255, 255), cyan(0, 255, 255), red(255, 0, 0), black(0, 0, 0);
        for (const Expected &e : expectedGridMembers()) {
            if (e.index % 7 != 0 && e.index != 89 && e.index != 8)
                continue;
            const bool header = !e.array.startsWith("lbl");
            const bool neon = e.array.endsWith('N') || e.array == "lblNeon";
            const QColor back = !header ? white : neon ? red : cyan;
            const QColor text = header && neon ? white : black;
            QTest::addRow("%s %d", qPrintable(e.array), e.index)
                << e.array << e.index << pixels(e.left, e.top, e.width, e.height) << back << text;
        }
    }

    void paintedColours()
    {
        QFETCH(QString, array);
        QFETCH(int, index);
        QFETCH(QRect, place);
        QFETCH(QColor, background);
        QFETCH(QColor, text);
        Q_UNUSED(array);
        Q_UNUSED(index);
        const QImage image = chart().client()->grab().toImage();
        const QRect inside = place.adjusted(1, 1, -1, -1);
        QCOMPARE(mostCommonColour(image, inside), background);
        QVERIFY(hasColourNear(image, inside, text));
        QCOMPARE(image.pixelColor(place.topLeft()), QColor(0, 0, 0));
    }

    void everyCaptionFits()
    {
        // A target cell is drawn bold, so a cell must fit its figure in bold too.
        for (int i = 0; i < 90; ++i) {
            chart().lblArgon[i].setFontBold(true);
            chart().lblNeon[i].setFontBold(true);
        }
        for (const Label *label : everyLabel()) {
            const QFont &font = label->captionFont();
            QCOMPARE(QFontInfo(font).family(), QStringLiteral("Liberation Sans"));
            const QFontMetrics metrics(font);
            const QRect room = label->captionRect();
            QVERIFY2(metrics.horizontalAdvance(label->caption()) <= room.width() &&
                         metrics.height() <= room.height(),
                     qPrintable(label->caption()));
        }
    }

    // Created members chain from their neighbour as it actually stands, so a template moved
    // before construction carries the rest with it; cell Tops follow cell member 0 only.
    void constructionFollowsTheTemplates()
    {
        frmCharts fresh;
        fresh.diamLabelA[1].setLeft(1230);
        fresh.TranLabelA[1].setTop(1425);
        fresh.lblArgon[0].setTop(1180);
        fresh.lblArgon[1].setLeft(1290);
        fresh.lblArgon[1].setTop(1200);
        fresh.diamLabelA[0].setLeft(840.4f);
        fresh.Load_Argon();
        for (int c = 2; c <= 9; ++c)
            QCOMPARE(fresh.diamLabelA[c].left(), 1230.f + 360 * (c - 1));
        for (int r = 2; r <= 8; ++r)
            QCOMPARE(fresh.TranLabelA[r].top(), 1425.f + 240 * (r - 1));
        for (int c = 2; c <= 9; ++c) {
            QCOMPARE(fresh.lblArgon[c].left(), 1290.f + 360 * (c - 1));
            QCOMPARE(fresh.lblArgon[c].top(), 1180.f);
        }
        for (int r = 1; r <= 8; ++r)
            for (int c = 0; c <= 9; ++c) {
                QCOMPARE(fresh.lblArgon[10 * r + c].left(), 840.f + 360 * c);
                QCOMPARE(fresh.lblArgon[10 * r + c].top(), 1180.f + 240 * r);
            }
        QCOMPARE(fresh.lblArgon[1].top(), 1200.f);
        QCOMPARE(fresh.lblNeon.ubound(), 1);
    }

    void argonGridIsBuiltBeforeTheNeonGrid()
    {
        testsupport::resetProgram();
        CreationRecorder recorder;
        qApp->installEventFilter(&recorder);
        testsupport::startProgram();
        qApp->removeEventFilter(&recorder);

        auto positionOf = [&](const LabelArray &array, int k) {
            return int(recorder.created.indexOf(array.member(k)));
        };
        int lastArgon = -1;
        int firstNeon = INT_MAX;
        for (int k = 2; k < 90; ++k) {
            for (const LabelArray *argon :
                 {&chart().diamLabelA, &chart().TranLabelA, &chart().lblArgon})
                if (argon->member(k))
                    lastArgon = std::max(lastArgon, positionOf(*argon, k));
            for (const LabelArray *neon :
                 {&chart().diamLabelN, &chart().TranLabelN, &chart().lblNeon})
                if (neon->member(k))
                    firstNeon = std::min(firstNeon, positionOf(*neon, k));
        }
        QVERIFY(lastArgon >= 0);
        QVERIFY(lastArgon < firstNeon);
    }

    void closingRemovesCreatedMembersInOrder()
    {
        QStringList removed;
        QList<QPointer<Label>> designed;
        const QStringList order{"diamLabelA", "diamLabelN", "lblArgon",
                                "lblNeon",    "TranLabelA", "TranLabelN"};
        QStringList expected;
        for (const QString &name : order) {
            const LabelArray &array = arrayNamed(name);
            for (int k = 0; k <= array.ubound(); ++k) {
                if (k < 2) {
                    designed << QPointer<Label>(&array[k]);
                    continue;
                }
                const QString tag = QString("%1 %2").arg(name).arg(k);
                expected << tag;
                connect(&array[k], &QObject::destroyed, this, [&removed, tag] { removed << tag; });
            }
        }
        QVERIFY(chart().window()->close());
        QCOMPARE(removed, expected);
        QCOMPARE(testsupport::endCount(), 1);
        for (const auto &member : designed)
            QVERIFY(!member.isNull());
    }
};

QTEST_MAIN(LayoutTest)
#include "tst_layout.moc"
