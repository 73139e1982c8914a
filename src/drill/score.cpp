#include "drill/score.h"

#include "platform/clock.h"
#include "platform/locations.h"

#include <QFile>

Score score;

namespace {

void appendLine(const QString& path, const QString& line) {
    QFile file(path);
    // A log that cannot be opened loses this line only; the other one is still written.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
        return;
    file.write(line.toLatin1());
}

} // namespace

Score::Score() { resetToStart(); }

void Score::resetToStart() {
    for (signed char& mark : marks)
        mark = kNeutral;
    markCount = 10;
    Reset();
    allTries = 0;
    finishTries = 0;
    changes = 0;
    for (int& level : levelHistory)
        level = 0;
}

void Score::Reset() {
    for (int i = 0; i < markCount; ++i)
        marks[i] = kNeutral;
    markIndex = 0;
    tries = 0;
}

void Score::wrong() {
    marks[markIndex] = kWrong;
    markIndex = (markIndex + 1) % markCount;
    ++tries;
    ++allTries;
    ++finishTries;
}

void Score::right() {
    marks[markIndex] = kRight;
    markIndex = (markIndex + 1) % markCount;
    ++tries;
    ++allTries;
    ++finishTries;
}

int Score::markSum() const {
    int sum = 0;
    for (int i = 0; i < markCount; ++i)
        sum += marks[i];
    return sum;
}

// Kept in single precision on purpose: 0.8f lies just above 0.8, so a share of 16/20 already
// counts as a rise, while 4/20 (0.2f, also above 0.2) does not count as a fall.
float Score::share() const { return static_cast<float>(markSum() * 1.0 * 0.5 / markCount); }

// The sooner the user gets there after a change, the bigger the step.
int Score::amountForTries() const {
    if (tries <= markCount)
        return 3;
    if (tries <= 1.5 * markCount)
        return 2;
    return 1;
}

void Score::ShowScore(int level, int& changeCode, int& amount, QString& text) {
    changeCode = kNoChange;
    text.clear();
    const float s = share();
    amount = amountForTries();
    if (!(s < 0.2 || s > 0.8))
        return;
    const bool rise = s > 0.8;
    // Never below 2; the marks stay, and later answers try again with a smaller step.
    if (!rise && level - amount < 2)
        return;

    Reset();
    const int newLevel = rise ? level + amount : level - amount;
    text = QString::asprintf(
        rise ? "You went UP by %i level(s).  Click on OK to continue the drills."
             : "You went DOWN by %i level(s).  Click on OK to continue the drills.",
        amount);
    changeCode = rise ? kRise : kFall;
    // The history is full after kHistorySize changes; later ones still change the level.
    if (changes < kHistorySize)
        levelHistory[changes++] = newLevel;
}

int Score::Level() const {
    const double position = (share() - 0.2) * 1.6666666666666667 * 9;
    return position > 0 ? static_cast<int>(position) : 0;
}

void Score::SaveScore(int level) {
    const QString dir = Locations::scoreDir();
    Locations::ensureDir(dir);
    const long day = julianDayNumber(localToday());
    appendLine(dir + "/dot_sco.dat", QString::asprintf("JulDay %li, Max Number %i\n", day, level));
    appendLine(dir + "/dot_sc2.dat", QString::asprintf("%li\t%i\n", day, level));
}

std::optional<QString> Score::appendDrillScore(const QString& oldValue, int level) {
    if (oldValue.size() > 999)
        return std::nullopt;
    return oldValue + QLatin1Char(' ') + QString::number(level);
}
