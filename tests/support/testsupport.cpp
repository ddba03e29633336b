#include "testsupport.h"

#include "app/form1.h"
#include "forms/app.h"
#include "forms/form.h"
#include "forms/label.h"

#include <QCoreApplication>
#include <QTest>
#include <QWidget>
#include <QWindow>

namespace testsupport {

namespace {

int g_ends = 0;
QtMessageHandler g_previous = nullptr;

void quietHandler(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (text.startsWith(QLatin1String("This plugin does not support")))
        return;
    g_previous(type, context, text);
}

} // namespace

void setUpHeadless()
{
    g_previous = qInstallMessageHandler(quietHandler);
    forms::App::setEndHandler([] { ++g_ends; });
}

void startProgram()
{
    forms::load<Form1>().show();
}

void resetProgram()
{
    forms::Form::destroyAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    g_ends = 0;
}

int endCount()
{
    return g_ends;
}

void clickAt(QWidget *client, QPoint point)
{
    QWidget *top = client->window();
    QTest::mouseClick(top->windowHandle(), Qt::LeftButton, {}, client->mapTo(top, point));
}

void click(const forms::Label &label)
{
    clickAt(label.parentWidget(), label.geometry().center());
}

} // namespace testsupport
