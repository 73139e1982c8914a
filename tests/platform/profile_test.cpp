#include "platform/locations.h"
#include "platform/message_box.h"
#include "platform/profile.h"
#include "shell/globals.h"
#include "shell/settings.h"
#include "support/seams.h"
#include "support/temp_state.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/file.h>
#include <unistd.h>

#include <chrono>
#include <climits>
#include <random>
#include <string>
#include <thread>

using namespace std::string_literals;

namespace {

constexpr const char* kIni = "ssv20.ini";
constexpr const char* kDefault = "<default>";

std::string readString(const char* section, const char* key, const char* file = kIni) {
    std::vector<char> buffer(4096, '#');
    const DWORD n =
        GetPrivateProfileString(section, key, kDefault, buffer.data(), DWORD(buffer.size()), file);
    return std::string(buffer.data(), n);
}

const QString kWriter = QStringLiteral(SKIM_TEST_HELPER_DIR "/profile_writer");

// Paths that failing writes reported.
std::string g_failures;
void recordFailure(const QString& path) {
    g_failures += path.toStdString() + ' ';
}

struct Case {
    const char* name;
    std::string before; // "<none>": no file
    const char* section;
    const char* key;
    std::string expected; // the value read, or the file after the write
};

} // namespace

TEST(ProfileRead, FindsTheValueOrGivesTheDefault) {
    const Case cases[] = {
        {"missing file", "<none>", "Anna", "Speed", kDefault},
        {"missing section", "[Bob]\nSpeed=5\n", "Anna", "Speed", kDefault},
        {"missing key", "[Anna]\nSlow=5\n", "Anna", "Speed", kDefault},
        {"ASCII case", "[aNNA]\nsPEED=5\n", "Anna", "Speed", "5"},
        {"accent is not case", "[\xC3\x89mile]\nSpeed=5\n", "Emile", "Speed", kDefault},
        {"blanks and tabs", "  [  Anna  ]  \n \t Speed\t =  5 \t\n", " Anna ", "Speed ", "5"},
        {"double quotes", "[Anna]\nName=\"  Ann Lee  \"\n", "Anna", "Name", "  Ann Lee  "},
        {"comments", "[Anna]\n;Speed=1\n  ; Speed=2\nSpeed=3\n", "Anna", "Speed", "3"},
        {"first duplicate key", "[Anna]\nSpeed=1\nspeed=2\n", "Anna", "Speed", "1"},
        {"unclosed bracket", "[Anna\nSpeed=5\n", "Anna", "Speed", kDefault},
        {"CR LF", "[Anna]\r\nSpeed=5\r\nNext=6\r\n", "Anna", "Speed", "5"},
        {"NUL bytes", "[Bob]\nJ=\0\1\n\0\n[Anna]\nSpeed=5\nName=ab\0cd\n"s, "Anna", "Name", "ab"},
        {"byte-order mark", "\xEF\xBB\xBF[Anna]\nSpeed=5\n", "Anna", "Speed", "5"},
        {"null section", "[Anna]\nSpeed=5\n", nullptr, "Speed", kDefault},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempState state;
        if (c.before != "<none>") state.writeIni(QByteArray::fromStdString(c.before));
        EXPECT_EQ(readString(c.section, c.key), c.expected);
    }
}

TEST(ProfileRead, IntegersWrapLikeUnsigned32BitValues) {
    const std::pair<const char*, int> cases[] = {
        {"   12   ", 12}, {"-1", -1},  {"4294967296", 0}, {"2147483648", INT_MIN},
        {"12abc", 12},    {"\"42\"", 42}, {"0x10", 0},       {"- 5", 0}, {"", 0}};
    TempState state;
    for (const auto& [text, expected] : cases) {
        state.writeIni(QByteArray("[Anna]\nN=") + text + "\n");
        EXPECT_EQ(GetPrivateProfileInt("Anna", "N", 77, kIni), expected) << text;
    }
    ASSERT_TRUE(WritePrivateProfileInt("Anna", "N", INT_MIN, kIni));
    EXPECT_EQ(GetPrivateProfileInt("ANNA", "n", 7, kIni), INT_MIN);
}

