#include "commandline.h"

#include "version.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace forms {

namespace {

constexpr const char *Usage =
    "Usage: varelux [OPTION]...\n"
    "Shows the Transformer Loading Chart: loading figures for BLUE GAS and NEON GAS tubing by\n"
    "transformer voltage and tube diameter.\n"
    "\n"
    "  -h, --help     show this help and exit\n"
    "      --version  show the version and exit\n"
    "\n"
    "Qt's own options, such as -platform NAME, -display DISPLAY and -style STYLE, are passed on\n"
    "to Qt.\n";

// Qt's options, as Qt itself reads them, with one dash or two.
constexpr const char *QtOptionsWithValue[] = {"platform",        "platformpluginpath",
                                              "platformtheme",   "plugin",
                                              "display",         "geometry",
                                              "qwindowgeometry", "title",
                                              "qwindowtitle",    "icon",
                                              "qwindowicon",     "name",
                                              "session",         "style",
                                              "stylesheet"};
constexpr const char *QtFlags[] = {"reverse", "widgetcount", "nograb",
                                   "dograb",  "sync",        "testability"};

template <std::size_t N> bool listed(const std::string &name, const char *const (&names)[N])
{
    for (const char *candidate : names)
        if (name == candidate)
            return true;
    return false;
}

int refuse(const char *what, const char *argument)
{
    std::fprintf(stderr, "varelux: %s '%s'\nTry 'varelux --help' for more information.\n", what,
                 argument);
    return 2;
}

} // namespace

std::optional<int> answerCommandLine(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        const char *argument = argv[i];
        if (!std::strcmp(argument, "--help") || !std::strcmp(argument, "-h")) {
            std::fputs(Usage, stdout);
            return 0;
        }
        if (!std::strcmp(argument, "--version")) {
            std::printf("varelux %s\n", VARELUX_VERSION);
            return 0;
        }
        if (!std::strcmp(argument, "--")) {
            if (i + 1 < argc)
                return refuse("unexpected argument", argv[i + 1]);
            break;
        }
        if (argument[0] != '-')
            return refuse("unexpected argument", argument);
        std::string name = argument + (argument[1] == '-' ? 2 : 1);
        if (listed(name, QtFlags) || name.rfind("style=", 0) == 0)
            continue;
        if (!listed(name, QtOptionsWithValue))
            return refuse("unrecognized option", argument);
        if (++i == argc)
            return refuse("missing value for", argument);
    }
    return std::nullopt;
}

} // namespace forms
