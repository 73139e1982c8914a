#pragma once

#include "support/temp_state.h"

#include <QByteArray>
#include <QString>

// A text of exactly `length` characters in lines of 40, ending with a line feed.
QByteArray readingText(int length, char fill);

// The value of a user key as the settings file holds it, surrounding spaces included.
QString rawSetting(const TempState& state, const char* key);
