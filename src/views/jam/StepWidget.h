// The base of the jam tab's two rows of sixteen 30-pixel cells, the riff's
// step row and the song row: the row picture (frame k marks cell k as
// playing), the white numbers of the loop's steps and the cell outline
// signals. The subclasses draw.
#pragma once

#include "PictureStrip.h"

#include <QPixmap>
#include <QWidget>

class MetaData;

class StepWidget : public QWidget
{
    Q_OBJECT

public:
    static constexpr int rowWidth = 480;
    static constexpr int rowHeight = 30;

    StepWidget(QWidget* parent, const QPixmap& stepPixmap);

    // The analysis model (not owned); presses wait for valid results.
    void setMetaData(MetaData* model);
    int getWhiteNumberLength() const { return whiteNumberLength; }
    int getCurrentStep() const { return currentStep; }

public slots:
    // The playing cell; a negative value (playback ended) puts the row
    // back at rest, on cell 0; values above 15 are ignored.
    void setStep(int step);
    // The loop ends at step `steps`: steps 0 … steps are drawn white.
    void setWhiteNumberLength(int steps);

signals:
    void setLoopLength(int steps);
    void showBeatOutline();
    void hideBeatOutline();
    void moveBeatOutline(int x);
    // Query, answered by the riff's ruler with its maximum.
    int getMaxLoopValue(int value);

protected:
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

    bool resultsValid() const;

    PictureStrip stepPixmap;
    QPixmap whiteNumbersPixmap;
    int whiteNumberLength = 1;
    int currentStep = 0;
    MetaData* metaData = nullptr;
};
