#include "shell/command_line.h"

#include <string_view>
#include <utility>

namespace {

// Options that the application object, its platform plugin or its style read, each between
// blanks. Qt also accepts them with two dashes.
constexpr std::string_view kQtValueOptions =
    " platform platformpluginpath platformtheme plugin qwindowgeometry geometry qwindowicon icon"
    " qwindowtitle title session display name style stylesheet ";
constexpr std::string_view kQtFlags =
    " reverse nograb dograb sync widgetcount testability qmljsdebugger ";

bool listed(std::string_view names, std::string_view name) {
    if (name.empty()) return false;
    std::string word(1, ' ');
    word.append(name).push_back(' ');
    return names.find(word) != std::string_view::npos;
}

CommandLine error(std::string problem) {
    return {CommandLine::Action::Error, std::move(problem)};
}

} // namespace

CommandLine parseCommandLine(int argc, const char* const* argv) {
    CommandLine result;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i] ? argv[i] : "";
        if (arg == "-h" || arg == "--help") {
            result.action = CommandLine::Action::Help;
            continue;
        }
        if (arg == "--version") {
            if (result.action == CommandLine::Action::Run)
                result.action = CommandLine::Action::Version;
            continue;
        }
        if (arg.size() < 2 || arg[0] != '-')
            return error("unexpected argument '" + std::string(arg) + "'");
        std::string_view name = arg.substr(arg[1] == '-' ? 2 : 1);
        const auto equals = name.find('=');
        const bool inlineValue = equals != std::string_view::npos;
        name = name.substr(0, equals);
        if (listed(kQtValueOptions, name)) {
            // The value is the next argument unless given as -name=value. A value missing at
            // the end is Qt's to ignore.
            if (!inlineValue) ++i;
            continue;
        }
        if (listed(kQtFlags, name)) continue;
        return error("unknown option '" + std::string(arg) + "'");
    }
    return result;
}

std::string versionText() {
    return "SkimSprinter " SKIM_VERSION;
}

std::string usageText(const std::string& dataDir) {
    const char* const head =
        "Usage: skimsprinter [OPTION]...\n"
        "\n"
        "SkimSprinter trains faster reading: it flashes words and phrases for you to take\n"
        "in at a glance, and times your reading of running text.\n"
        "\n"
        "Options:\n"
        "  -h, --help     show this help and exit\n"
        "      --version  show the version and exit\n"
        "The display options of Qt (-platform NAME, -display DISPLAY, -style NAME and the\n"
        "like) are understood as well.\n"
        "\n"
        "Files:\n"
        "  $XDG_CONFIG_HOME/skimsprinter/ssv20.ini  settings of every user\n"
        "                                          (default ~/.config/skimsprinter)\n"
        "  $XDG_DATA_HOME/skimsprinter/            drill score logs\n"
        "                                          (default ~/.local/share/skimsprinter)\n";
    const char* const tail =
        "      readings, word lists, sounds and help (a working directory that holds\n"
        "      pr_bas.dat is used instead)\n"
        "\n"
        "SkimSprinter needs a graphical desktop session (X11, or Wayland with XWayland).\n";
    return std::string(head) + "  " + dataDir + "\n" + tail;
}
