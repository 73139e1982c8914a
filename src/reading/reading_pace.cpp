#include "reading/reading_pace.h"

#include "reading/scr.h"

#include <algorithm>

int ReadingPace::topLineChars() const {
    const int next = box_.FindNewStartChar(box_.StartChar, 1);
    if (next >= box_.DisplayText.size()) return 1;
    // StartChar is the line feed before the top line, -1 at the very top.
    const int chars = next - box_.StartChar;
    return std::max(1, chars);
}

double ReadingPace::pacedChars() const {
    const int s = std::max(1, box_.StepsPerLine);
    const double passed = std::max(0, box_.StartChar + 1);
    return passed + (box_.StepCount % s) * double(topLineChars()) / s;
}

double ReadingPace::nextStepChars() const {
    return double(topLineChars()) / std::max(1, box_.StepsPerLine);
}

void ReadingPace::takeStep() {
    box_.ScrollLine(-1);
}

bool ReadingPace::atEnd() const {
    return box_.FindNewStartChar(box_.StartChar, 1) >= box_.DisplayText.size();
}
