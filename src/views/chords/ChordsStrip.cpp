#include "ChordsStrip.h"

ChordLabel::ChordLabel(QWidget* parent)
    : QWidget(parent)
{
}

ChordsStrip::ChordsStrip(QWidget* parent)
    : QLabel(parent)
{
}

void ChordsStrip::setMetaData(MetaData* model)
{
    metaData = model;
}

void ChordsStrip::setSampleCount(int frames)
{
    sampleCount = frames;
}

void ChordsStrip::setPlayPosPtr(const float* x)
{
    playPos = x;
}

void ChordsStrip::reset()
{
}

void ChordsStrip::initChordStrip()
{
}

QPoint ChordsStrip::getStartEndBeats()
{
    return {};
}

void ChordsStrip::setKeyShift(int shift)
{
    keyShift = shift;
}
