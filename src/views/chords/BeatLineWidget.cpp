#include "BeatLineWidget.h"

#include "MetaData.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

using chordstrip::BeatShape;

namespace {

const QColor dotColour(40, 40, 40);
const QColor hoverColour(255, 110, 0);
const QColor pickColour(43, 100, 57);

// Corners both included.
void box(QPainter& p, int x1, int y1, int x2, int y2)
{
    p.drawRect(QRect(QPoint(x1, y1), QPoint(x2, y2)));
}

void rounded(QPainter& p, int x, int y, int w, int h)
{
    p.drawRoundedRect(QRect(x, y, w, h), 20, 15, Qt::AbsoluteSize);
}

// The seam where a rounded end meets the square half of a run's end beat.
void seam(QPainter& p, const QColor& colour, int x, int h)
{
    p.save();
    p.setPen(QPen(colour, 2));
    p.drawLine(x, 3, x, h - 3);
    p.restore();
}

const QVector<QString>& noChords()
{
    static const QVector<QString> none;
    return none;
}

} // namespace

BeatLineWidget::BeatLineWidget(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    QFont bold = font();
    bold.setWeight(75);
    setFont(bold);
}

void BeatLineWidget::resetIndexes()
{
    hoverBeat = 0;
    selectedBeat = -1;
    startBeat = -1;
    endBeat = -1;
}

chordstrip::PixelScale BeatLineWidget::scale() const
{
    return chordstrip::PixelScale(sampleCount, width(), sampleOffset);
}

void BeatLineWidget::setChordEditText(QString chordText)
{
    editText = chordText;
}

const QVector<float>& BeatLineWidget::beats() const
{
    static const QVector<float> none;
    return metaData != nullptr ? metaData->beats : none;
}

void BeatLineWidget::mouseMoveEvent(QMouseEvent* event)
{
    const int b = chordstrip::beatUnder(beats(), scale(), qRound(event->localPos().x()));
    if (b >= 0)
        hoverBeat = b;
    update();
}

void BeatLineWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    const int b = chordstrip::beatUnder(beats(), scale(), qRound(event->localPos().x()));
    if (b >= 0) {
        if (selectedBeat == b) {
            selectedBeat = -1;
            emit stopEditLabelFlashing(false);
        } else {
            selectedBeat = b;
            emit stopEditLabelFlashing(true);
        }
    }
    update();
}

void BeatLineWidget::leaveEvent(QEvent*)
{
    hoverBeat = 0;
    update();
}

// 1. A dot halved by the top and by the bottom edge on every beat.
// 2. Inside the range: the beat under the pointer, in the tag's colour.
// 3. The picked beat, when inside the range, in green with the chosen name.
void BeatLineWidget::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const chordstrip::PixelScale px = scale();
    if (!px.isValid())
        return;

    const QVector<float>& b = beats();
    const int h = height();
    painter.setPen(QPen(dotColour, 2));
    painter.setBrush(dotColour);
    const QRect dirty = event->rect().adjusted(-3, 0, 3, 0);
    for (int i = 0; i < b.size(); ++i) {
        const int x = px.x(b.at(i));
        if (x < dirty.left() || x > dirty.right())
            continue;
        painter.drawEllipse(QRect(QPoint(x - 2, -2), QPoint(x + 1, 1)));
        painter.drawEllipse(QRect(QPoint(x - 2, h - 2), QPoint(x + 1, h + 1)));
    }

    if (startBeat == -1)
        return;
    paintHover(painter, px);
    paintSelection(painter, px);
}

void BeatLineWidget::paintHover(QPainter& p, const chordstrip::PixelScale& px)
{
    const QVector<float>& b = beats();
    if (endBeat == -1 || hoverBeat < startBeat || hoverBeat >= endBeat || hoverBeat < 0
        || hoverBeat + 1 >= b.size())
        return;
    const QVector<QString>& chords =
        metaData->currentChordVec != nullptr ? *metaData->currentChordVec : noChords();
    const int x = px.x(b.at(hoverBeat));
    const int w = px.x(b.at(hoverBeat + 1)) - x;
    const int h = height();

    p.setBrush(hoverColour);
    p.setPen(QPen(Qt::white, 2));
    switch (chordstrip::beatShape(chords, hoverBeat, startBeat, endBeat)) {
    case BeatShape::First:
        box(p, x + 1, 0, x + w - 3, h - 2);
        break;
    case BeatShape::Last:
    case BeatShape::SingleBeatRun:
        rounded(p, x + 1, 1, w - 4, h - 2);
        break;
    case BeatShape::RunStart:
        rounded(p, x + 1, 1, w - 4, h - 2);
        box(p, x + w / 2 + 1, 1, x + 2 * (w / 2) - 2, h - 2);
        seam(p, hoverColour, x + w / 2 + 1, h);
        break;
    case BeatShape::RunEnd:
        rounded(p, x + 2, 1, w - 3, h - 2);
        box(p, x + 2, 1, x + w / 2 - 1, h - 2);
        seam(p, hoverColour, x + w / 2, h);
        break;
    case BeatShape::Inner:
        box(p, x + 1, 1, x + w - 3, h - 2);
        break;
    }
}

void BeatLineWidget::paintSelection(QPainter& p, const chordstrip::PixelScale& px)
{
    const QVector<float>& b = beats();
    if (endBeat == -1 || selectedBeat < startBeat || selectedBeat >= endBeat || selectedBeat < 0
        || selectedBeat + 1 >= b.size())
        return;
    const QVector<QString>& chords =
        metaData->currentChordVec != nullptr ? *metaData->currentChordVec : noChords();
    const int x = px.x(b.at(selectedBeat));
    const int w = px.x(b.at(selectedBeat + 1)) - x;
    const int h = height();
    const bool hovered = hoverBeat == selectedBeat;

    p.setBrush(pickColour);
    if (hovered)
        p.setPen(QPen(Qt::white, 2));
    else
        p.setPen(Qt::NoPen);
    switch (chordstrip::beatShape(chords, selectedBeat, startBeat, endBeat)) {
    case BeatShape::First:
    case BeatShape::Last:
        rounded(p, x + 1, 1, w - 4, h - 2);
        break;
    case BeatShape::RunStart:
        if (hovered) {
            rounded(p, x + 1, 1, w - 5, h - 2);
            box(p, x + w / 2, 1, x + 2 * (w / 2) - 2, h - 2);
            seam(p, pickColour, x + w / 2, h);
        } else {
            rounded(p, x, 0, w - 3, h);
            box(p, x + w / 2, 0, x + 2 * (w / 2) - 1, h - 1);
        }
        break;
    case BeatShape::RunEnd:
        if (hovered) {
            rounded(p, x + 2, 1, w - 3, h - 2);
            box(p, x + 2, 1, x + w / 2 - 3, h - 2);
            seam(p, pickColour, x + w / 2 - 2, h);
        } else {
            rounded(p, x + 1, 0, w - 2, h);
            box(p, x + 1, 0, x + w / 2, h - 1);
        }
        break;
    case BeatShape::SingleBeatRun:
        if (hovered)
            rounded(p, x + 2, 1, w - 3, h - 2);
        else
            rounded(p, x + 1, 0, w - 2, h);
        break;
    case BeatShape::Inner:
        if (hovered)
            box(p, x + 2, 1, x + w - 3, h - 2);
        else
            box(p, x + 1, 0, x + w - 2, h - 1);
        break;
    }

    p.setPen(Qt::white);
    const int textWidth = p.fontMetrics().horizontalAdvance(editText);
    p.drawText(x + w / 2 - textWidth / 2, 14, editText);
}