TEST(ProfileWrite, ProducesExactBytes) {
    const Case cases[] = {
        {"new file", "<none>", " Anna ", " Speed ", "[Anna]\nSpeed=5\n"},
        {"replace keeps other lines", "; c\n\n[Bob]\nSpeed=9\n\n[Anna]\n# junk\nSpeed=1\n;c\n",
         "Anna", "Speed", "; c\n\n[Bob]\nSpeed=9\n\n[Anna]\n# junk\nSpeed=5\n;c\n"},
        {"replace only the first duplicate", "[Anna]\nSpeed=1\nSpeed=2\n[anna]\nSpeed=3\n", "Anna",
         "Speed", "[Anna]\nSpeed=5\nSpeed=2\n[anna]\nSpeed=3\n"},
        {"new key after the last key line", "[Anna]\nA=1\n\n; end\n[Bob]\n", "Anna", "Speed",
         "[Anna]\nA=1\nSpeed=5\n\n; end\n[Bob]\n"},
        {"new key without final break", "[Anna]\nA=1", "Anna", "Speed", "[Anna]\nA=1\nSpeed=5"},
        {"new section right after the last line", "[Bob]\nB=2\n", "Anna", "Speed",
         "[Bob]\nB=2\n[Anna]\nSpeed=5\n"},
        {"CR LF new section", "[Bob]\r\nB=2", "Anna", "Speed",
         "[Bob]\r\nB=2\r\n[Anna]\r\nSpeed=5\r\n"},
        {"NUL bytes kept", "[Bob]\nJ=\0\1\n[Anna]\nSpeed=1\n"s, "Anna", "Speed",
         "[Bob]\nJ=\0\1\n[Anna]\nSpeed=5\n"s},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempState state;
        if (c.before != "<none>") state.writeIni(QByteArray::fromStdString(c.before));
        ASSERT_TRUE(WritePrivateProfileString(c.section, c.key, "5", kIni));
        EXPECT_EQ(state.readIni().toStdString(), c.expected);
        EXPECT_EQ(readString(c.section, c.key), "5");
    }
}

TEST(ProfileFile, LinksAreWrittenThroughAndKept) {
    TempState state;
    QDir().mkpath(Locations::stateDir());
    const QByteArray real = QFile::encodeName(state.root() + "/real.ini");
    for (const bool dangling : {true, false}) {
        SCOPED_TRACE(dangling ? "dangling link" : "link to a file");
        QFile::remove(state.iniPath());
        ASSERT_TRUE(QFile::link("../../real.ini", state.iniPath())); // relative to the link
        ASSERT_TRUE(WritePrivateProfileInt("Anna", "Speed", dangling ? 1 : 5, kIni));
        EXPECT_TRUE(QFileInfo(state.iniPath()).isSymLink());
        EXPECT_EQ(GetPrivateProfileInt("Anna", "Speed", 0, real.constData()), dangling ? 1 : 5);
    }
}

