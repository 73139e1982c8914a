#include "exercise/division.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

namespace Division {

namespace {

// Tail trimming also drops line feeds and the end of the string.
bool tailWhite(QStringView text, int i) {
    if (i >= text.size()) return true;
    const QChar c = text[i];
    return IsSeparator(c) || c == u'\n' || c == u'\0';
}

// One term of the cost. The cost and the fast search both use this, so their
// single-precision arithmetic is the same operation for operation.
inline float squaredDeviation(int interval, float mean) {
    const float d = static_cast<float>(interval) - mean;
    return d * d;
}

constexpr float kNone = -std::numeric_limits<float>::infinity();

float nextUp(float a) {
    return std::nextafter(a, std::numeric_limits<float>::infinity());
}

// Largest a >= 0 with fl(a + h) <= bound, or kNone. Addition rounds
// monotonically, so the a that pass form a range starting at 0.
float largestAddend(float bound, float h) {
    if (!(h <= bound)) return kNone;
    const auto fits = [&](float a) { return a + h <= bound; };
    if (fits(bound)) return bound;
    // The answer lies close to bound - h; search the bit patterns (ordered like
    // the values for non-negative floats) from a small bracket when it holds.
    uint32_t lo = 0;
    uint32_t hi = std::bit_cast<uint32_t>(bound);
    const float guess = std::max(0.0f, bound - h);
    const uint32_t g = std::bit_cast<uint32_t>(guess);
    if (g >= 4 && fits(std::bit_cast<float>(g - 4))) lo = g - 4;
    if (g + 4 < hi && !fits(std::bit_cast<float>(g + 4))) hi = g + 4;
    while (hi - lo > 1) {
        const uint32_t mid = lo + (hi - lo) / 2;
        if (fits(std::bit_cast<float>(mid)))
            lo = mid;
        else
            hi = mid;
    }
    return std::bit_cast<float>(lo);
}

// The cuts a slot offers, in search order.
struct Options {
    std::array<int, 2> pos{};
    int count = 0;
};

} // namespace

int ClampDivision(int division) {
    return std::clamp(division, kMinDivision, kMaxDivision);
}

bool IsSeparator(QChar c) {
    return c == u' ' || c == u'\t';
}

bool AllWhite(QStringView s) {
    return std::all_of(s.begin(), s.end(), [](QChar c) { return IsSeparator(c); });
}

void EatHeadTailWhite(QStringView text, int& start, int& end) {
    for (int i = end; i >= 0; --i) {
        if (tailWhite(text, i) && end > 0)
            --end;
        else
            break;
    }
    if (!tailWhite(text, end)) ++end;
    for (int i = 0; i <= end && i < text.size(); ++i) {
        if (!IsSeparator(text[i])) break;
        ++start;
    }
}

int CalculateIncrement(int n, int division, int averageChars) {
    const float t = static_cast<float>(n) / static_cast<float>(averageChars);
    const float u = static_cast<float>(division - 1) * t + 1.0f;
    const float whole = std::trunc(u);
    const double wanted = whole + std::trunc((u - whole) + 0.5);
    // More groups than characters cut nothing finer, and on a line of a hundred
    // million characters their number no longer fits an int.
    const int most = std::max(n, 1);
    const int r = wanted >= most ? most : wanted >= 1 ? static_cast<int>(wanted) : 1;
    return static_cast<int>(std::ceil(static_cast<double>(n) / r));
}

std::vector<SplitPoint> FindSlots(QStringView text, int start, int n, int inc) {
    std::vector<SplitPoint> sp;
    if (inc < 1) return sp;
    for (int64_t e = inc; e < n; e += inc) {
        SplitPoint p;
        for (int64_t j = e - 1; j >= e - inc + 1 && j >= 0; --j) {
            if (!IsSeparator(text[start + j])) continue;
            // The previous slot already offers this cut as its `after`.
            if (sp.empty() || start + j != sp.back().after) p.before = static_cast<int>(start + j);
            break;
        }
        for (int64_t j = e; j <= e + inc - 1 && j < n; ++j) {
            if (IsSeparator(text[start + j])) {
                p.after = static_cast<int>(start + j);
                break;
            }
        }
        if (p.before != -1 || p.after != -1) sp.push_back(p);
    }
    return sp;
}

float CalculateCost(std::span<const int> intervals) {
    float sum = 0.0f;
    int m = 0;
    for (int v : intervals) {
        if (v != 0) {
            sum += static_cast<float>(v);
            ++m;
        }
    }
    if (m == 0) return 0.0f;
    const float mean = sum / static_cast<float>(m);
    float squares = 0.0f;
    for (int v : intervals) {
        if (v != 0) squares += squaredDeviation(v, mean);
    }
    return squares / static_cast<float>(m);
}

void RecursiveBest(const std::vector<SplitPoint>& sp, int start, int slot, int slotCount,
                   std::deque<int>& current, std::deque<int>& best, float& bestCost) {
    if (slot < slotCount) {
        for (int cut : {sp[slot].before, sp[slot].after}) {
            if (cut == -1) continue;
            current.push_front(cut);
            RecursiveBest(sp, start, slot + 1, slotCount, current, best, bestCost);
            current.pop_front();
        }
        return;
    }
    // The front holds the last cut; the intervals run from the first cut.
    std::vector<int> intervals;
    intervals.reserve(current.size());
    int previous = start;
    for (auto it = current.rbegin(); it != current.rend(); ++it) {
        intervals.push_back(*it - previous);
        previous = *it;
    }
    const float cost = CalculateCost(intervals);
    if (cost < bestCost) {
        bestCost = cost;
        best = current;
    }
}

// With the last cut fixed the cost of a candidate depends on its intervals only
// through a left-to-right float sum of one term per interval (the mean is the
// same for all of them), and float addition is monotone. So a forward pass
// finds the smallest sum that can end at each cut, which gives the smallest
// cost; a backward pass finds, for every cut, the largest partial sum from
// which the cheapest cost can still be reached; walking forward and taking
// `before` whenever it can still reach it gives the first cheapest candidate
// in search order, the one the full search keeps.
std::vector<int> FastBest(const std::vector<SplitPoint>& sp, int start) {
    const int c = static_cast<int>(sp.size());
    if (c == 0) return {};
    std::vector<Options> opts(c);
    for (int i = 0; i < c; ++i) {
        for (int cut : {sp[i].before, sp[i].after})
            if (cut != -1) opts[i].pos[opts[i].count++] = cut;
    }
    const Options& last = opts[c - 1];
    const float m = static_cast<float>(c);
    // Interval sums are exact in single precision below 2^24 characters.
    std::array<float, 2> mean{};
    for (int l = 0; l < last.count; ++l)
        mean[l] = static_cast<float>(last.pos[l] - start) / m;

    // acc[i][q][l]: smallest sum of terms through slot i ending at its cut q,
    // with the mean of last cut l.
    using Cell = std::array<std::array<float, 2>, 2>;
    std::vector<Cell> acc(c);
    for (int q = 0; q < opts[0].count; ++q)
        for (int l = 0; l < last.count; ++l)
            acc[0][q][l] = 0.0f + squaredDeviation(opts[0].pos[q] - start, mean[l]);
    for (int i = 1; i < c; ++i) {
        for (int q = 0; q < opts[i].count; ++q) {
            for (int l = 0; l < last.count; ++l) {
                float lowest = std::numeric_limits<float>::infinity();
                for (int p = 0; p < opts[i - 1].count; ++p) {
                    const float a = acc[i - 1][p][l] +
                                    squaredDeviation(opts[i].pos[q] - opts[i - 1].pos[p], mean[l]);
                    lowest = std::min(lowest, a);
                }
                acc[i][q][l] = lowest;
            }
        }
    }
    float bestCost = kStartCost;
    for (int l = 0; l < last.count; ++l)
        bestCost = std::min(bestCost, acc[c - 1][l][l] / m);
    if (!(bestCost < kStartCost)) return {};

    // allow[i][q][l]: largest sum through slot i at cut q from which a
    // candidate ending at last cut l still costs bestCost.
    std::vector<Cell> allow(c);
    for (int q = 0; q < last.count; ++q) {
        for (int l = 0; l < last.count; ++l) {
            float bound = kNone;
            if (q == l && acc[c - 1][l][l] / m <= bestCost) {
                bound = acc[c - 1][l][l];
                while (nextUp(bound) / m <= bestCost)
                    bound = nextUp(bound);
            }
            allow[c - 1][q][l] = bound;
        }
    }
    for (int i = c - 2; i >= 0; --i) {
        for (int q = 0; q < opts[i].count; ++q) {
            for (int l = 0; l < last.count; ++l) {
                float bound = kNone;
                for (int p = 0; p < opts[i + 1].count; ++p) {
                    const float next = allow[i + 1][p][l];
                    if (next == kNone) continue;
                    const float h = squaredDeviation(opts[i + 1].pos[p] - opts[i].pos[q], mean[l]);
                    bound = std::max(bound, largestAddend(next, h));
                }
                allow[i][q][l] = bound;
            }
        }
    }

    std::vector<int> cuts;
    cuts.reserve(c);
    std::array<float, 2> sum{0.0f, 0.0f};
    int previous = start;
    for (int i = 0; i < c; ++i) {
        int chosen = opts[i].count - 1;
        std::array<float, 2> chosenSum = sum;
        for (int q = 0; q < opts[i].count; ++q) {
            std::array<float, 2> s = sum;
            bool reachable = false;
            for (int l = 0; l < last.count; ++l) {
                s[l] = sum[l] + squaredDeviation(opts[i].pos[q] - previous, mean[l]);
                if (allow[i][q][l] != kNone && s[l] <= allow[i][q][l]) reachable = true;
            }
            if (reachable || q == opts[i].count - 1) {
                chosen = q;
                chosenSum = s;
                break;
            }
        }
        sum = chosenSum;
        previous = opts[i].pos[chosen];
        cuts.push_back(previous);
    }
    return cuts;
}

std::vector<int> DetermineWordGroups(QStringView text, int& start, int& end, int division,
                                     int averageChars, Search search) {
    EatHeadTailWhite(text, start, end);
    division = ClampDivision(division);
    const int n = end - start;
    if (division == 1 || n <= 0) return {};
    const int inc = CalculateIncrement(n, division, std::max(averageChars, 1));
    const std::vector<SplitPoint> sp = FindSlots(text, start, n, inc);
    if (sp.empty()) return {};
    std::vector<int> cuts;
    if (search == Search::Fast) {
        cuts = FastBest(sp, start);
    } else {
        std::deque<int> current;
        std::deque<int> best;
        float bestCost = kStartCost;
        RecursiveBest(sp, start, 0, static_cast<int>(sp.size()), current, best, bestCost);
        cuts.assign(best.rbegin(), best.rend());
    }
    std::vector<int> breaks;
    for (int p : cuts)
        if (breaks.empty() || p > breaks.back()) breaks.push_back(p);
    return breaks;
}

std::vector<QString> CutIntoGroups(QStringView text, const std::vector<int>& breaks) {
    std::vector<QString> groups;
    if (text.isEmpty()) return groups;
    int from = 0;
    for (int b : breaks) {
        groups.push_back(text.mid(from, b - from).toString());
        from = b;
    }
    groups.push_back(text.mid(from).toString());
    return groups;
}

} // namespace Division
