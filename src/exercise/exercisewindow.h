#pragma once

#include "reading/testwindow.h"

#include <memory>

class ExerciseBox;
class PacedSession;
class RevealPace;
class QSlider;
class QTimer;

// The shadow exercise: a reading window whose box shows the current line as
// shadows, a key press revealing one word group, the release after the last
// group moving on by one line. A slider at the bottom sets the shadow size.
class ExerciseWindow : public TestWindow {
    Q_OBJECT
public:
    ExerciseWindow(QWidget* parent, Lesson* lesson, const QString& caption, int readingNumber);
    ~ExerciseWindow() override;

    void SetupWindow() override;
    void LoadInitial() override;
    void CMStartGo() override;
    // A first press reveals one group; auto-repeat and a second key do nothing.
    void EvKeyDown(int key, bool autoRepeat) override;
    // Releasing the held key moves on after a finished line.
    void EvKeyUp(int key, bool autoRepeat) override;
    // The slider acts when a move ends (code 8): new division, stored, redrawn.
    void ShadowSliderMove(int code);
    void ShadowSizeResize(const QSize& client);
    void EvSize();
    void EvTimer(int id);
    void PostDraw() override;
    void FinishedScrolling() override;
    void EvClose();
    bool CanClose() override;
    void CMContents() override;
    void TextLoaded() override {}
    // Asks for a target and reveals the groups by the clock from the current line.
    void CMPacedReveal();
    bool pacing() const;
    PacedSession* pacedSession() const { return paced_.get(); }

    // Acts on a key release still waiting to be told apart from auto-repeat.
    void settleRelease();

    ExerciseBox* box() const;
    QSlider* shadowSlider() const { return slider; }
    // The slider's place in a client area of that size, m being the page offset.
    static QRect sliderRect(const QSize& client, int m);

    // Code of the slider's notification that a move has ended.
    static constexpr int kEndScroll = 8;

    int division = 4;
    int keyHeld = 0; // the key being held, 0 for none
    QSlider* slider = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void loadReading();
    void pacedRevealEnded();
    std::unique_ptr<RevealPace> pace_;
    std::unique_ptr<PacedSession> paced_;
    QString captionBeforePacing_;
    bool endReached_ = false;
    // X11 repeats a held key as a release and a press at the same moment, and
    // does not always get them marked as repeats: a release waits this long for
    // its press before it counts.
    static constexpr int kReleaseWaitMs = 30;
    QTimer* releaseTimer_ = nullptr;
    int releasedKey_ = 0;
    quint64 releasedAt_ = 0;
    bool releasePending_ = false;
    QTimer* timer20_ = nullptr;
    bool reported_ = false;
};
