#include "platform/message_box.h"
#include "shell/globals.h"
#include "shell/settings.h"
#include "support/seams.h"
#include "support/temp_state.h"

#include <QFile>

#include <gtest/gtest.h>

#include <sys/stat.h>

TEST(SettingsNotice, TheFirstFailedWriteOfARunTellsTheUserOnce) {
    TempState state;
    resetGlobals();
    PersonName = "Anna";
    state.writeIni("[Anna]\nUsed=4\n");
    ASSERT_EQ(::chmod(QFile::encodeName(state.iniPath()).constData(), 0444), 0);
    for (int run = 0; run < 2; ++run) {
        SCOPED_TRACE(run);
        Settings::noticeWriteFailures();
        ModalScript script;
        script.answer("Settings not saved", state.iniPath(), IDOK);
        EXPECT_FALSE(Settings::writeUserInt("Used", 5));
        EXPECT_FALSE(Settings::writeUserString("Muted", "1")) << "told once is enough";
        resetGlobals(); // a new run tells again
        PersonName = "Anna";
    }
    EXPECT_EQ(state.readIni(), "[Anna]\nUsed=4\n");
    resetGlobals();
}
