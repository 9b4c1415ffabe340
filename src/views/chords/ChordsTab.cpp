#include "ChordsTab.h"

ChordsTab::ChordsTab(QWidget* parent)
    : QLabel(parent)
{
}

int ChordsTab::getChordIndex(QString chord, int shiftAmount)
{
    return chordnames::getChordIndex(chord, shiftAmount, transposition());
}

int ChordsTab::getChordIndex(QString chord)
{
    return getChordIndex(std::move(chord), 0);
}

void ChordsTab::setChordKeyShift(float shiftAmount)
{
    keyShiftAmount = chordnames::foldKeyShift(shiftAmount);
    emit setChordStripKeyShift(transposition().w());
}

void ChordsTab::setCapoShift(float shiftDirection)
{
    capoShift = shiftDirection;
    setChordKeyShift(keyShiftAmount);
}
