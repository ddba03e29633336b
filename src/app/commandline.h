#pragma once

#include "forms/drawing.h"

#include <QString>

#include <optional>

// What the command line asks for, read before any window system is touched: an answer given
// at once (help, version, or a refusal of what it does not know), the chart written to a file,
// or, by default, the program's windows. Qt's own options (-platform, -display, -style...) are
// left for Qt.
struct CommandLine {
    std::optional<int> status; // the exit status, where the command line was answered
    QString exportFile;        // --export FILE
    forms::DrawingFormat format = forms::DrawingFormat::Pdf; // by FILE's extension
    double scale = 1;                                        // --scale F, for a PNG
};

CommandLine readCommandLine(int argc, char **argv);

// Writes the chart as `--export` asks, with no display; returns the exit status.
int exportChart(char **argv, const CommandLine &line);
