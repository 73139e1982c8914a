// Writes to a settings file from a separate process, for the settings-file tests.
//
//   profile_writer FILE keys SECTION PREFIX COUNT
//       COUNT writes of "<PREFIX><i % 40>=<i>"; exits 1 if any write fails.
//   profile_writer FILE blob SECTION KEY SIZE
//       prints "ready", then rewrites KEY with SIZE copies of one letter, a different letter
//       each time, until killed (or after 5000 writes, so it can never run away).
#include "platform/profile.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

int main(int argc, char** argv) {
    if (argc != 6) return 2;
    const char* file = argv[1];
    const char* section = argv[3];
    const std::string name = argv[4];
    const int number = std::atoi(argv[5]);

    if (std::strcmp(argv[2], "keys") == 0) {
        for (int i = 0; i < number; ++i) {
            const std::string key = name + std::to_string(i % 40);
            if (!WritePrivateProfileInt(section, key.c_str(), i, file)) return 1;
        }
        return 0;
    }
    if (std::strcmp(argv[2], "blob") == 0) {
        std::printf("ready\n");
        std::fflush(stdout);
        for (int i = 0; i < 5000; ++i) {
            const std::string value(size_t(number), char('a' + i % 26));
            if (!WritePrivateProfileString(section, name.c_str(), value.c_str(), file)) return 1;
        }
        return 0;
    }
    return 2;
}
