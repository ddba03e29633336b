#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace forms {

// The application object: the program's identity, and ending the program.
class App {
public:
    static QString title();
    static int major();
    static int minor();
    static int revision();
    // "major.minor.revision"
    static QString version();

    // Loads the program's translations, and Qt's own unless `withQt` is false, for the first of
    // `languages` (as QLocale::uiLanguages() names them) that the program has; none for English,
    // in which the program is written. Replaces what an earlier call loaded. run() and
    // runWithoutDisplay() do this for userLanguages() before anything is made.
    static void useLanguages(const QStringList &languages, bool withQt = true);
    // The user's languages, as gettext reads them: none where the messages' locale is C or
    // POSIX, whatever LANGUAGE says, otherwise those of the system's locale.
    static QStringList userLanguages();

    // Ends the program at once: every window is destroyed without running any handler of its
    // own, then the program exits with status 0.
    static void end();

    // What end() does once the windows are gone; tests watch it instead of exiting.
    static void setEndHandler(std::function<void()> handler);

    // Brings up the windowing platform, runs `start`, then the event loop until end().
    // Without a usable display it prints one line and returns a non-zero status.
    static int run(int &argc, char **argv, const std::function<void()> &start);

    // Runs `job` with windows that are drawn but never shown, so with no display at all, in the
    // platform's usual style; returns the job's status. Qt's options on the command line,
    // which ask for a display, are left unread. What the windows show is in the user's
    // language; Qt's words and the system's (a reason a file could not be written) stay in
    // English, as a command line's do.
    static int runWithoutDisplay(char **argv, const std::function<int()> &job);
};

} // namespace forms
