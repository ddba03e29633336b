#include "about/frmabout.h"
#include "forms/commandbutton.h"
#include "forms/menuitem.h"
#include "support/support.h"

#include <QAction>
#include <QClipboard>
#include <QMenuBar>
#include <QMimeData>
#include <QRandomGenerator>

#include <optional>

using forms::Label;
using forms::Rgb;
using support::chart;

// How the program starts and ends, and the chart against a small model of its picture, driven by
// events as a user makes them.
namespace {

const QStringList Keys =
    QString("Left Right Up Down PgUp PgDown Enter Space Esc Tab Shift+Tab Ctrl+C NumLock")
        .split(' ');
const QPoint Background[] = {{3, 30}, {200, 226}, {300, 100}, {300, 400}, {150, 426}};

// Labels without a handler: titles, axis titles, the maker line, every header.
QList<Label *> inertLabels()
{
    QList<Label *> labels = chart().client()->findChildren<Label *>();
    labels.removeIf([](Label *l) { return l->hasClickHandler(); });
    return labels;
}

// Per grid no mark or one target; the crosshair switch; the keyboard cursor; the focus, and its
// ring (shown after a key, not the pointer); how often the link opened; the grid last copied.
struct Model {
    std::optional<int> target[2]; // BLUE GAS, NEON GAS
    bool on = true;
    int grid = 0, index = 0;
    bool keys = false, linkFocused = false;
    int opened = 0;
    QString copied;

