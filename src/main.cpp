#include "app/commandline.h"
#include "app/form1.h"
#include "forms/app.h"

int main(int argc, char **argv)
{
    const CommandLine line = readCommandLine(argc, argv);
    if (line.status)
        return *line.status;
    if (!line.exportFile.isEmpty())
        return exportChart(argv, line);
    return forms::App::run(argc, argv, [] { forms::load<Form1>().show(); });
}
