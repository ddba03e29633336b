#include "about/frmabout.h"
#include "chart/chartatrest.h"
#include "forms/commandbutton.h"
#include "forms/menuitem.h"
#include "support/support.h"

#include <QAccessible>
#include <QAction>
#include <QFileDialog>
#include <QFontInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QMenu>
#include <QMimeDatabase>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <QScreen>
#include <QStyle>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>
#include <QtGui/qpa/qwindowsysteminterface.h>

#include <clocale>
#include <cmath>
#include <map>

using forms::Label;
using support::chart;

// The chart window and the About box as the user sees them, at each scale factor (1, 1.5, 2).
namespace {

// The figures as printed, rows 2000 V to 15000 V, columns 9 mm to 25 mm.
const int Volts[9] = {2000, 3000, 4000, 5000, 6000, 7500, 9000, 12000, 15000};
const int Diams[10] = {9, 10, 11, 12, 13, 15, 18, 20, 22, 25};
const int Argon[9][10] = {
    {5, 5, 6, 7, 8, 9, 12, 14, 16, 20},        {6, 7, 8, 9, 10, 12, 14, 16, 18, 22},
    {8, 10, 11, 14, 15, 17, 19, 22, 27, 32},   {11, 12, 13, 16, 16, 20, 23, 27, 33, 40},
    {14, 16, 18, 19, 21, 24, 28, 32, 40, 48},  {18, 20, 23, 25, 27, 31, 35, 39, 48, 61},
    {22, 25, 28, 32, 33, 40, 45, 55, 67, 80},  {31, 35, 38, 44, 46, 55, 62, 70, 79, 95},
    {39, 44, 48, 55, 60, 72, 80, 90, 100, 120}};
const int Neon[9][10] = {
    {4, 4, 5, 6, 6, 7, 9, 10, 12, 15},        {5, 6, 7, 8, 9, 10, 11, 12, 14, 17},
    {7, 8, 9, 10, 11, 13, 16, 19, 23, 27},    {8, 10, 11, 12, 15, 17, 19, 23, 28, 33},
    {12, 13, 15, 16, 18, 21, 23, 28, 34, 40}, {15, 17, 19, 21, 22, 26, 28, 34, 41, 51},
    {18, 21, 24, 26, 29, 33, 40, 48, 57, 67}, {26, 29, 32, 35, 39, 45, 55, 61, 67, 79},
    {32, 36, 40, 45, 50, 60, 72, 78, 85, 102}};

// A grid as printed: "Volts" and the diameters from 25 mm, then each voltage from 15000 V down.
QStringList printedRows(const int (&figures)[9][10])
{
    QStringList rows{"Volts"};
    for (int d = 9; d >= 0; --d)
        rows[0] += QString("\t%1").arg(Diams[d]);
    for (int v = 8; v >= 0; --v) {
        rows << QString::number(Volts[v]);
        for (int d = 9; d >= 0; --d)
            rows.last() += QString("\t%1").arg(figures[v][d]);
    }
    return rows;
}

// A PDF read back: its heading, its rows of figures, and "grey" where the window's grey shows.
QStringList readBack(const QString &file)
{
    QStringList texts;
    QProcess poppler;
    poppler.start("pdftotext", {"-layout", file, "-"});
    poppler.waitForFinished();
    for (const QString &line : QString(poppler.readAllStandardOutput()).split('\n'))
        if (const QString s = line.simplified();
            QRegularExpression("^[0-9 ]+$").match(s).hasMatch() || (texts.isEmpty() && s != ""))
            texts << s;
    poppler.start("pdftoppm", {"-r", "20", "-aa", "no", "-aaVector", "no", "-png", file});
    poppler.waitForFinished();
    const QImage page =
        QImage::fromData(poppler.readAllStandardOutput()).convertToFormat(QImage::Format_RGB32);
    const auto *pixel = reinterpret_cast<const QRgb *>(page.constBits());
    const QRgb grey = QApplication::style()->standardPalette().color(QPalette::Window).rgb();
    return std::count(pixel, pixel + page.width() * page.height(), grey) ? texts << "grey" : texts;
}

// Colours where the label has its own, then font, alignment and border.
QString lookOf(const Label &l)
{
    auto rgb = [](forms::Rgb c) { return QString("%1,%2,%3 ").arg(c.r).arg(c.g).arg(c.b); };
    const bool own = l.opaque(), centred = l.alignment() == forms::Alignment::Center;
    const QString weight = l.captionFont().underline() ? "underlined"
                           : l.fontBold()              ? "bold"
                                                       : "regular";
    return (own ? rgb(l.backColor()) + rgb(l.foreColor()) : "") +
           (l.isLink() ? rgb(l.foreColor()) : "") + weight + (centred ? " centred" : " left") +
           (l.border() == forms::LabelBorder::FixedSingle ? " boxed" : "");
}

// 1440 twips to the logical inch, which is the desktop's font DPI where Qt does not scale.
QRect pixels(int left, int top, int width, int height, double zoom = 1)
{
    const double dpi = QGuiApplication::primaryScreen()->logicalDotsPerInchY() * zoom;
    auto px = [dpi](int twips) { return qRound(twips * dpi / 1440); };
    return QRect(px(left), px(top), px(width), px(height));
}

double contrast(QColor a, QColor b)
{
    auto luminance = [](QColor c) {
        double sum = 0;
        for (auto [v, weight] :
             {std::pair{c.redF(), 0.2126}, {c.greenF(), 0.7152}, {c.blueF(), 0.0722}})
            sum += weight * (v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4));
        return sum + 0.05;
    };
    return std::max(luminance(a), luminance(b)) / std::min(luminance(a), luminance(b));
}

