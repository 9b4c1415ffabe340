// A 43 × 18 switch with two halves: a left click on the left half sets the
// state true, on the right half false. The name given at construction picks
// the picture ("muteSolo" or "filter"); it does not become the object name.
#pragma once

#include "PictureStrip.h"

#include <QWidget>

class PlotButton : public QWidget
{
    Q_OBJECT

public:
    PlotButton(QWidget* parent, const QString& name);

    void reset();
    void setStateFromSession(bool state);
    bool getState() const { return state; }

signals:
    void setState(bool state);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    PictureStrip picture; // frame 0: state false; frame 1: state true
    bool state = true;
};
