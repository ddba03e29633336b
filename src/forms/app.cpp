#include "app.h"

#include "commandline.h"
#include "form.h"
#include "version.h"

#include <QApplication>
#include <QByteArray>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <cstring>

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
        std::fprintf(stderr, "varelux: cannot start: cannot connect to the Wayland display \"%s\"\n",
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

// On a Wayland desktop the program is a Wayland client of its own, when Qt's Wayland platform is
// installed; otherwise Qt's usual choice stands (X11, through XWayland there).
void preferWayland(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
        !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return;
    for (int i = 1; i < argc; ++i)
        if (!std::strcmp(argv[i], "-platform") || !std::strcmp(argv[i], "--platform"))
            return;
    const QString plugin = QLibraryInfo::path(QLibraryInfo::PluginsPath) +
                           QStringLiteral("/platforms/libqwayland-generic.so");
    if (QFileInfo::exists(plugin))
        qputenv("QT_QPA_PLATFORM", "wayland");
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
    if (const std::optional<int> status = answerCommandLine(argc, argv))
        return *status;
    preferWayland(argc, argv);
    previousHandler = qInstallMessageHandler(startupMessageHandler);
    QApplication application(argc, argv);
    qInstallMessageHandler(previousHandler);
    for (const QString &message : std::as_const(heldMessages))
        qWarning("%s", qUtf8Printable(message));
    heldMessages.clear();

    QApplication::setApplicationName(title());
    QApplication::setApplicationVersion(QStringLiteral(VARELUX_VERSION));
    // Only closing the chart window ends the program, and it does so explicitly.
    QApplication::setQuitOnLastWindowClosed(false);

    start();
    const int status = QApplication::exec();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}

} // namespace forms