// Each label as painted: its commonest colour is its background, the pixel most unlike that its
// text, which must read (WCAG AA; the designed white on red 4:1), as designed on a light palette.
void checkLabelsAsSeen(QWidget *client, bool light)
{
    const QImage image = client->grab().toImage();
    const qreal dpr = image.devicePixelRatio();
    for (const Label *label : client->findChildren<Label *>()) {
        const QRect logical = label->geometry().adjusted(1, 1, -1, -1);
        const QRect area(QPoint(std::ceil(logical.left() * dpr), std::ceil(logical.top() * dpr)),
                         QPoint((logical.right() + 1) * dpr - 1, (logical.bottom() + 1) * dpr - 1));
        std::map<QRgb, int> counts;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                ++counts[image.pixel(x, y)];
        auto most = std::max_element(counts.begin(), counts.end(),
                                     [](auto a, auto b) { return a.second < b.second; });
        const QColor back(most->first);
        QColor text = back;
        for (const auto &[pixel, count] : counts)
            if (contrast(QColor(pixel), back) > contrast(text, back))
                text = QColor(pixel);
        const forms::Rgb b = label->backColor(), f = label->foreColor();
        const QString what = label->caption() + ": " + text.name() + " on " + back.name();
        QCOMPARE(back, QColor(b.r, b.g, b.b));
        QVERIFY2(contrast(text, back) >= (b == forms::Rgb{255, 0, 0} ? 3.9 : 4.5),
                 qPrintable(what));
        const int off = qAbs(text.red() - f.r) + qAbs(text.green() - f.g) + qAbs(text.blue() - f.b);
        QVERIFY2(!light || off < 100, qPrintable(what)); // as designed, glyphs' smooth edges aside
    }
    // Neighbouring cells share one border line, with no gap and nothing doubled: 11 across the
    // first row of BLUE GAS, below its figures.
    const QRect row = chart().lblArgon[0].geometry().united(chart().lblArgon[9].geometry());
    int lines = 0;
    for (int x = row.left() * dpr, dark = 0, d;
         client == chart().client() && x < (row.right() + 1) * dpr; ++x, dark = d)
        lines += (d = image.pixelColor(x, (row.top() + 14.5) * dpr).value() < 60) && !dark;
    QVERIFY2(client != chart().client() || lines == 11, qPrintable(QString::number(lines)));
}

// The focus is seen (WCAG 2.2) where it arrives (a cell by key, the link, the cell again): pixels
// changed by 3:1 cover a perimeter two pixels thick at the scale, and all four outer lines.
void focusIsSeen()
{
    QWindow *window = chart().window()->windowHandle();
    chart().window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    auto arrives = [window](Qt::Key key, const Label &on) {
        const QImage before = chart().client()->grab().toImage();
        QTest::keyClick(window, key);
        const QImage after = chart().client()->grab().toImage();
        const qreal s = after.devicePixelRatio();
        const QRect area(on.geometry().topLeft() * s, on.geometry().size() * s);
        int changed = 0, edge = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x) {
                const bool c = contrast(before.pixelColor(x, y), after.pixelColor(x, y)) >= 3;
                changed += c;
                edge += c && !area.adjusted(1, 1, -1, -1).contains(x, y);
            }
        const int inside = (area.width() - 4 * s) * (area.height() - 4 * s);
        QVERIFY2(changed >= area.width() * area.height() - inside &&
                     edge == 2 * (area.width() + area.height()) - 4,
                 qPrintable(on.caption()));
    };
    chart().lblArgon_Click(0);
    chart().mnuVCross_Click();
    arrives(Qt::Key_Right, chart().lblArgon[1]);
    arrives(Qt::Key_Tab, *chart().urlLabel);
    arrives(Qt::Key_Tab, chart().lblArgon[1]);
}

// Every label inside its window, sharing no pixel with another that their designs do not share,
// and showing its whole caption. At a DPI that Qt does not scale, a font's ascent and descent are
// each rounded up, so a line may be a pixel taller than the scaled design, below its glyphs.
void showsWhole(QWidget *client, double zoom = 1)
{
    const int rounding = QGuiApplication::primaryScreen()->logicalDotsPerInchY() != 96;
    const QList<Label *> labels = client->findChildren<Label *>();
    auto designed = [client, zoom](const Label *l) { // on the screen: mirrored, right to left
        const forms::TwipsRect r = l->designedRect();
        return QStyle::visualRect(client->layoutDirection(), client->rect(),
                                  pixels(r.left, r.top, r.width, r.height, zoom));
    };
    for (const Label *label : labels) {
        const QRect at = label->geometry(), room = label->captionRect();
        const int direction =
            label->isRightToLeft() ? Qt::TextForceRightToLeft : Qt::TextForceLeftToRight;
        const QRect need = QFontMetrics(label->captionFont())
                               .boundingRect(room, Qt::TextWordWrap | direction, label->caption());
        bool over = false;
        for (const Label *other : labels) {
            const QRect shared = at & other->geometry();
            over |= other != label && !shared.isEmpty() &&
                    !(designed(label) & designed(other)).contains(shared);
        }
        const bool whole =
            need.width() <= room.width() && need.height() <= room.height() + rounding;
        QVERIFY2(whole && !over && client->rect().contains(at), qPrintable(label->caption()));
    }
}

