#pragma once

#include "reading/pacer.h"

class ExerciseBox;

// The exercise as the pacer moves it: one step reveals the current line's next
// group (its characters, at least one); after a line's last group the one-line
// scroll follows at once. A line cut again (the slider, a redraw) starts hidden,
// and the pacer shows again at once the groups its pace has passed.
class RevealPace : public PacedText {
public:
    explicit RevealPace(ExerciseBox& box) : box_(box) {}

    double pacedChars() const override;
    double nextStepChars() const override;
    void takeStep() override;
    bool atEnd() const override { return ended_; }

    // The window was told the reading is over.
    void reachedEnd() { ended_ = true; }
    // A new start counts from the current line.
    void restart() { linesDone_ = 0, ended_ = false; }

private:
    ExerciseBox& box_;
    double linesDone_ = 0; // characters of the lines finished while pacing
    bool ended_ = false;
};