    void mark() { target[grid] = on ? std::optional(index) : target[grid]; }
    void apply(const QString &e)
    {
        if (e.startsWith("ctx") || e.startsWith("Menu")) { // a context menu, then Escape or Copy
            const int y = e.startsWith("ctxbg") ? Background[e.mid(5, 1).toInt()].y() : -1;
            const int under = y < 0 ? e[3] == 'N' : y * 15 >= 3465; // NEON GAS from its titles down
            linkFocused = linkFocused && e[0] == 'M';
            keys = e[0] == 'M';
            if (e.endsWith("+c"))
                copied = (e[0] == 'c' ? under : grid) ? "NEON GAS" : "BLUE GAS";
            return;
        }
        if (e == "Ctrl+C")
            copied = grid ? "NEON GAS" : "BLUE GAS";
        const bool press = QString("ANP").contains(e[0]) && e[1].isDigit();
        const bool cell = press && e[0] != 'P';
        if (press || e[0] == 'H' || e.startsWith("bg"))
            linkFocused = false; // a press beside the link takes the focus from it
        if (press || e[0] == 'H' || e.startsWith("bg") || e == "link")
            keys = false; // the pointer hides the ring, a key other than a shortcut shows it
        else if ((Keys.contains(e) && e != "Ctrl+C" && e != "NumLock") || e == "Alt" || e == "F10")
            keys = true; // a lock key shows nothing
        if (cell) {
            grid = e[0] == 'N', index = e.mid(1).toInt();
            mark();
        } else if (e.startsWith("bg") || e == "Esc" || (e == "menu" && on)) {
            target[0] = target[1] = std::nullopt;
        }
        if (e == "menu")
            on = !on;
        else if (e == "link")
            ++opened;
        else if (e == "Left" || e == "Right" || e == "Up" || e == "Down") {
            const int row = qBound(0, index / 10 + (e == "Down") - (e == "Up"), 8);
            index = 10 * row + qBound(0, index % 10 + (e == "Right") - (e == "Left"), 9);
            linkFocused = false; // they bring the focus back to the grids
            mark();
        } else if (e == "PgUp" || e == "PgDown") {
            grid = e == "PgDown";
            linkFocused = false;
            mark();
        } else if (e == "Enter" || e == "Space") {
            linkFocused ? void(++opened) : mark();
        } else if (e.endsWith("Tab")) { // two focus stops: the grids and the link
            linkFocused = !linkFocused;
        }
    }
    // Per grid, cells then row and column headers: '.' at rest, '+' crosshair, '#' marked, 'c'
    // or 'r' headers at rest; 'H'ide or 'U'se; focus on 'L'ink or 'G'rids; its ring: '*', "@0 12".
    QString picture() const
    {
        QString p;
        for (int g = 0; g < 2; ++g) {
            const std::optional<int> t = target[g];
            for (int i = 0; i < 90; ++i)
                p += !t ? '.' : i == *t ? '#' : i / 10 == *t / 10 || i % 10 == *t % 10 ? '+' : '.';
            for (int k = 0; k < 19; ++k)
                p += t && (k < 9 ? *t / 10 == k : *t % 10 == k - 9) ? '#' : g ? 'r' : 'c';
        }
        p += QString(on ? "H" : "U") + (linkFocused ? "L" : "G");
        return !keys ? p : linkFocused ? p + '*' : p + QString("@%1 %2").arg(grid).arg(index);
    }
};

// The same picture, read off the program's labels and menu.
QString pictureOfTheProgram()
{
    const struct {
        Rgb back, fore;
        bool bold;
        QChar code;
    } looks[] = {{{255, 255, 255}, {0, 0, 0}, false, '.'},
                 {{255, 255, 192}, {0, 0, 0}, false, '+'},
                 {{255, 255, 0}, {0, 0, 0}, true, '#'},
                 {{0, 255, 255}, {0, 0, 0}, true, 'c'},
                 {{255, 0, 0}, {255, 255, 255}, true, 'r'}};
    frmCharts &c = chart();
    QString p;
    for (const forms::LabelArray *array :
         {&c.lblArgon, &c.TranLabelA, &c.diamLabelA, &c.lblNeon, &c.TranLabelN, &c.diamLabelN})
        for (int i = 0; i <= array->ubound(); ++i) {
            const Label &l = (*array)[i];
            QChar code = '?';
            for (const auto &look : looks)
                if (l.backColor() == look.back && l.foreColor() == look.fore &&
                    l.fontBold() == look.bold)
                    code = look.code;
            p += code;
        }
    const QString caption = c.mnuVCross->caption();
    p += c.mnuVCross->checked()         ? caption == "&Hide Crosshairs" ? 'H' : '?'
         : caption == "&Use Crosshairs" ? 'U'
                                        : '?';
    const bool area = QApplication::focusWidget() == c.client();
    p += !area ? '?' : c.activeControl() == c.urlLabel ? 'L' : !c.activeControl() ? 'G' : '?';
    if (c.urlLabel->focusRingShown())
        p += '*';
    for (const forms::LabelArray *cells : {&c.lblArgon, &c.lblNeon})
        for (int i = 0; i < 90; ++i)
            if ((*cells)[i].focusRingShown())
                p += QString("@%1 %2").arg(cells == &c.lblNeon).arg(i);
    return p;
}

// Does what the event says, as a user would ("P" presses on a cell and lets go beside it; "ctx"
// right-clicks); returns what went wrong on the way.
QString perform(const QString &e)
{
    QWindow *window = chart().window()->windowHandle();
    if (e == "Alt" || e == "F10" || e.startsWith("Menu") || e.startsWith("ctx")) {
        if (e.startsWith("ctx")) { // a right click, on a cell or the bare window
            const int i = e.mid(4).split('+')[0].toInt();
            const QPoint at =
                e[3] == 'b'
                    ? Background[e.mid(5, 1).toInt()]
                    : (e[3] == 'N' ? chart().lblNeon : chart().lblArgon)[i].geometry().center();
            // The pointer arrives first, as a user's does: Qt 6.11 gives a right click's menu to
            // the widget last entered, which offscreen may leave on Form1 (moves in place drop).
            const QPoint spot = chart().client()->mapTo(chart().window(), at);
            QTest::mouseMove(window, spot + QPoint(1, 0));
            QTest::mouseClick(window, Qt::RightButton, {}, spot);
        } else { // Alt then Down, F10, the Menu key or Shift+F10
            const bool shifted = e.startsWith("MenuS");
            QTest::keyClick(window,
                            e == "Alt"              ? Qt::Key_Alt
                            : e == "F10" || shifted ? Qt::Key_F10
                                                    : Qt::Key_Menu,
                            shifted ? Qt::ShiftModifier : Qt::NoModifier);
            if (e == "Alt")
                QTest::keyClick(window, Qt::Key_Down);
        }
        QWidget *menu = QApplication::activePopupWidget();
        if (!menu)
            return "no menu opened";
        QTest::keyClick(menu, e.endsWith("+c") ? Qt::Key_C : Qt::Key_Escape); // Copy, or closed
        if (qobject_cast<QMenuBar *>(QApplication::focusWidget())) // a menu bar keeps its keys
            QTest::keyClick(window, Qt::Key_Escape);
    } else if ((e[0] == 'A' || e[0] == 'N' || e[0] == 'P') && e[1].isDigit()) {
        const Label &cell = (e[0] == 'N' ? chart().lblNeon : chart().lblArgon)[e.mid(1).toInt()];
        const QPoint at = chart().client()->mapTo(chart().window(), cell.geometry().center());
        QTest::mousePress(window, Qt::LeftButton, {}, at);
        QTest::mouseRelease(window, Qt::LeftButton, {}, e[0] == 'P' ? QPoint(3, 60) : at);
    } else if (e.startsWith("bg")) {
        support::clickAt(chart().client(), Background[e.mid(2).toInt()]);
    } else if (e[0] == 'H') {
        support::click(*inertLabels()[e.mid(1).toInt()]);
    } else if (e == "menu") {
        chart().mnuVCross->action()->trigger();
    } else if (e == "link") {
        support::click(*chart().urlLabel);
    } else if (e.startsWith("about")) { // closed with OK, Enter, Escape or the close button
        support::onDialog([way = e.mid(5).toInt()](QWidget *about) {
            if (way == 0)
                QTest::mouseClick(forms::instance<frmAbout>().cmdOK, Qt::LeftButton);
            else if (way == 3)
                about->close();
            // (A dialog counts as active with its owner, before it has the keys itself.)
            else if (QTest::qWaitFor([about] { return QApplication::activeWindow() == about; }))
                QTest::keyClick(about, way == 1 ? Qt::Key_Return : Qt::Key_Escape);
        });
        chart().mnuAbout->action()->trigger();
        QCoreApplication::sendPostedEvents();
        if (!QTest::qWaitFor([] { return QApplication::activeWindow() == chart().window(); }))
            return "the chart not active again after About";
    } else {
        QTest::keyClick(window, QKeySequence(e)[0].key(), QKeySequence(e)[0].keyboardModifiers());
    }
    QCoreApplication::sendPostedEvents(); // a menu item's handler runs once it is chosen
    return {};
}

QString randomEvent(QRandomGenerator &random)
{
    const int kind = random.bounded(100);
    if (kind < 30)
        return QString("ANP"[random.bounded(3)]) + QString::number(random.bounded(90));
    if (kind < 70)
        return Keys[random.bounded(Keys.size())];
    if (kind < 76)
        return QString("bg%1").arg(random.bounded(int(std::size(Background))));
    if (kind < 84)
        return QString("H%1").arg(random.bounded(int(inertLabels().size())));
    if (kind < 86)
        return "menu";
    if (kind < 92) { // a menu from the keys or a right click, closed again or with Copy chosen
        const char *menus[] = {"Alt",   "F10",     "Menu", "Menu+c", "MenuS", "MenuS+c",
                               "ctxbg", "ctxbg+c", "ctxA", "ctxA+c", "ctxN",  "ctxN+c"};
        QString e = menus[random.bounded(12)];
        const int on = e.startsWith("ctxbg") ? 5 : 4, at = random.bounded(on == 5 ? 5 : 90);
        return e.startsWith("ctx") ? e.insert(on, QString::number(at)) : e;
    }
    return kind < 96 ? QString("link") : QString("about%1").arg(random.bounded(4));
}

} // namespace

