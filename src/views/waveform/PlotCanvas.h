// The sliding canvas of the waveform view: the eight pairs of level
// pictures in two stacks, left half and right half, one page per level.
// The view sets its size to the level's canvas width and picks the page;
// nothing is drawn here at scroll or zoom time.
#pragma once

#include "ZoomLevel.h"

#include <QPixmap>
#include <QVector>
#include <QWidget>

class QLabel;
class QStackedWidget;

class PlotCanvas : public QWidget
{
public:
    explicit PlotCanvas(QWidget* parent);

    // pixmaps[0] the left pictures, pixmaps[1] the right ones, in level
    // order; label i of each stack shows picture i.
    void setPixmaps(QVector<QPixmap>* pixmaps);
    // Lays both stacks out over the canvas's current size and shows the
    // pictures of the level.
    void setIndex(int level);

    int level() const { return levelIndex; }
    const QVector<QPixmap>& leftPictures() const { return leftPixmaps; }
    const QVector<QPixmap>& rightPictures() const { return rightPixmaps; }

    // The stacks sit 10 pixels above the canvas: the pictures are 9 rows
    // taller than the canvas and centred in it.
    static constexpr int stackTop = -10;

private:
    QVector<QPixmap> leftPixmaps;
    QVector<QPixmap> rightPixmaps;
    QLabel* leftLabels[ZoomLevel::levelCount] = {};
    QLabel* rightLabels[ZoomLevel::levelCount] = {};
    QStackedWidget* leftStack = nullptr;
    QStackedWidget* rightStack = nullptr;
    int levelIndex = 0;
};

// The grey line at the middle of the view that stands in for the play line
// while auto-scroll keeps the play position centred. Lets the mouse through.
class CentreLine : public QWidget
{
public:
    explicit CentreLine(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};
