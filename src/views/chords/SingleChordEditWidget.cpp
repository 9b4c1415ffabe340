#include "SingleChordEditWidget.h"

#include "ChordsStrip.h"

SingleChordEditWidget::SingleChordEditWidget(QWidget* parent)
    : QLabel(parent)
{
    setFixedSize(439, 136);
    hide();
}

void SingleChordEditWidget::initMetaData(MetaData* model)
{
    metaData = model;
}

void SingleChordEditWidget::showChordEdit(QString, int, ChordLabel* label, bool autoScrollOff)
{
    editLabel = label;
    restoreScroll = !autoScrollOff;
    show();
}

void SingleChordEditWidget::changeChord(QString)
{
}
