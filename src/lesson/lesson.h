#pragma once

// What an activity window needs of the lesson it runs in: the mode, the sound
// switch, how many drill answers the plan asks for, and one report when the
// activity is done. The lesson monitor implements it; tests use a double.
class Lesson {
public:
    virtual ~Lesson() = default;

    virtual bool Advanced() const = 0;
    virtual void SetAdvanced(bool advancedMode) = 0;
    virtual bool Mute() const = 0;
    virtual void MuteToggle() = 0;
    // Drill answers the plan asks for before it offers to leave the drills.
    virtual int NumbDrills() const = 0;
    // True when a structured lesson sets the number of drill answers.
    virtual bool CountsDrills() const = 0;
    // Called once, from the activity window's close query (0 drills .. 4 speed test;
    // both practice readings report 2).
    virtual void Completed(int activity) = 0;
};
