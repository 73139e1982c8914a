#include "shell/sounds.h"

#include "shell/globals.h"

void MyPlaySound(const char* name, void* module, unsigned flags) {
    if (SoundOn)
        PlaySound(name, module, flags);
}
