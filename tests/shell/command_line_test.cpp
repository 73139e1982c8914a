#include "shell/command_line.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>

#include <initializer_list>
#include <memory>
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

TEST(CommandLineProcess, AnswersWithoutADisplayAndExitsWithTheRightStatus) {
    const auto run = [](const QStringList& args) {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(name);
        process->setProcessEnvironment(env);
        process->setWorkingDirectory(QDir::tempPath());
        process->start(QStringLiteral(SKIM_TEST_HELPER_DIR "/skim_program"), args);
        EXPECT_TRUE(process->waitForFinished(20000));
        return process;
    };
    const auto plain = run({});
    EXPECT_EQ(plain->exitCode(), 1);
    EXPECT_TRUE(plain->readAllStandardError().contains("needs a graphical desktop session"));
    const auto version = run({"--version"});
    EXPECT_EQ(version->readAllStandardOutput(), "SkimSprinter " SKIM_VERSION "\n");
    EXPECT_EQ(version->exitCode(), 0);

    const auto help = run({"--help"});
    const QByteArray usage = help->readAllStandardOutput();
    EXPECT_EQ(help->exitCode(), 0);
    // The data folder named is the one found: here the build's, as no other is there.
    for (const char* part :
         {"--version", "$XDG_CONFIG_HOME/skimsprinter", "$XDG_DATA_HOME/skimsprinter",
          "\n  " SKIM_BUILD_DATA_DIR "\n", "graphical desktop session"})
        EXPECT_TRUE(usage.contains(part)) << part;

    const auto wrong = run({"--frobnicate"});
    EXPECT_TRUE(wrong->exitCode() == 2 && wrong->readAllStandardOutput().isEmpty());
    const QByteArray complaint = wrong->readAllStandardError();
    EXPECT_TRUE(complaint.contains("'--frobnicate'") && complaint.contains(usage));
}
