#include "platform/locations.h"
#include "platform/profile.h"
#include "support/temp_state.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <cstring>
#include <random>
#include <string>
#include <thread>
#include <vector>

using namespace std::string_literals;

namespace {

constexpr const char* kIni = "ssv20.ini";
constexpr const char* kDefault = "<default>";

std::string readString(const char* section, const char* key, const char* file = kIni,
                       const char* defaultValue = kDefault) {
    std::vector<char> buffer(4096, '#');
    const DWORD n = GetPrivateProfileString(section, key, defaultValue, buffer.data(),
                                            DWORD(buffer.size()), file);
    EXPECT_EQ(n, std::strlen(buffer.data())) << "count copied differs from the text";
    return std::string(buffer.data(), n);
}

std::string fileBytes(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return "<unreadable>";
    return f.readAll().toStdString();
}

void putFile(const QString& path, const std::string& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(bytes.data(), qint64(bytes.size())), qint64(bytes.size()));
}

QString helper(const char* name) {
    return QStringLiteral(SKIM_TEST_HELPER_DIR "/") + name;
}

// ---- reading text ----

struct ReadCase {
    const char* name;
    bool exists;
    std::string file;
    const char* section;
    const char* key;
    std::string expected;
};

class ProfileRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ProfileRead, FindsValueOrDefault) {
    const ReadCase& c = GetParam();
    TempState state;
    if (c.exists) state.writeIni(QByteArray::fromStdString(c.file));
    EXPECT_EQ(readString(c.section, c.key), c.expected);
}

const ReadCase kReadCases[] = {
    {"MissingFile", false, "", "Anna", "Speed", kDefault},
    {"MissingSection", true, "[Bob]\nSpeed=5\n", "Anna", "Speed", kDefault},
    {"MissingKey", true, "[Anna]\nSlow=5\n", "Anna", "Speed", kDefault},
    {"NamesIgnoreCase", true, "[aNNA]\nsPEED=5\n", "Anna", "Speed", "5"},
    {"BlanksAroundNamesInFile", true, "  [  Anna  ]  \n   Speed   =  5  \n", "Anna", "Speed", "5"},
    {"TabsAreBlanks", true, "[Anna]\n\tSpeed\t=\t5\t\n", "Anna", "Speed", "5"},
    {"BlanksAroundRequestedNames", true, "[Anna]\nSpeed=5\n", " Anna ", " Speed ", "5"},
    {"DoubleQuotesStripped", true, "[Anna]\nName=\"  Ann Lee  \"\n", "Anna", "Name", "  Ann Lee  "},
    {"SingleQuotesStripped", true, "[Anna]\nName= 'x' \n", "Anna", "Name", "x"},
    {"UnmatchedQuotesKept", true, "[Anna]\nName=\"x'\n", "Anna", "Name", "\"x'"},
    {"OnlyOnePairStripped", true, "[Anna]\nName=\"\"x\"\"\n", "Anna", "Name", "\"x\""},
    {"LoneQuoteKept", true, "[Anna]\nName=\"\n", "Anna", "Name", "\""},
    {"SemicolonInsideValueKept", true, "[Anna]\nName=a ; b\n", "Anna", "Name", "a ; b"},
    {"EqualsInsideValueKept", true, "[Anna]\nExpr=a=b\n", "Anna", "Expr", "a=b"},
    {"EmptyValueIsNotDefault", true, "[Anna]\nName=\n", "Anna", "Name", ""},
    {"CommentedKeysSkipped", true, "[Anna]\n;Speed=1\n  ; Speed=2\nSpeed=3\n", "Anna", "Speed",
     "3"},
    {"CommentedSectionSkipped", true, "; [Anna]\nSpeed=1\n", "Anna", "Speed", kDefault},
    {"KeysBeforeAnySectionIgnored", true, "Speed=1\n[Anna]\n", "Anna", "Speed", kDefault},
    {"FirstDuplicateKeyWins", true, "[Anna]\nSpeed=1\nspeed=2\n", "Anna", "Speed", "1"},
    {"FirstDuplicateSectionWins", true, "[Anna]\nSpeed=1\n[ANNA]\nSpeed=2\n", "Anna", "Speed", "1"},
    {"LaterDuplicateSectionNotSearched", true, "[Anna]\nX=1\n[anna]\nSpeed=2\n", "Anna", "Speed",
     kDefault},
    {"KeyOfNextSectionNotFound", true, "[Anna]\n[Bob]\nSpeed=1\n", "Anna", "Speed", kDefault},
    {"LineWithoutEqualsIsNoKey", true, "[Anna]\nSpeed\n", "Anna", "Speed", kDefault},
    {"UnclosedBracketIsNoSection", true, "[Anna\nSpeed=5\n", "Anna", "Speed", kDefault},
    {"CrLfLineEnds", true, "[Anna]\r\nSpeed=5\r\nNext=6\r\n", "Anna", "Speed", "5"},
    {"CrLineEnds", true, "[Anna]\rSpeed=5\rNext=6\r", "Anna", "Speed", "5"},
    {"NoFinalLineBreak", true, "[Anna]\nSpeed=5", "Anna", "Speed", "5"},
    {"NulBytesElsewhere", true, "[Bob]\nJunk=\0\0\1\n\0\n[Anna]\nSpeed=5\n"s, "Anna", "Speed", "5"},
    {"NulByteEndsValue", true, "[Anna]\nName=ab\0cd\n"s, "Anna", "Name", "ab"},
    {"ByteOrderMarkSkipped", true, "\xEF\xBB\xBF[Anna]\nSpeed=5\n", "Anna", "Speed", "5"},
    {"NonAsciiNameMatchesExactly", true, "[J\xC3\xB6rg]\nSpeed=5\n", "J\xC3\xB6rg", "Speed", "5"},
    {"NullSectionGivesDefault", true, "[Anna]\nSpeed=5\n", nullptr, "Speed", kDefault},
    {"NullKeyGivesDefault", true, "[Anna]\nSpeed=5\n", "Anna", nullptr, kDefault},
};

