#include "app.h"

#include "form.h"
#include "version.h"

#include <QApplication>
#include <QByteArray>
#include <QSocketNotifier>
#include <QStringList>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <sys/socket.h>
#include <unistd.h>

namespace forms {

namespace {

std::function<void()> &endHandler()
{
    static std::function<void()> handler;
    return handler;
}

// Until the platform is up, Qt's own messages are held back: without a display Qt would print
// several lines and abort, where one plain line of ours says it better.
QtMessageHandler previousHandler = nullptr;
QStringList heldMessages;

void startupMessageHandler(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type != QtFatalMsg) {
        heldMessages << text;
        return;
    }
    const QByteArray display = qgetenv("DISPLAY");
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform == "wayland" && qEnvironmentVariableIsSet("WAYLAND_DISPLAY"))
        std::fprintf(stderr,
                     "varelux: cannot start: cannot connect to the Wayland display \"%s\"\n",
                     qgetenv("WAYLAND_DISPLAY").constData());
    else if (!platform.isEmpty() && platform != "xcb")
        std::fprintf(stderr,
                     "varelux: cannot start: the display platform \"%s\" is not available\n",
                     platform.constData());
    else if (display.isEmpty())
        std::fprintf(stderr,
                     "varelux: cannot start: no display is available (DISPLAY is not set)\n");
    else
        std::fprintf(stderr, "varelux: cannot start: cannot connect to the display \"%s\"\n",
                     display.constData());
    Q_UNUSED(context);
    std::_Exit(2);
}

// A request to terminate (logging out, `kill`) ends the program as closing the chart does. The
// signal handler only writes a byte; the event loop does the ending.
int terminationPipe[2] = {-1, -1};

void onTermination(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(terminationPipe[0], &byte, 1);
}

void endOnTermination()
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, terminationPipe) != 0)
        return;
    auto *notifier = new QSocketNotifier(terminationPipe[1], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, qApp, [] {
        char byte;
        [[maybe_unused]] const auto read = ::read(terminationPipe[1], &byte, 1);
        App::end();
    });
    struct sigaction action = {};
    action.sa_handler = onTermination;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(signal, &action, nullptr);
}

// Qt's messages held back while the platform came up, now that they can be read.
void releaseHeldMessages(bool show)
{
    qInstallMessageHandler(previousHandler);
    if (show)
        for (const QString &message : std::as_const(heldMessages))
            qWarning("%s", qUtf8Printable(message));
    heldMessages.clear();
}

} // namespace

QString App::title()
{
    return QStringLiteral(VARELUX_TITLE);
}

int App::major()
{
    return VARELUX_VERSION_MAJOR;
}

int App::minor()
{
    return VARELUX_VERSION_MINOR;
}

int App::revision()
{
    return VARELUX_VERSION_PATCH;
}

QString App::version()
{
    return QStringLiteral(VARELUX_VERSION);
}

void App::end()
{
    Form::destroyAll();
    if (endHandler())
        endHandler()();
    else
        QCoreApplication::exit(0);
}

void App::setEndHandler(std::function<void()> handler)
{
    endHandler() = std::move(handler);
}

int App::run(int &argc, char **argv, const std::function<void()> &start)
{
    previousHandler = qInstallMessageHandler(startupMessageHandler);
    QApplication application(argc, argv);
    releaseHeldMessages(true);

    QApplication::setApplicationName(title());
    QApplication::setApplicationVersion(QStringLiteral(VARELUX_VERSION));
    // Only closing the chart window ends the program, and it does so explicitly.
    QApplication::setQuitOnLastWindowClosed(false);
    endOnTermination();

    start();
    const int status = QApplication::exec();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}

// Qt's notices (a runtime folder not set, and the like) are left unsaid, so that the job's own
// words are all that is printed.
int App::runWithoutDisplay(char **argv, const std::function<int()> &job)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qunsetenv("QT_QPA_PLATFORMTHEME"); // a desktop theme would look for its display
    previousHandler = qInstallMessageHandler(startupMessageHandler);
    int argc = 1;
    QApplication application(argc, argv);
    QApplication::setApplicationName(title());
    const int status = job();
    releaseHeldMessages(false);
    return status;
}

} // namespace forms