class ModelTest : public QObject {
    Q_OBJECT

    QString difference(const Model &model) const
    {
        if (forms::isLoaded<frmAbout>() || support::ends || !chart().window()->isVisible())
            return "About box left open, or the chart gone";
        if (support::opened.size() != model.opened)
            return "the link opened " + QString::number(support::opened.size()) + " times";
        if (QApplication::activePopupWidget())
            return "a menu left open";
        const QMimeData *clipboard = QGuiApplication::clipboard()->mimeData();
        const QString copied = clipboard ? clipboard->html() : QString();
        if (!model.copied.isEmpty() && !copied.startsWith("<table><caption>" + model.copied))
            return "copied " + copied.left(30);
        const QString want = model.picture(), got = pictureOfTheProgram();
        return got == want ? QString() : QString("\n got  %1\n want %2").arg(got, want);
    }

private slots:
    void initTestCase() { support::setUpHeadless(); }
    void init() { support::startProgram(); }
    void cleanup() { support::resetProgram(); }

    // The chart, then the blank Form1 shown last; seeded events, each compared with the model
    // (VARELUX_SEED replays one); closing the chart unloads members from 2 up and ends it all.
    void eventStreamMatchesTheModel()
    {
        frmCharts &c = chart();
        QWidget *form1 = forms::instance<Form1>().window();
        QTRY_COMPARE(QApplication::activeWindow(), form1);
        QCOMPARE(c.window()->windowState(), Qt::WindowNoState);
        QCOMPARE(forms::instance<Form1>().client()->size(), QSize(312, 213));
        QVERIFY(form1->minimumSize() != form1->maximumSize());

        c.window()->activateWindow(); // the user at the chart's keyboard, as the keys need
        QVERIFY(QTest::qWaitForWindowActive(c.window()));
        bool seeded = false;
        const quint32 seed = qEnvironmentVariableIntValue("VARELUX_SEED", &seeded);
        QRandomGenerator random(seeded ? seed : 7122026);
        Model model;
        for (int n = 0; n < qEnvironmentVariableIntValue("VARELUX_EVENTS"); ++n) {
            const QString event = randomEvent(random);
            QString d = perform(event);
            model.apply(event);
            if (d.isEmpty())
                d = difference(model);
            if (!d.isEmpty())
                QFAIL(qPrintable(QString("event %1 (%2): %3").arg(n).arg(event, d)));
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        QList<QObject *> expected, removed;
        for (auto *array :
             {&c.diamLabelA, &c.diamLabelN, &c.lblArgon, &c.lblNeon, &c.TranLabelA, &c.TranLabelN})
            for (int k = 2; k <= array->ubound(); ++k)
                expected << &(*array)[k];
        for (QObject *o : expected)
            connect(o, &QObject::destroyed, this, [&removed](QObject *o) { removed << o; });
        QVERIFY(c.window()->close());
        QVERIFY(removed == expected && c.lblArgon.ubound() + c.TranLabelN.ubound() == 2);
        QVERIFY(support::ends == 1 && !forms::isLoaded<Form1>() && !forms::isLoaded<frmCharts>());
        QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
    }
};

QTEST_MAIN(ModelTest)
#include "tst_model.moc"