// Runs `look` while the About box is open, then closes it with OK.
void whileAboutIsOpen(const std::function<void(frmAbout &)> &look)
{
    support::onDialog([look](QWidget *) {
        look(forms::instance<frmAbout>());
        forms::instance<frmAbout>().cmdOK->click();
    });
    chart().mnuAbout->action()->trigger();
    QCoreApplication::sendPostedEvents(); // the item's handler, which opens About
}

} // namespace

class ChartTest : public QObject {
    Q_OBJECT

    QPalette m_palette;

private slots:
    void initTestCase() { support::setUpHeadless(), m_palette = QApplication::palette(); }
    void init() { support::startProgram(); }
    void cleanup() { support::resetProgram(), QApplication::setPalette(m_palette); }

    // Every label where the design puts it, with its caption and look; grids by the pitch.
    void windowLabelsMenuAndPointer()
    {
        frmCharts &c = chart();
        struct Place {
            const Label *label;
            QRect rect;
            QString caption, look;
        };
        QList<Place> places{
            {c.Label4, pixels(240, 0, 3975, 255), "Compliments of ORVELLE", "bold centred"},
            {c.urlLabel, pixels(1440, 240, 1695, 240), "www.orvelle.example",
             "0,0,255 underlined centred"},
            {&c.Label3[0], pixels(840, 540, 975, 255), "BLUE GAS", "bold left"},
            {&c.Label3[1], pixels(840, 3480, 975, 255), "NEON GAS", "bold left"},
            {&c.Label1[0], pixels(2160, 525, 1215, 255), "Diameter in mm", "regular left"},
            {&c.Label1[1], pixels(2040, 3465, 1215, 255), "Diameter in mm", "regular left"},
            {&c.Label2[0], pixels(240, 930, 375, 255), "Volts", "regular left"},
            {&c.Label2[1], pixels(240, 3900, 375, 255), "Volts", "regular left"}};
        const struct {
            const forms::LabelArray &columns, &rows, &cells;
            int headerTop, cellTop;
            const int (&figures)[9][10];
            QString header;
        } grids[] = {{c.diamLabelA, c.TranLabelA, c.lblArgon, 810, 1170, Argon,
                      "0,255,255 0,0,0 bold centred boxed"},
                     {c.diamLabelN, c.TranLabelN, c.lblNeon, 3780, 4140, Neon,
                      "255,0,0 255,255,255 bold centred boxed"}};
        for (const auto &g : grids) {
            QCOMPARE(g.columns.ubound() * 100 + g.rows.ubound() * 1000 + g.cells.ubound(), 8989);
            for (int k = 0; k < 10; ++k)
                places << Place{&g.columns[k], pixels(840 + 360 * k, g.headerTop, 375, 255),
                                QString::number(Diams[9 - k]), g.header}
                       << Place{&g.rows[k % 9], pixels(120, g.cellTop + 240 * (k % 9), 630, 255),
                                QString::number(Volts[8 - k % 9]), g.header};
            for (int i = 0; i < 90; ++i)
                places << Place{&g.cells[i],
                                pixels(840 + 360 * (i % 10), g.cellTop + 240 * (i / 10), 375, 255),
                                QString::number(g.figures[8 - i / 10][9 - i % 10]),
                                "255,255,255 0,0,0 regular centred boxed"};
        }
        for (const Place &p : places) {
            QFont font = p.label->captionFont(); // and the caption fits, in bold for a target
            font.setBold(font.bold() || p.look.endsWith("boxed"));
            const QSize need = QFontMetrics(font).size(0, p.caption);
            const QRect room = p.label->captionRect(), at = p.label->geometry();
            QVERIFY2(at == p.rect && p.label->caption() == p.caption &&
                         lookOf(*p.label) == p.look && p.label->visible() &&
                         need.boundedTo(room.size()) == need,
                     qPrintable(p.label->caption() + " " + lookOf(*p.label)));
        }
        QCOMPARE(QFontInfo(c.Label4->captionFont()).family(), QStringLiteral("Liberation Sans"));
        // The window, its menu and its pointer.
        QWidget *window = c.window();
        QCOMPARE(c.client()->size(), QSize(306, 429));
        QCOMPARE(window->minimumSize(), window->maximumSize());
        QCOMPARE(window->windowFlags() & (Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
        QVERIFY(!window->windowIcon().isNull());
        const QPoint off = window->geometry().center() - window->screen()->geometry().center();
        QVERIFY(qAbs(off.x()) <= 4 && qAbs(off.y()) <= 4);

        QStringList items{c.mnuView->caption()};
        for (QAction *a : c.mnuView->submenu()->actions())
            items << a->text() + (a->isEnabled() ? "" : " off") +
                         (a->isCheckable() ? " check" : "") + (a->isChecked() ? "ed" : "");
        QCOMPARE(items,
                 (QStringList{"&View", "&Chart Only off", "&Hide Crosshairs checked", "&About"}));
        // The hand shows only over the link, its hot spot on the fingertip at any scale.
        auto handOver = [&c](const Label &l) {
            QTest::mouseMove(c.window()->windowHandle(),
                             c.client()->mapTo(c.window(), l.geometry().center()));
            return c.client()->testAttribute(Qt::WA_SetCursor);
        };
        QVERIFY(handOver(*c.urlLabel) && !handOver(c.lblArgon[3]) && !handOver(*c.Label4) &&
                handOver(*c.urlLabel));
        const QImage image = c.client()->cursor().pixmap().toImage();
        const QPoint hot = c.client()->cursor().hotSpot(), above(0, 3 * image.devicePixelRatio());
        QVERIFY(image.size() == QSize(32, 32) * qApp->devicePixelRatio() &&
                qAlpha(image.pixel(hot)) > 0 && qAlpha(image.pixel(hot - above)) == 0);
    }

    void textsReadOnLightAndDarkPalettes()
    {
        for (bool light : {true, false}) {
            if (!light) {
                support::resetProgram(); // a dark desktop, with white texts
                QApplication::setPalette(QPalette(QColor(50, 50, 50), QColor(50, 50, 50)));
                support::startProgram();
            }
            chart().lblArgon_Click(47);
            chart().lblNeon_Click(12);
            checkLabelsAsSeen(chart().client(), light);
            whileAboutIsOpen(
                [light](frmAbout &about) { checkLabelsAsSeen(about.client(), light); });
            focusIsSeen();
        }
    }

    // What a screen reader is told and can do, and the About box.
    void screenReadersAndAbout()
    {
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
        static QList<QObject *> focused;
        QAccessible::installUpdateHandler([](QAccessibleEvent *e) {
            if (e->type() == QAccessible::Focus)
                focused << e->object();
        });
        auto reader = [](QObject *o) { return QAccessible::queryAccessibleInterface(o); };
        auto press = [](auto *i) {
            i->actionInterface()->doAction(i->actionInterface()->pressAction());
        };
        QCOMPARE(reader(chart().window())->role(), QAccessible::Window);
        QCOMPARE(reader(&chart().diamLabelA[0])->actionInterface()->actionNames(), QStringList());
        QCOMPARE(reader(&chart().lblArgon[5])->actionInterface()->actionNames(),
                 QStringList{QAccessibleActionInterface::pressAction()});

        QAccessibleInterface *cell = reader(&chart().lblNeon[47]), *area = cell->parent();
        QCOMPARE(cell->text(QAccessible::Name), QStringLiteral("NEON GAS, 6000 volts, 11 mm: 15"));
        QVERIFY(area->object() == chart().client() &&
                area->child(area->indexOfChild(cell)) == cell &&
                area->childAt(cell->rect().center().x(), cell->rect().center().y()) == cell);
        press(cell);
        QCOMPARE(cell->text(QAccessible::Description), QStringLiteral("target"));
        chart().window()->activateWindow(); // as it is while the user types into it
        QVERIFY(QTest::qWaitForWindowActive(chart().window()));
        QCoreApplication::processEvents(); // what the window's activation tells
        focused.clear();
        QTest::keyClick(chart().window()->windowHandle(), Qt::Key_Down);
        QTRY_COMPARE(focused, QList<QObject *>{&chart().lblNeon[57]});
        focused.clear(); // to the link and back: the grids are told by their cursor's cell, last
        QTest::keyClick(chart().window()->windowHandle(), Qt::Key_Tab);
        QTest::keyClick(chart().window()->windowHandle(), Qt::Key_Tab);
        QTRY_VERIFY(focused.value(0) == chart().urlLabel && focused.last() == &chart().lblNeon[57]);
        focused.clear(); // and again once a menu over them closes
        QTest::keyClick(chart().window()->windowHandle(), Qt::Key_Menu);
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        QTRY_VERIFY(!focused.isEmpty() && focused.last() == &chart().lblNeon[57]);
        QCOMPARE(reader(&chart().lblNeon[57])->text(QAccessible::Description),
                 QStringLiteral("target"));

        QAccessibleInterface *link = reader(chart().urlLabel);
        QVERIFY(link->role() == QAccessible::Link && link->state().focusable);
        press(link);
        QCOMPARE(support::opened.size(), 1);
        const forms::ShellRequest &r = support::opened[0];
        QCOMPARE((QStringList{r.operation, r.file, r.parameters, r.directory}),
                 (QStringList{"open", "http://www.orvelle.example", {}, {}}));

        whileAboutIsOpen([reader](frmAbout &about) {
            QAccessibleInterface *dialog = reader(about.window());
            QCOMPARE(dialog->role(), QAccessible::Dialog);
            QCOMPARE(dialog->text(QAccessible::Name), QStringLiteral("About Varelux"));
            // Each text heard once, in order, and not as the dialog's description: from Qt 6.6 as
            // that of the dialog's area, which every label describes; before, as the names of the
            // labels of three words or more, those a screen reader's scan reads.
            QVERIFY(dialog->text(QAccessible::Description).isEmpty());
            QStringList heard;
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
            QAccessibleInterface *area = reader(about.client());
            heard = area->text(QAccessible::Description).split('\n');
            for (Label *label : about.client()->findChildren<Label *>())
                QCOMPARE(reader(label)->relations(QAccessible::Described).value(0).first, area);
#else
            for (Label *label : about.client()->findChildren<Label *>()) {
                const QString name = reader(label)->text(QAccessible::Name);
                if (name.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts).size() >= 3)
                    heard += name.split('\n');
            }
#endif
            QCOMPARE(heard, (QStringList{"Varelux", "Version 1.0", about.Label2->caption(),
                                         "www.orvelle.example/Software",
                                         "Copyright © 2026 ORVELLE.", "All rights reserved."}));
            QVERIFY(reader(about.cmdOK)->state().defaultButton);
            QCOMPARE(reader(about.Label3)->actionInterface()->actionNames(), QStringList());
            QWidget *window = about.window();
            QCOMPARE(about.client()->size(), QSize(277, 224));
            QCOMPARE(window->windowFlags() & (Qt::WindowType_Mask | Qt::WindowMinMaxButtonsHint),
                     Qt::Dialog);
            QVERIFY(window->minimumSize() == window->maximumSize() && window->isModal());
            QCOMPARE(window->focusWidget(), about.cmdOK);
            support::click(*about.Label3);
            QVERIFY(support::opened.size() == 1 && forms::isLoaded<frmAbout>());
        });
        QAccessible::installUpdateHandler(nullptr);
    }

    // The chart taken away, read back against the printed tables; a PNG is the window at rest, in
    // light colours on a dark desktop too. A failure is told with its reason and writes nothing.
    void takenAway_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("told"); // "" where all went well
        const char *rows[][4] = {
            {"PDF exported", "export", "chart.PDF", ""},
            {"PNG exported on a dark desktop", "export", "chart.png", ""},
            {"a PNG too large to draw told", "export", "huge.png", "the chart could not be drawn"},
            {"a PNG to a full device told, the device kept", "export", "device.png",
             "No space left on device"},
            {"PDF printed to a file", "print", "printed.pdf", ""},
            {"a print on paper with no room for the chart told", "print", "small.pdf",
             "Cannot write \u201C%1\u201D: the chart could not be drawn"},
            {"a printer that cannot start told", "print", "",
             "The printer \u201C\u201D could not print the chart."},
        };
        for (const auto &row : rows)
            QTest::newRow(row[0]) << QString(row[1]) << QString(row[2]) << QString(row[3]);
    }

