#include "shell/tdotsapp.h"

#include "drill/mydialog.h"
#include "lesson/lessondialog.h"
#include "lesson/lessonmonitor.h"
#include "platform/desktop.h"
#include "platform/locations.h"
#include "platform/message_box.h"
#include "platform/modal.h"
#include "platform/profile.h"
#include "platform/sound.h"
#include "platform/terminate.h"
#include "shell/blockwindow.h"
#include "shell/command_line.h"
#include "shell/firstwindow.h"
#include "shell/globals.h"
#include "shell/monwindow.h"
#include "shell/settings.h"
#include "shell/yesdialog.h"

#include <QApplication>
#include <QDir>
#include <QGuiApplication>

#include <cstdio>
#include <memory>
#include <vector>

bool TDotsApp::dataTreePresent() {
    const QStringList missing = Locations::missingDataParts(Locations::dataDir());
    if (missing.isEmpty())
        return true;
    const QString text =
        QStringLiteral("SkimSprinter cannot find its data files (reading lists, word lists, "
                       "sounds and help).\n\nIt looked in:\n%1\n\nMissing: %2\n\nReinstall "
                       "SkimSprinter, or start it from the folder that holds its data files.")
            .arg(Locations::dataDirCandidates().join(QLatin1Char('\n')),
                 missing.join(QStringLiteral(", ")));
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    MessageBox(nullptr, text, QStringLiteral("SkimSprinter cannot start"), MB_OK | MB_ICONSTOP);
    terminateProgram(1);
    return false;
}

void TDotsApp::InitMainWindow() {
    // Without its data the program could only fail later, with stranger messages.
    if (!dataTreePresent())
        return;
    Settings::noticeWriteFailures();
    // 1. The styled buttons and group boxes are built into every template dialog.
    // 2. Who used the program last.
    std::vector<char> last(kMaxNameLength + 1, '\0');
    GetPrivateProfileString("AllUsers", "LastUserName", "Unnamed", last.data(), DWORD(last.size()),
                            ProfileName);
    PersonName = Settings::sanitizeName(QString::fromUtf8(last.data()));

    // 3. The first name; Cancel keeps the name offered.
    std::string typed = PersonName;
    {
        YesDialog prompt(nullptr, "INPUT_OK", QString::fromStdString(PersonName),
                         QStringLiteral("Enter your first name"), 35, &typed, kMaxNameLength + 1,
                         true);
        Modal::runModal(prompt);
    }
    PersonName = Settings::sanitizeName(QString::fromStdString(typed));

    // 4.
    WritePrivateProfileString("AllUsers", "LastUserName", PersonName.c_str(), ProfileName);

    // 5. - 7. The welcome, with the start sound unless this user muted it.
    {
        MyDialog welcome(nullptr, "LEVEL", QStringLiteral("GROUP"),
                         QStringLiteral("SkimSprinter trains your eyes to take in more at a "
                                        "glance and to read faster. Enjoy the lesson!"),
                         QStringLiteral("Welcome to SkimSprinter"), 32);
        if (Settings::userInt("Muted", 0) == 0)
            PlaySound("sound/start.wav", nullptr, SND_ASYNC | SND_FILENAME);
        Modal::runModal(welcome);
    }

    // 8. The lesson plan; closing the chooser without a choice gives no structured lessons.
    plan_ = 4;
    {
        LessonDialog chooser(nullptr, &plan_);
        Modal::runModal(chooser);
    }

    // 9. - 14. The window tree.
    auto* first = new FirstWindow;
    auto* workspace = new BlockWindow(first);
    workspace->setLessonPlan(plan_);
    workspace->setGeometry(QRect(QPoint(0, 0), desktopRect().size()));
    mon = new LessonMonitor(nullptr, plan_);
    mywin = new MonWindow(workspace, mon);
    mywin->setGeometry(0, 40, 200, 200);
    mywin->adjustSize();
    workspace->addColorButton();
    first->setWorkspace(workspace);
    firstwin = first;
}

void TDotsApp::CreateWindows() {
    firstwin->SetupWindow();
    BlockWindow* workspace = firstwin->workspace();
    workspace->SetupWindow();
    workspace->show();
    mywin->Create();
    mywin->show();
    mywin->raise();
    mon->SetupWindow();
}

int TDotsApp::Run() {
    InitMainWindow();
    if (!firstwin)
        return 1; // the start-up was refused
    CreateWindows();
    return QApplication::exec();
}

namespace {

std::string usage() {
    const QString dir = Locations::dataDir();
    if (!Locations::missingDataParts(dir).isEmpty())
        return usageText("(the data folder is missing: reinstall SkimSprinter)");
    return usageText(QDir::toNativeSeparators(dir).toStdString());
}

} // namespace

int OwlMain(int argc, char** argv) {
    const CommandLine commandLine = parseCommandLine(argc, argv);
    switch (commandLine.action) {
    case CommandLine::Action::Help:
        std::fputs(usage().c_str(), stdout);
        return 0;
    case CommandLine::Action::Version:
        std::printf("%s\n", versionText().c_str());
        return 0;
    case CommandLine::Action::Error:
        std::fprintf(stderr, "skimsprinter: %s\n\n%s", commandLine.problem.c_str(),
                     usage().c_str());
        return 2;
    case CommandLine::Action::Run:
        break;
    }
    if (!graphicalSessionAvailable(argc, argv)) {
        std::fputs("SkimSprinter needs a graphical desktop session: start it from a desktop, "
                   "not from a text console or a remote shell without a display.\n",
                   stderr);
        return 1;
    }
    // The program places its own windows, which Wayland does not allow.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("SkimSprinter"));
    QApplication::setQuitOnLastWindowClosed(false);
    std::unique_ptr<TDotsApp> app = std::make_unique<TDotsApp>();
    return app->Run();
}
