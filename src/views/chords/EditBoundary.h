// One end of the edit range over a tag under correction: an invisible
// marker that lets every press through. The left one covers the strip from
// x = 0 to the range's left end, the right one starts at its right end;
// only the left one's width, the right one's x and both beats are read.
#pragma once

#include <QWidget>

class EditBoundary : public QWidget
{
    Q_OBJECT

public:
    explicit EditBoundary(QWidget* parent);

    // Left: the first beat of the range; right: the beat after its last.
    int boundaryBeat = 0;
};
