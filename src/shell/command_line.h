#pragma once

#include <string>

// What the command line asks for. Decided before the application object exists, so --help and
// --version answer without a display.
struct CommandLine {
    enum class Action { Run, Help, Version, Error };
    Action action = Action::Run;
    // For Error: what was wrong, naming the argument.
    std::string problem;
};

// Our own options are -h/--help and --version; Qt's own options (-platform NAME, -display D,
// -style S, ...) are left for the application object. Anything else is an error.
CommandLine parseCommandLine(int argc, const char* const* argv);

// "SkimSprinter <version>", without a line end.
std::string versionText();
// The usage: what the program is, its options, where it keeps its files; dataDir names the
// folder of the readings, lists, sounds and help.
std::string usageText(const std::string& dataDir);
