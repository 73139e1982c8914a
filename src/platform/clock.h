#pragma once

#include <QDate>

// Milliseconds, today's date and random numbers, each replaceable in tests.
class ClockSource {
public:
    virtual ~ClockSource() = default;
    virtual unsigned int milliseconds() = 0;
    virtual QDate today() = 0;
};

class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual int rand15() = 0;      // 0..32767
    virtual long longRand() = 0;   // non-negative, up to 2^31 - 1
};

using DWORD = unsigned int;

// Millisecond clock (monotonic in the real source).
DWORD timeGetTime();
// Today's local date.
QDate localToday();
// Julian Day Number of a date.
long julianDayNumber(const QDate& date);

// Random numbers: rand() of 0..32767 and a long random, seeded from the time of day.
int randomInt();
long randomLong();
void seedRandom(unsigned int seed);

// Replace the sources (not owned); nullptr restores the real ones.
void setClockSource(ClockSource* source);
void setRandomSource(RandomSource* source);
