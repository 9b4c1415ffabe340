#include "BeatLabel.h"

BeatLabel::BeatLabel(int step, QWidget* parent)
    : QLabel(parent)
    , step(step)
{
    hide();
}

void BeatLabel::initPos(const std::atomic<float>* position)
{
    playPosition = position;
}

void BeatLabel::setScrolling(bool on)
{
    scrolling = on;
}
