#pragma once

#include "reading/pacer.h"

class ScrollTextBox;

// A reading's page as the pacer moves it: one step is one smooth-scroll step,
// and the line being scrolled away (its characters and line feed, at least one)
// is spread evenly over its steps. The place in the text comes from the box, so
// a page that snapped back to a line start (a resize, a new font or smoothness)
// is scrolled on again to where the pace is.
class ReadingPace : public PacedText {
public:
    explicit ReadingPace(ScrollTextBox& box) : box_(box) {}

    double pacedChars() const override;
    double nextStepChars() const override;
    void takeStep() override;
    // The top line is the last: nothing is left to scroll away.
    bool atEnd() const override;

    // Characters of the line now at the top.
    int topLineChars() const;

private:
    ScrollTextBox& box_;
};
