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

Line layout(QStringView line, int x, int y, int division, int average, const Metrics& metrics) {
    int start = 0;
    int end = static_cast<int>(line.size());
    const std::vector<int> breaks =
        Division::DetermineWordGroups(line, start, end, division, average);
    const Band b = band(metrics.height);
    Line out;
    out.corner = b.corner;

    auto separatorWidth = [&](QChar c) {
        return c == u' ' ? metrics.space : c == u'\t' ? metrics.tab : 0;
    };
    struct WordEnd {
        int right;
        QChar separator;
    };
    std::vector<WordEnd> wordEnds;
    x += metrics.width(line.first(std::min<qsizetype>(start, line.size())));
    size_t nextBreak = 0;
    int groupFrom = start; // the group's collected characters are [groupFrom, i)
    for (int i = start; i < end; ++i) {
        const QChar c = line[i];
        const bool last = i == end - 1;
        if (Division::IsSeparator(c) || last)
            wordEnds.push_back({x + metrics.width(line.sliced(groupFrom, i - groupFrom)), c});
        const bool atBreak = nextBreak < breaks.size() && breaks[nextBreak] == i;
        if (!atBreak && !last) continue;
        // The break's separator is not part of either bar; the line's last
        // character belongs to the last one.
        const QStringView group = line.sliced(groupFrom, i - groupFrom + (last ? 1 : 0));
        const int w = metrics.width(group);
        const bool blank = Division::AllWhite(group);
        if (!blank) out.bars.push_back(QRect(x, y + b.top, w, b.height));
        if (!blank) {
            for (size_t k = 0; k + 1 < wordEnds.size(); ++k)
                out.gaps.push_back(QRect(wordEnds[k].right, y + b.top,
                                         separatorWidth(wordEnds[k].separator), b.height));
        }
        x += w + (last ? 0 : separatorWidth(c));
        wordEnds.clear();
        groupFrom = i + 1;
        if (atBreak) ++nextBreak;
    }
    return out;
}

} // namespace Shadows
