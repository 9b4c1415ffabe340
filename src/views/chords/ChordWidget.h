// One chord diagram: a cell of a chord sheet laid over a picture of a
// guitar neck. Sheets are rows of 84 cells of 126 × 264 (cell i at
// x = 126 × i), owned by the creator and shared by every diagram; the four
// necks are loaded once for the whole process. GUI thread only.
#pragma once

#include <QLabel>

class QPixmap;

// The neck woods, with their pictures.
enum NeckType { Wire = 0, Ebony = 1, Alder = 2, Maple = 3 };

class ChordWidget : public QLabel
{
    Q_OBJECT

public:
    static constexpr int cellWidth = 126;
    static constexpr int cellHeight = 264;

    // openSheet and powerSheet are kept, not owned. A diagram that takes no
    // mouse events lets every mouse and wheel event through to what lies
    // beneath it. Starts on the open sheet and the wire neck, without chord.
    ChordWidget(QWidget* parent, const QPixmap* openSheet, const QPixmap* powerSheet, bool takesMouseEvents);

    // Shows cell i of the sheet in use (and keeps i as the stored chord when
    // store is set); -1, or anything outside 0 … 83, hides the chord and
    // leaves the bare neck.
    void setChord(int index, bool store);
    // The neck picture of 0 … 3; other values change nothing.
    void setNeckType(int neckType);

    int shownIndex() const { return shown; }
    int storedIndex() const { return stored; }
    bool onPowerSheet() const { return sheet == powerSheet; }
    // Whether a chord lies over the neck (false: the bare neck).
    bool chordVisible() const;

    // The neck picture of 0 … 3 (a null pixmap for other values).
    static QPixmap neckPicture(int neckType);

public slots:
    // 1 the power sheet, 0 the open sheet, other values keep the sheet;
    // then the shown chord is drawn again from it and stored.
    void setChordType(int chordType);

protected:
    void resizeEvent(QResizeEvent* event) override;
    // Swallowed: a diagram that takes mouse events is not a scroll target.
    void wheelEvent(QWheelEvent* event) override;

private:
    class Cell;

    Cell* chordPicture;
    int shown = -1;
    int stored = -1;
    const QPixmap* sheet;
    const QPixmap* openSheet;
    const QPixmap* powerSheet;
    bool takesMouseEvents;
};
