#pragma once

#include "reading/own_text.h"

#include <optional>

class QWidget;
class ScrollTextBox;

// The user's own text that a reading window reads in place of ours, and where the
// user stopped in it: a practice reading or an exercise goes on from there when the
// same text is opened again.
class OwnReading {
public:
    bool chosen() const { return text_.has_value(); }
    const OwnText& text() const { return *text_; }
    void choose(OwnText text) { text_ = std::move(text); }
    void clear() { text_.reset(); }
    // How many times the text was put in a box: a caller can tell whether a step showed it.
    int shows() const { return shows_; }

    // Puts the text in the box from its top. With `offer`, a text read before asks
    // whether to go on from the line where the user stopped.
    void show(ScrollTextBox& box, QWidget* parent, bool offer);
    // Stores the line at the top of the page, when the box shows this text.
    void rememberPlace(const ScrollTextBox& box) const;

private:
    void offerToContinue(ScrollTextBox& box, QWidget* parent) const;

    std::optional<OwnText> text_;
    int shows_ = 0;
};
