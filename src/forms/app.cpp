#include "app.h"

#include "form.h"
#include "version.h"

#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QSocketNotifier>
#include <QStringList>
#include <QTranslator>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#if defined(Q_OS_UNIX)
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace forms {

namespace {

// The translation the program has for `language` (as in "pt_PT"): its own, its language's (de_AT
// takes de), or another region's of the language in the same script (pt_PT takes pt_BR, zh_SG
// zh_CN; zh_TW, in another script, none). Empty where there is none.
QString translationOf(const QString &language, const QString &program)
{
    const QLocale wanted(language);
    QString sameScript;
    const QStringList files =
        QDir(QStringLiteral(":/i18n")).entryList({program + QLatin1String("_*.qm")});
    for (const QString &file : files) {
        const QString code = file.mid(program.size() + 1).chopped(3); // varelux_pt_BR.qm
        const QLocale have(code);
        if (have.language() != wanted.language() || have.script() != wanted.script())
            continue;
        if (language == code || language.startsWith(code + QLatin1Char('_')))
            return code;
        sameScript = code;
    }
    return sameScript;
}

std::function<void()> &endHandler()
{
    static std::function<void()> handler;
    return handler;
}

// Until the platform is up, Qt's own messages are held back: without a display Qt would print
// several lines and abort, where one plain line of ours says it better.
QtMessageHandler previousHandler = nullptr;
QStringList heldMessages;

// What the command line asked of the platform, which Qt reads itself; the environment's choice
// where it asked nothing.
struct WantedPlatform {
    QByteArray program;  // the program's own name, for its messages
    QByteArray platform; // -platform NAME[:options], or QT_QPA_PLATFORM
    QByteArray display;  // -display DISPLAY, or DISPLAY
} wanted;

QByteArray optionValue(int argc, char **argv, const char *name, const char *environment)
{
    for (int i = 1; i + 1 < argc; ++i) {
        const char *option = argv[i] + (argv[i][0] == '-' && argv[i][1] == '-' ? 2 : 1);
        if (argv[i][0] == '-' && std::strcmp(option, name) == 0)
            return argv[i + 1];
    }
    return qgetenv(environment);
}

// Qt names the platforms there are in its own message: "Available platform plugins are: a, b."
QByteArray availablePlatforms(const QString &qtMessage)
{
    static const QLatin1String intro("Available platform plugins are: ");
    const qsizetype at = qtMessage.indexOf(intro);
    if (at < 0)
        return {};
    QString list = qtMessage.mid(at + intro.size()).section(QLatin1Char('\n'), 0, 0).trimmed();
    if (list.endsWith(QLatin1Char('.')))
        list.chop(1);
    return list.toUtf8();
}

void startupMessageHandler(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    Q_UNUSED(context);
    if (type != QtFatalMsg) {
        heldMessages << text;
        return;
    }
    const QByteArray available = availablePlatforms(text);
    const QByteArray platform = wanted.platform.split(':').value(0);
    const bool exists = available.isEmpty() || QString::fromUtf8(available)
                                                   .split(QLatin1String(", "))
                                                   .contains(QString::fromUtf8(platform));
    QByteArray why;
    if (!platform.isEmpty() && !exists)
        why = "the display platform \"" + platform +
              "\" is not available (available: " + available + ")";
    else if (platform.startsWith("wayland"))
        why = "cannot connect to the Wayland display \"" + qgetenv("WAYLAND_DISPLAY") + "\"";
    else if (wanted.display.isEmpty())
        why = "no display is available (DISPLAY is not set)";
    else
        why = "cannot connect to the display \"" + wanted.display + "\"";
    std::fprintf(stderr, "%s: cannot start: %s\n", wanted.program.constData(), why.constData());
    std::_Exit(2);
}

// A request to terminate (logging out, `kill`) ends the program as closing the chart does. The
// signal handler only writes a byte; the event loop does the ending. Only POSIX systems send
// such signals; elsewhere the desktop closes the windows.
#if defined(Q_OS_UNIX)
int terminationPipe[2] = {-1, -1};

void onTermination(int)
{
    const int savedErrno = errno; // the code the signal interrupted may be about to read it
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(terminationPipe[0], &byte, 1);
    errno = savedErrno;
}

// Neither end of the pair is handed to a program the desktop opener starts.
bool openTerminationPipe()
{
#if defined(SOCK_CLOEXEC)
    return ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, terminationPipe) == 0;
#else
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, terminationPipe) != 0)
        return false;
    for (int end : terminationPipe)
        ::fcntl(end, F_SETFD, FD_CLOEXEC);
    return true;
#endif
}

void endOnTermination()
{
    if (!openTerminationPipe())
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
#else
void endOnTermination() {}
#endif

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

QStringList App::userLanguages()
{
    QByteArray messages = qgetenv("LC_ALL");
    for (const char *setting : {"LC_MESSAGES", "LANG"})
        if (messages.isEmpty())
            messages = qgetenv(setting);
    if (messages.isEmpty() || messages == "C" || messages == "POSIX")
        return {};
    return QLocale::system().uiLanguages();
}

void App::useLanguages(const QStringList &languages, bool withQt)
{
    static QList<QPointer<QTranslator>> loaded;
    qDeleteAll(loaded);
    loaded.clear();
    const QString program = title().toLower();
    for (QString language : languages) {
        language.replace(QLatin1Char('-'), QLatin1Char('_'));
        if (language == QLatin1String("C") || language.startsWith(QLatin1String("en")))
            return;
        const QString code = translationOf(language, program);
        if (code.isEmpty())
            continue;
        if (withQt) { // installed first, so that the program's own words come before Qt's
            auto *qt = new QTranslator(qApp);
            if (qt->load(QStringLiteral("qtbase_") + code,
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
                QCoreApplication::installTranslator(qt);
            loaded << qt;
        }
        auto *own = new QTranslator(qApp);
        if (own->load(program + QLatin1Char('_') + code, QStringLiteral(":/i18n")))
            QCoreApplication::installTranslator(own);
        loaded << own;
        return;
    }
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
    wanted = {QFileInfo(QString::fromLocal8Bit(argv[0])).fileName().toLocal8Bit(),
              optionValue(argc, argv, "platform", "QT_QPA_PLATFORM"),
              optionValue(argc, argv, "display", "DISPLAY")};
    previousHandler = qInstallMessageHandler(startupMessageHandler);
    QApplication application(argc, argv);
    releaseHeldMessages(true);

    QApplication::setApplicationName(title());
    QApplication::setApplicationVersion(QStringLiteral(VARELUX_VERSION));
    // Only closing the chart window ends the program, and it does so explicitly.
    QApplication::setQuitOnLastWindowClosed(false);
    endOnTermination();
    useLanguages(userLanguages());

    start();
    const int status = QApplication::exec();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}

// Qt's notices (a runtime folder not set, and the like) are left unsaid, so that the job's own
// words are all that is printed.
int App::runWithoutDisplay(char **argv, const std::function<int()> &job)
{
    wanted.program = QFileInfo(QString::fromLocal8Bit(argv[0])).fileName().toLocal8Bit();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qunsetenv("QT_QPA_PLATFORMTHEME"); // a desktop theme would look for its display
    previousHandler = qInstallMessageHandler(startupMessageHandler);
    int argc = 1;
    QApplication application(argc, argv);
    QApplication::setApplicationName(title());
    useLanguages(userLanguages(), false);
#if defined(LC_MESSAGES)
    std::setlocale(LC_MESSAGES, "C"); // the C library's reasons in English too
#endif
    const int status = job();
    releaseHeldMessages(false);
    return status;
}

} // namespace forms
