#pragma once

#include <optional>

namespace forms {

// Reads the command line before any window system is touched. Answers --help and --version,
// refuses what it does not know, and leaves Qt's own options (-platform, -display, -style...)
// for Qt. Returns the exit status when the program should stop here.
std::optional<int> answerCommandLine(int argc, char **argv);

} // namespace forms
