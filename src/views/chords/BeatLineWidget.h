// The beat line laid over the whole chord strip while a tag is under
// correction: a dot on every beat, the beat under the pointer highlighted
// inside the edit range, and one beat the user may pick so that the
// correction rewrites that beat alone. The chord chosen in the popup is
// written on the picked beat. GUI thread only.
#pragma once

#include "StripGeometry.h"

#include <QString>
#include <QWidget>

class MetaData;

class BeatLineWidget : public QWidget
{
    Q_OBJECT

public:
    explicit BeatLineWidget(QWidget* parent);

    // Written directly by the strip. Beats are read from the model's
    // current positions; every index is checked against them before use.
    MetaData* metaData = nullptr;
    int sampleCount = 0;
    // The strip's offset, copied when the range is set up.
    int sampleOffset = 0;
    int hoverBeat = -1;
    // Any beat of the recording may be picked; it is drawn only inside the
    // range. −1: none.
    int selectedBeat = -1;
    // The range [startBeat, endBeat); −1 for none.
    int startBeat = -1;
    int endBeat = -1;
    QString editText;

    // No correction: hover 0, no pick, no range.
    void resetIndexes();
    // The pixels of this line's beats at its current width.
    chordstrip::PixelScale scale() const;

public slots:
    // No repaint of its own: the tag's text change repaints the strip.
    void setChordEditText(QString chordText);

signals:
    // true when a beat was picked (the tag stops flashing), false when the
    // pick was cleared (it flashes again).
    void stopEditLabelFlashing(bool stop);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Beats, or an empty list without a model.
    const QVector<float>& beats() const;
    void paintHover(QPainter& painter, const chordstrip::PixelScale& px);
    void paintSelection(QPainter& painter, const chordstrip::PixelScale& px);
};