    void takenAway()
    {
        QFETCH(QString, how);
        QFETCH(QString, file);
        QFETCH(QString, told);
        QTemporaryDir dir;
        const QString path = dir.filePath(file);
        told = told.arg(path);
        QImage atRest = chart().client()->grab().toImage();
        atRest.setDevicePixelRatio(1); // as a file has it
        chart().lblNeon_Click(47);
        chart().zoomIn(); // what is taken away is the chart, not the window's size
        QString heard;
        QVERIFY(file != "device.png" || QFile::link("/dev/full", path));
        if (how == "export") {
            QApplication::setPalette(QPalette(Qt::black)); // a dark desktop
            const double scale = file == "huge.png" ? 2e6 : qApp->devicePixelRatio();
            std::setlocale(LC_PAPER, "C"); // the paper is read apart from the program's locale
            const std::optional<QString> failure =
                ChartAtRest::Export(path, *forms::drawingFormatOf(path), scale);
            QCOMPARE(std::setlocale(LC_PAPER, nullptr), "C");
            if (failure)
                heard = failure->isEmpty() ? "the chart could not be drawn" : *failure;
        } else {
            support::onDialog([&](QWidget *dialog) { // the print dialog, on its printer to a file
                auto *print = qobject_cast<QPrintDialog *>(dialog);
                print->findChild<QLineEdit *>("filename")->setText(path);
                QObject::connect(print, &QDialog::accepted, print,
                                 [print, file] { // as the row asks
                                     if (file.isEmpty())
                                         print->printer()->setOutputFileName({});
                                     else if (file == "small.pdf")
                                         print->printer()->setPageSize(QPageSize(QPageSize::A10));
                                 });
                support::onDialog([&heard](QWidget *box) { // the message box that tells
                    heard = qobject_cast<QMessageBox *>(box)->text();
                    box->close();
                });
                qobject_cast<QDialog *>(dialog)->accept();
            });
            QTest::keyClick(chart().window()->windowHandle(), Qt::Key_P, Qt::ControlModifier);
            QTRY_VERIFY(!QApplication::activeModalWidget());
        }
        QCOMPARE(heard, told);
        if (!told.isEmpty()) {
            QVERIFY(file == "device.png" ? QFileInfo(path).symLinkTarget() == "/dev/full"
                                         : file.isEmpty() || !QFile::exists(path));
        } else if (const QImage png(path); file.endsWith(".png")) {
            QVERIFY(png == atRest.convertToFormat(png.format()));
        } else { // its title, then the figures row by row, on white paper
            QStringList want{"Transformer Loading Chart"};
            for (const auto *figures : {&Argon, &Neon})
                for (QString row : printedRows(*figures))
                    want << row.remove("Volts\t").replace('\t', ' ');
            QCOMPARE(readBack(path), want);
        }
    }

