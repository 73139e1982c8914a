#pragma once

#include "reading/pacer.h"

#include <QString>

#include <functional>

class QWidget;

// A paced run in a window: the pacer, the keys that steer it, the caption that
// shows its target and the message at its end. The reading window and the
// exercise each give it their own paced text.
class PacedSession {
public:
    // captionPrefix: the caption before " - [paced ...]"; endCaption: the end message's.
    PacedSession(QWidget& window, PacedText& text, QString captionPrefix, QString endCaption);

    void start(int targetWpm, int raisePerMinute);
    bool active() const { return pacer_.running(); }
    // Up/Right faster, Down/Left slower, space pauses and resumes, Escape ends;
    // other keys do nothing.
    void key(int key, bool autoRepeat);
    // Ends with the message of what was read, then onEnded.
    void end();
    // Ends quietly: another text, the window closing.
    void abandon();

    Pacer& pacer() { return pacer_; }
    // The message of the last end, for whoever shows it again.
    QString summary() const;

    // After the end message; the window decides what follows.
    std::function<void()> onEnded;

private:
    void showCaption();

    QWidget& window_;
    PacedText& text_;
    Pacer pacer_;
    QString captionPrefix_;
    QString endCaption_;
    double charsAtStart_ = 0.0;
};
