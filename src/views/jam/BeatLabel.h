// One step of a riff: a band over the beat it plays. (Stand-in: the riff
// model fills it in.)
#pragma once

#include <QLabel>

#include <atomic>

class BeatLabel : public QLabel
{
    Q_OBJECT

public:
    BeatLabel(int step, QWidget* parent);

    void initPos(const std::atomic<float>* playPosition);
    // Kept, never read.
    void setScrolling(bool scrolling);

private:
    const int step;
    const std::atomic<float>* playPosition = nullptr;
    bool scrolling = false;
};
