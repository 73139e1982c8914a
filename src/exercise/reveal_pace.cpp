#include "exercise/reveal_pace.h"

#include "exercise/edx.h"

#include <algorithm>

double RevealPace::pacedChars() const {
    return linesDone_ + box_.revealedChars();
}

double RevealPace::nextStepChars() const {
    if (box_.nextGroup < box_.groupCount)
        return std::max<double>(1, box_.groups[size_t(box_.nextGroup)].size());
    return 1; // an empty line
}

void RevealPace::takeStep() {
    if (!box_.lineFinished) box_.LineUp();
    if (!box_.lineFinished) return;
    // As after a key release: the line moves up and the next one is current.
    const double line = std::max<double>(1, box_.lineText.size());
    box_.ScrollIt();
    if (!ended_) linesDone_ += line;
}
