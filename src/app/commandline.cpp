#include "commandline.h"

#include "app/form1.h"
#include "chart/chartatrest.h"
#include "forms/app.h"

#include <QByteArray>

#include <cstdio>
#include <string>

namespace {

constexpr const char *Usage =
    "Usage: varelux [OPTION]...\n"
    "Shows the Transformer Loading Chart: loading figures for BLUE GAS and NEON GAS tubing by\n"
    "transformer voltage and tube diameter.\n"
    "\n"
    "      --export FILE  write the chart to FILE and exit, without a window or a display;\n"
    "                     FILE ends in .pdf (a page of the locale's paper), .png or .svg\n"
    "      --scale F      draw a PNG F times the window's size, F from 1 to 8 (default 1)\n"
    "  -h, --help         show this help and exit\n"
    "      --version      show the version and exit\n"
    "\n"
    "Qt's own options, such as -platform NAME, -display DISPLAY and -style STYLE, are passed on\n"
    "to Qt.\n"
    "\n"
    "Example: varelux --export chart.png --scale 2\n";

constexpr double MinScale = 1;
constexpr double MaxScale = 8;

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

CommandLine answered(int status)
{
    CommandLine line;
    line.status = status;
    return line;
}

CommandLine refuse(const std::string &what)
{
    std::fprintf(stderr, "varelux: %s\nTry 'varelux --help' for more information.\n", what.c_str());
    return answered(2);
}

CommandLine answer(const char *text)
{
    std::fputs(text, stdout);
    return answered(0);
}

} // namespace

CommandLine readCommandLine(int argc, char **argv)
{
    CommandLine line;
    std::optional<std::string> exportFile, scale;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--help" || argument == "-h")
            return answer(Usage);
        if (argument == "--version") {
            const QByteArray version = forms::App::version().toUtf8();
            std::printf("varelux %s\n", version.constData());
            return answered(0);
        }
        if (argument == "--") {
            if (i + 1 < argc)
                return refuse("unexpected argument '" + std::string(argv[i + 1]) + "'");
            break;
        }
        if (argument[0] != '-')
            return refuse("unexpected argument '" + argument + "'");
        const std::string name = argument.substr(argument[1] == '-' ? 2 : 1);
        const std::size_t equals = name.find('=');
        const std::string key = name.substr(0, equals);
        if (argument[1] == '-' && (key == "export" || key == "scale")) {
            std::optional<std::string> &value = key == "export" ? exportFile : scale;
            if (equals != std::string::npos)
                value = name.substr(equals + 1);
            else if (i + 1 < argc)
                value = argv[++i];
            else
                value = "";
            if (value->empty())
                return refuse(key == "export" ? "missing file name for '--export'"
                                              : "missing scale for '--scale'");
            continue;
        }
        if (listed(name, QtFlags) || name.rfind("style=", 0) == 0)
            continue;
        if (!listed(name, QtOptionsWithValue))
            return refuse("unrecognized option '" + argument + "'");
        if (++i == argc)
            return refuse("missing value for '" + argument + "'");
    }
    if (scale) {
        if (!exportFile)
            return refuse("option '--scale' goes with '--export'");
        bool number = false;
        line.scale = QByteArray::fromStdString(*scale).toDouble(&number);
        if (!number || !(line.scale >= MinScale && line.scale <= MaxScale))
            return refuse("invalid scale '" + *scale + "': a number from 1 to 8 is needed");
    }
    if (exportFile) {
        line.exportFile = QString::fromLocal8Bit(exportFile->c_str());
        const std::optional<forms::DrawingFormat> format = forms::drawingFormatOf(line.exportFile);
        if (!format) {
            std::fprintf(stderr,
                         "varelux: cannot export to '%s': the file name must end in .pdf, .png "
                         "or .svg\n",
                         exportFile->c_str());
            return answered(2);
        }
        line.format = *format;
        if (scale && line.format != forms::DrawingFormat::Png)
            return refuse("option '--scale' goes with a PNG export");
    }
    return line;
}

int exportChart(char **argv, const CommandLine &line)
{
    return forms::App::runWithoutDisplay(argv, [&line] {
        Form1 tables; // the loading tables are the start-up window's to fill
        tables.Arrays_Init();
        const std::optional<QString> failure =
            ChartAtRest::Export(line.exportFile, line.format, line.scale);
        if (!failure)
            return 0;
        std::fprintf(stderr, "varelux: cannot write '%s': %s\n", qUtf8Printable(line.exportFile),
                     failure->isEmpty() ? "the chart could not be drawn"
                                        : qUtf8Printable(*failure));
        return 1;
    });
}
