#include "shell/command_line.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>

#include <initializer_list>
#include <vector>

namespace {

using Action = CommandLine::Action;

CommandLine parse(std::initializer_list<const char*> args) {
    std::vector<const char*> argv{"skimsprinter"};
    argv.insert(argv.end(), args);
    return parseCommandLine(int(argv.size()), argv.data());
}

} // namespace

TEST(CommandLine, OwnOptionsAndQtOptionsWithTheirValues) {
    EXPECT_EQ(parse({"--version", "--help"}).action, Action::Help);
    // Qt's options, with one or two dashes, their values as the next argument or after '=';
    // a value is never read as an option of ours.
    EXPECT_EQ(parse({"-platform", "xcb", "--display", ":1", "-style=Fusion", "-reverse",
                     "-qwindowtitle", "--help", "-name"})
                  .action,
              Action::Run);
    EXPECT_EQ(parse({"-geometry", "640x480", "--version"}).action, Action::Version);
}

TEST(CommandLine, UnknownOptionsAndStrayArgumentsAreErrorsThatNameThem) {
    for (const char* bad : {"--verbose", "-x", "--help=yes", "book.txt", "-", "--"}) {
        const CommandLine result = parse({"--help", bad});
        EXPECT_EQ(result.action, Action::Error) << bad;
        EXPECT_NE(result.problem.find(std::string("'") + bad + "'"), std::string::npos)
            << result.problem;
    }
}

// --version, --help and a wrong option are run on the installed program by the package check;
// the start without a display is not.
TEST(CommandLineProcess, WithoutADisplayTheProgramSaysWhyAndEndsWithStatusOne) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(name);
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(QDir::tempPath());
    process.start(QStringLiteral(SKIM_TEST_HELPER_DIR "/skim_program"), {});
    ASSERT_TRUE(process.waitForFinished(20000));
    EXPECT_EQ(process.exitCode(), 1);
    EXPECT_TRUE(process.readAllStandardError().contains("needs a graphical desktop session"));
}
