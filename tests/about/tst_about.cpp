#include "about/frmabout.h"
#include "chart/frmcharts.h"
#include "forms/commandbutton.h"
#include "forms/label.h"
#include "forms/menuitem.h"
#include "forms/shell.h"
#include "support/chartmodel.h"
#include "support/testsupport.h"

#include <QAction>
#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QTimer>

using testsupport::AboutClose;

namespace {

frmCharts &chart()
{
    return forms::instance<frmCharts>();
}

struct AboutTexts {
    QString caption, title, version, lite, address, copyright;
    bool operator==(const AboutTexts &o) const
    {
        return caption == o.caption && title == o.title && version == o.version && lite == o.lite &&
               address == o.address && copyright == o.copyright;
    }
};

// Runs `look` while the About box is open from the View menu, then closes it with OK.
void whileAboutIsOpen(const std::function<void(frmAbout &)> &look)
{
    QTimer::singleShot(0, &chart(), [look] {
        frmAbout &about = forms::instance<frmAbout>();
        look(about);
        about.cmdOK->click();
    });
    chart().mnuAbout->action()->trigger();
}

AboutTexts textsOf(frmAbout &about)
{
    return {about.caption(),         about.lblTitle->caption(), about.lblVersion->caption(),
            about.Label2->caption(), about.Label3->caption(),   about.Label1->caption()};
}

} // namespace

class AboutTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { testsupport::setUpHeadless(); }
    void init() { testsupport::startProgram(); }
    void cleanup()
    {
        forms::setShellOpener({});
        testsupport::resetProgram();
    }

    void textsAfterLoad()
    {
        AboutTexts first, second;
        whileAboutIsOpen([&](frmAbout &about) { first = textsOf(about); });
        whileAboutIsOpen([&](frmAbout &about) { second = textsOf(about); });
        QCOMPARE(first.caption, QStringLiteral("About Varelux"));
        QCOMPARE(first.title, QStringLiteral("Varelux"));
        QCOMPARE(first.version, QStringLiteral("Version 1.0"));
        QCOMPARE(first.lite,
                 QStringLiteral("This is the very simplified free lite version. The full version "
                                "has many powerful calculation features. Information on the "
                                "current release is available at:"));
        QCOMPARE(first.address, QStringLiteral("www.orvelle.example/Software"));
        QVERIFY(first.copyright.startsWith(QStringLiteral("Copyright")));
        QVERIFY(first == second);
    }

    void layoutAndStyles()
    {
        whileAboutIsOpen([](frmAbout &about) {
            QCOMPARE(about.client()->size(), QSize(4155 / 15, 3360 / 15));
            QCOMPARE(about.lblTitle->geometry(), QRect(16, 16, 251, 15));
            QCOMPARE(about.Label3->geometry(), QRect(48, 112, 185, 17));
            QCOMPARE(about.cmdOK->geometry(), QRect(96, 184, 84, 23));
            const forms::Label &address = *about.Label3;
            QCOMPARE(address.foreColor(), (forms::Rgb{0, 0, 255}));
            QVERIFY(address.fontBold() && !address.captionFont().underline());
            QVERIFY(!address.testAttribute(Qt::WA_SetCursor));
            QCOMPARE(about.lblVersion->captionFont().pointSizeF(), 9.75);
            QVERIFY(about.cmdOK->hasFocus() || about.window()->focusWidget() == about.cmdOK);
        });
    }

    void dialogWindow()
    {
        whileAboutIsOpen([](frmAbout &about) {
            QWidget *window = about.window();
            const Qt::WindowFlags flags = window->windowFlags();
            QCOMPARE(flags & Qt::WindowType_Mask, Qt::Dialog);
            QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
            QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
            QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
            QCOMPARE(window->minimumSize(), window->maximumSize());
            QCOMPARE(window->geometry().topLeft(), QPoint(156, 129));
            QVERIFY(window->isModal());
            QCOMPARE(QApplication::activeModalWidget(), window);
        });
    }

    void chartTakesNoInputWhileOpen()
    {
        whileAboutIsOpen([](frmAbout &) {
            testsupport::click(chart().lblArgon[47]);
            testsupport::click(chart().lblNeon[0]);
        });
        QCOMPARE(testsupport::ChartModel().differenceFrom(chart()), QString());
        testsupport::click(chart().lblArgon[47]);
        QCOMPARE(chart().lblArgon[47].backColor(), (forms::Rgb{255, 255, 0}));
    }

    void everyWayOfClosingUnloadsIt_data()
    {
        QTest::addColumn<AboutClose>("way");
        QTest::newRow("OK button") << AboutClose::OkButton;
        QTest::newRow("Enter") << AboutClose::Enter;
        QTest::newRow("Escape") << AboutClose::Escape;
        QTest::newRow("close button") << AboutClose::CloseButton;
    }

    void everyWayOfClosingUnloadsIt()
    {
        QFETCH(AboutClose, way);
        QPointer<QWidget> first;
        QTimer::singleShot(0, &chart(), [&] { first = forms::instance<frmAbout>().window(); });
        testsupport::openAndCloseAbout(chart(), way);
        QVERIFY(first);
        QVERIFY(!forms::isLoaded<frmAbout>());
        QTRY_VERIFY(first.isNull());

        QPointer<QWidget> second;
        whileAboutIsOpen([&](frmAbout &about) { second = about.window(); });
        QVERIFY(!forms::isLoaded<frmAbout>());
        QTRY_VERIFY(second.isNull());
        QVERIFY(chart().window()->isVisible());
    }

    void addressLineOpensNothing()
    {
        int opened = 0;
        forms::setShellOpener([&](const forms::ShellRequest &) { return ++opened, true; });
        bool stillOpen = false;
        whileAboutIsOpen([&](frmAbout &about) {
            testsupport::click(*about.Label3);
            stillOpen = forms::isLoaded<frmAbout>() && about.window()->isVisible();
        });
        QVERIFY(stillOpen);
        QCOMPARE(opened, 0);
    }
};

QTEST_MAIN(AboutTest)
#include "tst_about.moc"