    // Save As, round by round: the type chosen ("any": one not offered) and the name typed; the
    // program's question ('?') answered No, the dialog's ('!') Yes. keep.pdf stays as it was.
    void saveAs_data()
    {
        QTest::addColumn<QStringList>("rounds");
        QTest::addColumn<QString>("written"); // "" where nothing can be
        auto row = [](const char *name, const QStringList &rounds, const char *written) {
            QTest::newRow(name) << rounds << QString(written);
        };
        row("a name ending in a dot takes the type's extension", {"pdf Chart 2024.05."},
            "Chart 2024.05.pdf");
        row("the suggestion, as GTK leaves it, takes the type chosen",
            {"png Transformer Loading Chart.pdf"}, "Transformer Loading Chart.png");
        row("a name's type where the list is left at its first", {"pdf plain.svg"}, "plain.svg");
        row("a name's type where the dialog gives one not offered", {"any plain.svg"}, "plain.svg");
        row("a full disk told, its folder not kept", {"pdf full/chart.pdf"}, "");
        row("No keeps the file and the name as typed, and the type chosen next decides",
            {"pdf keep?", "png keep.pdf!"}, "keep.png");
    }

    void saveAs()
    {
        QFETCH(QStringList, rounds);
        QFETCH(QString, written);
        static QTemporaryDir folders;
        static QString last = QDir::homePath(); // where the last file was written
        const QString dir = folders.filePath(QString::number(QDir(folders.path()).count()));
        QFile keep(dir + "/keep.pdf");
        QVERIFY(QDir().mkpath(dir + "/full") && keep.open(QIODevice::WriteOnly) &&
                keep.write("old"));
        keep.close();
        const QStringList disk{"-t", "tmpfs", "-o", "size=16k", "tmpfs", dir + "/full"};
        if (written.isEmpty() && QProcess::execute("mount", disk) != 0)
            QSKIP("no tmpfs can be mounted here");
        auto unmount =
            qScopeGuard([&] { written.isEmpty() && QProcess::execute("umount", {disk.last()}); });
        QStringList opened, shown, told;
        std::function<void(int)> round = [&](int n) {
            support::onDialog([&, n](QWidget *dialog) {
                auto *files = qobject_cast<QFileDialog *>(dialog);
                auto *name = files->findChild<QLineEdit *>("fileNameEdit");
                opened << files->directory().absolutePath();
                shown << name->text();
                if (const int type = QString("pdfpngsvg").indexOf(rounds[n].left(3)); type < 0)
                    files->setNameFilters({"All files (*)"});
                else
                    files->selectNameFilter(files->nameFilters()[type / 3]);
                files->setDirectory(dir);
                name->setText(rounds[n].mid(4).remove(QRegularExpression("[?!]$")));
                support::onDialog([&, n](QWidget *box) { // a question, or the failure told
                    told << qobject_cast<QMessageBox *>(box)->text();
                    if (rounds[n].endsWith('!'))
                        return qobject_cast<QMessageBox *>(box)->button(QMessageBox::Yes)->click();
                    // Enter, a slip of the key, must answer the question No; Escape says OK.
                    QTest::keyClick(box, rounds[n].endsWith('?') ? Qt::Key_Return : Qt::Key_Escape);
                    if (rounds[n].endsWith('?'))
                        round(n + 1);
                });
                static_cast<QDialog *>(files)->accept();
            });
        };
        round(0);
        QTest::keyClick(chart().window()->windowHandle(), Qt::Key_S, Qt::ControlModifier);
        QTRY_VERIFY(!QApplication::activeModalWidget());

        QVERIFY(opened.value(0) == last && shown.value(0) == "Transformer Loading Chart.pdf");
        QVERIFY(keep.open(QIODevice::ReadOnly) && keep.readAll() == "old");
        if (rounds[0].endsWith('?')) // asked by the program, then by the dialog; back as typed
            QVERIFY(told.size() == 2 && told[0].startsWith(dir + "/keep.pdf already exists") &&
                    told[1].startsWith("keep.pdf already") && opened[1] == dir &&
                    shown[1] == "keep");
        else
            QCOMPARE(told.join(""), written.isEmpty()
                                        ? "Cannot write \u201C" + dir +
                                              "/full/chart.pdf\u201D: No space left on device"
                                        : "");
        QCOMPARE(QDir(dir).count() + QDir(dir + "/full").count(), written.isEmpty() ? 6u : 7u);
        if (written.isEmpty())
            return;
        QMimeDatabase types; // the file written is of its extension's type
        QCOMPARE(types.mimeTypeForFile(dir + '/' + written, QMimeDatabase::MatchContent),
                 types.mimeTypeForFile(written, QMimeDatabase::MatchExtension));
        last = dir;
    }

