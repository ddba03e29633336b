#include "forms/app.h"
#include "forms/commandbutton.h"
#include "forms/cursor.h"
#include "forms/form.h"
#include "forms/labelarray.h"
#include "forms/menuitem.h"
#include "forms/shell.h"
#include "support/testsupport.h"

#include <QAction>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <type_traits>

using namespace forms;

namespace {

const FormDesign ProbeDesign{QStringLiteral("Probe"), 3000, 1500};

const LabelStyle Boxed{Rgb{0, 255, 255}, Rgb{255, 255, 255}, FontSpec{"MS Sans Serif", 8.25f, true},
                       Alignment::Center, LabelBorder::FixedSingle};

// A window with what the program's windows use: a single label, a label array, a menu.
class Probe : public Form {
public:
    static inline int loads = 0;
    static inline int unloads = 0;
    static inline bool shownDuringLoad = false;
    static inline qint16 cancelWith = 0;

    Probe() : Form(ProbeDesign), cells(client())
    {
        single = new Label(client(), {120, 120, 600, 255}, LabelStyle{});
        cells.add(0, {840, 1170, 375, 255}, Boxed);
        cells.add(1, {1200, 1170, 375, 255}, Boxed);
        cells[0].setMouseIcon(cursorFromImage(":/res/hand.xpm", 12, 2));
        cells.setClickHandler([this](qint16 index) { clicked << index; });
        MenuItem &menu = addMenu(QStringLiteral("&View"));
        item = &menu.addItem(QStringLiteral("&Crosshairs"));
        item->setClickHandler([this] { ++itemClicks; });
    }

    Label *single;
    LabelArray cells;
    MenuItem *item;
    QList<qint16> clicked;
    int backgroundClicks = 0;
    int itemClicks = 0;

protected:
    void Form_Load() override
    {
        ++loads;
        shownDuringLoad = window()->isVisible();
        setCaption(QStringLiteral("loaded %1").arg(loads));
    }
    void Form_Unload(qint16 &cancel) override
    {
        static_assert(std::is_same_v<decltype(cancel), qint16 &>);
        ++unloads;
        cancel = cancelWith;
    }
    void Form_Click() override { ++backgroundClicks; }
};

class Other : public Form {
public:
    static inline int unloads = 0;
    Other() : Form(ProbeDesign) {}

protected:
    void Form_Unload(qint16 &) override { ++unloads; }
};

} // namespace

class FormsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { testsupport::setUpHeadless(); }

    void init()
    {
        Probe::loads = Probe::unloads = Other::unloads = 0;
        Probe::cancelWith = 0;
    }

    void cleanup() { testsupport::resetProgram(); }

    void firstUseLoadsOnce()
    {
        QVERIFY(!isLoaded<Probe>());
        QCOMPARE(instance<Probe>().caption(), QStringLiteral("loaded 1"));
        load<Probe>();
        instance<Probe>().hide();
        QCOMPARE(Probe::loads, 1);
    }

    void loadHandlerRunsBeforeShow()
    {
        instance<Probe>().show();
        QVERIFY(!Probe::shownDuringLoad);
        QVERIFY(instance<Probe>().window()->isVisible());
    }

    void unloadDestroysAndNextUseIsFresh()
    {
        Probe &first = instance<Probe>();
        first.show();
        QPointer<QWidget> window = first.window();
        QPointer<Label> label = first.single;
        QVERIFY(first.unload());
        QCOMPARE(Probe::unloads, 1);
        QVERIFY(!isLoaded<Probe>());
        QTRY_VERIFY(window.isNull() && label.isNull());
        QCOMPARE(instance<Probe>().caption(), QStringLiteral("loaded 2"));
    }

    void cancelledUnloadKeepsTheWindow()
    {
        Probe::cancelWith = 1;
        instance<Probe>().show();
        QVERIFY(!instance<Probe>().window()->close());
        QVERIFY(isLoaded<Probe>());
        QVERIFY(instance<Probe>().window()->isVisible());
    }

    void closingTheWindowUnloadsIt()
    {
        instance<Probe>().show();
        QVERIFY(instance<Probe>().window()->close());
        QCOMPARE(Probe::unloads, 1);
        QVERIFY(!isLoaded<Probe>());
    }

    void modalShowReturnsOnlyOnceUnloaded()
    {
        bool unloadedBeforeReturn = false;
        QTimer::singleShot(0, &instance<Other>(), [&] {
            QVERIFY(instance<Other>().window()->isModal());
            unloadedBeforeReturn = instance<Other>().unload();
        });
        instance<Other>().showModal();
        QVERIFY(unloadedBeforeReturn);
        QVERIFY(!isLoaded<Other>());
    }

    void twipsBecomeLogicalPixels()
    {
        Probe &probe = instance<Probe>();
        probe.show();
        QCOMPARE(probe.cells[0].geometry(), QRect(56, 78, 25, 17));
        QCOMPARE(probe.cells[1].geometry(), QRect(80, 78, 25, 17));
        QCOMPARE(probe.client()->size(), QSize(200, 100));
        probe.cells[1].setLeft(1200.4f);
        QCOMPARE(probe.cells[1].left(), 1200.4f);
        QCOMPARE(probe.cells[1].x(), 80);
    }

    void createdMemberIsAHiddenCopyOfMemberZero()
    {
        Probe &probe = instance<Probe>();
        probe.show();
        Label &zero = probe.cells[0];
        zero.setCaption(QStringLiteral("120"));
        Label &copy = probe.cells.load(5);
        QCOMPARE(probe.cells.ubound(), 5);
        QVERIFY(!copy.visible());
        QCOMPARE(copy.left(), zero.left());
        QCOMPARE(copy.top(), zero.top());
        QCOMPARE(copy.width(), zero.width());
        QCOMPARE(copy.height(), zero.height());
        QCOMPARE(copy.backColor(), zero.backColor());
        QCOMPARE(copy.foreColor(), zero.foreColor());
        QCOMPARE(copy.captionFont(), zero.captionFont());
        QCOMPARE(copy.alignment(), zero.alignment());
        QCOMPARE(copy.border(), zero.border());
        QCOMPARE(copy.cursor().hotSpot(), QPoint(12, 2));
        QVERIFY(copy.caption().isEmpty());
        probe.cells.unload(5);
        QCOMPARE(probe.cells.ubound(), 1);
        QVERIFY(!probe.cells.member(5));
    }

    void clicksReachOnlyTheirOwnHandler()
    {
        Probe &probe = instance<Probe>();
        probe.show();
        probe.cells.load(2).setLeft(1560);
        probe.cells[2].show();
        testsupport::click(probe.cells[2]);
        testsupport::click(probe.cells[0]);
        testsupport::click(*probe.single);
        QCOMPARE(probe.clicked, (QList<qint16>{2, 0}));
        QCOMPARE(probe.backgroundClicks, 0);
        testsupport::clickAt(probe.client(), QPoint(190, 5));
        QCOMPARE(probe.backgroundClicks, 1);
    }

    void menuCheckMarkStaysWithTheProgram()
    {
        Probe &probe = instance<Probe>();
        probe.item->action()->trigger();
        QCOMPARE(probe.itemClicks, 1);
        QVERIFY(!probe.item->checked());
        probe.item->setChecked(true);
        probe.item->action()->trigger();
        QVERIFY(probe.item->checked());
        probe.item->setEnabled(false);
        probe.item->action()->trigger();
        QCOMPARE(probe.itemClicks, 2);
        QCOMPARE(probe.item->caption(), QStringLiteral("&Crosshairs"));
    }

    void buttonRoles_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter presses the default button") << int(Qt::Key_Return);
        QTest::newRow("keypad Enter presses the default button") << int(Qt::Key_Enter);
        QTest::newRow("Escape presses the cancel button") << int(Qt::Key_Escape);
    }

    void buttonRoles()
    {
        QFETCH(int, key);
        Probe &probe = instance<Probe>();
        auto *button = new CommandButton(probe.client(), {1440, 600, 1260, 345}, "OK");
        button->setDefaultRole();
        button->setCancelRole();
        QSignalSpy pressed(button, &QPushButton::clicked);
        probe.show();
        QVERIFY(QTest::qWaitForWindowActive(probe.window()));
        QTest::keyClick(probe.window(), Qt::Key(key));
        QCOMPARE(pressed.count(), 1);
    }

    void identity()
    {
        QCOMPARE(App::title(), QStringLiteral("Varelux"));
        QCOMPARE(App::major(), 1);
        QCOMPARE(App::minor(), 0);
        QCOMPARE(App::revision(), 0);
    }

    void endDestroysEveryWindowWithoutHandlers()
    {
        instance<Probe>().show();
        instance<Other>().show();
        QPointer<QWidget> probe = instance<Probe>().window();
        QPointer<QWidget> other = instance<Other>().window();
        App::end();
        QCOMPARE(testsupport::endCount(), 1);
        QVERIFY(!isLoaded<Probe>() && !isLoaded<Other>());
        QVERIFY(!probe->isVisible() && !other->isVisible());
        QCOMPARE(Probe::unloads + Other::unloads, 0);
        QTRY_VERIFY(probe.isNull() && other.isNull());
    }

    void shellRequestReachesTheOpener()
    {
        QList<ShellRequest> requests;
        setShellOpener([&](const ShellRequest &request) {
            requests << request;
            return true;
        });
        Probe &probe = instance<Probe>();
        QVERIFY(
            shellExecute(probe, "open", "http://www.example.test", {}, {}, ShowCommand::Normal));
        setShellOpener({});
        QCOMPARE(requests.size(), 1);
        QCOMPARE(requests[0].owner, quintptr(probe.window()->winId()));
        QCOMPARE(requests[0].operation, QStringLiteral("open"));
        QCOMPARE(requests[0].file, QStringLiteral("http://www.example.test"));
        QVERIFY(requests[0].parameters.isNull() && requests[0].directory.isNull());
        QCOMPARE(requests[0].show, ShowCommand::Normal);
    }
};

QTEST_MAIN(FormsTest)
#include "tst_forms.moc"