INSTANTIATE_TEST_SUITE_P(Profile, ProfileRead, ::testing::ValuesIn(kReadCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ProfileReadBuffer, CopiesAtMostSizeMinusOneAndTerminates) {
    TempState state;
    state.writeIni("[Anna]\nName=hello\n");
    char buf[8];

    std::memset(buf, '#', sizeof buf);
    EXPECT_EQ(GetPrivateProfileString("Anna", "Name", "", buf, 4, kIni), 3u);
    EXPECT_STREQ(buf, "hel");
    EXPECT_EQ(buf[4], '#') << "wrote past the given size";

    EXPECT_EQ(GetPrivateProfileString("Anna", "Name", "", buf, 6, kIni), 5u);
    EXPECT_STREQ(buf, "hello");

    EXPECT_EQ(GetPrivateProfileString("Anna", "Name", "", buf, 1, kIni), 0u);
    EXPECT_STREQ(buf, "");

    std::memset(buf, '#', sizeof buf);
    EXPECT_EQ(GetPrivateProfileString("Anna", "Name", "", buf, 0, kIni), 0u);
    EXPECT_EQ(buf[0], '#') << "size 0 must not touch the buffer";

    // The default is copied under the same rule; a null default is "".
    EXPECT_EQ(GetPrivateProfileString("Anna", "Missing", "Unnamed", buf, 4, kIni), 3u);
    EXPECT_STREQ(buf, "Unn");
    std::memset(buf, '#', sizeof buf);
    EXPECT_EQ(GetPrivateProfileString("Anna", "Missing", nullptr, buf, sizeof buf, kIni), 0u);
    EXPECT_STREQ(buf, "");
}

// ---- reading integers ----

struct IntCase {
    const char* name;
    std::string value; // the text after "N=" in section [Anna]
    int expected;
};

class ProfileReadInt : public ::testing::TestWithParam<IntCase> {};

TEST_P(ProfileReadInt, ParsesLeadingNumber) {
    const IntCase& c = GetParam();
    TempState state;
    state.writeIni(QByteArray::fromStdString("[Anna]\nN=" + c.value + "\n"));
    EXPECT_EQ(GetPrivateProfileInt("Anna", "N", 77, kIni), c.expected);
}

const IntCase kIntCases[] = {
    {"Plain", "12", 12},
    {"Blanks", "   12   ", 12},
    {"PlusSign", "+7", 7},
    {"MinusOne", "-1", -1},
    {"MinusZero", "-0", 0},
    {"LeadingZeros", "007", 7},
    {"AllOnesWrapsToMinusOne", "4294967295", -1},
    {"TwoToThe32WrapsToZero", "4294967296", 0},
    {"AboveIntMaxWraps", "2147483648", INT_MIN},
    {"LongNumberWraps", "99999999999", 1215752191},
    {"TrailingJunkIgnored", "12abc", 12},
    {"DecimalPointEndsNumber", "1.9", 1},
    {"Quoted", "\"42\"", 42},
    {"NotANumber", "abc", 0},
    {"HexIsNotRead", "0x10", 0},
    {"SignAlone", "-", 0},
    {"BlankAfterSign", "- 5", 0},
    {"EmptyValue", "", 0},
};

INSTANTIATE_TEST_SUITE_P(Profile, ProfileReadInt, ::testing::ValuesIn(kIntCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ProfileReadIntDefaults, MissingFileSectionOrKeyGiveDefault) {
    TempState state;
    EXPECT_EQ(GetPrivateProfileInt("Anna", "N", 350, kIni), 350);
    state.writeIni("[Bob]\nN=1\n[Anna]\nM=2\n");
    EXPECT_EQ(GetPrivateProfileInt("Carl", "N", -1, kIni), -1);
    EXPECT_EQ(GetPrivateProfileInt("Anna", "N", 25, kIni), 25);
    EXPECT_EQ(GetPrivateProfileInt(nullptr, "N", 4, kIni), 4);
    EXPECT_EQ(GetPrivateProfileInt("Anna", nullptr, 4, kIni), 4);
    EXPECT_EQ(GetPrivateProfileInt("anna", "m", 4, kIni), 2);
}

// ---- writing ----

struct WriteCase {
    const char* name;
    bool exists;
    std::string before;
    const char* section;
    const char* key;
    const char* value;
    std::string after;
};

class ProfileWrite : public ::testing::TestWithParam<WriteCase> {};

TEST_P(ProfileWrite, ProducesExactBytes) {
    const WriteCase& c = GetParam();
    TempState state;
    if (c.exists) state.writeIni(QByteArray::fromStdString(c.before));
    ASSERT_TRUE(WritePrivateProfileString(c.section, c.key, c.value, kIni));
    EXPECT_EQ(state.readIni().toStdString(), c.after);
    EXPECT_EQ(readString(c.section, c.key), c.value);
}

const WriteCase kWriteCases[] = {
    {"NewFile", false, "", "Anna", "Speed", "5", "[Anna]\nSpeed=5\n"},
    {"EmptyFile", true, "", "Anna", "Speed", "5", "[Anna]\nSpeed=5\n"},
    {"ReplaceKeepsFileSpelling", true, "[aNNa]\nSPEED=1\nOther=2\n", "Anna", "speed", "5",
     "[aNNa]\nSPEED=5\nOther=2\n"},
    {"ReplaceDropsBlanksAroundEquals", true, "[Anna]\n  Speed = 1 \n", "Anna", "Speed", "5",
     "[Anna]\nSpeed=5\n"},
    {"ReplaceKeepsAllOtherLines", true,
     "; settings\n\n[Bob]\nSpeed=9\n\n[Anna]\n# junk line\nSpeed=1\n;c\n\n[AllUsers]\n"
     "LastUserName=Bob\n",
     "Anna", "Speed", "5",
     "; settings\n\n[Bob]\nSpeed=9\n\n[Anna]\n# junk line\nSpeed=5\n;c\n\n[AllUsers]\n"
     "LastUserName=Bob\n"},
    {"ReplaceOnlyFirstDuplicate", true, "[Anna]\nSpeed=1\nSpeed=2\n[anna]\nSpeed=3\n", "Anna",
     "Speed", "5", "[Anna]\nSpeed=5\nSpeed=2\n[anna]\nSpeed=3\n"},
    {"ReplaceWithEmptyValue", true, "[Anna]\nSpeed=1\n", "Anna", "Speed", "", "[Anna]\nSpeed=\n"},
    {"NewKeyAfterLastKeyLine", true, "[Anna]\nA=1\n\n; end of Anna\n[Bob]\nB=2\n", "Anna", "Speed",
     "5", "[Anna]\nA=1\nSpeed=5\n\n; end of Anna\n[Bob]\nB=2\n"},
    {"NewKeyBeforeTrailingJunk", true, "[Anna]\nA=1\njunk\n", "Anna", "Speed", "5",
     "[Anna]\nA=1\nSpeed=5\njunk\n"},
    {"NewKeyInEmptySection", true, "[Anna]\n\n[Bob]\n", "Anna", "Speed", "5",
     "[Anna]\nSpeed=5\n\n[Bob]\n"},
    {"NewKeyInFirstDuplicateSection", true, "[Anna]\nA=1\n[ANNA]\nB=2\n", "Anna", "Speed", "5",
     "[Anna]\nA=1\nSpeed=5\n[ANNA]\nB=2\n"},
    {"NewKeyAtEndWithoutFinalBreak", true, "[Anna]\nA=1", "Anna", "Speed", "5",
     "[Anna]\nA=1\nSpeed=5"},
    {"NewSectionAfterBlankLine", true, "[Bob]\nB=2\n", "Anna", "Speed", "5",
     "[Bob]\nB=2\n\n[Anna]\nSpeed=5\n"},
    {"NewSectionNoSecondBlankLine", true, "[Bob]\nB=2\n\n", "Anna", "Speed", "5",
     "[Bob]\nB=2\n\n[Anna]\nSpeed=5\n"},
    {"NewSectionWithoutFinalBreak", true, "[Bob]\nB=2", "Anna", "Speed", "5",
     "[Bob]\nB=2\n\n[Anna]\nSpeed=5\n"},
    {"NewSectionAfterLooseKeys", true, "Speed=1\n", "Anna", "Speed", "5",
     "Speed=1\n\n[Anna]\nSpeed=5\n"},
    {"CrLfReplace", true, "[Anna]\r\nSpeed=1\r\nB=2\r\n", "Anna", "Speed", "5",
     "[Anna]\r\nSpeed=5\r\nB=2\r\n"},
    {"CrLfNewKey", true, "[Anna]\r\nA=1\r\n\r\n", "Anna", "Speed", "5",
     "[Anna]\r\nA=1\r\nSpeed=5\r\n\r\n"},
    {"CrLfNewSection", true, "[Bob]\r\nB=2\r\n", "Anna", "Speed", "5",
     "[Bob]\r\nB=2\r\n\r\n[Anna]\r\nSpeed=5\r\n"},
    {"CrOnlyKept", true, "[Anna]\rA=1\r", "Anna", "Speed", "5", "[Anna]\rA=1\rSpeed=5\r"},
    {"MixedLineEndsKeptAsTheyAre", true, "[Anna]\r\nA=1\nB=2\r", "Anna", "A", "5",
     "[Anna]\r\nA=5\nB=2\r"},
    {"ByteOrderMarkKept", true, "\xEF\xBB\xBF[Anna]\nSpeed=1\n", "Anna", "Speed", "5",
     "\xEF\xBB\xBF[Anna]\nSpeed=5\n"},
    {"RequestedNamesTrimmed", false, "", " Anna ", " Speed ", "5", "[Anna]\nSpeed=5\n"},
    {"ValueWrittenVerbatim", true, "[Anna]\n", "Anna", "Expr", "a = b ; c",
     "[Anna]\nExpr=a = b ; c\n"},
    {"NulBytesElsewhereKept", true, "[Bob]\nJ=\0\1\n[Anna]\nSpeed=1\n"s, "Anna", "Speed", "5",
     "[Bob]\nJ=\0\1\n[Anna]\nSpeed=5\n"s},
};

INSTANTIATE_TEST_SUITE_P(Profile, ProfileWrite, ::testing::ValuesIn(kWriteCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ProfileWriteRefused, BadArgumentsReturnFalseAndLeaveFileAlone) {
    TempState state;
    const std::string before = "[Anna]\nSpeed=1\n";
    state.writeIni(QByteArray::fromStdString(before));
    struct Bad {
        const char* section;
        const char* key;
        const char* value;
        const char* file;
    };
    // Line breaks in a value are refused rather than replaced: a silently changed value is
    // worse than a failed write, and no caller stores multi-line text.
    const Bad cases[] = {
        {nullptr, "Speed", "5", kIni},    {"Anna", nullptr, "5", kIni},
        {"Anna", "Speed", nullptr, kIni}, {"Anna", "Speed", "5", nullptr},
        {"Anna", "Speed", "5", ""},       {"Anna", "", "5", kIni},
        {"Anna", "   ", "5", kIni},       {"", "Speed", "5", kIni},
        {"Anna", "Speed", "5\n6", kIni},  {"Anna", "Speed", "5\r6", kIni},
        {"Anna", "Speed", "5\r\n", kIni}, {"Anna", "Sp=eed", "5", kIni},
        {"Anna", ";Speed", "5", kIni},    {"Anna", "[Speed", "5", kIni},
        {"An]na", "Speed", "5", kIni},    {"An\nna", "Speed", "5", kIni},
        {"Anna", "Sp\need", "5", kIni},
    };
    for (const Bad& b : cases) {
        SCOPED_TRACE(testing::Message()
                     << (b.section ? b.section : "(null)") << " / " << (b.key ? b.key : "(null)")
                     << " / " << (b.value ? b.value : "(null)"));
        EXPECT_FALSE(WritePrivateProfileString(b.section, b.key, b.value, b.file));
        EXPECT_EQ(state.readIni().toStdString(), before);
    }
}

TEST(ProfileWriteInt, WritesDecimalTextThatReadsBack) {
    TempState state;
    for (int v : {0, 42, -1, INT_MAX, INT_MIN}) {
        ASSERT_TRUE(WritePrivateProfileInt("Anna", "OtherTargetNo", v, kIni));
        EXPECT_EQ(GetPrivateProfileInt("ANNA", "othertargetno", 7, kIni), v);
    }
    EXPECT_EQ(state.readIni().toStdString(), "[Anna]\nOtherTargetNo=-2147483648\n");
}

TEST(ProfileSections, SeveralUsersKeepIndependentSections) {
    TempState state;
    ASSERT_TRUE(WritePrivateProfileString("AllUsers", "LastUserName", "Anna", kIni));
    ASSERT_TRUE(WritePrivateProfileInt("Anna", "Used", 1, kIni));
    ASSERT_TRUE(WritePrivateProfileInt("Bob", "Used", 4, kIni));
    ASSERT_TRUE(WritePrivateProfileInt("anna", "Used", 2, kIni));
    ASSERT_TRUE(WritePrivateProfileInt("Anna", "LevelAdvanced", 0, kIni));
    ASSERT_TRUE(WritePrivateProfileString("AllUsers", "LastUserName", "Bob", kIni));
    EXPECT_EQ(state.readIni().toStdString(), "[AllUsers]\nLastUserName=Bob\n\n"
                                             "[Anna]\nUsed=2\nLevelAdvanced=0\n\n"
                                             "[Bob]\nUsed=4\n");
}

TEST(ProfileSymlink, WriteGoesThroughAndKeepsTheLink) {
    TempState state;
    const QString real = state.root() + "/real.ini";
    putFile(real, "[Anna]\nSpeed=1\n");
    QDir().mkpath(Locations::stateDir());
    ASSERT_TRUE(QFile::link(real, state.iniPath()));
    ASSERT_TRUE(WritePrivateProfileInt("Anna", "Speed", 5, kIni));
    EXPECT_TRUE(QFileInfo(state.iniPath()).isSymLink());
    EXPECT_EQ(fileBytes(real), "[Anna]\nSpeed=5\n");
}

// ---- where the file lives ----

TEST(ProfilePath, BareNameLivesInStateDirCreatedOnFirstWrite) {
    TempState state;
    EXPECT_EQ(profileFilePath(kIni), state.iniPath());
    ASSERT_FALSE(QFileInfo::exists(Locations::stateDir()));
    EXPECT_EQ(GetPrivateProfileInt("Anna", "Used", 0, kIni), 0);
    EXPECT_FALSE(QFileInfo::exists(Locations::stateDir())) << "a read must not create anything";
    ASSERT_TRUE(WritePrivateProfileInt("Anna", "Used", 1, kIni));
    EXPECT_EQ(state.readIni().toStdString(), "[Anna]\nUsed=1\n");
}

TEST(ProfilePath, NameWithSlashIsUsedAsGiven) {
    TempState state;
    const QString path = state.root() + "/elsewhere.ini";
    const QByteArray name = QFile::encodeName(path);
    EXPECT_EQ(profileFilePath(name.constData()), path);
    ASSERT_TRUE(WritePrivateProfileInt("Anna", "Used", 3, name.constData()));
    EXPECT_EQ(fileBytes(path), "[Anna]\nUsed=3\n");
    EXPECT_EQ(GetPrivateProfileInt("Anna", "Used", 0, name.constData()), 3);
    EXPECT_FALSE(QFileInfo::exists(Locations::stateDir()));
}

TEST(ProfilePath, NullOrEmptyNameReadsDefaultsAndRefusesWrites) {
    TempState state;
    EXPECT_EQ(GetPrivateProfileInt("Anna", "Used", 9, nullptr), 9);
    EXPECT_EQ(readString("Anna", "Used", ""), kDefault);
    EXPECT_TRUE(profileFilePath(nullptr).isEmpty());
}

// ---- files and directories that cannot be used ----

TEST(ProfileUnusable, StateDirUnderAPlainFile) {
    TempState state;
    putFile(state.root() + "/plain", "not a directory");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(state.root() + "/plain/config"));
    EXPECT_EQ(GetPrivateProfileInt("Anna", "Used", 5, kIni), 5);
    EXPECT_EQ(readString("Anna", "Used"), kDefault);
    EXPECT_FALSE(WritePrivateProfileInt("Anna", "Used", 1, kIni));
    EXPECT_EQ(fileBytes(state.root() + "/plain"), "not a directory");
}

TEST(ProfileUnusable, DirectoryWhereTheFileShouldBe) {
    TempState state;
    ASSERT_TRUE(QDir().mkpath(state.iniPath()));
    EXPECT_EQ(GetPrivateProfileInt("Anna", "Used", 5, kIni), 5);
    EXPECT_EQ(readString("Anna", "Used"), kDefault);
    EXPECT_FALSE(WritePrivateProfileInt("Anna", "Used", 1, kIni));
    EXPECT_TRUE(QFileInfo(state.iniPath()).isDir());
}

TEST(ProfileUnusable, ReadOnlyFileSystem) {
    EXPECT_FALSE(WritePrivateProfileInt("Anna", "Used", 1, "/proc/skim-settings.ini"));
    EXPECT_EQ(GetPrivateProfileInt("Anna", "Used", 5, "/proc/skim-settings.ini"), 5);
}

TEST(ProfileUnusable, PermissionsDenied) {
    if (::geteuid() == 0) GTEST_SKIP() << "permission bits do not bind root";
    TempState state;
    state.writeIni("[Anna]\nUsed=4\n");
    const QByteArray ini = QFile::encodeName(state.iniPath());
    const QByteArray dir = QFile::encodeName(Locations::stateDir());

    ASSERT_EQ(::chmod(ini.constData(), 0), 0);
    EXPECT_EQ(GetPrivateProfileInt("Anna", "Used", 9, kIni), 9);
    EXPECT_FALSE(WritePrivateProfileInt("Anna", "Used", 1, kIni));
    ASSERT_EQ(::chmod(ini.constData(), 0644), 0);
    EXPECT_EQ(state.readIni().toStdString(), "[Anna]\nUsed=4\n");

    ASSERT_EQ(::chmod(dir.constData(), 0555), 0);
    EXPECT_FALSE(WritePrivateProfileInt("Anna", "Used", 1, kIni));
    EXPECT_EQ(GetPrivateProfileInt("Anna", "Used", 9, kIni), 4);
    ASSERT_EQ(::chmod(dir.constData(), 0755), 0);
}

// ---- odd content ----

TEST(ProfileOddContent, BinaryGarbageIsReadAndExtendedWithoutHarm) {
    TempState state;
    std::mt19937 random(20240607);
    std::string garbage(64 * 1024, '\0');
    for (char& c : garbage)
        c = char(random() & 0xff);
    state.writeIni(QByteArray::fromStdString(garbage));

    EXPECT_EQ(GetPrivateProfileInt("Anna", "Used", 5, kIni), 5);
    EXPECT_EQ(readString("Anna", "Used"), kDefault);
    ASSERT_TRUE(WritePrivateProfileInt("Anna", "Used", 1, kIni));
    EXPECT_EQ(GetPrivateProfileInt("Anna", "Used", 5, kIni), 1);
    const std::string after = state.readIni().toStdString();
    EXPECT_EQ(after.substr(0, garbage.size()), garbage) << "the old bytes must stay as they were";
}

TEST(ProfileOddContent, HugeFileAndHugeValue) {
    TempState state;
    std::string big = "[Bulk]\n";
    for (int i = 0; i < 50000; ++i)
        big.append("Key").append(std::to_string(i)).append("=some value of moderate length\n");
    big += "[Anna]\nSpeed=1\n";
    state.writeIni(QByteArray::fromStdString(big));

    EXPECT_EQ(GetPrivateProfileInt("Anna", "Speed", 0, kIni), 1);
    EXPECT_EQ(readString("Bulk", "Key49999"), "some value of moderate length");
    ASSERT_TRUE(WritePrivateProfileInt("Anna", "Speed", 7, kIni));
    const std::string after = state.readIni().toStdString();
    ASSERT_EQ(after.size(), big.size());
    EXPECT_EQ(after.substr(after.size() - 8), "Speed=7\n");

    const std::string longValue(1 << 20, 'x');
    ASSERT_TRUE(WritePrivateProfileString("Anna", "List", longValue.c_str(), kIni));
    std::vector<char> buffer(longValue.size() + 1);
    EXPECT_EQ(
        GetPrivateProfileString("Anna", "List", "", buffer.data(), DWORD(buffer.size()), kIni),
        longValue.size());
    EXPECT_EQ(buffer.data(), longValue);
}

// ---- several writers, interrupted writers ----

TEST(ProfileProcesses, TwoWritersLoseNoKey) {
    TempState state;
    state.writeIni("[AllUsers]\nLastUserName=Anna\n\n[Anna]\nUsed=3\n");
    const QString ini = state.iniPath();
    const int writes = 80;
    QProcess a, b;
    a.start(helper("profile_writer"), {ini, "keys", "Anna", "A", QString::number(writes)});
    b.start(helper("profile_writer"), {ini, "keys", "anna", "B", QString::number(writes)});
    ASSERT_TRUE(a.waitForFinished(60000)) << a.errorString().toStdString();
    ASSERT_TRUE(b.waitForFinished(60000)) << b.errorString().toStdString();
    ASSERT_EQ(a.exitStatus(), QProcess::NormalExit);
    ASSERT_EQ(b.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(a.exitCode(), 0) << a.readAllStandardError().toStdString();
    EXPECT_EQ(b.exitCode(), 0) << b.readAllStandardError().toStdString();

    const QByteArray name = QFile::encodeName(ini);
    for (const char* prefix : {"A", "B"}) {
        for (int k = 0; k < 40; ++k) {
            const std::string key = prefix + std::to_string(k);
            EXPECT_EQ(GetPrivateProfileInt("Anna", key.c_str(), -1, name.constData()),
                      writes - 40 + k)
                << key;
        }
    }
    EXPECT_EQ(GetPrivateProfileInt("Anna", "Used", -1, kIni), 3);
    EXPECT_EQ(readString("AllUsers", "LastUserName"), "Anna");
    // Each key exactly once: the five lines written first plus 80 new key lines.
    const std::string text = state.readIni().toStdString();
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 5 + 80);
}

TEST(ProfileProcesses, KilledWriterNeverLeavesATornFile) {
    TempState state;
    constexpr int kSize = 300000;
    const auto expected = [](char letter) {
        return "[Big]\nBlob=" + std::string(kSize, letter) + "\nTail=end\n\n[Other]\nKeep=1\n";
    };
    state.writeIni(QByteArray::fromStdString(expected('z')));
    const QString ini = state.iniPath();
    const std::string prefix = "[Big]\nBlob=";

    const unsigned seed = std::random_device{}();
    SCOPED_TRACE(testing::Message() << "seed " << seed);
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> delayMs(0, 30);
    for (int round = 0; round < 16; ++round) {
        SCOPED_TRACE(testing::Message() << "round " << round);
        QProcess child;
        child.start(helper("profile_writer"), {ini, "blob", "Big", "Blob", QString::number(kSize)});
        ASSERT_TRUE(child.waitForReadyRead(30000)) << child.errorString().toStdString();
        std::this_thread::sleep_for(std::chrono::milliseconds(delayMs(random)));
        child.kill();
        ASSERT_TRUE(child.waitForFinished(30000));

        const std::string text = state.readIni().toStdString();
        ASSERT_GT(text.size(), prefix.size());
        const char letter = text[prefix.size()];
        ASSERT_TRUE(letter >= 'a' && letter <= 'z') << int(letter);
        ASSERT_EQ(text, expected(letter)) << "torn file of " << text.size() << " bytes";
    }
    // The kernel dropped the killed writers' locks: writing still works.
    ASSERT_TRUE(WritePrivateProfileInt("Other", "Keep", 2, kIni));
    EXPECT_EQ(GetPrivateProfileInt("Other", "Keep", 0, kIni), 2);
    EXPECT_EQ(readString("Big", "Tail"), "end");
}

} // namespace
