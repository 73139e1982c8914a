#pragma once

#include "shell/settled_settings.h"

#include <QPoint>
#include <QString>
#include <QWidget>

class QEventLoop;

// A frame window that remembers its top-left corner per user ("%sScreenX" /
// "%sScreenY" under its position name) and otherwise opens at a default place.
class SWindow : public QWidget {
    Q_OBJECT
public:
    SWindow(QWidget* parent, const QString& caption, const QString& positionName,
            QWidget* client = nullptr, bool shrinkToClient = false);
    ~SWindow() override;

    // Runs the set-up once; call before the first show.
    void Create();
    virtual void SetupWindow();
    void SetPos();
    void DefaultPos(int& x, int& y) const;
    QString positionName() const { return positionName_; }
    QWidget* client() const { return client_; }

protected:
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // A closed window writes its place and size at once.
    void hideEvent(QHideEvent* event) override;
    // Moves the window up or left until its frame lies on the screen; not remembered.
    void keepOnScreen();
    virtual void EvMove();
    // Where the window's place and size keys go.
    SettledSettings& settled() { return settled_; }

    // A frame window run modally: shown application-modal until endModal.
    int runModalLoop();
    void endModal(int result);
    bool modalEnding() const { return ending_; }
    int lastModalResult() const { return modalResult_; }

private:
    QString positionName_;
    QEventLoop* loop_ = nullptr;
    int modalResult_ = 0;
    bool ending_ = false;
    QWidget* client_;
    bool created_ = false;
    QPoint known_{-1, -1}; // where the window was put or last stored
    SettledSettings settled_;
};
