#include "platform/clock.h"

#include <QElapsedTimer>
#include <QTime>

#include <random>

namespace {

class RealClock : public ClockSource {
public:
    RealClock() { timer_.start(); }
    unsigned int milliseconds() override { return static_cast<unsigned int>(timer_.elapsed()); }
    QDate today() override { return QDate::currentDate(); }

private:
    QElapsedTimer timer_;
};

class RealRandom : public RandomSource {
public:
    RealRandom() : engine_(static_cast<unsigned>(QTime::currentTime().msecsSinceStartOfDay())) {}
    int rand15() override { return static_cast<int>(engine_() & 0x7FFF); }
    long longRand() override { return static_cast<long>(engine_() & 0x7FFFFFFF); }
    void seed(unsigned int s) { engine_.seed(s); }

private:
    std::mt19937 engine_;
};

ClockSource* g_clock = nullptr;
RandomSource* g_random = nullptr;

RealClock& realClock() {
    static RealClock clock;
    return clock;
}

RealRandom& realRandom() {
    static RealRandom random;
    return random;
}

ClockSource& activeClock() { return g_clock ? *g_clock : realClock(); }
RandomSource& activeRandom() { return g_random ? *g_random : static_cast<RandomSource&>(realRandom()); }

} // namespace

DWORD timeGetTime() { return activeClock().milliseconds(); }

QDate localToday() { return activeClock().today(); }

long julianDayNumber(const QDate& date) { return static_cast<long>(date.toJulianDay()); }

int randomInt() { return activeRandom().rand15(); }

long randomLong() { return activeRandom().longRand(); }

void seedRandom(unsigned int seed) { realRandom().seed(seed); }

void setClockSource(ClockSource* source) { g_clock = source; }

void setRandomSource(RandomSource* source) { g_random = source; }
