#pragma once

#include "lesson/lesson.h"

#include <vector>

// A lesson for driving one activity window without the monitor: the mode and
// answers wanted are set by the test, completions are recorded in order.
class FakeLesson : public Lesson {
public:
    bool Advanced() const override { return advanced; }
    void SetAdvanced(bool advancedMode) override { advanced = advancedMode; }
    bool Mute() const override { return muted; }
    void MuteToggle() override { muted = !muted; }
    int NumbDrills() const override { return drills; }
    bool CountsDrills() const override { return countsDrills; }
    void Completed(int activity) override { completed.push_back(activity); }

    bool advanced = false;
    bool muted = false;
    int drills = 400;
    bool countsDrills = false;
    std::vector<int> completed;
};