    // Zoomed by keys, the wheel or the menu, a step at a time as far as the screen holds it and
    // back: everything at the zoom, a click where a cell stands at 200% marks it, and 100% is the
    // design.
    void zoom_data()
    {
        QTest::addColumn<QString>("way");
        for (const char *way : {"keys", "wheel", "menu"})
            QTest::newRow(way) << QString(way);
    }

    void zoom()
    {
        QFETCH(QString, way);
        frmCharts &c = chart();
        QWindow *window = c.window()->windowHandle();
        QMap<Label *, QRect> designed;
        for (Label *label : c.client()->findChildren<Label *>())
            designed[label] = label->geometry();
        auto step = [&](bool in) {
            if (way == "keys")
                QTest::keyClick(window, in ? Qt::Key_Plus : Qt::Key_Minus, Qt::ControlModifier);
            else if (QWheelEvent turn({5, 5}, {5, 5}, {}, {0, in ? 120 : -120}, Qt::NoButton,
                                      Qt::ControlModifier, Qt::NoScrollPhase, false);
                     way == "wheel")
                QApplication::sendEvent(c.client(), &turn);
            else
                (in ? c.mnuZoomIn : c.mnuZoomOut)->action()->trigger();
            QCoreApplication::sendPostedEvents();
        };
        const double steps[] = {1, 1.25, 1.5, 1.75, 2, 2.5, 3, 4};
        const QSize screen = c.window()->screen()->availableSize();
        int k = 0;
        for (; k < 7 && (pixels(0, 0, 4590, 6435).size() * steps[k + 1]).boundedTo(screen) ==
                            pixels(0, 0, 4590, 6435).size() * steps[k + 1];
             ++k) {
            step(true);
            QCOMPARE(c.client()->size(), pixels(0, 0, 4590, 6435).size() * steps[k + 1]);
            QVERIFY(
                c.window()->screen()->availableGeometry().contains(c.window()->frameGeometry()));
            if (steps[k + 1] == 2) { // the NEON GAS cell in row 4, column 7, where its twips put it
                support::clickAt(c.client(),
                                 pixels(840 + 360 * 7 + 180, 4140 + 240 * 4 + 120, 0, 0).topLeft() *
                                     2);
                QVERIFY(c.lblNeon[47].fontBold() && c.lblNeon[47].geometry().width() == 50);
                QCOMPARE(c.urlLabel->mousePointer()->pixmap().deviceIndependentSize(),
                         QSizeF(64, 64));
            }
        }
        QVERIFY(k >= 1 && !c.canZoomIn()); // a step up at least, on any screen these tests use
        step(true);
        QCOMPARE(c.zoom(), steps[k]);
        step(false);
        QCOMPARE(c.zoom(), steps[k - 1]);
        QTest::keyClick(window, Qt::Key_0, Qt::ControlModifier);
        QVERIFY(!c.canZoomOut());
        QCOMPARE(c.client()->size(), pixels(0, 0, 4590, 6435).size());
        for (auto [label, rect] : designed.asKeyValueRange())
            QCOMPARE(label->geometry(), rect);
    }

