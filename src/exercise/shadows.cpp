#include "exercise/shadows.h"

#include "exercise/division.h"

namespace Shadows {

Band band(int textHeight) {
    // 0.6 in single precision is a little above 0.6, so the top offset's
    // factor comes out a little below 0.28: 25 px gives 6, not 7.
    const float share = 0.6f;
    const int top = static_cast<int>(textHeight * (1 - share) * 0.7);
    const int height = static_cast<int>(textHeight * share);
    const int corner = static_cast<int>(height * share);
    return {top, height, corner};
}

Line layout(QStringView line, int x, int y, int division, int average,
            const std::vector<int>& offsets, int textHeight) {
    int start = 0;
    int end = static_cast<int>(line.size());
    const std::vector<int> breaks =
        Division::DetermineWordGroups(line, start, end, division, average);
    const Band b = band(textHeight);
    Line out;
    out.corner = b.corner;
    auto span = [&](int from, int to) {
        return QRect(x + offsets[from], y + b.top, offsets[to] - offsets[from], b.height);
    };

    std::vector<int> wordEnds; // the separators after the words of the group
    size_t nextBreak = 0;
    int groupFrom = start; // the group's characters so far are [groupFrom, i)
    for (int i = start; i < end; ++i) {
        const bool last = i == end - 1;
        if (Division::IsSeparator(line[i])) wordEnds.push_back(i);
        const bool atBreak = nextBreak < breaks.size() && breaks[nextBreak] == i;
        if (!atBreak && !last) continue;
        // The break's separator belongs to neither bar; the line's last
        // character belongs to the last one.
        const int groupTo = last ? i + 1 : i;
        if (!Division::AllWhite(line.sliced(groupFrom, groupTo - groupFrom))) {
            out.bars.push_back(span(groupFrom, groupTo));
            // The gaps between its words; the separator at the break is no gap.
            for (int s : wordEnds)
                if (s < groupTo) out.gaps.push_back(span(s, s + 1));
        }
        wordEnds.clear();
        groupFrom = i + 1;
        if (atBreak) ++nextBreak;
    }
    return out;
}

} // namespace Shadows
