#include "reading/paced_session.h"

#include "platform/message_box.h"
#include "reading/pace_text.h"

#include <QWidget>

PacedSession::PacedSession(QWidget& window, PacedText& text, QString captionPrefix,
                           QString endCaption)
    : window_(window), text_(text), pacer_(text), captionPrefix_(std::move(captionPrefix)),
      endCaption_(std::move(endCaption)) {
    pacer_.onTargetChanged = [this] { showCaption(); };
    pacer_.onFinished = [this] { end(); };
}

void PacedSession::start(int targetWpm, int raisePerMinute) {
    charsAtStart_ = text_.pacedChars();
    pacer_.start(targetWpm, raisePerMinute);
    showCaption();
}

void PacedSession::showCaption() {
    window_.setWindowTitle(pacedCaption(captionPrefix_, pacer_.target(), pacer_.paused()));
}

void PacedSession::key(int key, bool autoRepeat) {
    if (!active()) return;
    switch (paceKeyFor(key)) {
    case PaceKey::Faster:
        // Held, the arrows go on changing the target.
        pacer_.changeTarget(kPaceKeyStep);
        break;
    case PaceKey::Slower:
        pacer_.changeTarget(-kPaceKeyStep);
        break;
    case PaceKey::PauseResume:
        // A held space bar is one press.
        if (!autoRepeat) pacer_.setPaused(!pacer_.paused());
        break;
    case PaceKey::End:
        if (!autoRepeat) end();
        return;
    case PaceKey::None:
        return;
    }
    if (active()) showCaption();
}

QString PacedSession::summary() const {
    return pacedSummary(text_.pacedChars() - charsAtStart_, pacer_.pacedMs(), pacer_.target());
}

void PacedSession::end() {
    // The pacer has stopped when it reached the end itself.
    pacer_.stop();
    MessageBox(&window_, summary(), endCaption_, MB_OK);
    if (onEnded) onEnded();
}

void PacedSession::abandon() {
    pacer_.stop();
}