TEST(ProfileFile, UnwritableFilesAreReportedAndLeftAlone) {
    TempState state;
    setProfileWriteFailureHook(&recordFailure);
    g_failures.clear();
    // A file the user made read-only (refused even where the bits do not bind, as for root).
    state.writeIni("[Anna]\nUsed=4\n");
    ASSERT_EQ(::chmod(QFile::encodeName(state.iniPath()).constData(), 0444), 0);
    EXPECT_FALSE(WritePrivateProfileInt("Anna", "Used", 5, kIni));
    EXPECT_EQ(state.readIni(), "[Anna]\nUsed=4\n");
    EXPECT_EQ(QFile::permissions(state.iniPath()) & 0x7077, // owner, group, others
              QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    // A directory where the file should be.
    QFile::remove(state.iniPath());
    ASSERT_TRUE(QDir().mkpath(state.iniPath()));
    EXPECT_EQ(GetPrivateProfileInt("Anna", "Used", 5, kIni), 5);
    EXPECT_FALSE(WritePrivateProfileInt("Anna", "Used", 1, kIni));
    setProfileWriteFailureHook(nullptr);
    EXPECT_EQ(g_failures, (state.iniPath() + ' ').repeated(2).toStdString());
}

TEST(ProfileProcesses, KilledWritersLeaveNeitherATornFileNorTemporaryFiles) {
    TempState state;
    const auto expected = [](char letter, int size) {
        return "[Big]\nBlob=" + std::string(size, letter) + "\nTail=end\n\n[Other]\nKeep=1\n";
    };
    state.writeIni(QByteArray::fromStdString(expected('z', 9)));
    std::mt19937 random(std::random_device{}());
    for (int round = 0; round < 16; ++round) {
        // Large files die mid-write, small ones more often between the write and the rename.
        const int size = round % 2 ? 300000 : 9;
        QProcess child;
        child.start(kWriter, {state.iniPath(), "blob", "Big", "Blob", QString::number(size)});
        ASSERT_TRUE(child.waitForReadyRead(30000)) << child.errorString().toStdString();
        std::this_thread::sleep_for(std::chrono::milliseconds(random() % 30));
        child.kill();
        ASSERT_TRUE(child.waitForFinished(30000));
        const std::string text = state.readIni().toStdString();
        const char letter = text.size() > 11 ? text[11] : '?';
        ASSERT_TRUE(text == expected(letter, 9) || text == expected(letter, 300000))
            << "torn file of " << text.size() << " bytes in round " << round;
    }
    // A stale temporary file of an earlier crash goes too; the killed writers' locks are gone.
    QFile(state.iniPath() + ".tmp-Ab12Cd").open(QIODevice::WriteOnly);
    ASSERT_TRUE(WritePrivateProfileInt("Other", "Keep", 2, kIni));
    EXPECT_EQ(readString("Big", "Tail"), "end");
    EXPECT_EQ(QDir(Locations::stateDir()).entryList(QDir::Files | QDir::Hidden).join(' '),
              "ssv20.ini ssv20.ini.lock");
}

TEST(SettingsNotice, TheFirstFailedWriteOfARunTellsTheUserOnce) {
    TempState state;
    state.writeIni("[Anna]\nUsed=4\n");
    ASSERT_EQ(::chmod(QFile::encodeName(state.iniPath()).constData(), 0444), 0);
    for (int run = 0; run < 2; ++run) { // a new run tells again
        SCOPED_TRACE(run);
        resetGlobals();
        PersonName = "Anna";
        Settings::noticeWriteFailures();
        ModalScript script;
        script.answer("Settings not saved", state.iniPath(), IDOK);
        EXPECT_FALSE(Settings::writeUserInt("Used", 5));
        EXPECT_FALSE(Settings::writeUserString("Muted", "1")) << "told once is enough";
    }
    EXPECT_EQ(state.readIni(), "[Anna]\nUsed=4\n");
    resetGlobals();
}

TEST(ProfileOddContent, BinaryGarbageIsKeptAndExtended) {
    TempState state;
    std::mt19937 random(20240607);
    std::string garbage(64 * 1024, '\0');
    for (char& c : garbage)
        c = char(random() & 0xff);
    state.writeIni(QByteArray::fromStdString(garbage));
    EXPECT_EQ(readString("Anna", "Used"), kDefault);
    ASSERT_TRUE(WritePrivateProfileInt("Anna", "Used", 1, kIni));
    EXPECT_EQ(GetPrivateProfileInt("Anna", "Used", 5, kIni), 1);
    EXPECT_EQ(state.readIni().toStdString().substr(0, garbage.size()), garbage);
}

TEST(ProfileProcesses, TwoWritersLoseNoKey) {
    TempState state;
    state.writeIni("[AllUsers]\nLastUserName=Anna\n\n[Anna]\nUsed=3\n");
    QProcess a, b;
    a.start(kWriter, {state.iniPath(), "keys", "Anna", "A", "80"});
    b.start(kWriter, {state.iniPath(), "keys", "anna", "B", "80"});
    for (QProcess* p : {&a, &b}) {
        ASSERT_TRUE(p->waitForFinished(60000)) << p->errorString().toStdString();
        EXPECT_EQ(p->exitCode(), 0) << p->readAllStandardError().toStdString();
    }
    for (const std::string key : {"A0", "A39", "B0", "B39"}) // each writer's first and last key
        EXPECT_EQ(GetPrivateProfileInt("Anna", key.c_str(), -1, kIni), 40 + std::stoi(key.substr(1)))
            << key;
    EXPECT_EQ(state.readIni().count('\n'), 5 + 80) << "each key exactly once";
}

TEST(ProfileProcesses, AWriterGivesUpOnALockHeldByAHungCopy) {
    TempState state;
    state.writeIni("[Anna]\nUsed=4\n");
    const int held = ::open(QFile::encodeName(state.iniPath() + ".lock").constData(),
                            O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    QProcess writer;
    writer.start(kWriter, {state.iniPath(), "keys", "Anna", "Used", "1"});
    const bool ended = writer.waitForFinished(20000);
    ::close(held);
    if (!ended) writer.kill();
    ASSERT_TRUE(ended) << "the writer waits for the lock without limit";
    EXPECT_EQ(writer.exitCode(), 1) << "the write must fail";
    EXPECT_EQ(state.readIni(), "[Anna]\nUsed=4\n");
    ASSERT_TRUE(WritePrivateProfileInt("Anna", "Used0", 1, kIni)) << "the lock is free again";
}
