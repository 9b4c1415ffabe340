#include "BeatSelection.h"

#include "BeatLabel.h"

BeatSelection::BeatSelection(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    for (int i = 0; i < stepCount; ++i)
        beatLabels[i] = new BeatLabel(i, this);
}

void BeatSelection::setSampleCount(int frames)
{
    sampleCount = frames;
}

void BeatSelection::resetBeatSelection()
{
    for (BeatLabel* label : beatLabels)
        label->hide();
}
