#pragma once

#include "app/form1.h"
#include "chart/frmcharts.h"
#include "forms/app.h"
#include "forms/labelarea.h"
#include "forms/shell.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWindow>

// The program started and reset as main() would, its end counted, its web requests recorded not
// carried out; clicks made through the window, which finds the control under them.
namespace support {

inline int ends = 0;
inline QList<forms::ShellRequest> opened;

inline void setUpHeadless() // and quieten the offscreen platform's notices
{
    static QtMessageHandler previous = nullptr;
    previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext &context, const QString &text) {
            if (!text.startsWith(QLatin1String("This plugin does not support")))
                previous(type, context, text);
        });
    forms::App::setEndHandler([] { ++ends; });
}

inline void startProgram()
{
    forms::setShellOpener([](const forms::ShellRequest &r) { return opened << r, true; });
    forms::load<Form1>().show();
}

inline void resetProgram()
{
    forms::Form::destroyAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ends = 0;
    opened.clear();
}

inline frmCharts &chart()
{
    return forms::instance<frmCharts>();
}

inline void clickAt(QWidget *client, QPoint point)
{
    QWidget *top = client->window();
    QTest::mouseClick(top->windowHandle(), Qt::LeftButton, {}, client->mapTo(top, point));
}

// Runs `answer` on the next modal dialog once it is open.
inline void onDialog(const std::function<void(QWidget *)> &answer)
{
    auto *poll = new QTimer(&chart());
    QObject::connect(poll, &QTimer::timeout, poll, [poll, answer] {
        if (QWidget *dialog = QApplication::activeModalWidget()) {
            delete poll;
            answer(dialog);
        }
    });
    poll->start();
}

inline void click(const forms::Label &label)
{
    clickAt(&label.area(), label.geometry().center());
}

} // namespace support
