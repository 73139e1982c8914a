#pragma once

#include "platform/commands.h"

#include <QColor>
#include <QWidget>

class QPushButton;

// The full-screen workspace behind the trainer's windows, pinned at (0, 0).
class BlockWindow : public QWidget {
    Q_OBJECT
public:
    explicit BlockWindow(QWidget* owner);
    void SetupWindow();
    void CMChooseColor();
    void setLessonPlan(int plan) { lessonPlan_ = plan; }
    int lessonPlan() const { return lessonPlan_; }
    QColor background() const { return background_; }
    // Adds the "Color" button (id 100).
    void addColorButton();

    // The settings value of a colour: red in the low byte, blue in the high byte.
    static int colorToValue(const QColor& color);
    static QColor valueToColor(int value);

    CommandTable commands;

protected:
    void moveEvent(QMoveEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void EvMove();

private:
    int lessonPlan_ = 4;
    QColor background_;
    bool pinning_ = false;
};