    // The desktop's font DPI changed while the program runs: where Qt then rounds its scale down
    // (as these tests ask it to), the windows are laid out again at the new logical inch.
    void followsTheDesktopsDpi()
    {
        QScreen *screen = chart().window()->screen();
        const qreal was = screen->logicalDotsPerInchY();
        auto back = qScopeGuard([&] {
            QWindowSystemInterface::handleScreenLogicalDotsPerInchChange(screen, was, was);
            QWindowSystemInterface::flushWindowSystemEvents();
        });
        QWindowSystemInterface::handleScreenLogicalDotsPerInchChange(screen, 120, 120);
        QWindowSystemInterface::flushWindowSystemEvents();
        QCOMPARE(chart().client()->size(), pixels(0, 0, 4590, 6435).size());
        QCOMPARE(chart().lblNeon[89].geometry(), pixels(840 + 9 * 360, 4140 + 8 * 240, 375, 255));
        QVERIFY(screen->logicalDotsPerInchY() != was || qApp->devicePixelRatio() != 1);
    }

    // Each language, a region of it with no translation of its own, argon and neon in the sign
    // trade's words; Arabic and Hebrew are written from right to left.
    void translations_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("region");
        QTest::addColumn<QStringList>("gases");
        QTest::addColumn<bool>("rtl");
        for (const QString &row :
             QString(
                 "de de_AT ARGON NEON|fr fr_XX ARGON NÉON|es es_XX ARGÓN NEÓN|it it_XX ARGON NEON|"
                 "pt_BR pt_BR ARGÔNIO NEON|pt_PT pt_AO ÁRGON NÉON|pl pl_XX ARGON NEON|"
                 "nl nl_XX ARGON NEON|ru ru_XX АРГОН НЕОН|uk uk_XX АРГОН НЕОН|tr tr_XX ARGON NEON|"
                 "zh_CN zh_SG 氩 氖|ja ja_XX アルゴン ネオン|ko ko_XX 아르곤 네온|vi vi_XX ARGON "
                 "NEON|"
                 "hi hi_XX आर्गन नियॉन|th th_XX อาร์กอน นีออน|ar ar_XX أرغون نيون|he he_XX ארגון "
                 "ניאון")
                 .split('|')) {
            const QStringList c = row.split(' ');
            QTest::newRow(qPrintable(c[0]))
                << c[0] << c[1] << c.mid(2) << (c[0] == "ar" || c[0] == "he");
        }
    }

    void translations()
    {
        QFETCH(QString, language);
        QFETCH(QString, region);
        QFETCH(QStringList, gases);
        QFETCH(bool, rtl);
        // Every message finished, with its source's placeholders, figures, units and accelerator.
        auto kept = [](QString text) { // mm in Cyrillic, or spelled out for a screen reader
            static const QRegularExpression mark("%\\d|\\d+|(?<![a-z])mm\\b|&amp;",
                                                 QRegularExpression::UseUnicodePropertiesOption),
                millimetres("мм|मिलीमीटर|مليمتر|מילימטר|มิลลิเมตร");
            QStringList marks;
            for (auto m = mark.globalMatch(
                     text.replace(millimetres, "mm").remove(QRegularExpression("&#x\\w+;")));
                 m.hasNext();)
                marks << m.next().captured();
            return marks.sort(), marks;
        };
        QFile ts(QT_TESTCASE_SOURCEDIR "/../translations/varelux_" + language + ".ts");
        QVERIFY(ts.open(QIODevice::ReadOnly));
        const QString text = ts.readAll();
        const QRegularExpression pair(
            "<source>([^<]*)</source>\\s*(?:<(?:extra)?comment>[^<]*</(?:extra)?comment>\\s*)*"
            "<translation>([^<]*)</translation>");
        int messages = 0;
        for (auto m = pair.globalMatch(text); m.hasNext(); ++messages)
            if (const auto message = m.next();
                kept(message.captured(2)) != kept(message.captured(1)))
                QFAIL(qPrintable(message.captured(1)));
        QVERIFY(messages > 30 && messages == text.count("<message>"));

        support::resetProgram();
        forms::App::useLanguages({region, "en"}); // its language's, or another region's
        auto english = qScopeGuard([] { forms::App::useLanguages({"en"}); });
        support::startProgram();
        const QString argon = chart().Label3[0].caption(), neon = chart().Label3[1].caption();
        QCOMPARE(QGuiApplication::layoutDirection(), rtl ? Qt::RightToLeft : Qt::LeftToRight);
        QVERIFY(argon.contains(gases[0]) && neon.contains(gases[1]) && !argon.contains(gases[1]));
        // Mirrored where the language is written from right to left, and only there: a cell, the
        // About box's button; the arrows move the mark the way they point.
        auto place = [rtl](const QWidget *area, QRect r) { // the design, mirrored right to left
            return rtl ? QRect(area->width() - r.x() - r.width(), r.y(), r.width(), r.height()) : r;
        };
        QCOMPARE(chart().client()->size(), pixels(0, 0, 4590, 6435).size());
        QCOMPARE(chart().lblArgon[0].geometry(),
                 place(chart().client(), pixels(840, 1170, 375, 255)));
        showsWhole(chart().client());
        for (const double zoom :
             {2.0, 4.0}) { // whole when zoomed too, as far as the screen holds it
            while (chart().zoom() < zoom && chart().canZoomIn())
                chart().zoomIn();
            showsWhole(chart().client(), chart().zoom());
        }
        chart().actualSize();
        whileAboutIsOpen([&](frmAbout &about) {
            QCOMPARE(about.cmdOK->geometry(), place(about.client(), pixels(1440, 2760, 1260, 345)));
            // its designed place on the screen, measured from the right edge right to left
            const QRect screen = about.window()->screen()->geometry(),
                        at = about.window()->geometry();
            const QPoint designed = pixels(2340, 1935, 0, 0).topLeft();
            QCOMPARE(at.topLeft() - screen.topLeft(),
                     QPoint(rtl ? screen.width() - designed.x() - at.width() : designed.x(),
                            designed.y()));
            showsWhole(about.client());
        });
        chart().window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(chart().window()));
        chart().lblArgon_Click(5); // the arrows move the mark the way they point on the screen
        for (const auto &[key, to] : {std::pair{Qt::Key_Left, rtl ? 6 : 4}, {Qt::Key_Right, 5}}) {
            QTest::keyClick(chart().window()->windowHandle(), key);
            QVERIFY(chart().lblArgon[to].fontBold());
        }
        for (const QStringList &english : {QStringList{"en_GB", language}, QStringList{"zh_TW"}}) {
            forms::App::useLanguages(english); // English first; Traditional Chinese none
            QCOMPARE(QCoreApplication::translate("frmCharts", "&View"), "&View");
        }
    }

    // A label with one beside and one below it grows across, then wraps and grows down, whole,
    // over neither, on one line where the font in use fits it into the 152 pixels beside it.
    void labelsGrow_data()
    {
        QTest::addColumn<QString>("caption");
        for (const char *caption :
             {"a caption a little longer", "氩气和氖气霓虹灯招牌的变压器负载表",
              "a caption far too long for the room there is beside it"})
            QTest::newRow(caption) << QString(caption);
    }

    void labelsGrow()
    {
        QFETCH(QString, caption);
        forms::LabelArea room; // 200 by 100 pixels
        room.resize(pixels(0, 0, 3000, 1500).size());
        for (const forms::TwipsRect &r :
             {forms::TwipsRect{120, 120, 600, 255}, {2400, 120, 500, 255}, {120, 900, 900, 255}})
            new Label(&room, r, {}, room.children().isEmpty() ? caption : "beside or below");
        showsWhole(&room);
        const Label &grown = *room.findChildren<Label *>()[0];
        const QFontMetrics font(grown.captionFont());
        const bool down = font.horizontalAdvance(caption) > 152 || font.height() > 17;
        QVERIFY(grown.geometry().width() > pixels(0, 0, 600, 0).width() &&
                (grown.geometry().height() > pixels(0, 0, 0, 255).height()) == down);
    }
};

QTEST_MAIN(ChartTest)
#include "tst_chart.moc"
