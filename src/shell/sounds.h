#pragma once

#include "platform/sound.h"

// Plays one of the program's sounds unless sound is off (SoundOn).
void MyPlaySound(const char* name, void* module, unsigned flags);

// The usual call: asynchronous, from a file.
inline void playSound(const char* name) { MyPlaySound(name, nullptr, SND_ASYNC | SND_FILENAME); }
