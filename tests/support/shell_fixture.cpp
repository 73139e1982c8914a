#include "support/shell_fixture.h"

#include <QCloseEvent>

TestActivityWindow::TestActivityWindow(QWidget* parent, int activity, int reading, QString caption)
    : QWidget(parent, Qt::Window), activity(activity), reading(reading) {
    setWindowTitle(caption);
    resize(200, 100);
}

void TestActivityWindow::closeEvent(QCloseEvent* event) {
    // Practice readings report 2 whichever of the two they were.
    const int reported = activity == 3 ? 2 : activity;
    if (mon)
        mon->Completed(reported);
    event->accept();
}

int TestActivityFactory::chooseReading(LessonMonitor*, QString& chosenLine, const QString&) {
    chosenLine = QStringLiteral("  0   A Reading");
    return 3;
}

QWidget* TestActivityFactory::createActivity(int activity, LessonMonitor* monitor, int readingNumber,
                                             const QString& caption) {
    auto* w = new TestActivityWindow(monitor, activity, readingNumber, caption);
    opened.emplace_back(w);
    return w;
}

ShellTest::ShellTest() { resetGlobals(); }

ShellTest::~ShellTest() {
    closeAllTopLevels();
    resetGlobals();
}

QString ShellTest::ini(const char* section, const char* key, const char* def) const {
    char buffer[2000];
    GetPrivateProfileString(section, key, def, buffer, sizeof buffer, ProfileName);
    return QString::fromUtf8(buffer);
}

int ShellTest::iniInt(const char* section, const char* key, int def) const {
    return GetPrivateProfileInt(section, key, def, ProfileName);
}

void ShellTest::scriptOpening(const QString& typed, int planId, const QString& newUser, int mode) {
    script.type("Enter your first name", typed, IDOK);
    script.answer("Welcome to SkimSprinter", "", IDOK);
    script.then([planId](QWidget& w) { return ModalScript::press(w, planId); });
    if (newUser.isEmpty()) return;
    script.answer(newUser, "You are a new user.", IDOK);
    script.answer("Select Mode", "Do you want to run SkimSprinter in Advanced mode?", mode);
}

void ShellTest::put(const char* section, const char* key, const QString& value) {
    WritePrivateProfileString(section, key, value.toUtf8().constData(), ProfileName);
}
